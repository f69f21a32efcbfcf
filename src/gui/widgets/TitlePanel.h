#pragma once
#include <QWidget>

class QLabel;

// The title area at the top of the windows: the product code in large grey type and a
// description label below it.
class TitlePanel : public QWidget {
  Q_OBJECT
public:
  TitlePanel(const QString &sw_code, QWidget *parent);
  QLabel *L_SW_Code;
  QLabel *L_SW_Desc;
};
