#include "app/TFSorvaneFirmWare.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QUrl>

#include "app/TFAbout.h"
#include "common/MessageBoxes.h"
#include "localisation/Language.h"
#include "parameters/TFParGen.h"
#include "shell/ProductIdentity.h"
#include "shell/Projects.h"
#include "shell/Settings.h"
#include "shell/TFNew_Project.h"
#include "shell/TFOpenConf.h"
#include "shell/Workspace.h"
#include "shell/WorkspaceFolders.h"
#include "widgets/ClickableLabel.h"
#include "widgets/FlatButton.h"
#include "widgets/Glyphs.h"
#include "widgets/Look.h"

using Glyphs::Glyph;
using Look::Q;

namespace {

constexpr int Message_Project_Not_Valid = 18;
constexpr int Update_Timer_First_Tick_Ms = 60000;

FlatButton *Workflow_Button(QWidget *parent, Glyph glyph, int left, int top) {
  auto *button = new FlatButton(FlatButton::Kind::Workflow, Glyphs::Icon(glyph), parent);
  button->setGeometry(left, top, 170, 36);
  return button;
}

FlatButton *Icon_Button(QWidget *parent, Glyph glyph, int left) {
  auto *button = new FlatButton(FlatButton::Kind::Icon, Glyphs::Icon(glyph), parent);
  button->setGeometry(left, 8, 50, 50);
  return button;
}

FlatButton *Hidden_Button(QWidget *parent) {
  auto *button = new FlatButton(FlatButton::Kind::Workflow, QIcon(), parent);
  button->hide();
  return button;
}

void Place(QLabel *label, int left, int top) {
  label->move(left, top);
  label->adjustSize();
}

void Set_Text(QLabel *label, const std::string &text) {
  label->setText(Q(text));
  label->adjustSize();
}

} // namespace

TFSorvaneFirmWare::TFSorvaneFirmWare(Workspace &workspace, MessageBoxes &boxes,
                                     const std::filesystem::path &exe_dir)
    : workspace_(workspace), boxes_(boxes) {
  Open_Url = [](const QString &url) { QDesktopServices::openUrl(QUrl(url)); };
  workspace_.Message_Table.Clear();
  Lay_Out_Controls();

  Setup_Folders(workspace_, exe_dir);
  Read_Settings(workspace_);
  Timer_Update.setInterval(Update_Timer_First_Tick_Ms);
  Update_Timer_State();

  workspace_.Window_Title = Product_Window_Title;
  workspace_.SW_Code = Product_SW_Code;
  workspace_.SW_Desc = Product_Desc;
  setWindowTitle(Q(workspace_.Window_Title));
  Set_Text(L_SW_Code, workspace_.SW_Code);
  Set_Text(L_SW_Desc, workspace_.SW_Desc);

  Load_Language(workspace_);
  Decide_Project_State(workspace_);
  Set_Lang();
  Set_Files(workspace_);
  workspace_.Update_Read_Back = true;
  workspace_.Row_Buffer.clear();
}

void TFSorvaneFirmWare::Lay_Out_Controls() {
  Look::Apply_Window_Look(this);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  L_SW_Code = Look::Grey_Label(this, false, 32);
  Place(L_SW_Code, 16, 8);
  L_SW_Desc = Look::Grey_Label(this, true);
  Place(L_SW_Desc, 16, 42);

  Btn_Info = Icon_Button(this, Glyph::Info, 516);
  Btn_Opz = Icon_Button(this, Glyph::Options, 574);
  Btn_Close = Icon_Button(this, Glyph::Close, 632);
  // The Software Options window is not part of the program yet.
  Btn_Opz->setEnabled(false);

  LL_Update = new QLabel(this);
  LL_Update->setGeometry(208, 19, 294, 17);
  LL_Update->setTextFormat(Qt::RichText);
  LL_Update->setOpenExternalLinks(false);
  LL_Update->hide();
  connect(LL_Update, &QLabel::linkActivated, this, [this](const QString &url) { Open_Url(url); });

  Shape2 = new QFrame(this);
  Shape2->setGeometry(80, 70, 348, 36);
  Shape2->setFrameShape(QFrame::Box);
  Shape2->setLineWidth(1);
  QPalette silver = Shape2->palette();
  silver.setColor(QPalette::WindowText, QColor(0xC0, 0xC0, 0xC0));
  Shape2->setPalette(silver);

  L_Begin = Look::Grey_Label(this, true);
  Place(L_Begin, 16, 84);
  L_Name_Conf = Look::Grey_Label(this, false);
  Place(L_Name_Conf, 87, 75);
  L_Name_Conf_L2 = Look::Grey_Label(this, false);
  Place(L_Name_Conf_L2, 87, 88);

  static constexpr int Step_Tops[4] = {128, 172, 216, 260};
  for (int i = 0; i < 8; ++i) {
    L_Step[i] = Look::Grey_Label(this, true);
    if (i < 4)
      Place(L_Step[i], 16, Step_Tops[i]);
    else
      L_Step[i]->hide();
  }

  Btn_New = Workflow_Button(this, Glyph::New, 80, 112);
  Btn_Open = Workflow_Button(this, Glyph::Open, 258, 112);
  Btn_Prm_Gen = Workflow_Button(this, Glyph::Parameters, 80, 156);
  Btn_DALI_Access = Workflow_Button(this, Glyph::Dali, 80, 200);
  Btn_CreateBin = Workflow_Button(this, Glyph::Update, 80, 244);

  auto *norvik = new ClickableLabel(this);
  L_Norvik = norvik;
  QFont bold = Look::Base_Font();
  bold.setBold(true);
  norvik->setFont(bold);
  QPalette palette = norvik->palette();
  palette.setColor(QPalette::WindowText, Look::Title_Grey);
  norvik->setPalette(palette);
  norvik->setCursor(Qt::PointingHandCursor);
  norvik->setText(QString::fromLatin1(Maker_Web_Host));
  Place(norvik, 565, Btn_CreateBin->y() + 16);
  connect(norvik, &ClickableLabel::clicked, this,
          [this] { Open_Url(QString::fromStdString(Maker_Home_Page())); });

  Shape1 = new QFrame(this);
  Shape1->setGeometry(10, Btn_CreateBin->y() + 51, 674, 1);
  QPalette rule = Shape1->palette();
  rule.setColor(QPalette::Window, Look::Title_Grey);
  Shape1->setPalette(rule);
  Shape1->setAutoFillBackground(true);

  Btn_PROFINET_XML = Hidden_Button(this);
  Btn_ModM_SetAccess = Hidden_Button(this);
  Btn_DMX_Default = Hidden_Button(this);
  Btn_Set_BACnet_Access = Hidden_Button(this);
  Btn_SNMP_Trap = Hidden_Button(this);
  Btn_SNMP_MIB = Hidden_Button(this);
  Btn_J1939_Rec_Frame = Hidden_Button(this);
  Btn_J1939_Send_Frame = Hidden_Button(this);
  Btn_SDO_Server_CANopen = Hidden_Button(this);
  Btn_SDO_Client_CANopen = Hidden_Button(this);
  Btn_PDO_CANopen = Hidden_Button(this);
  Btn_CANopen_EDS = Hidden_Button(this);
  Btn_KNX_Access = Hidden_Button(this);
  Btn_SNMP_Manager_Access = Hidden_Button(this);

  for (QPushButton *button : findChildren<QPushButton *>())
    connect(button, &QPushButton::clicked, this, &TFSorvaneFirmWare::Btn_Click);

  setFixedSize(694, Btn_CreateBin->y() + 152);
}

void TFSorvaneFirmWare::Set_Lang() {
  const Workspace &ws = workspace_;
  Set_Text(L_Begin, ws.Message(0));
  for (int i = 0; i < 8; ++i)
    Set_Text(L_Step[i], ws.Message(1 + i));
  Btn_Info->setToolTip(Q(ws.Message(12)));
  Btn_Opz->setToolTip(Q(ws.Message(13)));
  Btn_Close->setToolTip(Q(ws.Message(14)));
  Btn_New->setText(Q(ws.Message(15)));
  Btn_Open->setText(Q(ws.Message(16)));
  Btn_CreateBin->setText(Q(ws.Message(17)));
  Btn_Prm_Gen->setText(Q(ws.Message(20)));
  Btn_DALI_Access->setText(Q(ws.Message(21)));
  Show_Project_State();
  Btn_New->setToolTip(Q(ws.Message(22)));
  Btn_Open->setToolTip(Q(ws.Message(23)));
  Btn_Prm_Gen->setToolTip(Q(ws.Message(24)));
  Btn_DALI_Access->setToolTip(Q(ws.Message(25)));
  Btn_CreateBin->setToolTip(Q(ws.Message(26)));
  FlatButton *hidden[] = {Btn_PROFINET_XML,       Btn_ModM_SetAccess,   Btn_DMX_Default,
                          Btn_J1939_Rec_Frame,    Btn_J1939_Send_Frame, Btn_KNX_Access,
                          Btn_SNMP_Manager_Access};
  int message = 27;
  for (FlatButton *button : hidden) {
    button->setText(Q(ws.Message(message++)));
    button->setToolTip(Q(ws.Message(message++)));
  }
}

void TFSorvaneFirmWare::Show_Project_State() {
  if (workspace_.Project_Open()) {
    Set_Text(L_Name_Conf, workspace_.Message(11));
    Set_Text(L_Name_Conf_L2, workspace_.Project_Name);
  } else {
    Set_Text(L_Name_Conf, workspace_.Message(9));
    Set_Text(L_Name_Conf_L2, workspace_.Message(10));
  }
}

void TFSorvaneFirmWare::Change_Language() {
  Set_Lang();
  if (windows_.New_Project)
    windows_.New_Project->Set_Lang();
  if (windows_.OpenConf)
    windows_.OpenConf->Set_Lang();
  if (windows_.ParGen)
    windows_.ParGen->Set_Lang();
}

void TFSorvaneFirmWare::Btn_Click() {
  if (auto *button = qobject_cast<QPushButton *>(sender()))
    Handle_Click(button);
}

void TFSorvaneFirmWare::Handle_Click(QPushButton *button) {
  if (button == Btn_New) {
    Create_New_Project();
    return;
  }
  if (button == Btn_Open) {
    Open_Project();
    return;
  }
  if (button == Btn_Close) {
    close();
    return;
  }
  if (button == Btn_Info) {
    if (windows_.About)
      windows_.About->exec();
    return;
  }
  if (button == Btn_Opz)
    return;
  // Every other button needs an open project.
  if (!workspace_.Project_Open()) {
    Project_Not_Valid();
    return;
  }
  if (button == Btn_Prm_Gen && windows_.ParGen) {
    windows_.ParGen->exec();
    return;
  }
  // The windows behind the remaining project buttons are not part of the program yet: they
  // answer as for a missing project rather than pretend to work.
  Project_Not_Valid();
}

void TFSorvaneFirmWare::Create_New_Project() {
  // The New window has already made the project active and set the file paths.
  if (windows_.New_Project && windows_.New_Project->exec() == QDialog::Accepted)
    Show_Project_State();
}

void TFSorvaneFirmWare::Open_Project() {
  if (!windows_.OpenConf || windows_.OpenConf->exec() != QDialog::Accepted)
    return;
  // An OK on an empty list leaves no project open.
  Open_Project_Named(workspace_, windows_.OpenConf->Name_Conf);
  Show_Project_State();
}

void TFSorvaneFirmWare::Project_Not_Valid() {
  boxes_.Error(Message_Project_Not_Valid, workspace_.Message(Message_Project_Not_Valid));
}

void TFSorvaneFirmWare::Update_Timer_State() {
  if (workspace_.Enable_Internet && workspace_.Enable_Update)
    Timer_Update.start();
  else
    Timer_Update.stop();
}

void TFSorvaneFirmWare::closeEvent(QCloseEvent *event) {
  if (const auto failure = Save_Setting(workspace_))
    boxes_.Error(MessageBoxes::Platform_Text, *failure);
  event->accept();
}
