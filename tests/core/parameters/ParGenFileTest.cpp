#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/AtomicFile.h"
#include "parameters/ParGenElements.h"
#include "parameters/ParGenFile.h"
#include "support/core/TempDir.h"

namespace {

// A set where every value differs from its default, so a default showing up is visible.
ParameterSet Non_Default_Set() {
  ParameterSet set;
  set.MTCPs_IP = {"10", "1", "2", "3"};
  set.MTCPs_SUB = {"255", "0", "0", "0"};
  set.MTCPs_EN_GAT = true;
  set.MTCPs_GAT = {"10", "1", "2", "254"};
  set.MODBUS_SLAVE_BAUDRATE = 3;
  set.MODBUS_SLAVE_PARITY = 2;
  set.MODBUS_SLAVE_IDDEVICE = "5";
  set.MODBUS_SLAVE_DALI_MAP = true;
  set.DALI_CONSOLE_PORT = "502";
  set.DALI_SWITCH_OFF = true;
  set.DALI_TIMEOUT = "2000";
  set.DALI_DISABLE_SCAN = true;
  set.DALI_ENABLE_DALI_2 = true;
  return set;
}

// The document of `set` with one element replaced by `replacement` ("" removes it).
std::string With_Element(const ParameterSet &set, const std::string &name,
                         const std::string &replacement) {
  std::string doc = ParGen_Document(set);
  const std::string open = "<" + name + ">", close = "</" + name + ">";
  const auto begin = doc.find(open);
  const auto end = doc.find(close, begin);
  if (begin == std::string::npos || end == std::string::npos)
    throw std::runtime_error("no element " + name);
  return doc.replace(begin, end + close.size() - begin, replacement);
}

ParGenLoad Load_Text(const TempDir &dir, const std::string &bytes) {
  return Load_ParGen(dir.Write("ParGen.xml", bytes));
}

const char *const Default_Document =
    "<Par_Gen><MTCPs_IP1>192</MTCPs_IP1><MTCPs_IP2>168</MTCPs_IP2><MTCPs_IP3>0</MTCPs_IP3>"
    "<MTCPs_IP4>10</MTCPs_IP4><MTCPs_SUB1>255</MTCPs_SUB1><MTCPs_SUB2>255</MTCPs_SUB2>"
    "<MTCPs_SUB3>255</MTCPs_SUB3><MTCPs_SUB4>0</MTCPs_SUB4><MTCPs_EN_GAT>0</MTCPs_EN_GAT>"
    "<MTCPs_GAT1>192</MTCPs_GAT1><MTCPs_GAT2>168</MTCPs_GAT2><MTCPs_GAT3>0</MTCPs_GAT3>"
    "<MTCPs_GAT4>1</MTCPs_GAT4><MODBUS_SLAVE_BAUDRATE>7</MODBUS_SLAVE_BAUDRATE>"
    "<MODBUS_SLAVE_PARITY>0</MODBUS_SLAVE_PARITY><MODBUS_SLAVE_IDDEVICE>10"
    "</MODBUS_SLAVE_IDDEVICE><MODBUS_SLAVE_DALI_MAP>0</MODBUS_SLAVE_DALI_MAP>"
    "<DALI_CONSOLE_PORT>10001</DALI_CONSOLE_PORT><DALI_SWITCH_OFF>0</DALI_SWITCH_OFF>"
    "<DALI_TIMEOUT>0</DALI_TIMEOUT><DALI_DISABLE_SCAN>0</DALI_DISABLE_SCAN>"
    "<DALI_ENABLE_DALI_2>0</DALI_ENABLE_DALI_2></Par_Gen><!--SW_VERSION = 1.401-->";

TEST(ParGenFile, MissingFileGivesTheDefaultsSilently) {
  TempDir dir;
  const ParGenLoad load = Load_ParGen(dir / "ParGen.xml");
  EXPECT_EQ(load.values, ParameterSet{});
  EXPECT_FALSE(load.problem);
}

TEST(ParGenFile, DefaultsAreWrittenByteForByte) {
  TempDir dir;
  ASSERT_FALSE(Save_ParGen(dir / "ParGen.xml", ParameterSet{}));
  EXPECT_EQ(Read_Whole_File(dir / "ParGen.xml"), Default_Document);
}

TEST(ParGenFile, TextsAreStoredAsTypedAndReadBackUnchanged) {
  TempDir dir;
  ParameterSet set = Non_Default_Set();
  // Not validated while the GATEWAY box is clear: kept with its letters.
  set.MTCPs_EN_GAT = false;
  set.MTCPs_GAT = {"ab", "", " 7", "1.2.3.4"};
  set.MTCPs_IP[0] = "010";
  set.DALI_TIMEOUT = "<5000 & more>";
  set.DALI_CONSOLE_PORT = "  ";
  set.MODBUS_SLAVE_BAUDRATE = -1;
  ASSERT_FALSE(Save_ParGen(dir / "ParGen.xml", set));
  const std::string bytes = *Read_Whole_File(dir / "ParGen.xml");
  EXPECT_NE(bytes.find("<MTCPs_GAT1>ab</MTCPs_GAT1>"), std::string::npos);
  EXPECT_NE(bytes.find("<MTCPs_IP1>010</MTCPs_IP1>"), std::string::npos);
  EXPECT_NE(bytes.find("<MODBUS_SLAVE_BAUDRATE>-1</MODBUS_SLAVE_BAUDRATE>"), std::string::npos);
  const ParGenLoad load = Load_ParGen(dir / "ParGen.xml");
  EXPECT_FALSE(load.problem);
  EXPECT_EQ(load.values, set);
}

struct ReadCase {
  const char *what;
  std::string element;
  std::string replacement;
  void (*expect)(ParameterSet &);
};

void PrintTo(const ReadCase &c, std::ostream *out) {
  *out << c.what;
}

class ParGenReading : public testing::TestWithParam<ReadCase> {};

TEST_P(ParGenReading, OneElementChangesOnlyItsOwnValue) {
  const ReadCase &c = GetParam();
  TempDir dir;
  const ParGenLoad load = Load_Text(dir, With_Element(Non_Default_Set(), c.element, c.replacement));
  ParameterSet expected = Non_Default_Set();
  c.expect(expected);
  EXPECT_FALSE(load.problem);
  EXPECT_EQ(load.values, expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ParGenReading,
    testing::Values(ReadCase{"missing port takes its default", "DALI_CONSOLE_PORT", "",
                             [](ParameterSet &s) { s.DALI_CONSOLE_PORT = "10001"; }},
                    ReadCase{"element holding elements is unreadable", "MTCPs_IP1",
                             "<MTCPs_IP1>1<b>2</b></MTCPs_IP1>",
                             [](ParameterSet &s) { s.MTCPs_IP[0] = "192"; }},
                    ReadCase{"names compare with case", "MTCPs_IP2", "<mtcps_ip2>7</mtcps_ip2>",
                             [](ParameterSet &s) { s.MTCPs_IP[1] = "168"; }},
                    ReadCase{"empty element gives an empty field", "MODBUS_SLAVE_IDDEVICE",
                             "<MODBUS_SLAVE_IDDEVICE/>",
                             [](ParameterSet &s) { s.MODBUS_SLAVE_IDDEVICE = ""; }},
                    ReadCase{"first of two equal names wins", "MTCPs_SUB2",
                             "<MTCPs_SUB2>128</MTCPs_SUB2><MTCPs_SUB2>64</MTCPs_SUB2>",
                             [](ParameterSet &s) { s.MTCPs_SUB[1] = "128"; }},
                    ReadCase{"true is no check", "MTCPs_EN_GAT",
                             "<MTCPs_EN_GAT>true</MTCPs_EN_GAT>",
                             [](ParameterSet &s) { s.MTCPs_EN_GAT = false; }},
                    ReadCase{"blank before 1 is no check", "DALI_SWITCH_OFF",
                             "<DALI_SWITCH_OFF> 1</DALI_SWITCH_OFF>",
                             [](ParameterSet &s) { s.DALI_SWITCH_OFF = false; }},
                    ReadCase{"empty is no check", "MODBUS_SLAVE_DALI_MAP",
                             "<MODBUS_SLAVE_DALI_MAP></MODBUS_SLAVE_DALI_MAP>",
                             [](ParameterSet &s) { s.MODBUS_SLAVE_DALI_MAP = false; }},
                    ReadCase{"missing check box is unchecked", "DALI_ENABLE_DALI_2", "",
                             [](ParameterSet &s) { s.DALI_ENABLE_DALI_2 = false; }},
                    ReadCase{"baud 5 is 37400", "MODBUS_SLAVE_BAUDRATE",
                             "<MODBUS_SLAVE_BAUDRATE>5</MODBUS_SLAVE_BAUDRATE>",
                             [](ParameterSet &s) { s.MODBUS_SLAVE_BAUDRATE = 5; }},
                    ReadCase{"baud 9 selects nothing", "MODBUS_SLAVE_BAUDRATE",
                             "<MODBUS_SLAVE_BAUDRATE>9</MODBUS_SLAVE_BAUDRATE>",
                             [](ParameterSet &s) { s.MODBUS_SLAVE_BAUDRATE = -1; }},
                    ReadCase{"negative baud selects nothing", "MODBUS_SLAVE_BAUDRATE",
                             "<MODBUS_SLAVE_BAUDRATE>-2</MODBUS_SLAVE_BAUDRATE>",
                             [](ParameterSet &s) { s.MODBUS_SLAVE_BAUDRATE = -1; }},
                    ReadCase{"baud no integer is 115200", "MODBUS_SLAVE_BAUDRATE",
                             "<MODBUS_SLAVE_BAUDRATE>fast</MODBUS_SLAVE_BAUDRATE>",
                             [](ParameterSet &s) { s.MODBUS_SLAVE_BAUDRATE = 7; }},
                    ReadCase{"baud with a trailing blank is no integer", "MODBUS_SLAVE_BAUDRATE",
                             "<MODBUS_SLAVE_BAUDRATE>5 </MODBUS_SLAVE_BAUDRATE>",
                             [](ParameterSet &s) { s.MODBUS_SLAVE_BAUDRATE = 7; }},
                    ReadCase{"parity 3 selects nothing", "MODBUS_SLAVE_PARITY",
                             "<MODBUS_SLAVE_PARITY>3</MODBUS_SLAVE_PARITY>",
                             [](ParameterSet &s) { s.MODBUS_SLAVE_PARITY = -1; }},
                    ReadCase{"parity no integer is NONE", "MODBUS_SLAVE_PARITY",
                             "<MODBUS_SLAVE_PARITY></MODBUS_SLAVE_PARITY>",
                             [](ParameterSet &s) { s.MODBUS_SLAVE_PARITY = 0; }}),
    [](const testing::TestParamInfo<ReadCase> &info) { return std::to_string(info.index); });

TEST(ParGenFile, NodeBeforeTheRootMeansEveryElementIsMissing) {
  const std::string body = ParGen_Document(Non_Default_Set());
  for (const std::string before : {"<!-- note -->", "<?tool run?>"}) {
    TempDir dir;
    const ParGenLoad load = Load_Text(dir, before + body);
    EXPECT_FALSE(load.problem) << before;
    EXPECT_EQ(load.values, ParameterSet{}) << before;
  }
}

TEST(ParGenFile, AnyRootNameAndOrderAndWhitespaceAreRead) {
  TempDir dir;
  const std::string file =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Other>\n"
      "  <DALI_TIMEOUT>2000</DALI_TIMEOUT>\n  <MTCPs_IP4>3</MTCPs_IP4>\n"
      "  <MODBUS_SLAVE_BAUDRATE>3</MODBUS_SLAVE_BAUDRATE>\n  <Unknown>1</Unknown>\n</Other>\n";
  const ParGenLoad load = Load_Text(dir, file);
  ParameterSet expected;
  expected.DALI_TIMEOUT = "2000";
  expected.MTCPs_IP[3] = "3";
  expected.MODBUS_SLAVE_BAUDRATE = 3;
  EXPECT_EQ(load.values, expected);

  // Rewritten: the fixed order, nothing unknown, the version comment after the root.
  ASSERT_FALSE(Save_ParGen(dir / "ParGen.xml", load.values));
  EXPECT_EQ(Read_Whole_File(dir / "ParGen.xml"), ParGen_Document(expected));
}

TEST(ParGenFile, ReorderedChildrenAreRewrittenInTheirOrder) {
  TempDir dir;
  const ParameterSet set = Non_Default_Set();
  const std::string canonical = ParGen_Document(set);
  std::vector<std::string> children;
  For_Each_ParGen_Element(set, [&](const char *name, const auto &, std::size_t) {
    const std::string close = std::string("</") + name + ">";
    const auto begin = canonical.find(std::string("<") + name + ">");
    children.push_back(canonical.substr(begin, canonical.find(close) + close.size() - begin));
  });
  ASSERT_EQ(children.size(), 22u);
  std::string reversed = "<Par_Gen>";
  for (auto it = children.rbegin(); it != children.rend(); ++it)
    reversed += *it;
  reversed += "</Par_Gen>";

  const ParGenLoad load = Load_Text(dir, reversed);
  EXPECT_EQ(load.values, set);
  ASSERT_FALSE(Save_ParGen(dir / "ParGen.xml", load.values));
  EXPECT_EQ(Read_Whole_File(dir / "ParGen.xml"), canonical);
}

TEST(ParGenFile, NotWellFormedIsReportedAndKeptBeforeItIsReplaced) {
  TempDir dir;
  const std::string broken = "<Par_Gen><MTCPs_IP1>10</MTCPs_IP2></Par_Gen>";
  const auto file = dir.Write("ParGen.xml", broken);
  const ParGenLoad load = Load_ParGen(file);
  ASSERT_TRUE(load.problem);
  EXPECT_NE(load.problem->find(file.string()), std::string::npos) << *load.problem;
  EXPECT_NE(load.problem->find("mismatch"), std::string::npos) << *load.problem;
  EXPECT_EQ(load.values, ParameterSet{});

  ASSERT_FALSE(Save_ParGen(file, load.values));
  EXPECT_EQ(Read_Whole_File(dir / "ParGen.xml.unreadable"), broken);
  EXPECT_EQ(Read_Whole_File(file), Default_Document);

  // Replacing a readable file keeps no copy, and the old copy stays as it was.
  ASSERT_FALSE(Save_ParGen(file, Non_Default_Set()));
  EXPECT_EQ(Read_Whole_File(dir / "ParGen.xml.unreadable"), broken);
}

TEST(ParGenFile, EmptyFileIsNotWellFormed) {
  TempDir dir;
  const ParGenLoad load = Load_Text(dir, "");
  EXPECT_TRUE(load.problem);
  EXPECT_EQ(load.values, ParameterSet{});
}

TEST(ParGenFile, FailedSaveGivesTheReasonAndWritesNothing) {
  TempDir dir;
  const auto file = dir / "no-such-folder" / "ParGen.xml";
  const auto failure = Save_ParGen(file, ParameterSet{});
  ASSERT_TRUE(failure);
  EXPECT_NE(failure->find("No such file or directory"), std::string::npos) << *failure;
  EXPECT_FALSE(std::filesystem::exists(dir / "no-such-folder"));
}

} // namespace
