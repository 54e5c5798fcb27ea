// The demo course's control-flow screens, compiled from course/ and run
// through the engine (text lines recorded instead of drawn).
#include <gtest/gtest.h>

#include <algorithm>

#include "authoring/course_compiler.h"
#include "engine/navigation.h"
#include "engine_fixture.h"

namespace vintara {
namespace {

using Lines = std::vector<std::string>;

class DemoCourseTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new test::TempDir;
    for (const auto& m : compileCourse(VINTARA_SOURCE_DIR "/course", *dir_ / "tolvenia"))
      ADD_FAILURE() << m.format();
  }
  static void TearDownTestSuite() { delete dir_; }

  DemoCourseTest() : fixture(*dir_ / "tolvenia") {
    test::recordTextLines(fixture.p());
    // Every picture loads: these tests are about the scripts, not the pictures.
    fixture.platform.imageLoader = [](const std::string&) { return std::optional<Image>(Image(8, 8)); };
  }

  Player& p() { return fixture.p(); }

  // Shows the screen with this caption; the lines it drew.
  Lines show(const std::string& caption) {
    const int node = test::nodeWithCaption(p().content.tree, caption);
    EXPECT_NE(node, 0) << caption;
    test::drawnLines().clear();
    p().engine.currentScreen = node;
    runProgram(p());
    return test::drawnLines();
  }

  static bool has(const Lines& lines, const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) != lines.end();
  }

  static test::TempDir* dir_;
  test::PlayerFixture fixture;
};

test::TempDir* DemoCourseTest::dir_ = nullptr;

TEST_F(DemoCourseTest, LoopWithATimedWaitShowsALineEachSecond) {
  const std::string line = "Another second: she runs 5 m more.";
  Lines lines = show("Speed step by step");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 0);
  EXPECT_TRUE(p().processorTimer->isActive());
  for (int second = 1; second <= 4; ++second) {
    fixture.platform.advance(1000);
    EXPECT_EQ(std::count(test::drawnLines().begin(), test::drawnLines().end(), line), second);
  }
  EXPECT_EQ(test::drawnLines().back(), "Back to the speed topics");
  EXPECT_EQ(p().engine.scriptVars[24], 30);  // x
  EXPECT_EQ(p().engine.scriptVars[25], 330);  // y
  EXPECT_TRUE(fixture.platform.messages.empty());
}

TEST_F(DemoCourseTest, TierAndAwardBlocks) {
  const std::string higher = "Higher tier: velocity is speed in a stated direction.";
  const std::string foundation = "Foundation tier: speed is measured in metres per second (m/s).";
  const std::string doubleAward = "Double award: you also need acceleration = change in velocity / time.";
  const std::string singleAward = "Single award: you need speed and distance-time graphs.";
  p().pupil.tierLetter = "H";
  p().pupil.awardLetter = "S";
  Lines lines = show("Speed for your course");
  EXPECT_TRUE(has(lines, higher) && has(lines, singleAward));
  EXPECT_FALSE(has(lines, foundation) || has(lines, doubleAward));
  p().pupil.tierLetter = "F";
  p().pupil.awardLetter = "D";
  lines = show("Speed for your course");
  EXPECT_TRUE(has(lines, foundation) && has(lines, doubleAward));
  EXPECT_FALSE(has(lines, higher) || has(lines, singleAward));
  EXPECT_TRUE(fixture.platform.messages.empty());
}

TEST_F(DemoCourseTest, GameDataRunsInsideTheScreen) {
  const Lines lines = show("Speeds to compare");
  const auto first = std::find(lines.begin(), lines.end(), "#f1Some typical speeds:");
  ASSERT_NE(first, lines.end());
  EXPECT_EQ(Lines(first, first + 6),
            (Lines{"#f1Some typical speeds:", "Walking: about 1.5 m/s", "Cycling: about 6 m/s",
                   "A cheetah running: up to 30 m/s", "Sound in air: about 330 m/s",
                   "Which is faster, a cyclist or sound in air?"}));
  EXPECT_TRUE(fixture.platform.messages.empty());
}

}  // namespace
}  // namespace vintara
