#pragma once
// Serving load requests in the main window: a request handed over through
// the shared block (at the first showing, at every activation of the window
// or the application, and on a later copy's nudge), a file chosen with
// File > Open and a roster design opened in the editor. One guard covers
// every trigger, so a question or an error box (whose closing activates the
// window again) never leads to a second serving of the same event.
//
// The application wires it to its window; it must end before the window
// does, so that no activation serves a request into a window being torn
// down.

#include <QObject>
#include <QString>

namespace tfd {

class TfrmTFD;
class TLoadRequests;

class TLoadServing : public QObject {
  Q_OBJECT

 public:
  // Serves the window's File > Open, its requests to load a file and its
  // first showing, and watches its activation.
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
