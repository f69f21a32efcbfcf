#pragma once
#include <QWidget>

class FlatButton;

// The 40-pixel bar at the bottom of a dialog with its OK and Cancel buttons (110 x 28).
class BottomBar : public QWidget {
  Q_OBJECT
public:
  explicit BottomBar(QWidget *parent);
  // Places the buttons at fixed positions from the left.
  void Place_Buttons(int ok_left, int cancel_left);
  // Keeps both buttons at the right edge whatever the width.
  void Keep_Buttons_Right(bool keep) { keep_right_ = keep; }
  FlatButton *Btn_OK;
  FlatButton *Btn_Cancel;

protected:
  void resizeEvent(QResizeEvent *event) override;

private:
  bool keep_right_ = false;
};
