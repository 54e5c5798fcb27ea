// Typing into answer fields: the editing rules of letter, number and
// formula fields, Backspace, and when keys are ignored.
#include <gtest/gtest.h>

#include "support/test_support.h"

#include <cctype>

#include "engine/player.h"
#include "output/fields.h"
#include "platform/fake/fake_platform.h"

namespace vintara {
namespace {

using test::nameOf;

using test::powerOfTen;

struct FieldFixture : ::testing::Test {
  FakePlatform platform;
  Player p{platform};

  void addField(int kind, int left = 100, int top = 50) {
    AnswerField f;
    f.left = left;
    f.right = left + 120;
    f.top = top;
    f.bottom = top + 23;
    f.kind = kind;
    p.regions.answerFieldTable.push_back(f);
  }
  void SetUp() override {
    p.text.boxLayout.perRow = 8;  // a typed-field screen
    p.text.decimalSeparator = '.';
    p.regions.firstField = 0;
    p.regions.inputField = 0;
  }
  // Types a sequence: "\b" is a Backspace (handled on key release), any
  // other character a key press.
  void type(std::string_view keys) {
    for (char c : keys) {
      if (c == '\b')
        onKeyUp(p, 8);
      else
        onKeyPress(p, (unsigned char)c);
    }
  }
  const std::string& text(int i = 0) { return p.regions.answerFieldTable[size_t(i)].text; }
};

struct TypingCase {
  int kind;
  char separator;
  std::string keys;
  std::string expected;
};

std::string typingName(const TypingCase& c) {
  static const char* const kinds[] = {"letter", "number", "formula"};
  std::string keys;
  for (char k : c.keys) {
    switch (k) {
      case '\b':
        keys += "_BS_";
        break;
      case '-':
        keys += "_minus_";
        break;
      case '.':
        keys += "_dot_";
        break;
      case ',':
        keys += "_comma_";
        break;
      default:
        keys += k;
    }
  }
  return nameOf(std::string(kinds[c.kind]) + "_" + keys + (c.separator == ',' ? "_sepcomma" : ""));
}

class Typing : public FieldFixture, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(Typing, GivesTheFieldText) {
  const TypingCase& c = GetParam();
  p.text.decimalSeparator = c.separator;
  addField(c.kind);
  type(c.keys);
  EXPECT_EQ(text(), c.expected) << "keys \"" << c.keys << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Typing,
    ::testing::Values(
        // Number fields: digits, the separator and the trailing blank.
        TypingCase{kNumberField, '.', "12", "12 "}, TypingCase{kNumberField, '.', "1.5", "1.5 "},
        TypingCase{kNumberField, '.', "1.5.2", "1.52 "},  // one separator only
        TypingCase{kNumberField, ',', "1,5", "1,5 "},
        TypingCase{kNumberField, ',', "1.5", "15 "},  // "." is no separator here
        TypingCase{kNumberField, '.', "00", "0 "},
        TypingCase{kNumberField, '.', "1a2", "12 "},  // other keys do nothing
        // The sign: added and removed; after a lone "-" the digit follows it.
        TypingCase{kNumberField, '.', "-12", "-12 "}, TypingCase{kNumberField, '.', "12-", "-12 "},
        TypingCase{kNumberField, '.', "12--", "12 "}, TypingCase{kNumberField, '.', "-", "-"},
        // Powers of ten: "x" adds "×10" and two exponent digits that shift.
        TypingCase{kNumberField, '.', "12x3", powerOfTen("12", "03") + " "},
        TypingCase{kNumberField, '.', "12X345", powerOfTen("12", "45") + " "},
        TypingCase{kNumberField, '.', "1.x", powerOfTen("1", "00") + " "},
        TypingCase{kNumberField, '.', "12x3-", powerOfTen("12", "-03") + " "},
        TypingCase{kNumberField, '.', "12x3--", powerOfTen("12", "03") + " "},
        TypingCase{kNumberField, '.', "12x-3", powerOfTen("12", "-03") + " "},
        TypingCase{kNumberField, '.', "12x3x", powerOfTen("12", "03") + " "},
        // No separator once there is a power of ten, whether or not the
        // number before it has one; the exponent keeps its digits.
        TypingCase{kNumberField, '.', "3x08.", powerOfTen("3", "08") + " "},
        TypingCase{kNumberField, '.', "3x.5", powerOfTen("3", "05") + " "},
        TypingCase{kNumberField, '.', "x", ""},  // no number to scale
        TypingCase{kNumberField, '.', "-x", "-"},
        // Length limits: ten characters (eleven with a separator) take no more.
        TypingCase{kNumberField, '.', "123456789", "123456789 "},
        TypingCase{kNumberField, '.', "1234567890", "1234567890 "},
        TypingCase{kNumberField, '.', "12345678901", "1234567890 "},
        TypingCase{kNumberField, '.', "-1234567890", "-123456789 "},
        TypingCase{kNumberField, '.', "123456789.01", "123456789.0 "},
        // Backspace: the whole exponent, or the last digit.
        TypingCase{kNumberField, '.', "12x3\b", "12 "},
        TypingCase{kNumberField, '.', "12x3-\b", "12 "},
        TypingCase{kNumberField, '.', "123\b", "12 "},
        TypingCase{kNumberField, '.', "1.5\b", "1. "},
        TypingCase{kNumberField, '.', "-0.5\b", "0. "},  // a sign before zero goes
        TypingCase{kNumberField, '.', "-1\b", ""}, TypingCase{kNumberField, '.', "12\b\b", ""},
        TypingCase{kNumberField, '.', "12\b\b5", "5 "},
        // Letter fields: lower-case letters only, one at a time.
        TypingCase{kLetterField, '.', "b", "b "}, TypingCase{kLetterField, '.', "B", ""},
        TypingCase{kLetterField, '.', "bc", "c "}, TypingCase{kLetterField, '.', "b1-", "b "},
        TypingCase{kLetterField, '.', "b\b", "b "},
        // Formula fields take no keys.
        TypingCase{kFormulaField, '.', "12x", ""}),
    [](const auto& info) { return typingName(info.param); });

TEST_F(FieldFixture, ControlKeysAreNotTyped) {
  addField(kNumberField);
  type("12");
  for (int code : {3, 22, 24, 25}) onKeyPress(p, code);
  EXPECT_EQ(text(), "12 ");
}

TEST_F(FieldFixture, KeysGoToTheFieldReceivingInput) {
  addField(kNumberField);
  addField(kNumberField, 100, 90);
  p.regions.inputField = 1;
  type("7");
  EXPECT_EQ(text(0), "");
  EXPECT_EQ(text(1), "7 ");
}

struct IgnoreCase {
  const char* why;
  void (*arrange)(Player&);
};

class KeysIgnored : public FieldFixture, public ::testing::WithParamInterface<IgnoreCase> {};

TEST_P(KeysIgnored, WhenNothingShouldTakeThem) {
  addField(kNumberField);
  type("12");
  GetParam().arrange(p);
  type("3\b");
  EXPECT_EQ(text(), "12 ") << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, KeysIgnored,
    ::testing::Values(
        IgnoreCase{"the program waits", [](Player& p) { p.shell.waiting = true; }},
        IgnoreCase{"question type marker minus one",
                   [](Player& p) { p.text.boxLayout.perRow = -1; }},
        IgnoreCase{"no field receives input", [](Player& p) { p.regions.inputField = -1; }},
        IgnoreCase{"the field was judged already (before the question's first field)",
                   [](Player& p) { p.regions.firstField = 1; }},
        IgnoreCase{"past the last field", [](Player& p) { p.regions.inputField = 1; }}),
    [](const auto& info) { return nameOf(info.param.why); });

TEST_F(FieldFixture, BackspaceOnlyOnTypedFieldScreens) {
  addField(kNumberField);
  type("12");
  p.text.boxLayout.perRow = 1;
  type("\b");
  EXPECT_EQ(text(), "12 ");
  p.text.boxLayout.perRow = 8;
  type("\b");
  EXPECT_EQ(text(), "1 ");
}

TEST_F(FieldFixture, ATypedKeyRedrawsTheField) {
  addField(kNumberField);
  Image before = p.workArea.drawing;
  type("5");
  EXPECT_FALSE(p.workArea.drawing == before);
  ASSERT_FALSE(platform.refreshes.empty());
  EXPECT_EQ(platform.refreshes.back(), (Rect{100, 50, 121, 24}));
}

}  // namespace
}  // namespace vintara
