#include "support/core/CliRun.h"

#include <cstdlib>
#include <sys/wait.h>

#include "common/AtomicFile.h"
#include "support/core/TempDir.h"

#ifndef CF_CLI_PATH
#define CF_CLI_PATH "cf20431-cli"
#endif

std::string Quoted(const std::string &text) {
  std::string quoted = "'";
  for (const char c : text)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

CliRun Run_Cli(const std::string &arguments) {
  TempDir scratch;
  const std::string command = Quoted(CF_CLI_PATH) + " " + arguments + " </dev/null >" +
                              Quoted((scratch / "out").string()) + " 2>" +
                              Quoted((scratch / "err").string());
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Read_Whole_File(scratch / "out").value_or(""),
          Read_Whole_File(scratch / "err").value_or("")};
}
