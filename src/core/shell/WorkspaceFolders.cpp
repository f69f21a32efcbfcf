#include "shell/WorkspaceFolders.h"

#include "shell/Workspace.h"

namespace fs = std::filesystem;

namespace {
void Create_If_Missing(const fs::path &folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec))
    fs::create_directory(folder, ec);
}
} // namespace

void Setup_Folders(Workspace &workspace, const fs::path &exe_dir) {
  workspace.Exe_Dir = exe_dir;
  workspace.Master_Dir = exe_dir / "MASTER";
  workspace.Projects_Dir = exe_dir / "PROJECTS";
  workspace.Language_Dir = exe_dir / "LANGUAGE";
  Create_If_Missing(workspace.Master_Dir);
  Create_If_Missing(workspace.Projects_Dir);
  Create_If_Missing(workspace.Language_Dir);
}

void Set_Files(Workspace &workspace) {
  const fs::path &dir = workspace.Project_Dir;
  ProjectFiles &files = workspace.Files;
  files.File_ParGen = dir / "ParGen.xml";
  files.File_DALI_Access = dir / "DALI_Access.xml";
  files.File_DALI2_Access = dir / "DALI2_Access.xml";
  files.File_ModbusTCPM_SetAccess = dir / "ModbusTCPM_SetAccess.xml";
  files.File_DMX_Default_Values = dir / "DMX_Default_Values.xml";
  files.File_BACnet_Master_Access = dir / "BACnet_Master_Access.xml";
  files.File_ModbusM_SetAccess = dir / "ModbusM_SetAccess.xml";
  files.File_SNMP_Trap = dir / "SNMP_Trap.xml";
  files.File_CAN_Rec_Frames = dir / "CAN_Rec_Frames.xml";
  files.File_CAN_Send_Frames = dir / "CAN_Send_Frames.xml";
  files.File_SDO_Server_CANopen = dir / "SDO_Server_CANopen.xml";
  files.File_SDO_Client_CANopen = dir / "SDO_Client_CANopen.xml";
  files.File_PDO_CANopen = dir / "PDO_CANopen.xml";
  files.File_KNX_SetAccess = dir / "KNX_SetAccess.xml";
  files.File_SNMP_Manager = dir / "SNMP_Manager.xml";
}

bool Is_Single_Folder_Name(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\") == std::string_view::npos;
}

void Decide_Project_State(Workspace &workspace) {
  std::error_code ec;
  const fs::path folder = workspace.Projects_Dir / workspace.Project_Name;
  if (Is_Single_Folder_Name(workspace.Project_Name) && fs::is_directory(folder, ec))
    workspace.Project_Dir = folder;
  else
    workspace.Project_Dir.clear();
}
