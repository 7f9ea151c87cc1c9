#include "ui/common/FileDialogSeam.h"

#include <QFileDialog>

namespace tfd {

namespace {

QStringList& Answers() {
  static QStringList answers;
  return answers;
}
int& AskedCount() {
  static int asked = 0;
  return asked;
}
bool& Answering() {
  static bool answering = false;
  return answering;
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
  ++AskedCount();
  if (!Answers().isEmpty()) return Answers().takeFirst();
  if (Answering()) return {};
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

void TFileDialogSeam::SetNextAnswer(const QString& fileName) { Answers() << fileName; }

void TFileDialogSeam::NeverShow() { Answering() = true; }

int TFileDialogSeam::Asked() { return AskedCount(); }

void TFileDialogSeam::Clear() {
  Answers().clear();
  AskedCount() = 0;
}

}  // namespace tfd
