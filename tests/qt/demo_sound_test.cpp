// The demo course's speaking screens, on the compiled course with its
// generated sounds: the screen speaks, stops, and goes on when the speech
// has ended.
#include <gtest/gtest.h>


#include "engine/navigation.h"
#include "support/test_support.h"

namespace vintara {
namespace {

struct Speaking {
  const char* screen;
  const char* sound;  // the file the screen plays, below the content root
};

class DemoSpeech : public ::testing::TestWithParam<Speaking> {};

TEST_P(DemoSpeech, ScreenWaitsForItsSpeech) {
  test::PlayerFixture f(std::string(VINTARA_BINARY_DIR) + "/tolvenia");
  Player& p = f.p();
  f.platform.playExisting = true;  // the course's own sound files play
  p.engine.currentScreen = test::nodeWithCaption(p.content.tree, GetParam().screen);
  ASSERT_NE(p.engine.currentScreen, 0) << GetParam().screen;
  runProgram(p);

  ASSERT_FALSE(f.platform.sounds.empty());
  EXPECT_EQ(f.platform.sounds.back(),
            std::string(VINTARA_BINARY_DIR) + "/tolvenia/" + GetParam().sound);
  EXPECT_TRUE(p.sound.waitingForSound);
  const int stoppedAt = p.engine.scriptPos;
  ASSERT_LE(stoppedAt, p.engine.scriptEnd);

  f.platform.finishSound();
  f.platform.advance(50);
  EXPECT_FALSE(p.sound.waitingForSound);
  EXPECT_GT(p.engine.scriptPos, stoppedAt);
}

INSTANTIATE_TEST_SUITE_P(
    Course, DemoSpeech,
    ::testing::Values(Speaking{"Stores of energy", "database/energy/topic1/Wav/stores.wav"},
                      Speaking{"Power and energy", "database/energy/topic2/Wav/power.wav"},
                      Speaking{"Half-life in numbers", "database/radio/topic2/Wav/halflife.wav"}),
    [](const auto& info) { return test::nameOf(info.param.screen); });

}  // namespace
}  // namespace vintara
