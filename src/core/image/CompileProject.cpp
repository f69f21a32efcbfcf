#include "image/CompileProject.h"

#include <pugixml.hpp>

#include "common/DecimalNumber.h"
#include "image/CompileSteps.h"
#include "image/ImageFiles.h"
#include "image/ProjectDocument.h"
#include "shell/Workspace.h"

namespace {

Compile_Result Unreadable(std::string message) {
  return {Compile_Status::Unreadable_Project_File, std::move(message)};
}

} // namespace

Compile_Result Read_Project_Image(const ProjectFiles &files, Image_Records &image) {
  Reset_Image(image);
  std::string message;
  {
    pugi::xml_document doc;
    const Document_State state = Load_Project_Document(files.File_DALI_Access, doc, message);
    if (state == Document_State::Unusable)
      return Unreadable(message);
    if (state == Document_State::Loaded)
      Compile_Devices(doc, image);
  }
  {
    pugi::xml_document doc;
    const Document_State state = Load_Project_Document(files.File_DALI2_Access, doc, message);
    if (state == Document_State::Unusable)
      return Unreadable(message);
    if (state == Document_State::Loaded) {
      Compile_Rules(doc, image);
      Compile_Functions(doc, Decimal_Separator(), image);
    }
  }
  {
    image.Parameter_Block.Put_Addresses(Image_Layout::Standard_Addresses);
    pugi::xml_document doc;
    const Document_State state = Load_Project_Document(files.File_ParGen, doc, message);
    if (state == Document_State::Unusable)
      return Unreadable(message);
    if (state == Document_State::Loaded)
      Compile_Parameters(doc, image);
  }
  return {};
}

Compile_Result Compile_Project(const ProjectFiles &files, const std::filesystem::path &bin_dir) {
  Image_Records image;
  Compile_Result result = Read_Project_Image(files, image);
  if (!result.Ok())
    return result;
  const Image_Buffers buffers = Build_Image_Buffers(image);
  if (auto failure = Write_Image_Files(bin_dir, buffers))
    return {Compile_Status::Cannot_Write_Image, std::move(*failure)};
  return result;
}

Compile_Result Compile_Project(const Workspace &workspace) {
  return Compile_Project(workspace.Files, Image_Bin_Dir(workspace.Project_Dir));
}

std::filesystem::path Image_Bin_Dir(const std::filesystem::path &project_dir) {
  return project_dir / "bin";
}
