#include "ui/FWInfo/FWInfo.h"

#include "ratings/SkillTable.h"
#include "ui/common/Formats.h"
#include "ui_FWInfo.h"

namespace tfd {

TfrmFWInfo::TfrmFWInfo(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::frmFWInfo>()) {
  ui_->setupUi(this);
  connect(ui_->btnOK, &QPushButton::clicked, this, [this] {
    // A skill typed but not yet committed counts as shown.
    ui_->sedtPiloting->interpretText();
    ui_->sedtGunnery->interpretText();
    accept();
  });
  connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  for (QSpinBox* s : {static_cast<QSpinBox*>(ui_->sedtPiloting), static_cast<QSpinBox*>(ui_->sedtGunnery)})
    connect(s, &QSpinBox::valueChanged, this, &TfrmFWInfo::ShowMultiplier);
  ShowMultiplier();
}

TfrmFWInfo::~TfrmFWInfo() = default;

void TfrmFWInfo::SetPilot(const TPilot& pilot) {
  ui_->edtName->setText(QString::fromStdString(pilot.Name));
  ui_->edtCallsign->setText(QString::fromStdString(pilot.Callsign));
  ui_->cbRank->setEditText(QString::fromStdString(pilot.Rank));
  ui_->sedtPiloting->setValue(pilot.Piloting);
  ui_->sedtGunnery->setValue(pilot.Gunnery);
  ShowMultiplier();
}

TPilot TfrmFWInfo::Pilot() const {
  TPilot p;
  p.Name = ui_->edtName->text().toStdString();
  p.Callsign = ui_->edtCallsign->text().toStdString();
  p.Rank = ui_->cbRank->currentText().toStdString();
  p.Piloting = static_cast<std::uint8_t>(ui_->sedtPiloting->value());
  p.Gunnery = static_cast<std::uint8_t>(ui_->sedtGunnery->value());
  p.BVMultiplier = SkillMultiplier(p.Gunnery, p.Piloting);
  return p;
}

void TfrmFWInfo::ShowMultiplier() {
  ui_->lblBVMultiplier->setText(
      FormatFixed(SkillMultiplier(ui_->sedtGunnery->value(), ui_->sedtPiloting->value()), 2));
}

}  // namespace tfd
