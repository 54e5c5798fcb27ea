// Inputs the fuzz targets broke, kept once fixed. Their faults show only
// under scripts/test.sh --sanitize (the library's index checks).
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/navigation.h"
#include "platform/image.h"
#include "shell/startup.h"
#include "support/test_support.h"

namespace vintara {
namespace {

// A rectangle whose part inside the image is empty may start past the
// last column or row; filling it must not touch the pixels at all.
TEST(FuzzRegressions, FillRectOutsideTheImageDrawsNothing) {
  const Rgb paper = 0xFFFFFF, ink = 0x123456;
  const Rect cases[] = {
      {20, 9, 5, 1},     // past the right edge on the last row
      {10, 0, 3, 10},    // starting at the right edge
      {0, 10, 10, 2},    // below the image
      {-5, 2, 5, 3},     // ending at the left edge
      {3, 3, 0, 4},      // no width
      {900, 900, 4, 4},  // far away
  };
  for (const Rect& r : cases) {
    Image img(10, 10, paper);
    img.fillRect(r, ink);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) ASSERT_EQ(img.pixel(x, y), paper) << r.x << "," << r.y;
  }
  Image img(10, 10, paper);
  img.fillRect({8, 8, 5, 5}, ink);  // the part inside is still filled
  EXPECT_EQ(img.pixel(9, 9), ink);
  EXPECT_EQ(img.pixel(7, 9), paper);
}

// The interpreter target's start: its small course, the start-up sequence,
// then the input as the script of a content screen.
class InterpreterInput : public ::testing::Test {
 protected:
  test::CompiledCourse course{{
      "menu Main Menu | script=main.txt\n"
      "  menu Waves | script=area.txt | keywords=wave>waves\n"
      "    menu Describing waves | script=topic.txt\n"
      "      screen Parts of a wave | script=screen.txt | id=12\n"
      "      point Amplitude | script=screen.txt | id=13\n"
      "    menu Revision: waves | script=topic.txt\n"
      "      screen Check your waves | script=screen.txt | id=14\n"
      "  menu Help | script=area.txt\n"
      "    help Circuits | script=help.txt | id=1\n",
      {{"main.txt", "@backdrop back.bmp\nMain menu\n"},
       {"area.txt", "Area menu\n"},
       {"topic.txt", "@picture pic.bmp\nTopic menu text\n"},
       {"screen.txt", "A screen\n"},
       {"help.txt", "Help text\n"}},
      {{"pictures/qeltpop.bmp", "BM"},
       {"database/pictures/back.bmp", "BM"},
       {"database/waves/topic1/pictures/pic.bmp", "BM"}}}};

  void run(const std::string& script) {
    FakePlatform platform;
    platform.contentOption = course.root();
    platform.programDir = course.dir().path();
    platform.imageLoader = [](const std::string& path) -> std::optional<Image> {
      std::error_code ec;
      if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
      Image img(24, 16, 0x3366CC);
      img.fillRect({0, 0, 6, 4}, kKeyColour);
      return img;
    };
    Player p(platform);
    p.run.runawayLineLimit = 10000;
    Form_Load(p);
    p.engine.currentScreen = 4;
    p.nav.useTemplate = true;
    runProgram(p, script);
    EXPECT_FALSE(p.text.textHistory.empty());
  }
};

// Text drawn past the right edge of the work area's last rows.
TEST_F(InterpreterInput, TextPastTheRightEdgeOfTheLastRows) {
  run(std::string(
      "@\015@0\015f-\015fo\015\000\000\01522\015,20\015260\015\012#\015"
      "\012#\01522\015t3\015lo\015a,0\01520\015\012f\015\012#0\01522\015"
      "a,\015\000 \015Nt\015r \015\000 \015\012e\015\012e\015  \015\377"
      "\377\377/x\000\026/\377\377\000\000\377\177ij/\377\377\000\000b\377"
      "\377\377\377\377\377\377\377-f7KNNj/\377\377\000\000/\377\377\000"
      "\000\377\377\377\377\377-f7KNNj/\377\377\000\000\377\177ij/\377\377"
      "\000\000b\377\377\377\377\377\377\377\377-f7KNNj/\377\377\000\000",
      175));
}

}  // namespace
}  // namespace vintara
