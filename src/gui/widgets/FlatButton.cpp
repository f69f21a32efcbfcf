#include "widgets/FlatButton.h"

namespace {
QString Style_For(FlatButton::Kind kind) {
  QString style = QStringLiteral(
      "QPushButton { background-color: #F8F7ED; border: 1px solid #C8C4B0; border-radius: 2px;"
      " color: #404040; %1 }"
      "QPushButton:hover { background-color: #FFF1DC; border-color: #FF8000; }"
      "QPushButton:pressed { background-color: #FF8000; color: white; }"
      "QPushButton:disabled { color: #A0A0A0; }");
  return style.arg(kind == FlatButton::Kind::Workflow ? QStringLiteral("text-align: left;"
                                                                       " padding-left: 6px;")
                                                      : QString());
}
} // namespace

FlatButton::FlatButton(Kind kind, const QIcon &glyph, QWidget *parent) : QPushButton(parent) {
  setIcon(glyph);
  setStyleSheet(Style_For(kind));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(kind == Kind::Icon ? Qt::NoFocus : Qt::StrongFocus);
  if (kind == Kind::Icon)
    setIconSize(QSize(32, 32));
  else if (kind == Kind::Workflow)
    setIconSize(QSize(24, 24));
}
