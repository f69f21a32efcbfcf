#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

#include "common/AtomicFile.h"
#include "localisation/Language.h"
#include "parameters/ParGenFile.h"
#include "parameters/TFParGen.h"
#include "shell/Workspace.h"
#include "support/core/RecordingMessageBoxes.h"
#include "support/core/TempDir.h"
#include "widgets/FlatButton.h"

// Readable QString values in failure messages.
static void PrintTo(const QString &text, std::ostream *out) {
  *out << '"' << text.toStdString() << '"';
}

namespace {

using Kind = RecordingMessageBoxes::Kind;

// A project open in `dir`, English texts.
Workspace Test_Workspace(const TempDir &dir) {
  Workspace workspace;
  Build_Default_Messages(workspace.Message_Table);
  workspace.SW_Code = "CF20431";
  workspace.Project_Dir = dir.Path();
  workspace.Files.File_ParGen = dir / "ParGen.xml";
  return workspace;
}

class TFParGenTest : public testing::Test {
protected:
  // Shows the window as the main window does, without blocking.
  void Show() {
    window.show();
    ASSERT_TRUE(window.isVisible());
  }
  std::optional<std::string> Stored() const { return Read_Whole_File(dir / "ParGen.xml"); }

  TempDir dir;
  Workspace workspace = Test_Workspace(dir);
  RecordingMessageBoxes boxes;
  TFParGen window{workspace, boxes, nullptr};
};

int Bottom(const QWidget *widget) {
  return widget->y() + widget->height();
}

struct LayoutCase {
  bool modbus, dali, ethernet; // expanded
  int dali_top, ethernet_top, ethernet_bottom, buttons_top, client_height;
};

void PrintTo(const LayoutCase &c, std::ostream *out) {
  *out << "expanded " << c.modbus << c.dali << c.ethernet;
}

class TFParGenLayout : public TFParGenTest, public testing::WithParamInterface<LayoutCase> {};

TEST_P(TFParGenLayout, SectionsButtonsAndClientFollowTheExpandedSections) {
  const LayoutCase &c = GetParam();
  Show();
  if (!c.modbus)
    window.Btn_Modbus_Slave_Collapse->click();
  if (!c.dali)
    window.Btn_DALI_Collapse->click();
  if (!c.ethernet)
    window.Btn_Modbus_TCP_Slave_Collapse->click();

  EXPECT_EQ(window.GB_Modbus_Slave->geometry(), QRect(8, 70, 296, c.modbus ? 158 : 26));
  EXPECT_EQ(window.GB_DALI->geometry(), QRect(8, c.dali_top, 296, c.dali ? 192 : 26));
  EXPECT_EQ(window.GB_Modbus_TCP_Slave->y(), c.ethernet_top);
  EXPECT_EQ(Bottom(window.GB_Modbus_TCP_Slave), c.ethernet_bottom);
  EXPECT_EQ(window.Btn_OK->geometry(), QRect(71, c.buttons_top, 112, 28));
  EXPECT_EQ(window.Btn_Cancel->geometry(), QRect(192, c.buttons_top, 112, 28));
  EXPECT_EQ(window.size(), QSize(312, c.client_height));
}

INSTANTIATE_TEST_SUITE_P(Combinations, TFParGenLayout,
                         testing::Values(LayoutCase{true, true, true, 234, 432, 622, 635, 676},
                                         LayoutCase{false, false, false, 102, 134, 160, 173, 214},
                                         LayoutCase{false, true, false, 102, 300, 326, 339, 380},
                                         LayoutCase{false, true, true, 102, 300, 490, 503, 544},
                                         LayoutCase{true, true, false, 234, 432, 458, 471, 512},
                                         LayoutCase{true, false, true, 234, 266, 456, 469, 510}));

TEST_F(TFParGenTest, CollapseHidesTheFirstRowAndSwapsTheGlyphButtons) {
  Show();
  window.Btn_DALI_Collapse->click();
  EXPECT_FALSE(window.GB_DALI_Visible);
  EXPECT_FALSE(window.Btn_DALI_Collapse->isVisible());
  EXPECT_TRUE(window.Btn_DALI_Expande->isVisible());
  EXPECT_EQ(window.Btn_DALI_Expande->geometry(), QRect(280, 10, 11, 11));
  EXPECT_FALSE(window.L_DALI_Console_Port->isVisible());
  EXPECT_FALSE(window.E_DALI_Console_Port->isVisible());
  EXPECT_FALSE(window.Is_Change) << "collapsing changes no value";

  window.Btn_Modbus_Slave_Collapse->click();
  window.Btn_Modbus_TCP_Slave_Collapse->click();
  EXPECT_FALSE(window.L_Modbus_Slave_Baud->isVisible());
  EXPECT_FALSE(window.CB_Baud_Modbus_Slave->isVisible());
  EXPECT_FALSE(window.L_ModTCPs_IP->isVisible());

  window.Btn_DALI_Expande->click();
  EXPECT_TRUE(window.GB_DALI_Visible);
  EXPECT_TRUE(window.Btn_DALI_Collapse->isVisible());
  EXPECT_FALSE(window.Btn_DALI_Expande->isVisible());
  EXPECT_TRUE(window.E_DALI_Console_Port->isVisible());
  EXPECT_EQ(window.GB_DALI->height(), 192);
  EXPECT_EQ(window.Btn_DALI_Collapse->toolTip(), "Collapse");
  EXPECT_EQ(window.Btn_DALI_Expande->toolTip(), "Expand");
}

TEST_F(TFParGenTest, CollapsedStateIsKeptAcrossShowings) {
  Show();
  window.Btn_Modbus_TCP_Slave_Collapse->click();
  window.Btn_CancelClick();
  ASSERT_FALSE(window.isVisible());
  Show();
  EXPECT_FALSE(window.GB_Modbus_TCP_Slave_Visible);
  EXPECT_EQ(window.GB_Modbus_TCP_Slave->height(), 26);
  EXPECT_EQ(window.size(), QSize(312, 676 - 164));
}

TEST_F(TFParGenTest, MissingFileShowsTheDefaultsAndOkWritesThem) {
  Show();
  EXPECT_EQ(window.E_IP1->text() + "." + window.E_IP4->text(), "192.10");
  EXPECT_EQ(window.E_SM3->text(), "255");
  EXPECT_EQ(window.E_GAT4->text(), "1");
  EXPECT_FALSE(window.CB_ModTCPs_EN_GAT->isChecked());
  EXPECT_EQ(window.CB_Baud_Modbus_Slave->currentText(), "115200");
  EXPECT_EQ(window.CB_Par_Modbus_Slave->currentText(), "NONE");
  EXPECT_EQ(window.E_ID_Modbus_Slave->text(), "10");
  EXPECT_EQ(window.E_DALI_Console_Port->text(), "10001");
  EXPECT_EQ(window.E_DALI_TimeOut->text(), "0");
  EXPECT_FALSE(window.Is_Change);
  EXPECT_TRUE(boxes.shown.empty());

  window.Btn_OK->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_EQ(Stored(), ParGen_Document(ParameterSet{}));
}

TEST_F(TFParGenTest, ShowingReadsTheFileAndClearsTheChangeFlag) {
  ParameterSet stored;
  stored.MTCPs_IP = {"10", "0", "0", "7"};
  stored.MODBUS_SLAVE_BAUDRATE = 5;
  stored.DALI_SWITCH_OFF = true;
  ASSERT_FALSE(Save_ParGen(dir / "ParGen.xml", stored));
  std::string text = *Stored();
  text.replace(text.find("<MODBUS_SLAVE_PARITY>0"), 22, "<MODBUS_SLAVE_PARITY>9");
  dir.Write("ParGen.xml", text);

  Show();
  EXPECT_EQ(window.E_IP4->text(), "7");
  EXPECT_EQ(window.CB_Baud_Modbus_Slave->currentText(), "37400");
  EXPECT_EQ(window.CB_Par_Modbus_Slave->currentIndex(), -1);
  EXPECT_TRUE(window.CB_DALI_SwitchOff->isChecked());
  EXPECT_FALSE(window.Is_Change) << "filling the controls is no change";

  // Every kind of control marks a change.
  window.E_SM2->setText("0");
  EXPECT_TRUE(window.Is_Change);
  window.Is_Change = false;
  window.CB_Par_Modbus_Slave->setCurrentIndex(2);
  EXPECT_TRUE(window.Is_Change);
  window.Is_Change = false;
  window.CB_DALI_En_DALI2->click();
  EXPECT_TRUE(window.Is_Change);

  // A list left without a selection is stored as -1.
  window.Btn_OKClick();
  EXPECT_NE(Stored()->find("<MODBUS_SLAVE_BAUDRATE>5<"), std::string::npos);
  EXPECT_NE(Stored()->find("<MODBUS_SLAVE_PARITY>2<"), std::string::npos);
  window.CB_Par_Modbus_Slave->setCurrentIndex(-1);
  Show();
  window.CB_Par_Modbus_Slave->setCurrentIndex(-1);
  window.Btn_OKClick();
  EXPECT_NE(Stored()->find("<MODBUS_SLAVE_PARITY>-1<"), std::string::npos);
}

TEST_F(TFParGenTest, CancelAsksOnlyAfterAChange) {
  Show();
  window.Btn_Cancel->click();
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Rejected);

  Show();
  window.E_DALI_TimeOut->setText("500");
  boxes.answers = {false};
  window.Btn_Cancel->click();
  EXPECT_EQ(boxes.Messages(), std::vector<int>{424});
  EXPECT_EQ(boxes.shown.back().kind, Kind::Confirm);
  EXPECT_EQ(boxes.shown.back().text, "Do you want to exit without saving changes?");
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.E_DALI_TimeOut->text(), "500");

  boxes.answers = {true};
  window.Btn_Cancel->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Rejected);
  EXPECT_FALSE(Stored());

  Show();
  EXPECT_EQ(window.E_DALI_TimeOut->text(), "0") << "discarded edits are gone";
}

TEST_F(TFParGenTest, CloseBoxEscapeAndEnter) {
  Show();
  window.E_IP1->setText("1");
  QTest::keyClick(window.E_IP1, Qt::Key_Escape);
  QTest::keyClick(window.E_IP1, Qt::Key_Return);
  EXPECT_TRUE(window.isVisible()) << "Escape and Enter press neither button";
  EXPECT_FALSE(Stored());

  window.close();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Rejected);
  EXPECT_TRUE(boxes.shown.empty()) << "the close box never asks";
}

TEST_F(TFParGenTest, DotIsDiscardedOnlyInTheAddressByteFields) {
  Show();
  for (QLineEdit *field :
       {window.E_IP1, window.E_IP2, window.E_IP3, window.E_IP4, window.E_SM1, window.E_SM2,
        window.E_SM3, window.E_SM4, window.E_GAT1, window.E_GAT2, window.E_GAT3, window.E_GAT4}) {
    field->clear();
    QTest::keyClicks(field, "1.2");
    EXPECT_EQ(field->text(), "12");
    QTest::keyClick(field, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(field->text(), "12");
  }
  window.E_ID_Modbus_Slave->clear();
  QTest::keyClicks(window.E_ID_Modbus_Slave, "1.");
  EXPECT_EQ(window.E_ID_Modbus_Slave->text(), "1.");
  window.E_DALI_TimeOut->clear();
  QTest::keyClicks(window.E_DALI_TimeOut, "5.0");
  EXPECT_EQ(window.E_DALI_TimeOut->text(), "5.0");

  // Pasting is not filtered: the check catches it.
  window.E_IP2->setText("168.0.10");
  window.Btn_OKClick();
  EXPECT_EQ(boxes.Messages(), (std::vector<int>{470}));
}

TEST_F(TFParGenTest, OkShowsTheFirstFailingCheckAndWritesNothing) {
  Show();
  window.E_ID_Modbus_Slave->setText("248");
  window.E_SM4->setText("");
  window.Btn_OK->click();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, Kind::Error);
  EXPECT_EQ(boxes.shown[0].message, 476);
  EXPECT_EQ(boxes.shown[0].text, "Error Ethernet!! SUBNET Mask 4 must be between 0 and 255");
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(Stored());

  window.E_SM4->setText("0");
  window.Btn_OK->click();
  EXPECT_EQ(boxes.shown.back().message, 587);

  // Gateway letters pass while the box is clear, and fail once it is checked.
  window.E_ID_Modbus_Slave->setText("247");
  window.E_GAT1->setText("gw");
  window.CB_ModTCPs_EN_GAT->setChecked(true);
  window.Btn_OK->click();
  EXPECT_EQ(boxes.shown.back().message, 477);
  window.CB_ModTCPs_EN_GAT->setChecked(false);
  window.Btn_OK->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_NE(Stored()->find("<MTCPs_GAT1>gw</MTCPs_GAT1>"), std::string::npos);
  EXPECT_EQ(boxes.shown.size(), 3u);
}

TEST_F(TFParGenTest, FailedSaveShowsTheReasonAndKeepsTheWindowOpen) {
  workspace.Files.File_ParGen = dir / "gone" / "ParGen.xml";
  Show();
  window.E_IP3->setText("42");
  window.Btn_OK->click();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, Kind::Error);
  EXPECT_EQ(boxes.shown[0].message, MessageBoxes::Platform_Text);
  EXPECT_NE(boxes.shown[0].text.find("No such file or directory"), std::string::npos)
      << boxes.shown[0].text;
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.E_IP3->text(), "42");

  std::filesystem::create_directory(dir / "gone");
  window.Btn_OK->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(TFParGenTest, UnreadableFileIsReportedShownAsDefaultsAndKept) {
  const std::string broken = "<Par_Gen><MTCPs_IP1>10</MTCPs_IP1>";
  dir.Write("ParGen.xml", broken);
  Show();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, Kind::Error);
  EXPECT_NE(boxes.shown[0].text.find((dir / "ParGen.xml").string()), std::string::npos);
  EXPECT_EQ(window.E_IP1->text(), "192");
  EXPECT_FALSE(window.Is_Change);

  window.Btn_OK->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(Read_Whole_File(dir / "ParGen.xml.unreadable"), broken);
  EXPECT_EQ(Stored(), ParGen_Document(ParameterSet{}));
}

TEST_F(TFParGenTest, ActivationKeepsTheTopEdgeOnScreen) {
  Show();
  window.move(40, -30);
  window.FormActivate();
  EXPECT_EQ(window.pos(), QPoint(40, 0));
  window.move(40, 25);
  window.FormActivate();
  EXPECT_EQ(window.pos(), QPoint(40, 25));
}

TEST_F(TFParGenTest, TabOrderRunsEthernetDaliModbusSlave) {
  const std::vector<QWidget *> expected = {window.E_IP1,
                                           window.E_IP2,
                                           window.E_IP3,
                                           window.E_IP4,
                                           window.E_SM1,
                                           window.E_SM2,
                                           window.E_SM3,
                                           window.E_SM4,
                                           window.E_GAT1,
                                           window.E_GAT2,
                                           window.E_GAT3,
                                           window.E_GAT4,
                                           window.CB_ModTCPs_EN_GAT,
                                           window.E_DALI_Console_Port,
                                           window.CB_DALI_SwitchOff,
                                           window.E_DALI_TimeOut,
                                           window.CB_DALI_Disable_Scan,
                                           window.CB_DALI_En_DALI2,
                                           window.CB_Baud_Modbus_Slave,
                                           window.E_ID_Modbus_Slave,
                                           window.CB_Par_Modbus_Slave,
                                           window.CB_Modbus_Slave_Map_DALI};
  std::vector<QWidget *> chain;
  QWidget *at = window.E_IP1;
  do {
    if (at->focusPolicy() & Qt::TabFocus)
      chain.push_back(at);
    at = at->nextInFocusChain();
  } while (at != window.E_IP1 && chain.size() < expected.size());
  EXPECT_EQ(chain, expected);
}

TEST_F(TFParGenTest, ThreeHintsAreSetButNeverShown) {
  Show();
  auto hover = [](QWidget *widget) {
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  EXPECT_EQ(window.CB_Baud_Modbus_Slave->toolTip(), "Select the Baudrate of Modbus Slave serial");
  EXPECT_EQ(window.E_ID_Modbus_Slave->toolTip(), "Insert the ID Device for the Modbus Slave");
  EXPECT_EQ(hover(window.CB_Baud_Modbus_Slave), "");
  EXPECT_EQ(hover(window.CB_Par_Modbus_Slave), "");
  EXPECT_EQ(hover(window.E_ID_Modbus_Slave), "");
  EXPECT_EQ(hover(window.E_GAT1), "Insert first byte of Default Gateway");
  EXPECT_EQ(hover(window.E_SM4), "Insert fourth byte of SubNet Mask");
  EXPECT_EQ(hover(window.CB_ModTCPs_EN_GAT), "Enable/disable the Default Gateway");
  QToolTip::hideText();
}

TEST_F(TFParGenTest, SetLangTakesEveryTextFromTheMessageTable) {
  EXPECT_EQ(window.windowTitle(), "Set Communication");
  EXPECT_EQ(window.L_SW_Code->text(), "CF20431");
  EXPECT_EQ(window.GB_Modbus_Slave->title(), " Modbus Slave ");
  EXPECT_EQ(window.Btn_OK->toolTip(), "Confirm and Save the current configuration");
  workspace.Message_Table.Set(400, "Comunicazione");
  workspace.Message_Table.Set(463, " DALI bus ");
  workspace.Message_Table.Set(1292, "Abilita DALI 2");
  workspace.Message_Table.Set(403, "Annulla");
  window.Set_Lang();
  EXPECT_EQ(window.windowTitle(), "Comunicazione");
  EXPECT_EQ(window.GB_DALI->title(), " DALI bus ");
  EXPECT_EQ(window.CB_DALI_En_DALI2->text(), "Abilita DALI 2");
  EXPECT_EQ(window.Btn_Cancel->text(), "Annulla");
  EXPECT_EQ(window.CB_Baud_Modbus_Slave->itemText(5), "37400") << "list items are not translated";
}

TEST_F(TFParGenTest, RunsModallyUntilOkSucceeds) {
  QTimer::singleShot(0, &window, [this] {
    window.E_DALI_Console_Port->setText("10000");
    window.Btn_OK->click();
    window.E_DALI_Console_Port->setText("10002");
    window.Btn_OK->click();
  });
  EXPECT_EQ(window.exec(), QDialog::Accepted);
  EXPECT_EQ(boxes.Messages(), std::vector<int>{466});
  EXPECT_NE(Stored()->find("<DALI_CONSOLE_PORT>10002</DALI_CONSOLE_PORT>"), std::string::npos);
}

} // namespace
