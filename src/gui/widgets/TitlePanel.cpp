#include "widgets/TitlePanel.h"

#include <QLabel>

#include "widgets/Look.h"

TitlePanel::TitlePanel(const QString &sw_code, QWidget *parent) : QWidget(parent) {
  setFixedHeight(69);
  L_SW_Code = Look::Grey_Label(this, false, 32);
  L_SW_Code->setText(sw_code);
  L_SW_Code->move(16, 8);
  L_SW_Code->adjustSize();
  L_SW_Desc = Look::Grey_Label(this, true);
  L_SW_Desc->move(16, 42);
}
