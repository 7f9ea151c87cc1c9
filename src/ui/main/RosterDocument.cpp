#include "ui/main/RosterDocument.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include "model/Mech.h"
#include "model/UnitRoster.h"
#include "ratings/RosterPositions.h"
#include "ui/common/Formats.h"

namespace tfd {

namespace {

QString Html(std::string_view s) { return Text(s).toHtmlEscaped(); }
QString Tr(const char* text) { return QCoreApplication::translate("RosterDocument", text); }

QString Cell(const QString& text, bool number = false) {
  return number ? QStringLiteral("<td align=\"right\">%1</td>").arg(text)
                : QStringLiteral("<td>%1</td>").arg(text);
}

QString PositionLine(int position, const TRosterPositions* positions) {
  static const TRosterPosition kEmpty{};
  const TRosterPosition& p = positions ? positions->At(position) : kEmpty;
  QString design;
  if (p.Design)
    design = Html(RosterRowName(p.DesignName, p.Design->IsOmni(), p.Configuration));
  else if (p.Missing())
    design = Tr("%1 (file missing)").arg(Html(p.DesignName));
  const QLocale locale;
  const bool filled = p.Filled();
  QString line = Cell(QString::number(position), true) + Cell(design);
  line += Cell(filled && positions ? locale.toString(positions->Tonnage(position)) : QString(), true);
  line += Cell(filled && positions ? locale.toString(positions->BattleValue(position)) : QString(), true);
  line += Cell(Html(p.Pilot.Name));
  line += Cell(QString::number(p.Pilot.Piloting), true) + Cell(QString::number(p.Pilot.Gunnery), true);
  return "<tr>" + line + "</tr>";
}

}  // namespace

QString RosterHtml(const TUnitRoster& roster, const TRosterPositions* positions) {
  QString title = Html(roster.Designation);
  const std::string_view organization = OrganizationName(roster.Organization);
  if (!organization.empty()) title += (title.isEmpty() ? "" : " - ") + Html(organization);
  if (title.isEmpty()) title = Tr("Unit Roster");
  QStringList about;
  if (!roster.Affiliation.empty()) about << Tr("Affiliation: %1").arg(Html(roster.Affiliation));
  if (!roster.ParentUnit.empty()) about << Tr("Parent unit: %1").arg(Html(roster.ParentUnit));

  QString html = "<html><body style=\"color: black; background: white\">";
  html += "<h2>" + title + "</h2>";
  if (!about.isEmpty()) html += "<p>" + about.join("<br>") + "</p>";
  html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>";
  for (const char* heading :
       {QT_TRANSLATE_NOOP("RosterDocument", "Position"), QT_TRANSLATE_NOOP("RosterDocument", "Titanframe"),
        QT_TRANSLATE_NOOP("RosterDocument", "Tons"), QT_TRANSLATE_NOOP("RosterDocument", "BV"),
        QT_TRANSLATE_NOOP("RosterDocument", "Framewarden"), QT_TRANSLATE_NOOP("RosterDocument", "Piloting"),
        QT_TRANSLATE_NOOP("RosterDocument", "Gunnery")})
    html += "<th>" + Tr(heading) + "</th>";
  html += "</tr>";
  for (int position = 1; position <= kRosterPositions; ++position)
    if (roster.PositionUsed(position)) html += PositionLine(position, positions);
  const QLocale locale;
  html += "<tr><td></td>" + Cell("<b>" + Tr("Total") + "</b>") +
          Cell(locale.toString(roster.TotalTonnage), true) + Cell(locale.toString(roster.TotalBV), true) +
          "<td></td><td></td><td></td></tr>";
  html += "</table></body></html>";
  return html;
}

}  // namespace tfd
