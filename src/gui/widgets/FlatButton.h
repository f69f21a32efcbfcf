#pragma once
#include <QIcon>
#include <QPushButton>

// A flat push button in the window's colour that turns orange while pressed. A workflow button
// carries a glyph at the left and a left-aligned caption; an icon button carries only its glyph.
class FlatButton : public QPushButton {
  Q_OBJECT
public:
  enum class Kind { Workflow, Icon, Plain };
  FlatButton(Kind kind, const QIcon &glyph, QWidget *parent);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  Kind kind_;
};
