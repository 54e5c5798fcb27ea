// Drawing answer fields and the focus frame, pixel by pixel on the fake
// platform's fixed-pitch font (each character a block one pixel narrower
// than its cell, over the upper half of the line).
#include <gtest/gtest.h>

#include "engine/player.h"
#include "output/fields.h"
#include "output/rich_text.h"
#include "platform/fake/fake_platform.h"

namespace vintara {
namespace {

constexpr Rgb kBlack = 0x000000, kRed = 0xFF0000, kWhite = 0xFFFFFF, kBlue = 0x0000FF;

struct DrawFixture : ::testing::Test {
  FakePlatform platform;
  Player p{platform};
  void SetUp() override {
    p.workArea.font = FontSpec{"arial", 12};
    setFontSize(p, 1);  // 7-pixel cells in the fake font; font 5 has 5
  }
  AnswerField& addField(int left, int top, int width, int kind = kNumberField) {
    AnswerField f;
    f.left = left;
    f.right = left + width;
    f.top = top;
    f.bottom = top + 21;
    f.kind = kind;
    p.regions.answerFieldTable.push_back(f);
    return p.regions.answerFieldTable.back();
  }
  Rgb at(int x, int y) const { return p.workArea.drawing.pixel(x, y); }
};

TEST_F(DrawFixture, ExponentIsDrawnSmallAndOnePixelHigherAfterTimesTen) {
  AnswerField& f = addField(100, 50, 120);
  f.text = "12\xD7" "10" "\x86\x89 ";  // 12×10 with exponent 03
  drawField(p, 0, true);
  // "12×10" is 5 cells of 7 pixels, "03 " 3 cells of 5: right-aligned.
  const int x = 220 - (35 + 15);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(at(x + 7 * k + 1, 55), kBlack) << "mantissa cell " << k;
  EXPECT_EQ(at(x - 1, 55), kWhite);
  EXPECT_EQ(at(x + 34, 55), kWhite);  // gap before the exponent
  // Exponent cells: "0" at x+35 and "3" at x+40, the blank not drawn.
  EXPECT_EQ(at(x + 36, 52), kBlack);
  EXPECT_EQ(at(x + 41, 52), kBlack);
  EXPECT_EQ(at(x + 46, 52), kWhite);
  // The mantissa's blocks reach down to row top + 9, the exponent's (font
  // 5, 6 rows from one pixel above the top) only to row top + 5.
  EXPECT_EQ(at(x + 1, 59), kBlack);
  EXPECT_EQ(at(x + 36, 55), kBlack);
  EXPECT_EQ(at(x + 36, 56), kWhite);
  // The outline, and the font put back.
  EXPECT_EQ(at(100, 60), kBlack);
  EXPECT_EQ(at(220, 60), kBlack);
  EXPECT_EQ(at(150, 71), kBlack);
  EXPECT_EQ(p.text.fontId, 1);
  EXPECT_EQ(p.workArea.font.points, 12);
}

TEST_F(DrawFixture, ExponentMinusIsDrawnAsAMinus) {
  AnswerField& f = addField(100, 50, 120);
  f.text = "5\xD7" "10" "\xBB\x86\x87 ";  // 5×10 with exponent -01
  drawField(p, 0);
  const int x = 220 - (4 * 7 + 4 * 5);  // "5×10" and "-01 "
  EXPECT_EQ(at(x + 1, 55), kBlack);
  EXPECT_EQ(at(x + 28 + 1, 54), kBlack);  // the "-" cell
}

TEST_F(DrawFixture, TextIsRightAlignedAndClippedToTheInside) {
  // A blue outline around a field too narrow for its text.
  AnswerField& f = addField(100, 50, 30);
  p.workArea.drawing.drawRectOutline({100, 50, 31, 22}, kBlue);
  f.text = "123456789 ";
  drawField(p, 0);
  // 70 pixels of text end at x 130: its cells start at 60, 67, ... 123.
  EXPECT_EQ(at(100, 55), kBlue);  // not drawn over the outline
  EXPECT_EQ(at(99, 55), 0xFFFFFFu);
  EXPECT_EQ(at(102, 55), kBlack);
  EXPECT_EQ(at(121, 55), kBlack);  // the last digit
  EXPECT_EQ(at(123, 55), kWhite);  // the trailing blank
  EXPECT_EQ(at(130, 55), kBlue);
}

TEST_F(DrawFixture, BackgroundFillsTheInsideOnly) {
  AnswerField& f = addField(100, 50, 40);
  f.background = 0xBBEFBB;
  p.workArea.drawing.fill(kBlue);
  drawField(p, 0);
  EXPECT_EQ(at(101, 51), 0xBBEFBBu);
  EXPECT_EQ(at(139, 70), 0xBBEFBBu);
  EXPECT_EQ(at(100, 51), kBlue);
  EXPECT_EQ(at(140, 51), kBlue);
  EXPECT_EQ(at(101, 71), kBlue);
}

TEST_F(DrawFixture, FocusFrameMovesFromFieldToField) {
  addField(100, 50, 40);
  addField(200, 50, 40);
  drawField(p, 0, true);
  drawField(p, 1, true);
  setInputField(p, 0);
  EXPECT_EQ(at(100, 60), kRed);
  EXPECT_EQ(at(140, 71), kRed);
  EXPECT_EQ(p.regions.focusFrame, (Rect{100, 50, 40, 21}));
  setInputField(p, 1);
  EXPECT_EQ(at(100, 60), kBlack);
  EXPECT_EQ(at(140, 71), kBlack);
  EXPECT_EQ(at(200, 60), kRed);
  EXPECT_EQ(p.regions.inputField, 1);
}

TEST_F(DrawFixture, NoFocusWithoutAFieldOfTheQuestion) {
  addField(100, 50, 40);
  p.regions.firstField = 1;  // the only field belongs to a judged question
  setInputField(p, 0);
  EXPECT_EQ(p.regions.inputField, -1);
  EXPECT_EQ(p.regions.focusFrame.x, 0);
  EXPECT_EQ(at(100, 60), kWhite);
}

}  // namespace
}  // namespace vintara
