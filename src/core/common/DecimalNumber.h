#pragma once
#include <string_view>

// The decimal separator of the user's numeric locale: "," or ".". It is "," when the locale
// cannot be read or names any other character.
char Decimal_Separator();

// Reads a decimal number typed with either "." or "," as its decimal separator: every "." and ","
// is first turned into `separator`, so three and a half reads as 3.5 either way. Blanks around
// the number and an exponent are allowed; thousands separators, a second separator, "inf", "nan"
// and a value too large for single precision are not. On failure `value` becomes 1.0.
bool Text_To_Float(std::string_view text, char separator, float &value);
