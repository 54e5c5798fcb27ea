// The clipboard text of fields, cut and clear, drops and pastes of values.
#include <gtest/gtest.h>

#include "engine/player.h"
#include "output/fields.h"
#include "output/rich_text.h"
#include "platform/fake/fake_platform.h"
#include "support/test_support.h"

namespace vintara {
namespace {

struct ClipFixture : ::testing::Test {
  FakePlatform platform;
  Player p{platform};
  void SetUp() override {
    p.text.boxLayout.perRow = 8;
    p.regions.firstField = 0;
    p.regions.inputField = 0;
  }
  void addField(int kind, std::string text = "") {
    AnswerField f;
    f.left = 100;
    f.right = 220;
    f.top = 50 + 30 * int(p.regions.answerFieldTable.size());
    f.bottom = f.top + 21;
    f.kind = kind;
    f.text = std::move(text);
    p.regions.answerFieldTable.push_back(f);
  }
  const std::string& text(int i = 0) { return p.regions.answerFieldTable[size_t(i)].text; }
  // The value of a number field is its leading number, read by the text
  // renderer; skip where the renderer does not read numbers yet.
};

struct ClipCase {
  int kind;
  std::string text;
  std::string clipboard;
};

const char* const kClipCaseNames[] = {"number", "exponent", "formula", "letter", "empty"};
const char* const kDropCaseNames[] = {
    "plain",     "calculator_positive", "calculator_23", "calculator_negative", "calculator_whole",
    "field_text"};

class FieldClipboard : public ClipFixture, public ::testing::WithParamInterface<ClipCase> {};

TEST_P(FieldClipboard, CarriesKindAndValue) {
  const ClipCase& c = GetParam();
  addField(c.kind, c.text);
  platform.clipboard = "earlier";
  prepareFieldClipboard(p, 0);
  EXPECT_EQ(p.regions.fieldClipboard, c.clipboard);
  copyField(p);
  EXPECT_EQ(platform.clipboard, c.clipboard.empty() ? "earlier" : c.clipboard);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldClipboard,
    ::testing::Values(ClipCase{kNumberField, "12.5 ", "QeltVintaraData,80,12.5"},
                      ClipCase{kNumberField, test::powerOfTen("-3", "-03") + " ",
                               "QeltVintaraData,80," + test::powerOfTen("-3", "-03")},
                      ClipCase{kFormulaField, "v=f\xD7\xEB ", "QeltVintaraData,81,v=f\xD7\xEB"},
                      ClipCase{kLetterField, "b ", "QeltVintaraData,0,"},
                      // An empty field has an empty clipboard text and leaves the
                      // pupil's clipboard as it was.
                      ClipCase{kNumberField, "", ""}),
    [](const auto& info) { return std::string(kClipCaseNames[info.index]); });

TEST_F(ClipFixture, CutCopiesAndEmptiesTheFieldReceivingInput) {
  addField(kFormulaField, "E=mc2 ");
  addField(kFormulaField, "P=IV ");
  p.regions.inputField = 1;
  prepareFieldClipboard(p, 1);
  cutField(p);
  EXPECT_EQ(platform.clipboard, "QeltVintaraData,81,P=IV");
  EXPECT_EQ(text(1), "");
  EXPECT_EQ(text(0), "E=mc2 ");
}

struct DropCase {
  std::string payload;
  int kind;
  std::string stored;
};

class DropOnField : public ClipFixture, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropOnField, StoresThePayloadAsFieldText) {
  addField(kNumberField, "9 ");
  addField(kNumberField);
  p.regions.drag = {GetParam().payload, GetParam().kind};
  dropOnField(p, 1);
  EXPECT_EQ(text(1), GetParam().stored);
  EXPECT_EQ(text(0), "9 ");
  EXPECT_EQ(p.regions.inputField, 1);
  EXPECT_EQ(p.regions.focusFrame, (Rect{100, 80, 120, 21}));
  EXPECT_EQ(p.regions.drag.kind, 0);
  EXPECT_EQ(p.regions.drag.text, "");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DropOnField,
    ::testing::Values(DropCase{"12.5", 80, "12.5 "},
                      // The calculator's form: mantissa, non-breaking space, then a second
                      // one (positive exponent) or "-", and two digits.
                      DropCase{"1.5\xA0\xA0"
                               "03",
                               80,
                               test::powerOfTen("1.5", "03") + " "},
                      DropCase{"6.02\xA0\xA0"
                               "23",
                               80,
                               test::powerOfTen("6.02", "23") + " "},
                      DropCase{"1.6\xA0-19", 80,
                               test::powerOfTen("1.6", "-19") + " "},
                      DropCase{"1.\xA0-04", 80,
                               test::powerOfTen("1.", "-04") + " "},
                      // Field text (kind 81) is taken as it is.
                      DropCase{"v=f\xA0\xEB", 81, "v=f\xA0\xEB "}),
    [](const auto& info) { return std::string(kDropCaseNames[info.index]); });

TEST_F(ClipFixture, PasteTakesOnlyValuesWithTheMarker) {
  addField(kNumberField);
  struct Case {
    std::string clipboard;
    std::string stored;
  } cases[] = {
      {"QeltVintaraData,80,1.6\xA0-19",
       test::powerOfTen("1.6", "-19") + " "},
      {"QeltVintaraData,80,42", "42 "},
      {"QeltVintaraData,15,4", ""},  // a spelling letter is no value
      {"QeltVintaraData80,42", ""},
      {"QeltVintaraData,,42", ""},                 // no kind
      {"QeltVintaraData,99999999999,42", ""},      // a kind past any int
      {"QeltVintaraData,80", ""},                  // no value part
      {"42", ""},
  };
  for (const Case& c : cases) {
    p.regions.answerFieldTable[0].text.clear();
    platform.clipboard = c.clipboard;
    onClipboardKey(p, 22);
    EXPECT_EQ(text(), c.stored) << c.clipboard;
  }
}

TEST_F(ClipFixture, ControlKeysCopyAndCutTheFieldReceivingInput) {
  addField(kFormulaField, "a=F/m ");
  onClipboardKey(p, 3);
  EXPECT_EQ(platform.clipboard, "QeltVintaraData,81,a=F/m");
  EXPECT_EQ(text(), "a=F/m ");
  platform.clipboard.clear();
  onClipboardKey(p, 24);
  EXPECT_EQ(platform.clipboard, "QeltVintaraData,81,a=F/m");
  EXPECT_EQ(text(), "");
  // Not while the program waits.
  p.regions.answerFieldTable[0].text = "x=1 ";
  p.shell.waiting = true;
  onClipboardKey(p, 24);
  EXPECT_EQ(text(), "x=1 ");
}

}  // namespace
}  // namespace vintara
