// Pictures, backdrops, wipes and the drawing commands, checked by pixel.
#include <gtest/gtest.h>

#include "assess/exam.h"
#include "engine/player.h"
#include "output/pictures.h"
#include "support/test_support.h"

namespace vintara {
namespace {

constexpr Rgb kBackdrop = 0x2040C0;  // what restores bring back
constexpr Rgb kDrawn = 0x808080;     // what the screen shows before a picture
constexpr Rgb kRed = 0xFF0000, kBlue = 0x0000FF, kBlack = 0x000000;

// A picture of w x h in key colour with a solid core one pixel in from the
// edges.
Image keyedPicture(int w, int h, Rgb core) {
  Image img(w, h, kKeyColour);
  img.fillRect({1, 1, w - 2, h - 2}, core);
  return img;
}

class Pictures : public ::testing::Test {
 protected:
  Pictures() {
    p.content.paths.setRoot("/content");
    p.content.dataFolder = "database\\waves\\topic1\\";
    p.workArea.backdrop.fill(kBackdrop);
    p.workArea.drawing.fill(kDrawn);
  }
  // Registers a picture under a name as the script writes it.
  void add(const std::string& name, const Image& img) {
    platform.images[resolvePicturePath(p, name)] = img;
  }
  void run(const std::string& script) { test::runScriptText(p, script); }
  Rgb at(int x, int y) const { return p.workArea.drawing.pixel(x, y); }

  FakePlatform platform;
  Player p{platform};
};

TEST_F(Pictures, NamesResolveByTheirPrefix) {
  struct Case {
    std::string name, path;
    bool exam;
  } cases[] = {
      {"*star.bmp", "/content/pictures/star.bmp", false},
      {"star.bmp", "/content/database/waves/topic1/pictures/star.bmp", false},
      {"+/elsewhere/star.bmp", "/elsewhere/star.bmp", false},
      {"+../shared/star.bmp", "/content/../shared/star.bmp", false},
      {"*star.bmp", "/content/pictures/star.bmp", true},
  };
  for (const auto& c : cases) {
    p.nav.examPageMode = c.exam;
    EXPECT_EQ(resolvePicturePath(p, c.name), c.path) << c.name;
  }
  // A plain name in an exam page comes from the exam's own folder.
  p.nav.examPageMode = true;
  EXPECT_EQ(resolvePicturePath(p, "q1.bmp"), p.content.native(examPictureFolder(p) + "pictures\\q1.bmp"));
}

TEST_F(Pictures, CacheLoadsANameOnceAndKeepsPrefixesApart) {
  add("*star.bmp", Image(2, 2, kRed));
  add("star.bmp", Image(2, 2, kBlue));
  run("@atgraphic 0,0\n@picture star.bmp\n@atgraphic 10,0\n@picture *star.bmp\n"
      "@atgraphic 20,0\n@picture star.bmp\n");
  EXPECT_EQ(platform.imageLoads.size(), 2u);
  ASSERT_EQ(p.pictures.pictureCache.size(), 2u);
  EXPECT_EQ(p.pictures.pictureCache[0].name, "star.bmp");
  EXPECT_EQ(p.pictures.pictureCache[1].name, "*star.bmp");
  EXPECT_EQ(at(0, 0), kBlue);
  EXPECT_EQ(at(10, 0), kRed);
  EXPECT_EQ(at(20, 0), kBlue);
  EXPECT_EQ(p.pictures.currentPictureSlot, 1);
}

TEST_F(Pictures, NamesAreMatchedExactly) {
  add("star.bmp", Image(2, 2, kRed));
  loadPicture(p, "star.bmp");
  loadPicture(p, "Star.bmp");  // another entry, even if it is the same file
  EXPECT_EQ(p.pictures.pictureCache.size(), 2u);
}

TEST_F(Pictures, MissingPictureIsToldOnceAndTheScreenGoesOn) {
  run("@picture gone.bmp\n@picture gone.bmp\n@box 0,0,10,10,blue\n");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Missing picture /content/database/waves/topic1/pictures/gone.bmp");
  EXPECT_EQ(platform.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(at(0, 0), kBlack);  // the next line ran
}

TEST_F(Pictures, StarAloneDrawsNothing) {
  run("@picture *\n");
  EXPECT_TRUE(p.pictures.pictureCache.empty());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Pictures, APictureCommandWithoutANameIsAScriptError) {
  add("a.bmp", Image(2, 2, kRed));
  run("@atgraphic 0,0\n@picture a.bmp\n@atgraphic 10,0\n@splatpicture\n");
  EXPECT_EQ(at(10, 0), kDrawn);  // not a.bmp again
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find("needs a picture name"), std::string::npos);
}

TEST_F(Pictures, KeyColourIsTransparentAndOpaqueCopiesAreNot) {
  struct Case {
    std::string command;
    Rgb edge;  // a key-coloured pixel of the picture
  } cases[] = {
      {"picture", kDrawn},
      {"splatpicture", kKeyColour},
      {"qpicture", kKeyColour},
  };
  add("dot.bmp", keyedPicture(4, 4, kRed));
  for (const auto& c : cases) {
    p.workArea.drawing.fill(kDrawn);
    run("@atgraphic 20,30\n@" + c.command + " dot.bmp\n");
    EXPECT_EQ(at(20, 30), c.edge) << c.command;
    EXPECT_EQ(at(21, 31), kRed) << c.command;
    EXPECT_EQ(at(19, 30), kDrawn) << c.command;
    EXPECT_FALSE(p.pictures.opaqueDraw);
  }
}

TEST_F(Pictures, TransparentDrawingCanStartFromTheBackdrop) {
  add("dot.bmp", keyedPicture(4, 4, kRed));
  const int slot = loadPicture(p, "dot.bmp");
  drawTransparent(p, p.workArea, slot, 5, 5, false);
  EXPECT_EQ(at(5, 5), kBackdrop);  // the picture's rectangle was restored
  EXPECT_EQ(at(6, 6), kRed);
  EXPECT_EQ(at(4, 5), kDrawn);
}

TEST_F(Pictures, AlphaPicturesBlend) {
  Image img(3, 1);
  img.setHasAlpha(true);
  img.setArgb(0, 0, 0x00FF0000);  // clear
  img.setArgb(1, 0, 0xFFFF0000);  // solid red
  img.setArgb(2, 0, 0x80FF0000);  // half red
  add("glass.png", img);
  p.workArea.drawing.fill(0x000000);
  run("@atgraphic 0,0\n@picture glass.png\n");
  EXPECT_EQ(at(0, 0), 0x000000u);
  EXPECT_EQ(at(1, 0), kRed);
  EXPECT_EQ(at(2, 0), 0x800000u);
}

TEST_F(Pictures, SizeOverrideAndSourceOffsetCopyPartOfAPicture) {
  Image img(4, 4, kBlue);
  img.setPixel(2, 3, kRed);
  add("part.bmp", img);
  const int slot = loadPicture(p, "part.bmp");
  p.pictures.overrideW = 1;
  p.pictures.overrideH = 1;
  p.pictures.sourceX = 2;
  p.pictures.sourceY = 3;
  blitOpaque(p, p.workArea, slot, 50, 50);
  EXPECT_EQ(at(50, 50), kRed);
  EXPECT_EQ(at(51, 50), kDrawn);
  EXPECT_EQ(at(50, 51), kDrawn);
}

TEST_F(Pictures, RestorePreserveAndRefresh) {
  restoreRect(p, p.workArea, 10, 10, 3, 2);
  EXPECT_EQ(at(10, 10), kBackdrop);
  EXPECT_EQ(at(12, 11), kBackdrop);
  EXPECT_EQ(at(13, 11), kDrawn);
  EXPECT_EQ(at(12, 12), kDrawn);

  p.workArea.drawing.fillRect({100, 100, 4, 4}, kRed);
  preserveArea(p, 100, 100, 4, 4);
  p.workArea.drawing.fillRect({100, 100, 4, 4}, kBlue);
  restorePreserved(p, false);
  EXPECT_EQ(at(103, 103), kRed);
  EXPECT_TRUE(platform.refreshes.empty());
  p.workArea.drawing.fillRect({100, 100, 4, 4}, kBlue);
  restorePreserved(p, true);
  EXPECT_EQ(at(100, 100), kRed);
  ASSERT_EQ(platform.refreshes.size(), 1u);
  EXPECT_EQ(platform.refreshes[0], (Rect{100, 100, 4, 4}));
}

// Rectangles that start left of or above the work area: what is inside
// comes back in place, and nothing shifts.
TEST_F(Pictures, RestoresPastTheTopLeftEdgeKeepEveryPixelInPlace) {
  restoreRect(p, p.workArea, -5, 50, 20, 20);
  EXPECT_EQ(at(0, 50), kBackdrop);
  EXPECT_EQ(at(13, 60), kBackdrop);
  EXPECT_EQ(at(14, 69), kBackdrop);
  EXPECT_EQ(at(15, 60), kDrawn);
  restoreRect(p, p.workArea, 30, -3, 4, 5);
  EXPECT_EQ(at(33, 1), kBackdrop);
  EXPECT_EQ(at(33, 2), kDrawn);

  for (int x = 0; x < 8; ++x) p.workArea.drawing.setPixel(x, 100, 0x000010u * Rgb(x + 1));
  preserveArea(p, -4, 100, 8, 1);
  p.workArea.drawing.fillRect({0, 100, 8, 1}, kRed);
  restorePreserved(p, false);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(at(x, 100), 0x000010u * Rgb(x + 1)) << x;
  EXPECT_EQ(at(4, 100), kRed);
}

TEST_F(Pictures, ErasePictureTwiceRemovesTheFirstBeforeTheSecond) {
  add("a.bmp", Image(4, 4, kRed));
  add("b.bmp", Image(4, 4, kBlue));
  p.workArea.drawing.fillRect({10, 10, 2, 2}, 0x00FFFF);  // something under the first
  run("@atgraphic 10,10\n@erasepicture a.bmp\n@atgraphic 12,12\n@erasepicture b.bmp\n");
  EXPECT_EQ(at(10, 10), 0x00FFFFu);  // the screen as it was before a.bmp
  EXPECT_EQ(at(13, 10), kDrawn);
  EXPECT_EQ(at(12, 12), kBlue);
  EXPECT_EQ(at(15, 15), kBlue);
  EXPECT_TRUE(p.pictures.erasableOnShow);
}

TEST_F(Pictures, ErasePictureAloneRemovesItAndEndsTheRun) {
  add("a.bmp", Image(4, 4, kRed));
  run("@atgraphic 10,10\n@erasepicture a.bmp\n@erasepicture\n@box 0,0,5,5,blue\n");
  EXPECT_EQ(at(10, 10), kDrawn);
  EXPECT_FALSE(p.pictures.erasableOnShow);
  EXPECT_EQ(at(0, 0), kDrawn);  // the run ended before the box
}

TEST_F(Pictures, ClsPictureDrawsOverACleanBackdrop) {
  add("dot.bmp", keyedPicture(4, 4, kRed));
  run("@atgraphic 0,0\n@clspicture dot.bmp\n");
  EXPECT_EQ(at(0, 0), kBackdrop);
  EXPECT_EQ(at(1, 1), kRed);
  EXPECT_EQ(at(4, 0), kDrawn);
}

// A picture of w x h whose row r has the colour 0x0000(r+1).
Image rowPicture(int w, int h) {
  Image img(w, h);
  for (int r = 0; r < h; ++r) img.fillRect({0, r, w, 1}, Rgb(r + 1));
  return img;
}

TEST_F(Pictures, SlowWipeDownOfTenRowsTakesFiveTicks) {
  add("tall.bmp", rowPicture(3, 10));
  p.alwaysOn->start(100);
  run("@atgraphic 50,60\n@slowpicturefx tall.bmp,wipedown\n");
  EXPECT_EQ(at(50, 61), kDrawn);  // nothing yet: the timer draws it
  platform.advance(100);
  EXPECT_EQ(at(50, 61), 2u);  // rows 1 and 2
  EXPECT_EQ(at(52, 62), 3u);
  EXPECT_EQ(at(50, 63), kDrawn);
  for (int tick = 2; tick <= 4; ++tick) platform.advance(100);
  EXPECT_EQ(p.pictures.wipe.step, 9);
  EXPECT_TRUE(p.pictures.wipe.slow);
  platform.advance(100);  // the fifth tick ends it
  EXPECT_EQ(p.pictures.wipe.step, 0);
  EXPECT_FALSE(p.pictures.wipe.slow);
  for (int r = 0; r < 10; ++r) EXPECT_EQ(at(51, 60 + r), Rgb(r + 1)) << r;
  const size_t refreshes = platform.refreshes.size();
  platform.advance(500);
  EXPECT_EQ(platform.refreshes.size(), refreshes);  // nothing more to do
}

TEST_F(Pictures, FastWipesDrawTheWholePictureAtOnce) {
  for (const std::string effect : {"wipeupdown", "wipeleftright"}) {
    p.workArea.drawing.fill(kDrawn);
    platform.refreshes.clear();
    add("wide.bmp", rowPicture(12, 13));
    run("@atgraphic 5,5\n@picturefx wide.bmp," + effect + "\n");
    EXPECT_EQ(p.pictures.wipe.step, 0) << effect;
    for (int r = 0; r < 13; ++r) EXPECT_EQ(at(5 + r % 12, 5 + r), Rgb(r + 1)) << effect << r;
    EXPECT_EQ(at(17, 5), kDrawn) << effect;
    EXPECT_GT(platform.refreshes.size(), 3u) << effect;  // strip by strip
  }
}

TEST_F(Pictures, UnknownWipeDrawsNothing) {
  add("wide.bmp", rowPicture(4, 4));
  run("@atgraphic 5,5\n@picturefx wide.bmp,sparkle\n@slowpicturefx wide.bmp,sparkle\n");
  p.alwaysOn->start(100);
  platform.advance(300);
  EXPECT_EQ(at(5, 5), kDrawn);
  EXPECT_EQ(p.pictures.wipe.step, 1);  // the slow one never finishes
}

struct BoxCase {
  std::string name;
  Rgb fill, light, dark;
  bool outline;
};

TEST_F(Pictures, BoxColoursAndOutline) {
  const BoxCase cases[] = {
      {"green", makeRgb(135, 195, 123), makeRgb(175, 219, 163), makeRgb(95, 135, 47), true},
      {"BLUE", makeRgb(119, 139, 179), makeRgb(179, 197, 219), makeRgb(83, 95, 151), true},
      {"yellow", makeRgb(223, 215, 35), makeRgb(255, 247, 51), makeRgb(159, 155, 15), true},
      {"red", makeRgb(255, 175, 175), makeRgb(255, 219, 219), makeRgb(255, 131, 131), true},
      {"brown", makeRgb(223, 199, 187), makeRgb(223, 199, 187), makeRgb(223, 199, 187), true},
      {"purple", makeRgb(255, 186, 229), makeRgb(255, 186, 229), makeRgb(255, 186, 229), true},
      {"wrongfb", makeRgb(128, 0, 0), makeRgb(128, 0, 0), makeRgb(128, 0, 0), true},
      {"correctfb", makeRgb(118, 183, 107), makeRgb(118, 183, 107), makeRgb(118, 183, 107), true},
      {"puregreen", makeRgb(135, 195, 123), makeRgb(135, 195, 123), makeRgb(135, 195, 123), false},
      {"PureGreen", makeRgb(135, 195, 123), makeRgb(135, 195, 123), makeRgb(135, 195, 123), false},
      {"purered", makeRgb(111, 135, 179), makeRgb(111, 135, 179), makeRgb(111, 135, 179), true},
      {"", makeRgb(111, 135, 179), makeRgb(111, 135, 179), makeRgb(111, 135, 179), true},
  };
  for (const auto& c : cases) {
    p.workArea.drawing.fill(kDrawn);
    run("@box 10,20,30,40," + c.name + "\n");
    const Rgb edge = c.outline ? kBlack : c.fill;
    EXPECT_EQ(at(10, 20), edge) << c.name;
    EXPECT_EQ(at(40, 60), edge) << c.name;  // the box covers 31 x 41 pixels
    EXPECT_EQ(at(41, 60), kDrawn) << c.name;
    EXPECT_EQ(at(11, 21), c.light) << c.name;
    EXPECT_EQ(at(11, 59), c.dark) << c.name;  // the dark bottom edge
    EXPECT_EQ(at(39, 21), c.dark) << c.name;  // and right edge
    EXPECT_EQ(at(25, 40), c.fill) << c.name;
    EXPECT_EQ(p.pictures.lastBox, (Rect{10, 20, 30, 40}));
  }
}

TEST_F(Pictures, LineIsDoubleAndRed) {
  run("@line 10,10,20,0\n");
  EXPECT_EQ(at(10, 10), kRed);
  EXPECT_EQ(at(30, 11), kRed);
  EXPECT_EQ(at(20, 12), kDrawn);
  EXPECT_EQ(at(31, 10), kDrawn);
}

TEST_F(Pictures, EraseRestoresIncludingTheLastRowAndColumn) {
  run("@erase 10,10,5,3\n");
  EXPECT_EQ(at(10, 10), kBackdrop);
  EXPECT_EQ(at(15, 13), kBackdrop);
  EXPECT_EQ(at(16, 13), kDrawn);
  EXPECT_EQ(at(15, 14), kDrawn);
  EXPECT_EQ(p.pictures.lastErased, (Rect{10, 10, 5, 3}));
  p.workArea.drawing.fill(kDrawn);
  p.pictures.eraseInset = true;
  run("@erase 10,10,5,3\n");
  EXPECT_EQ(at(10, 10), kDrawn);
  EXPECT_EQ(at(11, 11), kBackdrop);
  EXPECT_EQ(at(14, 12), kBackdrop);
  EXPECT_EQ(at(15, 12), kDrawn);
}

TEST_F(Pictures, AtGraphicSetsThePicturePosition) {
  struct Case {
    std::string line;
    int x, y;
    std::string message;
  } cases[] = {
      {"@atgraphic 100,50", 100, 50, ""},
      {"@atgraphic +10,-5", 110, 45, ""},
      {"@atgraphic 7", 100, 50, "Required 2 args for atGraphic."},
      {"@atgraphic 1,2,3", 100, 50, "Required 2 args for atGraphic."},
      {"@atgraphic abc,5", 100, 50, "abc,5Not a number. "},
      {"@atgraphic 5,", 100, 50, "5,Not a number. "},
  };
  for (const auto& c : cases) {
    p.pictures.pictureX = 100;
    p.pictures.pictureY = 50;
    platform.messages.clear();
    run(c.line + "\n");
    EXPECT_EQ(p.pictures.pictureX, c.x) << c.line;
    EXPECT_EQ(p.pictures.pictureY, c.y) << c.line;
    if (c.message.empty())
      EXPECT_TRUE(platform.messages.empty()) << c.line;
    else
      EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{c.message}) << c.line;
  }
}

TEST_F(Pictures, BackdropLoadsOnceAndClearsTheDrawing) {
  Image back(640, 440, kBlue);
  platform.images[p.content.native("database\\waves\\topic1\\pictures\\sky.bmp")] = back;
  run("@backdrop sky.bmp\n");
  EXPECT_EQ(at(0, 0), kBlue);
  EXPECT_EQ(p.workArea.backdrop.pixel(639, 439), kBlue);
  p.workArea.drawing.fill(kDrawn);
  run("@backdrop sky.bmp,examsky.bmp\n");
  EXPECT_EQ(at(0, 0), kBlue);
  EXPECT_EQ(platform.imageLoads.size(), 1u);
  EXPECT_EQ(p.pictures.examBackdropName, "examsky.bmp");
}

TEST_F(Pictures, BackdropFailureAsksRetryOrCancel) {
  platform.answers = {Answer::Retry};
  int loads = 0;
  platform.imageLoader = [&](const std::string&) -> std::optional<Image> {
    if (++loads == 1) return std::nullopt;
    return Image(640, 440, kRed);
  };
  run("@backdrop night.bmp\n");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "Failed to load backdrop. night.bmpPlease ensure the CD is in the drive and is free of errors.");
  EXPECT_EQ(platform.messages[0].buttons, Buttons::RetryCancel);
  EXPECT_EQ(platform.messages[0].icon, Icon::Error);
  EXPECT_EQ(at(5, 5), kRed);

  platform.imageLoader = nullptr;
  EXPECT_THROW(run("@backdrop other.bmp\n"), ProgramExit);  // Cancel ends the program
}

TEST_F(Pictures, StyleBackdropFollowsThePreference) {
  struct Case {
    bool style;
    std::string file;
  } cases[] = {{true, "withstyl.bmp"}, {false, "w_ostyle.bmp"}};
  for (const auto& c : cases) {
    p.pictures.backdropName.clear();
    p.pupil.settings.styleBackdrop = c.style;
    platform.images[p.content.native("database\\waves\\topic1\\pictures\\backdrop\\" + c.file)] =
        Image(640, 440, kRed);
    run("@stylebackdrop\n");
    EXPECT_TRUE(platform.messages.empty()) << c.file;
    EXPECT_EQ(at(0, 0), kRed);
  }
}

TEST_F(Pictures, SequencesStepOnTheTickAndRewind) {
  for (int f = 1; f <= 3; ++f) add("fan" + std::to_string(f) + ".bmp", Image(2, 2, Rgb(f)));
  PictureSequence& q = p.pictures.sequences[0];
  q.active = true;
  q.prefix = "fan";
  q.x = 30;
  q.y = 40;
  q.w = q.h = 2;
  q.startFrame = q.frame = 1;
  q.endFrame = 3;
  q.interval = 100;
  q.dueTime = platform.millis();
  std::vector<Rgb> shown;
  for (int tick = 0; tick < 5; ++tick) {
    animationTick(p);
    shown.push_back(at(30, 40));
    platform.advance(100);
  }
  EXPECT_EQ(shown, (std::vector<Rgb>{1, 2, 3, 1, 2}));

  q.once = true;
  animationTick(p);
  EXPECT_FALSE(q.active);  // "once" stops after the frame it drew
}

TEST_F(Pictures, SequencesCountDownWhenTheEndIsLower) {
  for (int f = 1; f <= 2; ++f) add("cd" + std::to_string(f) + ".bmp", Image(1, 1, Rgb(f)));
  PictureSequence& q = p.pictures.sequences[3];
  q = PictureSequence{true, "cd", "cd", 0, 0, 1, 1, 2, 2, 1, 10, platform.millis()};
  std::vector<Rgb> shown;
  for (int tick = 0; tick < 3; ++tick) {
    animationTick(p);
    shown.push_back(at(0, 0));
    platform.advance(10);
  }
  EXPECT_EQ(shown, (std::vector<Rgb>{2, 1, 2}));
}

// A sequence with a follow-up that passes its end frame ends the tick: the
// sequences after it wait for the next one.
TEST_F(Pictures, AFollowUpAtTheEndFrameEndsTheTick) {
  for (int f = 1; f <= 2; ++f) add("a" + std::to_string(f) + ".bmp", Image(1, 1, Rgb(f)));
  add("b1.bmp", Image(1, 1, kRed));
  PictureSequence& a = p.pictures.sequences[0];
  a = PictureSequence{true, "a", "a", 0, 0, 1, 1, 2, 2, 2, 10, platform.millis()};
  a.followUp = true;
  PictureSequence& b = p.pictures.sequences[1];
  b = PictureSequence{true, "b", "b", 5, 5, 1, 1, 1, 1, 1, 10, platform.millis()};
  animationTick(p);  // a draws its last frame and rewinds
  EXPECT_EQ(at(0, 0), Rgb(2));
  EXPECT_EQ(a.frame, 2);
  EXPECT_EQ(at(5, 5), kDrawn);  // b waits
  a.active = false;             // what follows is up to the sequence's owner
  platform.advance(10);
  animationTick(p);
  EXPECT_EQ(at(5, 5), kRed);
}

TEST_F(Pictures, StarsTwinkleOnTheMainMenuAfterAWarmUp) {
  for (int n = 1; n <= 4; ++n) add("*star" + std::to_string(n) + ".bmp", Image(8, 8, Rgb(0xF0 + n)));
  p.engine.currentScreen = 1;
  p.alwaysOn->start(100);
  platform.advance(800);  // eight ticks of warm-up
  EXPECT_TRUE(p.pictures.pictureCache.empty());
  platform.randoms = {0.0, 0.1, 0.2, 0.9, 0.9, 0.9, 0.5, 0.5, 0.5, 1.0 / 7, 0.0, 0.0};
  platform.advance(100);
  // Star 1: phase 0 + 1, at (4 + 0.1 * 470, 4 + 0.2 * 440) rounded.
  EXPECT_EQ(p.pictures.stars[0].phase, 1);
  EXPECT_EQ(at(51, 92), Rgb(0xF1));
  EXPECT_EQ(p.pictures.stars[1].phase, 7);  // 0.9 * 7 rounds to 6, then + 1
  EXPECT_EQ(at(p.pictures.stars[1].x, p.pictures.stars[1].y), Rgb(0xF2));  // 9 - 7
  EXPECT_FALSE(platform.refreshes.empty());
}

TEST_F(Pictures, StarsKeepOffTheLastBox) {
  for (int n = 1; n <= 4; ++n) add("*star" + std::to_string(n) + ".bmp", Image(8, 8, kRed));
  p.engine.currentScreen = 7;
  run("@showstars true\n@box 0,0,639,200,blue\n");
  // Every first place falls into the box; the next try is below it.
  for (int i = 0; i < 4; ++i)
    for (double r : {0.5, 0.1, 0.1, 0.1, 0.9}) platform.randoms.push_back(r);
  animationTick(p);
  for (const Star& st : p.pictures.stars) {
    EXPECT_GT(st.y, 200);
    EXPECT_EQ(at(st.x, st.y), kRed);
  }
  EXPECT_NE(at(100, 100), kRed);
}

TEST_F(Pictures, AStarWithNoFreePlaceWaits) {
  add("*star1.bmp", Image(8, 8, kRed));
  p.engine.currentScreen = 7;
  run("@showstars true\n@box 0,0,639,439,blue\n");  // the box covers the star area
  animationTick(p);
  for (const Star& st : p.pictures.stars) EXPECT_EQ(st.phase, 0);
  EXPECT_TRUE(p.pictures.pictureCache.empty());
}

TEST_F(Pictures, StarsStayOffElsewhere) {
  add("*star1.bmp", Image(8, 8, kRed));
  p.engine.currentScreen = 5;
  for (int i = 0; i < 12; ++i) animationTick(p);
  EXPECT_TRUE(p.pictures.pictureCache.empty());
  p.engine.currentScreen = 1;
  run("@showstars false\n");
  for (int i = 0; i < 12; ++i) animationTick(p);
  EXPECT_TRUE(p.pictures.pictureCache.empty());
}

}  // namespace
}  // namespace vintara
