#include "shell/TFNew_Project.h"

#include <QLabel>
#include <QLineEdit>

#include "common/MessageBoxes.h"
#include "shell/Projects.h"
#include "shell/Workspace.h"
#include "widgets/BottomBar.h"
#include "widgets/FlatButton.h"
#include "widgets/Look.h"
#include "widgets/TitlePanel.h"

using Look::Q;

TFNew_Project::TFNew_Project(Workspace &workspace, MessageBoxes &boxes, QWidget *parent)
    : QDialog(parent), workspace_(workspace), boxes_(boxes) {
  Look::Apply_Window_Look(this);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(331, 162);

  P_Title = new TitlePanel(Q(workspace_.SW_Code), this);
  P_Title->setGeometry(0, 0, 331, 69);
  Label1 = new QLabel(this);
  Label1->move(16, 70);
  E_New_Proj = new QLineEdit(this);
  E_New_Proj->setGeometry(16, 94, 297, 21);
  P_Bottom = new BottomBar(this);
  P_Bottom->setGeometry(0, 162 - 40, 331, 40);
  P_Bottom->Place_Buttons(85, 203);
  Btn_OK = P_Bottom->Btn_OK;
  Btn_Cancel = P_Bottom->Btn_Cancel;

  connect(Btn_OK, &QPushButton::clicked, this, &TFNew_Project::Btn_OKClick);
  connect(E_New_Proj, &QLineEdit::returnPressed, this, &TFNew_Project::Btn_OKClick);
  connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  Set_Lang();
}

void TFNew_Project::Set_Lang() {
  const Workspace &ws = workspace_;
  setWindowTitle(Q(ws.Message(100)));
  P_Title->L_SW_Desc->setText(Q(ws.Message(101)));
  P_Title->L_SW_Desc->adjustSize();
  Label1->setText(Q(ws.Message(102)));
  Label1->adjustSize();
  Btn_OK->setText(Q(ws.Message(103)));
  Btn_Cancel->setText(Q(ws.Message(104)));
  E_New_Proj->setToolTip(Q(ws.Message(108)));
  Btn_OK->setToolTip(Q(ws.Message(109)));
  Btn_Cancel->setToolTip(Q(ws.Message(110)));
}

void TFNew_Project::showEvent(QShowEvent *event) {
  E_New_Proj->clear();
  E_New_Proj->setFocus();
  QDialog::showEvent(event);
}

void TFNew_Project::Btn_OKClick() {
  // The name exactly as typed: blanks at either end are the file system's business.
  const int failure = Create_Project(workspace_, E_New_Proj->text().toStdString());
  if (failure != 0) {
    boxes_.Error(failure, workspace_.Message(failure));
    return;
  }
  accept();
}
