// Answer boxes, tick boxes, picture boxes and typed fields drawn by the
// text renderer: where they go, what the tables record, how they redraw.
#include <gtest/gtest.h>

#include "output/text_fixture.h"

namespace vintara::test {
namespace {

class BoxTest : public TextTest {
 protected:
  void layout(int width, int hgap, int vgap, int perRow, int noCentre = 0, int lines = 1) {
    BoxLayout& b = p.text.boxLayout;
    b.width = width, b.horizontalGap = hgap, b.verticalGap = vgap, b.perRow = perRow;
    b.noCentre = noCentre, b.lines = lines;
    b.textColour = 15, b.highlightColour = 14;
  }
  const std::vector<AnswerBox>& boxes() const { return p.regions.answerBoxTable; }
  Rgb px(int x, int y) const { return p.workArea.drawing.pixel(x, y); }
};

TEST_F(BoxTest, BoxLayouts) {
  struct Case {
    const char* name;
    int width, hgap, vgap, perRow;
    std::vector<std::pair<int, int>> places;  // top-left of each box
  } cases[] = {
      {"side by side", 100, 20, 0, 1, {{48, 102}, {168, 102}, {288, 102}}},
      {"one under another", 200, 0, 10, 1, {{48, 102}, {48, 133}, {48, 164}}},
      {"rows of two", 100, 10, 5, 2, {{48, 102}, {158, 102}, {48, 128}, {158, 128}}},
      {"groups of three, stacked", 100, 0, 4, 3, {{48, 102}, {48, 130}, {48, 158}, {48, 183}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    resetTextForScreen(p);
    at(40, 100);
    layout(c.width, c.hgap, c.vgap, c.perRow);
    for (size_t i = 0; i < c.places.size(); ++i) print("#OBox " + std::to_string(i));
    ASSERT_EQ(boxes().size(), c.places.size());
    for (size_t i = 0; i < c.places.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(boxes()[i].x, c.places[i].first);
      EXPECT_EQ(boxes()[i].y, c.places[i].second);
      EXPECT_EQ(boxes()[i].width, c.width);
      EXPECT_EQ(boxes()[i].height, 21);
      EXPECT_EQ(boxes()[i].line, int(i) + 1);
      EXPECT_EQ(boxes()[i].state, 0);
      // A redraw of the line lands on the box.
      EXPECT_EQ(p.text.textHistory[i].x, c.places[i].first - 9);
      EXPECT_EQ(p.text.textHistory[i].y, c.places[i].second);
    }
  }
}

TEST_F(BoxTest, TextIsCentredInTheBox) {
  layout(100, 0, 0, 0);
  print("#OA");
  EXPECT_EQ(piece("A").x, 48 + 3 + (100 - 7 - 5) / 2);
  EXPECT_EQ(piece("A").y, 102);
  EXPECT_EQ(piece("A").colour, 0xFFFFFFu);  // the layout's text colour
  layout(100, 0, 0, 0, 1);
  print("#OB");
  EXPECT_EQ(piece("B").x, 48 + 3);  // no-centre
}

TEST_F(BoxTest, AtSignInBoxTextIsTheDecimalSeparator) {
  p.text.decimalSeparator = ',';
  layout(100, 0, 0, 0);
  print("#O2@5 V");
  EXPECT_EQ(platform.allText(), "2,5 V");
}

TEST_F(BoxTest, SeveralLinesAreCentredInATallBox) {
  layout(200, 0, 0, 0, 0, 2);
  print("#Otop|bottom");
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].height, 42);
  EXPECT_EQ(piece("top").y, 103);
  EXPECT_EQ(piece("bottom").y, 124);
  EXPECT_EQ(piece("top").x, 51 + (200 - 21 - 5) / 2);
  EXPECT_EQ(piece("bottom").x, 51 + 76);  // (200 - 42 - 5) / 2, rounded down
}

TEST_F(BoxTest, SelectedRedrawIsPressedAndHighlighted) {
  layout(100, 0, 0, 0);
  print("#OA");
  at(300, 300);
  platform.drawn.clear();
  printTextLine(p, false, 1);
  EXPECT_EQ(piece("A").x, 95 + 2);
  EXPECT_EQ(piece("A").y, 104);
  EXPECT_EQ(piece("A").colour, makeRgb(255, 255, 0));
  EXPECT_EQ(p.workArea.x, 300);  // the script's position is kept
  platform.drawn.clear();
  printTextLine(p, true, 1);
  EXPECT_EQ(piece("A").x, 95);
  EXPECT_EQ(piece("A").colour, 0xFFFFFFu);
  EXPECT_EQ(boxes().size(), 1u);
}

TEST_F(BoxTest, OneLineRedrawnSelectedStartsWhite) {
  layout(100, 0, 0, 0);
  print("Pick#OA");
  EXPECT_EQ(piece("Pick").colour, 0u);
  platform.drawn.clear();
  printTextLine(p, false, 1);
  EXPECT_EQ(piece("Pick").colour, 0xFFFFFFu);
  platform.drawn.clear();
  printTextRedrawAll(p, false);  // every line from its recorded colour
  EXPECT_EQ(piece("Pick").colour, 0u);
  EXPECT_EQ(piece("A").colour, makeRgb(255, 255, 0));
}

TEST_F(BoxTest, SelectedColourOfButtonsAndQuizBoxes) {
  layout(100, 0, 0, 0);
  p.text.buttonKind = 103;
  print("#OList");
  p.text.buttonKind = 0;
  EXPECT_EQ(boxes()[0].kind, 103);
  EXPECT_EQ(boxes()[0].y, 100);  // buttons do not take the first box's 2 pixels
  platform.drawn.clear();
  printTextLine(p, false, 1);
  EXPECT_EQ(piece("List").colour, 0xFFFFFFu);  // a button keeps its normal colour

  resetTextForScreen(p);
  at(40, 100);
  layout(100, 0, 0, 0, 1);
  p.question.quizMode = true;
  print("#OFirst");
  platform.drawn.clear();
  printTextLine(p, false, 1);
  EXPECT_EQ(piece("First").colour, makeRgb(135, 179, 211));
  EXPECT_EQ(piece("First").x, 48 + 3 + 25);  // no pressed look; room for the label
}

TEST_F(BoxTest, FrameShadesByState) {
  layout(100, 0, 0, 0);
  print("#OA");
  // Outer ring from (46,100), 103 x 24; the rings step inwards.
  EXPECT_EQ(px(46, 100), makeRgb(102, 68, 34));
  EXPECT_EQ(px(148, 123), makeRgb(102, 68, 34));
  EXPECT_EQ(px(47, 101), makeRgb(153, 119, 85));
  EXPECT_EQ(px(48, 102), makeRgb(170, 136, 102));
  EXPECT_EQ(px(149, 124), 0xFFFFFFu);
  printTextLine(p, false, 1);
  EXPECT_EQ(px(46, 100), makeRgb(68, 34, 0));
  p.nav.examPageMode = true;
  printTextLine(p, false, 1);
  EXPECT_EQ(px(46, 100), makeRgb(128, 128, 128));
  EXPECT_EQ(px(48, 102), makeRgb(255, 255, 255));
  p.nav.examPageMode = false;
  p.question.quizMode = true;
  p.workArea.drawing.fill(0xFFFFFF);
  printTextLine(p, true, 1);
  EXPECT_EQ(px(46, 100), 0xFFFFFFu);  // no frames in a quiz
}

TEST_F(BoxTest, FlatBackgrounds) {
  p.workArea.backdrop.fill(makeRgb(10, 20, 30));
  struct Case {
    const char* background;
    Rgb colour;
  } cases[] = {{"blue", makeRgb(119, 139, 179)},
               {"white", makeRgb(239, 239, 239)},
               {"transparent", makeRgb(10, 20, 30)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.background);
    resetTextForScreen(p);
    p.workArea.drawing.fill(0xFFFFFF);
    at(40, 100);
    layout(100, 0, 0, 0);
    p.text.boxLayout.style = 1;
    p.text.boxLayout.background = c.background;
    print("#O");
    EXPECT_EQ(px(50, 110), c.colour);
    EXPECT_EQ(px(50, 102 + 18), 0xFFFFFFu);  // lines x height - 3 high
    EXPECT_EQ(px(46, 100), 0xFFFFFFu);       // no frame
  }
}

TEST_F(BoxTest, WordPlacementBoxesHoldWordsAndEmptyOnesMatchTheirHeights) {
  layout(80, 0, 10, 100);
  print("#q2#Ohot");
  print("#q1#Ocold");
  print("#O");
  print("#O");
  print("#o#b #b");
  ASSERT_EQ(boxes().size(), 5u);
  EXPECT_EQ(boxes()[0].state, -1);
  EXPECT_EQ(boxes()[1].state, -1);
  EXPECT_EQ(boxes()[2].state, 0);
  EXPECT_EQ(boxes()[0].height, 42);
  EXPECT_EQ(boxes()[2].height, 42);  // matched to box 0
  EXPECT_EQ(boxes()[3].height, 21);  // matched to box 1
  EXPECT_EQ(boxes()[4].state, 0);    // the empty gap holds no word
  EXPECT_EQ(p.text.firstEmptyBox, 2);
  printTextLine(p, true, 3);
  EXPECT_EQ(boxes()[2].height, 42);
}

TEST_F(BoxTest, TickBoxWithCaption) {
  layout(200, 0, 8, 1);
  print("#b#OxMetal");
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].x, 44);  // 4 left of and above the box place
  EXPECT_EQ(boxes()[0].y, 98);
  EXPECT_EQ(boxes()[0].width, 5 * 7 + 20);
  EXPECT_EQ(piece("Metal").x, 44 + 21);
  EXPECT_EQ(piece("Metal").y, 98 + 5);
  EXPECT_FALSE(piece("Metal").font.bold);
  print("#Ox");
  EXPECT_EQ(boxes()[1].width, 20);
}

TEST_F(BoxTest, TickBoxRedrawnSelectedShowsTheTick) {
  const Image off(16, 16, makeRgb(200, 0, 0)), on(16, 16, makeRgb(0, 0, 200));
  ASSERT_TRUE(addPicture("*checkoff.bmp", off) && addPicture("*checkon.bmp", on));
  layout(200, 0, 8, 1);
  print("#Ox");
  EXPECT_EQ(px(44, 98), makeRgb(200, 0, 0));
  printTextLine(p, false, 1);
  EXPECT_EQ(px(44, 98), makeRgb(0, 0, 200));
  EXPECT_EQ(px(59, 113), makeRgb(0, 0, 200));
  printTextLine(p, true, 1);
  EXPECT_EQ(px(44, 98), makeRgb(200, 0, 0));
}

TEST_F(BoxTest, PictureBoxWithCaption) {
  ASSERT_TRUE(addPicture("volt.bmp", Image(30, 20, makeRgb(0, 0, 200))));
  layout(100, 0, 0, 0);
  print("#Pvolt.bmp,Meter");
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].height, 21 + 26);
  EXPECT_EQ(px(48 + 34, 104), makeRgb(0, 0, 200));  // centred: (100 - 30) / 2 + 2 - 3
  EXPECT_EQ(piece("Meter").y, 102 + 26);            // below the picture
  EXPECT_EQ(piece("Meter").x, 51 + (100 - 35 - 5) / 2);
}

TEST_F(BoxTest, PictureButtonTakesItsPictureSize) {
  ASSERT_TRUE(addPicture("*go.bmp", Image(40, 24, makeRgb(0, 150, 0))) &&
              addPicture("*goin.bmp", Image(40, 24, makeRgb(0, 60, 0))));
  p.text.buttonKind = -1;
  print("#o*go.bmp,@*goin.bmp,,#cwGo");
  p.text.buttonKind = 0;
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].height, 24);
  EXPECT_EQ(boxes()[0].width, 40 - 3 + 14 + 3);  // to the caption's end, plus 3
  EXPECT_EQ(p.text.boxLayout.width, boxes()[0].width);
  EXPECT_EQ(piece("Go").x, 48 + 37);
  EXPECT_EQ(piece("Go").colour, 0xFFFFFFu);
  EXPECT_EQ(px(48, 100), makeRgb(0, 150, 0));
  printTextLine(p, false, 1);
  EXPECT_EQ(px(48, 100), makeRgb(0, 60, 0));
}

TEST_F(BoxTest, BulletsAdvanceByTheirWidth) {
  ASSERT_TRUE(addPicture("*bullet.bmp", Image(8, 8, makeRgb(250, 0, 0))));
  print("#*Point");
  EXPECT_EQ(px(40, 104), makeRgb(250, 0, 0));
  EXPECT_EQ(piece("Point").x, 40 + 8 + 3);
}

TEST_F(BoxTest, TypedFields) {
  print("#[n60]kg");
  print("#[f100]");
  print("#[x50]");
  const auto& fields = p.regions.answerFieldTable;
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[0].left, 40);
  EXPECT_EQ(fields[0].right, 100);
  EXPECT_EQ(fields[0].top, 98);
  EXPECT_EQ(fields[0].bottom, 121);
  EXPECT_EQ(fields[0].kind, kNumberField);
  EXPECT_EQ(fields[0].background, 0xFFFFFFu);
  EXPECT_TRUE(fields[0].text.empty());
  EXPECT_EQ(piece("kg").x, 102);
  EXPECT_EQ(fields[1].kind, kFormulaField);
  EXPECT_EQ(fields[1].bottom, 116 + 38);
  EXPECT_EQ(fields[2].kind, kLetterField);
  EXPECT_EQ(p.question.questionType, 8);
  printTextRedrawAll(p, true);
  EXPECT_EQ(fields.size(), 3u);  // a redraw adds no field
}

TEST_F(BoxTest, MissingBracketIsReportedAndTheLineGoesOn) {
  print("#[n60 cm");
  EXPECT_EQ(messages(), std::vector<std::string>{"Missing ]"});
  ASSERT_EQ(p.regions.answerFieldTable.size(), 1u);
  EXPECT_EQ(piece(" cm").x, 102);
}

TEST_F(BoxTest, TwentySecondFieldIsDrawnButNotRecorded) {
  for (int i = 0; i < 22; ++i) print("#[n10]f" + std::to_string(i));
  EXPECT_EQ(p.regions.answerFieldTable.size(), 21u);
  EXPECT_EQ(platform.drawn.back().text, "f21");
}

TEST_F(BoxTest, TwentySixthBoxIsDrawnButNotRecorded) {
  layout(20, 2, 0, 1);
  for (int i = 0; i < 26; ++i) print("#O" + std::to_string(i));
  EXPECT_EQ(boxes().size(), 25u);
  EXPECT_EQ(platform.drawn.back().text, "25");
}

TEST_F(BoxTest, RedrawAllPutsEveryLineBack) {
  layout(100, 0, 10, 1);
  print("Choose one:");
  print("#OA");
  print("#OB");
  const auto first = platform.drawn;
  platform.drawn.clear();
  at(0, 0);
  printTextRedrawAll(p, true);
  ASSERT_EQ(platform.drawn.size(), first.size());
  for (size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(platform.drawn[i].x, first[i].x);
    EXPECT_EQ(platform.drawn[i].y, first[i].y);
  }
  EXPECT_EQ(p.workArea.x, 0);
  EXPECT_EQ(boxes().size(), 2u);
}

}  // namespace
}  // namespace vintara::test
