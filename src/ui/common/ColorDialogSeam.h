#pragma once
// Every colour dialog of the program goes through here, so a test can pick
// the colour instead of a user: set the next answer before the action, and
// the dialog is never shown.

#include <QColor>

class QWidget;

namespace tfd {

class TColorDialogSeam {
 public:
  // The colour the user confirmed, or an invalid colour when the dialog was
  // cancelled.
  static QColor GetColor(QWidget* parent, const QColor& initial);

  // For tests: answers used in order instead of showing dialogs (an invalid
  // colour is a cancelled dialog).
  static void SetNextAnswer(const QColor& color);
  // For tests: no dialog is ever shown; one without a prepared answer is
  // cancelled.
  static void NeverShow();
  static int Asked();
};

}  // namespace tfd
