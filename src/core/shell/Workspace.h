#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "localisation/MessageTable.h"
#include "shell/ProjectFiles.h"

// The one program-wide state record: folders, active project, remembered choices, product texts,
// per-project file paths and the message table. Created once at start and passed by reference.
struct Workspace {
  std::filesystem::path Exe_Dir;
  std::filesystem::path Master_Dir;
  std::filesystem::path Projects_Dir;
  std::filesystem::path Language_Dir;

  std::string Project_Name;
  // Empty exactly when no project is open.
  std::filesystem::path Project_Dir;

  std::string Last_IP_Address = "192.168.2.205";
  std::string Language_Name = "English";
  bool Enable_Internet = false;
  bool Enable_Update = false;
  bool Enable_Jump_Field_Tables = false;
  bool Enable_Double_Click_Auto_Size = false;

  int Update_Option_Index = 0;
  bool Update_Read_Back = true;

  std::string Window_Title;
  std::string SW_Code;
  std::string SW_Desc;

  ProjectFiles Files;
  MessageTable Message_Table;
  std::vector<std::string> Row_Buffer;

  bool Project_Open() const { return !Project_Dir.empty(); }
  // The text of one message, the blank for an index outside the table.
  const std::string &Message(int index) const { return Message_Table.Text(index); }
};
