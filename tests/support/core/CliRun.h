#pragma once
#include <string>

// Runs cf20431-cli with the given arguments (already shell-quoted) and captures everything.
struct CliRun {
  int status;
  std::string out, err;
};

CliRun Run_Cli(const std::string &arguments);
// Quotes one argument for the shell.
std::string Quoted(const std::string &text);
