#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <functional>

#include "WindowTestKit.h"
#include "equipment/EquipmentLists.h"
#include "ratings/RosterPositions.h"
#include "ui/FWInfo/FWInfo.h"
#include "ui/UnitInfo/UnitInfo.h"
#include "ui/common/FileDialogSeam.h"
#include "ui/main/UnitRosterPage.h"
#include "ui/widgets/DropButton.h"
#include "ui/widgets/SpinEdit.h"

namespace tfd {
namespace {

QString Sample(const char* name) { return QString(TFD_TEST_DATA) + "/" + name; }

class UnitRosterPageTest : public TWindowTest {
 protected:
  void SetUp() override {
    TWindowTest::SetUp();
    TFileDialogSeam::Clear();
    TFileDialogSeam::NeverShow();
    TMessageSeam::NeverShow();
    ShowTab("tsUnitRoster");
    page = window->UnitRosterPage();
    ASSERT_NE(page, nullptr);
  }
  void TearDown() override {
    TFileDialogSeam::Clear();
    TWindowTest::TearDown();
  }

  QString Row(const char* control, int row, const char* suffix = "") {
    return QString("%1%2%3").arg(control).arg(row).arg(suffix);
  }
  QString Name(int row) { return Find<QLineEdit>(Row("edtUR_M", row, "Name").toUtf8())->text(); }
  QString Tons(int row) { return Text(Row("lblUR_M", row, "Tng").toUtf8()); }
  int BV(int row) { return Text(Row("lblUR_M", row, "BV").toUtf8()).toInt(); }
  TSpinEdit* Skill(int row, const char* which) {
    return Find<TSpinEdit>(Row("sedtUR_P", row, which).toUtf8());
  }
  bool RowEnabled(int row) { return Find<QLineEdit>(Row("edtUR_P", row, "Name").toUtf8())->isEnabled(); }
  QImage SlotImage(int row) {
    return Find<TDropButton>(Row("btnUR_M", row).toUtf8())->icon().pixmap(22, 22).toImage();
  }
  qint64 SlotIconKey(int row) { return Find<TDropButton>(Row("btnUR_M", row).toUtf8())->icon().cacheKey(); }

  // Chooses a slot-menu entry for a row, as the row's button would open it.
  void SlotMenu(int row, const QString& caption) {
    page->SetMenuRow(row);
    Choose("pmUR_MSel", caption);
  }
  void Fill(int row, const char* sample) {
    TFileDialogSeam::SetNextAnswer(Sample(sample));
    SlotMenu(row, "Select a Titanframe");
  }
  QAction* ConfigEntry(const QString& caption) {
    emit Find<QMenu>("pmUR_MSel")->aboutToShow();
    for (QAction* a : Find<QMenu>("pmUR_MConfig")->actions())
      if (a->text() == caption) return a;
    return nullptr;
  }
  void SetOrganization(std::uint8_t code) {
    window->Roster().Organization = code;
    window->RefreshPages(pgUnitRoster, nullptr);
  }
  // Works in the next modal window as soon as it shows.
  void InModal(std::function<void(QDialog*)> work) {
    QTimer::singleShot(0, window.get(), [work] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      work(dialog);
    });
  }
  int SumOfRows() {
    int sum = 0;
    for (int row = 1; row <= 15; ++row)
      if (RowEnabled(row)) sum += BV(row);
    return sum;
  }

  TUnitRosterPage* page = nullptr;
};

TEST_F(UnitRosterPageTest, OrganisationSetsRowsPagesAndGroupPictures) {
  // A new roster: the four positions it uses, empty rows at 0 with skills 5 and 4.
  for (int row = 1; row <= 15; ++row) EXPECT_EQ(RowEnabled(row), row <= 4) << row;
  EXPECT_EQ(Tons(3), "0");
  EXPECT_EQ(BV(3), 0);
  EXPECT_EQ(Skill(3, "Plt")->value(), 5);
  EXPECT_EQ(Skill(3, "Gun")->value(), 4);
  EXPECT_EQ(Name(3), "");
  EXPECT_FALSE(Find<QToolButton>("btnUR_2")->isEnabled());
  EXPECT_TRUE(Find<QToolButton>("btnUR_Print")->isEnabled());

  SetOrganization(16);  // Inner Sphere Lance: groups of four
  EXPECT_EQ(SlotImage(1), SlotImage(4));
  EXPECT_NE(SlotImage(4), SlotImage(5));
  const qint64 row5 = SlotIconKey(5);
  SetOrganization(18);  // Company: same force type, the pictures stay
  EXPECT_EQ(SlotIconKey(5), row5);
  for (int row = 1; row <= 15; ++row) EXPECT_EQ(RowEnabled(row), row <= 12) << row;
  SetOrganization(32);  // Clan Star: groups of five, rows 1..5
  EXPECT_NE(SlotIconKey(5), row5);
  EXPECT_EQ(SlotImage(1), SlotImage(5));
  EXPECT_NE(SlotImage(5), SlotImage(6));
  EXPECT_EQ(SlotImage(11), SlotImage(15));
  for (int row = 1; row <= 15; ++row) EXPECT_EQ(RowEnabled(row), row <= 5) << row;

  // A battalion offers three pages; a page shows its own positions.
  SetOrganization(20);
  EXPECT_TRUE(Find<QToolButton>("btnUR_2")->isEnabled());
  EXPECT_TRUE(Find<QToolButton>("btnUR_3")->isEnabled());
  Fill(2, "brennock-bk1.TFI");
  QTest::mouseClick(Find<QToolButton>("btnUR_3"), Qt::LeftButton);
  EXPECT_EQ(page->Page(), 3);
  EXPECT_TRUE(Find<QToolButton>("btnUR_3")->isChecked());
  EXPECT_FALSE(Find<QToolButton>("btnUR_1")->isChecked());
  EXPECT_EQ(Name(2), "");
  Fill(2, "torvek-tk4q.TFI");
  EXPECT_EQ(window->RosterPositions()->At(32).DesignName, "Torvek TK-4Q");
  EXPECT_EQ(Text("lblTotTng"), "125");
  // Another organisation goes back to page 1.
  SetOrganization(19);
  EXPECT_EQ(page->Page(), 1);
  EXPECT_EQ(Name(2), "Brennock BK-1");
  EXPECT_FALSE(Find<QToolButton>("btnUR_3")->isEnabled());
}

TEST_F(UnitRosterPageTest, UnitInformationIsWrittenOnlyWithOK) {
  TUnitRoster& roster = window->Roster();
  roster.Designation = "Iron Lance";
  InModal([](QDialog* d) {
    auto* info = qobject_cast<TfrmUnitInfo*>(d);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->findChild<QToolButton*>("btnOrganization")->text(),
              "Inner Sphere Lance");  // the form's text
    info->OrganizationEntry(36)->trigger();
    info->findChild<QLineEdit*>("edtDesignation")->setText("Changed");
    info->findChild<QPushButton*>("btnCancel")->click();
  });
  QTest::mouseClick(Find<QToolButton>("btnUR_Info"), Qt::LeftButton);
  EXPECT_EQ(roster.Organization, 0);
  EXPECT_EQ(roster.Designation, "Iron Lance");

  InModal([](QDialog* d) {
    auto* info = qobject_cast<TfrmUnitInfo*>(d);
    ASSERT_NE(info, nullptr);
    info->OrganizationEntry(20)->trigger();
    EXPECT_EQ(info->findChild<QToolButton*>("btnOrganization")->text(), "Inner Sphere Batalion");
    info->findChild<QComboBox*>("cbAffiliation")->setEditText("Free Worlds");
    info->findChild<QComboBox*>("cbParentUnit")->setEditText("Second Guards");
    info->findChild<QPushButton*>("btnOK")->click();
  });
  QTest::mouseClick(Find<QToolButton>("btnUR_Info"), Qt::LeftButton);
  EXPECT_EQ(roster.Organization, 20);
  EXPECT_EQ(roster.Affiliation, "Free Worlds");
  EXPECT_EQ(roster.ParentUnit, "Second Guards");
  EXPECT_TRUE(RowEnabled(12));
  EXPECT_FALSE(RowEnabled(13));
  EXPECT_TRUE(Find<QToolButton>("btnUR_3")->isEnabled());

  // A roster without an organisation leaves the button's last text, and OK keeps "none".
  roster.Organization = 0;
  InModal([](QDialog* d) {
    EXPECT_EQ(d->findChild<QToolButton*>("btnOrganization")->text(), "Inner Sphere Batalion");
    EXPECT_FALSE(qobject_cast<TfrmUnitInfo*>(d)->OrganizationEntry(20)->isChecked());
    d->findChild<QPushButton*>("btnOK")->click();
  });
  QTest::mouseClick(Find<QToolButton>("btnUR_Info"), Qt::LeftButton);
  EXPECT_EQ(roster.Organization, 0);
}

TEST_F(UnitRosterPageTest, PositionsFillFromEveryFormatAndTheCurrentDesign) {
  Fill(1, "brennock-bk1.TFI");
  Fill(2, "hollow-warden-hw3.txt");
  Fill(3, "hollow-warden-hw3.html");
  Fill(4, "vashti-prime.TFC");
  EXPECT_EQ(Name(1), "Brennock BK-1");
  EXPECT_EQ(Tons(1), "65");
  EXPECT_EQ(BV(1), 843);
  EXPECT_EQ(Name(2), "Hollow Warden HW-3");
  EXPECT_EQ(BV(2), BV(3));
  EXPECT_EQ(Name(4), "Vashti Prime Default Configuration");
  EXPECT_EQ(Text("lblTotTng"), QString::number(65 + 55 + 55 + 45));
  EXPECT_EQ(Text("lblTotBV").toInt(), SumOfRows());
  EXPECT_TRUE(TMessageSeam::Shown().isEmpty());

  // A file that does not load says why and leaves the position as it was.
  TFileDialogSeam::SetNextAnswer(Sample("no-such-file.TFI"));
  SlotMenu(1, "Select a Titanframe");
  ASSERT_EQ(TMessageSeam::Shown().size(), 1);
  EXPECT_TRUE(TMessageSeam::Shown()[0].contains("no-such-file.TFI"));
  EXPECT_EQ(Name(1), "Brennock BK-1");

  // A readout with a line the reader does not know fills the position and says what was passed over.
  QTemporaryDir dir;
  QFile sample(Sample("hollow-warden-hw3.txt"));
  ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
  QByteArray readout = sample.readAll();
  readout.replace("Medium Laser               CT", "Quantum Flux Cannon        CT");
  QFile odd(dir.filePath("odd-warden.txt"));
  ASSERT_TRUE(odd.open(QIODevice::WriteOnly));
  odd.write(readout);
  odd.close();
  TMessageSeam::ClearShown();
  TFileDialogSeam::SetNextAnswer(odd.fileName());
  SlotMenu(3, "Select a Titanframe");
  EXPECT_EQ(Name(3), "Hollow Warden HW-3");
  ASSERT_EQ(TMessageSeam::Shown().size(), 1);
  EXPECT_TRUE(TMessageSeam::Shown()[0].contains("odd-warden.txt"));
  EXPECT_TRUE(TMessageSeam::Shown()[0].contains("unknown equipment"));

  // The current design goes in only as its file holds it.
  SlotMenu(1, "Clear Roster Entry");
  EXPECT_EQ(Name(1), "");
  EXPECT_FALSE(Entry("pmUR_MSel", "Put Current Design Here")->isEnabled());  // a new design has no file
  window->LoadFromFile(Sample("torvek-tk4q.TFI"));
  ShowTab("tsUnitRoster");
  EXPECT_EQ(Name(2), "Hollow Warden HW-3") << "loading into the editor keeps the roster";
  QAction* put = Entry("pmUR_MSel", "Put Current Design Here");
  ASSERT_TRUE(put->isEnabled()) << put->toolTip().toStdString();
  window->SetModified();
  put = Entry("pmUR_MSel", "Put Current Design Here");
  EXPECT_FALSE(put->isEnabled());
  EXPECT_TRUE(put->toolTip().contains("changes"));
  TMessageSeam::SetNextAnswer(QMessageBox::No);  // do not save before New
  Find<QAction>("FileNewItem")->trigger();
  window->LoadFromFile(Sample("torvek-tk4q.TFI"));
  ShowTab("tsUnitRoster");
  SlotMenu(1, "Put Current Design Here");
  EXPECT_EQ(Name(1), "Torvek TK-4Q");
  EXPECT_EQ(BV(1), 903);

  // And a position's design goes into the editor the way File > Open loads.
  SlotMenu(4, "Load This Titanframe");
  EXPECT_EQ(Design().Texts[txtModel], "Vashti Prime");
  EXPECT_EQ(Find<QTabWidget>("pcMain")->currentWidget(), Find<QWidget>("tsMain"));
}

TEST_F(UnitRosterPageTest, AnOmniPositionFieldsTheChosenConfiguration) {
  Fill(1, "vashti-prime.TFC");
  Fill(2, "brennock-bk1.TFI");
  QAction* alternateA = ConfigEntry("Alternate A");
  ASSERT_NE(alternateA, nullptr);
  page->SetMenuRow(1);
  alternateA = ConfigEntry("Alternate A");
  EXPECT_TRUE(alternateA->isEnabled());
  EXPECT_TRUE(ConfigEntry("Fixed")->isChecked());
  alternateA->trigger();
  EXPECT_EQ(Name(1), "Vashti Prime Alt. A Configuration");
  EXPECT_EQ(BV(1), 1029);
  EXPECT_TRUE(ConfigEntry("Alternate A")->isChecked());
  EXPECT_EQ(Text("lblTotBV").toInt(), 1029 + 843);
  // A design without the Omni option has only its fixed configuration.
  page->SetMenuRow(2);
  EXPECT_FALSE(ConfigEntry("Primary")->isEnabled());
  EXPECT_TRUE(ConfigEntry("Fixed")->isEnabled());
  EXPECT_EQ(Name(2), "Brennock BK-1");
}

TEST_F(UnitRosterPageTest, PilotEditsAdjustTheRowAndTheTotal) {
  Fill(1, "brennock-bk1.TFI");
  Fill(2, "torvek-tk4q.TFI");
  TSpinEdit* gunnery = Skill(1, "Gun");
  gunnery->setFocus();
  gunnery->selectAll();
  QTest::keyClicks(gunnery, "2");  // 843 x 1.25 = 1053.75
  EXPECT_EQ(BV(1), 1054);
  EXPECT_EQ(Text("lblTotBV").toInt(), 1054 + 903);
  EXPECT_EQ(Text("lblTotBV").toInt(), SumOfRows());
  auto* name = Find<QLineEdit>("edtUR_P2Name");
  QTest::keyClicks(name, "Mara");
  EXPECT_EQ(window->RosterPositions()->At(2).Pilot.Name, "Mara");

  // The Framewarden window shows the row's pilot and stores what OK confirms.
  InModal([](QDialog* d) {
    auto* fw = qobject_cast<TfrmFWInfo*>(d);
    ASSERT_NE(fw, nullptr);
    EXPECT_EQ(fw->findChild<QLineEdit*>("edtName")->text(), "Mara");
    EXPECT_EQ(fw->findChild<QLabel*>("lblBVMultiplier")->text(), "1.00");
    fw->findChild<QLineEdit*>("edtCallsign")->setText("Quill");
    fw->findChild<QSpinBox*>("sedtPiloting")->setValue(0);  // the rows allow 0, so does the window
    fw->findChild<QSpinBox*>("sedtGunnery")->setValue(0);
    EXPECT_EQ(fw->findChild<QLabel*>("lblBVMultiplier")->text(), "2.00");
    fw->findChild<QPushButton*>("btnOK")->click();
  });
  QTest::mouseClick(Find<QToolButton>("btnUR_P2"), Qt::LeftButton);
  const TPilot& pilot = window->RosterPositions()->At(2).Pilot;
  EXPECT_EQ(pilot.Callsign, "Quill");
  EXPECT_EQ(Skill(2, "Plt")->value(), 0);
  EXPECT_EQ(BV(2), 1806);
  EXPECT_EQ(Text("lblTotBV").toInt(), 1054 + 1806);

  InModal([](QDialog* d) {
    d->findChild<QLineEdit*>("edtName")->setText("Someone else");
    d->findChild<QPushButton*>("btnCancel")->click();
  });
  QTest::mouseClick(Find<QToolButton>("btnUR_P2"), Qt::LeftButton);
  EXPECT_EQ(Find<QLineEdit>("edtUR_P2Name")->text(), "Mara");
}

// The printed roster: the unit, a line for every position its organisation
// uses with the design, its figures and its pilot, and the totals.
TEST_F(UnitRosterPageTest, ThePrintedRosterListsEveryPositionAndTheTotals) {
  window->Roster().Designation = "Iron <Lance>";
  Fill(1, "brennock-bk1.TFI");
  Fill(3, "torvek-tk4q.TFI");
  QTest::keyClicks(Find<QLineEdit>("edtUR_P3Name"), "Mara");
  const QString text = page->RosterDocument()->toPlainText();
  EXPECT_TRUE(text.startsWith("Iron <Lance>")) << text.toStdString();
  const QStringList lines = text.split('\n');
  auto lineOf = [&lines](const QString& start) {
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
      if (lines[i] == start) return lines.mid(i, 7).join('|');
    return QString();
  };
  // A table cell is a line of the plain text: position, design, tons, BV, pilot, skills.
  EXPECT_EQ(lineOf("1"), QString("1|Brennock BK-1|%1|%2||5|4").arg(Tons(1)).arg(BV(1)));
  EXPECT_TRUE(lineOf("3").startsWith("3|" + Name(3) + "|")) << lineOf("3").toStdString();
  EXPECT_TRUE(lineOf("3").endsWith("|Mara|5|4")) << lineOf("3").toStdString();
  EXPECT_EQ(lineOf("2"), "2|||||5|4");  // an empty position of the lance
  // The headings, the lance's four positions and the totals.
  const auto document = page->RosterDocument();
  const QList<QTextFrame*> frames = document->rootFrame()->childFrames();
  ASSERT_EQ(frames.size(), 1);
  auto* table = qobject_cast<QTextTable*>(frames[0]);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rows(), 6);
  EXPECT_TRUE(text.contains(
      QString("Total\n%1\n%2").arg(Text("lblTotTng"), QLocale().toString(Text("lblTotBV").toInt()))))
      << text.toStdString();
}

TEST_F(UnitRosterPageTest, RostersAreSavedReopenedAndBadFilesRefused) {
  QTemporaryDir dir;
  const QString file = dir.filePath("lance.tfr");
  SetOrganization(16);
  window->Roster().Designation = "Iron Lance";
  Fill(1, "vashti-prime.TFC");
  page->SetMenuRow(1);
  ConfigEntry("Primary")->trigger();
  Fill(3, "hollow-warden-hw3.txt");
  Skill(3, "Plt")->setValue(3);
  const QString totalBV = Text("lblTotBV"), totalTons = Text("lblTotTng");
  const QStringList names = {Name(1), Name(2), Name(3), Name(4)};
  TFileDialogSeam::SetNextAnswer(file);
  QTest::mouseClick(Find<QToolButton>("btnUR_Save"), Qt::LeftButton);
  ASSERT_TRUE(QFile::exists(file));

  // New asks first, and empties the roster.
  TMessageSeam::SetNextAnswer(QMessageBox::Cancel);
  QTest::mouseClick(Find<QToolButton>("btnUR_New"), Qt::LeftButton);
  EXPECT_EQ(Name(1), names[0]);
  TMessageSeam::SetNextAnswer(QMessageBox::No);
  QTest::mouseClick(Find<QToolButton>("btnUR_New"), Qt::LeftButton);
  EXPECT_EQ(Name(1), "");
  EXPECT_EQ(Text("lblTotBV"), "0");
  EXPECT_EQ(window->Roster().Designation, "");

  TMessageSeam::ClearShown();
  TFileDialogSeam::SetNextAnswer(file);
  QTest::mouseClick(Find<QToolButton>("btnUR_Load"), Qt::LeftButton);
  EXPECT_EQ(QStringList({Name(1), Name(2), Name(3), Name(4)}), names);
  EXPECT_EQ(Text("lblTotBV"), totalBV);
  EXPECT_EQ(Text("lblTotTng"), totalTons);
  EXPECT_EQ(Skill(3, "Plt")->value(), 3);
  EXPECT_EQ(window->Roster().Designation, "Iron Lance");
  EXPECT_TRUE(TMessageSeam::Shown().isEmpty());

  // Bad JSON and another version are refused; the roster shown stays.
  const QString bad = dir.filePath("bad.tfr"), newer = dir.filePath("newer.tfr");
  std::ofstream(bad.toStdString()) << "{ \"format\": ";
  std::ofstream(newer.toStdString())
      << R"({"format":"Titanframe Designer roster","version":9,"organization":0})";
  for (const QString& refused : {bad, newer}) {
    TMessageSeam::ClearShown();
    TMessageSeam::SetNextAnswer(QMessageBox::No);  // not saved before opening
    TFileDialogSeam::SetNextAnswer(refused);
    QTest::mouseClick(Find<QToolButton>("btnUR_Load"), Qt::LeftButton);
    ASSERT_EQ(TMessageSeam::Shown().size(), 2);
    EXPECT_TRUE(TMessageSeam::Shown()[1].contains(refused == bad ? "not valid JSON" : "version 9"));
    EXPECT_EQ(Name(1), names[0]);
    EXPECT_EQ(Text("lblTotBV"), totalBV);
  }

  // A missing design keeps its position, greyed, and is named in the message.
  std::string text;
  {
    std::ifstream in(file.toStdString());
    text.assign(std::istreambuf_iterator<char>(in), {});
  }
  const std::string hollow = Sample("hollow-warden-hw3.txt").toStdString();
  text.replace(text.find(hollow), hollow.size(), dir.filePath("gone.txt").toStdString());
  std::ofstream(file.toStdString()) << text;
  TMessageSeam::ClearShown();
  TMessageSeam::SetNextAnswer(QMessageBox::No);
  TFileDialogSeam::SetNextAnswer(file);
  QTest::mouseClick(Find<QToolButton>("btnUR_Load"), Qt::LeftButton);
  ASSERT_EQ(TMessageSeam::Shown().size(), 2);
  EXPECT_TRUE(TMessageSeam::Shown()[1].contains("gone.txt"));
  EXPECT_EQ(Name(3), "Hollow Warden HW-3");
  EXPECT_TRUE(Find<QLineEdit>("edtUR_M3Name")->styleSheet().contains("gray"));
  EXPECT_EQ(BV(3), 0);
  EXPECT_EQ(Text("lblTotBV").toInt(), BV(1));
}

TEST_F(UnitRosterPageTest, AChangedRosterIsOfferedForSavingWhenTheProgramEnds) {
  EXPECT_TRUE(page->MayClose());
  EXPECT_TRUE(TMessageSeam::Shown().isEmpty()) << "an untouched roster asks nothing";
  Fill(1, "brennock-bk1.TFI");
  TMessageSeam::SetNextAnswer(QMessageBox::Cancel);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(TMessageSeam::Shown().size(), 1);
  EXPECT_TRUE(TMessageSeam::Shown()[0].contains("save this roster"));
  QTemporaryDir dir;
  TMessageSeam::SetNextAnswer(QMessageBox::Yes);
  TFileDialogSeam::SetNextAnswer(dir.filePath("kept.tfr"));
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(QFile::exists(dir.filePath("kept.tfr")));
  EXPECT_FALSE(page->Changed());
}

}  // namespace
}  // namespace tfd
