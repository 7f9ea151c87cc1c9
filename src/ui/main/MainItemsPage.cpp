#include "ui/main/MainItemsPage.h"

#include "model/Enums.h"
#include "model/Mech.h"
#include "model/Rounding.h"
#include "rules/ComponentRules.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"
#include "ui/common/ConfigChoiceMenu.h"
#include "ui/common/DisplayColors.h"
#include "ui/common/Formats.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/ComponentMenus.h"
#include "ui/main/DesignHost.h"
#include "ui/main/SpinText.h"
#include "ui_MainItemsPage.h"

namespace tfd {

TMainItemsPage::TMainItemsPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::MainItemsPage>()), host_(host) {
  ui_->setupUi(this);
  setObjectName("pgMainItems");
  ui_->btnTechLevel->setMenu(menus.pmTech);
  ui_->btnOptions->setMenu(menus.pmOptions);
  ui_->btnISType->setMenu(menus.pmIS);
  ui_->btnEngType->setMenu(menus.pmEng);
  ui_->btnHSType->setMenu(menus.pmHS);
  ui_->btnGyroType->setMenu(menus.pmGyro);
  ui_->btnCptType->setMenu(menus.pmCockpit);
  ui_->btnTargType->setMenu(menus.pmTargeting);
  ui_->btnJJType->setMenu(menus.pmJJType);
  ui_->btnMainArmrType->setMenu(menus.pmArmor);
  ui_->btnMainArmrType->setTag(1);
  ui_->btnTurret->setMenu(menus.pmTurret);
  ui_->btnSupCharg->setMenu(menus.pmSupChrg);
  ui_->GaugeTng->setKind(TGauge::EKind::Pie);

  for (TSpinEdit* e : {ui_->sedtW_MP, ui_->sedtJ_MP, ui_->sedtJmpBoost}) {
    connect(EditorOf(*e), &QLineEdit::textChanged, this, [this, e] { OnMovementEdited(e); });
    connect(e, &TSpinEdit::focusOut, this, [this] {
      if (!host_.Refreshing()) Commit();
    });
  }
  connect(ui_->sedtTng, &TSpinEdit::focusOut, this, &TMainItemsPage::OnTonnageLeft);
  connect(ui_->sedtHSNum, &TSpinEdit::focusOut, this, &TMainItemsPage::OnHeatSinksLeft);
  for (TSpinEdit* e : {ui_->sedtTng, ui_->sedtHSNum}) {
    e->setRouteSteps(true);
    connect(e, &TSpinEdit::stepRequested, this, [this, e](int steps) { OnArrowStep(e, steps); });
  }
  connect(ui_->chkSatellite, &QCheckBox::clicked, this, [this] { OnMiscFlagClicked(mfSatelliteUplink); });
  connect(ui_->chkNullSig, &QCheckBox::clicked, this, [this] { OnMiscFlagClicked(mfNullSignature); });
  connect(ui_->btnNewDes, &QPushButton::clicked, this, [this] { host_.NewDesign(); });
  connect(ui_->btnClearWeps, &QPushButton::clicked, this, &TMainItemsPage::OnClearWeapons);
  connect(ui_->Image1, &TStatusLight::clicked, this, [this] { host_.ShowErrorReport(); });
}

TMainItemsPage::~TMainItemsPage() = default;

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
  std::uint8_t& field = edit == ui_->sedtW_MP ? m.WalkMP : edit == ui_->sedtJ_MP ? m.JumpMP : m.JumpBoosterMP;
  const std::uint8_t before = field;
  field = static_cast<std::uint8_t>(*v);
  host_.Recalc(rqChassis);
  if (edit == ui_->sedtJmpBoost) m.Config->Crits.SetJumpBoosters(m.JumpBoosterMP > 0);
  host_.RefreshPages(pgMain, edit);
  if (field != before) Modified(edit);
}

void TMainItemsPage::OnTonnageLeft() {
  if (host_.Refreshing()) return;
  TMech& m = host_.Design();
  const std::optional<int> v = TypedValue(*ui_->sedtTng);
  const std::uint8_t before = m.Tonnage;
  if (v) m.Tonnage = static_cast<std::uint8_t>(*v);
  host_.Recalc(rqChassis | rqArmor);
  host_.RefreshPages(pgMain, ui_->sedtTng);
  if (m.Tonnage != before) Modified(ui_->sedtTng);
  Commit();
}

void TMainItemsPage::OnHeatSinksLeft() {
  if (host_.Refreshing()) return;
  TMech& m = host_.Design();
  const std::optional<int> v = TypedValue(*ui_->sedtHSNum);
  const std::uint8_t before = m.HeatSinks;
  if (v) m.HeatSinks = static_cast<std::uint8_t>(*v);
  host_.Recalc(rqChassis);
  host_.RefreshPages(pgMain, ui_->sedtHSNum);
  if (m.HeatSinks != before) Modified(ui_->sedtHSNum);
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
      tr("Toggle %1")
          .arg((bit == mfSatelliteUplink ? ui_->chkSatellite : ui_->chkNullSig)->text().remove('&')));
  host_.SetModified();
}

// The undo step of a number typed in one of the page's edits.
QString TMainItemsPage::StepName(const TSpinEdit* edit) const {
  if (edit == ui_->sedtTng) return tr("Set Tonnage");
  if (edit == ui_->sedtW_MP) return tr("Set Walking MP");
  if (edit == ui_->sedtJ_MP) return tr("Set Jumping MP");
  if (edit == ui_->sedtHSNum) return tr("Set Heat Sinks");
  if (edit == ui_->sedtJmpBoost) return tr("Set Jump Booster MP");
  return {};
}

void TMainItemsPage::Modified(const TSpinEdit* edit) {
  host_.NameStep(StepName(edit));
  host_.SetModified();
}

bool TMainItemsPage::StoreControls() {
  TMech& m = host_.Design();
  const std::pair<std::uint8_t*, const TSpinEdit*> values[] = {{&m.Tonnage, ui_->sedtTng},
                                                               {&m.WalkMP, ui_->sedtW_MP},
                                                               {&m.JumpMP, ui_->sedtJ_MP},
                                                               {&m.HeatSinks, ui_->sedtHSNum},
                                                               {&m.JumpBoosterMP, ui_->sedtJmpBoost}};
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
  flag(mfSatelliteUplink, ui_->chkSatellite->isChecked());
  flag(mfNullSignature, ui_->chkNullSig->isChecked());
  if (!step.isEmpty()) host_.NameStep(step);
  return !step.isEmpty() || m.MiscFlags != flagsBefore;
}

bool TMainItemsPage::ArmorButtonDown() const { return ui_->btnMainArmrType->isDown(); }

void TMainItemsPage::Commit() {
  const bool changed = StoreControls();
  // The armour rules run too, so a new tonnage's armour maxima follow at once.
  host_.Recalc(rqChassis | rqArmor);
  host_.RefreshPages(pgMain, this);
  if (changed) host_.SetModified();
}

void TMainItemsPage::Refresh() {
  const TMech& m = host_.Design();
  EnableByRules(m);
  ShowComponents(m);
  ShowEdits(m);
  ShowWeights(m);
  ShowArmorAndMiscItems(m);
}

// The controls the rules level, the options and the chosen components allow.
void TMainItemsPage::EnableByRules(const TMech& m) {
  const std::uint8_t lv = m.RulesLevel;
  const bool level3 = IsLevel3(lv);
  const bool level2 = lv == rlIS2 || lv == rlClan2;

  // Rules level and what it allows.
  if (!RulesLevelName(lv).empty()) ui_->btnTechLevel->setText(Text(RulesLevelName(lv)));
  QWidget* level3Group[] = {ui_->grpMiscItems,   ui_->chkSatellite,  ui_->chkNullSig,   ui_->btnSupCharg,
                            ui_->lblSupCharg,    ui_->lblSupChrgTng, ui_->sedtJmpBoost, ui_->lblJmpBoost,
                            ui_->lblJmpBoostTng, ui_->lblLAMConvTng, ui_->lblPowAmpTng, ui_->lblTurretTng,
                            ui_->btnTurret,      ui_->btnTargType,   ui_->btnCptType,   ui_->btnGyroType,
                            ui_->btnJJType};
  for (QWidget* w : level3Group) w->setEnabled(level3);
  for (QWidget* w : {static_cast<QWidget*>(ui_->btnHSType), static_cast<QWidget*>(ui_->btnEngType),
                     static_cast<QWidget*>(ui_->btnISType)})
    w->setEnabled(level3 || level2);

  // Further rules.
  if (!TargetingAndUplinkChoosable(m)) {
    ui_->btnTargType->setEnabled(false);
    ui_->chkSatellite->setEnabled(false);
  }
  if (!NullSignatureAllowed(m)) ui_->chkNullSig->setEnabled(false);
  if (CentreTorsoCrowded(m)) ui_->btnSupCharg->setEnabled(false);
  ui_->sedtJ_MP->setEnabled(m.EngineType != etICE);
  if (m.JumpBoosterMP > 0 || m.EngineType == etICE) ui_->btnJJType->setEnabled(false);
  if (m.JumpJetType == jjImproved || (m.Options & optLAM)) {
    ui_->sedtJmpBoost->setEnabled(false);
    ui_->lblJmpBoostTng->setEnabled(false);
    ui_->lblJmpBoost->setEnabled(false);
  }
}

// The configuration, the options and the components' captions.
void TMainItemsPage::ShowComponents(const TMech& m) {
  const bool mixed = m.IsMixed();

  // Configuration and options.
  ShowConfigButton(*ui_->btnMainConfig, m);
  QString options = QString::fromStdString(OptionsSummary(m.Options));
  ui_->btnOptions->setText(options.isEmpty() ? QString("Standard") : options.chopped(2));

  // Component captions; the Clan kinds carry "Clan" only in a Mixed design.
  auto caption = [](TDropButton* b, std::string_view name) {
    if (!name.empty()) b->setText(Text(name));
  };
  const bool clanStructure = m.StructureType == stClanEndoSteel && !mixed;
  caption(ui_->btnISType, StructureTypeName(clanStructure ? std::uint8_t{stEndoSteel} : m.StructureType));
  std::uint8_t engine = m.EngineType;
  if (!mixed && engine == etClanXL) engine = etXL;
  if (!mixed && engine == etClanXXL) engine = etXXL;
  caption(ui_->btnEngType, EngineTypeName(engine));
  caption(ui_->btnJJType, JumpJetTypeName(m.JumpJetType));
  const bool clanDouble = m.HeatSinkType == hsClanDouble && !mixed;
  caption(ui_->btnHSType, HeatSinkTypeName(clanDouble ? std::uint8_t{hsDouble} : m.HeatSinkType));
  caption(ui_->btnGyroType, GyroTypeName(m.GyroType));
  caption(ui_->btnCptType, CockpitTypeName(m.CockpitType));
  if (m.TargetingType == tgMultiTrac)
    ui_->btnTargType->setText("Mulit-Trac");
  else if (m.TargetingType == tgMultiTrac2)
    ui_->btnTargType->setText("Mulit-Trac II");
  else
    caption(ui_->btnTargType, TargetingTypeName(m.TargetingType));
  caption(ui_->btnTurret, TurretName(m.Config->Turret));
}

// The edits: ranges before values.
void TMainItemsPage::ShowEdits(const TMech& m) {
  const bool level3 = IsLevel3(m.RulesLevel);
  SetRangeAndValue(*ui_->sedtTng, level3 ? 10 : 20, 100, m.Tonnage);
  SetRangeAndValue(*ui_->sedtW_MP, ui_->sedtW_MP->minimum(), ui_->sedtW_MP->maximum(), m.WalkMP);
  SetRangeAndValue(*ui_->sedtJ_MP, 0, m.JumpJetType == jjImproved ? m.RunMP : m.WalkMP, m.JumpMP);
  SetRangeAndValue(*ui_->sedtHSNum, m.EngineType == etICE ? 0 : 10, ui_->sedtHSNum->maximum(), m.HeatSinks);
  SetRangeAndValue(*ui_->sedtJmpBoost, 0, 20, m.JumpBoosterMP);
}

// The weights and movement figures the rules pass computed.
void TMainItemsPage::ShowWeights(const TMech& m) {
  const TConfiguration& c = *m.Config;
  auto tons = [lv = m.RulesLevel](double w) { return FormatTonnage(w, lv); };
  const auto& w = m.Weights;
  ui_->lblTngRem->setText(tons(w[wFree]));
  ui_->lblISTng->setText(tons(w[wStructure]));
  ui_->lblEngRate->setText(QString::number(m.EngineRating));
  ui_->lblEngTng->setText(tons(w[wEngine]));
  ui_->lblW_Spd->setText(FormatSpeed(w[wWalkSpeed]));
  ui_->lblR_MP->setText(FormatBoostedMP(m.RunMP, m.SuperRunMP));
  ui_->lblR_Spd->setText(FormatSpeed(w[wRunSpeed]));
  ui_->lblS_MP->setText(FormatBoostedMP(m.SprintMP, m.SuperSprintMP));
  ui_->lblS_Spd->setText(FormatSpeed(w[wSprintSpeed]));
  ui_->lblJ_Dst->setText(FormatJumpDistance(w[wJumpDistance]));
  ui_->lblJmpTng->setText(tons(w[wJumpJets]));
  ui_->lblHSDsp->setText(FormatDissipation(m.Dissipation));
  ui_->lblHSTng->setText(tons(w[wHeatSinks]));
  ui_->lblGyroTng->setText(tons(w[wGyro]));
  ui_->lblCptTng->setText(tons(w[wCockpit]));
  ui_->lblTargSysTng->setText(tons(w[wTargeting]));
  ui_->lblArmrWt->setText(tons(w[wArmor]));
  ui_->lblCASECompTng->setText(tons(c.CaseWeight + c.ArmouredWeight));
  ui_->lblWepTng->setText(tons(c.EquipmentWeight));
  ui_->lblSupChrgTng->setText(tons(c.SuperchargerWeight));
  ui_->lblJmpBoostTng->setText(tons(w[wJumpBoosters]));
  ui_->lblLAMConvTng->setText(tons(w[wLAM]));
  ui_->lblPowAmpTng->setText(tons(c.PowerAmpWeight));
  ui_->lblTurretTng->setText(tons(c.TurretWeight));
}

// The armour type, the tonnage gauge, the supercharger and the check boxes.
void TMainItemsPage::ShowArmorAndMiscItems(const TMech& m) {
  const TConfiguration& c = *m.Config;
  const auto& w = m.Weights;

  // Armour type and the tonnage gauge.
  ui_->btnMainArmrType->setText(QString::fromStdString(m.ArmorTypeName(m.ArmorType, false)));
  ui_->btnMainArmrType->setEnabled(m.RulesLevel != rlIS1);
  const TDisplayColors& colors = host_.Colors();
  SetGauge(*ui_->GaugeTng, m.Tonnage * 10, static_cast<int>(Round(w[wFree] * 10)), colors[dcGaugeN],
           colors[dcGaugeE]);

  // Supercharger, check boxes, and the tonnage the slot grid limits by.
  static const char* const superchargers[] = {"None", "CT", "RT", "LT"};
  ui_->btnSupCharg->setText(superchargers[c.SuperchargerLocation()]);
  ui_->chkNullSig->setChecked(m.MiscFlags & mfNullSignature);
  ui_->chkSatellite->setChecked(m.MiscFlags & mfSatelliteUplink);
}

}  // namespace tfd
