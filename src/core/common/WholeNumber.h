#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// Reads a whole number the way every numeric table cell and project value is read: blanks before
// the digits are allowed, then an optional sign and decimal digits up to the end of the text.
// Trailing blanks, any other character, the empty text and a value outside the 32-bit signed
// range are not a number.
std::optional<int32_t> Whole_Number(std::string_view text);
