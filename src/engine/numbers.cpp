#include "engine/numbers.h"

#include <charconv>
#include <cmath>
#include <string>

namespace vintara {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }

double parseBase(const std::string& s, size_t i, int base) {
  double v = 0;
  bool any = false;
  for (; i < s.size(); ++i) {
    char c = s[i];
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

// Reads sign, digits, point, digits and exponent from s at i; the point is
// `point`. Returns the end position (i when nothing numeric was read).
size_t scanDecimal(const std::string& s, size_t i, char point, double& out) {
  size_t start = i;
  std::string buf;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) buf += s[i++];
  size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) { buf += s[i++]; ++digits; }
  if (i < s.size() && s[i] == point) {
    ++i;
    buf += '.';
    while (i < s.size() && isDigit(s[i])) { buf += s[i++]; ++digits; }
  }
  if (digits == 0) { out = 0; return start; }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    size_t j = i + 1;
    std::string exp = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp += s[j++];
    size_t expDigits = 0;
    while (j < s.size() && isDigit(s[j])) { exp += s[j++]; ++expDigits; }
    if (expDigits) { buf += exp; i = j; }
  }
  // from_chars, not strtod: the C locale of a Qt program follows the user's.
  const char* first = buf.c_str();
  if (*first == '+') ++first;
  auto res = std::from_chars(first, buf.c_str() + buf.size(), out);
  if (res.ec == std::errc::result_out_of_range) out = (buf[0] == '-') ? -HUGE_VAL : HUGE_VAL;
  return i;
}
}  // namespace

double leadingNumberValue(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') s += c;
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'h' || s[1] == 'H') return parseBase(s, 2, 16);
    if (s[1] == 'o' || s[1] == 'O') return parseBase(s, 2, 8);
    return 0;
  }
  double v = 0;
  scanDecimal(s, 0, '.', v);
  if (!std::isfinite(v)) return 0;
  return v;
}

std::optional<double> strictNumber(std::string_view text, char decimalSeparator) {
  size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  std::string s(text.substr(b, e - b));
  if (s.empty()) return std::nullopt;
  double v = 0;
  size_t end = scanDecimal(s, 0, decimalSeparator, v);
  if (end != s.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

double roundHalfEven(double v) { return std::nearbyint(v); }

std::optional<int> toInt16(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  double r = roundHalfEven(v);
  if (r < -32768 || r > 32767) return std::nullopt;
  return int(r);
}

std::optional<int32_t> toInt32(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  double r = roundHalfEven(v);
  if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
  return int32_t(r);
}

}  // namespace vintara
