#include <gtest/gtest.h>

#include "common/MessageFormat.h"

namespace {

TEST(MessageFormat, FillsPlaceholdersInOrderAndLeavesEverythingElse) {
  struct Case {
    std::string message;
    std::initializer_list<long long> values;
    std::string expected;
  } cases[] = {
      {"Are you sure to delete the Row number %d", {7}, "Are you sure to delete the Row number 7"},
      {"Row %d Column %d", {3, 4}, "Row 3 Column 4"},
      {"Row %d Column %d", {3}, "Row 3 Column %d"},
      {"no placeholder", {1, 2}, "no placeholder"},
      {"%s %n %x %%d %", {5}, "%s %n %x %5 %"},
      {"%d%d", {-1, 2}, "-12"},
      {"", {1}, ""},
  };
  for (const Case &c : cases)
    EXPECT_EQ(Format_Message(c.message, c.values), c.expected) << c.message;
}

} // namespace
