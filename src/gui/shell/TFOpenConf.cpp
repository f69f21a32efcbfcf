#include "shell/TFOpenConf.h"

#include <QLabel>
#include <QListWidget>

#include "shell/Projects.h"
#include "shell/Workspace.h"
#include "widgets/BottomBar.h"
#include "widgets/FlatButton.h"
#include "widgets/Look.h"
#include "widgets/TitlePanel.h"

using Look::Q;

namespace {
constexpr int List_Left = 16, List_Top = 94, Margin = 16;
}

TFOpenConf::TFOpenConf(Workspace &workspace, QWidget *parent)
    : QDialog(parent), workspace_(workspace) {
  Look::Apply_Window_Look(this);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);

  P_Title = new TitlePanel(Q(workspace_.SW_Code), this);
  Label1 = new QLabel(this);
  Label1->move(16, 70);
  ListBox1 = new QListWidget(this);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  P_Bottom = new BottomBar(this);
  P_Bottom->Keep_Buttons_Right(true);
  Btn_OK = P_Bottom->Btn_OK;
  Btn_Cancel = P_Bottom->Btn_Cancel;
  resize(377, 351);
  setMinimumSize(280, 220);
  Lay_Out();

  // Mouse and keyboard both move the current row; there is no double-click action.
  connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
    Name_Conf = row >= 0 ? ListBox1->item(row)->text().toStdString() : std::string();
  });
  connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
  connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  Set_Lang();
}

void TFOpenConf::Set_Lang() {
  const Workspace &ws = workspace_;
  setWindowTitle(Q(ws.Message(200)));
  P_Title->L_SW_Desc->setText(Q(ws.Message(201)));
  P_Title->L_SW_Desc->adjustSize();
  Label1->setText(Q(ws.Message(202)));
  Label1->adjustSize();
  Btn_OK->setText(Q(ws.Message(203)));
  Btn_Cancel->setText(Q(ws.Message(204)));
  ListBox1->setToolTip(Q(ws.Message(205)));
  Btn_OK->setToolTip(Q(ws.Message(206)));
  Btn_Cancel->setToolTip(Q(ws.Message(207)));
}

void TFOpenConf::Load_Existing_Configuration() {
  SL = List_Projects(workspace_.Projects_Dir);
}

int TFOpenConf::Search_Open_Conf(const std::string &snc) const {
  return ::Search_Open_Conf(SL, snc);
}

void TFOpenConf::showEvent(QShowEvent *event) {
  Load_Existing_Configuration();
  ListBox1->clear();
  for (const std::string &name : SL)
    ListBox1->addItem(Q(name));
  Select_Active_Project();
  QDialog::showEvent(event);
}

void TFOpenConf::Select_Active_Project() {
  const std::string active =
      workspace_.Project_Open() ? workspace_.Project_Dir.filename().string() : std::string();
  int row = Search_Open_Conf(active);
  if (row < 0 && !SL.empty())
    row = 0;
  ListBox1->setCurrentRow(row);
  Name_Conf = row >= 0 ? SL[static_cast<size_t>(row)] : std::string();
}

void TFOpenConf::resizeEvent(QResizeEvent *event) {
  QDialog::resizeEvent(event);
  Lay_Out();
}

void TFOpenConf::Lay_Out() {
  P_Title->setGeometry(0, 0, width(), 69);
  P_Bottom->setGeometry(0, height() - 40, width(), 40);
  ListBox1->setGeometry(List_Left, List_Top, width() - List_Left - Margin,
                        height() - 40 - 8 - List_Top);
}
