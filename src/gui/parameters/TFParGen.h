#pragma once
#include <QDialog>
#include <array>
#include <vector>

#include "parameters/ParameterSet.h"

class FlatButton;
class MessageBoxes;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
struct Workspace;

// The Set Communication window: the gateway's communication parameters in three collapsible
// sections (Modbus Slave, DALI, Ethernet). Every showing reloads ParGen.xml; OK checks the
// values and saves them; Cancel asks before discarding changes. Created once, shown with exec().
class TFParGen : public QDialog {
  Q_OBJECT
public:
  TFParGen(Workspace &workspace, MessageBoxes &boxes, QWidget *parent);

  // Puts the texts of the current language on the window.
  void Set_Lang();

  // Handlers, public so the window can be driven without a mouse.
  void FormShow();
  void FormActivate();
  void Btn_OKClick();
  void Btn_CancelClick();
  void Btn_GB_Collapse(QObject *sender);
  void Btn_GB_Expande(QObject *sender);
  void Move_GroupBoxs();

  // Expanded state of each section: true after creation, kept across showings, never saved.
  bool GB_Modbus_Slave_Visible = true;
  bool GB_DALI_Visible = true;
  bool GB_Modbus_TCP_Slave_Visible = true;
  // A value was changed since the window was last shown.
  bool Is_Change = false;

  QLabel *L_SW_Code, *L_SW_Desc;

  QGroupBox *GB_Modbus_Slave;
  FlatButton *Btn_Modbus_Slave_Collapse, *Btn_Modbus_Slave_Expande;
  QLabel *L_Modbus_Slave_Baud, *L_Modbus_Slave_Parity, *L_Modbus_Slave_ID_Dev;
  QComboBox *CB_Baud_Modbus_Slave, *CB_Par_Modbus_Slave;
  QLineEdit *E_ID_Modbus_Slave;
  QCheckBox *CB_Modbus_Slave_Map_DALI;

  QGroupBox *GB_DALI;
  FlatButton *Btn_DALI_Collapse, *Btn_DALI_Expande;
  QLabel *L_DALI_Console_Port, *L_DALI_TimeOut;
  QLineEdit *E_DALI_Console_Port, *E_DALI_TimeOut;
  QCheckBox *CB_DALI_SwitchOff, *CB_DALI_Disable_Scan, *CB_DALI_En_DALI2;

  QGroupBox *GB_Modbus_TCP_Slave;
  FlatButton *Btn_Modbus_TCP_Slave_Collapse, *Btn_Modbus_TCP_Slave_Expande;
  QLabel *L_ModTCPs_IP, *L_ModTCPs_SM;
  QLineEdit *E_IP1, *E_IP2, *E_IP3, *E_IP4;
  QLineEdit *E_SM1, *E_SM2, *E_SM3, *E_SM4;
  QLineEdit *E_GAT1, *E_GAT2, *E_GAT3, *E_GAT4;
  QCheckBox *CB_ModTCPs_EN_GAT;

  FlatButton *Btn_OK, *Btn_Cancel;

protected:
  void showEvent(QShowEvent *event) override;
  bool event(QEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  // One collapsible section: its frame, its two glyph buttons, its expanded flag and the
  // controls of its first row, which would show through the collapsed frame.
  struct Section {
    QGroupBox *frame;
    FlatButton *collapse, *expand;
    bool *expanded;
    std::vector<QWidget *> first_row;
  };

  void Create_Modbus_Slave();
  void Create_DALI();
  void Create_Ethernet();
  void Create_Buttons();
  void Collapse_Expand_Creation();
  void Set_Tab_Order();
  void Connect_Change_Tracking();
  Section *Section_Of(QObject *sender);

  std::array<QLineEdit *, 12> Address_Fields() const;
  ParameterSet Values() const;
  void Show_Values(const ParameterSet &values);

  Workspace &workspace_;
  MessageBoxes &boxes_;
  std::array<Section, 3> sections_;
};
