#include <gtest/gtest.h>

#include "common/AtomicFile.h"
#include "shell/Settings.h"
#include "shell/Workspace.h"
#include "shell/WorkspaceFolders.h"
#include "support/core/TempDir.h"

namespace {

struct SettingsTest : testing::Test {
  TempDir dir;
  Workspace ws;
  SettingsTest() { Setup_Folders(ws, dir.Path()); }
  void Read(const std::string &file) {
    dir.Write("Sorvane.xml", file);
    Read_Settings(ws);
  }
};

const char *Full_File = "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj>"
                        "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
                        "<lastlang><language>Italiano</language></lastlang><lastinternet>"
                        "<enable_internet>1</enable_internet><enable_update>1</enable_update>"
                        "<enable_jump_field_tables>1</enable_jump_field_tables>"
                        "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet>"
                        "</Conf_Settings>";

void Expect_Defaults(const Workspace &ws) {
  EXPECT_EQ(ws.Project_Name, "");
  EXPECT_EQ(ws.Last_IP_Address, "192.168.2.205");
  EXPECT_EQ(ws.Language_Name, "English");
  EXPECT_FALSE(ws.Enable_Internet);
  EXPECT_FALSE(ws.Enable_Update);
  EXPECT_FALSE(ws.Enable_Jump_Field_Tables);
  EXPECT_FALSE(ws.Enable_Double_Click_Auto_Size);
}

TEST_F(SettingsTest, FoldersAreCreatedBesideTheExecutable) {
  for (const char *name : {"MASTER", "PROJECTS", "LANGUAGE"})
    EXPECT_TRUE(std::filesystem::is_directory(dir / name)) << name;
  EXPECT_EQ(ws.Projects_Dir, dir / "PROJECTS");
  EXPECT_FALSE(std::filesystem::exists(dir / "Sorvane.xml"));
}

TEST_F(SettingsTest, ReadsEveryValue) {
  Read(Full_File);
  EXPECT_EQ(ws.Project_Name, "Plant");
  EXPECT_EQ(ws.Last_IP_Address, "10.0.0.7");
  EXPECT_EQ(ws.Language_Name, "Italiano");
  EXPECT_TRUE(ws.Enable_Internet);
  EXPECT_TRUE(ws.Enable_Update);
  EXPECT_TRUE(ws.Enable_Jump_Field_Tables);
  EXPECT_TRUE(ws.Enable_Double_Click_Auto_Size);
}

TEST_F(SettingsTest, UnusableFilesGiveAllDefaults) {
  for (const std::string file : {"", "<Conf_Settings><lastproj>", "not xml at all \x01\xff",
                                 "<!-- first --><Conf_Settings><lastlang><language>X</language>"
                                 "</lastlang></Conf_Settings>"}) {
    Read(Full_File);
    Read(file);
    SCOPED_TRACE(file);
    Expect_Defaults(ws);
  }
  std::filesystem::remove(dir / "Sorvane.xml");
  Read_Settings(ws);
  Expect_Defaults(ws);
}

TEST_F(SettingsTest, EachValueFallsBackOnItsOwn) {
  Read("<Other><lastipadd><ipaddress>1.2.3.4</ipaddress></lastipadd>"
       "<lastlang><language><b>x</b></language></lastlang>"
       "<lastinternet><enable_internet>true</enable_internet><enable_update> 1</enable_update>"
       "<enable_jump_field_tables>1</enable_jump_field_tables></lastinternet>"
       "<extra>kept?</extra></Other>");
  EXPECT_EQ(ws.Project_Name, "");
  EXPECT_EQ(ws.Last_IP_Address, "1.2.3.4");
  EXPECT_EQ(ws.Language_Name, "English") << "an element holding elements has no text";
  EXPECT_FALSE(ws.Enable_Internet) << "only the exact text 1 is true";
  EXPECT_FALSE(ws.Enable_Update);
  EXPECT_TRUE(ws.Enable_Jump_Field_Tables);
  EXPECT_FALSE(ws.Enable_Double_Click_Auto_Size);
}

TEST_F(SettingsTest, NamesAreCaseSensitive) {
  Read("<Conf_Settings><lastinternet><Enable_Internet>1</Enable_Internet>"
       "<double_click_auto_size>1</double_click_auto_size></lastinternet></Conf_Settings>");
  EXPECT_FALSE(ws.Enable_Internet);
  EXPECT_FALSE(ws.Enable_Double_Click_Auto_Size);
}

TEST_F(SettingsTest, SaveWritesTheWholeTreeAndDropsUnknownElements) {
  Read("<Other><lastinternet><enable_internet>true</enable_internet></lastinternet>"
       "<extra>gone</extra><lastproj><projectname>Vanished</projectname></lastproj></Other>");
  ASSERT_EQ(Save_Setting(ws), std::nullopt);
  const std::string saved = *Read_Whole_File(dir / "Sorvane.xml");
  EXPECT_EQ(saved, "<Conf_Settings>\n"
                   "  <lastproj>\n    <projectname>Vanished</projectname>\n  </lastproj>\n"
                   "  <lastipadd>\n    <ipaddress>192.168.2.205</ipaddress>\n  </lastipadd>\n"
                   "  <lastlang>\n    <language>English</language>\n  </lastlang>\n"
                   "  <lastinternet>\n"
                   "    <enable_internet>0</enable_internet>\n"
                   "    <enable_update>0</enable_update>\n"
                   "    <enable_jump_field_tables>0</enable_jump_field_tables>\n"
                   "    <Double_Click_Auto_Size>0</Double_Click_Auto_Size>\n"
                   "  </lastinternet>\n</Conf_Settings>\n");
}

TEST_F(SettingsTest, SaveAndReadRoundTripIncludingMarkup) {
  ws.Project_Name = "Plant <A&B> \xC3\xA9";
  ws.Last_IP_Address = "10.1.2.3";
  ws.Language_Name = "Deutsch";
  ws.Enable_Update = true;
  ws.Enable_Double_Click_Auto_Size = true;
  ASSERT_EQ(Save_Setting(ws), std::nullopt);
  Workspace again;
  Setup_Folders(again, dir.Path());
  Read_Settings(again);
  EXPECT_EQ(again.Project_Name, ws.Project_Name);
  EXPECT_EQ(again.Last_IP_Address, "10.1.2.3");
  EXPECT_EQ(again.Language_Name, "Deutsch");
  EXPECT_FALSE(again.Enable_Internet);
  EXPECT_TRUE(again.Enable_Update);
  EXPECT_TRUE(again.Enable_Double_Click_Auto_Size);
}

TEST_F(SettingsTest, FailedSaveReportsTheReasonAndKeepsTheOldFile) {
  Read(Full_File);
  // A folder in place of the file: the rename over it must fail.
  std::filesystem::remove(dir / "Sorvane.xml");
  std::filesystem::create_directory(dir / "Sorvane.xml");
  dir.Write("Sorvane.xml/keep", "x");
  const auto failure = Save_Setting(ws);
  ASSERT_TRUE(failure.has_value());
  EXPECT_NE(failure->find("Sorvane.xml"), std::string::npos) << *failure;
  EXPECT_TRUE(std::filesystem::exists(dir / "Sorvane.xml/keep"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                          std::filesystem::directory_iterator()),
            4)
      << "no temporary file is left behind";
}

TEST_F(SettingsTest, ExeDirThatIsNotAFolderStillGivesDefaults) {
  Workspace odd;
  Setup_Folders(odd, dir.Write("file", "x"));
  Read_Settings(odd);
  Expect_Defaults(odd);
  EXPECT_TRUE(Save_Setting(odd).has_value());
}

TEST_F(SettingsTest, RememberedProjectOpensOnlyWhenItsFolderExists) {
  std::filesystem::create_directory(ws.Projects_Dir / "Plant");
  struct Case {
    std::string name;
    bool open;
  } cases[] = {{"Plant", true}, {"Gone", false}, {"", false},
               {"..", false},   {".", false},    {"../PROJECTS/Plant", false}};
  for (const Case &c : cases) {
    ws.Project_Name = c.name;
    Decide_Project_State(ws);
    EXPECT_EQ(ws.Project_Open(), c.open) << c.name;
    if (c.open) {
      EXPECT_EQ(ws.Project_Dir, ws.Projects_Dir / "Plant");
    }
  }
}

TEST_F(SettingsTest, SetFilesDerivesEveryPathFromTheProjectFolder) {
  ws.Project_Dir = ws.Projects_Dir / "Plant";
  Set_Files(ws);
  EXPECT_EQ(ws.Files.File_ParGen, ws.Project_Dir / "ParGen.xml");
  EXPECT_EQ(ws.Files.File_DALI_Access, ws.Project_Dir / "DALI_Access.xml");
  EXPECT_EQ(ws.Files.File_DALI2_Access, ws.Project_Dir / "DALI2_Access.xml");
  EXPECT_EQ(ws.Files.File_SNMP_Manager, ws.Project_Dir / "SNMP_Manager.xml");
  ws.Project_Dir.clear();
  Set_Files(ws);
  EXPECT_EQ(ws.Files.File_ParGen, "ParGen.xml");
}

} // namespace
