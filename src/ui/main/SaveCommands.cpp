#include "ui/main/SaveCommands.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "files/DesignFileWriter.h"
#include "files/HtmlReadoutWriter.h"
#include "files/LoadDesign.h"
#include "files/LoadSupport.h"
#include "files/SaveDesign.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/OpenDesign.h"
#include "ui/main/TfrmTFD.h"

namespace tfd {

TOpenDialogSettings SaveDialogSettings(const QString& currentName, bool clanDesign) {
  // The open dialog's entries, less the one kind of file no writer makes.
  TOpenDialogSettings s = OpenDialogSettings();
  s.Title = "Save As";
  s.Filters.erase(std::remove_if(s.Filters.begin(), s.Filters.end(),
                                 [](const auto& f) { return f.Patterns.contains("*.mek"); }),
                  s.Filters.end());
  // A design file is offered under its own name; a readout, which keeps
  // less, as a design file of its name beside it.
  const QFileInfo current(currentName);
  const QString suffix = current.suffix().toLower();
  s.FilterIndex = clanDesign ? 1 : 0;
  if (suffix == "tfi") s.FilterIndex = 0;
  if (suffix == "tfc") s.FilterIndex = 1;
  if (!currentName.isEmpty()) {
    const bool readout = FileKindOf(currentName.toStdString()) != EFileKind::DesignFile;
    s.InitialFile = readout
                        ? current.dir().filePath(current.completeBaseName() + (clanDesign ? ".TFC" : ".TFI"))
                        : currentName;
  }
  s.DefaultSuffix = "TFC";
  return s;
}

TSaveCommands::TSaveCommands(TfrmTFD& window) : QObject(&window), window_(window) {}

TSaveCommands::~TSaveCommands() = default;

bool TSaveCommands::Save() {
  const QString name = QString::fromStdString(window_.Design().Texts[txtFilePath]);
  // A readout keeps less than a design file: saving over one is a choice the
  // user makes in the dialog, never a side effect of F2.
  if (name.isEmpty() || readInPart_ || FileKindOf(name.toStdString()) != EFileKind::DesignFile)
    return SaveAs();
  return SaveTo(name);
}

bool TSaveCommands::SaveAs() {
  const QString current = QString::fromStdString(window_.Design().Texts[txtFilePath]);
  const QString name =
      TFileDialogSeam::GetSaveFileName(&window_, SaveDialogSettings(current, IsClanDesign(window_.Design())));
  if (name.isEmpty()) return false;
  return SaveTo(name);
}

bool TSaveCommands::SaveTo(const QString& fileName) {
  TEquipmentLists* lists = window_.Equipment();
  if (!lists) {
    TMessageSeam::Error(&window_, QStringLiteral("No equipment database is loaded."));
    return false;
  }
  const TSaveContext context{*lists, window_.HtmlSettings(), UserConfigFolder()};
  const TWriteResult result =
      SaveDesign(window_.Design(), QFile::encodeName(fileName).toStdString(), context);
  if (!result.Ok) {
    TMessageSeam::Error(&window_, QString::fromLocal8Bit(result.Message));
    return false;
  }
  readInPart_ = false;
  window_.MarkSaved();
  if (FileKindOf(fileName.toStdString()) == EFileKind::DesignFile) {
    const std::vector<std::string> losses = DesignFileLosses(window_.Design(), *lists);
    if (!losses.empty()) {
      QStringList lines;
      for (const auto& l : losses) lines << QString::fromStdString(l);
      TMessageSeam::Warn(&window_, "Saved", "The design was saved without:\n" + lines.join("\n"));
    }
  }
  return true;
}

QPrinter& TSaveCommands::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

std::unique_ptr<QTextDocument> TSaveCommands::ReadoutDocument() const {
  auto doc = std::make_unique<QTextDocument>();
  TEquipmentLists* lists = window_.Equipment();
  if (!lists) return doc;
  // Paper takes the readout in black on white, whatever the page colours.
  doc->setHtml(QString::fromStdString(HtmlReadout(window_.Design(), *lists, THtmlPage{})));
  return doc;
}

void TSaveCommands::PrintReadout(QPrinter& printer) const { ReadoutDocument()->print(&printer); }

void TSaveCommands::Print() { PrintDocument(*ReadoutDocument()); }

void TSaveCommands::PrintDocument(QTextDocument& document) {
  QPrintDialog dialog(&Printer(), &window_);
  if (dialog.exec() != QDialog::Accepted) return;
  document.print(&Printer());
}

void TSaveCommands::PrintSetup() {
  QPageSetupDialog dialog(&Printer(), &window_);
  dialog.exec();
}

}  // namespace tfd
