#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/Program.h"
#include "app/TFSorvaneFirmWare.h"
#include "localisation/Language.h"
#include "shell/TFNew_Project.h"
#include "shell/TFOpenConf.h"
#include "shell/Workspace.h"
#include "support/ProgramFixture.h"
#include "widgets/FlatButton.h"
#include "widgets/TitlePanel.h"

namespace fs = std::filesystem;

namespace {

struct ProjectWindowsTest : ProgramFixture {
  TFNew_Project &New() { return *program->Windows().New_Project; }
  TFOpenConf &Open() { return *program->Windows().OpenConf; }
  std::string Label2() { return Main().L_Name_Conf_L2->text().toStdString(); }
  void Folders(std::initializer_list<const char *> names) {
    for (const char *name : names)
      fs::create_directories(dir / "PROJECTS" / name);
  }
  // Clicks `button` of the main window; `inside` runs while the modal window is up.
  void Click_With_Modal(QWidget *button, std::function<void()> inside) {
    QTimer::singleShot(0, [inside] { inside(); });
    QTest::mouseClick(button, Qt::LeftButton);
  }
  QStringList Listed() {
    QStringList names;
    for (int i = 0; i < Open().ListBox1->count(); ++i)
      names << Open().ListBox1->item(i)->text();
    return names;
  }
};

TEST_F(ProjectWindowsTest, NewWindowLayoutAndTexts) {
  Start();
  TFNew_Project &w = New();
  EXPECT_EQ(w.size(), QSize(331, 162));
  EXPECT_EQ(w.windowTitle(), "Create New Configuration");
  EXPECT_EQ(w.P_Title->L_SW_Code->text(), "CF20431");
  EXPECT_EQ(w.P_Title->L_SW_Desc->text(), "Create New Configuration");
  EXPECT_EQ(w.Label1->text(), "Name of the new Configuration");
  EXPECT_EQ(w.Label1->pos(), QPoint(16, 70));
  EXPECT_EQ(w.E_New_Proj->geometry(), QRect(16, 94, 297, 21));
  EXPECT_EQ(w.E_New_Proj->toolTip(), "Insert here the name of new configuration");
  EXPECT_EQ(w.Btn_OK->mapTo(&w, QPoint(0, 0)), QPoint(85, 128));
  EXPECT_EQ(w.Btn_Cancel->mapTo(&w, QPoint(0, 0)), QPoint(203, 128));
  EXPECT_EQ(w.Btn_OK->text(), "OK");
  EXPECT_EQ(w.Btn_Cancel->toolTip(), "Cancel the New Configuration");
}

TEST_F(ProjectWindowsTest, NewChecksInOrderKeepTheTypedTextAndEnterActsAsOk) {
  Folders({"Plant"});
  Start();
  std::vector<std::string> texts_after_error;
  Click_With_Modal(Main().Btn_New, [&] {
    TFNew_Project &w = New();
    EXPECT_TRUE(w.E_New_Proj->text().isEmpty());
    for (const char *name : {"", "Plant", "../x"}) {
      w.E_New_Proj->setText(name);
      QTest::mouseClick(w.Btn_OK, Qt::LeftButton);
      texts_after_error.push_back(w.E_New_Proj->text().toStdString());
    }
    EXPECT_TRUE(w.isVisible());
    w.E_New_Proj->setText("Line 7");
    QTest::keyClick(w.E_New_Proj, Qt::Key_Return);
  });
  EXPECT_EQ(boxes.Messages(), (std::vector<int>{107, 106, 105}));
  EXPECT_EQ(boxes.shown[1].text,
            "Error! Name project is not valid because directory already exists");
  EXPECT_EQ(texts_after_error, (std::vector<std::string>{"", "Plant", "../x"}));
  EXPECT_EQ(New().result(), QDialog::Accepted);
  EXPECT_TRUE(fs::is_directory(dir / "PROJECTS/Line 7/bin"));
  EXPECT_EQ(Main().L_Name_Conf->text(), "Opened Configuration of the Converter : ");
  EXPECT_EQ(Label2(), "Line 7");
  EXPECT_FALSE(fs::exists(dir / "x"));
}

TEST_F(ProjectWindowsTest, NewEditIsEmptiedAtEveryShowingAndCancelChangesNothing) {
  Start();
  New().E_New_Proj->setText("left over");
  Click_With_Modal(Main().Btn_New, [&] {
    EXPECT_TRUE(New().E_New_Proj->text().isEmpty());
    EXPECT_EQ(New().focusWidget(), New().E_New_Proj);
    New().E_New_Proj->setText("Typed");
    QTest::mouseClick(New().Btn_Cancel, Qt::LeftButton);
  });
  EXPECT_FALSE(ws.Project_Open());
  EXPECT_FALSE(fs::exists(dir / "PROJECTS/Typed"));
  EXPECT_EQ(Label2(), "Use Step1 to open or create new configuration");
}

TEST_F(ProjectWindowsTest, OpenPreselectsTheActiveProjectIgnoringCase) {
  Folders({"zeta", "PLANT", "alpha", ".hidden"});
  Start();
  ws.Project_Name = "Plant";
  ws.Project_Dir = dir / "PROJECTS/Plant";
  Click_With_Modal(Main().Btn_Open, [&] {
    EXPECT_EQ(Listed(), (QStringList{"alpha", "PLANT", "zeta"}));
    EXPECT_EQ(Open().ListBox1->currentRow(), 1);
    EXPECT_EQ(Open().Name_Conf, "PLANT");
    QTest::keyClick(Open().ListBox1, Qt::Key_Down);
    EXPECT_EQ(Open().Name_Conf, "zeta");
    QTest::mouseClick(Open().Btn_OK, Qt::LeftButton);
  });
  EXPECT_EQ(ws.Project_Name, "zeta");
  EXPECT_EQ(ws.Project_Dir, dir / "PROJECTS/zeta");
  EXPECT_EQ(ws.Files.File_ParGen, dir / "PROJECTS/zeta/ParGen.xml");
  EXPECT_EQ(Label2(), "zeta");
}

TEST_F(ProjectWindowsTest, OpenPreselectsTheFirstWhenTheActiveFolderIsGone) {
  Folders({"beta", "alpha"});
  std::filesystem::create_directories(dir / "PROJECTS/Gone");
  dir.Write("Sorvane.xml", "<Conf_Settings><lastproj><projectname>Gone</projectname>"
                           "</lastproj></Conf_Settings>");
  Start();
  fs::remove_all(dir / "PROJECTS/Gone");
  Click_With_Modal(Main().Btn_Open, [&] {
    EXPECT_EQ(Open().ListBox1->currentRow(), 0);
    EXPECT_EQ(Open().Name_Conf, "alpha");
    QTest::mouseClick(Open().Btn_Cancel, Qt::LeftButton);
  });
  EXPECT_EQ(ws.Project_Name, "Gone") << "Cancel changes nothing";
}

TEST_F(ProjectWindowsTest, OkOnAnEmptyListLeavesNoProjectOpen) {
  Folders({"Plant"});
  dir.Write("Sorvane.xml", "<Conf_Settings><lastproj><projectname>Plant</projectname>"
                           "</lastproj></Conf_Settings>");
  Start();
  ASSERT_TRUE(ws.Project_Open());
  fs::remove_all(dir / "PROJECTS/Plant");
  Click_With_Modal(Main().Btn_Open, [&] {
    EXPECT_EQ(Open().ListBox1->count(), 0);
    EXPECT_EQ(Open().Name_Conf, "");
    QTest::mouseClick(Open().Btn_OK, Qt::LeftButton);
  });
  EXPECT_FALSE(ws.Project_Open());
  EXPECT_EQ(ws.Project_Name, "");
  EXPECT_EQ(Main().L_Name_Conf->text(), "None Configuration Opened ");
  QTest::mouseClick(Main().Btn_Prm_Gen, Qt::LeftButton);
  EXPECT_EQ(boxes.Messages(), (std::vector<int>{18}));
}

TEST_F(ProjectWindowsTest, OpenWindowIsSizeableAndKeepsItsButtonsRight) {
  Start();
  TFOpenConf &w = Open();
  EXPECT_EQ(w.size(), QSize(377, 351));
  EXPECT_EQ(w.windowTitle(), "Open Configuration");
  EXPECT_EQ(w.Label1->text(), "List of Avaliable Configurations");
  EXPECT_EQ(w.ListBox1->geometry().topLeft(), QPoint(16, 94));
  w.show();
  w.resize(500, 420);
  QApplication::processEvents();
  EXPECT_EQ(w.ListBox1->geometry().right(), 500 - 16 - 1);
  EXPECT_EQ(w.Btn_Cancel->mapTo(&w, QPoint(0, 0)).x() + 110, 500 - 16);
  EXPECT_EQ(w.Btn_OK->mapTo(&w, QPoint(0, 0)).y(), 420 - 40 + 6);
  w.hide();
}

TEST_F(ProjectWindowsTest, LanguageChangeReachesBothWindows) {
  dir.Write("LANGUAGE/Italiano.lng", "STR0100 = Nuova configurazione\nSTR0202 = Elenco\n");
  Start();
  ws.Language_Name = "Italiano";
  Load_Language(ws);
  Main().Change_Language();
  EXPECT_EQ(New().windowTitle(), "Nuova configurazione");
  EXPECT_EQ(Open().Label1->text(), "Elenco");
}

} // namespace
