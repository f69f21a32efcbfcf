#pragma once
#include <filesystem>
#include <string_view>

struct Workspace;

// Sets Exe_Dir and the three folders beside it, creating each one that is missing. A folder that
// cannot be created is not reported: the program goes on without it.
void Setup_Folders(Workspace &workspace, const std::filesystem::path &exe_dir);

// Recomputes every per-project file path from Project_Dir. With no project open the paths are
// bare file names and are not used.
void Set_Files(Workspace &workspace);

// Opens the remembered project when its name is a single folder name and that folder still
// exists; otherwise no project is open.
void Decide_Project_State(Workspace &workspace);

// True when a project name names one folder directly under PROJECTS: not empty, no "/" or "\",
// and neither "." nor "..".
bool Is_Single_Folder_Name(std::string_view name);
