#pragma once
// Serving load requests in the main window: a request handed over through
// the shared block (at the first showing, at every activation of the window
// or the application, and on a later copy's nudge) and a file chosen with
// File > Open. One guard covers every trigger, so a question or an error box
// (whose closing activates the window again) never leads to a second serving
// of the same event.

#include <QObject>
#include <QString>

#include "files/LoadDesign.h"
#include "ui/common/FileDialogSeam.h"

namespace tfd {

class TfrmTFD;
class TLoadRequests;
class TMech;
class TEquipmentLists;
class TEngineMakers;
struct THtmlSettings;

// The open dialog's entries, the third chosen at first.
TOpenDialogSettings OpenDialogSettings();

// Reads a design file or readout into the design through the loader the
// command line uses too: its status, the message for the user (empty when it
// loaded) and what the reader could not read. The engine makers give a
// power-plant text its default maker.
TLoadResult ReadDesignFile(TMech& design, TEquipmentLists* lists, THtmlSettings& html, const QString& fileName,
                           const TEngineMakers* makers = nullptr);
// A load warning as one line of the error report: "line 12, unknown
// equipment: Quantum Cannon RT 3 9 7.00".
QString WarningLine(const TLoadWarning& warning);

// What the user is told of a load that failed: the file by its name and what
// went wrong in plain words.
QString LoadFailureMessage(const QString& fileName, const TLoadResult& result);

class TLoadServing : public QObject {
  Q_OBJECT

 public:
  explicit TLoadServing(TfrmTFD& window);

  // The block this copy registered with; none: only File > Open loads.
  void SetRequests(TLoadRequests* requests);
  TLoadRequests* Requests() const { return requests_; }

  // The first showing of the window: serve what is pending; from now on
  // activations and nudges serve too.
  void ServeOnShow();
  // Serves the block's pending request, if this copy owns it.
  void ServePending();
  // File > Open: the dialog, then the file through the same steps.
  void OpenWithDialog();
  void ServeFile(const QString& fileName);

  bool Serving() const { return serving_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // `fileName` null: the block's request. True when a design was read and put in place.
  bool Serve(const QString* fileName);
  void OnNudge();
  void Left();
  void Returned();
  void BringForward();

  TfrmTFD& window_;
  TLoadRequests* requests_ = nullptr;
  bool ready_ = false;    // the first showing has served
  bool serving_ = false;  // the guard of every trigger
  // The window or the application lost the activation to something other
  // than a box of this serving; only then is an activation a new trigger.
  bool away_ = false;
  // A request waited behind the open dialog for a file the user chose: ask
  // before it replaces that file's design.
  bool askBeforeReplacing_ = false;
};

}  // namespace tfd
