#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "common/AtomicFile.h"
#include "support/core/CliRun.h"
#include "support/core/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::string Compile(const TempDir &project) {
  return "compile " + Quoted(project.Path().string());
}

TEST(CompileCommand, WritesTheThreeImageFiles) {
  TempDir project;
  fs::create_directory(project / "bin");
  project.Write("ParGen.xml",
                "<Par_Gen><MODBUS_SLAVE_IDDEVICE>17</MODBUS_SLAVE_IDDEVICE></Par_Gen>");
  const CliRun run = Run_Cli(Compile(project));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("bank_ESP32_2.bin"), std::string::npos) << run.out;
  const auto bank = Read_Whole_File(project / "bin" / "bank.bin");
  ASSERT_TRUE(bank);
  ASSERT_EQ(bank->size(), 10496u);
  EXPECT_EQ(bank->at(8192 + 24), 17);
  EXPECT_EQ(Read_Whole_File(project / "bin" / "bank_ESP32_1.bin").value_or("").size(), 2048u);
  EXPECT_EQ(Read_Whole_File(project / "bin" / "bank_ESP32_2.bin").value_or("").size(), 8448u);
}

TEST(CompileCommand, NotWellFormedProjectFileExitsOneAndWritesNothing) {
  TempDir project;
  project.Write("bin/bank.bin", "old");
  project.Write("DALI2_Access.xml", "<DALI2_Access>\n<DALI2_SetAccess_Rules>\n</DALI2_Access>");
  const CliRun run = Run_Cli(Compile(project));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("DALI2_Access.xml"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("line 3"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(Read_Whole_File(project / "bin" / "bank.bin"), "old");
  EXPECT_FALSE(fs::exists(project / "bin" / "bank_ESP32_1.bin"));
}

TEST(CompileCommand, ImageThatCannotBeWrittenExitsTwo) {
  TempDir missing_bin;
  TempDir bin_is_a_file;
  bin_is_a_file.Write("bin", "not a folder");
  for (const TempDir *project : {&missing_bin, &bin_is_a_file}) {
    const CliRun run = Run_Cli(Compile(*project));
    EXPECT_EQ(run.status, 2) << run.out;
    EXPECT_NE(run.err.find("bank.bin"), std::string::npos) << run.err;
  }
}

TEST(CompileCommand, UsageErrors) {
  TempDir dir;
  const auto file = dir.Write("file", "x");
  const struct {
    std::string arguments;
    int status;
  } cases[] = {{"compile", 2},
               {"compile a b", 2},
               {"compile " + Quoted((dir / "nowhere").string()), 2},
               {"compile " + Quoted(file.string()), 2},
               {"compile --help", 0}};
  for (const auto &c : cases) {
    const CliRun run = Run_Cli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
    EXPECT_NE((c.status == 0 ? run.out : run.err).find("compile PROJECT_DIR"), std::string::npos)
        << c.arguments;
  }
}

} // namespace
