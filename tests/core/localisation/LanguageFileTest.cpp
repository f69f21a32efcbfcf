#include <gtest/gtest.h>

#include "localisation/Language.h"
#include "localisation/LanguageFile.h"
#include "localisation/MessageTable.h"
#include "localisation/TextDecoding.h"
#include "shell/Workspace.h"
#include "shell/WorkspaceFolders.h"
#include "support/core/TempDir.h"

namespace {

const std::string Pilcrow = "\xC2\xB6";

MessageTable Defaults() {
  MessageTable table;
  Build_Default_Messages(table);
  return table;
}

TEST(MessageTable, DefaultsFillAllEntriesWithBlankWhereNoTextIsBuiltIn) {
  const MessageTable table = Defaults();
  ASSERT_EQ(table.Size(), 2800);
  EXPECT_EQ(table.Text(0), "Begin");
  EXPECT_EQ(table.Text(9), "None Configuration Opened ");
  EXPECT_EQ(table.Text(5), " ");
  EXPECT_EQ(table.Text(2799), " ");
  EXPECT_EQ(table.Text(-1), " ") << "outside the table reads as the blank";
  EXPECT_EQ(table.Text(2800), " ");
}

struct LineCase {
  std::string line;
  bool valid;
  int index;
  std::string text;
};

class LanguageLine : public testing::TestWithParam<LineCase> {};

TEST_P(LanguageLine, ParsesAsTheFileFormatSays) {
  const LineCase &c = GetParam();
  int index = -99;
  std::string text = "unchanged";
  ASSERT_EQ(Parse_Language_Line(c.line, index, text), c.valid);
  if (c.valid) {
    EXPECT_EQ(index, c.index);
    EXPECT_EQ(text, c.text);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LanguageLine,
    testing::Values(
        LineCase{"STR0000 = Inizio", true, 0, "Inizio"},
        LineCase{"  \tSTR0011 = Opened Configuration of the Converter : " + Pilcrow + "  ", true,
                 11, "Opened Configuration of the Converter : "},
        LineCase{"STR0009 = None Configuration Opened " + Pilcrow, true, 9,
                 "None Configuration Opened "},
        LineCase{"STR12=x", true, 1, "x"}, LineCase{"STR12 =x", true, 12, "x"},
        LineCase{"STR  0012   =   spaced out  ", true, 12, "spaced out"},
        LineCase{"STR0012 = Information /#/ hint of the information button", true, 12,
                 "Information"},
        LineCase{"STR0012 = /#/ remark only", false, 0, ""}, LineCase{"STR0012 =", false, 0, ""},
        LineCase{"STR0012 =    ", false, 0, ""}, LineCase{"STR0012 = " + Pilcrow, true, 12, ""},
        LineCase{"STR0012 = " + Pilcrow + " word " + Pilcrow, true, 12, " word "},
        LineCase{"STR0012 = word" + Pilcrow + "tail", true, 12, "word"},
        LineCase{"STR0012 = a = b == c", true, 12, "a = b == c"},
        LineCase{"STR0012 = 100% %s %n no number", true, 12, "100% %s %n no number"},
        LineCase{"str0012 = lower case", false, 0, ""},
        LineCase{"STR2799 = last", true, 2799, "last"}, LineCase{"STR2800 = past", false, 0, ""},
        LineCase{"STR-001 = negative", false, 0, ""},
        LineCase{"STR0012 x = junk in index", false, 0, ""},
        LineCase{"STR99999999999999999999 = huge", false, 0, ""},
        LineCase{"STR = no index", false, 0, ""}, LineCase{"STR0012 no equals", false, 0, ""},
        LineCase{"STR=", false, 0, ""}, LineCase{"[Italiano]", false, 0, ""},
        LineCase{"", false, 0, ""}));

TEST(LanguageFile, OnlyTheNamedEntriesChange) {
  MessageTable table = Defaults();
  Parse_Language_Text(table, "STR0000 = Inizio\r\n");
  const MessageTable defaults = Defaults();
  EXPECT_EQ(table.Text(0), "Inizio");
  for (int i = 1; i < MessageTable::Message_Count; ++i)
    ASSERT_EQ(table.Text(i), defaults.Text(i)) << i;
}

TEST(LanguageFile, EveryLineEndingSplitsLinesAndTheLaterLineWins) {
  MessageTable table = Defaults();
  Parse_Language_Text(table, "STR0001 = one\rSTR0002 = two\nSTR0003 = three\r\nSTR0001 = uno\r"
                             "\r\n\nSTR0004 = four");
  EXPECT_EQ(table.Text(1), "uno");
  EXPECT_EQ(table.Text(2), "two");
  EXPECT_EQ(table.Text(3), "three");
  EXPECT_EQ(table.Text(4), "four");
}

std::string Utf16(const std::u16string &text, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += big_endian ? high : low;
    bytes += big_endian ? low : high;
  }
  return bytes;
}

TEST(LanguageFile, EncodingsAreRecognised) {
  const std::u16string line =
      u"STR0000 = Z\u00FCrich \u20AC \U0001F600\r\nSTR0001 = \u00B6 x \u00B6";
  const std::string expected = "Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9F\x98\x80";
  struct Case {
    const char *name;
    std::string bytes;
  } cases[] = {
      {"UTF-16 LE", Utf16(line, false)},
      {"UTF-16 BE", Utf16(line, true)},
      {"UTF-8 with mark",
       "\xEF\xBB\xBFSTR0000 = " + expected + "\nSTR0001 = " + Pilcrow + " x " + Pilcrow},
      {"UTF-8 without mark", "STR0000 = " + expected + "\nSTR0001 = " + Pilcrow + " x " + Pilcrow},
  };
  for (const Case &c : cases) {
    MessageTable table = Defaults();
    Parse_Language_Text(table, c.bytes);
    EXPECT_EQ(table.Text(0), expected) << c.name;
    EXPECT_EQ(table.Text(1), " x ") << c.name;
  }
}

TEST(LanguageFile, InvalidUtf8IsReadAsWindows1252) {
  MessageTable table = Defaults();
  // 0xE0 "a grave", 0x80 euro sign, 0xB6 pilcrow in Windows-1252.
  Parse_Language_Text(table, "STR0000 = Citt\xE0 \x80\nSTR0001 = \xB6 padded \xB6\n");
  EXPECT_EQ(table.Text(0), "Citt\xC3\xA0 \xE2\x82\xAC");
  EXPECT_EQ(table.Text(1), " padded ");
}

TEST(LanguageFile, BrokenSequencesInAMarkedUtf8FileBecomeReplacementCharacters) {
  const std::string decoded = Decode_Text_File("\xEF\xBB\xBF"
                                               "a\xFF"
                                               "b\xC3");
  EXPECT_EQ(decoded, "a\xEF\xBF\xBD"
                     "b\xEF\xBF\xBD");
  EXPECT_TRUE(Is_Valid_Utf8(decoded));
}

TEST(LanguageFile, JunkAndHugeFilesAreHarmless) {
  std::string junk;
  for (unsigned i = 0; i < 300000; ++i)
    junk += static_cast<char>((i * 7919u) % 256u);
  junk += "\nSTR0005 = survives\n";
  std::string huge(10 * 1024 * 1024, 'x');
  huge += "\r\nSTR0006 = after ten megabytes\r\n";
  MessageTable table = Defaults();
  Parse_Language_Text(table, junk);
  Parse_Language_Text(table, huge);
  Parse_Language_Text(table, "\xFF\xFE\x53");                     // odd-length UTF-16
  Parse_Language_Text(table, std::string("\xFF\xFE\x00\xD8", 4)); // lone surrogate
  EXPECT_EQ(table.Text(5), "survives");
  EXPECT_EQ(table.Text(6), "after ten megabytes");
  EXPECT_EQ(table.Size(), 2800);
  for (int i = 0; i < table.Size(); ++i)
    ASSERT_TRUE(Is_Valid_Utf8(table.Text(i))) << i;
}

struct LoadLanguageTest : testing::Test {
  TempDir dir;
  Workspace ws;
  LoadLanguageTest() { Setup_Folders(ws, dir.Path()); }
  void Language_File(const std::string &name, const std::string &bytes) {
    dir.Write("LANGUAGE/" + name + ".lng", bytes);
  }
};

TEST_F(LoadLanguageTest, SwitchingLanguagesLeavesNothingOfTheFirstBehind) {
  Language_File("Italiano", "STR0000 = Inizio\nSTR0001 = Passo 1\n");
  Language_File("Deutsch", "STR0000 = Anfang\n");
  ws.Language_Name = "Italiano";
  Load_Language(ws);
  EXPECT_EQ(ws.Message(1), "Passo 1");
  ws.Language_Name = "Deutsch";
  Load_Language(ws);
  EXPECT_EQ(ws.Message(0), "Anfang");
  EXPECT_EQ(ws.Message(1), "Step 1");
}

TEST_F(LoadLanguageTest, MissingFileFallsBackToEnglish) {
  ws.Language_Name = "Klingon";
  Load_Language(ws);
  EXPECT_EQ(ws.Language_Name, "English");
  EXPECT_EQ(ws.Message(0), "Begin");

  Language_File("English", "STR0000 = Start here\n");
  ws.Language_Name = "Klingon";
  Load_Language(ws);
  EXPECT_EQ(ws.Language_Name, "English");
  EXPECT_EQ(ws.Message(0), "Start here");
}

TEST_F(LoadLanguageTest, AFolderNamedLikeTheFileIsNoLanguageFile) {
  std::filesystem::create_directories(ws.Language_Dir / "Odd.lng");
  ws.Language_Name = "Odd";
  Load_Language(ws);
  EXPECT_EQ(ws.Language_Name, "English");
}

} // namespace
