#include "ui/common/MessageSeam.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>

#include "ui/common/SeamAnswers.h"

namespace tfd {

namespace {

// Test state of the seam; the program itself never sets it.
TSeamAnswers<QMessageBox::StandardButton>& Answers() {
  static TSeamAnswers<QMessageBox::StandardButton> answers;
  return answers;
}
QStringList& ShownBoxes() {
  static QStringList shown;
  return shown;
}

QMessageBox::StandardButton FromEnvironment(QMessageBox::StandardButton fallback) {
  const QString v = qEnvironmentVariable("TFD_MESSAGE_ANSWER").toLower();
  if (v == "yes") return QMessageBox::Yes;
  if (v == "no") return QMessageBox::No;
  if (v == "cancel") return QMessageBox::Cancel;
  if (v == "ok") return QMessageBox::Ok;
  return fallback;
}

void Log(const QString& title, const QString& text) {
  const QString path = qEnvironmentVariable("TFD_MESSAGE_LOG");
  if (path.isEmpty()) return;
  QFile f(path);
  if (f.open(QIODevice::Append | QIODevice::Text)) QTextStream(&f) << title << '|' << text << '\n';
}

}  // namespace

QMessageBox::StandardButton TMessageSeam::Show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                               const QString& text, QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton fallback) {
  ShownBoxes() << title + '|' + text;
  Log(title, text);
  if (const auto answer = Answers().Take()) return *answer;
  if (Answers().NeverShows()) return fallback;
  if (qEnvironmentVariableIsSet("TFD_MESSAGE_ANSWER")) return FromEnvironment(fallback);
  // The file readers break their messages with a carriage return.
  QString shown = text;
  shown.replace("\r\n", "\n").replace('\r', '\n');
  QMessageBox box(icon, title, shown, buttons, parent);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton TMessageSeam::AskYesNoCancel(QWidget* parent, const QString& title,
                                                         const QString& text) {
  return Show(parent, QMessageBox::Question, title, text,
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
}

QMessageBox::StandardButton TMessageSeam::AskYesNo(QWidget* parent, const QString& title,
                                                   const QString& text) {
  return Show(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
              QMessageBox::No);
}

void TMessageSeam::Warn(QWidget* parent, const QString& title, const QString& text) {
  Show(parent, QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void TMessageSeam::Error(QWidget* parent, const QString& text) {
  Show(parent, QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok,
       QMessageBox::Ok);
}

void TMessageSeam::ErrorTitled(QWidget* parent, const QString& title, const QString& text) {
  Show(parent, QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void TMessageSeam::SetNextAnswer(QMessageBox::StandardButton answer) {
  Answers().NeverShow();
  Answers().Add(answer);
}

void TMessageSeam::NeverShow() { Answers().NeverShow(); }

QStringList TMessageSeam::Shown() { return ShownBoxes(); }

void TMessageSeam::ClearShown() {
  ShownBoxes().clear();
  Answers().Clear();
}

}  // namespace tfd
