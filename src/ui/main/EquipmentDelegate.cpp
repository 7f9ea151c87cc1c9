#include "ui/main/EquipmentDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <array>

#include "model/Weapon.h"
#include "ui/common/Formats.h"

namespace tfd {

namespace {

// Right edges of the columns for a font whose digits are 6 pixels wide: the
// name column holds the longest name, each figure column its heading or its
// widest figure ("25/20/10", seven-digit costs) and a small gap, so the list
// and the slot blocks beside it fit a window 1024 pixels wide.
constexpr std::array<int, ecCount> kRight = {160, 190, 220, 268, 296, 326, 354, 384, 412, 440, 490};

double Scale(const QFontMetrics& m) { return m.horizontalAdvance(QLatin1Char('0')) / 6.0; }
int Scaled(int x, const QFontMetrics& m) { return static_cast<int>(x * Scale(m) + 0.5); }

// The gap between the cost column and the entry's right edge.
constexpr int kRightGap = 4;

int NaturalTextWidth(const QFontMetrics& m) { return Scaled(kRight[ecCost], m) + kRightGap; }

}  // namespace

int ColumnRight(EEquipmentColumn column, const QFontMetrics& m, int textWidth) {
  const int spare = std::max(0, textWidth - NaturalTextWidth(m));
  return Scaled(kRight[static_cast<std::size_t>(column)], m) + spare;
}

int EntryTextWidth(const QAbstractItemView& list) { return list.viewport()->width() - 4; }

int NameColumnWidth(const QFontMetrics& m, int textWidth) {
  return ColumnRight(ecTons, m, textWidth) - m.horizontalAdvance(QStringLiteral("000.00")) - 4;
}

int PlacedLocationLeft(const QFontMetrics& m) { return Scaled(158, m); }
int SlotTextLeft(const QFontMetrics& m) { return Scaled(25, m); }
int SlotRearLeft(const QFontMetrics& m) { return Scaled(19, m); }

TEquipmentDelegate::TEquipmentDelegate(EKind kind, std::function<QColor()> background, QObject* parent)
    : QStyledItemDelegate(parent), kind_(kind), background_(std::move(background)) {}

TEquipmentDelegate* TEquipmentDelegate::Install(QAbstractItemView& list, EKind kind,
                                                std::function<QColor()> background) {
  auto* delegate = new TEquipmentDelegate(kind, std::move(background), &list);
  list.setItemDelegate(delegate);
  list.viewport()->installEventFilter(delegate);
  return delegate;
}

bool TEquipmentDelegate::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    // The list's own background would show below the last entry.
    QPainter p(static_cast<QWidget*>(watched));
    p.fillRect(static_cast<QPaintEvent*>(event)->rect(), background_());
  } else if (event->type() == QEvent::Resize) {
    const auto* resize = static_cast<QResizeEvent*>(event);
    if (resize->size().width() != resize->oldSize().width()) emit widthChanged();
  }
  return false;  // the list paints its entries and takes the event as usual
}

QSize TEquipmentDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize s = QStyledItemDelegate::sizeHint(option, index);
  if (kind_ == EKind::Equipment) s.setWidth(ColumnRight(ecCost, option.fontMetrics) + 8);
  return s;
}

namespace {

// An equipment entry's figures, each right-aligned in its column; ammunition
// shows only its damage, battle value and cost.
void DrawFigures(QPainter& p, const QRect& r, const QFontMetrics& fm, const TWepInfoStruct& w) {
  const int textWidth = r.width();
  auto right = [&](EEquipmentColumn column, const QString& s) {
    p.drawText(QRect(r.left(), r.top(), ColumnRight(column, fm, textWidth), r.height()),
               Qt::AlignRight | Qt::AlignVCenter, s);
  };
  if (!IsAmmunition(w.SaveNum)) {
    right(ecTons, FormatFixed(w.Tons, 2));
    right(ecSlots, QString::number(w.Crits));
    right(ecHeat, QString::number(w.Heat));
    right(ecMin, QString::number(w.MinRange));
    right(ecShort, QString::number(w.ShortRange));
    right(ecMedium, QString::number(w.MediumRange));
    right(ecLong, QString::number(w.LongRange));
    right(ecExtreme, QString::number(2 * w.MediumRange));
  }
  right(ecDamage, QString::fromStdString(w.DamageText));
  right(ecBV, QString::number(w.BV));
  right(ecCost, FormatFixed(w.Cost, 0));
}

}  // namespace

void TEquipmentDelegate::paint(QPainter* p, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  const QPalette& pal = option.palette;
  p->save();
  p->fillRect(option.rect, selected ? pal.color(QPalette::Highlight) : background_());
  p->setPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
  const QFontMetrics& fm = option.fontMetrics;
  const QRect r = option.rect.adjusted(2, 0, -2, 0);
  const QString text = index.data(Qt::DisplayRole).toString();
  auto left = [&](int x, const QString& s, int width) {
    p->drawText(QRect(r.left() + x, r.top(), width, r.height()), Qt::AlignLeft | Qt::AlignVCenter, s);
  };

  switch (kind_) {
    case EKind::Equipment: {
      const auto* info = index.data(roleRecord).value<const TWepInfo*>();
      const int nameWidth = NameColumnWidth(fm, r.width());
      left(0, fm.elidedText(text, Qt::ElideRight, nameWidth), nameWidth);
      if (!info) break;
      DrawFigures(*p, r, fm, info->Info);
      break;
    }
    case EKind::Placed: {
      const int at = PlacedLocationLeft(fm);
      left(0, fm.elidedText(text, Qt::ElideRight, at - 4), at - 4);
      left(at, index.data(roleLocationText).toString(), r.width() - at);
      break;
    }
    case EKind::Slots: {
      const int slot = index.data(roleSlot).toInt();
      if (slot <= 0) {  // a BIN entry: the text alone
        left(0, text, r.width());
        break;
      }
      left(0, QString::number((slot - 1) % 6 + 1) + ".", SlotRearLeft(fm));
      if (index.data(roleRear).toBool())
        left(SlotRearLeft(fm), QStringLiteral("*"), fm.horizontalAdvance('*') + 2);
      left(SlotTextLeft(fm), text, r.width() - SlotTextLeft(fm));
      break;
    }
    case EKind::Bin: left(0, text, r.width()); break;
  }
  p->restore();
}

}  // namespace tfd
