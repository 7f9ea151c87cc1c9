#include "ui/Cost/Cost.h"

#include "model/Mech.h"
#include "ratings/Ratings.h"
#include "ui/common/ConfigChoiceMenu.h"
#include "ui/common/Formats.h"
#include "ui/common/ToolWindow.h"
#include "ui_Cost.h"

namespace tfd {

namespace {

QString CBills(double v) { return FormatGrouped(v, 0); }

}  // namespace

TfrmCost::TfrmCost(TMech& design, QWidget* parent)
    : QDialog(parent), design_(design), ui_(std::make_unique<Ui::frmCost>()) {
  ui_->setupUi(this);
  setObjectName("TfrmCost");
  MakeToolWindow(*this);
  configMenu_ = new TConfigChoiceMenu([this] { return int{design_.ConfigIndex}; }, this);
  configMenu_->setObjectName("pmCostConfig");
  ui_->btnConfig->setMenu(configMenu_);
  connect(configMenu_, &TConfigChoiceMenu::chosen, this, &TfrmCost::ChooseConfig);
  connect(ui_->btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

TfrmCost::~TfrmCost() = default;

void TfrmCost::showEvent(QShowEvent* event) {
  const bool quad = design_.IsQuad();
  ui_->lbl_edtAAct->setText(quad ? tr("Front Leg Actuators") : tr("Arm Actuators"));
  ui_->lbl_edtLAct->setText(quad ? tr("Rear Leg Actuators") : tr("Leg Actuators"));
  ShowConfigButton(*ui_->btnConfig, design_);
  Fill();
  QDialog::showEvent(event);
  CentreOnParent(*this);
}

void TfrmCost::ChooseConfig(int index) {
  design_.SelectConfig(index);
  ComputeRatings(design_);
  ShowConfigButton(*ui_->btnConfig, design_);
  FillConfigLines();
}

void TfrmCost::Fill() {
  const auto& parts = design_.CostParts;
  ui_->edtCpt->setText(CBills(parts[cpCockpitCost]));
  ui_->edtLifeSup->setText(CBills(parts[cpLifeSupport]));
  ui_->edtSensor->setText(CBills(parts[cpSensors]));
  ui_->edtMusc->setText(CBills(parts[cpMusculature]));
  ui_->edtIStr->setText(CBills(parts[cpStructureCost]));
  ui_->edtLAct->setText(CBills(parts[cpLegActuators]));
  ui_->edtEng->setText(CBills(parts[cpEngineCost]));
  ui_->edtGyro->setText(CBills(parts[cpGyroCost]));
  ui_->edtArmr->setText(CBills(parts[cpArmorCost]));
  ui_->edtMult->setText(FormatGrouped(parts[cpMultiplier], 2));
  FillConfigLines();
}

void TfrmCost::FillConfigLines() {
  const TConfiguration& c = *design_.Config;
  const auto& line = c.CostLines;
  ui_->edtAAct->setText(CBills(line[clArmActuators]));
  ui_->edtHS->setText(CBills(line[clHeatSinks]));
  ui_->edtJJ->setText(CBills(line[clJumpJets]));
  ui_->edtCASE->setText(CBills(line[clCase]));
  ui_->edtSupChrg->setText(CBills(line[clSupercharger]));
  ui_->edtPowAmp->setText(CBills(line[clPowerAmp]));
  ui_->edtTurret->setText(CBills(line[clTurret]));
  ui_->edtOmni->setText(CBills(line[clOmni]));
  // The equipment line is what the subtotal holds beyond the other lines: an
  // Omni alternate pays for the fixed configuration's equipment as well as its
  // own pods, and the lines shown must add up to the total.
  const double others = line[clArmActuators] + line[clHeatSinks] + line[clJumpJets] + line[clCase] +
                        line[clSupercharger] + line[clPowerAmp] + line[clTurret];
  ui_->edtWeps->setText(CBills(c.ConfigCost - others));
  ui_->edtTot->setText(CBills(design_.Cost));
}

}  // namespace tfd
