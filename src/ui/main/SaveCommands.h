#pragma once
// The File menu's writing commands: Save (F2), Save As with its dialog,
// Print through the platform's print dialog and Print Setup through its page
// setup dialog. The page layout chosen is kept for the run.

#include <QObject>
#include <QString>
#include <memory>

#include "ui/common/FileDialogSeam.h"

class QPrinter;
class QTextDocument;

namespace tfd {

class TfrmTFD;

// The save dialog's entries: those of the open dialog without the one whose
// files no writer makes; at first the design's own name and the entry of its
// extension, or for a readout a design file of its name (Clan or Inner Sphere
// by the design's technology).
TOpenDialogSettings SaveDialogSettings(const QString& currentName, bool clanDesign);

class TSaveCommands : public QObject {
  Q_OBJECT

 public:
  explicit TSaveCommands(TfrmTFD& window);
  ~TSaveCommands() override;

  // Saves under the design's own name, or asks for one when the design has
  // none, came from a readout, or was read only in part. True when the
  // design was saved; a failure is shown and keeps the design and its
  // modified flag.
  bool Save();
  // A load that stopped at an error leaves a part of the file in the design:
  // F2 must not quietly put that part in the place of the whole file.
  void SetReadInPart(bool inPart) { readInPart_ = inPart; }
  // Asks for a name (the extension chooses the format) and saves; false when
  // the dialog was cancelled or the write failed.
  bool SaveAs();
  // Writes the design to `fileName`; a failure is shown. True when saved.
  bool SaveTo(const QString& fileName);

  void Print();
  void PrintSetup();
  // The print dialog with the printer of the run, then the document.
  void PrintDocument(QTextDocument& document);
  // The readout laid out for paper: the HTML readout in black on white.
  std::unique_ptr<QTextDocument> ReadoutDocument() const;
  // Prints the readout on `printer` (a PDF file in the tests).
  void PrintReadout(QPrinter& printer) const;
  QPrinter& Printer();

 private:
  TfrmTFD& window_;
  std::unique_ptr<QPrinter> printer_;
  bool readInPart_ = false;
};

}  // namespace tfd
