#include <gtest/gtest.h>
#include <string>

#include "parameters/ParameterChecks.h"

namespace {

// Which text a case puts where; the box flags are set so that every check applies.
enum class Field { IP, SUB, GAT, ID, Port, TimeOut };

struct CheckCase {
  Field field;
  int byte; // 0..3 for the address rows
  std::string text;
  int message; // 0: passes
};

void PrintTo(const CheckCase &c, std::ostream *out) {
  *out << "field " << static_cast<int>(c.field) << " byte " << c.byte << " \"" << c.text << "\"";
}

ParameterSet All_Checked() {
  ParameterSet set;
  set.MTCPs_EN_GAT = true;
  set.DALI_SWITCH_OFF = true;
  return set;
}

void Put(ParameterSet &set, Field field, int byte, const std::string &text) {
  switch (field) {
  case Field::IP:
    set.MTCPs_IP[byte] = text;
    break;
  case Field::SUB:
    set.MTCPs_SUB[byte] = text;
    break;
  case Field::GAT:
    set.MTCPs_GAT[byte] = text;
    break;
  case Field::ID:
    set.MODBUS_SLAVE_IDDEVICE = text;
    break;
  case Field::Port:
    set.DALI_CONSOLE_PORT = text;
    break;
  case Field::TimeOut:
    set.DALI_TIMEOUT = text;
    break;
  }
}

class Bounds : public testing::TestWithParam<CheckCase> {};

TEST_P(Bounds, AtAndBeyondEachLimit) {
  const CheckCase &c = GetParam();
  ParameterSet set = All_Checked();
  Put(set, c.field, c.byte, c.text);
  const auto problem = Controllo_Dati(set);
  if (c.message == 0)
    EXPECT_FALSE(problem) << "\"" << c.text << "\" gave " << problem->message;
  else
    EXPECT_EQ(problem ? problem->message : 0, c.message) << "\"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Checks, Bounds,
    testing::Values(CheckCase{Field::IP, 0, "0", 0}, CheckCase{Field::IP, 0, "255", 0},
                    CheckCase{Field::IP, 0, "256", 469}, CheckCase{Field::IP, 0, "-1", 469},
                    CheckCase{Field::IP, 0, "", 469}, CheckCase{Field::IP, 0, "192.168.0.10", 469},
                    CheckCase{Field::IP, 0, "1 ", 469}, CheckCase{Field::IP, 0, "0x10", 469},
                    CheckCase{Field::IP, 0, "99999999999999999999", 469},
                    CheckCase{Field::IP, 0, "010", 0}, CheckCase{Field::IP, 1, "256", 470},
                    CheckCase{Field::IP, 2, "256", 471}, CheckCase{Field::IP, 3, "256", 472},
                    CheckCase{Field::IP, 3, "255", 0}, CheckCase{Field::SUB, 0, "256", 473},
                    CheckCase{Field::SUB, 1, "-1", 474}, CheckCase{Field::SUB, 2, "x", 475},
                    CheckCase{Field::SUB, 3, "256", 476}, CheckCase{Field::SUB, 3, "0", 0},
                    CheckCase{Field::GAT, 0, "256", 477}, CheckCase{Field::GAT, 1, "ab", 478},
                    CheckCase{Field::GAT, 2, "-1", 479}, CheckCase{Field::GAT, 3, "256", 480},
                    CheckCase{Field::GAT, 3, "255", 0}, CheckCase{Field::ID, 0, "0", 587},
                    CheckCase{Field::ID, 0, "1", 0}, CheckCase{Field::ID, 0, "247", 0},
                    CheckCase{Field::ID, 0, "248", 587}, CheckCase{Field::ID, 0, "1.", 587},
                    CheckCase{Field::Port, 0, "0", 0}, CheckCase{Field::Port, 0, "9999", 0},
                    CheckCase{Field::Port, 0, "10000", 466}, CheckCase{Field::Port, 0, "10001", 0},
                    CheckCase{Field::Port, 0, "65535", 0}, CheckCase{Field::Port, 0, "65536", 466},
                    CheckCase{Field::Port, 0, "-1", 466}, CheckCase{Field::TimeOut, 0, "0", 0},
                    CheckCase{Field::TimeOut, 0, "3600000", 0},
                    CheckCase{Field::TimeOut, 0, "3600001", 557},
                    CheckCase{Field::TimeOut, 0, "-1", 557},
                    CheckCase{Field::TimeOut, 0, "5000000", 557}),
    [](const testing::TestParamInfo<CheckCase> &info) { return std::to_string(info.index); });

TEST(ParameterChecks, DefaultsPass) {
  EXPECT_FALSE(Controllo_Dati(ParameterSet{}));
  EXPECT_FALSE(Controllo_Dati(All_Checked()));
  EXPECT_TRUE(All_Parameter_Problems(ParameterSet{}).empty());
}

TEST(ParameterChecks, GatewayAndTimeOutAreCheckedOnlyWhileTheirBoxIsSet) {
  ParameterSet set;
  set.MTCPs_GAT = {"a", "b", "c", "d"};
  set.DALI_TIMEOUT = "5000000";
  EXPECT_FALSE(Controllo_Dati(set));
  set.MTCPs_EN_GAT = true;
  EXPECT_EQ(Controllo_Dati(set), (ParameterProblem{477, "MTCPs_GAT1"}));
  set.MTCPs_EN_GAT = false;
  set.DALI_SWITCH_OFF = true;
  EXPECT_EQ(Controllo_Dati(set), (ParameterProblem{557, "DALI_TIMEOUT"}));
}

TEST(ParameterChecks, FirstFailureInCheckOrderAndAllFailuresInOrder) {
  ParameterSet set = All_Checked();
  for (auto *row : {&set.MTCPs_IP, &set.MTCPs_SUB, &set.MTCPs_GAT})
    *row = {"256", "256", "256", "256"};
  set.MODBUS_SLAVE_IDDEVICE = "0";
  set.DALI_CONSOLE_PORT = "10000";
  set.DALI_TIMEOUT = "-5";

  const std::vector<int> order = {469, 470, 471, 472, 473, 474, 475, 476,
                                  477, 478, 479, 480, 587, 466, 557};
  std::vector<int> messages;
  for (const ParameterProblem &problem : All_Parameter_Problems(set))
    messages.push_back(problem.message);
  EXPECT_EQ(messages, order);
  EXPECT_EQ(All_Parameter_Problems(set).back().element, "DALI_TIMEOUT");

  // The Ethernet rows come before the Modbus Slave address although they stand lower.
  EXPECT_EQ(Controllo_Dati(set)->message, 469);
  set.MTCPs_IP = ParameterSet{}.MTCPs_IP;
  set.MTCPs_SUB = ParameterSet{}.MTCPs_SUB;
  set.MTCPs_EN_GAT = false;
  EXPECT_EQ(Controllo_Dati(set)->message, 587);
}

} // namespace
