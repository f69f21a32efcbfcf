#include <cstring>
#include <iostream>

#include "Commands.h"

namespace {

const CliCommand Commands[] = {
    {"messages", "print the message table, optionally after a language file",
     "cf20431-cli messages [LANGUAGE_FILE]\n"
     "  Prints the 2800 texts of the message table, built-in English overlaid by LANGUAGE_FILE\n"
     "  when given, as \"index<TAB>text\" lines; \\, tab, CR and LF are written as \\\\ \\t \\r "
     "\\n.\n",
     Run_Messages},
    {"compile", "compile a project into its three image files",
     "cf20431-cli compile PROJECT_DIR\n"
     "  Compiles PROJECT_DIR/ParGen.xml, DALI_Access.xml and DALI2_Access.xml as Update Device\n"
     "  UDP does and writes PROJECT_DIR/bin/bank.bin, bank_ESP32_1.bin and bank_ESP32_2.bin.\n"
     "  Exit 1 when a project file is not well-formed (no image file written), 2 when an image\n"
     "  file cannot be written or on a usage error.\n",
     Run_Compile},
    {"dump", "show the contents of an image file",
     "cf20431-cli dump IMAGE_FILE\n"
     "  Decodes bank.bin, bank_ESP32_1.bin or bank_ESP32_2.bin, told apart by size: every used\n"
     "  rule and function, the parameter fields, the devices with flags, and whether the\n"
     "  checksum is right. Exit 1 when the file cannot be read, has none of the three sizes or\n"
     "  its checksum is wrong.\n",
     Run_Dump},
    {"validate", "check the stored project files as the windows check them on OK",
     "cf20431-cli validate PROJECT_DIR\n"
     "  Runs the save-time checks of Set Communication on PROJECT_DIR/ParGen.xml and prints\n"
     "  every failing field with its message; exit 1 when any fails or a file cannot be read.\n",
     Run_Validate},
};

void Print_Help(std::ostream &out) {
  out << "cf20431-cli: command-line tool of the CF20431 configurator\n\n"
         "Usage: cf20431-cli COMMAND [ARGS...]\n"
         "       cf20431-cli COMMAND --help\n\nCommands:\n";
  for (const CliCommand &command : Commands)
    out << "  " << command.name << std::string(10 - std::strlen(command.name), ' ')
        << command.summary << '\n';
  out << "\nExit status: 0 success, 1 failure, 2 usage error.\n";
}

} // namespace

const CliCommand &Command_Named(const char *name) {
  for (const CliCommand &command : Commands)
    if (std::strcmp(command.name, name) == 0)
      return command;
  return Commands[0];
}

int Usage_Error(const CliCommand &command, const std::string &problem, std::ostream &err) {
  err << "cf20431-cli " << command.name << ": " << problem << "\nUsage: " << command.usage;
  return Exit_Usage;
}

int main(int argc, char *argv[]) {
  std::ios::sync_with_stdio(false);
  if (argc < 2) {
    Print_Help(std::cerr);
    return Exit_Usage;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    Print_Help(std::cout);
    return Exit_Ok;
  }
  for (const CliCommand &command : Commands) {
    if (name != command.name)
      continue;
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const std::string &arg : args)
      if (arg == "--help" || arg == "-h") {
        std::cout << "Usage: " << command.usage;
        return Exit_Ok;
      }
    return command.run(args, std::cout, std::cerr);
  }
  std::cerr << "cf20431-cli: unknown command \"" << name << "\"\n\n";
  Print_Help(std::cerr);
  return Exit_Usage;
}
