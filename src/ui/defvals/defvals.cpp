#include "ui/defvals/defvals.h"

#include <QRadioButton>

#include "ui/common/Centre.h"
#include "ui/widgets/SpinEdit.h"
#include "ui_defvals.h"

namespace tfd {

TfrmDefValues::TfrmDefValues(TDefaultValues& values, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmDefValues>()), values_(values) {
  ui_->setupUi(this);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  technology_ = {ui_->rbTechnology0, ui_->rbTechnology1, ui_->rbTechnology2};
  source_ = {ui_->rbSource0, ui_->rbSource1, ui_->rbSource2, ui_->rbSource3,
             ui_->rbSource4, ui_->rbSource5, ui_->rbSource6, ui_->rbSource7};
  // The window takes the stored values over once; the spin edits hold them
  // within their bounds, so a fresh start shows 10 tons and walking MP 1.
  technology_.value(values_.Technology, technology_.first())->setChecked(true);
  source_.value(values_.Source, source_.first())->setChecked(true);
  ui_->sedtTonnage->setValue(values_.Tonnage);
  ui_->sedtWalkMP->setValue(values_.WalkMP);

  connect(ui_->sedtTonnage, &TSpinEdit::focusOut, this, [this] { sedtTonnage_Exit(); });
  connect(ui_->sedtTonnage, &TSpinEdit::editingFinished, this, [this] { sedtTonnage_Exit(); });
  connect(ui_->btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
  connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmDefValues::~TfrmDefValues() = default;

void TfrmDefValues::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwner(this);
}

void TfrmDefValues::sedtTonnage_Exit() {
  // The text as typed: a number beyond the bounds is clamped first.
  ui_->sedtTonnage->interpretText();
  const int tons = ui_->sedtTonnage->value();
  const int rounded = NearestMultipleOfFive(tons);
  if (rounded != tons) ui_->sedtTonnage->setValue(rounded);
}

void TfrmDefValues::btnOK_Click() {
  sedtTonnage_Exit();
  for (int i = 0; i < technology_.size(); ++i)
    if (technology_[i]->isChecked()) values_.Technology = static_cast<std::uint8_t>(i);
  for (int i = 0; i < source_.size(); ++i)
    if (source_[i]->isChecked()) values_.Source = static_cast<std::uint8_t>(i);
  values_.Tonnage = static_cast<std::uint8_t>(ui_->sedtTonnage->value());
  values_.WalkMP = static_cast<std::uint8_t>(ui_->sedtWalkMP->value());
  values_.Chosen = true;
  accept();
}

}  // namespace tfd
