// Sound playback through the recording audio device of the fake platform:
// one sound at a time, stops that wait for the device's report, and
// scripts that wait for their sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "assess/sound.h"
#include "engine/interpreter.h"
#include "engine/player.h"
#include "output/fields.h"
#include "platform/fake/fake_platform.h"
#include "support/test_support.h"

namespace vintara {
namespace {

using test::nameOf;

using test::TempDir;


// The fake device, with a log of what the player asked of it and what it
// reported.
class LoggingPlatform : public FakePlatform {
 public:
  std::vector<std::string> log;
  bool answersStops = true;

  bool playSound(const std::string& path) override {
    const bool ok = FakePlatform::playSound(path);
    log.push_back((ok ? "play " : "fail ") + path.substr(path.rfind('/') + 1));
    return ok;
  }
  void stopSound() override {
    log.push_back("stop");
    if (answersStops) FakePlatform::stopSound();  // otherwise the stop is lost
  }
  void setSoundDoneHandler(std::function<void()> handler) override {
    if (!handler) return FakePlatform::setSoundDoneHandler({});
    FakePlatform::setSoundDoneHandler([this, handler] {
      log.push_back("done");
      handler();
    });
  }
};

struct SoundFixture : ::testing::Test {
  TempDir dir;
  LoggingPlatform platform;
  std::unique_ptr<Player> player;
  Player& p() { return *player; }

  void SetUp() override {
    for (const char* f :
         {"Wav/click.wav", "Wav/a.wav", "Wav/b.wav", "database/energy/topic1/Wav/Speech.WAV",
          "database/energy/topic1/Wav/first.wav", "database/energy/topic1/Wav/second.wav"})
      dir.write(f, "RIFF");
    platform.playExisting = true;
    player = std::make_unique<Player>(platform);
    p().content.paths.setRoot(dir.path());
    p().content.topicFolder = "database\\energy\\topic1\\";
    p().engine.currentScreen = 7;
  }
  const SoundState& s() { return p().sound; }
  // A screen script; it stops at "waitforsoundtofinish" while its sound plays.
  void runScreen(const std::string& script) { test::runScriptText(p(), script); }
};

TEST_F(SoundFixture, SoundNamesLeadToTheSharedOrTheTopicFolder) {
  playWav(p(), "*click.wav");
  playWav(p(), "speech.wav");  // matched without regard to case
  ASSERT_EQ(platform.sounds.size(), 2u);
  EXPECT_EQ(platform.sounds[0], dir / "Wav/click.wav");
  EXPECT_EQ(platform.sounds[1], dir / "database/energy/topic1/Wav/Speech.WAV");
}

TEST_F(SoundFixture, ANewSoundStopsThePlayingOneFirst) {
  playWav(p(), "*a.wav");
  EXPECT_TRUE(s().soundPlaying);
  playWav(p(), "*b.wav");
  EXPECT_EQ(platform.log, (std::vector<std::string>{"play a.wav", "stop", "done", "play b.wav"}));
  EXPECT_TRUE(s().soundPlaying);
  EXPECT_FALSE(s().soundClosed);
  EXPECT_FALSE(s().closeWaiting);
}

TEST_F(SoundFixture, AMissingFileLeavesThePlayerIdleWithoutAMessage) {
  playWav(p(), "*a.wav");
  playWav(p(), "nothere.wav");
  EXPECT_EQ(platform.log,
            (std::vector<std::string>{"play a.wav", "stop", "done", "fail nothere.wav"}));
  EXPECT_FALSE(s().soundPlaying);
  EXPECT_TRUE(s().soundClosed);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SoundFixture, CloseOnAClosedDeviceReturnsAtOnce) {
  const uint32_t before = platform.millis();
  closeCurrentWav(p());  // never opened
  EXPECT_EQ(platform.millis(), before);
  playWav(p(), "*a.wav");
  closeCurrentWav(p());
  platform.log.clear();
  const uint32_t afterFirstClose = platform.millis();
  closeCurrentWav(p());
  EXPECT_TRUE(platform.log.empty());
  EXPECT_EQ(platform.millis(), afterFirstClose);
}

TEST_F(SoundFixture, CloseWaitsForTheDeviceToReport) {
  playWav(p(), "*a.wav");
  platform.finishSound();  // ended by itself: the device stays open
  EXPECT_FALSE(s().soundPlaying);
  EXPECT_FALSE(s().soundClosed);
  platform.log.clear();
  closeCurrentWav(p());
  EXPECT_EQ(platform.log, (std::vector<std::string>{"stop", "done"}));
  EXPECT_TRUE(s().soundClosed);
  EXPECT_FALSE(s().closeWaiting);
}

TEST_F(SoundFixture, ADeviceThatNeverReportsAStopDoesNotHangTheProgram) {
  playWav(p(), "*a.wav");
  platform.answersStops = false;
  const uint32_t start = platform.millis();
  closeCurrentWav(p());
  EXPECT_GE(platform.millis() - start, uint32_t(kCloseWaitLimitMs));
  EXPECT_LT(platform.millis() - start, uint32_t(kCloseWaitLimitMs + 100));
  EXPECT_FALSE(s().closeWaiting);
  EXPECT_FALSE(s().soundPlaying);
  EXPECT_EQ(s().unansweredStops, 1);
  // The lesson goes on: the next sound plays.
  platform.answersStops = true;
  playWav(p(), "*b.wav");
  EXPECT_TRUE(s().soundPlaying);
  EXPECT_EQ(platform.log.back(), "play b.wav");
}

TEST_F(SoundFixture, PlaySoundFileSetsTheSpeechName) {
  runScreen("@playsoundfile first.wav,none\n");
  EXPECT_EQ(s().speechName, "none");
  runScreen("@playsoundfile first.wav,Tutor\n");
  EXPECT_EQ(s().speechName, "Tutor");
  runScreen("@playsoundfile first.wav\n");
  EXPECT_EQ(s().speechName, "");
  EXPECT_EQ(platform.sounds.size(), 3u);
}

TEST_F(SoundFixture, InterfaceSoundsAreNoSpeech) {
  runScreen("@playsoundfile first.wav,Tutor\n");
  playInterfaceSound(p(), "*click.wav");
  EXPECT_EQ(s().speechName, "none");
  EXPECT_EQ(platform.log,
            (std::vector<std::string>{"play first.wav", "stop", "done", "play click.wav"}));
}

const char* const kWaitingScript =
    "@playsoundfile first.wav\n"
    "@waitforsoundtofinish\n"
    "@playsoundfile second.wav\n";

TEST_F(SoundFixture, WaitingForASoundThatFailedToOpenDoesNotWait) {
  std::remove((dir / "database/energy/topic1/Wav/first.wav").c_str());
  runScreen(kWaitingScript);
  EXPECT_FALSE(s().waitingForSound);
  ASSERT_EQ(platform.sounds.size(), 1u);
  EXPECT_EQ(platform.sounds[0], dir / "database/energy/topic1/Wav/second.wav");
}

TEST_F(SoundFixture, TheScriptResumesWhenItsSoundEnds) {
  runScreen(kWaitingScript);
  EXPECT_TRUE(s().waitingForSound);
  EXPECT_FALSE(p().engine.scriptRunning);
  EXPECT_EQ(platform.sounds.size(), 1u);
  platform.advance(5000);  // nothing happens while the sound plays
  EXPECT_EQ(platform.sounds.size(), 1u);
  platform.finishSound();
  EXPECT_FALSE(s().waitingForSound);
  platform.advance(20);
  ASSERT_EQ(platform.sounds.size(), 2u);
  EXPECT_EQ(platform.sounds[1], dir / "database/energy/topic1/Wav/second.wav");
  EXPECT_GT(p().engine.scriptPos, p().engine.scriptEnd);
}

struct EndCase {
  const char* what;
  void (*end)(SoundFixture&);
  bool resumes;
};

class WhatEndsTheSound : public SoundFixture, public ::testing::WithParamInterface<EndCase> {};

TEST_P(WhatEndsTheSound, DecidesWhetherTheScriptResumes) {
  runScreen(kWaitingScript);
  ASSERT_TRUE(s().waitingForSound);
  GetParam().end(*this);
  platform.advance(1000);
  const bool resumed = std::count(platform.sounds.begin(), platform.sounds.end(),
                                  dir / "database/energy/topic1/Wav/second.wav") == 1;
  EXPECT_EQ(resumed, GetParam().resumes) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Sound, WhatEndsTheSound,
    ::testing::Values(EndCase{"the sound ends by itself",
                              [](SoundFixture& f) { f.platform.finishSound(); }, true},
                      EndCase{"an answer-box click stops it",
                              [](SoundFixture& f) { playInterfaceSound(f.p(), "*click.wav"); },
                              true},
                      EndCase{"the navigation click stops it",
                              [](SoundFixture& f) { playNavigationClick(f.p(), 0.5); }, false},
                      EndCase{"Forward went on with the script first",
                              [](SoundFixture& f) {
                                f.p().engine.scriptPos = f.p().engine.scriptEnd + 1;
                                f.platform.finishSound();
                              },
                              false},
                      EndCase{"another screen started",
                              [](SoundFixture& f) {
                                f.p().engine.currentScreen = 8;
                                closeCurrentWav(f.p());
                              },
                              false}),
    [](const auto& info) { return nameOf(info.param.what); });

TEST_F(SoundFixture, NavigationClickWaitsWithKeysIgnored) {
  AnswerField field;
  field.kind = kNumberField;
  field.right = 50;
  field.bottom = 20;
  p().regions.answerFieldTable.push_back(field);
  p().regions.inputField = 0;
  p().text.boxLayout.perRow = 8;
  // A key typed half-way through the wait, and one after it.
  auto typist = platform.createTimer([&] { onKeyPress(p(), '4'); });
  typist->start(250);
  const uint32_t start = platform.millis();
  playNavigationClick(p(), 0.5);
  typist->stop();
  EXPECT_GE(platform.millis() - start, 500u);
  EXPECT_LT(platform.millis() - start, 520u);
  EXPECT_EQ(platform.sounds.back(), dir / "Wav/click.wav");
  EXPECT_EQ(s().speechName, "none");
  EXPECT_EQ(p().regions.answerFieldTable[0].text, "");
  EXPECT_FALSE(p().shell.waiting);
  onKeyPress(p(), '4');
  EXPECT_EQ(p().regions.answerFieldTable[0].text, "4 ");
}

}  // namespace
}  // namespace vintara
