#include "ui/BV/BV.h"

#include "model/Mech.h"
#include "ratings/Ratings.h"
#include "ratings/SkillTable.h"
#include "ui/common/ConfigChoiceMenu.h"
#include "ui/common/Formats.h"
#include "ui/common/ToolWindow.h"
#include "ui_BV.h"

namespace tfd {

TfrmBV::TfrmBV(TMech& design, QWidget* parent)
    : QDialog(parent), design_(design), ui_(std::make_unique<Ui::frmBV>()) {
  ui_->setupUi(this);
  setObjectName("TfrmBV");
  MakeToolWindow(*this);

  ui_->sedtPilot->setValue(kDefaultPiloting);
  ui_->sedtGun->setValue(kDefaultGunnery);
  for (QSpinBox* skill : {ui_->sedtPilot, ui_->sedtGun})
    connect(skill, &QSpinBox::valueChanged, this, [this] { Fill(); });
  connect(ui_->btnReset, &QPushButton::clicked, this, [this] {
    ui_->sedtPilot->setValue(kDefaultPiloting);
    ui_->sedtGun->setValue(kDefaultGunnery);
  });

  configMenu_ = new TConfigChoiceMenu([this] { return int{design_.ConfigIndex}; }, this);
  configMenu_->setObjectName("pmBVConfig");
  ui_->btnConfig->setMenu(configMenu_);
  connect(configMenu_, &TConfigChoiceMenu::chosen, this, &TfrmBV::ChooseConfig);
  connect(ui_->btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

TfrmBV::~TfrmBV() = default;

void TfrmBV::showEvent(QShowEvent* event) {
  // The window shows the last computed figures; it computes nothing itself.
  ShowConfigButton(*ui_->btnConfig, design_);
  Fill();
  QDialog::showEvent(event);
  CentreOnParent(*this);
}

void TfrmBV::ChooseConfig(int index) {
  design_.SelectConfig(index);
  ComputeRatings(design_);  // the rules pass for every part of the design, then the ratings
  ShowConfigButton(*ui_->btnConfig, design_);
  Fill();
}

void TfrmBV::Fill() {
  const TMech& m = design_;
  const TConfiguration& c = *m.Config;
  auto real = [](double v) { return FormatGrouped(v, 2); };

  ui_->edtAF->setText(real(m.BVArmorFactor));
  ui_->edtIS->setText(real(m.BVStructureFactor));
  ui_->edtTng->setText(real(m.Tonnage));
  ui_->edtDefEqp->setText(real(c.DefensiveEquipment));
  ui_->edtExpAmmo->setText(real(c.ExplosivePenalty));
  ui_->edtHtMod->setText(real(c.HeatModifier));
  ui_->edtMvtFact->setText(real(c.MovementFactor));
  ui_->edtDefRat->setText(real(c.DefensiveRating));

  // The weapons' own share is what remains of the base rating, so the three
  // lines above it always add up to it.
  ui_->edtOEQP->setText(real(c.BaseWeaponRating - c.TargetingRating - c.ArtemisRating));
  ui_->edtTC->setText(real(c.TargetingRating));
  ui_->edtARTEM->setText(real(c.ArtemisRating));
  ui_->edtBWR->setText(real(c.BaseWeaponRating));
  ui_->edtModWR->setText(real(c.ModifiedWeaponRating));
  ui_->edtSpdFact->setText(real(c.SpeedFactor));
  ui_->edtOffRat->setText(real(c.OffensiveRating));

  ui_->edtDefRat2->setText(real(c.DefensiveRating));
  ui_->edtOffRat2->setText(real(c.OffensiveRating));
  ui_->edtTot->setText(QString::number(m.BattleValue));
  ui_->edtTot2->setText(QString::number(m.BattleValue));
  const int gunnery = ui_->sedtGun->value(), piloting = ui_->sedtPilot->value();
  ui_->edtSkillMult->setText(real(SkillMultiplier(gunnery, piloting)));
  ui_->edtFinalBV->setText(QString::number(FinalBattleValue(m.BattleValue, gunnery, piloting)));
}

}  // namespace tfd
