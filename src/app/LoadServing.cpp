#include "app/LoadServing.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>

#include "app/LoadRequests.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/OpenDesign.h"
#include "ui/main/TfrmTFD.h"

namespace tfd {

TLoadServing::TLoadServing(TfrmTFD& window) : window_(window) {
  window_.installEventFilter(this);
  connect(&window_, &TfrmTFD::openRequested, this, &TLoadServing::OpenWithDialog);
  connect(&window_, &TfrmTFD::loadRequested, this, &TLoadServing::ServeFile);
  // Served once the window is on screen, so that an error box stands over it.
  connect(&window_, &TfrmTFD::firstShown, this, &TLoadServing::ServeOnShow, Qt::QueuedConnection);
  // The application's activation serves as the window's does.
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state == Qt::ApplicationActive)
      Returned();
    else
      Left();
  });
}

void TLoadServing::SetRequests(TLoadRequests* requests) {
  if (requests_) disconnect(requests_, nullptr, this, nullptr);
  requests_ = requests;
  if (requests_) connect(requests_, &TLoadRequests::nudged, this, &TLoadServing::OnNudge);
}

bool TLoadServing::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_) {
    if (event->type() == QEvent::WindowDeactivate)
      Left();
    else if (event->type() == QEvent::WindowActivate)
      Returned();
  }
  return QObject::eventFilter(watched, event);
}

void TLoadServing::Left() {
  // Our own boxes take the activation while serving; that is no new trigger.
  if (!serving_) away_ = true;
}

void TLoadServing::Returned() {
  if (!away_ || !ready_ || serving_) return;
  // Behind another box (the close question, a dialog) the request waits for
  // the window's return.
  if (QApplication::activeModalWidget()) return;
  away_ = false;
  ServePending();
}

void TLoadServing::OnNudge() {
  // The activation that bringing the window forward causes is this nudge's,
  // whether it comes at once or later.
  away_ = false;
  BringForward();
  // Before the first showing, that showing serves; behind another box, the
  // window's return does.
  if (!ready_) return;
  if (!serving_ && QApplication::activeModalWidget()) {
    away_ = true;
    return;
  }
  ServePending();
}

void TLoadServing::BringForward() {
  // Where the desktop allows it: the launcher's token lets a Wayland
  // compositor activate us; elsewhere the window asks for attention.
  if (requests_ && !requests_->LastActivationToken().isEmpty())
    qputenv("XDG_ACTIVATION_TOKEN", requests_->LastActivationToken().toUtf8());
  window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
  window_.show();
  window_.raise();
  window_.activateWindow();
  QApplication::alert(&window_);
}

void TLoadServing::ServeOnShow() {
  ready_ = true;
  ServePending();
}

void TLoadServing::ServePending() { Serve(nullptr); }

void TLoadServing::ServeFile(const QString& fileName) { Serve(&fileName); }

void TLoadServing::OpenWithDialog() {
  const QString fileName = TFileDialogSeam::GetOpenFileName(&window_, OpenDialogSettings());
  if (fileName.isEmpty()) return;
  // A request handed over while the dialog was up waits; it must not silently
  // replace the file the user has just opened. Where nothing was opened (the
  // save question cancelled, a file that could not be read) it is served as
  // any other request.
  if (Serve(&fileName) && requests_ && requests_->PendingRequest(nullptr)) askBeforeReplacing_ = true;
}

bool TLoadServing::Serve(const QString* fileName) {
  if (serving_) return false;
  serving_ = true;
  struct TDone {
    TLoadServing& s;
    ~TDone() {
      s.serving_ = false;
      // Whatever activation this serving caused is spent.
      s.away_ = false;
    }
  } done{*this};

  QString name;
  if (fileName)
    name = *fileName;
  else if (!requests_ || !requests_->PendingRequest(&name))
    return false;
  const QString shown = QFileInfo(name).fileName();
  if (!fileName && askBeforeReplacing_) {
    askBeforeReplacing_ = false;
    const auto answer = TMessageSeam::AskYesNo(
        &window_, "Confirm", QString("Replace the design you have just opened with %1?").arg(shown));
    if (answer != QMessageBox::Yes) {
      requests_->TakeRequest(&name);  // declined: the request is spent
      return false;
    }
  }
  if (window_.Modified()) {
    const auto answer = TMessageSeam::AskYesNoCancel(
        &window_, "Confirm", "Do you wish to save this design before loading a new one?\n" + shown);
    // Cancel, or a save that did not happen, keeps the request for the next
    // activation or nudge.
    if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !window_.FileSave())) return false;
  }
  // Taken before the read: a file that cannot be read is not served again.
  if (!fileName && !requests_->TakeRequest(&name)) return false;
  return window_.LoadFromFile(name);
}

}  // namespace tfd
