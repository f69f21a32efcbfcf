#pragma once
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "app/AppWindows.h"

class FlatButton;
class MessageBoxes;
class QLabel;
class QFrame;
class QPushButton;
struct Workspace;

// The main window: product title, the active project and the numbered workflow steps.
class TFSorvaneFirmWare : public QWidget {
  Q_OBJECT
public:
  // Runs the start-up: folders and settings beside `exe_dir`, message table and language,
  // project state, texts and per-project file paths.
  TFSorvaneFirmWare(Workspace &workspace, MessageBoxes &boxes,
                    const std::filesystem::path &exe_dir);

  void Set_Windows(const AppWindows &windows) { windows_ = windows; }
  void Set_Lang();
  // Re-applies the texts of every translated window after a new language was loaded.
  void Change_Language();
  // Shows the project labels for the current project state.
  void Show_Project_State();

  // Opens a web address in the desktop's browser; tests replace it.
  std::function<void(const QString &)> Open_Url;

  QLabel *L_SW_Code, *L_SW_Desc, *L_Begin, *L_Name_Conf, *L_Name_Conf_L2, *L_Norvik;
  QLabel *LL_Update;
  QLabel *L_Step[8];
  QFrame *Shape1, *Shape2;
  FlatButton *Btn_Info, *Btn_Opz, *Btn_Close;
  FlatButton *Btn_New, *Btn_Open, *Btn_Prm_Gen, *Btn_DALI_Access, *Btn_CreateBin;
  // Buttons of other gateways of the family: never shown in this product.
  FlatButton *Btn_PROFINET_XML, *Btn_ModM_SetAccess, *Btn_DMX_Default, *Btn_Set_BACnet_Access,
      *Btn_SNMP_Trap, *Btn_SNMP_MIB, *Btn_J1939_Rec_Frame, *Btn_J1939_Send_Frame,
      *Btn_SDO_Server_CANopen, *Btn_SDO_Client_CANopen, *Btn_PDO_CANopen, *Btn_CANopen_EDS,
      *Btn_KNX_Access, *Btn_SNMP_Manager_Access;
  QTimer Timer_Update;

public slots:
  void Btn_Click();

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  void Lay_Out_Controls();
  void Handle_Click(QPushButton *button);
  void Project_Not_Valid();
  void Update_Timer_State();
  void Create_New_Project();
  void Open_Project();

  Workspace &workspace_;
  MessageBoxes &boxes_;
  AppWindows windows_;
};
