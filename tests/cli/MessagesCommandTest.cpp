#include <gtest/gtest.h>

#include "support/core/CliRun.h"
#include "support/core/TempDir.h"

namespace {

std::string Line(const std::string &out, int index) {
  const std::string key = "\n" + std::to_string(index) + "\t";
  const size_t start = ("\n" + out).find(key);
  if (start == std::string::npos)
    return "<missing>";
  const size_t text = start + key.size() - 1;
  return out.substr(text, out.find('\n', text) - text);
}

TEST(MessagesCommand, PrintsTheBuiltInTable) {
  const CliRun run = Run_Cli("messages");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2800);
  EXPECT_EQ(run.out.substr(0, 9), "0\tBegin\n1");
  EXPECT_EQ(Line(run.out, 9), "None Configuration Opened ");
  EXPECT_EQ(Line(run.out, 2799), " ");
}

TEST(MessagesCommand, OverlaysALanguageFileAndEscapesControlCharacters) {
  TempDir dir;
  const auto file = dir.Write("Italiano.lng", "STR0000 = Inizio\r\nSTR0001 = a\tb\\c\r\n"
                                              "STR0002 = \xC2\xB6 padded \xC2\xB6\r\n");
  const CliRun run = Run_Cli("messages " + Quoted(file.string()));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Line(run.out, 0), "Inizio");
  EXPECT_EQ(Line(run.out, 1), "a\\tb\\\\c");
  EXPECT_EQ(Line(run.out, 2), " padded ");
  EXPECT_EQ(Line(run.out, 3), "Step 3");
}

TEST(MessagesCommand, UsageAndReadErrors) {
  struct Case {
    std::string arguments;
    int status;
  } cases[] = {{"messages a b", 2},   {"messages /nonexistent/file.lng", 1},
               {"messages /tmp", 1},  {"messages --help", 0},
               {"--help", 0},         {"", 2},
               {"no-such-command", 2}};
  for (const Case &c : cases) {
    const CliRun run = Run_Cli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
    if (c.status != 0)
      EXPECT_FALSE(run.err.empty()) << c.arguments;
    else
      EXPECT_NE(run.out.find("messages"), std::string::npos) << c.arguments;
  }
}

} // namespace
