#pragma once
#include <string>
#include <vector>

// Every user-visible text by number. Indices 0 .. Message_Count - 1 always exist; an index
// without a text holds the blank " ".
class MessageTable {
public:
  static constexpr int Message_Count = 2800;

  // The text at `index`; the blank for an index outside the table, so showing a message is
  // always safe.
  const std::string &Text(int index) const;
  void Set(int index, std::string text);
  void Clear() { texts_.clear(); }
  int Size() const { return static_cast<int>(texts_.size()); }
  void Append(std::string text) { texts_.push_back(std::move(text)); }

private:
  std::vector<std::string> texts_;
};
