#pragma once
// Every message box and question of the program goes through here, so a test
// can give the answer instead of a user: set the next answers before the
// action, and the boxes are never shown. A child process started by a test
// answers through the environment variable TFD_MESSAGE_ANSWER ("yes", "no",
// "cancel" or "ok"), and TFD_MESSAGE_LOG names a file each box's title and
// text are appended to.

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace tfd {

class TMessageSeam {
 public:
  // A question with Yes, No and Cancel and a question icon.
  static QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& title,
                                                    const QString& text);
  // A question with Yes and No; No when no answer is given.
  static QMessageBox::StandardButton AskYesNo(QWidget* parent, const QString& title, const QString& text);
  // A warning with one OK button.
  static void Warn(QWidget* parent, const QString& title, const QString& text);
  // The application's standard error box.
  static void Error(QWidget* parent, const QString& text);
  // A box with an error icon and a title of its own.
  static void ErrorTitled(QWidget* parent, const QString& title, const QString& text);

  // For tests: answers used in order instead of showing boxes, and the boxes
  // that would have been shown ("title|text").
  static void SetNextAnswer(QMessageBox::StandardButton answer);
  // For tests: no box is ever shown; one without a prepared answer gets its
  // safe default (Cancel for a question, OK for a notice).
  static void NeverShow();
  static QStringList Shown();
  static void ClearShown();

 private:
  static QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                          const QString& text, QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton fallback);
};

}  // namespace tfd
