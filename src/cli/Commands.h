#pragma once
#include <ostream>
#include <string>
#include <vector>

// One sub-command of cf20431-cli. `args` are the words after the command name.
struct CliCommand {
  const char *name;
  const char *summary;
  const char *usage;
  int (*run)(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);
};

constexpr int Exit_Ok = 0;
constexpr int Exit_Failure = 1;
constexpr int Exit_Usage = 2;

int Run_Messages(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);
int Run_Compile(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);
int Run_Dump(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);
int Run_Validate(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

// Prints a usage error with the command's usage text and returns Exit_Usage.
int Usage_Error(const CliCommand &command, const std::string &problem, std::ostream &err);
const CliCommand &Command_Named(const char *name);
