#include "common/WholeNumber.h"

std::optional<int32_t> Whole_Number(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && text[at] == ' ')
    ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  if (at == text.size())
    return std::nullopt;
  // Accumulated as a magnitude so that -2147483648 still fits; stops at the first overflow.
  constexpr int64_t limit = int64_t{1} << 31;
  int64_t magnitude = 0;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c < '0' || c > '9')
      return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit)
      return std::nullopt;
  }
  if (!negative && magnitude == limit)
    return std::nullopt;
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}
