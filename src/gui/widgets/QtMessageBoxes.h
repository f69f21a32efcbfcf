#pragma once
#include <QPointer>
#include <QWidget>

#include "common/MessageBoxes.h"

// Shows the program's boxes as modal QMessageBox dialogs over the active window.
class QtMessageBoxes : public MessageBoxes {
public:
  void Error(int message, const std::string &text) override;
  void Warning(int message, const std::string &text) override;
  bool Confirm(int message, const std::string &text) override;
};
