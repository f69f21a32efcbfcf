#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/Program.h"
#include "app/TFAbout.h"
#include "app/TFSorvaneFirmWare.h"
#include "common/AtomicFile.h"
#include "localisation/Language.h"
#include "parameters/TFParGen.h"
#include "shell/Workspace.h"
#include "shell/WorkspaceFolders.h"
#include "support/ProgramFixture.h"
#include "widgets/ClickableLabel.h"
#include "widgets/FlatButton.h"

namespace {

std::string Text(const QLabel *label) {
  return label->text().toStdString();
}

struct MainWindowTest : ProgramFixture {
  void Settings(const std::string &project, const std::string &language = "English",
                const std::string &internet = "0", const std::string &update = "0") {
    dir.Write("Sorvane.xml", "<Conf_Settings><lastproj><projectname>" + project +
                                 "</projectname></lastproj><lastlang><language>" + language +
                                 "</language></lastlang><lastinternet><enable_internet>" +
                                 internet + "</enable_internet><enable_update>" + update +
                                 "</enable_update></lastinternet></Conf_Settings>");
  }
  void Expect_No_Project() {
    EXPECT_FALSE(ws.Project_Open());
    EXPECT_EQ(Text(Main().L_Name_Conf), ws.Message(9));
    EXPECT_EQ(Text(Main().L_Name_Conf_L2), ws.Message(10));
  }
};

TEST_F(MainWindowTest, FirstStartShowsNoProjectInEnglish) {
  Start();
  EXPECT_EQ(Text(Main().L_Name_Conf), "None Configuration Opened ");
  EXPECT_EQ(Text(Main().L_Name_Conf_L2), "Use Step1 to open or create new configuration");
  EXPECT_EQ(ws.Language_Name, "English");
  EXPECT_FALSE(Main().Timer_Update.isActive());
  for (const char *folder : {"MASTER", "PROJECTS", "LANGUAGE"})
    EXPECT_TRUE(std::filesystem::is_directory(dir / folder));
  EXPECT_FALSE(std::filesystem::exists(dir / "Sorvane.xml"));
  EXPECT_TRUE(ws.Update_Read_Back);
}

TEST_F(MainWindowTest, LayoutTextsAndHiddenControls) {
  Start();
  TFSorvaneFirmWare &w = Main();
  EXPECT_EQ(w.size(), QSize(694, 396));
  EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "the window cannot be resized";
  EXPECT_EQ(w.windowTitle(), "Norvik - Configurator CF20431 - DALI / Modbus Slave ");
  EXPECT_EQ(Text(w.L_SW_Code), "CF20431");
  EXPECT_EQ(Text(w.L_SW_Desc), "DALI / Modbus Slave - Converter");
  struct Button {
    FlatButton *button;
    QRect geometry;
    QString caption, hint;
  } buttons[] = {
      {w.Btn_New,
       {80, 112, 170, 36},
       "New Configuration",
       "Create a new configuration for the device"},
      {w.Btn_Open, {258, 112, 170, 36}, "Open Configuration", "Open an exists configuration"},
      {w.Btn_Prm_Gen,
       {80, 156, 170, 36},
       "Set Communication",
       "Set the main parameters of Protocols"},
      {w.Btn_DALI_Access,
       {80, 200, 170, 36},
       "DALI Access",
       "Select the DALI Device Present in the Network"},
      {w.Btn_CreateBin,
       {80, 244, 170, 36},
       "Update Device UDP",
       "Update the actual Firmware and/or Configuration in the device"},
      {w.Btn_Info, {516, 8, 50, 50}, "", "Information"},
      {w.Btn_Opz, {574, 8, 50, 50}, "", "Options"},
      {w.Btn_Close, {632, 8, 50, 50}, "", "Close Configurator"},
  };
  for (const Button &b : buttons) {
    EXPECT_EQ(b.button->geometry(), b.geometry) << b.hint.toStdString();
    EXPECT_EQ(b.button->text(), b.caption);
    EXPECT_EQ(b.button->toolTip(), b.hint);
  }
  EXPECT_EQ(Text(w.L_Begin), "Begin");
  EXPECT_EQ(w.L_Begin->pos(), QPoint(16, 84));
  const int step_tops[] = {128, 172, 216, 260};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Text(w.L_Step[i]), "Step " + std::to_string(i + 1));
    EXPECT_EQ(w.L_Step[i]->pos(), QPoint(16, step_tops[i]));
  }
  EXPECT_EQ(w.L_Norvik->pos(), QPoint(565, 260));
  EXPECT_EQ(w.Shape1->geometry(), QRect(10, 295, 674, 1));
  EXPECT_EQ(w.Shape2->geometry(), QRect(80, 70, 348, 36));
  EXPECT_EQ(w.LL_Update->geometry(), QRect(208, 19, 294, 17));
  w.show();
  EXPECT_FALSE(w.LL_Update->isVisible());
  for (int i = 4; i < 8; ++i)
    EXPECT_FALSE(w.L_Step[i]->isVisible());
  for (FlatButton *hidden : {w.Btn_PROFINET_XML, w.Btn_KNX_Access, w.Btn_SNMP_Manager_Access,
                             w.Btn_CANopen_EDS, w.Btn_SNMP_MIB})
    EXPECT_FALSE(hidden->isVisible());
}

TEST_F(MainWindowTest, VanishedProjectFolderMeansNoProjectAndEveryProjectButtonSays18) {
  Settings("Gone");
  Start();
  Expect_No_Project();
  EXPECT_EQ(ws.Project_Name, "Gone") << "the name is kept and saved back unchanged";
  for (FlatButton *button : {Main().Btn_Prm_Gen, Main().Btn_DALI_Access, Main().Btn_CreateBin})
    QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(boxes.Messages(), (std::vector<int>{18, 18, 18}));
  EXPECT_EQ(boxes.shown[0].text, "Error! Project not Valid");
  EXPECT_EQ(boxes.shown[0].kind, RecordingMessageBoxes::Kind::Error);
}

TEST_F(MainWindowTest, RememberedProjectIsOpenedAtStart) {
  std::filesystem::create_directories(dir / "PROJECTS/Plant");
  Settings("Plant");
  Start();
  EXPECT_TRUE(ws.Project_Open());
  EXPECT_EQ(Text(Main().L_Name_Conf), "Opened Configuration of the Converter : ");
  EXPECT_EQ(Text(Main().L_Name_Conf_L2), "Plant");
  EXPECT_EQ(ws.Files.File_ParGen, dir / "PROJECTS/Plant/ParGen.xml");
}

TEST_F(MainWindowTest, SetCommunicationOpensModallyOnlyWithAProject) {
  std::filesystem::create_directories(dir / "PROJECTS/Plant");
  Settings("Plant");
  Start();
  TFParGen *window = program->Windows().ParGen;
  bool was_shown = false;
  QTimer::singleShot(0, window, [&] {
    was_shown = window->isVisible() && window->isModal();
    window->reject();
  });
  QTest::mouseClick(Main().Btn_Prm_Gen, Qt::LeftButton);
  EXPECT_TRUE(was_shown);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MainWindowTest, LanguageChangeKeepsTheProjectState) {
  dir.Write("LANGUAGE/Italiano.lng",
            "STR0009 = Nessuna configurazione \xC2\xB6\n"
            "STR0010 = Usa il passo 1\nSTR0011 = Configurazione : \xC2\xB6\n"
            "STR0015 = Nuova\n");
  Settings("Gone");
  Start();
  ws.Language_Name = "Italiano";
  Load_Language(ws);
  Main().Change_Language();
  EXPECT_EQ(Text(Main().L_Name_Conf), "Nessuna configurazione ");
  EXPECT_EQ(Text(Main().L_Name_Conf_L2), "Usa il passo 1");
  EXPECT_EQ(Main().Btn_New->text(), "Nuova");

  std::filesystem::create_directories(dir / "PROJECTS/Plant");
  ws.Project_Name = "Plant";
  Decide_Project_State(ws);
  Main().Change_Language();
  EXPECT_EQ(Text(Main().L_Name_Conf), "Configurazione : ");
  EXPECT_EQ(Text(Main().L_Name_Conf_L2), "Plant");
}

TEST_F(MainWindowTest, StartsInTheRememberedLanguageOrFallsBackToEnglish) {
  dir.Write("LANGUAGE/Italiano.lng", "STR0000 = Inizio\n");
  Settings("", "Italiano");
  Start();
  EXPECT_EQ(Text(Main().L_Begin), "Inizio");
  program.reset();
  Settings("", "Missing");
  Start();
  EXPECT_EQ(Text(Main().L_Begin), "Begin");
  Main().close();
  EXPECT_NE(Read_Whole_File(dir / "Sorvane.xml")->find("<language>English</language>"),
            std::string::npos);
}

TEST_F(MainWindowTest, UpdateTimerRunsOnlyWithInternetAndUpdateCheck) {
  struct Case {
    const char *internet, *update;
    bool active;
  } cases[] = {{"1", "1", true}, {"1", "0", false}, {"0", "1", false}, {"true", "1", false}};
  for (const Case &c : cases) {
    Settings("", "English", c.internet, c.update);
    Start();
    EXPECT_EQ(Main().Timer_Update.isActive(), c.active) << c.internet << c.update;
    EXPECT_EQ(Main().Timer_Update.interval(), 60000);
    program.reset();
  }
}

TEST_F(MainWindowTest, ClosingSavesTheSettings) {
  Settings("Gone", "English", "true");
  Start();
  Main().show();
  QTest::mouseClick(Main().Btn_Close, Qt::LeftButton);
  EXPECT_FALSE(Main().isVisible());
  const std::string saved = *Read_Whole_File(dir / "Sorvane.xml");
  EXPECT_NE(saved.find("<projectname>Gone</projectname>"), std::string::npos);
  EXPECT_NE(saved.find("<enable_internet>0</enable_internet>"), std::string::npos);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MainWindowTest, FailedSaveIsReportedOnceAndTheWindowStillCloses) {
  Start();
  std::filesystem::create_directories(dir / "Sorvane.xml/blocked");
  Main().show();
  EXPECT_TRUE(Main().close());
  EXPECT_FALSE(Main().isVisible());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].message, MessageBoxes::Platform_Text);
  EXPECT_NE(boxes.shown[0].text.find("Sorvane.xml"), std::string::npos);
}

TEST_F(MainWindowTest, LinksOpenTheMakersHomePage) {
  Start();
  std::vector<QString> opened;
  Main().Open_Url = [&](const QString &url) { opened.push_back(url); };
  program->Windows().About->Open_Url = Main().Open_Url;
  Main().show();
  QTest::mouseClick(Main().L_Norvik, Qt::LeftButton);
  QTest::mouseClick(program->Windows().About->LL_Web, Qt::LeftButton);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], "http://www.norvik.example/HOME/default.asp?frompg=CF20431");
  EXPECT_EQ(opened[1], opened[0]);
}

TEST_F(MainWindowTest, InformationShowsTheAboutWindowModally) {
  Start();
  TFAbout *about = program->Windows().About;
  bool was_shown = false;
  QTimer::singleShot(0, about, [&] {
    was_shown = about->isVisible() && about->isModal();
    QTest::mouseClick(about->Btn_OK, Qt::LeftButton);
  });
  QTest::mouseClick(Main().Btn_Info, Qt::LeftButton);
  EXPECT_TRUE(was_shown);
  EXPECT_EQ(about->result(), QDialog::Accepted);
  EXPECT_EQ(about->size(), QSize(425, 148));
  EXPECT_EQ(about->L_Product->text(), "DALI / Modbus Slave - Converter");
  EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
