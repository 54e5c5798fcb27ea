// Windows-1252 <-> UTF-8, and the lower-casing the engine uses.
//
// Content and pupil files are single-byte Windows-1252 and stay bytes inside
// the core; file names on disk and the window system use UTF-8/Unicode, so
// text is converted only where it leaves the core.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

// Unicode code point of a Windows-1252 byte (undefined bytes map to
// themselves, as the C1 controls).
char32_t cp1252ToUnicode(unsigned char c);
std::string cp1252ToUtf8(std::string_view text);
// Characters with no Windows-1252 form become "?".
std::string utf8ToCp1252(std::string_view text);

// Lower case of a Windows-1252 character / text (A-Z and the accented
// capitals of the upper half; the multiplication sign 215 is left alone).
unsigned char lowerChar(unsigned char c);
std::string toLower(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace vintara
