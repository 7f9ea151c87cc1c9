#pragma once
// Every file dialog of the program goes through here, so a test can give the
// chosen file instead of a user: set the next answer before the action, and
// the dialog is never shown. A child process started by a test answers
// through the environment variable TFD_FILE_ANSWER (a file name; empty for a
// cancelled dialog).

#include <QString>
#include <QStringList>
#include <memory>

class QFileDialog;
class QWidget;

namespace tfd {

struct TOpenDialogSettings {
  QString Title;
  // Each entry as the user reads it, with the patterns it stands for.
  struct TFilter {
    QString Caption;
    QStringList Patterns;
  };
  QList<TFilter> Filters;
  int FilterIndex = 0;    // the entry chosen at first
  QString DefaultSuffix;  // added to a typed name without one
  QString InitialFile;    // a save dialog's name at first, in its folder; empty: none
};

class TFileDialogSeam {
 public:
  // The existing file the user chose, empty when the dialog was cancelled.
  static QString GetOpenFileName(QWidget* parent, const TOpenDialogSettings& settings);
  // The dialog as it would be shown: the program's own (not the desktop's),
  // only existing files, each entry's caption shown and its patterns matched
  // without regard to case.
  static std::unique_ptr<QFileDialog> MakeOpenDialog(QWidget* parent, const TOpenDialogSettings& settings);
  // The name the user chose to save under, empty when the dialog was
  // cancelled. The dialog asks before a file is overwritten.
  static QString GetSaveFileName(QWidget* parent, const TOpenDialogSettings& settings);
  // The save dialog as it would be shown: the program's own, any name, the
  // default extension added to a name without one.
  static std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, const TOpenDialogSettings& settings);

  // For tests: answers used in order instead of showing dialogs (an empty
  // answer is a cancelled dialog), and how many dialogs were asked for.
  static void SetNextAnswer(const QString& fileName);
  // For tests: no dialog is ever shown; one without a prepared answer is
  // cancelled.
  static void NeverShow();
  static int Asked();
  static void Clear();

 private:
  static QString Ask(QWidget* parent, const TOpenDialogSettings& settings, bool save);
};

}  // namespace tfd
