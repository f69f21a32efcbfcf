#include "common/MessageFormat.h"

std::string Format_Message(std::string_view message, std::initializer_list<long long> values) {
  std::string out;
  out.reserve(message.size() + 16);
  auto next = values.begin();
  for (size_t i = 0; i < message.size(); ++i) {
    if (message[i] == '%' && i + 1 < message.size() && message[i + 1] == 'd' &&
        next != values.end()) {
      out += std::to_string(*next++);
      ++i;
    } else {
      out += message[i];
    }
  }
  return out;
}
