// Sounds of the demo course, made for this project: a small synthesiser of
// interface effects (clicks, drops, quiz effects) writing 16-bit PCM wave
// files, and the list that says which sound goes where.
//
// Sound list (course/sounds.txt): one sound per line,
//   PATH = effect NAME      a synthesised effect (see effectNames())
//   PATH = speech TEXT      spoken text (the build speaks it when it can)
// PATH is the file below the content root, written with "/". Blank lines
// and lines starting with "#" are ignored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "authoring/course_compiler.h"

namespace vintara {

constexpr int kSynthRate = 22050;

// The bytes of a mono 16-bit PCM wave file.
std::string pcmWaveFile(const std::vector<int16_t>& samples, int rate = kSynthRate);

// The names of the effects the synthesiser knows.
std::vector<std::string> effectNames();
// The samples of a named effect; empty when the name is unknown.
std::vector<int16_t> synthesiseEffect(std::string_view name, int rate = kSynthRate);
// Silence standing in for spoken text: about as long as saying it takes.
std::vector<int16_t> silenceFor(std::string_view text, int rate = kSynthRate);

struct SoundLine {
  std::string path;  // below the content root, with "/"
  bool speech = false;
  std::string what;  // effect name or text to speak
  int line = 0;
};

// Reads a sound list; problems (unknown kinds and effects, paths leaving
// the content root) are appended to `messages`.
std::vector<SoundLine> parseSoundList(const std::string& text, const std::string& fileName,
                                      std::vector<CompileMessage>& messages);

}  // namespace vintara
