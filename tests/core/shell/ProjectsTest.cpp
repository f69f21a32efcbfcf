#include <gtest/gtest.h>

#include "shell/Projects.h"
#include "shell/Workspace.h"
#include "shell/WorkspaceFolders.h"
#include "support/core/TempDir.h"

namespace fs = std::filesystem;

namespace {

struct ProjectsTest : testing::Test {
  TempDir dir;
  Workspace ws;
  ProjectsTest() { Setup_Folders(ws, dir.Path()); }
  // Everything under the temporary folder, to prove nothing was created elsewhere.
  std::vector<std::string> Tree() {
    std::vector<std::string> paths;
    for (const auto &entry : fs::recursive_directory_iterator(dir.Path()))
      paths.push_back(fs::relative(entry.path(), dir.Path()).string());
    std::sort(paths.begin(), paths.end());
    return paths;
  }
};

TEST_F(ProjectsTest, CreatesTheFolderWithBinAndMakesItActive) {
  ASSERT_EQ(Create_Project(ws, " Plant A "), 0);
  EXPECT_TRUE(fs::is_directory(ws.Projects_Dir / " Plant A " / "bin"));
  EXPECT_EQ(ws.Project_Name, " Plant A ");
  EXPECT_EQ(ws.Project_Dir, ws.Projects_Dir / " Plant A ");
  EXPECT_EQ(ws.Files.File_DALI2_Access, ws.Project_Dir / "DALI2_Access.xml");
}

TEST_F(ProjectsTest, ChecksComeInOrderAndRefusalsCreateNothing) {
  fs::create_directory(ws.Projects_Dir / "Plant");
  const auto before = Tree();
  struct Case {
    std::string name;
    int message;
  } cases[] = {{"", 107},     {"Plant", 106},     {"..", 105},
               {".", 105},    {"../escape", 105}, {"a/b", 105},
               {"a\\b", 105}, {"/tmp", 105},      {std::string(300, 'x'), 105}};
  for (const Case &c : cases)
    EXPECT_EQ(Create_Project(ws, c.name), c.message) << c.name;
  EXPECT_EQ(Tree(), before);
  EXPECT_FALSE(ws.Project_Open());
}

TEST_F(ProjectsTest, UnusualButLegalNamesAreTheFileSystemsBusiness) {
  for (const std::string name : {"Plant?", "a:b", "Z\xC3\xBCrich", "PLANT"})
    EXPECT_EQ(Create_Project(ws, name), 0) << name;
  EXPECT_EQ(Create_Project(ws, "PLANT"), 106);
}

TEST_F(ProjectsTest, MissingProjectsFolderGives105AndNothingOutside) {
  fs::remove_all(ws.Projects_Dir);
  const auto before = Tree();
  EXPECT_EQ(Create_Project(ws, "Plant"), 105);
  EXPECT_EQ(Tree(), before);
}

TEST_F(ProjectsTest, ListingHoldsFoldersOnlySortedIgnoringCase) {
  for (const char *folder : {"zeta", "PLANT", "alpha", ".hidden", "Beta"})
    fs::create_directory(ws.Projects_Dir / folder);
  dir.Write("PROJECTS/file.xml", "x");
  EXPECT_EQ(List_Projects(ws.Projects_Dir),
            (std::vector<std::string>{"alpha", "Beta", "PLANT", "zeta"}));
  EXPECT_TRUE(List_Projects(dir / "missing").empty());
  EXPECT_TRUE(List_Projects(dir / "PROJECTS/file.xml").empty());
}

TEST_F(ProjectsTest, SearchIgnoresLetterCase) {
  const std::vector<std::string> SL = {"alpha", "PLANT", "plant", "zeta"};
  EXPECT_EQ(Search_Open_Conf(SL, "Plant"), 1);
  EXPECT_EQ(Search_Open_Conf(SL, "ZETA"), 3);
  EXPECT_EQ(Search_Open_Conf(SL, "plan"), -1);
  EXPECT_EQ(Search_Open_Conf(SL, ""), -1);
  EXPECT_EQ(Search_Open_Conf({}, "x"), -1);
}

TEST_F(ProjectsTest, OpeningAnEmptyNameClosesTheProject) {
  Open_Project_Named(ws, "Plant");
  EXPECT_EQ(ws.Project_Dir, ws.Projects_Dir / "Plant");
  Open_Project_Named(ws, "");
  EXPECT_FALSE(ws.Project_Open());
  EXPECT_EQ(ws.Project_Name, "");
  EXPECT_EQ(ws.Files.File_ParGen, "ParGen.xml");
}

} // namespace
