#pragma once
#include <QDialog>

class BottomBar;
class FlatButton;
class MessageBoxes;
class QLabel;
class QLineEdit;
class TitlePanel;
struct Workspace;

// New Configuration: asks for a name and creates the project folder under PROJECTS.
class TFNew_Project : public QDialog {
  Q_OBJECT
public:
  TFNew_Project(Workspace &workspace, MessageBoxes &boxes, QWidget *parent);
  void Set_Lang();

  TitlePanel *P_Title;
  QLabel *Label1;
  QLineEdit *E_New_Proj;
  BottomBar *P_Bottom;
  FlatButton *Btn_OK;
  FlatButton *Btn_Cancel;

public slots:
  void Btn_OKClick();

protected:
  void showEvent(QShowEvent *event) override;

private:
  Workspace &workspace_;
  MessageBoxes &boxes_;
};
