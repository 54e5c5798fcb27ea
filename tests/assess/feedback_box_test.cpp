// The feedback box: caption, colour, the layout of its text and its size.
// Text widths come from the fake platform's fixed-pitch font (6 pixels a
// character at 10 points, 7 in bold).
#include "assess/feedback_box.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "question_fixture.h"

namespace vintara::test {
namespace {

FeedbackLayout layout(FakePlatform& platform, const std::string& message, bool isCorrect = false,
                      const FeedbackPictureLoader& loader = nullptr) {
  return layoutFeedback(platform, message, isCorrect, '.', loader);
}

// A message on one line, for test names.
std::string oneLine(std::string s) {
  std::replace(s.begin(), s.end(), '\r', '/');
  return s;
}

// The pieces of text as "x,y:text".
std::vector<std::string> pieces(const FeedbackLayout& l) {
  std::vector<std::string> out;
  for (const FeedbackText& t : l.texts)
    out.push_back(std::to_string(t.x) + "," + std::to_string(t.y) + ":" + t.text);
  return out;
}

struct CaptionCase {
  const char* message;
  bool isCorrect;
  const char* caption;
};
void PrintTo(const CaptionCase& c, std::ostream* os) {
  *os << oneLine(c.message) << (c.isCorrect ? " (right)" : " (not right)");
}


class Caption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(Caption, ByVerdictAndWording) {
  FakePlatform platform;
  const CaptionCase& c = GetParam();
  const FeedbackLayout l = layout(platform, c.message, c.isCorrect);
  EXPECT_EQ(l.caption, c.caption);
  EXPECT_EQ(l.background, c.isCorrect ? makeRgb(151, 207, 143) : makeRgb(255, 175, 175));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Caption,
    ::testing::Values(CaptionCase{"You made some mistakes.", false, "Partly Correct"},
                      CaptionCase{"You made some mistakes.", true, "Correct"},
                      CaptionCase{"Good\rPARTLY RIGHT, though", false, "Partly Correct"},
                      CaptionCase{"That is partly correct.", false, "Partly Correct"},
                      CaptionCase{"Partly wrong.", false, "Wrong"},
                      CaptionCase{"", false, "Wrong"}));

struct SizeCase {
  const char* message;
  int width;
  int height;
};
void PrintTo(const SizeCase& c, std::ostream* os) { *os << oneLine(c.message); }


class BoxSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(BoxSize, WidthFromTheWidestLineHeightFromTheLastLine) {
  FakePlatform platform;
  const FeedbackLayout l = layout(platform, GetParam().message);
  EXPECT_EQ(l.width, GetParam().width);
  EXPECT_EQ(l.height, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoxSize,
    ::testing::Values(SizeCase{"Good", 128, 51},  // at least 120 + 8; 5 + 14 + 32
                      // 30 characters: 7 + 180 = 187 wide.
                      SizeCase{"abcdefghijklmnopqrstuvwxyzabcd", 195, 51},
                      SizeCase{"one\rtwo\rthree", 128, 79},
                      SizeCase{"one_\rtwo", 128, 79},    // an extra break
                      SizeCase{"one*\rtwo", 128, 75},    // an extra step of 10
                      // The size a line starts with is its step: 14, then 10.
                      SizeCase{"#f0small\rsmall", 128, 61}));

TEST(FeedbackLayout, LineEndingWithUnderscoreIsFollowedByAnEmptyLine) {
  FakePlatform platform;
  const FeedbackLayout l = layout(platform, "First_\rSecond");
  EXPECT_EQ(pieces(l), (std::vector<std::string>{"7,5:First", "7,33:Second"}));
}

TEST(FeedbackLayout, RaisingAndLoweringCodes) {
  FakePlatform platform;
  // "E = mc" is 6 characters: the 2 starts at x 43, 6 pixels higher, and the
  // rest of the line stays raised.
  EXPECT_EQ(pieces(layout(platform, "E = mc#>2 more")),
            (std::vector<std::string>{"7,5:E = mc", "43,-1:2 more"}));
  EXPECT_EQ(pieces(layout(platform, "a#>>b#<c#<<d")),
            (std::vector<std::string>{"7,5:a", "13,4:b", "19,10:c", "25,11:d"}));
}

TEST(FeedbackLayout, StyleTabAndSeparatorCodes) {
  FakePlatform platform;
  const FeedbackLayout l = layoutFeedback(platform, "#bBig#b 1##5#x|A#^BB#tC", false, ',', nullptr);
  EXPECT_EQ(pieces(l), (std::vector<std::string>{"7,5:Big", "28,5: 1", "40,5:,", "46,5:5",
                                                 "52,5:|A", "64,5:BB", "64,5:C"}));
  EXPECT_TRUE(l.texts[0].font.bold);
  EXPECT_FALSE(l.texts[1].font.bold);
  // A blank printed by "#_" leaves the position where it was.
  EXPECT_EQ(pieces(layout(platform, "a#_b")), (std::vector<std::string>{"7,5:a", "13,5: ", "13,5:b"}));
}

TEST(FeedbackLayout, FontCodes) {
  FakePlatform platform;
  const FeedbackLayout l = layout(platform, "#f8p#f1a#f0b");
  ASSERT_EQ(l.texts.size(), 3u);
  EXPECT_EQ(l.texts[0].font.face, "symbol");
  EXPECT_EQ(l.texts[1].font.face, "arial");
  EXPECT_EQ(l.texts[1].font.points, 10);
  EXPECT_EQ(l.texts[2].font.face, "arial");
  EXPECT_EQ(l.texts[2].font.points, 6);
  // Bold ends with the line; italic goes on.
  const FeedbackLayout m = layout(platform, "#b#ia\rb");
  EXPECT_FALSE(m.texts[1].font.bold);
  EXPECT_TRUE(m.texts[1].font.italic);
}

TEST(FeedbackLayout, PictureLinesMoveTheMarginRightOfThePicture) {
  FakePlatform platform;
  std::vector<std::string> asked;
  const auto loader = [&](const std::string& name) -> std::optional<Image> {
    asked.push_back(name);
    if (name == "missing.bmp") return std::nullopt;
    return Image(30, 60, makeRgb(1, 2, 3));
  };
  const FeedbackLayout l = layout(platform, "$wave.bmp\rA wave\r$missing.bmp\rmore", false, loader);
  EXPECT_EQ(asked, (std::vector<std::string>{"wave.bmp", "missing.bmp"}));
  ASSERT_EQ(l.pictures.size(), 1u);
  EXPECT_EQ(l.pictures[0].x, 7);
  EXPECT_EQ(l.pictures[0].y, 5);
  EXPECT_EQ(pieces(l), (std::vector<std::string>{"44,5:A wave", "44,19:more"}));
  EXPECT_EQ(l.height, 65 + 32);  // the picture is taller than the text
}

TEST(FeedbackLayout, RenderingPaintsTheVerdictColourAndLeavesTheKeyColourOut) {
  FakePlatform platform;
  const auto loader = [](const std::string&) -> std::optional<Image> {
    Image im(4, 4, makeRgb(10, 20, 30));
    im.setPixel(0, 0, kKeyColour);
    return im;
  };
  const FeedbackLayout l = layout(platform, "$p.bmp", true, loader);
  const Image canvas = renderFeedback(platform, l);
  EXPECT_EQ(canvas.width(), l.width);
  EXPECT_EQ(canvas.height(), l.height);
  EXPECT_EQ(canvas.pixel(2, 2), makeRgb(151, 207, 143));
  EXPECT_EQ(canvas.pixel(7, 5), makeRgb(151, 207, 143));  // key colour: background shows
  EXPECT_EQ(canvas.pixel(8, 6), makeRgb(10, 20, 30));
}

// ---- The box on the screen ---------------------------------------------------

TEST_F(QuestionTest, FeedbackBoxIsPlacedFromTheAnchorAndClosedByTheProgramQuietly) {
  drawBoxes({"a", "b"});
  p.question.feedbackAnchorX = 40;
  p.question.feedbackAnchorY = 300;
  start("@question 200,0,4,0,0,1\n@answer 1\n@feedback wrong\nNo.\n@question\nAfter.\n");
  select({1});
  forward();
  ASSERT_TRUE(platform.feedbackBoxOpen);
  EXPECT_EQ(platform.feedbackBoxes.back().second, (Rect{40, 300, 128, 51}));
  EXPECT_EQ(trace.shown, (std::vector<std::pair<std::string, std::string>>{{"Wrong", "No."}}));
  // The drawing position was moved to the anchor before the box opened;
  // the line after the question is drawn from there.
  EXPECT_EQ(p.text.textHistory.back().text, "After.");
  EXPECT_EQ(p.text.textHistory.back().y, 300);
  // A new run closes the box; the program closing it moves nothing on.
  runScriptText(p, "Next.\n");
  EXPECT_FALSE(platform.feedbackBoxOpen);
  EXPECT_EQ(platform.feedbackBoxCloses, 1);
  EXPECT_FALSE(p.question.feedbackBoxOpen);
}

TEST_F(QuestionTest, EnterInTheBoxDismissesIt) {
  drawBoxes({"a"});
  start("@question 200,0,4,0,0,1\n@answer 1\n@feedback correct\nYes.\n@question\n");
  select({0});
  forward();
  ASSERT_TRUE(p.question.feedbackBoxOpen);
  platform.dismissFeedbackBox();
  EXPECT_FALSE(p.question.feedbackBoxOpen);
  EXPECT_EQ(platform.feedbackBoxCloses, 0);
}

}  // namespace
}  // namespace vintara::test
