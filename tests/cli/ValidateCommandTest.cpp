#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "common/AtomicFile.h"
#include "support/core/CliRun.h"
#include "support/core/TempDir.h"

namespace {

CliRun Validate(const std::string &arguments) {
  return Run_Cli("validate " + arguments);
}

TEST(ValidateCommand, ProjectWithoutParGenPasses) {
  TempDir project;
  const CliRun run = Validate(Quoted(project.Path().string()));
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("ParGen.xml: all values pass"), std::string::npos) << run.out;
}

TEST(ValidateCommand, EveryFailingFieldIsListedWithItsMessage) {
  TempDir project;
  project.Write("ParGen.xml", "<Par_Gen><MTCPs_IP3>300</MTCPs_IP3>"
                              // Not checked: the GATEWAY box is clear.
                              "<MTCPs_GAT1>x</MTCPs_GAT1>"
                              "<MODBUS_SLAVE_IDDEVICE>248</MODBUS_SLAVE_IDDEVICE>"
                              "<DALI_CONSOLE_PORT>10000</DALI_CONSOLE_PORT>"
                              "<DALI_TIMEOUT>5000000</DALI_TIMEOUT></Par_Gen>");
  const CliRun run = Validate(Quoted(project.Path().string()));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "ParGen.xml: MTCPs_IP3: Error Ethernet!! IP Address 3 must be between 0 and 255\n"
            "ParGen.xml: MODBUS_SLAVE_IDDEVICE: Error Modbus Slave!! ID Device must be between 1 "
            "and 247\n"
            "ParGen.xml: DALI_CONSOLE_PORT: Error DALI!! DALI Console Port must be between 0 and "
            "65535 and different from 10000\n");
}

TEST(ValidateCommand, NotWellFormedFileFailsWithTheParsersReason) {
  TempDir project;
  project.Write("ParGen.xml", "<Par_Gen><MTCPs_IP1>");
  const CliRun run = Validate(Quoted(project.Path().string()));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("not well-formed"), std::string::npos) << run.out;
  // Validation only reads: no copy is made and nothing is rewritten.
  EXPECT_FALSE(std::filesystem::exists(project / "ParGen.xml.unreadable"));
  EXPECT_EQ(Read_Whole_File(project / "ParGen.xml"), "<Par_Gen><MTCPs_IP1>");
}

TEST(ValidateCommand, UsageErrorsAndHelp) {
  TempDir project;
  for (const std::string &arguments : {std::string(), Quoted((project / "missing").string()),
                                       Quoted(project.Path().string()) + " extra"}) {
    const CliRun run = Validate(arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.err.find("Usage: cf20431-cli validate PROJECT_DIR"), std::string::npos)
        << run.err;
  }
  const CliRun help = Validate("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("validate PROJECT_DIR"), std::string::npos);
}

} // namespace
