#include "localisation/MessageTable.h"

namespace {
const std::string Blank = " ";
}

const std::string &MessageTable::Text(int index) const {
  if (index < 0 || index >= Size())
    return Blank;
  return texts_[static_cast<size_t>(index)];
}

void MessageTable::Set(int index, std::string text) {
  if (index >= 0 && index < Size())
    texts_[static_cast<size_t>(index)] = std::move(text);
}
