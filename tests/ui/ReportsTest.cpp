// The Reports tab, the battle-value and cost windows and the graph options,
// in the real main window.

#include <QCheckBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <functional>

#include "WindowTestKit.h"
#include "equipment/EquipmentLists.h"
#include "ratings/DamageByRange.h"
#include "ratings/SkillTable.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"
#include "ui/BV/BV.h"
#include "ui/Cost/Cost.h"
#include "ui/common/ConfigChoiceMenu.h"
#include "ui/grphopts/grphopts.h"
#include "ui/main/ReportsPage.h"
#include "ui/widgets/DropButton.h"
#include "ui/widgets/Gauge.h"
#include "ui/widgets/Graph.h"

namespace tfd {
namespace {

QString Sample(const QString& name) { return QString(TFD_TEST_DATA) + "/" + name; }

QJsonObject ReportOf(const QString& file, const QStringList& extra = {}) {
  QProcess p;
  p.start(TFD_REPORT, QStringList{"--json"} + extra + QStringList{file});
  EXPECT_TRUE(p.waitForFinished(30000));
  const QByteArray line = p.readAllStandardOutput().trimmed();
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
  return doc.object();
}

// A figure the windows show with the locale's separators, read back.
double Figure(const QString& text) {
  bool ok = false;
  const double v = QLocale().toDouble(text, &ok);
  EXPECT_TRUE(ok) << text.toStdString();
  return v;
}

// Runs `act` inside the next modal window's event loop, then closes it with
// the named button if it is still open.
void WhileModal(QWidget* window, std::function<void()> act, const char* closeWith) {
  QTimer::singleShot(0, window, [window, act, closeWith] {
    act();
    if (window->isVisible())
      if (auto* b = window->findChild<QPushButton*>(closeWith)) b->click();
  });
}

class Reports : public TWindowTest {
 protected:
  void Load(const char* sample) {
    window->LoadFromFile(Sample(sample));
    ShowTab("tsReports");
  }
  QString Edit(QWidget* w, const char* name) {
    auto* e = w->findChild<QLineEdit*>(name);
    EXPECT_NE(e, nullptr) << name;
    return e ? e->text() : QString();
  }
  TGraph* Graph() { return Find<TGraph>("grphDmg"); }
  void ClickGraphAt(double x) {
    QTest::mouseClick(Graph(), Qt::LeftButton, {},
                      QPoint(Graph()->pixelFromX(x), Graph()->plotArea().center().y()));
  }
  void ExpectSeriesEqualTheDesign() {
    const TMech& m = Design();
    const QList<QPointF> heat = Graph()->points(1), damage = Graph()->points(2), level = Graph()->points(3);
    ASSERT_EQ(heat.size(), kRangeCount);
    ASSERT_EQ(damage.size(), kRangeCount);
    ASSERT_EQ(level.size(), kRangeCount);
    for (int r = 1; r <= kRangeCount; ++r) {
      const auto i = static_cast<std::size_t>(r - 1);
      EXPECT_EQ(heat[r - 1], QPointF(r, m.HeatByRange[i])) << "range " << r;
      EXPECT_EQ(damage[r - 1], QPointF(r, m.DamageByRange[i])) << "range " << r;
      EXPECT_EQ(level[r - 1], QPointF(r, m.Dissipation)) << "range " << r;
    }
  }
  // Sets the graph options through the window from the Options menu.
  void SetOptionsThroughTheWindow(std::uint8_t boxes, const char* button) {
    auto* options = window->GraphOptionsWindow();
    WhileModal(
        options, [options, boxes] { options->Check(boxes); }, button);
    Find<QAction>("OptionsGraphItem")->trigger();
  }
};

TEST_F(Reports, FiguresEqualThoseOfTfdReportForEverySample) {
  const QStringList samples =
      QDir(TFD_TEST_DATA).entryList({"*.TFI", "*.TFC", "*.txt", "*.html"}, QDir::Files);
  ASSERT_GE(samples.size(), 6);
  for (const QString& sample : samples) {
    SCOPED_TRACE(sample.toStdString());
    window->LoadFromFile(Sample(sample));
    ShowTab("tsReports");
    const QJsonObject r = ReportOf(Sample(sample));
    ASSERT_TRUE(r["ok"].toBool());
    const QJsonObject f = r["reports"].toObject();
    EXPECT_EQ(Text("lblBV"), QString::number(r["battleValue"].toInt()));
    EXPECT_EQ(Text("lblCost"), QLocale().toString(r["cost"].toDouble(), 'f', 0));
    EXPECT_EQ(Text("lblBang"), QString::number(f["bangPerBuck"].toDouble(), 'f', 2));
    EXPECT_EQ(Text("lblHtDispNum"), QString::number(r["dissipation"].toInt()));
    EXPECT_EQ(Text("lblHtPotNum"), QString::number(f["heatPotential"].toInt()));
    EXPECT_EQ(Text("lblPhysPunch"), QString::number(f["punch"].toInt()));
    EXPECT_EQ(Text("lblPhysKick"), QString::number(f["kick"].toInt()));
    EXPECT_EQ(Text("lblPhysClub"), QString::number(f["club"].toInt()));
    const auto* crits = Find<TGauge>("GaugeErrCrits");
    EXPECT_EQ(crits->maximum(), f["usableSlots"].toInt());
    EXPECT_EQ(crits->progress(), f["freeSlots"].toInt());
    // The heat bars share one scale.
    EXPECT_EQ(Find<QFrame>("shpHtDsp")->width(), r["dissipation"].toInt() * 4 + 3);
    EXPECT_EQ(Find<QFrame>("shpHtPot")->width(), std::min(f["heatPotential"].toInt(), 100) * 4 + 3);
    const QJsonArray damage = r["damageByRange"].toArray();
    for (int i = 0; i < kRangeCount; ++i) EXPECT_EQ(Graph()->points(2)[i].y(), damage[i].toInt());
    ExpectSeriesEqualTheDesign();
  }
}

TEST_F(Reports, PhysicalAttacksGaugesAndTheConfigurationButton) {
  ShowTab("tsReports");
  TMech& m = Design();
  m.Tonnage = 75;
  window->Recalc(rqAll);
  window->RefreshPages(pgReports, window.get());
  EXPECT_EQ(Text("lblPhysPunch"), "8");
  EXPECT_EQ(Text("lblPhysKick"), "15");
  EXPECT_EQ(Text("lblPhysClub"), "15");
  const auto* tonnage = Find<TGauge>("GaugeErrTng");
  EXPECT_EQ(tonnage->maximum(), 150);
  EXPECT_EQ(tonnage->progress(), static_cast<int>(std::lround(std::abs(m.Weights[wFree]) * 2)));
  EXPECT_EQ(Find<TGauge>("GaugeErrArmr")->maximum(), m.MaxArmor);

  auto* button = Find<TDropButton>("btnReptConfig");
  EXPECT_FALSE(button->isEnabled());
  Choose("pmTech", "Inner Sphere Level 2");
  Choose("pmOptions", "Quad");
  ShowTab("tsMain");
  ShowTab("tsReports");
  EXPECT_EQ(Text("lblPhysPunch"), "0");
  EXPECT_EQ(Text("lblPhysClub"), "0");
  EXPECT_EQ(Text("lblPhysKick"), "15");

  // The configuration menu on this tab refreshes this tab.
  Choose("pmOptions", "Omni");
  window->RefreshPages(pgReports, window.get());
  EXPECT_TRUE(button->isEnabled());
  EXPECT_EQ(button->menu(), Find<QMenu>("pmConfig"));
  Choose("pmConfig", "Alternate B");
  EXPECT_EQ(button->text(), "Alt. B Configuration");
  EXPECT_EQ(Design().ConfigIndex, 3);
}

TEST_F(Reports, ClickReadoutAndTooltipStayWithinTheRanges) {
  Load("brennock-bk1.TFI");
  const TMech& m = Design();
  ClickGraphAt(12.4);
  EXPECT_EQ(Text("lblRValue"), "12");
  EXPECT_EQ(Graph()->marker(), 12.0);  // the range read is marked on the graph
  EXPECT_EQ(Text("lblDValue"), QString::number(m.DamageByRange[11]));
  EXPECT_EQ(Text("lblHValue"), QString::number(m.HeatByRange[11]));
  EXPECT_GT(m.DamageByRange[11], 0);  // the sample has weapons that reach 12

  // Left of range 1 and right of range 30: the ends, never beyond the arrays.
  QTest::mouseClick(Graph(), Qt::LeftButton, {}, QPoint(1, 50));
  EXPECT_EQ(Text("lblRValue"), "1");
  EXPECT_EQ(Text("lblDValue"), QString::number(m.DamageByRange[0]));
  QTest::mouseClick(Graph(), Qt::LeftButton, {}, QPoint(Graph()->width() - 1, 50));
  EXPECT_EQ(Text("lblRValue"), "30");
  EXPECT_EQ(Text("lblHValue"), QString::number(m.HeatByRange[29]));

  // The keys step the readout from where it is, within the ranges.
  QTest::keyClick(Graph(), Qt::Key_Left);
  EXPECT_EQ(Text("lblRValue"), "29");
  EXPECT_EQ(Text("lblDValue"), QString::number(m.DamageByRange[28]));
  QTest::keyClick(Graph(), Qt::Key_Right);
  QTest::keyClick(Graph(), Qt::Key_Right);
  EXPECT_EQ(Text("lblRValue"), "30");
  QTest::keyClick(Graph(), Qt::Key_Home);
  EXPECT_EQ(Text("lblRValue"), "1");
  QTest::keyClick(Graph(), Qt::Key_Left);
  EXPECT_EQ(Text("lblRValue"), "1");
  EXPECT_EQ(Graph()->marker(), 1.0);

  QMouseEvent move(QEvent::MouseMove, QPointF(Graph()->pixelFromX(7.3), 60),
                   Graph()->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(Graph(), &move);
  EXPECT_EQ(Graph()->toolTip(), window->ReportsPage()->ReadoutText(7));
  EXPECT_TRUE(Graph()->toolTip().startsWith("Range 7: damage " + QString::number(m.DamageByRange[6])));
}

TEST_F(Reports, GraphOptionsOkCancelAndTheSeriesThatFollowThem) {
  ASSERT_TRUE(Find<QAction>("OptionsGraphItem")->isEnabled());
  Load("vashti-prime.TFC");
  window->ReportsPage()->SetReadout(9);

  SetOptionsThroughTheWindow(goDamageStreak, "btnOK");
  EXPECT_EQ(window->ReportsPage()->GraphOptions(), 16);
  EXPECT_EQ(Text("lblRValue"), "1");
  ExpectSeriesEqualTheDesign();

  // Cancel keeps the set, whatever the boxes showed.
  SetOptionsThroughTheWindow(127, "btnCancel");
  EXPECT_EQ(window->ReportsPage()->GraphOptions(), 16);
  std::uint8_t shown = 0;
  auto* options = window->GraphOptionsWindow();
  WhileModal(
      options, [&] { shown = options->Checked(); }, "btnCancel");
  Find<QAction>("OptionsGraphItem")->trigger();
  EXPECT_EQ(shown, 16);

  for (std::uint8_t set :
       {std::uint8_t{0}, std::uint8_t{goHeatUltra | goDamageUltra},
        std::uint8_t{goHeatMinRange | goDamageMinRange}, std::uint8_t{goDamageCluster}, std::uint8_t{127}}) {
    SetOptionsThroughTheWindow(set, "btnOK");
    EXPECT_EQ(window->ReportsPage()->GraphOptions(), set);
    ExpectSeriesEqualTheDesign();
  }
  // The captions: "&&" shows as "&".
  EXPECT_EQ(options->findChild<QCheckBox*>("chkDmgRedMssl")->text(),
            "Missiles && LB-X cluster hit with a roll of 7");
  EXPECT_EQ(options->windowTitle(), "Graph Options");
}

TEST_F(Reports, BattleValueWindowSkillsFiguresAndSigns) {
  Load("brennock-bk1.TFI");
  TfrmBV* bv = window->BattleValueWindow();
  const TMech& m = Design();
  const TConfiguration& c = *m.Config;
  auto* pilot = bv->findChild<QSpinBox*>("sedtPilot");
  auto* gun = bv->findChild<QSpinBox*>("sedtGun");
  bool ran = false;
  WhileModal(
      bv,
      [&] {
        ran = true;
        EXPECT_EQ(bv->windowTitle(), "Battle Values");
        // A modal tool window without system buttons, over the middle of the main window.
        EXPECT_TRUE(bv->isModal());
        EXPECT_EQ(bv->windowType(), Qt::Tool);
        EXPECT_FALSE(bv->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_LE((bv->frameGeometry().center() - window->frameGeometry().center()).manhattanLength(), 4);
        EXPECT_EQ(pilot->value(), 5);
        EXPECT_EQ(gun->value(), 4);
        EXPECT_EQ(Edit(bv, "edtAF"), QLocale().toString(m.BVArmorFactor, 'f', 2));
        EXPECT_EQ(Edit(bv, "edtTng"), "65.00");
        EXPECT_EQ(Edit(bv, "edtTot"), QString::number(m.BattleValue));
        EXPECT_EQ(Edit(bv, "edtFinalBV"), QString::number(m.BattleValue));
        // Offensive equipment, targeting computer and Artemis make the base weapon rating.
        EXPECT_NEAR(Figure(Edit(bv, "edtOEQP")) + Figure(Edit(bv, "edtTC")) + Figure(Edit(bv, "edtARTEM")),
                    Figure(Edit(bv, "edtBWR")), 0.011);
        EXPECT_EQ(Edit(bv, "edtBWR"), QLocale().toString(c.BaseWeaponRating, 'f', 2));
        EXPECT_EQ(bv->findChild<QLineEdit*>("edtARTEM")->toolTip(), "BWR from Atremis");
        EXPECT_EQ(bv->findChild<QLabel*>("lblSign_edtExpAmmo")->text(), "-");
        EXPECT_EQ(bv->findChild<QLabel*>("lblSign_edtMvtFact")->text(), "*");

        pilot->setValue(7);
        gun->setValue(0);
        EXPECT_EQ(Edit(bv, "edtSkillMult"), "1.64");
        EXPECT_EQ(Edit(bv, "edtFinalBV"), QString::number(FinalBattleValue(m.BattleValue, 0, 7)));
        pilot->setValue(0);
        gun->setValue(7);
        EXPECT_EQ(Edit(bv, "edtSkillMult"), "0.85");
        bv->findChild<QPushButton*>("btnReset")->click();
        EXPECT_EQ(pilot->value(), 5);
        EXPECT_EQ(gun->value(), 4);
        EXPECT_EQ(Edit(bv, "edtSkillMult"), "1.00");
        EXPECT_FALSE(bv->findChild<QToolButton*>("btnConfig")->isEnabled());  // not an Omni design
      },
      "btnOK");
  Find<QPushButton>("btnBV")->click();
  EXPECT_TRUE(ran);
  EXPECT_FALSE(bv->isVisible());
}

TEST_F(Reports, ThousandsSeparatorsInTheWindows) {
  Load("brennock-bk1.TFI");
  TfrmCost* cost = window->CostWindow();
  WhileModal(
      cost,
      [&] {
        EXPECT_EQ(Edit(cost, "edtCpt"), "200,000");
        EXPECT_EQ(Edit(cost, "edtLifeSup"), "50,000");
        EXPECT_EQ(Edit(cost, "edtTot"), QLocale().toString(Design().Cost, 'f', 0));
        EXPECT_EQ(Edit(cost, "edtMult"), "1.65");
      },
      "btnOK");
  Find<QPushButton>("btnCost")->click();
}

TEST_F(Reports, OmniConfigurationChosenInTheBattleValueWindowShowsOnEveryTab) {
  Load("vashti-prime.TFC");
  TfrmBV* bv = window->BattleValueWindow();
  WhileModal(
      bv,
      [&] {
        auto* button = bv->findChild<QToolButton*>("btnConfig");
        EXPECT_TRUE(button->isEnabled());
        emit bv->ConfigMenu()->aboutToShow();
        EXPECT_TRUE(bv->ConfigMenu()->Entry(Design().ConfigIndex)->isChecked());
        bv->ConfigMenu()->Entry(2)->trigger();  // "Alternate A"
        EXPECT_EQ(button->text(), "Alt. A Configuration");
        EXPECT_EQ(Edit(bv, "edtTot"), QString::number(Design().BattleValue));
      },
      "btnOK");
  Find<QPushButton>("btnBV")->click();

  EXPECT_EQ(Design().ConfigIndex, 2);
  const QJsonObject r = ReportOf(Sample("vashti-prime.TFC"), {"--config", "2"});
  EXPECT_EQ(Text("lblBV"), QString::number(r["battleValue"].toInt()));
  EXPECT_EQ(Text("lblCost"), QLocale().toString(r["cost"].toDouble(), 'f', 0));
  EXPECT_EQ(Find<TDropButton>("btnReptConfig")->text(), "Alt. A Configuration");
  for (auto [tab, button] : {std::pair{"tsMain", "btnMainConfig"}, std::pair{"tsWeapons", "btnConfig"},
                             std::pair{"tsCriticals", "btnCritConfig"}}) {
    ShowTab(tab);
    EXPECT_EQ(Find<TDropButton>(button)->text(), "Alt. A Configuration") << tab;
  }
  EXPECT_TRUE(GridConsistent(Design()));

  // The cost window's menu does the same and refills the total.
  ShowTab("tsReports");
  TfrmCost* cost = window->CostWindow();
  WhileModal(
      cost,
      [&] {
        cost->ConfigMenu()->Entry(0)->trigger();  // "Fixed"
        EXPECT_EQ(cost->findChild<QToolButton*>("btnConfig")->text(),
                  QString::fromStdString(Design().ConfigName(0)));
        EXPECT_EQ(Edit(cost, "edtTot"), QLocale().toString(Design().Cost, 'f', 0));
      },
      "btnOK");
  Find<QPushButton>("btnCost")->click();
  EXPECT_EQ(Design().ConfigIndex, 0);
  EXPECT_EQ(Text("lblCost"),
            QLocale().toString(ReportOf(Sample("vashti-prime.TFC"))["cost"].toDouble(), 'f', 0));
}

// The window's lines, read back, times the multiplier give the total, also
// for the lines the price list has beyond the usual ones.
class CostLines : public Reports {
 protected:
  double ShownTotalError() {
    TfrmCost* cost = window->CostWindow();
    double error = 1e9;
    WhileModal(
        cost,
        [&] {
          double sum = 0.0;
          int lines = 0;
          for (const char* name : {"edtCpt", "edtLifeSup", "edtSensor", "edtMusc", "edtIStr", "edtAAct",
                                   "edtLAct", "edtEng", "edtGyro", "edtJJ", "edtHS", "edtArmr", "edtWeps",
                                   "edtCASE", "edtSupChrg", "edtPowAmp", "edtTurret", "edtOmni"}) {
            sum += Figure(Edit(cost, name));
            ++lines;
          }
          const double multiplier = Figure(Edit(cost, "edtMult"));
          // Each line is shown to the nearest C-bill.
          error =
              std::abs(sum * multiplier - Figure(Edit(cost, "edtTot"))) - (lines * 0.5 * multiplier + 0.5);
        },
        "btnOK");
    Find<QPushButton>("btnCost")->click();
    return error;
  }
};

TEST_F(CostLines, AddUpToTheTotalWithSuperchargerPowerAmplifiersTurretAndOmniPods) {
  for (const char* sample : {"brennock-bk1.TFI", "torvek-tk4q.TFI", "vashti-prime.TFC", "skarn-prime.txt"}) {
    Load(sample);
    EXPECT_LE(ShownTotalError(), 0.0) << sample;
  }
  // An Omni alternate pays for the fixed equipment too.
  Load("vashti-prime.TFC");
  Choose("pmConfig", "Fixed");
  const TWepInfo* laser = window->Equipment()->BySaveNum(202);
  ASSERT_NE(laser, nullptr);
  TAddRequest fixed;
  fixed.Record = &laser->Info;
  fixed.Criticals = laser->Info.Crits;
  EPlacement placed = EPlacement::WontFit;
  for (fixed.Location = 0; fixed.Location < kLocationCount && placed != EPlacement::Placed; ++fixed.Location)
    placed = AddItem(Design(), fixed);
  ASSERT_EQ(placed, EPlacement::Placed);
  Choose("pmConfig", "Alternate A");
  ShowTab("tsMain");
  ShowTab("tsReports");
  ASSERT_GT(Design().Configs[0]->CostLines[clEquipment], 0.0);
  EXPECT_LE(ShownTotalError(), 0.0) << "alternate";

  // Level 3, an I.C.E. engine with energy weapons (power amplifiers), a
  // supercharger and a torso turret carrying a laser.
  window->NewDesign();
  Choose("pmTech", "Inner Sphere Level 3");
  Choose("pmEng", "I.C.E.");
  Choose("pmSupChrg", "Center Torso");
  Choose("pmTurret", "Right Torso");
  TMech& m = Design();
  m.Tonnage = 60;
  window->Recalc(rqAll);
  const TWepInfo* isLaser = window->Equipment()->BySaveNum(102);
  ASSERT_NE(isLaser, nullptr);
  TAddRequest request;
  request.Record = &isLaser->Info;
  request.Criticals = isLaser->Info.Crits;
  request.Direction = 4;
  request.Location = locRightTorso;
  EXPECT_EQ(AddItem(m, request), EPlacement::Placed);
  request.Direction = 0;
  request.Location = locRightArm;
  EXPECT_EQ(AddItem(m, request), EPlacement::Placed);
  ShowTab("tsReports");
  const auto& lines = m.Config->CostLines;
  EXPECT_GT(lines[clSupercharger], 0.0);
  EXPECT_GT(lines[clPowerAmp], 0.0);
  EXPECT_GT(lines[clTurret], 0.0);
  EXPECT_LE(ShownTotalError(), 0.0) << "supercharger, amplifiers, turret";
}

TEST_F(CostLines, QuadCaptions) {
  Choose("pmOptions", "Quad");
  TfrmCost* cost = window->CostWindow();
  WhileModal(
      cost,
      [&] {
        EXPECT_EQ(cost->windowTitle(), "Costs");
        EXPECT_EQ(cost->findChild<QLabel*>("lbl_edtAAct")->text(), "Front Leg Actuators");
        EXPECT_EQ(cost->findChild<QLabel*>("lbl_edtLAct")->text(), "Rear Leg Actuators");
        EXPECT_EQ(Figure(Edit(cost, "edtAAct")), Design().Tonnage * 700.0);
      },
      "btnOK");
  ShowTab("tsReports");
  Find<QPushButton>("btnCost")->click();
}

}  // namespace
}  // namespace tfd
