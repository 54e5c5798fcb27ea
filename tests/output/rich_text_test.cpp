// The markup of text lines: line ends, codes, colours, fonts, insertions
// and what the renderer records.
#include <gtest/gtest.h>

#include "output/text_fixture.h"

namespace vintara::test {
namespace {

TEST_F(TextTest, LineEndsDecideWhereTheNextLineStarts) {
  struct Case {
    std::string line;
    int x, y;  // the position afterwards (the line starts at 40,100)
  } cases[] = {
      {"abc", 40, 116},     // font size 12 + 4
      {"abc;", 61, 100},    // stays on the line after the text
      {"abc_", 40, 132},    // one blank line more
      {"", 40, 116},        // an empty line still moves down
      {"#Wabc", 40, 120},   // the line gap toggle adds 4
      {"ab#;", 54, 100},    // a "#" at the end ends the text
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    at(40, 100);
    p.text.lineGapToggle = 0;
    print(c.line);
    EXPECT_EQ(p.workArea.x, c.x);
    EXPECT_EQ(p.workArea.y, c.y);
  }
}

TEST_F(TextTest, SemicolonJoinsTwoScriptLinesIntoOne) {
  print("abc;");
  print("def");
  EXPECT_EQ(piece("def").x, 40 + 3 * 7);
  EXPECT_EQ(piece("def").y, 100);
  ASSERT_EQ(p.text.textHistory.size(), 2u);
  EXPECT_EQ(p.text.textHistory[1].x, 61);
  // A line begins where the position is: the next one starts under "def".
  EXPECT_EQ(p.workArea.x, 61);
  EXPECT_EQ(p.workArea.y, 116);
}

TEST_F(TextTest, ColourLettersSetTheColourAndUnknownOnesDoNot) {
  struct Case {
    char letter;
    Rgb colour;
  } cases[] = {
      {'r', makeRgb(170, 0, 0)},     {'w', makeRgb(255, 255, 255)}, {'d', makeRgb(128, 128, 128)},
      {'a', makeRgb(192, 192, 192)}, {'b', 0},                      {'y', makeRgb(255, 255, 0)},
      {'g', makeRgb(0, 255, 0)},     {'G', makeRgb(0, 255, 0)},     {'u', makeRgb(0, 0, 255)},
      {'z', makeRgb(223, 135, 55)},  {'q', 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.letter);
    platform.drawn.clear();
    print(std::string("#c") + c.letter + "X");
    EXPECT_EQ(piece("X").colour, c.colour);
    EXPECT_EQ(platform.allText(), "X");  // the letter itself is not printed
  }
}

TEST_F(TextTest, GreenThenBlackOnScreen) {
  print("#cgGreen#cb black");
  EXPECT_EQ(piece("Green").colour, makeRgb(0, 255, 0));
  EXPECT_EQ(piece(" black").colour, 0u);
  // The fake font fills the upper half of each character cell.
  EXPECT_EQ(p.workArea.drawing.pixel(40 + 2, 103), makeRgb(0, 255, 0));
  EXPECT_EQ(p.workArea.drawing.pixel(40 + 7 * 6 + 2, 103), 0u);
}

TEST_F(TextTest, EveryLineStartsBlack) {
  print("#cuBlue");
  print("Next");
  EXPECT_EQ(piece("Next").colour, 0u);
}

TEST_F(TextTest, FontCodeTakesOneDigit) {
  setFontSize(p, 0);
  print("#f12");
  EXPECT_EQ(p.text.fontId, 1);
  EXPECT_EQ(p.text.lineHeight, 21);
  EXPECT_EQ(platform.allText(), "2");
  EXPECT_EQ(piece("2").font.points, 12);
}

TEST_F(TextTest, FontIdOutsideTheTableIsReportedAndFontZeroUsed) {
  for (int bad : {12, -1, 10}) {
    platform.messages.clear();
    setFontSize(p, 3);
    setFontSize(p, bad);
    EXPECT_EQ(messages(), std::vector<std::string>{"FontID not allowed " + std::to_string(bad)});
    EXPECT_EQ(p.text.fontId, 0);
    EXPECT_EQ(p.workArea.font.points, 10);
    EXPECT_EQ(p.text.lineHeight, 20);
  }
}

TEST_F(TextTest, FontTableGivesFaceSizeAndLineHeight) {
  struct Row {
    int id;
    const char* face;
    int points, lineHeight;
  } rows[] = {{0, "arial", 10, 20},   {1, "arial", 12, 21},   {2, "arial", 14, 22},
              {3, "arial", 10, 16},   {4, "arial11", 10, 18}, {5, "arial", 8, 18},
              {6, "arial", 24, 17},   {7, "arial11", 72, 18}, {8, "symbol", 10, 20},
              {9, "arial", 7, 17}};
  p.workArea.font.bold = true;
  p.workArea.font.italic = true;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.id);
    setFontSize(p, r.id);
    EXPECT_EQ(p.workArea.font.face, r.face);
    EXPECT_EQ(p.workArea.font.points, r.points);
    EXPECT_EQ(p.text.lineHeight, r.lineHeight);
    EXPECT_FALSE(p.workArea.font.italic);
    EXPECT_TRUE(p.workArea.font.bold);  // bold is left alone
  }
}

TEST_F(TextTest, StyleTogglesApplyToTheTextAfterThem) {
  print("a#bb#ic#ud#b#i#ue");
  EXPECT_FALSE(piece("a").font.bold);
  EXPECT_TRUE(piece("b").font.bold);
  EXPECT_TRUE(piece("c").font.italic);
  EXPECT_TRUE(piece("d").font.underline && piece("d").font.bold && piece("d").font.italic);
  const FontSpec& e = piece("e").font;
  EXPECT_FALSE(e.bold || e.italic || e.underline);
}

TEST_F(TextTest, ScoreInsertions) {
  p.question.quizScore = 4;
  p.question.quizQuestionNumber = 5;
  p.pupil.examScore = 7;
  p.pupil.examMaxScore = 9;
  struct Case {
    std::string line, printed;
  } cases[] = {
      {"You scored #z1 out of #z2", "You scored 4 out of 5"},
      {"#z4 marks", "7 marks"},
      {"Out of #z5 ignored", "Out of 9."},
      {"#z12rest", "rest"},    // code 12 inserts nothing
      {"#z51 more", "9."},     // a two-digit code above 40 is its first digit
      {"#Z2 asked", "5 asked"},
      {"#zx!", "!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    platform.drawn.clear();
    print(c.line);
    EXPECT_EQ(platform.allText(), c.printed);
  }
}

TEST_F(TextTest, GradePhrasesFromTheQuizScore) {
  struct Case {
    int score, asked;
    std::string phrase;
  } cases[] = {
      {100, 100, "           Excellent"},   {80, 100, "           Very good"},
      {99, 100, "           Very good"},    {60, 100, "         A good effort"},
      {40, 100, "Room for improvement"},    {39, 100, "      Could do better"},
      {2, 3, "         A good effort"},     // 66.6 per cent
      {0, 0, "      Could do better"},      // no question asked yet
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.score);
    platform.drawn.clear();
    p.question.quizScore = c.score;
    p.question.quizQuestionNumber = c.asked;
    print("Well: #z3 and the rest goes");
    EXPECT_EQ(platform.allText(), "Well: " + c.phrase);
  }
}

TEST_F(TextTest, OverprintReturnsToWhereItStartedInRed) {
  print("ab#%XY#%cd");
  EXPECT_EQ(piece("XY").x, 54);
  EXPECT_EQ(piece("XY").colour, makeRgb(255, 0, 0));
  EXPECT_EQ(piece("cd").x, 54);  // over the red text
  EXPECT_EQ(piece("cd").colour, 0u);
  EXPECT_FALSE(p.text.overprintMode);
}

TEST_F(TextTest, RedInsideOverprintIsBrighter) {
  print("#%#crX#%");
  EXPECT_EQ(piece("X").colour, makeRgb(255, 0, 0));
}

TEST_F(TextTest, RaiseAndLowerMoveTheBaseLine) {
  print("5#>2#< m#>>a#<<b");
  EXPECT_EQ(piece("5").y, 100);
  EXPECT_EQ(piece("2").y, 92);
  EXPECT_EQ(piece(" m").y, 100);
  EXPECT_EQ(piece("a").y, 98);
  EXPECT_EQ(piece("b").y, 100);
}

TEST_F(TextTest, TabStopsAreRecordedOnOneLineAndUsedOnTheNext) {
  print("Name#^#s2Age#^#s3Height");
  print("Ann#tTen#tTall");
  EXPECT_EQ(piece("Ten").x, 40 + 4 * 7);
  EXPECT_EQ(piece("Tall").x, 40 + 4 * 7 + 12 + 3 * 7);
  EXPECT_EQ(p.text.boxLeft, 40 + 4 * 7 + 12 + 3 * 7);  // "#t" also moves the box edge
}

TEST_F(TextTest, ATwelfthTabStopIsIgnoredAndTheLineStillDrawn) {
  std::string line;
  for (int i = 0; i < 12; ++i) line += "x#^";
  print(line + "end");
  EXPECT_EQ(piece("end").x, 40 + 12 * 7);
  EXPECT_EQ(p.text.tabStops[10], 40 + 11 * 7);
}

TEST_F(TextTest, SpacesCommasAndDecimalSeparator) {
  p.text.decimalSeparator = ',';
  print("a#s3b 3##5 x#;y");
  EXPECT_EQ(piece("b 3").x, 40 + 7 + 18);
  EXPECT_EQ(platform.allText(), "ab 3,5 x,y");
}

TEST_F(TextTest, HugeCountsAreHeldAtSixteenBits) {
  print("a#s99999999999999999999999b;");
  EXPECT_EQ(p.workArea.x, 40 + 7 + 6 * 32767 + 7);
  print("#[n99999999999999999999]");
  EXPECT_EQ(p.regions.answerFieldTable.at(0).right - p.regions.answerFieldTable.at(0).left, 32767);
}

TEST_F(TextTest, WriteInLineIsDottedBlueAndLeavesBlack) {
  print("#cuAns: #v10done");
  const int x = 40 + 5 * 7;
  const Image& img = p.workArea.drawing;
  EXPECT_EQ(img.pixel(x, 110), makeRgb(0, 0, 255));
  EXPECT_EQ(img.pixel(x + 1, 110), 0xFFFFFFu);  // dotted
  EXPECT_EQ(img.pixel(x + 2, 110), makeRgb(0, 0, 255));
  EXPECT_EQ(piece("done").x, x + 30);
  EXPECT_EQ(piece("done").y, 100);
  EXPECT_EQ(piece("done").colour, 0u);
}

TEST_F(TextTest, HotWordsAreRecordedOnceAndDrawnUnderlined) {
  print("#bA #HVoltage# is#b here");
  ASSERT_EQ(p.text.hotWordTable.size(), 1u);
  const HotWord& h = p.text.hotWordTable[0];
  EXPECT_EQ(h.text, "Voltage");
  EXPECT_EQ(h.x, 40 + 2 * 8);
  EXPECT_EQ(h.y, 100);
  EXPECT_EQ(h.width, 7 * 7);  // bold is switched off for it
  EXPECT_EQ(h.height, 21);
  EXPECT_EQ(piece("Voltage").colour, makeRgb(64, 0, 0));
  EXPECT_TRUE(piece("Voltage").font.underline);
  EXPECT_FALSE(piece(" is").font.underline);
  EXPECT_EQ(piece(" is").colour, 0u);
  EXPECT_FALSE(piece(" is").font.bold);
  printTextLine(p, true, 1);
  EXPECT_EQ(p.text.hotWordTable.size(), 1u);  // a redraw records nothing
}

TEST_F(TextTest, DraggableNumbersUseTheLocalSeparator) {
  p.text.decimalSeparator = ',';
  print("Drag #k3.25 m# away");
  ASSERT_EQ(p.text.dragNumberTable.size(), 1u);
  const DragNumber& d = p.text.dragNumberTable[0];
  EXPECT_EQ(d.text, "3,25");
  EXPECT_EQ(d.x, 40 + 5 * 7);
  EXPECT_EQ(d.y, 100);
  EXPECT_EQ(d.width, 4 * 8);  // bold
  EXPECT_EQ(d.fontSize, 12);
  EXPECT_EQ(d.kind, 1);
  EXPECT_EQ(piece("3,25").colour, makeRgb(0, 64, 0));
  EXPECT_FALSE(piece(" away").font.bold);
  EXPECT_EQ(platform.allText(), "Drag 3,25 away");
}

TEST_F(TextTest, WordGapsAreRecordedAndLeaveRoomForAWord) {
  p.text.boxLayout.width = 60;
  print("The #g is #g.");
  ASSERT_EQ(p.text.wordGapTable.size(), 2u);
  EXPECT_EQ(p.text.wordGapTable[0].x, 40 + 4 * 7);
  EXPECT_EQ(p.text.wordGapTable[0].y, 100);
  EXPECT_EQ(p.text.wordGapTable[1].x, 40 + 4 * 7 + 70 + 4 * 7);
  EXPECT_EQ(piece(".").x, 40 + 8 * 7 + 140);
}

TEST_F(TextTest, TablesAtTheirLimitsStillDrawTheLine) {
  for (int i = 0; i < 11; ++i) print("#Hw" + std::to_string(i) + "##k" + std::to_string(i) + "##g");
  EXPECT_EQ(p.text.hotWordTable.size(), 10u);
  EXPECT_EQ(p.text.dragNumberTable.size(), 10u);
  EXPECT_EQ(platform.drawn.back().text, "10");
  for (int i = 0; i < 120; ++i) print("line");
  EXPECT_EQ(p.text.textHistory.size(), 120u);
  EXPECT_EQ(p.text.wordGapTable.size(), 11u);
  platform.drawn.clear();
  print("one more");
  EXPECT_EQ(platform.allText(), "one more");
}

TEST_F(TextTest, SmallLineHeightAndBoxLinesCodes) {
  print("#q3#y4x");
  EXPECT_EQ(p.text.boxLayout.lines, 3);
  EXPECT_EQ(p.text.lineHeight, 17);
}

TEST_F(TextTest, PopdownRuleIsTwoLinesAndKeepsThePosition) {
  p.text.popdownWidth = 50;
  print("ab#acd");
  const int x = 40 + 14;
  EXPECT_EQ(p.workArea.drawing.pixel(x - 3, 104), makeRgb(215, 191, 166));
  EXPECT_EQ(p.workArea.drawing.pixel(x + 40, 104), makeRgb(215, 191, 166));
  EXPECT_EQ(p.workArea.drawing.pixel(x + 40, 105), makeRgb(183, 147, 119));
  EXPECT_EQ(piece("cd").x, x);
}

TEST_F(TextTest, NewLineInPrinterUnits) {
  p.text.lineStartX = 40;
  p.text.textGap = 2;
  p.workArea.y = 0;
  newLine(p);
  EXPECT_EQ(p.workArea.y, 18);
  p.text.printingPage = true;
  newLine(p);
  EXPECT_EQ(p.workArea.y, 18 + 18 * 15);
  // Endless new lines with the largest text gap stop far off the page
  // instead of running past the range of int.
  p.text.textGap = 32767;
  for (int i = 0; i < 10000; ++i) newLine(p);
  EXPECT_EQ(p.workArea.y, 1 << 24);
}

TEST_F(TextTest, InstructionLinesOfExamPages) {
  print("#f4#cr#bClick on the boxes below.");
  EXPECT_EQ(p.text.textHistory.back().text,
            "#f4#cr#bClick on the answers you have written for each section of this question.");

  auto job = platform.startPrintJob();
  Surface paper;
  paper.kind = Surface::Kind::Printer;
  paper.printer = job.get();
  p.engine.outputSurface = &paper;
  print("#crClick on Forward to return to the exam selection menu.");
  print("#f4#cr#bClick on the boxes below.");
  print("Question 1");
  p.engine.outputSurface = &p.workArea;
  EXPECT_EQ(platform.printJobs.back().texts, std::vector<std::string>{"Question 1"});
}

TEST_F(TextTest, PrintedTextAdvancesInTwips) {
  auto job = platform.startPrintJob();
  Surface paper;
  paper.kind = Surface::Kind::Printer;
  paper.printer = job.get();
  paper.font = p.workArea.font;
  paper.x = 1500;
  p.engine.outputSurface = &paper;
  print("ab#s1c;");
  p.engine.outputSurface = &p.workArea;
  EXPECT_EQ(paper.x, 1500 + 3 * 7 * 15 + 6 * 15);
}

TEST_F(TextTest, RedrawingALineLeavesThePositionAndFontAlone) {
  print("#f2Title");
  setFontSize(p, 0);
  at(300, 300);
  platform.drawn.clear();
  printTextLine(p, true, 1);
  EXPECT_EQ(piece("Title").x, 40);
  EXPECT_EQ(piece("Title").y, 100);
  EXPECT_EQ(p.workArea.x, 300);
  EXPECT_EQ(p.workArea.y, 300);
  EXPECT_EQ(p.text.fontId, 0);
  EXPECT_EQ(p.workArea.font.points, 10);
}

TEST_F(TextTest, DrawnTextIsShownAtOnce) {
  platform.refreshes.clear();
  print("Hello");
  ASSERT_FALSE(platform.refreshes.empty());
  const Rect r = platform.refreshes.back();
  EXPECT_LE(r.x, 40);
  EXPECT_GE(r.right(), 40 + 35);
  EXPECT_LE(r.y, 100);
  EXPECT_GE(r.bottom(), 100 + 16);
}

TEST(TextNumbers, LeadingNumber) {
  FakePlatform platform;
  Player p(platform);
  p.text.decimalSeparator = '.';
  struct Case {
    std::string text;
    bool exponent;
    std::string number;
  } cases[] = {
      {"12.5 cm", false, "12.5"},
      {"-3+4x", false, "-3+4"},
      {"3E5", false, "3"},
      {"3E5", true, "3E5"},
      {"3e5", true, "3"},
      {"2\xD7" "10\x88", false, "2\xD7" "10\x88"},  // 2×10²
      {"\xD7" "10", false, ""},                     // "×" not first
      {"1\xA0" "5\xBB", false, "1\xA0" "5\xBB"},
      {"", false, ""},
      {"abc", false, ""},
      {"4,5", false, "4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(leadingNumber(p, c.text, c.exponent), c.number);
  }
  p.text.decimalSeparator = ',';
  EXPECT_EQ(leadingNumber(p, "4,5."), "4,5");
}

TEST(TextNumbers, LocalAndDotDecimals) {
  FakePlatform platform;
  Player p(platform);
  p.text.decimalSeparator = ',';
  EXPECT_EQ(toLocalDecimal(p, "3.14.1"), "3,14.1");
  EXPECT_EQ(toLocalDecimal(p, "42"), "42");
  EXPECT_EQ(toDotDecimal(p, "3,14"), "3.14");
  EXPECT_EQ(toDotDecimal(p, "0," + std::string(120, '5')).size(), 2u + 99u);
  EXPECT_EQ(toLocalDecimal(p, "1." + std::string(120, '5')).size(), 2u + 99u);
}

TEST(TextPositions, PushAndPop) {
  FakePlatform platform;
  Player p(platform);
  p.workArea.x = 10, p.workArea.y = 20;
  pushPosition(p);
  p.workArea.x = 30, p.workArea.y = 40;
  pushPosition(p);
  p.workArea.x = p.workArea.y = 0;
  popPosition(p);
  EXPECT_EQ(p.workArea.x, 30);
  popPosition(p);
  EXPECT_EQ(p.workArea.y, 20);
  popPosition(p);  // empty: nothing moves
  EXPECT_EQ(p.workArea.x, 10);
  pushPosition(p);
  p.workArea.x = 99;
  popPosition(p, false);  // clears without moving
  EXPECT_EQ(p.workArea.x, 99);
  EXPECT_TRUE(p.text.positionStack.empty());
}

TEST(TextMeasure, WidthTableIsTakenOnFirstUseAndKept) {
  FakePlatform platform;
  Player p(platform);
  setFontSize(p, 1);
  EXPECT_EQ(measureText(p, p.workArea, "abc", 1), 21);
  setFontSize(p, 2);  // 8 pixels a character now
  EXPECT_EQ(measureText(p, p.workArea, "abc", 1), 21);
  EXPECT_EQ(measureText(p, p.workArea, "abc", 2), 24);
  EXPECT_EQ(measureText(p, p.workArea, "abc", 6), 24);  // no table: measured
}

}  // namespace
}  // namespace vintara::test
