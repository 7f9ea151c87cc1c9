#include "ui/common/FileDialogSeam.h"

#include <QFileDialog>

#include "ui/common/SeamAnswers.h"

namespace tfd {

namespace {

TSeamAnswers<QString>& Answers() {
  static TSeamAnswers<QString> answers;
  return answers;
}

}  // namespace

std::unique_ptr<QFileDialog> TFileDialogSeam::MakeOpenDialog(QWidget* parent,
                                                             const TOpenDialogSettings& settings) {
  auto dialog = std::make_unique<QFileDialog>(parent, settings.Title);
  // Qt's own dialog matches patterns without regard to case on every desktop.
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  // An entry's caption may name other patterns than it matches ("All Files
  // (*.*)" also lists names without a dot): the dialog shows what stands
  // before the last parentheses and matches what stands inside them.
  dialog->setOption(QFileDialog::HideNameFilterDetails);
  QStringList filters;
  for (const auto& f : settings.Filters) filters << f.Caption + " (" + f.Patterns.join(' ') + ")";
  dialog->setNameFilters(filters);
  if (settings.FilterIndex >= 0 && settings.FilterIndex < filters.size())
    dialog->selectNameFilter(filters[settings.FilterIndex]);
  dialog->setDefaultSuffix(settings.DefaultSuffix);
  return dialog;
}

QString TFileDialogSeam::GetOpenFileName(QWidget* parent, const TOpenDialogSettings& settings) {
  return Ask(parent, settings, false);
}

QString TFileDialogSeam::GetSaveFileName(QWidget* parent, const TOpenDialogSettings& settings) {
  return Ask(parent, settings, true);
}

QString TFileDialogSeam::Ask(QWidget* parent, const TOpenDialogSettings& settings, bool save) {
  if (const auto answer = Answers().Take()) return *answer;
  if (Answers().NeverShows()) return {};
  if (qEnvironmentVariableIsSet("TFD_FILE_ANSWER")) return qEnvironmentVariable("TFD_FILE_ANSWER");
  auto dialog = save ? MakeSaveDialog(parent, settings) : MakeOpenDialog(parent, settings);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return dialog->selectedFiles().constFirst();
}

std::unique_ptr<QFileDialog> TFileDialogSeam::MakeSaveDialog(QWidget* parent,
                                                             const TOpenDialogSettings& settings) {
  auto dialog = MakeOpenDialog(parent, settings);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
  if (!settings.InitialFile.isEmpty()) dialog->selectFile(settings.InitialFile);
  return dialog;
}

void TFileDialogSeam::SetNextAnswer(const QString& fileName) { Answers().Add(fileName); }

void TFileDialogSeam::NeverShow() { Answers().NeverShow(); }

int TFileDialogSeam::Asked() { return Answers().Asked(); }

void TFileDialogSeam::Clear() { Answers().Clear(); }

}  // namespace tfd
