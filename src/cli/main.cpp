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
