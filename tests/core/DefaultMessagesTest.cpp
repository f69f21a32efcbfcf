#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>

#include "localisation/DefaultMessages.h"

namespace {

const DefaultMessage *Find(int index) {
  const auto table = Default_Message_Texts();
  const auto it = std::lower_bound(table.begin(), table.end(), index,
                                   [](const DefaultMessage &m, int i) { return m.index < i; });
  if (it == table.end() || it->index != index) {
    return nullptr;
  }
  return &*it;
}

TEST(DefaultMessages, IndicesStrictlyAscendingWithinTable) {
  const auto table = Default_Message_Texts();
  ASSERT_FALSE(table.empty());
  int previous = -1;
  for (const DefaultMessage &m : table) {
    EXPECT_GT(m.index, previous) << "at index " << m.index;
    EXPECT_GE(m.index, 0);
    EXPECT_LT(m.index, 2800);
    previous = m.index;
  }
}

TEST(DefaultMessages, TextsAreNonEmptyAndUseOnlyIntegerPlaceholders) {
  for (const DefaultMessage &m : Default_Message_Texts()) {
    ASSERT_NE(m.text, nullptr) << "index " << m.index;
    const std::string text = m.text;
    // A lone blank is what unlisted indices hold anyway.
    EXPECT_FALSE(text.empty()) << "index " << m.index;
    EXPECT_NE(text, " ") << "index " << m.index;
    // Templates are filled by "%d" substitution only; any other '%' would
    // be misread when the message is formatted.
    for (std::size_t pos = text.find('%'); pos != std::string::npos;
         pos = text.find('%', pos + 1)) {
      EXPECT_TRUE(pos + 1 < text.size() && text[pos + 1] == 'd')
          << "index " << m.index << ": " << text;
    }
  }
}

struct Case {
  int index;
  const char *text;
};

class DefaultMessageText : public ::testing::TestWithParam<Case> {};

TEST_P(DefaultMessageText, MatchesBuiltInEnglish) {
  const Case c = GetParam();
  const DefaultMessage *m = Find(c.index);
  ASSERT_NE(m, nullptr) << "index " << c.index << " missing";
  EXPECT_EQ(std::string(m->text), std::string(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    RepresentativeEntries, DefaultMessageText,
    ::testing::Values(
        Case{0, "Begin"}, Case{4, "Step 4"}, Case{9, "None Configuration Opened "},
        Case{18, "Error! Project not Valid"}, Case{107, "Error! Name Project is not valid"},
        Case{202, "List of Avaliable Configurations"}, Case{306, " / "},
        Case{316, "Do you want to change the Language from "}, Case{463, " DALI "},
        Case{466, "Error DALI!! DALI Console Port must be between 0 and "
                  "65535 and different from 10000"},
        Case{480, "Error Ethernet!! GATEWAY IP 4 must be between 0 and 255"},
        Case{587, "Error Modbus Slave!! ID Device must be between 1 and 247"},
        Case{601, "Select the DALI Device Present in the  Network"}, Case{610, "DALI ID Device 0"},
        Case{673, "DALI ID Device 63"}, Case{763, "Recall Level"}, Case{817, "Configuration"},
        Case{836, "Device Not Found!"}, Case{902, "Error!!! Copy a valid row before Paste it"},
        Case{1264, "Map each DALI Device in a Register"}, Case{1293, "Enable the DALI 2 protocol"},
        Case{2500, "N"}, Case{2524, "Insert the DALI Commond, from 0 to 255"},
        Case{2535, "Set Access - Error Row %d!! Position Must be Between 0 and %d"},
        Case{2554, "Are you sure to delete the Row number %d"},
        Case{2564, "Function - Error Row %d!! Condition for this Event / "
                   "Value must be \"When Equal to Value\""}));

TEST(DefaultMessages, DeviceNamesCoverEveryShortAddress) {
  for (int n = 0; n < 64; ++n) {
    const DefaultMessage *m = Find(610 + n);
    ASSERT_NE(m, nullptr) << "short address " << n;
    EXPECT_EQ(std::string(m->text), "DALI ID Device " + std::to_string(n));
  }
}

TEST(DefaultMessages, UnquotedIndicesAreNotListed) {
  // Indices without a built-in text fall back to the blank; listing them
  // here would shadow that fall-back with a wrong text.
  for (int index :
       {5, 8, 27, 40, 111, 404, 588, 674, 680, 743, 800, 838, 903, 1294, 1800, 2506, 2567, 2799}) {
    EXPECT_EQ(Find(index), nullptr) << "index " << index;
  }
}

} // namespace
