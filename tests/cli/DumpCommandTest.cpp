#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "common/AtomicFile.h"
#include "support/core/CliRun.h"
#include "support/core/TempDir.h"

namespace fs = std::filesystem;

namespace {

// A project with one rule, one function and one device, compiled by the CLI.
class Dump_Command : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directory(project_ / "bin");
    project_.Write("DALI_Access.xml",
                   "<DALI_Access><DALI_ID_DEVICE_5>1</DALI_ID_DEVICE_5><DALI_ID_DEVICE_5_RECALL_"
                   "LEVEL>Recall Old Value Level for Switch</DALI_ID_DEVICE_5_RECALL_LEVEL>"
                   "</DALI_Access>");
    project_.Write(
        "DALI2_Access.xml",
        "<DALI2_Access><DALI2_Functions_Rules><row Function=\"Dim Up\" Condition=\"When Equal to "
        "Value\" Value=\"12.5\" Channel=\"DALI Group 3\" Val=\"200\" Next_Function=\"0\"/>"
        "</DALI2_Functions_Rules><DALI2_SetAccess_Rules><row Enable=\"Y\" DeviceSensor=\"Sensor\" "
        "Type=\"Push Button\" ChannelNumber=\"5\" Instance=\"2\" Command=\"9\" TimeSend=\"100\" "
        "TimeOut=\"500\" Function=\"1 - up\" Position=\"3\" NumBytes=\"2\"/>"
        "</DALI2_SetAccess_Rules></DALI2_Access>");
    project_.Write("ParGen.xml", "<Par_Gen><MTCPs_IP4>77</MTCPs_IP4></Par_Gen>");
    const CliRun run = Run_Cli("compile " + Quoted(project_.Path().string()));
    ASSERT_EQ(run.status, 0) << run.err;
  }

  CliRun Dump(const std::string &name) {
    return Run_Cli("dump " + Quoted((project_ / "bin" / name).string()));
  }

  TempDir project_;
};

TEST_F(Dump_Command, DecodesBankBin) {
  const CliRun run = Dump("bank.bin");
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char *line :
       {"bank.bin (10496 bytes)\n",
        "  rule 0: Sensor, type Push Button (1), channel 5, instance 2, event Button Released (0), "
        "flags 0x1 (two-byte value), time send 100 ms, time-out 500 ms, position 3, command 9, "
        "function 1\n",
        "  function 1: Dim Up (18), condition When Equal to Value (1), value 12.5, target DALI "
        "Group 3 (66), level 200, next 0\n",
        "  IP address: 192.168.0.77\n", "  internal data length: 4\n", "  version: \"1.401\"\n",
        "  rule table address: 0x66000\n", "  constants and reserved bytes: as expected\n",
        "  device 5: 0x8010 selected, recall old value level\n"})
    EXPECT_NE(run.out.find(line), std::string::npos) << line << "\nin\n" << run.out;
  EXPECT_EQ(run.out.find("rule 1:"), std::string::npos);
  EXPECT_NE(run.out.find("checksum: "), std::string::npos);
  EXPECT_NE(run.out.find(", right\n"), std::string::npos);
}

TEST_F(Dump_Command, DecodesBothEsp32Files) {
  const CliRun first = Dump("bank_ESP32_1.bin");
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_NE(first.out.find("Parameters (ESP32 form)"), std::string::npos) << first.out;
  EXPECT_NE(first.out.find("rule table address: 0x310000"), std::string::npos) << first.out;
  EXPECT_EQ(first.out.find("Rules"), std::string::npos);

  const CliRun second = Dump("bank_ESP32_2.bin");
  ASSERT_EQ(second.status, 0) << second.err;
  EXPECT_NE(second.out.find("  rule 0: Sensor"), std::string::npos) << second.out;
  EXPECT_NE(second.out.find("  function 1: Dim Up"), std::string::npos) << second.out;
  EXPECT_NE(second.out.find("  device 5: 0x8010"), std::string::npos) << second.out;
  EXPECT_EQ(second.out.find("Parameters"), std::string::npos);
}

TEST_F(Dump_Command, WrongChecksumExitsOne) {
  std::string bytes = Read_Whole_File(project_ / "bin" / "bank_ESP32_1.bin").value();
  bytes[40] = static_cast<char>(bytes[40] + 1);
  project_.Write("bin/bank_ESP32_1.bin", bytes);
  const CliRun run = Dump("bank_ESP32_1.bin");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("WRONG"), std::string::npos) << run.out;
}

TEST_F(Dump_Command, FilesThatAreNoImage) {
  project_.Write("short.bin", std::string(100, '\0'));
  const struct {
    std::string arguments;
    int status;
  } cases[] = {{"dump " + Quoted((project_ / "short.bin").string()), 1},
               {"dump " + Quoted((project_ / "none.bin").string()), 1},
               {"dump " + Quoted(project_.Path().string()), 1},
               {"dump", 2},
               {"dump a b", 2},
               {"dump --help", 0}};
  for (const auto &c : cases) {
    const CliRun run = Run_Cli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
    EXPECT_FALSE((c.status == 0 ? run.out : run.err).empty()) << c.arguments;
  }
}

} // namespace
