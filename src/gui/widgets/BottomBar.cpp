#include "widgets/BottomBar.h"

#include "widgets/FlatButton.h"

namespace {
constexpr int Button_Width = 110, Button_Height = 28, Button_Top = 6, Gap = 8, Margin = 16;
}

BottomBar::BottomBar(QWidget *parent) : QWidget(parent) {
  setFixedHeight(40);
  Btn_OK = new FlatButton(FlatButton::Kind::Plain, QIcon(), this);
  Btn_Cancel = new FlatButton(FlatButton::Kind::Plain, QIcon(), this);
  for (FlatButton *button : {Btn_OK, Btn_Cancel})
    button->setAutoDefault(false);
}

void BottomBar::Place_Buttons(int ok_left, int cancel_left) {
  Btn_OK->setGeometry(ok_left, Button_Top, Button_Width, Button_Height);
  Btn_Cancel->setGeometry(cancel_left, Button_Top, Button_Width, Button_Height);
}

void BottomBar::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  if (!keep_right_)
    return;
  const int cancel_left = width() - Margin - Button_Width;
  Place_Buttons(cancel_left - Gap - Button_Width, cancel_left);
}
