#include "shell/Projects.h"

#include <algorithm>

#include "shell/Workspace.h"
#include "shell/WorkspaceFolders.h"

namespace fs = std::filesystem;

namespace {

char Fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Equal_Ignoring_Case(const std::string &a, const std::string &b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return Fold(x) == Fold(y); });
}

bool Less_Ignoring_Case(const std::string &a, const std::string &b) {
  const bool less =
      std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Fold(x)) < static_cast<unsigned char>(Fold(y));
      });
  if (less || !Equal_Ignoring_Case(a, b))
    return less;
  return a < b; // same letters: a stable order all the same
}

} // namespace

int Create_Project(Workspace &workspace, const std::string &name) {
  if (name.empty())
    return Message_Name_Empty;
  if (!Is_Single_Folder_Name(name))
    return Message_Folder_Not_Created;
  const fs::path folder = workspace.Projects_Dir / name;
  std::error_code ec;
  if (fs::is_directory(folder, ec))
    return Message_Folder_Exists;
  if (!fs::create_directory(folder, ec) || ec)
    return Message_Folder_Not_Created;
  fs::create_directories(folder / "bin", ec);
  workspace.Project_Name = name;
  workspace.Project_Dir = folder;
  Set_Files(workspace);
  return 0;
}

void Open_Project_Named(Workspace &workspace, const std::string &name) {
  workspace.Project_Name = name;
  if (name.empty())
    workspace.Project_Dir.clear();
  else
    workspace.Project_Dir = workspace.Projects_Dir / name;
  Set_Files(workspace);
}

std::vector<std::string> List_Projects(const fs::path &projects_dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(projects_dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code type_error;
    std::string name = it->path().filename().string();
    if (name.starts_with('.') || !it->is_directory(type_error))
      continue;
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), Less_Ignoring_Case);
  return names;
}

int Search_Open_Conf(const std::vector<std::string> &SL, const std::string &snc) {
  for (size_t i = 0; i < SL.size(); ++i)
    if (Equal_Ignoring_Case(SL[i], snc))
      return static_cast<int>(i);
  return -1;
}
