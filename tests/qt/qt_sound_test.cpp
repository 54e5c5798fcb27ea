// The silent sound device: it reports the end of a sound after the
// duration in the file's wave header, and once for every stop.
#include "platform/qt/qt_sound.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "authoring/sound_synth.h"
#include "support/test_support.h"

namespace vintara {
namespace {

struct SilentSound : ::testing::Test {
  test::TempDir dir;
  QtSound sound{true};
  int reports = 0;

  void SetUp() override {
    sound.done = [this] { ++reports; };
  }
  std::string writeSound(const std::string& file, int ms) {
    return dir.write(file, pcmWaveFile(std::vector<int16_t>(size_t(kSynthRate * ms / 1000), 0)));
  }
  // Runs the event loop for `ms` milliseconds.
  void spin(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
};

TEST_F(SilentSound, ReportsTheEndAfterTheFilesDuration) {
  ASSERT_TRUE(sound.silent());
  ASSERT_TRUE(sound.play(writeSound("a.wav", 600)));
  spin(150);
  EXPECT_EQ(reports, 0);
  EXPECT_TRUE(sound.playing());
  spin(1200);
  EXPECT_EQ(reports, 1);
  EXPECT_FALSE(sound.playing());
}

TEST_F(SilentSound, ReportsOncePerStopAndNeverFromInsideTheCall) {
  ASSERT_TRUE(sound.play(writeSound("a.wav", 300)));
  sound.stop();
  EXPECT_EQ(reports, 0);  // later, from the event loop
  spin(500);
  EXPECT_EQ(reports, 1);  // the stop's report; the stopped play reports nothing
  sound.stop();           // a stop with nothing playing is reported too
  spin(50);
  EXPECT_EQ(reports, 2);
}

TEST_F(SilentSound, ANewSoundEndsTheOldOneFirst) {
  ASSERT_TRUE(sound.play(writeSound("a.wav", 200)));
  ASSERT_TRUE(sound.play(writeSound("b.wav", 1000)));
  spin(300);
  EXPECT_EQ(reports, 1);  // the old one stopped; the new one still plays
  EXPECT_TRUE(sound.playing());
  spin(1500);
  EXPECT_EQ(reports, 2);
}

TEST_F(SilentSound, FilesThatAreNoWaveDoNotPlay) {
  EXPECT_FALSE(sound.play(dir / "missing.wav"));
  EXPECT_FALSE(sound.play(dir.write("text.wav", "not a wave file")));
  spin(50);
  EXPECT_EQ(reports, 0);
  EXPECT_FALSE(sound.playing());
}

}  // namespace
}  // namespace vintara
