#include "ui/Errs/Errs.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui_Errs.h"

namespace tfd {

TfrmErrorRpt::TfrmErrorRpt(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui_(std::make_unique<Ui::frmErrorRpt>()) {
  ui_->setupUi(this);
  setModal(false);
  setAutoFillBackground(true);
  ui_->lbToAlloc->setAutoFillBackground(true);
  connect(ui_->btnClose, &QPushButton::clicked, this, &QWidget::hide);
}

TfrmErrorRpt::~TfrmErrorRpt() = default;

QListWidget* TfrmErrorRpt::list() const { return ui_->lbToAlloc; }

void TfrmErrorRpt::showReport(bool activate) {
  if (!isVisible()) {
    if (!placed_) centre();
    placed_ = true;
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
  }
  raise();
  if (activate) activateWindow();
}

void TfrmErrorRpt::setLoadWarnings(const QString& fileName, const QStringList& warnings) {
  QListWidget* list = ui_->lbToAlloc;
  for (; loadRows_ > 0 && list->count() > 0; --loadRows_) delete list->takeItem(0);
  loadRows_ = 0;
  if (warnings.isEmpty()) return;
  list->insertItem(0, fileName);
  for (const QString& w : warnings) list->insertItem(++loadRows_, "    " + w);
  ++loadRows_;
}

void TfrmErrorRpt::setColors(QColor text, QColor back) {
  QPalette pal = palette();
  for (const auto role : {QPalette::WindowText, QPalette::Text}) pal.setColor(role, text);
  for (const auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase})
    pal.setColor(role, back);
  setPalette(pal);
  ui_->lbToAlloc->setPalette(pal);
  // The button keeps the usual button colours so it still looks like one.
  ui_->btnClose->setPalette(QGuiApplication::palette());
}

void TfrmErrorRpt::reject() {
  // Escape hides the window like Close; nothing is discarded.
  hide();
}

void TfrmErrorRpt::centre() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame(QPoint(), size());
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

}  // namespace tfd
