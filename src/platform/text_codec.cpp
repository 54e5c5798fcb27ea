#include "platform/text_codec.h"

namespace vintara {

namespace {
// Code points of 0x80..0x9F; the five undefined codes keep their own value.
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

int fromUnicode(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return int(cp);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == cp) return 0x80 + i;
  return -1;
}
}  // namespace

char32_t cp1252ToUnicode(unsigned char c) {
  if (c >= 0x80 && c < 0xA0) return kHigh[c - 0x80];
  return c;
}

std::string cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) appendUtf8(out, cp1252ToUnicode(c));
  return out;
}

std::string utf8ToCp1252(std::string_view text) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    unsigned char c = text[i];
    char32_t cp;
    size_t len;
    if (c < 0x80) { cp = c; len = 1; }
    else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; len = 2; }
    else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; len = 3; }
    else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; len = 4; }
    else { out += '?'; ++i; continue; }
    if (i + len > text.size()) { out += '?'; break; }
    bool bad = false;
    for (size_t k = 1; k < len; ++k) {
      unsigned char cc = text[i + k];
      if ((cc & 0xC0) != 0x80) { bad = true; break; }
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (bad) { out += '?'; ++i; continue; }
    int b = fromUnicode(cp);
    out += b < 0 ? '?' : char(b);
    i += len;
  }
  return out;
}

unsigned char lowerChar(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 16;  // S, OE, Z with caron
  if (c == 0x9F) return 0xFF;                             // Y diaeresis
  return c;
}

std::string toLower(std::string_view text) {
  std::string out(text);
  for (auto& c : out) c = char(lowerChar((unsigned char)c));
  return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (lowerChar((unsigned char)a[i]) != lowerChar((unsigned char)b[i])) return false;
  return true;
}

}  // namespace vintara
