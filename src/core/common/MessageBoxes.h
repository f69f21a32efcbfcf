#pragma once
#include <string>

// Every box the program shows goes through this interface. The application shows real modal
// boxes; tests install a recorder that answers scripted questions and records what was shown.
// `message` is the message-table index of the text, or Platform_Text for a system's own text.
class MessageBoxes {
public:
  static constexpr int Platform_Text = -1;

  virtual ~MessageBoxes() = default;
  // Error icon, OK button.
  virtual void Error(int message, const std::string &text) = 0;
  // Warning icon, OK button.
  virtual void Warning(int message, const std::string &text) = 0;
  // Question with Yes and No; true for Yes.
  virtual bool Confirm(int message, const std::string &text) = 0;
};
