#include "widgets/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QWidget *Owner() {
  return QApplication::activeWindow();
}
QString Q(const std::string &text) {
  return QString::fromStdString(text);
}
} // namespace

void QtMessageBoxes::Error(int, const std::string &text) {
  QMessageBox::critical(Owner(), QStringLiteral("Error"), Q(text));
}

void QtMessageBoxes::Warning(int, const std::string &text) {
  QMessageBox::warning(Owner(), QStringLiteral("Warning"), Q(text));
}

bool QtMessageBoxes::Confirm(int, const std::string &text) {
  return QMessageBox::question(Owner(), QStringLiteral("Confirm"), Q(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
