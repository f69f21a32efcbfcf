#include <filesystem>

#include "Commands.h"
#include "image/CompileProject.h"
#include "image/ImageFiles.h"
#include "shell/Workspace.h"
#include "shell/WorkspaceFolders.h"

namespace {
constexpr int Exit_Cannot_Write = 2;
} // namespace

int Run_Compile(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  const CliCommand &command = Command_Named("compile");
  if (args.size() != 1)
    return Usage_Error(command, args.empty() ? "missing PROJECT_DIR" : "too many arguments", err);
  std::error_code ec;
  if (!std::filesystem::is_directory(args[0], ec))
    return Usage_Error(command, "\"" + args[0] + "\" is not a folder", err);

  // The same file paths the configurator uses for an open project.
  Workspace workspace;
  workspace.Project_Dir = args[0];
  Set_Files(workspace);
  const Compile_Result result = Compile_Project(workspace);
  switch (result.Status) {
  case Compile_Status::Ok:
    break;
  case Compile_Status::Unreadable_Project_File:
    err << "cf20431-cli compile: " << result.Message << "\nNo image file was written.\n";
    return Exit_Failure;
  case Compile_Status::Cannot_Write_Image:
    err << "cf20431-cli compile: " << result.Message << '\n';
    return Exit_Cannot_Write;
  }
  const std::filesystem::path bin_dir = Image_Bin_Dir(workspace.Project_Dir);
  for (const char *name : {Bank_File_Name, Esp32_1_File_Name, Esp32_2_File_Name})
    out << "wrote " << (bin_dir / name).string() << '\n';
  return Exit_Ok;
}
