#pragma once
#include <span>
struct DefaultMessage {
  int index;
  const char *text;
};
// Built-in English texts, ascending by index; indices not listed hold " ".
std::span<const DefaultMessage> Default_Message_Texts();
