#include "engine/script_text.h"

#include <algorithm>
#include <cmath>

#include "engine/numbers.h"
#include "engine/player.h"
#include "engine/script_errors.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {
// The commands that keep the blanks of their parameters.
bool keepsBlanks(std::string_view lowerWord) {
  static constexpr std::string_view kExempt[] = {"picture", "mutiplechoice", "multiplechoice",
                                                 "backdrop", "data",          "option",
                                                 "print",    "popdown",       "quizright"};
  return std::find(std::begin(kExempt), std::end(kExempt), lowerWord) != std::end(kExempt);
}

std::string withoutBlanks(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (c != ' ') out += c;
  return out;
}
}  // namespace

std::string readScriptLine(EngineState& e) {
  if (e.scriptPos == 0) e.scriptPos = e.scriptEnd;
  const std::string& t = e.scriptText;
  const size_t from = size_t(std::max(1, e.scriptPos) - 1);
  std::string line;
  if (from < t.size()) {
    size_t cr = t.find(kCR, from);
    line = t.substr(from, cr == std::string::npos ? std::string::npos : cr - from);
  }
  e.lineStart = e.scriptPos;
  e.scriptPos = e.lineStart + int(line.size()) + 2;
  return line;
}

bool tokenizeCommand(EngineState& e, std::string_view line) {
  const size_t blank = line.find(' ');
  if (blank == std::string_view::npos) {
    e.cmdItemCount = 0;
    e.cmdItems[0] = std::string(line.size() > 1 ? line.substr(1) : std::string_view());
    return true;
  }
  // Count the parameters first so that a line with too many changes nothing.
  const std::string_view rest = line.substr(blank + 1);
  if (std::count(rest.begin(), rest.end(), ',') + 1 > kMaxCmdItems) return false;

  e.cmdItemCount = 0;
  e.cmdItems[0] = std::string(line.substr(1, blank - 1));
  size_t s = 0;
  for (size_t c; (c = rest.find(',', s)) != std::string_view::npos; s = c + 1)
    e.cmdItems[size_t(++e.cmdItemCount)] = std::string(rest.substr(s, c - s));
  e.cmdItems[size_t(++e.cmdItemCount)] = std::string(rest.substr(s));

  const std::string word = toLower(e.cmdItems[0]);
  if (!keepsBlanks(word))
    for (int i = 1; i <= e.cmdItemCount; ++i) e.cmdItems[size_t(i)] = withoutBlanks(e.cmdItems[size_t(i)]);
  if (word == "loopprint") {
    const int half = int(roundHalfEven(e.cmdItemCount / 2.0));
    for (int i = 1; i <= half; ++i)
      std::swap(e.cmdItems[size_t(i)], e.cmdItems[size_t(e.cmdItemCount - i + 1)]);
  }
  return true;
}

int numericParam(Player& p, std::string_view text) {
  if (text.empty()) return 0;
  const unsigned char first = lowerChar((unsigned char)text[0]);
  if (first < 'a') {
    const double v = leadingNumberValue(text);
    if (auto n = toInt16(v)) return *n;
    scriptError(p, "the number " + std::string(text) + " does not fit 16 bits");
    return v < 0 ? -32768 : 32767;
  }
  if (first > 'z') {
    scriptError(p, "\"" + std::string(text) + "\" is neither a number nor a variable a to z");
    return 0;
  }
  return p.engine.scriptVars[size_t(first - 'a' + 1)];
}

double strictParam(Player& p, std::string_view text, double fallback) {
  if (auto v = strictNumber(text, p.text.decimalSeparator)) return *v;
  scriptError(p, "\"" + std::string(text) + "\" is not a number");
  return fallback;
}

int strictInt16(Player& p, std::string_view text, int fallback) {
  auto v = strictNumber(text, p.text.decimalSeparator);
  if (!v) {
    scriptError(p, "\"" + std::string(text) + "\" is not a number");
    return fallback;
  }
  if (auto n = toInt16(*v)) return *n;
  scriptError(p, "the number " + std::string(text) + " does not fit 16 bits");
  return *v < 0 ? -32768 : 32767;
}

std::string getParameterString(int index, std::string_view text) {
  if (index < 1) return {};
  size_t s = 0;
  for (int field = 1;; ++field) {
    size_t c = text.find(',', s);
    if (c == std::string_view::npos) {
      if (field != index) return {};
      return std::string(text.substr(s, 999));
    }
    if (field == index) return std::string(text.substr(s, c - s));
    s = c + 1;
  }
}

std::string joinParams(const EngineState& e, int from) {
  if (from < 0 || from > kMaxCmdItems) return {};
  std::string out = e.cmdItems[size_t(from)];
  for (int i = from + 1; i <= e.cmdItemCount; ++i) out += "," + e.cmdItems[size_t(i)];
  return out;
}

int findLabel(EngineState& e, std::string_view label) {
  while (e.scriptPos <= e.scriptEnd) {
    std::string line = readScriptLine(e);
    if (toLower(line) == label) return e.scriptPos;
  }
  return 0;
}

void replaceLine(EngineState& e, int position, std::string_view newText) {
  std::string& t = e.scriptText;
  const size_t keep = size_t(std::clamp(position, 0, int(t.size())));
  const size_t cr = t.find(kCR, keep == 0 ? 0 : keep - 1);
  std::string tail = cr == std::string::npos ? std::string() : t.substr(cr + 1);
  t = t.substr(0, keep) + std::string(newText) + kCR + tail;
}

std::string StripTerminator(std::string_view text) {
  return std::string(text.substr(0, text.find('\0')));
}

int currentLineNumber(const EngineState& e) {
  const size_t upto = std::min(e.scriptText.size(), size_t(std::max(1, e.lineStart) - 1));
  return 1 + int(std::count(e.scriptText.begin(), e.scriptText.begin() + long(upto), kCR));
}

}  // namespace vintara
