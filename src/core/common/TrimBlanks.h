#pragma once
#include <string_view>

// Removes blanks and control characters (everything up to the blank) from both ends, as typed
// texts and language-file lines are trimmed.
inline std::string_view Trim_Blanks(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
    text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
    text.remove_suffix(1);
  return text;
}
