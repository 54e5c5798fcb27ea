#include "engine/numbers.h"

#include <charconv>
#include <cmath>
#include <string>

namespace vintara {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }

double parseBase(std::string_view s, size_t i, int base) {
  double v = 0;
  bool any = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    int d;
    if (isDigit(c)) d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else break;
    if (d >= base) break;
    v = v * base + d;
    any = true;
  }
  if (!any) return 0;
  // Values that fit 16 or 32 bits are read as signed, as the system does.
  if (v <= 65535 && v > 32767) return v - 65536;
  if (v <= 4294967295.0 && v > 2147483647.0) return v - 4294967296.0;
  return v;
}

// Converts the characters of a decimal number (sign, digits, `point`,
// digits, "e"/"d" exponent) to a double. The text is copied into a small
// buffer in the form from_chars reads; long texts use the heap.
double convertDecimal(std::string_view number, char point, bool& overflow) {
  char small[64];
  std::string large;
  char* buf = small;
  if (number.size() >= sizeof small) {
    large.resize(number.size());
    buf = large.data();
  }
  size_t n = 0;
  for (char c : number) {
    if (c == '+') continue;  // from_chars takes no plus sign
    if (c == point) c = '.';
    else if (c == 'd' || c == 'D') c = 'e';
    buf[n++] = c;
  }
  double out = 0;
  auto res = std::from_chars(buf, buf + n, out);
  if (res.ec == std::errc::result_out_of_range) {
    // Tiny values underflow to 0; huge ones overflow.
    const size_t e = std::string_view(buf, n).find('e');
    const bool tiny = e != std::string_view::npos && e + 1 < n && buf[e + 1] == '-';
    if (tiny) return 0;
    overflow = true;
    return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
  }
  return out;
}

// Reads sign, digits, point, digits and exponent from s at i; the point is
// `point`. Returns the end position (i when nothing numeric was read).
size_t scanDecimal(std::string_view s, size_t i, char point, double& out, bool& overflow) {
  const size_t start = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == point) {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) {
    out = 0;
    return start;
  }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    size_t expDigits = 0;
    while (j < s.size() && isDigit(s[j])) ++j, ++expDigits;
    if (expDigits) i = j;
  }
  out = convertDecimal(s.substr(start, i - start), point, overflow);
  return i;
}

double leadingFrom(std::string_view s, bool* overflow) {
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'h' || s[1] == 'H') return parseBase(s, 2, 16);
    if (s[1] == 'o' || s[1] == 'O') return parseBase(s, 2, 8);
    return 0;
  }
  double v = 0;
  bool over = false;
  scanDecimal(s, 0, '.', v, over);
  if (over || !std::isfinite(v)) {
    if (overflow) *overflow = true;
    return 0;
  }
  return v;
}
}  // namespace

double leadingNumberValue(std::string_view text, bool* overflow) {
  if (overflow) *overflow = false;
  bool clean = true;
  for (char c : text)
    if (isIgnored(c)) {
      clean = false;
      break;
    }
  if (clean) return leadingFrom(text, overflow);
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (!isIgnored(c)) s += c;
  return leadingFrom(s, overflow);
}

std::optional<double> strictNumber(std::string_view text, char decimalSeparator) {
  size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  const std::string_view s = text.substr(b, e - b);
  if (s.empty()) return std::nullopt;
  double v = 0;
  bool overflow = false;
  const size_t end = scanDecimal(s, 0, decimalSeparator, v, overflow);
  if (end != s.size() || overflow || !std::isfinite(v)) return std::nullopt;
  return v;
}

double roundHalfEven(double v) { return std::nearbyint(v); }

std::optional<int> toInt16(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  const double r = roundHalfEven(v);
  if (r < -32768 || r > 32767) return std::nullopt;
  return int(r);
}

std::optional<int32_t> toInt32(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  const double r = roundHalfEven(v);
  if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
  return int32_t(r);
}

}  // namespace vintara
