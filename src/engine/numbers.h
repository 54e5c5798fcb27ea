// The two ways scripts write numbers, and the engine's rounding.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vintara {

// The leading number of a text: blanks, tabs and line feeds anywhere are
// ignored; then an optional sign, digits, an optional "." and digits, and an
// optional exponent ("E" or "D", either case, optional sign, digits) are read
// as far as they go. "&H" + hexadecimal digits and "&O" + octal digits are
// read in that base (values that fit 16 or 32 bits unsigned are taken as
// signed, so "&HFFFF" is -1). A text that does not start with a number gives
// 0. The point is always ".", whatever the locale. A number too large for a
// double gives 0 and sets *overflow when it is given.
double leadingNumberValue(std::string_view text, bool* overflow = nullptr);

// The number a text holds (strict): the whole text apart from leading and
// trailing blanks must be a number in the locale's notation (its decimal
// separator): sign, digits, separator, digits, exponent. Nothing otherwise.
std::optional<double> strictNumber(std::string_view text, char decimalSeparator);

// Rounds to the nearest integer, halves to the even neighbour.
double roundHalfEven(double v);

// Rounded 16-bit / 32-bit integer, or nothing when out of range (or not a
// finite number).
std::optional<int> toInt16(double v);
std::optional<int32_t> toInt32(double v);

}  // namespace vintara
