#include "parameters/TFParGen.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "common/MessageBoxes.h"
#include "parameters/ParGenFile.h"
#include "parameters/ParameterChecks.h"
#include "parameters/SectionGlyphs.h"
#include "shell/Workspace.h"
#include "widgets/FlatButton.h"
#include "widgets/Look.h"
#include "widgets/TitlePanel.h"

using Look::Q;

namespace {

constexpr int Client_Width = 312;
constexpr int Section_Left = 8;
constexpr int Section_Width = 296;
constexpr int Collapsed_Height = 26;
constexpr int Section_Gap = 6;
constexpr int First_Section_Top = 70;
// Space below the last control of an expanded section.
constexpr int Section_Bottom_Margin = 15;
constexpr int Buttons_Gap = 13;
// Client height below the last section: the buttons and the bottom margin.
constexpr int Client_Bottom_Margin = 54;
constexpr int Address_Lefts[4] = {16, 82, 148, 214};
constexpr int Dot_Lefts[3] = {77, 143, 209};

constexpr int Message_Exit_Without_Saving = 424;

int Bottom(const QWidget *widget) {
  return widget->y() + widget->height();
}

QLabel *Label(QWidget *parent, int left, int top) {
  auto *label = new QLabel(parent);
  label->move(left, top);
  return label;
}

QLineEdit *Edit(QWidget *parent, int left, int top, int width) {
  auto *edit = new QLineEdit(parent);
  edit->setGeometry(left, top, width, 21);
  return edit;
}

QCheckBox *Check_Box(QWidget *parent, int left, int top, int width) {
  auto *box = new QCheckBox(parent);
  box->setGeometry(left, top, width, 17);
  return box;
}

QComboBox *List(QWidget *parent, int left, int top, const auto &items) {
  auto *list = new QComboBox(parent);
  list->setEditable(false);
  list->setGeometry(left, top, 192, 22);
  for (const char *item : items)
    list->addItem(QString::fromLatin1(item));
  return list;
}

QGroupBox *Frame(QWidget *parent) {
  auto *frame = new QGroupBox(parent);
  frame->setGeometry(Section_Left, First_Section_Top, Section_Width, Collapsed_Height);
  frame->setStyleSheet(
      QStringLiteral("QGroupBox { border: 1px solid #C8C4B0; border-radius: 3px; margin-top: 6px; }"
                     "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0px; }"));
  return frame;
}

FlatButton *Glyph_Button(QWidget *parent, const QIcon &glyph, int glyph_size) {
  auto *button = new FlatButton(FlatButton::Kind::Icon, glyph, parent);
  button->setIconSize(QSize(glyph_size, glyph_size));
  button->setGeometry(280, 10, 11, 11);
  button->setAutoDefault(false);
  return button;
}

// One row of four address byte fields with the "." labels between them.
void Address_Row(QWidget *parent, int top, std::array<QLineEdit **, 4> fields) {
  for (int i = 0; i < 4; ++i)
    *fields[i] = Edit(parent, Address_Lefts[i], top, 60);
  for (int left : Dot_Lefts) {
    QLabel *dot = Label(parent, left, top + 3);
    dot->setText(QStringLiteral("."));
    dot->adjustSize();
  }
}

void Set_Caption(QLabel *label, const std::string &text) {
  label->setText(Q(text));
  label->adjustSize();
}

} // namespace

TFParGen::TFParGen(Workspace &workspace, MessageBoxes &boxes, QWidget *parent)
    : QDialog(parent), workspace_(workspace), boxes_(boxes) {
  Look::Apply_Window_Look(this);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setModal(true);

  auto *title = new TitlePanel(Q(workspace_.SW_Code), this);
  title->setGeometry(0, 0, Client_Width, 69);
  L_SW_Code = title->L_SW_Code;
  L_SW_Desc = title->L_SW_Desc;

  Create_Modbus_Slave();
  Create_DALI();
  Create_Ethernet();
  Create_Buttons();
  sections_ = {{
      {GB_Modbus_Slave,
       Btn_Modbus_Slave_Collapse,
       Btn_Modbus_Slave_Expande,
       &GB_Modbus_Slave_Visible,
       {L_Modbus_Slave_Baud, CB_Baud_Modbus_Slave}},
      {GB_DALI,
       Btn_DALI_Collapse,
       Btn_DALI_Expande,
       &GB_DALI_Visible,
       {L_DALI_Console_Port, E_DALI_Console_Port}},
      {GB_Modbus_TCP_Slave,
       Btn_Modbus_TCP_Slave_Collapse,
       Btn_Modbus_TCP_Slave_Expande,
       &GB_Modbus_TCP_Slave_Visible,
       {L_ModTCPs_IP}},
  }};
  for (Section &section : sections_) {
    connect(section.collapse, &QPushButton::clicked, this,
            [this, button = section.collapse] { Btn_GB_Collapse(button); });
    connect(section.expand, &QPushButton::clicked, this,
            [this, button = section.expand] { Btn_GB_Expande(button); });
  }
  Set_Tab_Order();
  Connect_Change_Tracking();

  for (QLineEdit *field : Address_Fields())
    field->installEventFilter(this);
  // These three carry hints that are never shown.
  for (QWidget *quiet : std::initializer_list<QWidget *>{CB_Baud_Modbus_Slave, CB_Par_Modbus_Slave,
                                                         E_ID_Modbus_Slave})
    quiet->installEventFilter(this);

  for (Section &section : sections_)
    section.frame->hide();
  Collapse_Expand_Creation();
  Move_GroupBoxs();
  Set_Lang();
}

void TFParGen::Create_Modbus_Slave() {
  GB_Modbus_Slave = Frame(this);
  QWidget *gb = GB_Modbus_Slave;
  Btn_Modbus_Slave_Collapse = Glyph_Button(gb, SectionGlyphs::Collapse(), 9);
  Btn_Modbus_Slave_Expande = Glyph_Button(gb, SectionGlyphs::Expand(), 7);
  L_Modbus_Slave_Baud = Label(gb, 16, 24);
  CB_Baud_Modbus_Slave = List(gb, 82, 21, Baud_Rate_Items);
  L_Modbus_Slave_Parity = Label(gb, 16, 58);
  CB_Par_Modbus_Slave = List(gb, 82, 55, Parity_Items);
  L_Modbus_Slave_ID_Dev = Label(gb, 16, 92);
  E_ID_Modbus_Slave = Edit(gb, 82, 89, 192);
  CB_Modbus_Slave_Map_DALI = Check_Box(gb, 16, 126, 258);
}

void TFParGen::Create_DALI() {
  GB_DALI = Frame(this);
  QWidget *gb = GB_DALI;
  Btn_DALI_Collapse = Glyph_Button(gb, SectionGlyphs::Collapse(), 9);
  Btn_DALI_Expande = Glyph_Button(gb, SectionGlyphs::Expand(), 7);
  L_DALI_Console_Port = Label(gb, 16, 24);
  E_DALI_Console_Port = Edit(gb, 148, 21, 126);
  CB_DALI_SwitchOff = Check_Box(gb, 16, 58, 257);
  L_DALI_TimeOut = Label(gb, 16, 92);
  E_DALI_TimeOut = Edit(gb, 148, 89, 126);
  CB_DALI_Disable_Scan = Check_Box(gb, 16, 126, 257);
  CB_DALI_En_DALI2 = Check_Box(gb, 16, 160, 257);
}

void TFParGen::Create_Ethernet() {
  GB_Modbus_TCP_Slave = Frame(this);
  QWidget *gb = GB_Modbus_TCP_Slave;
  Btn_Modbus_TCP_Slave_Collapse = Glyph_Button(gb, SectionGlyphs::Collapse(), 9);
  Btn_Modbus_TCP_Slave_Expande = Glyph_Button(gb, SectionGlyphs::Expand(), 7);
  L_ModTCPs_IP = Label(gb, 16, 24);
  Address_Row(gb, 43, {&E_IP1, &E_IP2, &E_IP3, &E_IP4});
  L_ModTCPs_SM = Label(gb, 16, 79);
  Address_Row(gb, 98, {&E_SM1, &E_SM2, &E_SM3, &E_SM4});
  CB_ModTCPs_EN_GAT = Check_Box(gb, 16, 134, 256);
  Address_Row(gb, 154, {&E_GAT1, &E_GAT2, &E_GAT3, &E_GAT4});
}

void TFParGen::Create_Buttons() {
  Btn_OK = new FlatButton(FlatButton::Kind::Plain, SectionGlyphs::Ok(), this);
  Btn_Cancel = new FlatButton(FlatButton::Kind::Plain, SectionGlyphs::Cancel(), this);
  for (FlatButton *button : {Btn_OK, Btn_Cancel}) {
    button->resize(112, 28);
    // Enter must not press either button.
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  Btn_OK->move(71, 0);
  Btn_Cancel->move(192, 0);
  connect(Btn_OK, &QPushButton::clicked, this, &TFParGen::Btn_OKClick);
  connect(Btn_Cancel, &QPushButton::clicked, this, &TFParGen::Btn_CancelClick);
}

void TFParGen::Collapse_Expand_Creation() {
  for (Section &section : sections_) {
    *section.expanded = true;
    section.collapse->show();
    section.expand->hide();
    section.collapse->move(280, 10);
    section.expand->move(280, 10);
  }
}

// Ethernet first although it stands last on screen, as the values are checked.
void TFParGen::Set_Tab_Order() {
  QWidget *const order[] = {E_IP1,
                            E_IP2,
                            E_IP3,
                            E_IP4,
                            E_SM1,
                            E_SM2,
                            E_SM3,
                            E_SM4,
                            E_GAT1,
                            E_GAT2,
                            E_GAT3,
                            E_GAT4,
                            CB_ModTCPs_EN_GAT,
                            E_DALI_Console_Port,
                            CB_DALI_SwitchOff,
                            E_DALI_TimeOut,
                            CB_DALI_Disable_Scan,
                            CB_DALI_En_DALI2,
                            CB_Baud_Modbus_Slave,
                            E_ID_Modbus_Slave,
                            CB_Par_Modbus_Slave,
                            CB_Modbus_Slave_Map_DALI,
                            Btn_OK,
                            Btn_Cancel};
  for (std::size_t i = 1; i < std::size(order); ++i)
    QWidget::setTabOrder(order[i - 1], order[i]);
}

// Filling the controls fires these too; FormShow clears the flag afterwards.
void TFParGen::Connect_Change_Tracking() {
  auto On_Change = [this] { Is_Change = true; };
  for (QLineEdit *edit : findChildren<QLineEdit *>())
    connect(edit, &QLineEdit::textChanged, this, On_Change);
  for (QComboBox *list : {CB_Baud_Modbus_Slave, CB_Par_Modbus_Slave})
    connect(list, &QComboBox::currentIndexChanged, this, On_Change);
  auto On_Click = [this] { Is_Change = true; };
  for (QCheckBox *box : findChildren<QCheckBox *>())
    connect(box, &QCheckBox::toggled, this, On_Click);
}

std::array<QLineEdit *, 12> TFParGen::Address_Fields() const {
  return {E_IP1, E_IP2, E_IP3, E_IP4, E_SM1, E_SM2, E_SM3, E_SM4, E_GAT1, E_GAT2, E_GAT3, E_GAT4};
}

void TFParGen::Set_Lang() {
  const Workspace &ws = workspace_;
  auto text = [&ws](int index) { return Q(ws.Message(index)); };
  setWindowTitle(text(400));
  Set_Caption(L_SW_Desc, ws.Message(401));
  Btn_OK->setText(text(402));
  Btn_OK->setToolTip(text(425));
  Btn_Cancel->setText(text(403));
  Btn_Cancel->setToolTip(text(426));
  for (Section &section : sections_) {
    section.collapse->setToolTip(text(409));
    section.expand->setToolTip(text(410));
  }

  GB_Modbus_Slave->setTitle(text(580));
  Set_Caption(L_Modbus_Slave_Baud, ws.Message(581));
  Set_Caption(L_Modbus_Slave_Parity, ws.Message(582));
  Set_Caption(L_Modbus_Slave_ID_Dev, ws.Message(583));
  CB_Baud_Modbus_Slave->setToolTip(text(584));
  CB_Par_Modbus_Slave->setToolTip(text(585));
  E_ID_Modbus_Slave->setToolTip(text(586));
  CB_Modbus_Slave_Map_DALI->setText(text(1264));
  CB_Modbus_Slave_Map_DALI->setToolTip(text(1265));

  GB_DALI->setTitle(text(463));
  Set_Caption(L_DALI_Console_Port, ws.Message(464));
  E_DALI_Console_Port->setToolTip(text(465));
  CB_DALI_SwitchOff->setText(text(553));
  CB_DALI_SwitchOff->setToolTip(text(555));
  Set_Caption(L_DALI_TimeOut, ws.Message(554));
  E_DALI_TimeOut->setToolTip(text(556));
  CB_DALI_Disable_Scan->setText(text(1290));
  CB_DALI_Disable_Scan->setToolTip(text(1291));
  CB_DALI_En_DALI2->setText(text(1292));
  CB_DALI_En_DALI2->setToolTip(text(1293));

  GB_Modbus_TCP_Slave->setTitle(text(468));
  Set_Caption(L_ModTCPs_IP, ws.Message(405));
  Set_Caption(L_ModTCPs_SM, ws.Message(406));
  CB_ModTCPs_EN_GAT->setText(text(407));
  CB_ModTCPs_EN_GAT->setToolTip(text(435));
  const std::array<QLineEdit *, 12> fields = Address_Fields();
  // IP 427-430, mask 431-434, gateway 436-439 (435 is the GATEWAY box's hint).
  for (int i = 0; i < 12; ++i)
    fields[i]->setToolTip(text(i < 8 ? 427 + i : 428 + i));
}

TFParGen::Section *TFParGen::Section_Of(QObject *sender) {
  for (Section &section : sections_)
    if (sender == section.collapse || sender == section.expand)
      return &section;
  return nullptr;
}

void TFParGen::Btn_GB_Collapse(QObject *sender) {
  Section *section = Section_Of(sender);
  if (!section)
    return;
  section->frame->resize(Section_Width, Collapsed_Height);
  for (QWidget *control : section->first_row)
    control->hide();
  section->collapse->hide();
  section->expand->show();
  *section->expanded = false;
  Move_GroupBoxs();
}

void TFParGen::Btn_GB_Expande(QObject *sender) {
  Section *section = Section_Of(sender);
  if (!section)
    return;
  for (QWidget *control : section->first_row)
    control->show();
  section->collapse->show();
  section->expand->hide();
  *section->expanded = true;
  Move_GroupBoxs();
}

void TFParGen::Move_GroupBoxs() {
  GB_Modbus_Slave->show();
  GB_Modbus_Slave->move(Section_Left, First_Section_Top);
  if (GB_Modbus_Slave_Visible)
    GB_Modbus_Slave->resize(Section_Width,
                            Bottom(CB_Modbus_Slave_Map_DALI) + Section_Bottom_Margin);

  GB_DALI->show();
  CB_DALI_SwitchOff->move(16, 58);
  L_DALI_TimeOut->move(16, 92);
  E_DALI_TimeOut->move(148, 89);
  CB_DALI_Disable_Scan->move(16, 126);
  CB_DALI_En_DALI2->move(16, 160);
  GB_DALI->move(Section_Left, Bottom(GB_Modbus_Slave) + Section_Gap);
  if (GB_DALI_Visible)
    GB_DALI->resize(Section_Width, Bottom(CB_DALI_En_DALI2) + Section_Bottom_Margin);

  GB_Modbus_TCP_Slave->show();
  GB_Modbus_TCP_Slave->move(Section_Left, Bottom(GB_DALI) + Section_Gap);
  if (GB_Modbus_TCP_Slave_Visible)
    GB_Modbus_TCP_Slave->resize(Section_Width, Bottom(E_GAT4) + Section_Bottom_Margin);

  Btn_OK->move(Btn_OK->x(), Bottom(GB_Modbus_TCP_Slave) + Buttons_Gap);
  Btn_Cancel->move(Btn_Cancel->x(), Btn_OK->y());
  setFixedSize(Client_Width, Bottom(GB_Modbus_TCP_Slave) + Client_Bottom_Margin);
}

ParameterSet TFParGen::Values() const {
  auto text = [](const QLineEdit *edit) { return edit->text().toStdString(); };
  ParameterSet values;
  const std::array<QLineEdit *, 12> fields = Address_Fields();
  for (std::size_t i = 0; i < 4; ++i) {
    values.MTCPs_IP[i] = text(fields[i]);
    values.MTCPs_SUB[i] = text(fields[4 + i]);
    values.MTCPs_GAT[i] = text(fields[8 + i]);
  }
  values.MTCPs_EN_GAT = CB_ModTCPs_EN_GAT->isChecked();
  values.MODBUS_SLAVE_BAUDRATE = CB_Baud_Modbus_Slave->currentIndex();
  values.MODBUS_SLAVE_PARITY = CB_Par_Modbus_Slave->currentIndex();
  values.MODBUS_SLAVE_IDDEVICE = text(E_ID_Modbus_Slave);
  values.MODBUS_SLAVE_DALI_MAP = CB_Modbus_Slave_Map_DALI->isChecked();
  values.DALI_CONSOLE_PORT = text(E_DALI_Console_Port);
  values.DALI_SWITCH_OFF = CB_DALI_SwitchOff->isChecked();
  values.DALI_TIMEOUT = text(E_DALI_TimeOut);
  values.DALI_DISABLE_SCAN = CB_DALI_Disable_Scan->isChecked();
  values.DALI_ENABLE_DALI_2 = CB_DALI_En_DALI2->isChecked();
  return values;
}

void TFParGen::Show_Values(const ParameterSet &values) {
  auto set = [](QLineEdit *edit, const std::string &text) { edit->setText(Q(text)); };
  const std::array<QLineEdit *, 12> fields = Address_Fields();
  for (std::size_t i = 0; i < 4; ++i) {
    set(fields[i], values.MTCPs_IP[i]);
    set(fields[4 + i], values.MTCPs_SUB[i]);
    set(fields[8 + i], values.MTCPs_GAT[i]);
  }
  CB_ModTCPs_EN_GAT->setChecked(values.MTCPs_EN_GAT);
  CB_Baud_Modbus_Slave->setCurrentIndex(values.MODBUS_SLAVE_BAUDRATE);
  CB_Par_Modbus_Slave->setCurrentIndex(values.MODBUS_SLAVE_PARITY);
  set(E_ID_Modbus_Slave, values.MODBUS_SLAVE_IDDEVICE);
  CB_Modbus_Slave_Map_DALI->setChecked(values.MODBUS_SLAVE_DALI_MAP);
  set(E_DALI_Console_Port, values.DALI_CONSOLE_PORT);
  CB_DALI_SwitchOff->setChecked(values.DALI_SWITCH_OFF);
  set(E_DALI_TimeOut, values.DALI_TIMEOUT);
  CB_DALI_Disable_Scan->setChecked(values.DALI_DISABLE_SCAN);
  CB_DALI_En_DALI2->setChecked(values.DALI_ENABLE_DALI_2);
}

void TFParGen::FormShow() {
  const ParGenLoad load = Load_ParGen(workspace_.Files.File_ParGen);
  Show_Values(load.values);
  Is_Change = false;
  Move_GroupBoxs();
  // The window still opens, with the defaults; the file's bytes are kept when OK saves.
  if (load.problem)
    boxes_.Error(MessageBoxes::Platform_Text, *load.problem);
}

void TFParGen::FormActivate() {
  const QScreen *where = screen();
  const int screen_top = where ? where->geometry().top() : 0;
  if (pos().y() < screen_top)
    move(pos().x(), screen_top);
}

void TFParGen::Btn_OKClick() {
  const ParameterSet values = Values();
  if (const auto problem = Controllo_Dati(values)) {
    boxes_.Error(problem->message, workspace_.Message(problem->message));
    return;
  }
  // A failed save leaves the window open with the user's values, so OK can be tried again.
  if (const auto failure = Save_ParGen(workspace_.Files.File_ParGen, values)) {
    boxes_.Error(MessageBoxes::Platform_Text, *failure);
    return;
  }
  accept();
}

void TFParGen::Btn_CancelClick() {
  if (Is_Change &&
      !boxes_.Confirm(Message_Exit_Without_Saving, workspace_.Message(Message_Exit_Without_Saving)))
    return;
  reject();
}

void TFParGen::showEvent(QShowEvent *event) {
  // A show from the window system (restoring a minimised window) is no new showing.
  if (!event->spontaneous())
    FormShow();
  QDialog::showEvent(event);
}

bool TFParGen::event(QEvent *event) {
  if (event->type() == QEvent::WindowActivate)
    FormActivate();
  return QDialog::event(event);
}

// Escape and Enter trigger neither button; the close box (closeEvent) rejects without asking.
void TFParGen::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
  case Qt::Key_Escape:
  case Qt::Key_Return:
  case Qt::Key_Enter:
    event->accept();
    return;
  default:
    QDialog::keyPressEvent(event);
  }
}

bool TFParGen::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent *>(event)->text() == QStringLiteral(".")) {
    // The bytes of an address are typed one per field.
    const std::array<QLineEdit *, 12> fields = Address_Fields();
    if (std::find(fields.begin(), fields.end(), watched) != fields.end())
      return true;
  }
  if (event->type() == QEvent::ToolTip &&
      (watched == CB_Baud_Modbus_Slave || watched == CB_Par_Modbus_Slave ||
       watched == E_ID_Modbus_Slave))
    return true;
  return QDialog::eventFilter(watched, event);
}
