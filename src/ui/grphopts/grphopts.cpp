#include "ui/grphopts/grphopts.h"

#include <array>
#include <utility>

#include "ratings/DamageByRange.h"
#include "ui/common/ToolWindow.h"
#include "ui_grphopts.h"

namespace tfd {

namespace {

using TBoxes = std::array<std::pair<QCheckBox*, std::uint8_t>, 7>;

TBoxes Boxes(const Ui::frmGrphOpts& ui) {
  return {{{ui.chkHtUltra, goHeatUltra},
           {ui.chkHtStreak, goHeatStreak},
           {ui.chkHtMinRange, goHeatMinRange},
           {ui.chkDmgUltra, goDamageUltra},
           {ui.chkDmgStreak, goDamageStreak},
           {ui.chkDmgMinRange, goDamageMinRange},
           {ui.chkDmgRedMssl, goDamageCluster}}};
}

}  // namespace

TfrmGrphOpts::TfrmGrphOpts(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::frmGrphOpts>()) {
  ui_->setupUi(this);
  setObjectName("TfrmGrphOpts");
  MakeToolWindow(*this);
  connect(ui_->btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmGrphOpts::~TfrmGrphOpts() = default;

void TfrmGrphOpts::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnParent(*this);
}

bool TfrmGrphOpts::Edit(std::uint8_t& options) {
  Check(options);
  if (exec() != QDialog::Accepted) return false;
  options = Checked();
  return true;
}

std::uint8_t TfrmGrphOpts::Checked() const {
  std::uint8_t set = 0;
  for (const auto& [box, bit] : Boxes(*ui_))
    if (box->isChecked()) set |= bit;
  return set;
}

void TfrmGrphOpts::Check(std::uint8_t options) {
  for (const auto& [box, bit] : Boxes(*ui_)) box->setChecked((options & bit) != 0);
}

}  // namespace tfd
