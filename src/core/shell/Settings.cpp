#include "shell/Settings.h"

#include "common/AtomicFile.h"
#include "common/XmlText.h"
#include "shell/Workspace.h"

namespace {

constexpr const char *Settings_File_Name = "Sorvane.xml";

void Reset_To_Defaults(Workspace &workspace) {
  const Workspace defaults;
  workspace.Project_Name.clear();
  workspace.Project_Dir.clear();
  workspace.Last_IP_Address = defaults.Last_IP_Address;
  workspace.Language_Name = defaults.Language_Name;
  workspace.Enable_Internet = false;
  workspace.Enable_Update = false;
  workspace.Enable_Jump_Field_Tables = false;
  workspace.Enable_Double_Click_Auto_Size = false;
}

std::optional<std::string> Leaf_Text(const pugi::xml_node &root, const char *group,
                                     const char *leaf) {
  return Child_Text(root.child(group), leaf);
}

// A flag is true only for the exact text "1".
bool Flag(const pugi::xml_node &root, const char *leaf) {
  return Leaf_Text(root, "lastinternet", leaf) == "1";
}

void Add_Leaf(pugi::xml_node parent, const char *name, const std::string &text) {
  parent.append_child(name).text().set(text.c_str());
}

} // namespace

void Read_Settings(Workspace &workspace) {
  Reset_To_Defaults(workspace);
  pugi::xml_document doc;
  if (!doc.load_file((workspace.Exe_Dir / Settings_File_Name).c_str(), Xml_Parse_Options))
    return;
  // The first document-level node is the root, whatever its name or kind.
  const pugi::xml_node root = doc.first_child();
  if (auto name = Leaf_Text(root, "lastproj", "projectname"))
    workspace.Project_Name = *name;
  if (auto address = Leaf_Text(root, "lastipadd", "ipaddress"))
    workspace.Last_IP_Address = *address;
  if (auto language = Leaf_Text(root, "lastlang", "language"))
    workspace.Language_Name = *language;
  workspace.Enable_Internet = Flag(root, "enable_internet");
  workspace.Enable_Update = Flag(root, "enable_update");
  workspace.Enable_Jump_Field_Tables = Flag(root, "enable_jump_field_tables");
  workspace.Enable_Double_Click_Auto_Size = Flag(root, "Double_Click_Auto_Size");
}

std::string Settings_Document(const Workspace &workspace) {
  pugi::xml_document doc;
  pugi::xml_node root = doc.append_child("Conf_Settings");
  Add_Leaf(root.append_child("lastproj"), "projectname", workspace.Project_Name);
  Add_Leaf(root.append_child("lastipadd"), "ipaddress", workspace.Last_IP_Address);
  Add_Leaf(root.append_child("lastlang"), "language", workspace.Language_Name);
  pugi::xml_node flags = root.append_child("lastinternet");
  auto bit = [](bool on) { return std::string(on ? "1" : "0"); };
  Add_Leaf(flags, "enable_internet", bit(workspace.Enable_Internet));
  Add_Leaf(flags, "enable_update", bit(workspace.Enable_Update));
  Add_Leaf(flags, "enable_jump_field_tables", bit(workspace.Enable_Jump_Field_Tables));
  Add_Leaf(flags, "Double_Click_Auto_Size", bit(workspace.Enable_Double_Click_Auto_Size));
  return Xml_To_String(doc, true);
}

std::optional<std::string> Save_Setting(const Workspace &workspace) {
  return Write_File_Atomically(workspace.Exe_Dir / Settings_File_Name,
                               Settings_Document(workspace));
}
