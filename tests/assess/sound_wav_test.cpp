// The duration the silent player reads from a wave header, and the wave
// files the course's sound generator writes.
#include <gtest/gtest.h>

#include "support/test_support.h"

#include <cctype>
#include <limits>

#include "assess/wav_info.h"
#include "authoring/sound_synth.h"

namespace vintara {
namespace {

using test::nameOf;


std::string le32(uint32_t v) {
  return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
}
std::string le16(uint16_t v) { return {char(v & 0xFF), char(v >> 8)}; }

// A wave file with `extra` chunks before "fmt ", a byte rate and a data
// chunk that claims `claimed` bytes but holds `held`.
std::string wave(uint32_t byteRate, uint32_t claimed, uint32_t held,
                 const std::string& extra = "") {
  std::string fmt = "fmt " + le32(16) + le16(1) + le16(1) + le32(byteRate / 2) + le32(byteRate) +
                    le16(2) + le16(16);
  std::string body = "WAVE" + extra + fmt + "data" + le32(claimed) + std::string(held, '\0');
  return "RIFF" + le32(uint32_t(body.size())) + body;
}

struct DurationCase {
  const char* what;
  std::string file;
  std::optional<int> ms;
};

class WavDuration : public ::testing::TestWithParam<DurationCase> {};

TEST_P(WavDuration, ComesFromByteRateAndDataSize) {
  EXPECT_EQ(wavDurationMs(GetParam().file), GetParam().ms) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Sound, WavDuration,
    ::testing::Values(
        DurationCase{"half a second at 44100 bytes a second", wave(44100, 22050, 22050), 500},
        DurationCase{"a data size longer than the file is cut to it", wave(44100, 441000, 4410),
                     100},
        DurationCase{"an odd-sized chunk before fmt is padded",
                     wave(8000, 800, 800, "LIST" + le32(3) + "abc" + std::string(1, '\0')), 100},
        DurationCase{"no byte rate", wave(0, 100, 100), std::nullopt},
        DurationCase{"a byte rate of one on a long file stops at the largest int",
                     wave(1, 3'000'000, 3'000'000), std::numeric_limits<int>::max()},
        DurationCase{"not a wave file", std::string("MThd") + std::string(40, '\0'), std::nullopt},
        DurationCase{"a header cut short", wave(44100, 100, 100).substr(0, 30), std::nullopt},
        DurationCase{"empty", "", std::nullopt}),
    [](const auto& info) { return nameOf(info.param.what); });

TEST(SoundSynth, EveryEffectIsAShortAudibleWaveFile) {
  for (const std::string& name : effectNames()) {
    const std::vector<int16_t> samples = synthesiseEffect(name);
    const std::optional<int> ms = wavDurationMs(pcmWaveFile(samples));
    ASSERT_TRUE(ms) << name;
    EXPECT_GT(*ms, 10) << name;
    EXPECT_LT(*ms, 3000) << name;
    int peak = 0;
    for (int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
    EXPECT_GT(peak, 3000) << name << " is too quiet";
    // No click at the end: the last samples fade to silence.
    EXPECT_LT(std::abs(int(samples.back())), 300) << name;
  }
  EXPECT_TRUE(synthesiseEffect("no such effect").empty());
}

TEST(SoundSynth, SilenceForSpeechLastsAboutAsLongAsSayingIt) {
  const std::string sentence = "Energy transferred equals power times time.";  // 43 characters
  const int ms = *wavDurationMs(pcmWaveFile(silenceFor(sentence)));
  EXPECT_GT(ms, 2500);
  EXPECT_LT(ms, 4500);
}

TEST(SoundSynth, SoundListLinesAndTheirProblems) {
  std::vector<CompileMessage> messages;
  const auto lines = parseSoundList(
      "# comment\n"
      "Wav/click.wav = effect click\n"
      "database/energy/topic1/Wav/a.wav = speech Hello there.\n"
      "Wav/x.wav = effect thunder\n"
      "../outside.wav = effect click\n"
      "Wav/y.wav = music click\n"
      "Wav/z.wav\n",
      "sounds.txt", messages);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].path, "Wav/click.wav");
  EXPECT_FALSE(lines[0].speech);
  EXPECT_TRUE(lines[1].speech);
  EXPECT_EQ(lines[1].what, "Hello there.");
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[0].format(), "sounds.txt:4: unknown effect \"thunder\"");
  EXPECT_EQ(messages[1].line, 5);
  EXPECT_EQ(messages[2].line, 6);
  EXPECT_EQ(messages[3].line, 7);
}

}  // namespace
}  // namespace vintara
