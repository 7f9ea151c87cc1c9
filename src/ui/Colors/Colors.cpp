#include "ui/Colors/Colors.h"

#include <QLabel>

#include "ui/common/Centre.h"
#include "ui/common/ColorApplier.h"
#include "ui/common/ColorDialogSeam.h"
#include "ui/widgets/SpinEdit.h"
#include "ui_Colors.h"

namespace tfd {

namespace {

// What a fresh start shows before any colour is stored: black on white.
constexpr std::array<int, 3> kDefaultText = {0, 0, 0};
constexpr std::array<int, 3> kDefaultBack = {255, 255, 255};

QColor ColorOf(const std::array<int, 3>& c) { return QColor(c[0], c[1], c[2]); }

void SetBackground(QWidget* w, const QColor& color) {
  QPalette p;
  p.setColor(QPalette::Window, color);
  w->setPalette(p);
}

}  // namespace

TfrmColor::TfrmColor(THtmlSettings& settings, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmColor>()), settings_(settings) {
  ui_->setupUi(this);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  text_ = {ui_->sedtTextR, ui_->sedtTextG, ui_->sedtTextB};
  back_ = {ui_->sedtBackR, ui_->sedtBackG, ui_->sedtBackB};
  for (TSpinEdit* edit :
       {ui_->sedtTextR, ui_->sedtTextG, ui_->sedtTextB, ui_->sedtBackR, ui_->sedtBackG, ui_->sedtBackB}) {
    // The arrows follow the channel steps, not the plain step of 16.
    edit->setRouteSteps(true);
    connect(edit, &TSpinEdit::stepRequested, this, [this, edit](int steps) { StepChannel(edit, steps); });
    connect(edit, &TSpinEdit::editingFinished, this, [this] { RefreshColors(); });
  }
  connect(ui_->btnTextColor, &QPushButton::clicked, this, [this] { PickColor(text_); });
  connect(ui_->btnBackColor, &QPushButton::clicked, this, [this] { PickColor(back_); });
  connect(ui_->btnRefresh, &QPushButton::clicked, this, [this] { RefreshColors(); });
  connect(ui_->chkTexture, &QCheckBox::clicked, this, [this] { chkTexture_Click(); });
  connect(ui_->btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
  connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  // The sample keeps the page's colours in any display scheme.
  ui_->pnlSample->setProperty(kDisplayColorProperty, QStringLiteral("none"));
  for (QLabel* swatch : {ui_->shpText, ui_->shpBack})
    swatch->setProperty(kDisplayColorProperty, QStringLiteral("none"));
  LoadSettings();
}

TfrmColor::~TfrmColor() = default;

void TfrmColor::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwner(this);
  LoadSettings();
}

void TfrmColor::LoadSettings() {
  // An HTML import may have changed any of these since the window last showed.
  ui_->chkHeader->setChecked(settings_.IncludeHeader);
  ui_->chkFooter->setChecked(settings_.IncludeFooter);
  ui_->chkTexture->setChecked(settings_.UseTexture);
  ui_->edtTexture->setText(QString::fromStdString(settings_.Texture));
  chkTexture_Click();
  const auto text = ColorChannels(settings_.TextColor, kDefaultText);
  const auto back = ColorChannels(settings_.BackgroundColor, kDefaultBack);
  for (std::size_t i = 0; i < 3; ++i) {
    text_[i]->setValue(text[i]);
    back_[i]->setValue(back[i]);
  }
  RefreshColors();
}

std::array<int, 3> TfrmColor::TextChannels() const {
  return {text_[0]->value(), text_[1]->value(), text_[2]->value()};
}

std::array<int, 3> TfrmColor::BackChannels() const {
  return {back_[0]->value(), back_[1]->value(), back_[2]->value()};
}

void TfrmColor::RefreshColors() {
  QLabel* const labels[] = {ui_->lblTextR, ui_->lblTextG, ui_->lblTextB,
                            ui_->lblBackR, ui_->lblBackG, ui_->lblBackB};
  const auto text = TextChannels();
  const auto back = BackChannels();
  for (std::size_t i = 0; i < 3; ++i) {
    labels[i]->setText(QString::fromStdString(ColorText({text[i], 0, 0}).substr(0, 2)));
    labels[i + 3]->setText(QString::fromStdString(ColorText({back[i], 0, 0}).substr(0, 2)));
  }
  SetBackground(ui_->shpText, ColorOf(text));
  SetBackground(ui_->shpBack, ColorOf(back));
  QPalette sample;
  sample.setColor(QPalette::Window, ColorOf(back));
  sample.setColor(QPalette::WindowText, ColorOf(text));
  ui_->pnlSample->setPalette(sample);
}

void TfrmColor::StepChannel(TSpinEdit* edit, int steps) {
  int value = edit->value();
  for (int i = 0; i < std::abs(steps); ++i) value = steps > 0 ? ChannelStepUp(value) : ChannelStepDown(value);
  edit->setValue(value);
  RefreshColors();
}

void TfrmColor::PickColor(const TChannels& channels) {
  const std::array<int, 3> now = {channels[0]->value(), channels[1]->value(), channels[2]->value()};
  const QColor chosen = TColorDialogSeam::GetColor(this, ColorOf(now));
  if (!chosen.isValid()) return;
  channels[0]->setValue(chosen.red());
  channels[1]->setValue(chosen.green());
  channels[2]->setValue(chosen.blue());
  RefreshColors();
}

void TfrmColor::chkTexture_Click() {
  const bool on = ui_->chkTexture->isChecked();
  ui_->edtTexture->setEnabled(on);
  ui_->lblTexture->setEnabled(on);
}

void TfrmColor::btnOK_Click() {
  RefreshColors();
  settings_.IncludeHeader = ui_->chkHeader->isChecked();
  settings_.IncludeFooter = ui_->chkFooter->isChecked();
  settings_.UseTexture = ui_->chkTexture->isChecked();
  settings_.Texture = ui_->edtTexture->text().toStdString();
  settings_.TextColor = ColorText(TextChannels());
  settings_.BackgroundColor = ColorText(BackChannels());
  accept();
}

}  // namespace tfd
