#include "authoring/sound_synth.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <sstream>

namespace vintara {

namespace {

constexpr double kPi = 3.14159265358979323846;

enum class Wave { Sine, Square, Noise };

// One sound of an effect: a tone (or noise) with a pitch glide, a quick
// attack, an exponential decay and a short release so that it never clicks.
struct Voice {
  double start = 0;     // seconds
  double duration = 0;  // seconds
  double from = 440;    // Hz at the start
  double to = 0;        // Hz at the end (0: no glide)
  Wave wave = Wave::Sine;
  double amplitude = 0.5;
  double attack = 0.004;                   // seconds
  double decay = 0;                        // time constant in seconds (0: none)
  double vibratoHz = 0, vibratoDepth = 0;  // depth in Hz
  double smooth = 0;                       // low-pass for noise, 0 (none) to 0.99 (dull)
};

using Effect = std::vector<Voice>;

double note(double semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

void render(std::vector<double>& out, const Voice& v, int rate) {
  const size_t first = size_t(v.start * rate);
  const size_t count = size_t(v.duration * rate);
  if (out.size() < first + count) out.resize(first + count, 0.0);
  uint32_t seed = 0x2545F491u ^ uint32_t(first * 2654435761u);
  double phase = 0, low = 0;
  const double release = std::min(0.006, v.duration / 4);
  for (size_t k = 0; k < count; ++k) {
    const double t = double(k) / rate;
    const double glide = v.to > 0 ? v.from * std::pow(v.to / v.from, t / v.duration) : v.from;
    const double freq = glide + v.vibratoDepth * std::sin(2 * kPi * v.vibratoHz * t);
    phase += 2 * kPi * freq / rate;
    double s = 0;
    switch (v.wave) {
      case Wave::Sine:
        s = std::sin(phase);
        break;
      case Wave::Square:
        s = std::sin(phase) >= 0 ? 0.8 : -0.8;
        break;
      case Wave::Noise:
        seed = seed * 1664525u + 1013904223u;
        s = double(seed >> 8) / double(1u << 23) - 1.0;
        low = v.smooth * low + (1 - v.smooth) * s;
        s = v.smooth > 0 ? low * (1 + 4 * v.smooth) : s;
        break;
    }
    double env = v.attack > 0 ? std::min(1.0, t / v.attack) : 1.0;
    if (v.decay > 0) env *= std::exp(-t / v.decay);
    const double left = v.duration - t;
    if (left < release) env *= left / release;
    out[first + k] += v.amplitude * env * s;
  }
}

Effect chime(const std::vector<double>& semitones, double gap, double length, double amp) {
  Effect e;
  for (size_t i = 0; i < semitones.size(); ++i)
    e.push_back({.start = gap * double(i),
                 .duration = length,
                 .from = note(semitones[i]),
                 .amplitude = amp,
                 .decay = length / 2.5});
  return e;
}

Effect buzz(double from, double to, double start, double length) {
  return {{.start = start,
           .duration = length,
           .from = from,
           .to = to,
           .wave = Wave::Square,
           .amplitude = 0.22,
           .attack = 0.01,
           .decay = length * 1.5}};
}

Effect hiss(double length, double amp) {
  return {{.duration = length,
           .wave = Wave::Noise,
           .amplitude = amp,
           .attack = length / 3,
           .smooth = 0.85}};
}

const std::map<std::string, std::function<Effect()>>& recipes() {
  static const std::map<std::string, std::function<Effect()>> table = [] {
    std::map<std::string, std::function<Effect()>> t;
    // Buttons and answer boxes.
    t["click"] = [] {
      return Effect{
          {.duration = 0.012,
           .wave = Wave::Noise,
           .amplitude = 0.5,
           .attack = 0.0005,
           .decay = 0.003},
          {.duration = 0.03, .from = 2200, .amplitude = 0.45, .attack = 0.0005, .decay = 0.006}};
    };
    t["gq_click"] = [] {
      return Effect{
          {.duration = 0.05, .from = 1400, .amplitude = 0.5, .attack = 0.001, .decay = 0.01},
          {.duration = 0.03, .from = 2800, .amplitude = 0.2, .attack = 0.001, .decay = 0.006}};
    };
    // Dropping a word, and the punctuation marks dropped into gaps.
    t["gq_drop"] = [] {
      return Effect{{.duration = 0.15, .from = 700, .to = 220, .amplitude = 0.6, .decay = 0.05}};
    };
    t["pq_blank"] = [] {
      return Effect{{.duration = 0.12, .from = 330, .to = 290, .amplitude = 0.6, .decay = 0.04}};
    };
    t["pq_stop"] = [] {
      return Effect{{.duration = 0.08, .from = 880, .amplitude = 0.55, .decay = 0.02}};
    };
    t["pq_comma"] = [] { return chime({7, 14}, 0.06, 0.07, 0.45); };
    t["pq_qmark"] = [] {
      return Effect{{.duration = 0.2, .from = 500, .to = 950, .amplitude = 0.5, .decay = 0.12}};
    };
    t["pq_excla"] = [] {
      return Effect{
          {.duration = 0.12, .from = 1000, .wave = Wave::Square, .amplitude = 0.3, .decay = 0.05}};
    };
    t["pq_spech"] = [] { return chime({19, 19}, 0.08, 0.05, 0.45); };
    t["pq_appos"] = [] {
      return Effect{{.duration = 0.05, .from = 1500, .amplitude = 0.45, .decay = 0.015}};
    };
    // Quiz: the beams, right and wrong, the count-down, the apparatus.
    t["q_beam"] = [] {
      return Effect{{.duration = 0.9,
                     .from = 200,
                     .to = 1200,
                     .amplitude = 0.45,
                     .attack = 0.05,
                     .vibratoHz = 12,
                     .vibratoDepth = 30},
                    {.duration = 0.9,
                     .from = 100,
                     .to = 600,
                     .wave = Wave::Square,
                     .amplitude = 0.08,
                     .attack = 0.05}};
    };
    t["q_beam2"] = [] {
      return Effect{{.duration = 0.7,
                     .from = 1200,
                     .to = 200,
                     .amplitude = 0.45,
                     .attack = 0.03,
                     .vibratoHz = 10,
                     .vibratoDepth = 25}};
    };
    t["q_right"] = [] { return chime({3, 7, 10, 15}, 0.1, 0.35, 0.4); };
    t["q_wrong"] = [] {
      Effect e = buzz(220, 180, 0, 0.25);
      for (const Voice& v : buzz(165, 130, 0.28, 0.35)) e.push_back(v);
      return e;
    };
    for (int n = 1; n <= 10; ++n)
      t["q_right" + std::to_string(n)] = [n] {
        const double k = n - 1;
        return chime({3 + k, 7 + k, 10 + k}, 0.09, 0.3, 0.4);
      };
    for (int n = 1; n <= 8; ++n)
      t[std::to_string(n) + "r"] = [n] {
        return chime({double(n), double(n) + 4, double(n) + 7}, 0.07, 0.25, 0.4);
      };
    for (int n = 1; n <= 6; ++n)
      t[std::to_string(n) + "w"] = [n] { return buzz(200 + 15 * n, 120 + 10 * n, 0, 0.4); };
    t["timeout1"] = [] {
      Effect e;
      for (int i = 0; i < 3; ++i)
        e.push_back(
            {.start = 0.3 * i, .duration = 0.1, .from = 1000, .amplitude = 0.45, .decay = 0.05});
      return e;
    };
    t["timeout2"] = [] {
      Effect e = buzz(150, 110, 0, 1.2);
      for (const Voice& v : hiss(0.3, 0.2)) e.push_back(v);
      return e;
    };
    t["opengas2"] = [] { return hiss(1.0, 0.25); };
    t["opengas4"] = [] { return hiss(1.5, 0.35); };
    t["opengas5"] = [] {
      Effect e = hiss(1.8, 0.4);
      e.push_back({.start = 1.7,
                   .duration = 0.6,
                   .wave = Wave::Noise,
                   .amplitude = 0.9,
                   .attack = 0.002,
                   .decay = 0.15,
                   .smooth = 0.5});
      return e;
    };
    // The circuit toolbox's short circuit: crackles over a hum.
    t["shortcir"] = [] {
      Effect e{
          {.duration = 0.5, .from = 60, .wave = Wave::Square, .amplitude = 0.15, .attack = 0.01}};
      for (int i = 0; i < 6; ++i)
        e.push_back({.start = 0.07 * i,
                     .duration = 0.04,
                     .wave = Wave::Noise,
                     .amplitude = 0.6,
                     .attack = 0.001,
                     .decay = 0.01});
      return e;
    };
    return t;
  }();
  return table;
}

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = char(std::tolower((unsigned char)c));
  return out;
}

std::string trim(std::string_view s) {
  const size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string_view::npos) return {};
  const size_t b = s.find_last_not_of(" \t\r");
  return std::string(s.substr(a, b - a + 1));
}

void put16(std::string& s, uint16_t v) {
  s += char(v & 0xFF);
  s += char(v >> 8);
}
void put32(std::string& s, uint32_t v) {
  put16(s, uint16_t(v & 0xFFFF));
  put16(s, uint16_t(v >> 16));
}

}  // namespace

std::string pcmWaveFile(const std::vector<int16_t>& samples, int rate) {
  const uint32_t dataBytes = uint32_t(samples.size() * 2);
  std::string f;
  f.reserve(44 + dataBytes);
  f += "RIFF";
  put32(f, 36 + dataBytes);
  f += "WAVEfmt ";
  put32(f, 16);
  put16(f, 1);  // PCM
  put16(f, 1);  // mono
  put32(f, uint32_t(rate));
  put32(f, uint32_t(rate) * 2);  // bytes per second
  put16(f, 2);                   // bytes per frame
  put16(f, 16);                  // bits per sample
  f += "data";
  put32(f, dataBytes);
  for (int16_t s : samples) put16(f, uint16_t(s));
  return f;
}

std::vector<std::string> effectNames() {
  std::vector<std::string> names;
  for (const auto& [name, _] : recipes()) names.push_back(name);
  return names;
}

std::vector<int16_t> synthesiseEffect(std::string_view name, int rate) {
  const auto it = recipes().find(lower(name));
  if (it == recipes().end()) return {};
  std::vector<double> mix;
  for (const Voice& v : it->second()) render(mix, v, rate);
  std::vector<int16_t> out(mix.size());
  std::transform(mix.begin(), mix.end(), out.begin(),
                 [](double s) { return int16_t(std::lround(std::clamp(s, -1.0, 1.0) * 26000.0)); });
  return out;
}

std::vector<int16_t> silenceFor(std::string_view text, int rate) {
  // About 14 characters a second, as a calm reading voice.
  const double seconds = 0.4 + double(text.size()) / 14.0;
  return std::vector<int16_t>(size_t(seconds * rate), 0);
}

std::vector<SoundLine> parseSoundList(const std::string& text, const std::string& fileName,
                                      std::vector<CompileMessage>& messages) {
  std::vector<SoundLine> lines;
  std::istringstream in(text);
  std::string raw;
  int number = 0;
  while (std::getline(in, raw)) {
    ++number;
    const std::string line = trim(raw);
    if (line.empty() || line[0] == '#') continue;
    auto problem = [&](const std::string& what) { messages.push_back({fileName, number, what}); };
    const size_t eq = line.find('=');
    if (eq == std::string::npos) {
      problem("expected PATH = effect NAME or PATH = speech TEXT");
      continue;
    }
    SoundLine s;
    s.line = number;
    s.path = trim(line.substr(0, eq));
    const std::string rest = trim(line.substr(eq + 1));
    const size_t blank = rest.find(' ');
    const std::string kind = lower(rest.substr(0, blank));
    s.what = blank == std::string::npos ? std::string() : trim(rest.substr(blank + 1));
    const bool leaves = s.path.empty() || s.path[0] == '/' ||
                        s.path.find('\\') != std::string::npos ||
                        ("/" + s.path + "/").find("/../") != std::string::npos;
    if (leaves) {
      problem("the sound's path must lie below the content root, written with \"/\": " + s.path);
      continue;
    }
    if (kind == "effect") {
      if (!recipes().count(lower(s.what))) {
        problem("unknown effect \"" + s.what + "\"");
        continue;
      }
    } else if (kind == "speech") {
      s.speech = true;
      if (s.what.empty()) {
        problem("a speech line needs the text to speak");
        continue;
      }
    } else {
      problem("unknown sound kind \"" + kind + "\" (effect or speech)");
      continue;
    }
    lines.push_back(std::move(s));
  }
  return lines;
}

}  // namespace vintara
