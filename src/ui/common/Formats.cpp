#include "ui/common/Formats.h"

#include <QLocale>

#include "model/Enums.h"

namespace tfd {

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString FormatFixed(double value, int decimals) {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(value, 'f', decimals);
}

QString FormatGrouped(double value, int decimals) { return QLocale().toString(value, 'f', decimals); }

QString FormatTonnage(double tons, std::uint8_t rulesLevel) {
  return FormatFixed(tons, IsLevel3(rulesLevel) ? 2 : 1);
}

QString FormatSlotSheetTonnage(double tons) { return FormatFixed(tons, 1); }
QString FormatSpeed(double kmh) { return FormatFixed(kmh, 1) + " km/h"; }
QString FormatJumpDistance(double m) { return FormatFixed(m, 0) + " m"; }

QString FormatBoostedMP(int mp, int boosted) {
  QString s = QString::number(mp);
  if (boosted != 0) s += " [" + QString::number(boosted) + "]";
  return s;
}

QString FormatDissipation(int points) { return "[" + QString::number(points) + "]"; }

}  // namespace tfd
