#include "localisation/Language.h"

#include "localisation/DefaultMessages.h"
#include "localisation/LanguageFile.h"
#include "shell/Workspace.h"

void Build_Default_Messages(MessageTable &table) {
  table.Clear();
  auto next = Default_Message_Texts().begin();
  const auto end = Default_Message_Texts().end();
  for (int index = 0; index < MessageTable::Message_Count; ++index) {
    if (next != end && next->index == index)
      table.Append((next++)->text);
    else
      table.Append(" ");
  }
}

void Load_Language(Workspace &workspace) {
  Build_Default_Messages(workspace.Message_Table);
  std::error_code ec;
  const auto file = workspace.Language_Dir / (workspace.Language_Name + ".lng");
  if (std::filesystem::is_regular_file(file, ec)) {
    Parse_Language_File(workspace.Message_Table, file);
    return;
  }
  workspace.Language_Name = "English";
  const auto english = workspace.Language_Dir / "English.lng";
  if (std::filesystem::is_regular_file(english, ec))
    Parse_Language_File(workspace.Message_Table, english);
}
