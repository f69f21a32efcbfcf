#pragma once
#include <deque>
#include <string>
#include <vector>

#include "common/MessageBoxes.h"

// Records every box and answers questions from a script (No when the script runs dry).
class RecordingMessageBoxes : public MessageBoxes {
public:
  enum class Kind { Error, Warning, Confirm };
  struct Shown {
    Kind kind;
    int message;
    std::string text;
  };

  void Error(int message, const std::string &text) override {
    shown.push_back({Kind::Error, message, text});
  }
  void Warning(int message, const std::string &text) override {
    shown.push_back({Kind::Warning, message, text});
  }
  bool Confirm(int message, const std::string &text) override {
    shown.push_back({Kind::Confirm, message, text});
    if (answers.empty())
      return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }

  // Indices of the boxes shown so far, in order.
  std::vector<int> Messages() const {
    std::vector<int> indices;
    for (const Shown &box : shown)
      indices.push_back(box.message);
    return indices;
  }

  std::vector<Shown> shown;
  std::deque<bool> answers;
};
