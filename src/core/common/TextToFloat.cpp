#include "common/DecimalNumber.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool Is_Digit(char c) {
  return c >= '0' && c <= '9';
}

// Anything from here on rounds to infinity in single precision (half an ulp above the largest
// finite float).
constexpr double Float_Overflow = 0x1.ffffffp127;

} // namespace

bool Text_To_Float(std::string_view text, char separator, float &value) {
  value = 1.0f;
  size_t at = 0;
  const size_t size = text.size();
  while (at < size && text[at] == ' ')
    ++at;
  // The number is copied with "." as its separator so that the conversion below needs no locale.
  std::string number;
  if (at < size && (text[at] == '+' || text[at] == '-'))
    number += text[at++];
  size_t digits = 0;
  // Decimal order of the first non-zero digit, to tell overflow from underflow.
  long order = 0;
  bool seen_nonzero = false;
  bool seen_point = false;
  for (; at < size; ++at) {
    const char c = text[at];
    if (Is_Digit(c)) {
      number += c;
      ++digits;
      if (c != '0')
        seen_nonzero = true;
      if (!seen_point && seen_nonzero)
        ++order;
      else if (seen_point && !seen_nonzero)
        --order;
    } else if ((c == '.' || c == ',') && !seen_point) {
      // Every "." and "," counts as `separator`; no other character is a decimal separator.
      if (separator != '.' && separator != ',')
        return false;
      number += '.';
      seen_point = true;
    } else {
      break;
    }
  }
  if (digits == 0)
    return false;
  if (at < size && (text[at] == 'e' || text[at] == 'E')) {
    number += 'e';
    ++at;
    bool negative_exponent = false;
    if (at < size && (text[at] == '+' || text[at] == '-')) {
      negative_exponent = text[at] == '-';
      number += text[at++];
    }
    size_t exponent_digits = 0;
    long exponent = 0;
    for (; at < size && Is_Digit(text[at]); ++at) {
      number += text[at];
      ++exponent_digits;
      if (exponent < 100000)
        exponent = exponent * 10 + (text[at] - '0');
    }
    if (exponent_digits == 0)
      return false;
    order += negative_exponent ? -exponent : exponent;
  }
  while (at < size && text[at] == ' ')
    ++at;
  if (at != size)
    return false;

  double parsed = 0.0;
  const char *first = number.data();
  if (*first == '+')
    ++first;
  const auto [end, error] = std::from_chars(first, number.data() + number.size(), parsed);
  if (error == std::errc::result_out_of_range) {
    if (order > 0)
      return false;
    parsed = number[0] == '-' ? -0.0 : 0.0;
  } else if (error != std::errc() || end != number.data() + number.size()) {
    return false;
  }
  if (std::fabs(parsed) >= Float_Overflow)
    return false;
  value = static_cast<float>(parsed);
  return true;
}
