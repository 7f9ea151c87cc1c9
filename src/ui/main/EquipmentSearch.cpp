#include "ui/main/EquipmentSearch.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "model/Mech.h"
#include "model/Weapon.h"
#include "ui/main/EquipmentDelegate.h"

namespace tfd {

namespace {

const TWepInfo* RecordOf(const QListWidgetItem* item) {
  return item ? item->data(roleRecord).value<const TWepInfo*>() : nullptr;
}

bool Matches(const TWepInfo& info, const QString& text) {
  return QString::fromStdString(info.Info.Name).contains(text, Qt::CaseInsensitive) ||
         QString::fromStdString(info.Info.Abbrev).contains(text, Qt::CaseInsensitive);
}

// Puts `row` into the layout that holds `list`, just above it.
void InsertAbove(QListWidget& list, QWidget* row) {
  QWidget* parent = list.parentWidget();
  QList<QBoxLayout*> boxes = parent->findChildren<QBoxLayout*>();
  if (auto* own = qobject_cast<QBoxLayout*>(parent->layout())) boxes.prepend(own);
  for (QBoxLayout* box : boxes) {
    const int at = box->indexOf(&list);
    if (at < 0) continue;
    box->insertWidget(at, row);
    return;
  }
}

}  // namespace

std::vector<const TWepInfo*> OfferedEquipment(const TEquipmentLists& lists, ECategory category,
                                              std::uint8_t filter, bool ammunition) {
  std::vector<const TWepInfo*> offered;
  for (const auto& info : lists.For(category, filter, ammunition))
    if ((info->Info.Tech & filter) == filter) offered.push_back(info.get());
  return offered;
}

bool CategoryOffered(const TMech& m, ECategory category) {
  return category != catElectronics || m.RulesLevel != rlIS1;
}

QListWidgetItem* AddEquipmentEntry(QListWidget& list, const TWepInfo& info) {
  auto* item = new QListWidgetItem(QString::fromStdString(info.Info.Name), &list);
  item->setData(roleRecord, QVariant::fromValue<const TWepInfo*>(&info));
  return item;
}

TEquipmentSearch::TEquipmentSearch(QListWidget& list, QAbstractButton& add, TSources sources)
    : QObject(&list), list_(list), add_(add), sources_(std::move(sources)) {
  auto* row = new QWidget(list.parentWidget());
  row->setObjectName("pnlFindEquipment");
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  field_ = new QLineEdit(row);
  field_->setObjectName("edtFindEquipment");
  field_->setPlaceholderText(tr("Find equipment by name or abbreviation"));
  field_->setAccessibleName(tr("Find equipment"));
  field_->setClearButtonEnabled(true);
  all_ = new QCheckBox(tr("All categories"), row);
  all_->setObjectName("chkFindAll");
  all_->setToolTip(tr("Search the lists of every category, weapons and ammunition"));
  layout->addWidget(field_, 1);
  layout->addWidget(all_);
  InsertAbove(list, row);

  connect(field_, &QLineEdit::textChanged, this, [this] { Apply(); });
  connect(field_, &QLineEdit::returnPressed, this, [this] { AddMatch(); });
  connect(all_, &QCheckBox::toggled, this, [this] { Apply(); });
  // A rebuilt list is filtered again once the rebuild is done: once, however
  // many rows it inserted.
  connect(list.model(), &QAbstractItemModel::rowsInserted, this, [this] {
    if (filling_ || applyPending_) return;
    applyPending_ = true;
    QTimer::singleShot(0, this, [this] {
      applyPending_ = false;
      Apply();
    });
  });
}

void TEquipmentSearch::Apply() {
  const QString text = field_->text().trimmed();
  if (all_->isChecked() && !text.isEmpty() && sources_.Everything) {
    ShowEveryMatch(text);
    return;
  }
  if (showingAll_) {
    // Back to the tab's own list; its rebuild filters it again.
    showingAll_ = false;
    if (sources_.Rebuild) sources_.Rebuild();
  }
  for (int row = 0; row < list_.count(); ++row) {
    QListWidgetItem* item = list_.item(row);
    const TWepInfo* record = RecordOf(item);
    item->setHidden(!text.isEmpty() &&
                    !(record ? Matches(*record, text) : item->text().contains(text, Qt::CaseInsensitive)));
  }
  // A choice that the filter hides is no choice.
  if (list_.currentItem() && list_.currentItem()->isHidden()) list_.setCurrentItem(nullptr);
}

void TEquipmentSearch::ShowEveryMatch(const QString& text) {
  const TWepInfo* chosen = list_.currentItem() ? RecordOf(list_.currentItem()) : nullptr;
  filling_ = true;
  showingAll_ = true;
  list_.clear();
  QListWidgetItem* again = nullptr;
  for (const TWepInfo* info : sources_.Everything()) {
    if (!Matches(*info, text)) continue;
    QListWidgetItem* item = AddEquipmentEntry(list_, *info);
    if (info == chosen) again = item;
  }
  list_.setCurrentItem(again);
  filling_ = false;
}

void TEquipmentSearch::AddMatch() {
  QListWidgetItem* only = nullptr;
  int shown = 0;
  for (int row = 0; row < list_.count(); ++row)
    if (!list_.item(row)->isHidden()) {
      only = list_.item(row);
      ++shown;
    }
  if (shown == 1) list_.setCurrentItem(only);
  if (list_.currentItem() && !list_.currentItem()->isHidden() && add_.isEnabled()) add_.click();
}

}  // namespace tfd
