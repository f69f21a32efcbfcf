#pragma once
#include <filesystem>
#include <string>

#include "image/ImageRecords.h"
#include "image/ImageSerialise.h"
#include "shell/ProjectFiles.h"

struct Workspace;

enum class Compile_Status {
  Ok,
  // A project file is there but is not well-formed XML (or cannot be read): nothing was written.
  Unreadable_Project_File,
  // The image was built but at least one image file could not be written.
  Cannot_Write_Image,
};

struct Compile_Result {
  Compile_Status Status = Compile_Status::Ok;
  // For a failure: what to show the user, with the file name and the reason.
  std::string Message;

  bool Ok() const { return Status == Compile_Status::Ok; }
};

// Reads the three project files into freshly reset records. A missing file is skipped; a file
// that is there but unusable stops the reading with its message and leaves the records unusable.
Compile_Result Read_Project_Image(const ProjectFiles &files, Image_Records &image);

// Compiles the project into bank.bin, bank_ESP32_1.bin and bank_ESP32_2.bin in `bin_dir`. When a
// project file is not well-formed no image file is written, so the files of an earlier
// compilation stay as they were.
Compile_Result Compile_Project(const ProjectFiles &files, const std::filesystem::path &bin_dir);

// The same for the workspace's open project, into its "bin" folder.
Compile_Result Compile_Project(const Workspace &workspace);

// The folder the image files of a project go to.
std::filesystem::path Image_Bin_Dir(const std::filesystem::path &project_dir);
