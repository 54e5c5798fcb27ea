#include <gtest/gtest.h>

#include <cmath>

#include "engine/numbers.h"
#include "engine/script_text.h"
#include "engine_fixture.h"

namespace vintara {
namespace {

using test::crlf;
using Items = std::vector<std::string>;

Items itemsOf(const EngineState& e) {
  Items out;
  for (int i = 0; i <= e.cmdItemCount; ++i) out.push_back(e.cmdItems[size_t(i)]);
  return out;
}

TEST(Tokenizer, SplitsCommandLines) {
  struct Case {
    std::string line;
    Items items;  // item 0 (the word) and the parameters
  } cases[] = {
      {"@label", {"label"}},
      {"@label start", {"label", "start"}},
      {"@At 10, 20", {"At", "10", "20"}},
      {"@goforward 55 6 ,407", {"goforward", "556", "407"}},
      {"@set The game,1", {"set", "Thegame", "1"}},
      {"@Print Hello, world", {"Print", "Hello", " world"}},
      {"@PICTURE my pic.bmp", {"PICTURE", "my pic.bmp"}},
      {"@data  a , b", {"data", " a ", " b"}},
      {"@popdown 80, Pick one, a b", {"popdown", "80", " Pick one", " a b"}},
      {"@goto ", {"goto", ""}},
      {"@set a,1,", {"set", "a", "1", ""}},
      {"@loopprint a,b,c", {"loopprint", "c", "b", "a"}},
      {"@LoopPrint 1,2,3,4", {"LoopPrint", "4", "3", "2", "1"}},
      {"@loopprint 1,2,3,4,5", {"loopprint", "5", "4", "3", "2", "1"}},
      {"@loopprint x", {"loopprint", "x"}},
      {"@", {""}},
      {"@ x", {"", "x"}},
  };
  for (const auto& c : cases) {
    EngineState e;
    ASSERT_TRUE(tokenizeCommand(e, c.line)) << c.line;
    EXPECT_EQ(itemsOf(e), c.items) << c.line;
  }
}

TEST(Tokenizer, ItemsAboveTheCountKeepEarlierValues) {
  EngineState e;
  tokenizeCommand(e, "@Box 1,2,3,4,blue");
  tokenizeCommand(e, "@at 5,6");
  EXPECT_EQ(e.cmdItemCount, 2);
  EXPECT_EQ(e.cmdItems[3], "3");
  EXPECT_EQ(e.cmdItems[4], "4");
  EXPECT_EQ(e.cmdItems[5], "blue");
  tokenizeCommand(e, "@amp");
  EXPECT_EQ(e.cmdItemCount, 0);
  EXPECT_EQ(e.cmdItems[1], "5");
}

TEST(Tokenizer, RefusesMoreThanAHundredParameters) {
  std::string hundred = "@at 1", more;
  for (int i = 2; i <= 100; ++i) hundred += "," + std::to_string(i);
  more = hundred + ",101";
  EngineState e;
  ASSERT_TRUE(tokenizeCommand(e, hundred));
  EXPECT_EQ(e.cmdItemCount, 100);
  EXPECT_EQ(e.cmdItems[100], "100");
  tokenizeCommand(e, "@set q,7");
  EXPECT_FALSE(tokenizeCommand(e, more));
  EXPECT_EQ(itemsOf(e), (Items{"set", "q", "7"}));
}

TEST(Numbers, LeadingNumber) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"12abc", 12},   {" 1 2 ", 12},    {"\t-4.5", -4.5}, {"1.5e3", 1500}, {"2d-1", 0.2},
      {"1E+2", 100},   {"1e", 1},        {".5", 0.5},      {"1,5", 1},     {"- 3", -3},
      {"&H1F", 31},    {"&hFFFF", -1},   {"&O17", 15},     {"&o8", 0},     {"&Hxyz", 0},
      {"abc", 0},      {"", 0},          {"+", 0},         {"1.2.3", 1.2}, {"1e-400", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumberValue(c.text), c.value) << c.text;
  bool overflow = false;
  EXPECT_EQ(leadingNumberValue("1e999", &overflow), 0);
  EXPECT_TRUE(overflow);
}

TEST(Numbers, StrictNumberInTheLocaleNotation) {
  struct Case {
    const char* text;
    char separator;
    std::optional<double> value;
  } cases[] = {
      {" 12 ", '.', 12}, {"1.5", '.', 1.5},       {"-2", '.', -2},         {"+2", '.', 2},
      {"1e3", '.', 1000}, {"5.", '.', 5},          {"1,5", ',', 1.5},       {"1.5", ',', std::nullopt},
      {"1,5", '.', std::nullopt}, {"12abc", '.', std::nullopt}, {"", '.', std::nullopt},
      {"  ", '.', std::nullopt},  {"1 2", '.', std::nullopt},   {".", '.', std::nullopt},
      {"&H10", '.', std::nullopt}, {"1e999", '.', std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(strictNumber(c.text, c.separator), c.value) << c.text;
}

TEST(Numbers, RoundHalvesToEven) {
  for (auto [v, r] : {std::pair{2.5, 2.0}, {3.5, 4.0}, {-2.5, -2.0}, {0.5, 0.0}, {2.6, 3.0}})
    EXPECT_EQ(roundHalfEven(v), r) << v;
  EXPECT_EQ(toInt16(32767.4), 32767);
  EXPECT_EQ(toInt16(32767.5), std::nullopt);
  EXPECT_EQ(toInt16(-32768.5), -32768);
  EXPECT_EQ(toInt16(NAN), std::nullopt);
}

class NumericParamTest : public test::EngineTest {};

TEST_F(NumericParamTest, NumbersAndVariables) {
  p().engine.scriptVars[1] = 11;   // a
  p().engine.scriptVars[2] = 7;    // b
  p().engine.scriptVars[24] = -5;  // x
  struct Case {
    const char* text;
    int value;
  } cases[] = {
      {"12.5", 12}, {"13.5", 14}, {"-3", -3}, {"", 0},     {"B", 7},    {"abc", 11},
      {"x1", -5},   {" 7", 7},    {"+3", 3},  {"-b", 0},   {"&H10", 16}, {"1D2", 100},
      {"32767", 32767}, {"-32768", -32768}, {"[", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(numericParam(p(), c.text), c.value) << c.text;
  EXPECT_TRUE(messages().empty());
}

TEST_F(NumericParamTest, OutOfRangeNumbersAndBadNamesAreReported) {
  struct Case {
    const char* text;
    int value;
  } cases[] = {{"40000", 32767}, {"-40000", -32768}, {"1e999", 32767}, {"-1e999", -32768},
               {"{x", 0},        {"\xC9t\xE9", 0}};
  for (const auto& c : cases) {
    platform.messages.clear();
    EXPECT_EQ(numericParam(p(), c.text), c.value) << c.text;
    ASSERT_EQ(messages().size(), 1u) << c.text;
    EXPECT_EQ(platform.messages[0].icon, Icon::Warning);
    p().run.reportedErrors.clear();
  }
}

TEST(ScriptText, ParameterFields) {
  EXPECT_EQ(getParameterString(3, "x,y"), "");
  EXPECT_EQ(getParameterString(2, "x,y"), "y");
  EXPECT_EQ(getParameterString(1, "x,y"), "x");
  EXPECT_EQ(getParameterString(0, "x,y"), "");
  EXPECT_EQ(getParameterString(2, "x,,z"), "");
  EXPECT_EQ(getParameterString(1, ""), "");
  EXPECT_EQ(getParameterString(2, "a," + std::string(1200, 'q')), std::string(999, 'q'));
  EXPECT_EQ(getParameterString(1, std::string(1200, 'q') + ",b"), std::string(1200, 'q'));
}

TEST(ScriptText, JoinParams) {
  EngineState e;
  tokenizeCommand(e, "@print 1,2,3,4,5");
  tokenizeCommand(e, "@print a, b,c");
  EXPECT_EQ(joinParams(e, 1), "a, b,c");
  EXPECT_EQ(joinParams(e, 2), " b,c");
  EXPECT_EQ(joinParams(e, 4), "4");  // above the count: the old item alone
}

EngineState scriptState(const std::string& withLf) {
  EngineState e;
  e.scriptText = crlf(withLf);
  e.scriptEnd = int(e.scriptText.size());
  e.scriptPos = 1;
  return e;
}

TEST(ScriptText, ReadsLinesToTheEnd) {
  EngineState e = scriptState("ab\n\ncd");
  EXPECT_EQ(readScriptLine(e), "ab");
  EXPECT_EQ(e.lineStart, 1);
  EXPECT_EQ(readScriptLine(e), "");
  EXPECT_EQ(readScriptLine(e), "cd");
  EXPECT_EQ(e.lineStart, 7);
  EXPECT_GT(e.scriptPos, e.scriptEnd);

  e.scriptPos = 0;  // reads the last character as a line
  EXPECT_EQ(readScriptLine(e), "d");
  EXPECT_GT(e.scriptPos, e.scriptEnd);
}

TEST(ScriptText, FindLabelSearchesForwardForWholeLines) {
  EngineState e = scriptState("@label start\n@Label End\nx\n");
  EXPECT_EQ(findLabel(e, "@label end"), 27);
  EXPECT_EQ(e.scriptPos, 27);
  EXPECT_EQ(findLabel(e, "@label start"), 0);  // behind the search
  EXPECT_GT(e.scriptPos, e.scriptEnd);

  EngineState trailing = scriptState("@label end \n@label  end\n");
  EXPECT_EQ(findLabel(trailing, "@label end"), 0);
}

TEST(ScriptText, ReplaceLine) {
  struct Case {
    const char* script;
    int lineStart;
    const char* result;
  } cases[] = {
      {"one\ntwo\nthree", 6, "one\r\nTWO\r\nthree"},
      {"one\ntwo\nthree", 1, "TWO\r\ntwo\r\nthree"},
      {"one\ntwo", 6, "one\r\nTWO\r"},
  };
  for (const auto& c : cases) {
    EngineState e = scriptState(c.script);
    const int end = e.scriptEnd;
    replaceLine(e, c.lineStart - 1, "TWO");
    EXPECT_EQ(e.scriptText, c.result) << c.script;
    EXPECT_EQ(e.scriptEnd, end);
  }
}

TEST(ScriptText, StripTerminator) {
  EXPECT_EQ(StripTerminator(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(StripTerminator("abc"), "abc");
  EXPECT_EQ(StripTerminator(std::string("\0x", 2)), "");
}

}  // namespace
}  // namespace vintara
