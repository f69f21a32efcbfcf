#include <filesystem>

#include "Commands.h"
#include "localisation/Language.h"
#include "localisation/MessageTable.h"
#include "parameters/ParGenFile.h"
#include "parameters/ParameterChecks.h"

namespace {

constexpr const char *ParGen_Name = "ParGen.xml";

// Checks ParGen.xml as the Set Communication window checks it on OK, but lists every failing
// field. A missing file is valid: the defaults apply. Returns whether everything passed.
bool Validate_ParGen(const std::filesystem::path &project_dir, const MessageTable &table,
                     std::ostream &out) {
  const ParGenLoad load = Load_ParGen(project_dir / ParGen_Name);
  if (load.problem) {
    out << ParGen_Name << ": " << *load.problem << '\n';
    return false;
  }
  const std::vector<ParameterProblem> problems = All_Parameter_Problems(load.values);
  for (const ParameterProblem &problem : problems)
    out << ParGen_Name << ": " << problem.element << ": " << table.Text(problem.message) << '\n';
  if (problems.empty())
    out << ParGen_Name << ": all values pass\n";
  return problems.empty();
}

} // namespace

int Run_Validate(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  const CliCommand &command = Command_Named("validate");
  if (args.size() != 1)
    return Usage_Error(command, args.empty() ? "missing PROJECT_DIR" : "too many arguments", err);
  const std::filesystem::path project_dir = args[0];
  std::error_code ec;
  if (!std::filesystem::is_directory(project_dir, ec))
    return Usage_Error(command, "\"" + args[0] + "\" is not a folder", err);
  MessageTable table;
  Build_Default_Messages(table);
  const bool passed = Validate_ParGen(project_dir, table, out);
  out.flush();
  return passed ? Exit_Ok : Exit_Failure;
}
