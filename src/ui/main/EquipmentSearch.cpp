#include "ui/main/EquipmentSearch.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "model/Weapon.h"
#include "ui/main/EquipmentDelegate.h"

namespace tfd {

TEquipmentSearch::TEquipmentSearch(QListWidget& list, QAbstractButton& add)
    : QObject(&list), list_(list), add_(add) {
  field_ = new QLineEdit(list.parentWidget());
  field_->setObjectName("edtFindEquipment");
  field_->setPlaceholderText(tr("Find equipment by name or abbreviation"));
  field_->setClearButtonEnabled(true);
  if (auto* layout = qobject_cast<QBoxLayout*>(list.parentWidget()->layout())) {
    const int at = layout->indexOf(&list);
    if (at >= 0) layout->insertWidget(at, field_);
  } else {
    // The list sits in a nested layout: find the one that holds it.
    for (QBoxLayout* box : list.parentWidget()->findChildren<QBoxLayout*>()) {
      const int at = box->indexOf(&list);
      if (at >= 0) {
        box->insertWidget(at, field_);
        break;
      }
    }
  }
  connect(field_, &QLineEdit::textChanged, this, [this] { Apply(); });
  connect(field_, &QLineEdit::returnPressed, this, [this] { AddMatch(); });
  // A rebuilt list is filtered again once the rebuild is done.
  connect(list.model(), &QAbstractItemModel::rowsInserted, this,
          [this] { QTimer::singleShot(0, this, [this] { Apply(); }); });
}

void TEquipmentSearch::Apply() {
  const QString text = field_->text().trimmed();
  for (int row = 0; row < list_.count(); ++row) {
    QListWidgetItem* item = list_.item(row);
    bool match = text.isEmpty() || item->text().contains(text, Qt::CaseInsensitive);
    if (!match) {
      const auto* record = item->data(roleRecord).value<const TWepInfo*>();
      match = record && QString::fromStdString(record->Info.Abbrev).contains(text, Qt::CaseInsensitive);
    }
    item->setHidden(!match);
  }
  // A choice that the filter hides is no choice.
  if (list_.currentItem() && list_.currentItem()->isHidden()) list_.setCurrentItem(nullptr);
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
