#include "engine/script_text.h"

#include <algorithm>
#include <cmath>

#include "engine/numbers.h"
#include "engine/player.h"
#include "engine/script_errors.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {
// Copies a parameter into its item, without blanks when `strip` is set;
// the item's storage is reused.
void assignItem(std::string& item, std::string_view piece, bool strip) {
  if (!strip || piece.find(' ') == std::string_view::npos) {
    item.assign(piece);
    return;
  }
  item.clear();
  for (char c : piece)
    if (c != ' ') item += c;
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }
}  // namespace

bool keepsBlanks(std::string_view word) {
  static constexpr std::string_view kExempt[] = {"picture", "mutiplechoice", "multiplechoice",
                                                 "backdrop", "data",          "option",
                                                 "print",    "popdown",       "quizright"};
  for (std::string_view w : kExempt)
    if (equalsIgnoreCase(word, w)) return true;
  return false;
}

void readScriptLine(EngineState& e, std::string& line) {
  if (e.scriptPos == 0) e.scriptPos = e.scriptEnd;
  const std::string& t = e.scriptText;
  const size_t from = size_t(std::max(1, e.scriptPos) - 1);
  if (from < t.size()) {
    const size_t cr = t.find(kCR, from);
    line.assign(t, from, cr == std::string::npos ? std::string::npos : cr - from);
  } else {
    line.clear();
  }
  e.lineStart = e.scriptPos;
  e.scriptPos = e.lineStart + int(line.size()) + 2;
}

std::string readScriptLine(EngineState& e) {
  std::string line;
  readScriptLine(e, line);
  return line;
}

bool tokenizeCommand(EngineState& e, std::string_view line) {
  const size_t blank = line.find(' ');
  if (blank == std::string_view::npos) {
    e.cmdItemCount = 0;
    e.cmdItems[0].assign(line.size() > 1 ? line.substr(1) : std::string_view());
    return true;
  }
  // Count the parameters first so that a line with too many changes nothing.
  const std::string_view rest = line.substr(blank + 1);
  if (std::count(rest.begin(), rest.end(), ',') + 1 > kMaxCmdItems) return false;

  const std::string_view word = line.substr(1, blank - 1);
  e.cmdItems[0].assign(word);
  const bool strip = !keepsBlanks(word);
  int n = 0;
  size_t s = 0;
  for (;;) {
    const size_t c = rest.find(',', s);
    assignItem(e.cmdItems[size_t(++n)], rest.substr(s, c == std::string_view::npos ? c : c - s), strip);
    if (c == std::string_view::npos) break;
    s = c + 1;
  }
  e.cmdItemCount = n;
  if (equalsIgnoreCase(word, "loopprint")) {
    const int half = int(roundHalfEven(n / 2.0));
    for (int i = 1; i <= half; ++i) std::swap(e.cmdItems[size_t(i)], e.cmdItems[size_t(n - i + 1)]);
  }
  return true;
}

int numericParam(Player& p, std::string_view text) {
  if (text.empty()) return 0;
  const unsigned char first = lowerChar((unsigned char)text[0]);
  if (first < 'a') {
    bool overflow = false;
    double v = leadingNumberValue(text, &overflow);
    if (overflow) v = text.find('-') < text.find_first_of("0123456789") ? -HUGE_VAL : HUGE_VAL;
    if (auto n = toInt16(v)) return *n;
    scriptError(p, "the number " + std::string(text) + " does not fit 16 bits (-32768 to 32767)");
    return v < 0 ? -32768 : 32767;
  }
  if (first > 'z') {
    scriptError(p, quoted(text) + " is neither a number nor a variable a to z");
    return 0;
  }
  return p.engine.scriptVars[size_t(first - 'a' + 1)];
}

std::optional<double> readStrict(Player& p, std::string_view text) {
  if (auto v = strictNumber(text, p.text.decimalSeparator)) return v;
  scriptError(p, quoted(text) + " is not a number");
  return std::nullopt;
}

std::optional<int> readStrictInt16(Player& p, std::string_view text) {
  auto v = readStrict(p, text);
  if (!v) return std::nullopt;
  if (auto n = toInt16(*v)) return n;
  scriptError(p, "the number " + std::string(text) + " does not fit 16 bits (-32768 to 32767)");
  return *v < 0 ? -32768 : 32767;
}

double strictParam(Player& p, std::string_view text, double fallback) {
  return readStrict(p, text).value_or(fallback);
}

int strictInt16(Player& p, std::string_view text, int fallback) {
  return readStrictInt16(p, text).value_or(fallback);
}

std::string getParameterString(int index, std::string_view text) {
  if (index < 1) return {};
  size_t s = 0;
  for (int field = 1;; ++field) {
    const size_t c = text.find(',', s);
    if (c == std::string_view::npos) {
      if (field != index) return {};
      return std::string(text.substr(s, 999));
    }
    if (field == index) return std::string(text.substr(s, c - s));
    s = c + 1;
  }
}

std::string commandItem(const Player& p, int i) {
  const EngineState& e = p.engine;
  return i >= 0 && i <= e.cmdItemCount && i <= kMaxCmdItems ? e.cmdItems[size_t(i)] : std::string();
}

std::string joinParams(const EngineState& e, int from) {
  if (from < 0 || from > kMaxCmdItems) return {};
  std::string out = e.cmdItems[size_t(from)];
  for (int i = from + 1; i <= e.cmdItemCount; ++i) out += "," + e.cmdItems[size_t(i)];
  return out;
}

int findLabel(EngineState& e, std::string_view label) {
  std::string line;
  while (e.scriptPos <= e.scriptEnd) {
    readScriptLine(e, line);
    if (equalsIgnoreCase(line, label)) return e.scriptPos;
  }
  return 0;
}

int peekLabel(EngineState& e, std::string_view label) {
  const int pos = e.scriptPos, lineStart = e.lineStart;
  const int found = findLabel(e, label);
  e.scriptPos = pos;
  e.lineStart = lineStart;
  return found;
}

void replaceLine(EngineState& e, int position, std::string_view newText) {
  std::string& t = e.scriptText;
  const size_t keep = size_t(std::clamp(position, 0, int(t.size())));
  // The CR ending the replaced line: searched from the character before it,
  // as the line starts just after `position`.
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
