// Serving load requests in the real main window: a request in the block at
// the first showing, on a later copy's nudge and on activation; the save
// question and its Cancel; reader errors; File > Open and its dialog.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "LoadKit.h"
#include "app/LoadRequests.h"
#include "app/LoadServing.h"
#include "app/Startup.h"
#include "equipment/EquipmentLists.h"
#include "model/Mech.h"
#include "ui/Errs/Errs.h"
#include "ui/common/FileDialogSeam.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/OpenDesign.h"
#include "ui/main/TfrmTFD.h"

using namespace tfd;
using loadkit::Peek;

namespace {

// The save question names the file that would replace the design.
QString Question(const char* file) {
  return QString("Confirm|Do you wish to save this design before loading a new one?\n") + file;
}
const QString kWrongVersion = "Titanframe Designer|Cannot Open File\rWrong Version";

QString Sample(const char* name) { return QString(TFD_TEST_DATA) + "/" + name; }

class Serving : public ::testing::Test {
 protected:
  void SetUp() override {
    TMessageSeam::ClearShown();
    TFileDialogSeam::Clear();
    requests = std::make_unique<TLoadRequests>(iso.key);
  }
  void TearDown() override {
    TMessageSeam::SetNextAnswer(QMessageBox::No);  // never block on the close question
    serving.reset();
    window.reset();
    requests.reset();
    TMessageSeam::ClearShown();
    TFileDialogSeam::Clear();
  }

  // Start-up with this command line: registered, then the window shown.
  void Start(const QStringList& commandLine = {}) {
    ASSERT_EQ(requests->Attach(CommandLineRequest(commandLine, QDir::currentPath())),
              TLoadRequests::ERole::Owner);
    window = std::make_unique<TfrmTFD>(LoadEquipmentLists());
    serving = std::make_unique<TLoadServing>(*window);
    serving->SetRequests(requests.get());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  // A design the user has changed.
  void Modify() {
    window->Design().Tonnage = 65;
    window->SetModified();
  }
  // A later copy with this file: it writes the block and nudges.
  void HandOver(const QString& fileName) {
    QSignalSpy nudged(requests.get(), &TLoadRequests::nudged);
    TLoadRequests later(iso.key);
    ASSERT_EQ(later.Attach(fileName.isEmpty() ? QByteArray() : CommandLineRequest({fileName}, "/")),
              TLoadRequests::ERole::Later);
    ASSERT_TRUE(later.HandOver());
    ASSERT_TRUE(nudged.wait(5000));
  }
  // The window losing the activation to another program, and getting it back.
  void Send(QEvent::Type type) {
    QEvent e(type);
    QCoreApplication::sendEvent(window.get(), &e);
  }
  void SwitchAwayAndBack() {
    Send(QEvent::WindowDeactivate);
    Send(QEvent::WindowActivate);
  }
  bool Pending() { return Peek(iso.key).Pending; }
  QStringList Shown() { return TMessageSeam::Shown(); }

  loadkit::TIsolated iso;
  std::unique_ptr<TLoadRequests> requests;
  std::unique_ptr<TfrmTFD> window;
  std::unique_ptr<TLoadServing> serving;
};

}  // namespace

TEST_F(Serving, StartsWithTheFileOfItsCommandLine) {
  Start({Sample("skarn-prime.txt")});
  EXPECT_TRUE(Shown().isEmpty()) << Shown().join('\n').toStdString();
  EXPECT_FALSE(Pending());
  EXPECT_EQ(window->Design().Tonnage, 50);
  EXPECT_EQ(window->windowTitle(), "(Skarn Prime as skarn-prime.txt) Titanframe Designer[*]");
  EXPECT_FALSE(window->Modified());
}

TEST_F(Serving, HandedOverFileReplacesTheDesignAfterTheQuestion) {
  Start();
  Modify();
  TMessageSeam::SetNextAnswer(QMessageBox::No);
  HandOver(Sample("hollow-warden-hw3.html"));
  EXPECT_EQ(Shown(), QStringList{Question("hollow-warden-hw3.html")});
  EXPECT_FALSE(Pending());
  EXPECT_EQ(window->Design().Tonnage, 55);
  EXPECT_EQ(window->windowTitle(), "(Hollow Warden HW-3 as hollow-warden-hw3.html) Titanframe Designer[*]");
  EXPECT_FALSE(window->Modified());
}

TEST_F(Serving, ActivationWithNothingPendingChangesNothing) {
  Start();
  Modify();
  const QString title = window->windowTitle();
  SwitchAwayAndBack();
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  emit qApp->applicationStateChanged(Qt::ApplicationActive);
  HandOver({});  // a second start without a file only brings the window forward
  EXPECT_TRUE(Shown().isEmpty());
  EXPECT_EQ(window->Design().Tonnage, 65);
  EXPECT_TRUE(window->Modified());
  EXPECT_EQ(window->windowTitle(), title);
}

TEST_F(Serving, CancelKeepsTheRequestAndTheNextTriggerAsksOnce) {
  Start();
  Modify();
  TMessageSeam::SetNextAnswer(QMessageBox::Cancel);
  HandOver(Sample("skarn-prime.txt"));
  EXPECT_EQ(Shown(), QStringList{Question("skarn-prime.txt")});
  EXPECT_TRUE(Pending());
  EXPECT_EQ(window->Design().Tonnage, 65);
  EXPECT_TRUE(window->Modified());

  // The window's return from the box, and the application's, are no new trigger.
  Send(QEvent::WindowActivate);
  emit qApp->applicationStateChanged(Qt::ApplicationActive);
  EXPECT_EQ(Shown().size(), 1);

  // The user comes back from another program: asked again, once.
  TMessageSeam::SetNextAnswer(QMessageBox::No);
  Send(QEvent::WindowDeactivate);
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  Send(QEvent::WindowActivate);
  emit qApp->applicationStateChanged(Qt::ApplicationActive);
  EXPECT_EQ(Shown(), (QStringList{Question("skarn-prime.txt"), Question("skarn-prime.txt")}));
  EXPECT_FALSE(Pending());
  EXPECT_EQ(window->Design().Tonnage, 50);
  EXPECT_FALSE(window->Modified());

  SwitchAwayAndBack();
  EXPECT_EQ(Shown().size(), 2);
}

TEST_F(Serving, MissingFileShowsItsErrorOnceAndIsNotServedAgain) {
  const QString gone = QDir::tempPath() + "/tfd-no-such-folder/gone.tfc";
  Start({gone});
  ASSERT_EQ(Shown().size(), 1);
  EXPECT_TRUE(Shown()[0].startsWith("Titanframe Designer|Cannot open file")) << Shown()[0].toStdString();
  EXPECT_FALSE(Pending());
  // The error box closing, another program, a later start without a file.
  Send(QEvent::WindowActivate);
  SwitchAwayAndBack();
  HandOver({});
  EXPECT_EQ(Shown().size(), 1);
  EXPECT_EQ(window->Design().Tonnage, 20);  // a new design stands
}

TEST_F(Serving, ReaderIsChosenByExtensionWithoutRegardToCase) {
  QTemporaryDir dir;
  QFile::copy(Sample("hollow-warden-hw3.html"), dir.filePath("WARDEN.HTML"));
  QFile::copy(Sample("hollow-warden-hw3.html"), dir.filePath("warden"));
  Start();
  HandOver(dir.filePath("WARDEN.HTML"));
  EXPECT_TRUE(Shown().isEmpty()) << Shown().join('\n').toStdString();
  EXPECT_EQ(window->Design().Tonnage, 55);

  // Without an extension it is a design file, and a readout is not one: the
  // loaded design stays.
  HandOver(dir.filePath("warden"));
  EXPECT_EQ(Shown(), QStringList{kWrongVersion});
  EXPECT_EQ(window->Design().Tonnage, 55);
  EXPECT_EQ(window->windowTitle(), "(Hollow Warden HW-3 as WARDEN.HTML) Titanframe Designer[*]");
}

// A file of every format cut short, and bytes that are no design at all: the
// design being edited, its caption and its modified flag stay as they were,
// and the message names the file.
TEST_F(Serving, FailedLoadKeepsTheDesignBeingEdited) {
  QTemporaryDir dir;
  auto cut = [&](const char* sample, const QString& name, qint64 keep) {
    QFile in(Sample(sample));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly));
    QFile out(dir.filePath(name));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(in.read(keep));
    return out.fileName();
  };
  QFile noise(dir.filePath("noise.TFC"));
  ASSERT_TRUE(noise.open(QIODevice::WriteOnly));
  for (int i = 0; i < 300; ++i) noise.putChar(static_cast<char>((i * 73 + 11) % 256));
  noise.close();

  Start({Sample("skarn-prime.txt")});
  Modify();
  const QString title = window->windowTitle();
  const std::uint8_t level = window->Design().RulesLevel;
  const auto items = window->Design().Config->Items.Size();
  const struct {
    QString file;
    QString message;
  } cases[] = {
      {cut("brennock-bk1.TFI", "trunc.TFI", 100), "Cannot open trunc.TFI: the file ends early."},
      {cut("vashti-prime.TFC", "omni.TFC", 900), "Cannot open omni.TFC: the file ends early."},
      {cut("quillon-qn2.txt", "short.txt", 400), "Cannot open short.txt: the file ends early."},
      {noise.fileName(), ""},
  };
  for (const auto& c : cases) {
    TMessageSeam::ClearShown();
    TMessageSeam::SetNextAnswer(QMessageBox::No);
    serving->ServeFile(c.file);
    ASSERT_EQ(Shown().size(), 2) << c.file.toStdString();  // the save question, then the error
    if (!c.message.isEmpty())
      EXPECT_EQ(Shown()[1], "Titanframe Designer|" + c.message);
    else
      EXPECT_TRUE(Shown()[1].contains("noise.TFC") || Shown()[1].contains("Wrong Version"));
    EXPECT_EQ(window->Design().Tonnage, 65) << c.file.toStdString();
    EXPECT_EQ(window->Design().RulesLevel, level);
    EXPECT_EQ(window->Design().Config->Items.Size(), items);
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_TRUE(window->Modified());
  }
}

// The equipment lists follow the design's technology after New and after a
// load, whatever the lists showed before.
TEST_F(Serving, ClanDesignShowsTheClanLists) {
  Start();
  auto* technology = window->findChild<QAbstractButton*>("btnWepType");
  ASSERT_NE(technology, nullptr);
  for (const char* clan : {"vashti-prime.TFC", "skarn-prime.txt"}) {
    window->Design().WeaponFilter = rlIS3;  // as left by an Inner Sphere design
    serving->ServeFile(Sample(clan));
    ASSERT_TRUE(Shown().isEmpty()) << Shown().join('\n').toStdString();
    EXPECT_TRUE(window->Design().WeaponFilter & (rlClan2 | rlClan3)) << clan;
    EXPECT_EQ(technology->text(), "Clan") << clan;
  }
  window->Design().WeaponFilter = rlClan3;
  window->NewDesign();
  EXPECT_EQ(window->Design().WeaponFilter, window->Design().RulesLevel);
  EXPECT_EQ(technology->text(), "Inner Sphere");
}

TEST_F(Serving, LoadWarningsStandInTheErrorReportUntilNewOrTheNextLoad) {
  QTemporaryDir dir;
  QFile sample(Sample("hollow-warden-hw3.txt"));
  ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
  QByteArray readout = sample.readAll();
  readout.replace("Medium Laser               CT", "Quantum Flux Cannon        CT");
  const QString file = dir.filePath("warden.txt");
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(readout);
  out.close();

  Start();
  TfrmErrorRpt* report = window->ErrorReport();
  QListWidget* list = report->findChild<QListWidget*>("lbToAlloc");
  ASSERT_NE(list, nullptr);
  // The validation's findings follow at the end of the list; the lines here are the others.
  auto others = [list] {
    int n = 0;
    for (int row = 0; row < list->count(); ++row) n += TfrmErrorRpt::findingOf(list->item(row)) < 0;
    return n;
  };
  list->addItem("Over weight");  // a line of the report that is not the load's
  window->LoadFromFile(file);
  // A load with warnings is a load: no box, the report beside the design.
  EXPECT_TRUE(Shown().isEmpty()) << Shown().join('\n').toStdString();
  EXPECT_EQ(window->Design().Tonnage, 55);
  ASSERT_EQ(window->LoadWarnings().size(), 1u);
  EXPECT_EQ(window->LoadWarnings()[0].Why, "unknown equipment");
  EXPECT_TRUE(report->isVisible());
  ASSERT_EQ(others(), 3);
  EXPECT_EQ(list->item(0)->text(), "warden.txt");
  EXPECT_EQ(list->item(1)->text(), QString("    line %1, unknown equipment: Quantum Flux Cannon CT 1 3 1.00")
                                       .arg(window->LoadWarnings()[0].Line));
  EXPECT_EQ(list->item(2)->text(), "Over weight");

  // The next load replaces them; New clears them; the other line stays.
  window->LoadFromFile(file);
  EXPECT_EQ(others(), 3);
  window->findChild<QAction*>("FileNewItem")->trigger();
  EXPECT_TRUE(window->LoadWarnings().empty());
  ASSERT_EQ(others(), 1);
  EXPECT_EQ(list->item(0)->text(), "Over weight");
  window->LoadFromFile(file);
  window->LoadFromFile(Sample("hollow-warden-hw3.txt"));
  EXPECT_TRUE(window->LoadWarnings().empty());
  EXPECT_EQ(others(), 1);
}

TEST_F(Serving, FileOpenLoadsTheChosenFileThroughTheSameSteps) {
  Start();
  QAction* open = window->findChild<QAction*>("FileOpenItem");
  ASSERT_NE(open, nullptr);
  EXPECT_TRUE(open->isEnabled());
  EXPECT_EQ(open->shortcut(), QKeySequence(Qt::Key_F3));

  TFileDialogSeam::SetNextAnswer({});  // the dialog cancelled
  open->trigger();
  EXPECT_EQ(TFileDialogSeam::Asked(), 1);
  EXPECT_EQ(window->Design().Tonnage, 20);

  Modify();
  TFileDialogSeam::SetNextAnswer(Sample("skarn-prime.txt"));
  TMessageSeam::SetNextAnswer(QMessageBox::Cancel);
  open->trigger();
  EXPECT_EQ(Shown(), QStringList{Question("skarn-prime.txt")});
  EXPECT_EQ(window->Design().Tonnage, 65);

  TFileDialogSeam::SetNextAnswer(Sample("skarn-prime.txt"));
  TMessageSeam::SetNextAnswer(QMessageBox::No);  // Yes would save first
  open->trigger();
  EXPECT_EQ(window->Design().Tonnage, 50);
  EXPECT_EQ(window->windowTitle(), "(Skarn Prime as skarn-prime.txt) Titanframe Designer[*]");
  // Nothing was asked again by the window's return from the dialog.
  SwitchAwayAndBack();
  EXPECT_EQ(Shown().size(), 2);
}

// A request handed over while a dialog is up (the open dialog, say) waits for
// it, and asks before it replaces the design the user chose there.
TEST_F(Serving, HandedOverRequestWaitsForTheDialogAndAsksBeforeReplacing) {
  Start();
  {
    QDialog dialog(window.get());
    dialog.setModal(true);
    dialog.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    HandOver(Sample("hollow-warden-hw3.html"));
    Send(QEvent::WindowActivate);
    EXPECT_TRUE(Pending());
    EXPECT_EQ(window->Design().Tonnage, 20);
  }
  TFileDialogSeam::SetNextAnswer(Sample("skarn-prime.txt"));
  window->findChild<QAction*>("FileOpenItem")->trigger();
  EXPECT_EQ(window->Design().Tonnage, 50);
  EXPECT_TRUE(Shown().isEmpty());

  TMessageSeam::SetNextAnswer(QMessageBox::No);
  SwitchAwayAndBack();
  EXPECT_EQ(Shown(),
            QStringList{"Confirm|Replace the design you have just opened with hollow-warden-hw3.html?"});
  EXPECT_FALSE(Pending());
  EXPECT_EQ(window->Design().Tonnage, 50);
  SwitchAwayAndBack();
  EXPECT_EQ(Shown().size(), 1);
}

// Where File > Open opened nothing (its save question cancelled, its file
// unreadable), the waiting request is an ordinary one: the save question, no
// word of a design just opened.
TEST_F(Serving, RequestAfterAnOpenThatOpenedNothingIsServedAsAnyOther) {
  Start();
  Modify();
  auto handOverBehindADialog = [this](const char* file) {
    QDialog dialog(window.get());
    dialog.setModal(true);
    dialog.show();
    HandOver(Sample(file));
    EXPECT_TRUE(Pending());
  };
  handOverBehindADialog("hollow-warden-hw3.html");
  TFileDialogSeam::SetNextAnswer(Sample("skarn-prime.txt"));
  TMessageSeam::SetNextAnswer(QMessageBox::Cancel);
  window->findChild<QAction*>("FileOpenItem")->trigger();
  EXPECT_EQ(window->Design().Tonnage, 65);

  TMessageSeam::SetNextAnswer(QMessageBox::No);
  SwitchAwayAndBack();
  EXPECT_EQ(Shown(), (QStringList{Question("skarn-prime.txt"), Question("hollow-warden-hw3.html")}));
  EXPECT_FALSE(Pending());
  EXPECT_EQ(window->Design().Tonnage, 55);
  const QString loaded = window->windowTitle();

  // A file that cannot be read opens nothing either.
  TMessageSeam::ClearShown();
  handOverBehindADialog("skarn-prime.txt");
  QTemporaryDir dir;
  QFile broken(dir.filePath("broken.TFI"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("TF");
  broken.close();
  TFileDialogSeam::SetNextAnswer(broken.fileName());
  window->findChild<QAction*>("FileOpenItem")->trigger();
  EXPECT_EQ(window->windowTitle(), loaded);
  ASSERT_EQ(Shown().size(), 1);
  SwitchAwayAndBack();
  EXPECT_EQ(Shown().size(), 1) << Shown().join(" / ").toStdString();
  EXPECT_FALSE(Pending());
  EXPECT_EQ(window->Design().Tonnage, 50);
}

TEST(OpenDialog, EntriesShowTheirCaptionsAndMatchWithoutRegardToCase) {
  QTemporaryDir dir;
  for (const char* name : {"a.tfi", "B.TFC", "c.Tfc", "readme", "d.txt", "e.HTM", "f.html", "g.tfx"}) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  auto dialog = TFileDialogSeam::MakeOpenDialog(nullptr, OpenDialogSettings());
  EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
  EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(dialog->defaultSuffix(), "TFC");
  auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
  ASSERT_NE(types, nullptr);
  QStringList captions;
  for (int i = 0; i < types->count(); ++i) captions << types->itemText(i);
  EXPECT_EQ(captions, (QStringList{"I.S. Mech Files (*.TFI)", "Clan Mech Files (*.TFC)",
                                   "All Mech Files (*.TF?)", "Text Files (*.TXT)", "HTML Files (*.HTM)",
                                   "MechWorks (*.MEK)", "All Files (*.*)"}));
  EXPECT_EQ(types->currentIndex(), 2);

  auto* model = dialog->findChild<QFileSystemModel*>();
  ASSERT_NE(model, nullptr);
  QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
  dialog->setDirectory(dir.path());
  ASSERT_TRUE(loaded.count() > 0 || loaded.wait(5000));
  auto listed = [&](int entry) {
    dialog->selectNameFilter(dialog->nameFilters()[entry]);
    QTest::qWait(50);  // the model filters on its next turn of the event loop
    const QModelIndex root = model->index(dir.path());
    QStringList names;
    for (int row = 0; row < model->rowCount(root); ++row)
      names << model->index(row, 0, root).data().toString();
    names.sort(Qt::CaseInsensitive);
    return names;
  };
  EXPECT_EQ(listed(2), (QStringList{"a.tfi", "B.TFC", "c.Tfc"}));
  EXPECT_EQ(listed(1), (QStringList{"B.TFC", "c.Tfc"}));
  EXPECT_EQ(listed(4), (QStringList{"e.HTM", "f.html"}));
  EXPECT_EQ(listed(6).size(), 8);  // names without a dot too
}
