#include "parameters/ParameterChecks.h"

#include <functional>
#include <optional>

#include "common/WholeNumber.h"

namespace {

struct Check {
  int message;
  const char *element;
  const std::string &text;
  long long low, high;
  bool applies = true;
  std::optional<long long> excluded = std::nullopt;
};

// A text that is no decimal integer counts as -1, which every range below rejects.
bool Passes(const Check &check) {
  const long long value = Whole_Number(check.text).value_or(-1);
  return value >= check.low && value <= check.high && value != check.excluded;
}

// Runs the checks in order until `report` returns false.
void Run_Checks(const ParameterSet &v,
                const std::function<bool(const ParameterProblem &)> &report) {
  // The gateway uses this port itself.
  constexpr long long Console_Port_Reserved = 10000;
  const Check checks[] = {
      {469, "MTCPs_IP1", v.MTCPs_IP[0], 0, 255},
      {470, "MTCPs_IP2", v.MTCPs_IP[1], 0, 255},
      {471, "MTCPs_IP3", v.MTCPs_IP[2], 0, 255},
      {472, "MTCPs_IP4", v.MTCPs_IP[3], 0, 255},
      {473, "MTCPs_SUB1", v.MTCPs_SUB[0], 0, 255},
      {474, "MTCPs_SUB2", v.MTCPs_SUB[1], 0, 255},
      {475, "MTCPs_SUB3", v.MTCPs_SUB[2], 0, 255},
      {476, "MTCPs_SUB4", v.MTCPs_SUB[3], 0, 255},
      // The gateway bytes and the time-out matter only while their box is checked.
      {477, "MTCPs_GAT1", v.MTCPs_GAT[0], 0, 255, v.MTCPs_EN_GAT},
      {478, "MTCPs_GAT2", v.MTCPs_GAT[1], 0, 255, v.MTCPs_EN_GAT},
      {479, "MTCPs_GAT3", v.MTCPs_GAT[2], 0, 255, v.MTCPs_EN_GAT},
      {480, "MTCPs_GAT4", v.MTCPs_GAT[3], 0, 255, v.MTCPs_EN_GAT},
      {587, "MODBUS_SLAVE_IDDEVICE", v.MODBUS_SLAVE_IDDEVICE, 1, 247},
      {466, "DALI_CONSOLE_PORT", v.DALI_CONSOLE_PORT, 0, 65535, true, Console_Port_Reserved},
      {557, "DALI_TIMEOUT", v.DALI_TIMEOUT, 0, 3600000, v.DALI_SWITCH_OFF},
  };
  for (const Check &check : checks) {
    if (!check.applies)
      continue;
    if (!Passes(check) && !report({check.message, check.element}))
      return;
  }
}

} // namespace

std::optional<ParameterProblem> Controllo_Dati(const ParameterSet &values) {
  std::optional<ParameterProblem> first;
  Run_Checks(values, [&](const ParameterProblem &problem) {
    first = problem;
    return false;
  });
  return first;
}

std::vector<ParameterProblem> All_Parameter_Problems(const ParameterSet &values) {
  std::vector<ParameterProblem> problems;
  Run_Checks(values, [&](const ParameterProblem &problem) {
    problems.push_back(problem);
    return true;
  });
  return problems;
}
