#include "ui/Errs/Errs.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

#include "rules/Validation.h"
#include "ui_Errs.h"

namespace tfd {

namespace {

constexpr int kFindingRole = Qt::UserRole;  // index of the finding a line shows; absent on other lines

QString SeverityWord(std::uint8_t severity) { return severity >= svError ? "Error" : "Warning"; }

}  // namespace

QString FindingCounts(int errors, int warnings) {
  if (errors == 0 && warnings == 0) return "No errors or warnings";
  QStringList parts;
  if (errors > 0) parts << QString("%1 error%2").arg(errors).arg(errors == 1 ? "" : "s");
  if (warnings > 0) parts << QString("%1 warning%2").arg(warnings).arg(warnings == 1 ? "" : "s");
  return parts.join(", ");
}

TfrmErrorRpt::TfrmErrorRpt(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui_(std::make_unique<Ui::frmErrorRpt>()) {
  ui_->setupUi(this);
  setModal(false);
  setAutoFillBackground(true);
  ui_->lbToAlloc->setAutoFillBackground(true);
  // Long lines wrap rather than hide behind a scroll bar.
  ui_->lbToAlloc->setWordWrap(true);
  ui_->lbToAlloc->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ui_->lbToAlloc->setResizeMode(QListView::Adjust);
  connect(ui_->btnClose, &QPushButton::clicked, this, &QWidget::hide);
  connect(ui_->lbToAlloc, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* line) {
    const int index = findingOf(line);
    if (index >= 0) emit findingActivated(index);
  });
  // Return on a line does what a double click does (and does not close the window).
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* open = new QShortcut(QKeySequence(key), ui_->lbToAlloc, nullptr, nullptr, Qt::WidgetShortcut);
    connect(open, &QShortcut::activated, this, [this] {
      const int index = findingOf(ui_->lbToAlloc->currentItem());
      if (index >= 0) emit findingActivated(index);
    });
  }
}

TfrmErrorRpt::~TfrmErrorRpt() = default;

QListWidget* TfrmErrorRpt::list() const { return ui_->lbToAlloc; }

int TfrmErrorRpt::findingOf(const QListWidgetItem* line) {
  if (!line) return -1;
  const QVariant index = line->data(kFindingRole);
  return index.isValid() ? index.toInt() : -1;
}

void TfrmErrorRpt::setFindings(const TFindings& findings) {
  QListWidget* list = ui_->lbToAlloc;
  QStringList lines;
  for (const TFinding& f : findings)
    lines << SeverityWord(f.Severity) + ": " + QString::fromStdString(f.Message);
  // The same lines stay as they are, so the user's place in the list survives
  // the refresh after every edit.
  QStringList shown;
  for (int row = 0; row < list->count(); ++row)
    if (findingOf(list->item(row)) >= 0) shown << list->item(row)->text();
  if (shown != lines) {
    for (int row = list->count() - 1; row >= 0; --row)
      if (findingOf(list->item(row)) >= 0) delete list->takeItem(row);
    int index = 0;
    for (const TFinding& f : findings) {
      auto* line = new QListWidgetItem(lines[index], list);
      line->setData(kFindingRole, index);
      line->setToolTip(f.Severity >= svError ? "Breaks a construction rule"
                                             : "Legal, but probably not intended");
      ++index;
    }
  }
  const int errors = findings.Count(svError), warnings = findings.Count(svWarning);
  setWindowTitle(errors + warnings == 0 ? QString("Error Report")
                                        : QString("Error Report (%1)").arg(FindingCounts(errors, warnings)));
}

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
