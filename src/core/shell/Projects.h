#pragma once
#include <filesystem>
#include <string>
#include <vector>

struct Workspace;

// Message indices of the New Configuration checks.
constexpr int Message_Folder_Not_Created = 105;
constexpr int Message_Folder_Exists = 106;
constexpr int Message_Name_Empty = 107;

// Creates the project folder `name` under PROJECTS with its bin folder and makes it the active
// project. Returns 0, or the message index of the first failing check: 107 empty name, 106 folder
// exists, 105 folder cannot be created. A name that does not name one folder directly under
// PROJECTS ("/", "\", "." or "..") is refused with 105 and nothing is created.
int Create_Project(Workspace &workspace, const std::string &name);

// Makes `name` the active project, or closes the project when `name` is empty.
void Open_Project_Named(Workspace &workspace, const std::string &name);

// The project folders under `projects_dir`: folders only, hidden ones (names beginning with ".")
// left out, sorted by name ignoring letter case. A folder that cannot be read gives no entries.
std::vector<std::string> List_Projects(const std::filesystem::path &projects_dir);

// Index of the first entry equal to `snc` ignoring letter case, or -1.
int Search_Open_Conf(const std::vector<std::string> &SL, const std::string &snc);
