#pragma once
#include <QDialog>
#include <string>
#include <vector>

class BottomBar;
class FlatButton;
class QLabel;
class QListWidget;
class TitlePanel;
struct Workspace;

// Open Configuration: lists the project folders and lets the user choose one.
class TFOpenConf : public QDialog {
  Q_OBJECT
public:
  TFOpenConf(Workspace &workspace, QWidget *parent);
  void Set_Lang();
  void Load_Existing_Configuration();
  int Search_Open_Conf(const std::string &snc) const;

  // The project names found, in the order shown.
  std::vector<std::string> SL;
  // The selected name; empty when nothing is selected.
  std::string Name_Conf;

  TitlePanel *P_Title;
  QLabel *Label1;
  QListWidget *ListBox1;
  BottomBar *P_Bottom;
  FlatButton *Btn_OK;
  FlatButton *Btn_Cancel;

protected:
  void showEvent(QShowEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;

private:
  void Select_Active_Project();
  // The list stretches with the window on all four sides; the buttons stay at the right.
  void Lay_Out();

  Workspace &workspace_;
};
