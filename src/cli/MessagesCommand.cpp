#include <filesystem>

#include "Commands.h"
#include "common/AtomicFile.h"
#include "localisation/Language.h"
#include "localisation/LanguageFile.h"
#include "localisation/MessageTable.h"

namespace {
void Write_Escaped(std::ostream &out, const std::string &text) {
  for (const char c : text) {
    switch (c) {
    case '\\':
      out << "\\\\";
      break;
    case '\t':
      out << "\\t";
      break;
    case '\r':
      out << "\\r";
      break;
    case '\n':
      out << "\\n";
      break;
    default:
      out << c;
    }
  }
}
} // namespace

int Run_Messages(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  const CliCommand &command = Command_Named("messages");
  if (args.size() > 1)
    return Usage_Error(command, "too many arguments", err);
  MessageTable table;
  Build_Default_Messages(table);
  if (args.size() == 1) {
    const auto bytes = Read_Whole_File(args[0]);
    if (!bytes || std::filesystem::is_directory(args[0])) {
      err << "cf20431-cli messages: cannot read \"" << args[0] << "\"\n";
      return Exit_Failure;
    }
    Parse_Language_Text(table, *bytes);
  }
  for (int index = 0; index < table.Size(); ++index) {
    out << index << '\t';
    Write_Escaped(out, table.Text(index));
    out << '\n';
  }
  return out.good() ? Exit_Ok : Exit_Failure;
}
