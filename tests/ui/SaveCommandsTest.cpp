// File > Save, Save As, Print and Print Setup in the real main window: the
// save dialog, the title bar and the modified flag, failures that keep the old
// file and the design, the save questions whose Yes now saves, and the readout
// printed to a PDF file.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>

#include "WindowTestKit.h"
#include "app/LoadServing.h"
#include "equipment/EquipmentLists.h"
#include "files/HtmlSettings.h"
#include "files/LoadDesign.h"
#include "ui/common/FileDialogSeam.h"
#include "ui/main/SaveCommands.h"

namespace tfd {
namespace {

class Saving : public TWindowTest {
 protected:
  void SetUp() override {
    TFileDialogSeam::Clear();
    TWindowTest::SetUp();
    ASSERT_TRUE(dir.isValid());
  }
  void TearDown() override {
    TWindowTest::TearDown();
    TFileDialogSeam::Clear();
  }
  QString Path(const QString& name) const { return dir.filePath(name); }
  // A copy of a sample design in the test's folder: a save never reaches the samples.
  QString Sample(const char* name) const {
    const QString copy = Path(QString("sample-") + name);
    QFile::remove(copy);
    EXPECT_TRUE(QFile::copy(QString(TFD_TEST_DATA) + "/" + name, copy));
    return copy;
  }
  // Makes the design modified as a user's edit would: another rules level.
  void Edit() {
    Choose("pmTech", Design().RulesLevel == rlIS2 ? "Inner Sphere Level 1" : "Inner Sphere Level 2");
    ASSERT_TRUE(window->Modified());
  }
  static QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // The file read into a design of its own, as a later session would.
  TLoadResult LoadInto(TMech& m, const QString& path) {
    THtmlSettings html;
    TLoadContext context{*window->Equipment(), html, nullptr};
    return LoadDesign(m, path.toStdString(), context);
  }

  QTemporaryDir dir;
};

TEST_F(Saving, MenuEntriesAreOfferedWithTheirKeys) {
  for (const char* name : {"FileSaveItem", "FileSaveAsItem", "FilePrintItem", "FilePrintSetupItem"})
    EXPECT_TRUE(Find<QAction>(name)->isEnabled()) << name;
  EXPECT_EQ(Find<QAction>("FileSaveItem")->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(Find<QAction>("FilePrintItem")->shortcut(), QKeySequence("Ctrl+P"));
}

TEST_F(Saving, SaveAsWritesTheChosenFormatAndSaveReusesTheName) {
  Edit();
  Design().Texts[txtModel] = "Brennock BK-2";
  TFileDialogSeam::SetNextAnswer(Path("bk2.TFI"));
  Find<QAction>("FileSaveAsItem")->trigger();
  EXPECT_EQ(TFileDialogSeam::Asked(), 1);
  EXPECT_FALSE(window->Modified());
  EXPECT_EQ(window->windowTitle(), "(Brennock BK-2 as bk2.TFI) Titanframe Designer[*]");
  TMech back;
  ASSERT_TRUE(LoadInto(back, Path("bk2.TFI")).Ok());
  EXPECT_EQ(back.Texts[txtModel], "Brennock BK-2");
  EXPECT_EQ(back.RulesLevel, rlIS2);

  // Save (F2) writes to the same file without a dialog.
  Choose("pmTech", "Inner Sphere Level 1");
  Find<QAction>("FileSaveItem")->trigger();
  EXPECT_EQ(TFileDialogSeam::Asked(), 1);
  EXPECT_FALSE(window->Modified());
  ASSERT_TRUE(LoadInto(back, Path("bk2.TFI")).Ok());
  EXPECT_EQ(back.RulesLevel, rlIS1);

  // The extension chooses the writer.
  TFileDialogSeam::SetNextAnswer(Path("bk2.txt"));
  Find<QAction>("FileSaveAsItem")->trigger();
  EXPECT_TRUE(Contents(Path("bk2.txt")).startsWith("Titanframe Technical Readout\r\n"));
  TFileDialogSeam::SetNextAnswer(Path("bk2.html"));
  Find<QAction>("FileSaveAsItem")->trigger();
  EXPECT_TRUE(Contents(Path("bk2.html")).contains("<!-- VER 0907 -->"));
  EXPECT_EQ(window->windowTitle(), "(Brennock BK-2 as bk2.html) Titanframe Designer[*]");

  // What a design file cannot keep is said after the save.
  const TWepInfo* custom = nullptr;
  for (int id = kFirstCustomId; id < kFirstCustomAmmoId && !custom; ++id)
    custom = window->Equipment()->BySaveNum(id);
  ASSERT_NE(custom, nullptr);
  Design().Configs[0]->Items.Insert(MakeWeapon(custom->Info))->Location = lcBin;
  TMessageSeam::ClearShown();
  TFileDialogSeam::SetNextAnswer(Path("bk2-custom.TFC"));
  EXPECT_TRUE(window->SaveCommands()->SaveAs());
  ASSERT_EQ(TMessageSeam::Shown().size(), 1);
  EXPECT_TRUE(
      TMessageSeam::Shown().first().startsWith("Saved|The design was saved without:\n1 item(s) of custom"))
      << TMessageSeam::Shown().first().toStdString();
}

TEST_F(Saving, SaveAsksForANameWhenTheDesignHasNoneOrCameFromAReadout) {
  Edit();
  Find<QAction>("FileSaveItem")->trigger();  // no name: the dialog, cancelled
  EXPECT_EQ(TFileDialogSeam::Asked(), 1);
  EXPECT_TRUE(window->Modified());

  window->LoadFromFile(Sample("hollow-warden-hw3.txt"));
  const QByteArray readout = Contents(Sample("hollow-warden-hw3.txt"));
  Edit();
  TFileDialogSeam::SetNextAnswer(Path("hw3.TFC"));
  Find<QAction>("FileSaveItem")->trigger();
  EXPECT_EQ(TFileDialogSeam::Asked(), 2);
  EXPECT_FALSE(window->Modified());
  EXPECT_EQ(Contents(Sample("hollow-warden-hw3.txt")), readout);
  EXPECT_TRUE(QFile::exists(Path("hw3.TFC")));

  // A file that cannot be read whole is not loaded, so F2 still saves the
  // design being edited under its own name and the broken file stays as it is.
  const QString cut = Path("cut.TFI");
  {
    QFile f(cut);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Contents(Sample("brennock-bk1.TFI")).left(200));
  }
  window->LoadFromFile(cut);
  ASSERT_EQ(Design().Texts[txtFilePath], Path("hw3.TFC").toStdString());
  Edit();
  Find<QAction>("FileSaveItem")->trigger();
  EXPECT_EQ(TFileDialogSeam::Asked(), 2);
  EXPECT_FALSE(window->Modified());
  EXPECT_EQ(Contents(cut).size(), 200);
}

TEST_F(Saving, FailedSaveShowsWhyAndKeepsTheOldFileTheDesignAndItsFlag) {
  TFileDialogSeam::SetNextAnswer(Path("keep.TFC"));
  ASSERT_TRUE(window->SaveCommands()->SaveAs());
  const QByteArray old = Contents(Path("keep.TFC"));
  const QString title = window->windowTitle();

  Edit();
  QDir(dir.path()).mkdir("folder.TFC");
  TMessageSeam::ClearShown();
  TFileDialogSeam::SetNextAnswer(Path("folder.TFC"));
  EXPECT_FALSE(window->SaveCommands()->SaveAs());
  ASSERT_EQ(TMessageSeam::Shown().size(), 1);
  EXPECT_TRUE(TMessageSeam::Shown().first().contains("it is a folder"))
      << TMessageSeam::Shown().first().toStdString();
  EXPECT_TRUE(window->Modified());
  EXPECT_EQ(window->windowTitle(), title);
  EXPECT_EQ(Design().RulesLevel, rlIS2);

  // A folder that vanished: Save to the design's own name fails the same way.
  Design().Texts[txtFilePath] = Path("gone/keep.TFC").toStdString();
  TMessageSeam::ClearShown();
  EXPECT_FALSE(window->FileSave());
  EXPECT_TRUE(TMessageSeam::Shown().value(0).contains("No such file or directory"));
  EXPECT_TRUE(window->Modified());
  EXPECT_EQ(Contents(Path("keep.TFC")), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{"keep.TFC"});  // no temporary file
}

TEST_F(Saving, YesToTheQuestionsSavesAndGoesOnOnlyWhenSaved) {
  // New: Yes and a name saves, then clears.
  Edit();
  TMessageSeam::SetNextAnswer(QMessageBox::Yes);
  TFileDialogSeam::SetNextAnswer(Path("before-new.TFC"));
  window->NewDesign();
  EXPECT_TRUE(QFile::exists(Path("before-new.TFC")));
  EXPECT_EQ(Design().RulesLevel, rlIS1);
  EXPECT_FALSE(window->Modified());

  // New: Yes and a cancelled dialog cancels the New.
  Edit();
  TMessageSeam::SetNextAnswer(QMessageBox::Yes);
  window->NewDesign();
  EXPECT_EQ(Design().RulesLevel, rlIS2);
  EXPECT_TRUE(window->Modified());

  // Loading: Yes and a cancelled dialog loads nothing.
  TMessageSeam::SetNextAnswer(QMessageBox::Yes);
  serving->ServeFile(Sample("brennock-bk1.TFI"));
  EXPECT_NE(Design().Texts[txtModel], "Brennock BK-1");
  EXPECT_TRUE(window->Modified());
  // ... and with a name, saves and then loads.
  TMessageSeam::SetNextAnswer(QMessageBox::Yes);
  TFileDialogSeam::SetNextAnswer(Path("before-load.TFC"));
  serving->ServeFile(Sample("brennock-bk1.TFI"));
  EXPECT_TRUE(QFile::exists(Path("before-load.TFC")));
  EXPECT_EQ(Design().Texts[txtModel], "Brennock BK-1");

  // Exit: Yes and a cancelled dialog keeps the window open.
  ASSERT_FALSE(window->Modified());  // just loaded: New does not ask
  window->NewDesign();
  Edit();
  TMessageSeam::SetNextAnswer(QMessageBox::Yes);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  TMessageSeam::SetNextAnswer(QMessageBox::Yes);
  TFileDialogSeam::SetNextAnswer(Path("before-exit.TFC"));
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(QFile::exists(Path("before-exit.TFC")));
}

TEST(SaveDialog, EntriesWithoutTheUnwrittenFormatAskBeforeOverwriting) {
  const TOpenDialogSettings s = SaveDialogSettings("/x/design.txt", false);
  QStringList captions;
  for (const auto& f : s.Filters) captions << f.Caption;
  EXPECT_EQ(captions,
            (QStringList{"I.S. Mech Files (*.TFI)", "Clan Mech Files (*.TFC)", "All Mech Files (*.TF?)",
                         "Text Files (*.TXT)", "HTML Files (*.HTM)", "All Files (*.*)"}));
  // A readout is offered as a design file of its name.
  EXPECT_EQ(s.FilterIndex, 0);
  EXPECT_EQ(s.InitialFile, "/x/design.TFI");
  EXPECT_EQ(SaveDialogSettings("/x/w.htm", true).InitialFile, "/x/w.TFC");
  EXPECT_EQ(s.DefaultSuffix, "TFC");
  EXPECT_EQ(SaveDialogSettings("/y/a.tfc", false).FilterIndex, 1);
  EXPECT_EQ(SaveDialogSettings("/y/a.tfc", false).InitialFile, "/y/a.tfc");
  EXPECT_EQ(SaveDialogSettings("", true).FilterIndex, 1);
  EXPECT_EQ(SaveDialogSettings("", false).FilterIndex, 0);
  EXPECT_TRUE(SaveDialogSettings("", false).InitialFile.isEmpty());
  auto dialog = TFileDialogSeam::MakeSaveDialog(nullptr, s);
  EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(dialog->defaultSuffix(), "TFC");
}

TEST_F(Saving, PrintsTheReadoutToAPdfFile) {
  window->LoadFromFile(Sample("hollow-warden-hw3.txt"));
  const QString pdf = Path("readout.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  window->SaveCommands()->PrintReadout(printer);
  ASSERT_TRUE(QFile::exists(pdf));
  EXPECT_TRUE(Contents(pdf).startsWith("%PDF"));
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-layout", pdf, "-"});
  ASSERT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (Debian's poppler-utils) is needed";
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_TRUE(text.contains("Hollow Warden HW-3")) << text.toStdString();
  EXPECT_TRUE(text.contains("Battle Value:")) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::number(Design().BattleValue))) << text.toStdString();
  EXPECT_NE(Design().BattleValue, 0);
  EXPECT_GE(window->SaveCommands()->ReadoutDocument()->pageCount(), 1);
}

}  // namespace
}  // namespace tfd
