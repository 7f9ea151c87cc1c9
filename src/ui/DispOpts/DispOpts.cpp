#include "ui/DispOpts/DispOpts.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

#include "equipment/Database.h"
#include "ui/common/Centre.h"
#include "ui/common/ColorDialogSeam.h"
#include "ui/common/MessageSeam.h"
#include "ui/common/SystemColors.h"
#include "ui/widgets/StatusLight.h"
#include "ui_DispOpts.h"

namespace tfd {

namespace {

QIcon SwatchIcon(const QColor& color, QSize size) {
  QPixmap picture(size);
  picture.fill(color);
  QPainter p(&picture);
  p.setPen(Qt::black);
  p.drawRect(0, 0, size.width() - 1, size.height() - 1);
  return QIcon(picture);
}

}  // namespace

TfrmDispOpts::TfrmDispOpts(TColorSchemeStore& store, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmDispOpts>()), store_(store) {
  ui_->setupUi(this);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  swatches_ = {ui_->shpTextF,  ui_->shpEditF,    ui_->shpTextB,    ui_->shpEditB,    ui_->shpGaugeN,
               ui_->shpGaugeE, ui_->shpGraphHtP, ui_->shpGraphHtD, ui_->shpGraphDmgP};
  for (std::size_t i = 0; i < swatches_.size(); ++i)
    connect(swatches_[i], &QToolButton::clicked, this, [this, i] { PickColor(i); });
  working_ = StartupColorSet();

  connect(ui_->cbSchemes, &QComboBox::currentTextChanged, this,
          [this](const QString& t) { cbSchemes_Change(t); });
  connect(ui_->btnNew, &QPushButton::clicked, this, [this] { btnNew_Click(); });
  connect(ui_->btnUpdate, &QPushButton::clicked, this, [this] { btnUpdate_Click(); });
  connect(ui_->btnDelete, &QPushButton::clicked, this, [this] { btnDelete_Click(); });
  connect(ui_->btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
  connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ui_->tbSpeed, &QSlider::valueChanged, this, [this](int position) { tbSpeed_Change(position); });
  connect(&preview_, &QTimer::timeout, this, [this] { AdvancePreview(); });
  ui_->imgPreview->setFrame(0, 0);
}

TfrmDispOpts::~TfrmDispOpts() = default;

void TfrmDispOpts::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwner(this);
  if (!store_.Available()) ReportStoreError(QString::fromStdString(store_.Error()));
  PaintSwatches();
  FillSchemes();
  filling_ = true;
  ui_->cbSchemes->setEditText(QString());
  filling_ = false;
  ui_->tbSpeed->setValue(ErrorLightPosition(speed_));
  tbSpeed_Change(ui_->tbSpeed->value());
}

void TfrmDispOpts::hideEvent(QHideEvent* event) {
  StopPreview();
  QDialog::hideEvent(event);
}

void TfrmDispOpts::PaintSwatches() {
  const TDisplayColors colors = ResolveColorSet(working_, QApplication::palette());
  for (std::size_t i = 0; i < swatches_.size(); ++i)
    swatches_[i]->setIcon(SwatchIcon(colors.Colors[i], swatches_[i]->iconSize()));
}

void TfrmDispOpts::FillSchemes() {
  QStringList names = {QString::fromUtf8(kStandardSchemeName), QString::fromUtf8(kWindows95SchemeName)};
  for (const std::string& name : store_.Names()) names << QString::fromStdString(name);
  // The box keeps its entries in alphabetical order.
  std::stable_sort(names.begin(), names.end(),
                   [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  filling_ = true;
  const QString text = ui_->cbSchemes->currentText();
  ui_->cbSchemes->clear();
  ui_->cbSchemes->addItems(names);
  ui_->cbSchemes->setCurrentIndex(-1);
  ui_->cbSchemes->setEditText(text);
  filling_ = false;
}

void TfrmDispOpts::cbSchemes_Change(const QString& text) {
  if (filling_) return;
  working_ = store_.Choose(text.toStdString());
  PaintSwatches();
}

void TfrmDispOpts::PickColor(std::size_t index) {
  const QColor current = ResolveColorSet(working_, QApplication::palette()).Colors[index];
  const QColor chosen = TColorDialogSeam::GetColor(this, current);
  if (!chosen.isValid()) return;
  working_[index] = ColorRef(chosen);
  PaintSwatches();
}

void TfrmDispOpts::btnNew_Click() {
  std::vector<std::string> names;
  for (int i = 0; i < ui_->cbSchemes->count(); ++i)
    names.push_back(ui_->cbSchemes->itemText(i).toStdString());
  filling_ = true;
  ui_->cbSchemes->setCurrentIndex(-1);
  ui_->cbSchemes->setEditText(QString::fromStdString(NextNewSchemeName(names)));
  filling_ = false;
  working_ = StandardColorSet();
  PaintSwatches();
}

void TfrmDispOpts::btnUpdate_Click() {
  const std::string name = ui_->cbSchemes->currentText().toStdString();
  if (IsBuiltInScheme(name)) return;
  if (!store_.Available()) {
    ReportStoreError(QString::fromStdString(store_.Error()));
    return;
  }
  try {
    store_.Store(name, working_);
  } catch (const TDatabaseError& e) {
    ReportStoreError(QString::fromUtf8(e.what()));
  }
  FillSchemes();
}

void TfrmDispOpts::btnDelete_Click() {
  try {
    store_.Delete(ui_->cbSchemes->currentText().toStdString());
  } catch (const TDatabaseError& e) {
    ReportStoreError(QString::fromUtf8(e.what()));
  }
  FillSchemes();
  filling_ = true;
  ui_->cbSchemes->setCurrentIndex(0);
  filling_ = false;
  working_ = StandardColorSet();
  PaintSwatches();
}

void TfrmDispOpts::btnOK_Click() {
  speed_ = ErrorLightSpeed(ui_->tbSpeed->value());
  StopPreview();
  btnUpdate_Click();
  accept();
}

void TfrmDispOpts::tbSpeed_Change(int position) {
  if (position == 0) {
    StopPreview();
    return;
  }
  // The same interval as the main window's light at that speed.
  preview_.setInterval(ErrorLightSpeed(position) * 10);
  if (!preview_.isActive()) preview_.start();
}

void TfrmDispOpts::AdvancePreview() {
  previewFrame_ = previewFrame_ % 12 + 1;
  ui_->imgPreview->setFrame(0, previewFrame_);
}

void TfrmDispOpts::StopPreview() {
  preview_.stop();
  previewFrame_ = 0;
  ui_->imgPreview->setFrame(0, 0);
}

void TfrmDispOpts::ReportStoreError(const QString& text) {
  if (!store_.Available()) {
    if (unavailableReported_) return;
    unavailableReported_ = true;
  }
  TMessageSeam::Error(this, text.isEmpty() ? tr("The colour-scheme table cannot be opened.") : text);
}

}  // namespace tfd
