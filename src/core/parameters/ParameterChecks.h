#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "parameters/ParameterSet.h"

// One value that is not acceptable: the message to show and the ParGen.xml element it is
// stored in.
struct ParameterProblem {
  int message;
  std::string_view element;

  bool operator==(const ParameterProblem &) const = default;
};

// The checks run before the set is saved, in their fixed order (the Ethernet fields first),
// stopping at the first failure. Nothing when every value is acceptable.
std::optional<ParameterProblem> Controllo_Dati(const ParameterSet &values);

// Every failing check in the same order, for reports that list them all.
std::vector<ParameterProblem> All_Parameter_Problems(const ParameterSet &values);
