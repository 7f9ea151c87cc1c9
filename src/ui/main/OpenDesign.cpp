#include "ui/main/OpenDesign.h"

#include <QFile>
#include <QFileInfo>

#include "files/ReadError.h"

namespace tfd {

TOpenDialogSettings OpenDialogSettings() {
  TOpenDialogSettings s;
  s.Title = "Open";
  s.Filters = {
      {"I.S. Mech Files (*.TFI)", {"*.tfi"}},
      {"Clan Mech Files (*.TFC)", {"*.tfc"}},
      {"All Mech Files (*.TF?)", {"*.tfc", "*.tfi"}},
      {"Text Files (*.TXT)", {"*.txt"}},
      {"HTML Files (*.HTM)", {"*.htm", "*.html"}},
      {"MechWorks (*.MEK)", {"*.mek"}},
      {"All Files (*.*)", {"*"}},
  };
  s.FilterIndex = 2;
  s.DefaultSuffix = "TFC";
  return s;
}

TLoadResult ReadDesignFile(TMech& design, TEquipmentLists* lists, THtmlSettings& html,
                           const QString& fileName, const TEngineMakers* makers) {
  if (!lists) return {ELoadStatus::Failed, "No equipment database is loaded.", {}};
  TLoadContext context{*lists, html, makers};
  return LoadDesign(design, QFile::encodeName(fileName).toStdString(), context);
}

QString WarningLine(const TLoadWarning& warning) {
  // The reason first, so that it shows in a narrow window; the columns of a
  // readout line closed up.
  const QString text = QString::fromStdString(warning.Text).simplified();
  const QString why = QString::fromStdString(warning.Why);
  if (warning.Line > 0) return QStringLiteral("line %1, %2: %3").arg(warning.Line).arg(why, text);
  return QStringLiteral("%1: %2").arg(why, text);
}

QString LoadFailureMessage(const QString& fileName, const TLoadResult& result) {
  const QString message = QString::fromStdString(result.Message);
  // The wrong version keeps its long-standing words; a file that could not be
  // opened at all is already named in full.
  if (result.Status == ELoadStatus::WrongVersion || message.startsWith("Cannot open file")) return message;
  const QString base = QFileInfo(fileName).fileName();
  QString why = message;
  if (result.Message == kReadBeyondEnd)
    why = "the file ends early";
  else if (result.Message == kInvalidNumber)
    why = "a number in it cannot be read";
  else if (!why.isEmpty())
    why[0] = why[0].toLower();
  while (why.endsWith('.')) why.chop(1);
  return QString("Cannot open %1: %2.").arg(base, why);
}

}  // namespace tfd
