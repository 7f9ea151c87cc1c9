#include "ui/main/MainItemsPage.h"

#include "model/Enums.h"
#include "model/Mech.h"
#include "model/Rounding.h"
#include "rules/ComponentRules.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"
#include "ui/common/DisplayColors.h"
#include "ui/common/Formats.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/ComponentMenus.h"
#include "ui/main/DesignHost.h"
#include "ui/main/SpinText.h"

namespace tfd {

namespace {

QString Name(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

}  // namespace

TMainItemsPage::TMainItemsPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent)
    : QWidget(parent), host_(host) {
  ui.setupUi(this);
  setObjectName("pgMainItems");
  ui.btnTechLevel->setMenu(menus.pmTech);
  ui.btnOptions->setMenu(menus.pmOptions);
  ui.btnISType->setMenu(menus.pmIS);
  ui.btnEngType->setMenu(menus.pmEng);
  ui.btnHSType->setMenu(menus.pmHS);
  ui.btnGyroType->setMenu(menus.pmGyro);
  ui.btnCptType->setMenu(menus.pmCockpit);
  ui.btnTargType->setMenu(menus.pmTargeting);
  ui.btnJJType->setMenu(menus.pmJJType);
  ui.btnMainArmrType->setMenu(menus.pmArmor);
  ui.btnMainArmrType->setTag(1);
  ui.btnTurret->setMenu(menus.pmTurret);
  ui.btnSupCharg->setMenu(menus.pmSupChrg);
  ui.GaugeTng->setKind(TGauge::EKind::Pie);

  for (TSpinEdit* e : {ui.sedtW_MP, ui.sedtJ_MP, ui.sedtJmpBoost}) {
    connect(EditorOf(*e), &QLineEdit::textChanged, this, [this, e] { OnMovementEdited(e); });
    connect(e, &TSpinEdit::focusOut, this, [this] {
      if (!host_.Refreshing()) Commit();
    });
  }
  connect(ui.sedtTng, &TSpinEdit::focusOut, this, &TMainItemsPage::OnTonnageLeft);
  connect(ui.sedtHSNum, &TSpinEdit::focusOut, this, &TMainItemsPage::OnHeatSinksLeft);
  for (TSpinEdit* e : {ui.sedtTng, ui.sedtHSNum}) {
    e->setRouteSteps(true);
    connect(e, &TSpinEdit::stepRequested, this, [this, e](int steps) { OnArrowStep(e, steps); });
  }
  connect(ui.chkSatellite, &QCheckBox::clicked, this, [this] { OnMiscFlagClicked(mfSatelliteUplink); });
  connect(ui.chkNullSig, &QCheckBox::clicked, this, [this] { OnMiscFlagClicked(mfNullSignature); });
  connect(ui.btnNewDes, &QPushButton::clicked, this, [this] { host_.NewDesign(); });
  connect(ui.btnClearWeps, &QPushButton::clicked, this, &TMainItemsPage::OnClearWeapons);
  connect(ui.Image1, &TStatusLight::clicked, this, [this] { host_.ShowErrorReport(); });
}

void TMainItemsPage::OnClearWeapons() {
  TMech& m = host_.Design();
  const auto answer = TMessageSeam::AskYesNo(
      this, "Clear Weapons",
      QString("Do you wish to delete every weapon and item of equipment of %1?")
          .arg(m.IsOmni() ? QString::fromStdString(m.ConfigName(m.ConfigIndex)) : QString("this design")));
  if (answer != QMessageBox::Yes) return;
  if (ClearWeapons(m) == 0) return;
  host_.Recalc(rqWeights);
  host_.RefreshPages(host_.ActivePageMask() | pgMain, this);
  host_.NameStep(tr("Clear Weapons"));
  host_.SetModified();
}

void TMainItemsPage::OnMovementEdited(TSpinEdit* edit) {
  if (host_.Refreshing()) return;
  const std::optional<int> v = TypedValue(*edit);
  if (!v) return;
  TMech& m = host_.Design();
  std::uint8_t& field = edit == ui.sedtW_MP ? m.WalkMP : edit == ui.sedtJ_MP ? m.JumpMP : m.JumpBoosterMP;
  const std::uint8_t before = field;
  field = static_cast<std::uint8_t>(*v);
  host_.Recalc(rqChassis);
  if (edit == ui.sedtJmpBoost) m.Config->Crits.SetJumpBoosters(m.JumpBoosterMP > 0);
  host_.RefreshPages(pgMain, edit);
  if (field != before) Modified(edit);
}

void TMainItemsPage::OnTonnageLeft() {
  if (host_.Refreshing()) return;
  TMech& m = host_.Design();
  const std::optional<int> v = TypedValue(*ui.sedtTng);
  const std::uint8_t before = m.Tonnage;
  if (v) m.Tonnage = static_cast<std::uint8_t>(*v);
  host_.Recalc(rqChassis | rqArmor);
  host_.RefreshPages(pgMain, ui.sedtTng);
  if (m.Tonnage != before) Modified(ui.sedtTng);
  Commit();
}

void TMainItemsPage::OnHeatSinksLeft() {
  if (host_.Refreshing()) return;
  TMech& m = host_.Design();
  const std::optional<int> v = TypedValue(*ui.sedtHSNum);
  const std::uint8_t before = m.HeatSinks;
  if (v) m.HeatSinks = static_cast<std::uint8_t>(*v);
  host_.Recalc(rqChassis);
  host_.RefreshPages(pgMain, ui.sedtHSNum);
  if (m.HeatSinks != before) Modified(ui.sedtHSNum);
  Commit();
}

// The arrows of the tonnage and heat-sink edits step by the edit's step and
// stop at its bounds, then commit the page.
void TMainItemsPage::OnArrowStep(TSpinEdit* edit, int steps) {
  if (host_.Refreshing() || edit->isReadOnly() || steps == 0) return;
  const int value = TypedValue(*edit).value_or(edit->value());
  long next = static_cast<long>(value) + static_cast<long>(steps) * edit->singleStep();
  if (next > edit->maximum()) next = edit->maximum();
  if (next < edit->minimum()) next = edit->minimum();
  edit->setValue(static_cast<int>(next));
  Commit();
}

void TMainItemsPage::OnMiscFlagClicked(int bit) {
  if (host_.Refreshing()) return;
  TMech& m = host_.Design();
  m.MiscFlags = static_cast<std::int16_t>(m.MiscFlags ^ bit);
  host_.Recalc(rqChassis | rqCase);
  host_.RefreshPages(pgMain | pgCriticals, this);
  host_.NameStep(
      tr("Toggle %1").arg((bit == mfSatelliteUplink ? ui.chkSatellite : ui.chkNullSig)->text().remove('&')));
  host_.SetModified();
}

// The undo step of a number typed in one of the page's edits.
QString TMainItemsPage::StepName(const TSpinEdit* edit) const {
  if (edit == ui.sedtTng) return tr("Set Tonnage");
  if (edit == ui.sedtW_MP) return tr("Set Walking MP");
  if (edit == ui.sedtJ_MP) return tr("Set Jumping MP");
  if (edit == ui.sedtHSNum) return tr("Set Heat Sinks");
  if (edit == ui.sedtJmpBoost) return tr("Set Jump Booster MP");
  return {};
}

void TMainItemsPage::Modified(const TSpinEdit* edit) {
  host_.NameStep(StepName(edit));
  host_.SetModified();
}

bool TMainItemsPage::StoreControls() {
  TMech& m = host_.Design();
  const std::pair<std::uint8_t*, const TSpinEdit*> values[] = {{&m.Tonnage, ui.sedtTng},
                                                               {&m.WalkMP, ui.sedtW_MP},
                                                               {&m.JumpMP, ui.sedtJ_MP},
                                                               {&m.HeatSinks, ui.sedtHSNum},
                                                               {&m.JumpBoosterMP, ui.sedtJmpBoost}};
  // The step is named after the first value that changed.
  QString step;
  for (auto [field, edit] : values) {
    const auto v = TypedValue(*edit);
    if (!v || *field == static_cast<std::uint8_t>(*v)) continue;
    *field = static_cast<std::uint8_t>(*v);
    if (step.isEmpty()) step = StepName(edit);
  }
  const std::int16_t flagsBefore = m.MiscFlags;
  auto flag = [&m](int bit, bool on) {
    m.MiscFlags = static_cast<std::int16_t>(on ? (m.MiscFlags | bit) : (m.MiscFlags & ~bit));
  };
  flag(mfSatelliteUplink, ui.chkSatellite->isChecked());
  flag(mfNullSignature, ui.chkNullSig->isChecked());
  if (!step.isEmpty()) host_.NameStep(step);
  return !step.isEmpty() || m.MiscFlags != flagsBefore;
}

void TMainItemsPage::Commit() {
  const bool changed = StoreControls();
  // The armour rules run too, so a new tonnage's armour maxima follow at once.
  host_.Recalc(rqChassis | rqArmor);
  host_.RefreshPages(pgMain, this);
  if (changed) host_.SetModified();
}

void TMainItemsPage::Refresh() {
  const TMech& m = host_.Design();
  const TConfiguration& c = *m.Config;
  const std::uint8_t lv = m.RulesLevel;
  const bool level3 = IsLevel3(lv);
  const bool level2 = lv == rlIS2 || lv == rlClan2;
  const bool mixed = m.IsMixed();
  auto tons = [lv](double w) { return FormatTonnage(w, lv); };

  // Rules level and what it allows.
  if (!RulesLevelName(lv).empty()) ui.btnTechLevel->setText(Name(RulesLevelName(lv)));
  QWidget* level3Group[] = {ui.grpMiscItems,  ui.chkSatellite,   ui.chkNullSig,    ui.btnSupCharg,
                            ui.lblSupCharg,   ui.lblSupChrgTng,  ui.sedtJmpBoost,  ui.lblJmpBoost,
                            ui.lblJmpBoostTng, ui.lblLAMConvTng, ui.lblPowAmpTng,  ui.lblTurretTng,
                            ui.btnTurret,     ui.btnTargType,    ui.btnCptType,    ui.btnGyroType,
                            ui.btnJJType};
  for (QWidget* w : level3Group) w->setEnabled(level3);
  for (QWidget* w : {static_cast<QWidget*>(ui.btnHSType), static_cast<QWidget*>(ui.btnEngType),
                     static_cast<QWidget*>(ui.btnISType)})
    w->setEnabled(level3 || level2);

  // Further rules.
  if (!TargetingAndUplinkChoosable(m)) {
    ui.btnTargType->setEnabled(false);
    ui.chkSatellite->setEnabled(false);
  }
  if (!NullSignatureAllowed(m)) ui.chkNullSig->setEnabled(false);
  if (CentreTorsoCrowded(m)) ui.btnSupCharg->setEnabled(false);
  ui.sedtJ_MP->setEnabled(m.EngineType != etICE);
  if (m.JumpBoosterMP > 0 || m.EngineType == etICE) ui.btnJJType->setEnabled(false);
  if (m.JumpJetType == jjImproved || (m.Options & optLAM)) {
    ui.sedtJmpBoost->setEnabled(false);
    ui.lblJmpBoostTng->setEnabled(false);
    ui.lblJmpBoost->setEnabled(false);
  }

  // Configuration and options.
  ui.btnMainConfig->setText(QString::fromStdString(m.ConfigName(m.ConfigIndex)));
  ui.btnMainConfig->setEnabled(m.IsOmni());
  QString options = QString::fromStdString(OptionsSummary(m.Options));
  ui.btnOptions->setText(options.isEmpty() ? QString("Standard") : options.chopped(2));

  // Component captions; the Clan kinds carry "Clan" only in a Mixed design.
  auto caption = [](TDropButton* b, std::string_view name) {
    if (!name.empty()) b->setText(Name(name));
  };
  const bool clanStructure = m.StructureType == stClanEndoSteel && !mixed;
  caption(ui.btnISType, StructureTypeName(clanStructure ? std::uint8_t{stEndoSteel} : m.StructureType));
  std::uint8_t engine = m.EngineType;
  if (!mixed && engine == etClanXL) engine = etXL;
  if (!mixed && engine == etClanXXL) engine = etXXL;
  caption(ui.btnEngType, EngineTypeName(engine));
  caption(ui.btnJJType, JumpJetTypeName(m.JumpJetType));
  const bool clanDouble = m.HeatSinkType == hsClanDouble && !mixed;
  caption(ui.btnHSType, HeatSinkTypeName(clanDouble ? std::uint8_t{hsDouble} : m.HeatSinkType));
  caption(ui.btnGyroType, GyroTypeName(m.GyroType));
  caption(ui.btnCptType, CockpitTypeName(m.CockpitType));
  if (m.TargetingType == tgMultiTrac) ui.btnTargType->setText("Mulit-Trac");
  else if (m.TargetingType == tgMultiTrac2) ui.btnTargType->setText("Mulit-Trac II");
  else caption(ui.btnTargType, TargetingTypeName(m.TargetingType));
  caption(ui.btnTurret, TurretName(c.Turret));

  // Edits: ranges before values.
  SetRangeAndValue(*ui.sedtTng, level3 ? 10 : 20, 100, m.Tonnage);
  SetRangeAndValue(*ui.sedtW_MP, ui.sedtW_MP->minimum(), ui.sedtW_MP->maximum(), m.WalkMP);
  SetRangeAndValue(*ui.sedtJ_MP, 0, m.JumpJetType == jjImproved ? m.RunMP : m.WalkMP, m.JumpMP);
  SetRangeAndValue(*ui.sedtHSNum, m.EngineType == etICE ? 0 : 10, ui.sedtHSNum->maximum(), m.HeatSinks);
  SetRangeAndValue(*ui.sedtJmpBoost, 0, 20, m.JumpBoosterMP);

  // Weights and figures.
  const auto& w = m.Weights;
  ui.lblTngRem->setText(tons(w[wFree]));
  ui.lblISTng->setText(tons(w[wStructure]));
  ui.lblEngRate->setText(QString::number(m.EngineRating));
  ui.lblEngTng->setText(tons(w[wEngine]));
  ui.lblW_Spd->setText(FormatSpeed(w[wWalkSpeed]));
  ui.lblR_MP->setText(FormatBoostedMP(m.RunMP, m.SuperRunMP));
  ui.lblR_Spd->setText(FormatSpeed(w[wRunSpeed]));
  ui.lblS_MP->setText(FormatBoostedMP(m.SprintMP, m.SuperSprintMP));
  ui.lblS_Spd->setText(FormatSpeed(w[wSprintSpeed]));
  ui.lblJ_Dst->setText(FormatJumpDistance(w[wJumpDistance]));
  ui.lblJmpTng->setText(tons(w[wJumpJets]));
  ui.lblHSDsp->setText(FormatDissipation(m.Dissipation));
  ui.lblHSTng->setText(tons(w[wHeatSinks]));
  ui.lblGyroTng->setText(tons(w[wGyro]));
  ui.lblCptTng->setText(tons(w[wCockpit]));
  ui.lblTargSysTng->setText(tons(w[wTargeting]));
  ui.lblArmrWt->setText(tons(w[wArmor]));
  ui.lblCASECompTng->setText(tons(c.CaseWeight + c.ArmouredWeight));
  ui.lblWepTng->setText(tons(c.EquipmentWeight));
  ui.lblSupChrgTng->setText(tons(c.SuperchargerWeight));
  ui.lblJmpBoostTng->setText(tons(w[wJumpBoosters]));
  ui.lblLAMConvTng->setText(tons(w[wLAM]));
  ui.lblPowAmpTng->setText(tons(c.PowerAmpWeight));
  ui.lblTurretTng->setText(tons(c.TurretWeight));

  // Armour type and the tonnage gauge.
  ui.btnMainArmrType->setText(QString::fromStdString(m.ArmorTypeName(m.ArmorType, false)));
  ui.btnMainArmrType->setEnabled(lv != rlIS1);
  const TDisplayColors& colors = host_.Colors();
  SetGauge(*ui.GaugeTng, m.Tonnage * 10, static_cast<int>(Round(w[wFree] * 10)), colors[dcGaugeN],
           colors[dcGaugeE]);

  // Supercharger, check boxes, and the tonnage the slot grid limits by.
  static const char* const superchargers[] = {"None", "CT", "RT", "LT"};
  ui.btnSupCharg->setText(superchargers[c.SuperchargerLocation()]);
  ui.chkNullSig->setChecked(m.MiscFlags & mfNullSignature);
  ui.chkSatellite->setChecked(m.MiscFlags & mfSatelliteUplink);
}

}  // namespace tfd
