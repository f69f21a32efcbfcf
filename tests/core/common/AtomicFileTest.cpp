#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/AtomicFile.h"
#include "support/core/TempDir.h"

namespace {

TEST(AtomicFile, ReplacesTheWholeFileAndKeepsItsMode) {
  TempDir dir;
  const auto file = dir.Write("a.xml", "a much longer old content than the new one");
  std::filesystem::permissions(file, std::filesystem::perms(0640));
  ASSERT_EQ(Write_File_Atomically(file, "new"), std::nullopt);
  EXPECT_EQ(Read_Whole_File(file), "new");
  EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms(0640));
}

TEST(AtomicFile, FailureNamesTheFileAndLeavesNoTemporaryBehind) {
  TempDir dir;
  const auto failure = Write_File_Atomically(dir / "missing/sub/a.xml", "x");
  ASSERT_TRUE(failure.has_value());
  EXPECT_NE(failure->find("a.xml"), std::string::npos);
  EXPECT_NE(failure->find("No such file or directory"), std::string::npos) << *failure;
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(AtomicFile, ReadOfAMissingFileGivesNothing) {
  TempDir dir;
  EXPECT_EQ(Read_Whole_File(dir / "none"), std::nullopt);
}

} // namespace
