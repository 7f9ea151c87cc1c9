#include "ui/main/ReportsPage.h"

#include <QCursor>
#include <QToolTip>
#include <algorithm>

#include "model/Mech.h"
#include "model/Rounding.h"
#include "ratings/DamageByRange.h"
#include "ratings/Ratings.h"
#include "ratings/ReportFigures.h"
#include "ui/common/ConfigChoiceMenu.h"
#include "ui/common/DisplayColors.h"
#include "ui/common/Formats.h"
#include "ui/main/ComponentMenus.h"
#include "ui/main/DesignHost.h"
#include "ui_ReportsPage.h"

namespace tfd {

namespace {

constexpr int kBarPixelsPerPoint = 4;
constexpr int kBarPixelsBase = 3;
// Beyond this many points the heat bars stop growing (their figures do not),
// so that an extreme design cannot push the graph off the page.
constexpr int kBarMaxPoints = 100;

int BarWidth(int points) {
  return std::clamp(points, 0, kBarMaxPoints) * kBarPixelsPerPoint + kBarPixelsBase;
}

void SetBar(QFrame& bar, int points, QColor color) {
  bar.setFixedWidth(BarWidth(points));
  QPalette palette = bar.palette();
  if (palette.color(QPalette::Window) != color) {
    palette.setColor(QPalette::Window, color);
    bar.setPalette(palette);
  }
}

}  // namespace

TReportsPage::TReportsPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent)
    : QWidget(parent), host_(host), ui_(std::make_unique<Ui::ReportsPage>()) {
  ui_->setupUi(this);
  setObjectName("pgReports");
  ui_->btnReptConfig->setMenu(menus.pmConfig);
  ui_->GaugeErrCrits->setKind(TGauge::EKind::Pie);

  TGraph* graph = ui_->grphDmg;
  graph->setXAxis(1, kRangeCount, 1, 0);
  graph->setYAxis(120, 20, 0);
  connect(graph, &TGraph::mouseDown, this, &TReportsPage::grphDmg_MouseDown);
  connect(graph, &TGraph::pointerMoved, this, &TReportsPage::grphDmg_PointerMoved);
  connect(graph, &TGraph::stepRequested, this, [this](int steps) { SetReadout(readoutRange_ + steps); });

  connect(ui_->btnBV, &QPushButton::clicked, this, &TReportsPage::battleValueRequested);
  connect(ui_->btnCost, &QPushButton::clicked, this, &TReportsPage::costRequested);
  connect(ui_->Image5, &TStatusLight::clicked, this, [this] { host_.ShowErrorReport(); });
}

TReportsPage::~TReportsPage() = default;

TGraph* TReportsPage::Graph() const { return ui_->grphDmg; }

void TReportsPage::SetGraphOptions(std::uint8_t options) { graphOptions_ = options & kGraphOptionsMask; }

void TReportsPage::Refresh() {
  TMech& m = host_.Design();
  const TConfiguration& c = ComputeRatings(m);
  ComputeDamageByRange(m, graphOptions_);
  const TDisplayColors& colors = host_.Colors();

  ShowConfigButton(*ui_->btnReptConfig, m);

  const TPhysicalDamage physical = PhysicalDamage(m);
  ui_->lblPhysPunch->setText(QString::number(physical.Punch));
  ui_->lblPhysKick->setText(QString::number(physical.Kick));
  ui_->lblPhysClub->setText(QString::number(physical.Club));

  const QColor normal = colors[dcGaugeN], error = colors[dcGaugeE];
  SetGauge(*ui_->GaugeErrTng, m.Tonnage * 2, static_cast<int>(Round(m.Weights[wFree] * 2)), normal, error);
  SetGauge(*ui_->GaugeErrArmr, m.MaxArmor, m.ArmorPoints, normal, error);
  const TSlotCount free = FreeCriticalSlots(m);
  SetGauge(*ui_->GaugeErrCrits, free.Total, free.Free, normal, error);
  ui_->GaugeErrCrits->setToolTip(
      tr("%1 of %2 slots free (% of Criticals Remaining)").arg(free.Free).arg(free.Total));

  const int potential = HeatPotential(c);
  SetBar(*ui_->shpHtPot, potential, colors[dcGraphHtP]);
  ui_->lblHtPotNum->setText(QString::number(potential));
  SetBar(*ui_->shpHtDsp, m.Dissipation, colors[dcGraphHtD]);
  ui_->lblHtDispNum->setText(QString::number(m.Dissipation));

  ui_->lblCost->setText(FormatGrouped(m.Cost, 0));
  ui_->lblBV->setText(QString::number(m.BattleValue));
  ui_->lblBang->setText(FormatFixed(BangPerBuck(m.BattleValue, m.Cost), 2));

  RefreshGraph();
  // The readout follows the design it reads.
  SetReadout(readoutRange_);
}

void TReportsPage::RefreshGraph() {
  const TMech& m = host_.Design();
  const TDisplayColors& colors = host_.Colors();
  TGraph* graph = ui_->grphDmg;
  for (int s = 1; s <= TGraph::kSeriesCount; ++s) graph->holdRedraw(s);
  graph->setSeriesColor(1, colors[dcGraphHtP]);
  graph->setSeriesColor(2, colors[dcGraphDmgP]);
  graph->setSeriesColor(3, colors[dcGraphHtD]);
  for (int x = 1; x <= kRangeCount; ++x) {
    const auto i = static_cast<std::size_t>(x - 1);
    graph->addPoint(1, x, m.HeatByRange[i]);
    graph->addPoint(2, x, m.DamageByRange[i]);
    graph->addPoint(3, x, m.Dissipation);
  }
  for (int s = 1; s <= TGraph::kSeriesCount; ++s) graph->releaseRedraw(s);
}

void TReportsPage::SetReadout(int range) {
  readoutRange_ = std::clamp(range, 1, kRangeCount);
  const TMech& m = host_.Design();
  const auto i = static_cast<std::size_t>(readoutRange_ - 1);
  ui_->lblRValue->setText(QString::number(readoutRange_));
  ui_->grphDmg->setMarker(readoutRange_);
  ui_->lblDValue->setText(QString::number(m.DamageByRange[i]));
  ui_->lblHValue->setText(QString::number(m.HeatByRange[i]));
}

QString TReportsPage::ReadoutText(int range) const {
  const int n = std::clamp(range, 1, kRangeCount);
  const TMech& m = host_.Design();
  const auto i = static_cast<std::size_t>(n - 1);
  return tr("Range %1: damage %2, heat %3 (dissipation %4)")
      .arg(n)
      .arg(m.DamageByRange[i])
      .arg(m.HeatByRange[i])
      .arg(m.Dissipation);
}

namespace {

// The nearest whole range; left of range 1 or right of range 30 reads the end.
int RangeAt(double x) { return static_cast<int>(std::clamp(Round(x), 1L, long{kRangeCount})); }

}  // namespace

void TReportsPage::grphDmg_MouseDown(double x) { SetReadout(RangeAt(x)); }

void TReportsPage::grphDmg_PointerMoved(double x) {
  const QString text = ReadoutText(RangeAt(x));
  ui_->grphDmg->setToolTip(text);
  if (ui_->grphDmg->underMouse()) QToolTip::showText(QCursor::pos(), text, ui_->grphDmg);
}

}  // namespace tfd
