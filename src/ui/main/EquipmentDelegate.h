#pragma once
// How the lists of the Weapons tab draw their entries: the equipment list in
// columns (name, tons, slots, heat, damage, the ranges, battle value, cost),
// the placed items with their location, the slots with their numbers. One
// table of column edges, scaled by the font, serves the list and its headings;
// the figures keep to the right edge and the name takes the rest of the width.
// The whole list is filled with the entries' background, below the last one too.

#include <QColor>
#include <QMetaType>
#include <QStyledItemDelegate>
#include <functional>

#include "model/Weapon.h"

class QAbstractItemView;
class QFontMetrics;

namespace tfd {

// Data roles of the list entries.
enum : int {
  roleRecord = Qt::UserRole + 1,  // const TWepInfo*
  roleItem,                       // TWeapon*
  roleSlot,                       // slot number 1..12
  roleRear,                       // the slot's item is rear-mounted
  roleLocationText,               // the item's location abbreviation
};

// The columns of the equipment list, left to right after the name.
enum EEquipmentColumn {
  ecTons,
  ecSlots,
  ecHeat,
  ecDamage,
  ecMin,
  ecShort,
  ecMedium,
  ecLong,
  ecExtreme,
  ecBV,
  ecCost,
  ecCount
};
// Where a column's right-aligned text ends, from the left edge of an entry's
// text; `textWidth` is that text's width in the list (0: as narrow as it gets).
int ColumnRight(EEquipmentColumn column, const QFontMetrics& metrics, int textWidth = 0);
// The width of an entry's text in a list.
int EntryTextWidth(const QAbstractItemView& list);
// How wide the name column is.
int NameColumnWidth(const QFontMetrics& metrics, int textWidth);
// Where a placed item's location text, and a slot's text, begin.
int PlacedLocationLeft(const QFontMetrics& metrics);
int SlotTextLeft(const QFontMetrics& metrics);
int SlotRearLeft(const QFontMetrics& metrics);

class TEquipmentDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  enum class EKind { Equipment, Placed, Slots, Bin };
  TEquipmentDelegate(EKind kind, std::function<QColor()> background, QObject* parent);
  // Draws the entries of `list` and fills the list with their background.
  static TEquipmentDelegate* Install(QAbstractItemView& list, EKind kind, std::function<QColor()> background);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 signals:
  // The list the delegate was installed on changed its width.
  void widthChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  EKind kind_;
  std::function<QColor()> background_;
};

}  // namespace tfd

// List entries carry the equipment row and the item they stand for as typed
// pointers.
Q_DECLARE_METATYPE(const tfd::TWepInfo*)
Q_DECLARE_METATYPE(tfd::TWeapon*)
