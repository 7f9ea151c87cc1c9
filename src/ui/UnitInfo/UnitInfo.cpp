#include "ui/UnitInfo/UnitInfo.h"

#include <QActionGroup>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QWidgetAction>

#include "model/UnitRoster.h"
#include "ui/common/Formats.h"
#include "ui_UnitInfo.h"

namespace tfd {

namespace {

struct TForceColumn {
  const char* heading;
  std::uint8_t first, last;
};
constexpr TForceColumn kColumns[] = {{"Inner Sphere", 16, 20}, {"Clan", 32, 36}, {"Comstar", 64, 67}};

}  // namespace

TfrmUnitInfo::TfrmUnitInfo(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::frmUnitInfo>()) {
  ui_->setupUi(this);
  BuildOrganizationMenu();
  connect(ui_->btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmUnitInfo::~TfrmUnitInfo() = default;

// One menu entry that holds the three force types side by side, each a
// column of entries; one choice for the whole unit.
void TfrmUnitInfo::BuildOrganizationMenu() {
  menu_ = new QMenu(this);
  menu_->setObjectName("pmOrganization");
  group_ = new QActionGroup(this);
  // No entry is checked while no organisation is chosen.
  group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  auto* columns = new QWidget(menu_);
  auto* grid = new QGridLayout(columns);
  grid->setContentsMargins(6, 6, 6, 6);
  grid->setHorizontalSpacing(12);
  int column = 0;
  for (const TForceColumn& c : kColumns) {
    auto* heading = new QLabel(c.heading, columns);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, column);
    int row = 1;
    for (int code = c.first; code <= c.last; ++code) {
      auto* entry = new QAction(Text(OrganizationName(static_cast<std::uint8_t>(code))), this);
      entry->setObjectName(QString("miOrganization%1").arg(code));
      entry->setCheckable(true);
      entry->setData(code);
      group_->addAction(entry);
      connect(entry, &QAction::triggered, this, [this, entry] {
        ChooseOrganization(static_cast<std::uint8_t>(entry->data().toInt()));
        menu_->hide();
      });
      auto* button = new QToolButton(columns);
      button->setDefaultAction(entry);
      button->setAutoRaise(true);
      button->setToolButtonStyle(Qt::ToolButtonTextOnly);
      button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
      grid->addWidget(button, row++, column);
    }
    grid->setRowStretch(row, 1);
    ++column;
  }
  auto* holder = new QWidgetAction(menu_);
  holder->setDefaultWidget(columns);
  menu_->addAction(holder);
  ui_->btnOrganization->setMenu(menu_);
}

QAction* TfrmUnitInfo::OrganizationEntry(std::uint8_t code) const {
  return findChild<QAction*>(QString("miOrganization%1").arg(code));
}

void TfrmUnitInfo::SetValues(std::uint8_t organization, const QString& designation,
                             const QString& affiliation, const QString& parentUnit) {
  organization_ = organization;
  ui_->edtDesignation->setText(designation);
  ui_->cbAffiliation->setEditText(affiliation);
  ui_->cbParentUnit->setEditText(parentUnit);
  for (QAction* a : group_->actions()) a->setChecked(a->data().toInt() == organization);
  ShowOrganization();
}

QString TfrmUnitInfo::Designation() const { return ui_->edtDesignation->text(); }
QString TfrmUnitInfo::Affiliation() const { return ui_->cbAffiliation->currentText(); }
QString TfrmUnitInfo::ParentUnit() const { return ui_->cbParentUnit->currentText(); }

void TfrmUnitInfo::ChooseOrganization(std::uint8_t code) {
  organization_ = code;
  if (QAction* entry = OrganizationEntry(code)) entry->setChecked(true);
  ShowOrganization();
}

// A code without a name (none chosen yet) leaves the button's last text.
void TfrmUnitInfo::ShowOrganization() {
  const std::string_view text = OrganizationButtonText(organization_);
  if (!text.empty()) ui_->btnOrganization->setText(Text(text));
}

void TfrmUnitInfo::showEvent(QShowEvent* event) {
  ShowOrganization();
  QDialog::showEvent(event);
}

}  // namespace tfd
