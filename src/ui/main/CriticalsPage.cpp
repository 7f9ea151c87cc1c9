#include "ui/main/CriticalsPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QDrag>
#include <QIODevice>
#include <QLabel>
#include <QMainWindow>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QToolButton>

#include "model/CritAlloc.h"
#include "model/Enums.h"
#include "model/Mech.h"
#include "model/Rounding.h"
#include "model/Weapon.h"
#include "rules/ComponentRules.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"
#include "ui/common/Accessibility.h"
#include "ui/common/ConfigChoiceMenu.h"
#include "ui/common/DisplayColors.h"
#include "ui/common/Formats.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/ActuatorNotice.h"
#include "ui/main/ComponentMenus.h"
#include "ui/main/DesignHost.h"
#include "ui/main/EquipmentDelegate.h"
#include "ui/widgets/Gauge.h"
#include "ui/widgets/StatusLight.h"
#include "ui_CriticalsPage.h"

namespace tfd {

namespace {

constexpr const char* kDragFormat = "application/x-titanframe-slot-item";
constexpr int kMountRole = Qt::UserRole + 1;  // "R" rear, "T" turret, drawn at the right edge

const QColor kArmouredTint(205, 218, 236);

bool IsArm(int location) { return location == locRightArm || location == locLeftArm; }

// Rows of equal height, a rule under each slot, a heavier one between the two
// halves of a twelve-slot location (where the slot captions start again at 1),
// and the free slot a drag would land on filled with the highlight colour.
class TSlotDelegate : public QStyledItemDelegate {
 public:
  explicit TSlotDelegate(TSlotList& list) : QStyledItemDelegate(&list), list_(list) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), list_.RowHeight()};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (index.row() == list_.DropRow()) {
      QColor fill = option.palette.color(QPalette::Highlight);
      fill.setAlpha(90);
      painter->fillRect(option.rect, fill);
    }
    QStyledItemDelegate::paint(painter, option, index);
    if (list_.IsBin()) return;
    painter->save();
    const QString mount = index.data(kMountRole).toString();
    if (!mount.isEmpty()) {
      painter->setPen(option.palette.color(
          option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
      painter->drawText(option.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                        "(" + mount + ")");
    }
    QColor rule = option.palette.color(QPalette::Mid);
    painter->setPen(rule);
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    if (index.row() == 5 && list_.count() > 6) {
      painter->setPen(QPen(option.palette.color(QPalette::Dark), 2));
      painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    }
    painter->restore();
  }

 private:
  TSlotList& list_;
};

// What a drag of a slot item carries within the program: the item and the
// list it left. A drag from elsewhere carries plain data and is refused.
class TSlotDragData final : public QMimeData {
 public:
  TSlotDragData(const TWeapon* item, const QWidget* source) : Item(item), Source(source) {
    setData(kDragFormat, QByteArray());
  }
  const TWeapon* const Item;
  const QWidget* const Source;
};

// The text of a slot: the fixed item's name, the equipment's abbreviation, or
// for equipment the table has no abbreviation for (custom items) the item's own.
QString SlotText(const TSlot& slot, bool quad, const TEquipmentIndex& index) {
  if (slot.Code == ciEmpty) return {};
  const std::string name = CritName(slot.Code, quad, index);
  if (!name.empty()) return QString::fromStdString(name);
  if (slot.Item)
    return QString::fromStdString(slot.Item->Abbrev.empty() ? slot.Item->Name : slot.Item->Abbrev);
  return QStringLiteral("Item %1").arg(slot.Code);
}

QString MountingNote(const TWeapon& item, bool quad) {
  const int code = item.Location;
  QString note =
      QString::fromStdString(item.Name) + " (" + QString::fromStdString(LocationAbbrev(code, quad)) + ")";
  if (code & lcRear) note += ", rear-mounted";
  if (code & lcTurret) note += ", turret-mounted";
  return note;
}

// One slot's entry: its text; own equipment in bold; the fixed equipment an
// alternate carries, which cannot be moved there, in grey italics; chassis
// items plain; armoured slots tinted, so they read without the buttons.
void ShowSlotEntry(const QListWidget& list, QListWidgetItem& entry, const TSlot& s, bool quad,
                   const TEquipmentIndex& index, bool own, bool fixedCopy, bool armoured) {
  const QString text = SlotText(s, quad, index);
  if (entry.text() != text) entry.setText(text);
  QFont font = list.font();
  font.setBold(own);
  font.setItalic(fixedCopy);
  if (entry.font() != font) entry.setFont(font);
  const QBrush brush = fixedCopy ? list.palette().brush(QPalette::Disabled, QPalette::Text) : QBrush();
  if (entry.foreground() != brush) entry.setForeground(brush);
  const QBrush back = armoured ? QBrush(kArmouredTint) : QBrush();
  if (entry.background() != back) entry.setBackground(back);
  const QString mount = !s.Item                         ? QString()
                        : (s.Item->Location & lcRear)   ? QStringLiteral("R")
                        : (s.Item->Location & lcTurret) ? QStringLiteral("T")
                                                        : QString();
  if (entry.data(kMountRole).toString() != mount) entry.setData(kMountRole, mount);
  QString tip;
  if (s.Item)
    tip = MountingNote(*s.Item, quad) +
          (fixedCopy ? TCriticalsPage::tr(": fixed equipment, not movable here") : QString());
  if (armoured) tip = (tip.isEmpty() ? entry.text() : tip) + TCriticalsPage::tr(" [armored]");
  if (entry.toolTip() != tip) entry.setToolTip(tip);
}

}  // namespace

// ---- the slot list ----

TSlotList::TSlotList(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new TSlotDelegate(*this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragDropMode(QAbstractItemView::NoDragDrop);  // drags move items in the design, not rows
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setUniformItemSizes(true);
  setSpacing(0);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextElideMode(Qt::ElideRight);
  SetRowHeight(fontMetrics().height() + 4);
}

void TSlotList::SetRowHeight(int height) {
  rowHeight_ = height;
  doItemsLayout();
}

void TSlotList::FitRows(int rows) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFixedHeight(rowHeight_ * rows + 2 * frameWidth());
}

void TSlotList::mousePressEvent(QMouseEvent* event) {
  pressRow_ = event->button() == Qt::LeftButton ? indexAt(event->position().toPoint()).row() : -1;
  pressPos_ = event->position().toPoint();
  QListWidget::mousePressEvent(event);
}

void TSlotList::mouseMoveEvent(QMouseEvent* event) {
  if ((event->buttons() & Qt::LeftButton) && pressRow_ >= 0 &&
      (event->position().toPoint() - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
    const int row = pressRow_;
    pressRow_ = -1;
    if (sheet_ && sheet_->MayDrag(*this, row)) {
      sheet_->StartDrag(*this, row);
      // The drag loop swallowed the button's release: the view is not left
      // believing the button is still down.
      setState(NoState);
      return;
    }
  }
  // A press on a slot that cannot be dragged selects, as a click does; no
  // rubber band, no selection following the pointer.
  if (!(event->buttons() & Qt::LeftButton)) QListWidget::mouseMoveEvent(event);
}

void TSlotList::Judge(QDropEvent* event) {
  const int row = indexAt(event->position().toPoint()).row();
  const bool accepted = sheet_ && sheet_->MayDrop(event->mimeData(), *this, row);
  if (accepted) {
    event->setDropAction(Qt::MoveAction);
    event->accept();
  } else {
    event->ignore();
  }
  SetDropRow(accepted && !IsBin() ? row : -1);
}

void TSlotList::dragEnterEvent(QDragEnterEvent* event) {
  Judge(event);
  // Qt sends the moves only after an accepted enter: a drag of ours that
  // enters over a taken row is still welcome, and each row is judged as the
  // pointer moves on.
  if (!event->isAccepted() && sheet_ && event->mimeData() && event->mimeData()->hasFormat(kDragFormat))
    event->accept();
}

void TSlotList::dragMoveEvent(QDragMoveEvent* event) { Judge(event); }

void TSlotList::dragLeaveEvent(QDragLeaveEvent* event) {
  SetDropRow(-1);
  event->accept();
}

void TSlotList::dropEvent(QDropEvent* event) {
  SetDropRow(-1);
  const int row = indexAt(event->position().toPoint()).row();
  if (!sheet_ || !sheet_->MayDrop(event->mimeData(), *this, row)) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::MoveAction);
  event->accept();
  sheet_->Drop(event->mimeData(), *this, row);
}

void TSlotList::focusInEvent(QFocusEvent* event) {
  QListWidget::focusInEvent(event);
  if (sheet_) sheet_->ListFocused(*this);
}

void TSlotList::SetDropRow(int row) {
  if (row == dropRow_) return;
  dropRow_ = row;
  viewport()->update();
}

// ---- the page ----

TCriticalsPage::TCriticalsPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::CriticalsPage>()), host_(host) {
  ui_->setupUi(this);
  setObjectName("pgCriticals");

  lists_ = {ui_->lbCS_H,  ui_->lbCS_CT, ui_->lbCS_RT, ui_->lbCS_LT,
            ui_->lbCS_RA, ui_->lbCS_LA, ui_->lbCS_RL, ui_->lbCS_LL};
  headings_ = {ui_->lblCS_H,  ui_->lblCS_CT, ui_->lblCS_RT, ui_->lblCS_LT,
               ui_->lblCS_RA, ui_->lblCS_LA, ui_->lblCS_RL, ui_->lblCS_LL};
  caseButtons_ = {ui_->btnCASE_H,  ui_->btnCASE_CT, ui_->btnCASE_RT, ui_->btnCASE_LT,
                  ui_->btnCASE_RA, ui_->btnCASE_LA, ui_->btnCASE_RL, ui_->btnCASE_LL};
  QBoxLayout* const slotColumns[] = {ui_->laySlots_H,  ui_->laySlots_CT, ui_->laySlots_RT, ui_->laySlots_LT,
                                     ui_->laySlots_RA, ui_->laySlots_LA, ui_->laySlots_RL, ui_->laySlots_LL};
  const char* const codes[] = {"H", "CT", "RT", "LT", "RA", "LA", "RL", "LL"};

  const int rowHeight = std::max(18, fontMetrics().height() + 4);
  for (int loc = 0; loc < kLocationCount; ++loc) {
    TSlotList* list = lists_[static_cast<std::size_t>(loc)];
    list->SetLocation(loc);
    list->SetSheet(this);
    list->SetRowHeight(rowHeight);
    // The buttons start where the list's first row does.
    slotColumns[loc]->setContentsMargins(0, list->frameWidth(), 0, 0);
    for (int slot = 1; slot <= TCritAlloc::kMaxSlots; ++slot) {
      auto* button = findChild<QToolButton*>(QStringLiteral("btn%1_%2").arg(codes[loc]).arg(slot));
      slotButtons_[static_cast<std::size_t>(loc)][static_cast<std::size_t>(slot - 1)] = button;
      if (!button) continue;
      button->setFixedSize(rowHeight + 4, rowHeight);
      connect(button, &QToolButton::clicked, this,
              [this, loc, slot](bool on) { OnSlotButtonClicked(loc, slot, on); });
    }
    connect(caseButtons_[static_cast<std::size_t>(loc)], &QToolButton::clicked, this,
            [this, loc] { OnCaseClicked(loc); });
  }
  ui_->lbCS_BIN->SetLocation(TSlotList::kBin);
  ui_->lbCS_BIN->SetSheet(this);
  ui_->lbCS_BIN->SetRowHeight(rowHeight);

  actuatorBoxes_ = {ui_->chkRA_HA, ui_->chkRA_LAA, ui_->chkLA_HA, ui_->chkLA_LAA};
  for (int i = 0; i < 4; ++i)
    connect(actuatorBoxes_[static_cast<std::size_t>(i)], &QCheckBox::clicked, this,
            [this, i] { OnActuatorClicked(i); });
  connect(ui_->chkLmtCrits, &QCheckBox::clicked, this, [this] { OnMiscFlagClicked(mfLimiting); });
  connect(ui_->chkArmless, &QCheckBox::clicked, this, [this] { OnMiscFlagClicked(mfArmless); });

  ui_->btnCritConfig->setMenu(menus.pmConfig);
  ui_->GaugeCritTng->setKind(TGauge::EKind::Pie);
  ui_->GuageCritCrits->setKind(TGauge::EKind::Pie);
  connect(ui_->Image4, &TStatusLight::clicked, this, [this] { host_.ShowErrorReport(); });

  // Rearranging and optimising the sheet have no command yet.
  for (QPushButton* b : {ui_->btnOptimize, ui_->btnMoveUp, ui_->btnMoveDn}) b->setEnabled(false);
  connect(ui_->btnCritDelete, &QPushButton::clicked, this, [this] { OnDeleteClicked(); });
}

TCriticalsPage::~TCriticalsPage() = default;

TSlotList* TCriticalsPage::List(int location) const {
  if (location == TSlotList::kBin) return ui_->lbCS_BIN;
  if (location < 0 || location >= kLocationCount) return nullptr;
  return lists_[static_cast<std::size_t>(location)];
}

QToolButton* TCriticalsPage::SlotButton(int location, int slot) const {
  if (location < 0 || location >= kLocationCount || slot < 1 || slot > TCritAlloc::kMaxSlots) return nullptr;
  return slotButtons_[static_cast<std::size_t>(location)][static_cast<std::size_t>(slot - 1)];
}

TWeapon* TCriticalsPage::ItemAt(const TSlotList& list, int row) const {
  if (row < 0 || row >= list.count()) return nullptr;
  if (list.IsBin()) return list.item(row)->data(kBinItemRole).value<TWeapon*>();
  return host_.Design().Config->Crits.SlotAt(list.Location(), row + 1).Item;
}

// ---- dragging ----

QMimeData* TCriticalsPage::DragData(TWeapon* item, const QWidget& source) {
  return new TSlotDragData(item, &source);
}

bool TCriticalsPage::Decode(const QMimeData* mime, TWeapon*& item, const TSlotList*& source) const {
  const auto* p = dynamic_cast<const TSlotDragData*>(mime);
  if (!p) return false;
  // Only our own lists, and only an item the configuration still owns: the
  // pointers are compared, never followed, until they are known.
  source = nullptr;
  for (const TSlotList* list : lists_)
    if (list == p->Source) source = list;
  if (ui_->lbCS_BIN == p->Source) source = ui_->lbCS_BIN;
  if (!source) return false;
  const TMech& m = host_.Design();
  for (const auto& own : m.Config->Items)
    if (own.get() == p->Item) {
      item = own.get();
      return true;
    }
  return false;
}

bool TCriticalsPage::MayDrag(const TSlotList& list, int row) const {
  if (host_.Refreshing()) return false;
  return IsOwnItem(host_.Design(), ItemAt(list, row));
}

void TCriticalsPage::StartDrag(TSlotList& list, int row) {
  TWeapon* item = ItemAt(list, row);
  if (!item || dragging_) return;
  auto* drag = new QDrag(&list);  // the drag machinery disposes of it
  drag->setMimeData(DragData(item, list));
  const QString name = QString::fromStdString(item->Name);
  const QFontMetrics fm(list.font());
  QPixmap picture(fm.horizontalAdvance(name) + 12, list.RowHeight());
  picture.fill(list.palette().color(QPalette::Highlight));
  {
    QPainter p(&picture);
    p.setPen(list.palette().color(QPalette::HighlightedText));
    p.drawText(picture.rect(), Qt::AlignCenter, name);
  }
  drag->setPixmap(picture);
  drag->setHotSpot(QPoint(6, list.RowHeight() / 2));
  // Nothing rebuilds the lists while the drag runs: the drop only changes the
  // design, and the sheet is shown again once the drag is over.
  dragging_ = true;
  pending_ = {};
  drag->exec(Qt::MoveAction);
  dragging_ = false;
  FinishDrop();
}

bool TCriticalsPage::MayDrop(const QMimeData* mime, const TSlotList& target, int row) const {
  if (host_.Refreshing()) return false;
  TWeapon* item = nullptr;
  const TSlotList* source = nullptr;
  if (!Decode(mime, item, source)) return false;
  // The BIN takes only what comes from a location.
  if (target.IsBin()) return !source->IsBin() && !(item->Location & lcBin);
  if (row < 0 || row >= target.count()) return false;
  return MayDropOnSlot(*host_.Design().Config, target.Location(), row + 1);
}

void TCriticalsPage::Drop(const QMimeData* mime, TSlotList& target, int row) {
  TWeapon* item = nullptr;
  const TSlotList* source = nullptr;
  if (!Decode(mime, item, source)) return;
  TMech& m = host_.Design();
  pending_.Step = tr("Move %1").arg(QString::fromStdString(item->Name));
  if (target.IsBin()) {
    MoveToBin(m, item);
    pending_.Changed = true;
  } else if (const auto actuators = m.Config->Actuators;
             MoveItem(m, item, target.Location(), row + 1) == EPlacement::Placed) {
    pending_.Changed = true;
    ReportDisplacedActuators(this, actuators, m.Config->Actuators);
  } else {
    pending_.Refused = true;
  }
  // A drop without a drag of ours running (another list's drag loop, or an
  // event sent by hand) is finished at once.
  if (!dragging_) FinishDrop();
}

void TCriticalsPage::FinishDrop() {
  const TDropOutcome outcome = pending_;
  pending_ = {};
  if (outcome.Refused) TMessageSeam::Warn(this, "Warning", Text(PlacementMessage(EPlacement::WontFit)));
  if (!outcome.Changed) return;
  host_.NameStep(outcome.Step);
  host_.SetModified();
  host_.Recalc(rqWeights);
  host_.RefreshPages(pgCriticals, this);
}

void TCriticalsPage::ListFocused(TSlotList& list) {
  if (lastFocused_ && lastFocused_ != &list) lastFocused_->clearSelection();
  lastFocused_ = &list;
}

// ---- commands ----

void TCriticalsPage::OnCaseClicked(int location) {
  if (host_.Refreshing()) return;
  TMech& m = host_.Design();
  std::uint8_t& kind = m.Config->CaseKind[static_cast<std::size_t>(location)];
  const std::uint8_t before = kind;
  // A kind that finds no free slot is passed over for the next one.
  bool passedOver = false;
  std::uint8_t wanted = before;
  for (;;) {
    wanted = NextCaseKind(m.RulesLevel, location, wanted);
    kind = wanted;
    host_.Recalc(rqCase);
    if (kind == wanted || wanted == caseNone) break;
    passedOver = true;
  }
  if (kind != before) {
    host_.NameStep(tr("Set CASE in %1").arg(Text(LocationName(location, m.IsQuad()))));
    host_.SetModified();
  }
  host_.RefreshPages(pgMain | pgCriticals, this);
  if (passedOver && kind == caseNone)
    TMessageSeam::Warn(this, "Warning", Text(PlacementMessage(EPlacement::LocationFull)));
}

void TCriticalsPage::OnSlotButtonClicked(int location, int slot, bool on) {
  if (host_.Refreshing()) return;
  TMech& m = host_.Design();
  TCritAlloc& crits = m.Config->Crits;
  const double before = crits.ArmouredWeight();
  const bool wasArmoured = crits.ArmouredAt(location, slot);
  crits.SetArmoured(location, slot, on);
  host_.Recalc(rqCase);
  host_.RefreshPages(pgMain | pgCriticals, this);
  if (crits.ArmouredAt(location, slot) != wasArmoured || crits.ArmouredWeight() != before) {
    host_.NameStep(tr("Toggle Armored Slot"));
    host_.SetModified();
  }
}

void TCriticalsPage::OnActuatorClicked(int index) {
  if (host_.Refreshing()) return;
  TMech& m = host_.Design();
  auto& act = m.Config->Actuators;  // right hand, right lower arm, left hand, left lower arm
  const auto before = act;
  SetActuator(act, index, actuatorBoxes_[static_cast<std::size_t>(index)]->isChecked());
  m.Config->Crits.SetActuators(act);
  host_.Recalc(rqChassis | rqCase);
  host_.RefreshPages(pgCriticals, this);
  if (act == before) return;
  // In the order of the boxes: right hand, right lower arm, left hand, left lower arm.
  const char* const steps[] = {
      QT_TR_NOOP("Toggle Right Hand Actuator"), QT_TR_NOOP("Toggle Right Lower Arm Actuator"),
      QT_TR_NOOP("Toggle Left Hand Actuator"), QT_TR_NOOP("Toggle Left Lower Arm Actuator")};
  host_.NameStep(tr(steps[index]));
  host_.SetModified();
}

void TCriticalsPage::OnMiscFlagClicked(int bit) {
  if (host_.Refreshing()) return;
  TMech& m = host_.Design();
  const std::int16_t before = m.MiscFlags;
  m.MiscFlags = static_cast<std::int16_t>(m.MiscFlags ^ bit);
  // The rules pass moves equipment out of the slots Armless or Limiting takes away.
  host_.Recalc(rqChassis | rqCase);
  host_.RefreshPages(pgMain | pgCriticals, this);
  if (m.MiscFlags == before) return;
  host_.NameStep(
      tr("Toggle %1").arg((bit == mfArmless ? ui_->chkArmless : ui_->chkLmtCrits)->text().remove('&')));
  host_.SetModified();
}

void TCriticalsPage::OnDeleteClicked() {
  if (host_.Refreshing() || !lastFocused_) return;
  const int row = lastFocused_->currentRow();
  if (row < 0 || !lastFocused_->item(row)->isSelected()) return;
  TMech& m = host_.Design();
  TWeapon* item = ItemAt(*lastFocused_, row);
  if (!IsOwnItem(m, item)) return;  // a free slot, a chassis item or the fixed equipment of an alternate
  host_.NameStep(tr("Delete %1").arg(QString::fromStdString(item->Name)));
  DeleteItem(m, item);
  host_.SetModified();
  host_.Recalc(rqWeights);
  host_.RefreshPages(pgCriticals, this);
}

void TCriticalsPage::ShowStatus(const QString& text) {
  if (auto* window = qobject_cast<QMainWindow*>(this->window()))
    window->statusBar()->showMessage(text, 10000);
}

// ---- the refresh ----

void TCriticalsPage::Refresh(QObject* sender) {
  (void)sender;
  TMech& m = host_.Design();
  const TConfiguration& c = *m.Config;
  const std::uint8_t lv = m.RulesLevel;
  const bool level3 = IsLevel3(lv);
  const bool quad = m.IsQuad();
  const bool armless = m.MiscFlags & mfArmless;

  // Slots, their lists, their buttons.
  RefreshSlots(quad, armless);

  // Actuators and the two switches.
  for (std::size_t i = 0; i < 4; ++i) actuatorBoxes_[i]->setChecked(c.Actuators[i] != 0);
  ui_->chkArmless->setChecked(armless);
  ui_->chkLmtCrits->setChecked(m.MiscFlags & mfLimiting);

  // The configuration.
  ShowConfigButton(*ui_->btnCritConfig, m);

  // CASE by rules level; the actuators unless the arms are legs or gone.
  for (int loc = 0; loc < kLocationCount; ++loc) {
    const bool torso = loc >= locCenterTorso && loc <= locLeftTorso;
    caseButtons_[static_cast<std::size_t>(loc)]->setEnabled(
        torso ? (lv & (rlIS2 | rlIS3 | rlClan3 | rlMixed3)) != 0 : level3);
  }
  for (QCheckBox* box : actuatorBoxes_) box->setEnabled(!quad && !armless);

  // Headings.
  RefreshHeadings(quad);

  // Weights of the sheet.
  ui_->lblArmrCptTng->setText(FormatSlotSheetTonnage(c.ArmouredWeight));
  ui_->lblCASETng->setText(FormatSlotSheetTonnage(c.CaseWeight));

  // Level 3 switches.
  ui_->chkArmless->setEnabled(ArmlessAllowed(m));
  ui_->chkLmtCrits->setEnabled(level3);

  // Tonnage left.
  const TDisplayColors& colors = host_.Colors();
  SetGauge(*ui_->GaugeCritTng, m.Tonnage * 10, static_cast<int>(Round(m.Weights[wFree] * 10)),
           colors[dcGaugeN], colors[dcGaugeE]);

  // The BIN.
  RefreshBin();
}

void TCriticalsPage::RefreshSlots(bool quad, bool armless) {
  TMech& m = host_.Design();
  const TConfiguration& c = *m.Config;
  const TCritAlloc& crits = c.Crits;
  const bool level3 = IsLevel3(m.RulesLevel);
  const bool alternate = c.Parent && m.IsOmni();
  int free = 0, total = 0;
  for (int loc = 0; loc < kLocationCount; ++loc) {
    TSlotList* list = lists_[static_cast<std::size_t>(loc)];
    const int rows = crits.UsableSlots(loc);
    const bool hidden = armless && IsArm(loc);
    // The list keeps its entries (and its selection) and only changes texts.
    while (list->count() > rows) delete list->takeItem(list->count() - 1);
    while (list->count() < rows) list->addItem(QString());
    for (int slot = 1; slot <= rows; ++slot) {
      const TSlot s = crits.SlotAt(loc, slot);
      QListWidgetItem* entry = list->item(slot - 1);
      const bool own = s.Item && c.Items.IndexOf(s.Item) >= 0;
      ShowSlotEntry(*list, *entry, s, quad, *m.Equipment, own, s.Item && !own && alternate,
                    crits.ArmouredAt(loc, slot));
      if (!hidden) {
        ++total;
        if (s.Code == ciEmpty) ++free;
      }
    }
    list->FitRows(rows);
    list->setVisible(!hidden);
    for (int slot = 1; slot <= TCritAlloc::kMaxSlots; ++slot) {
      QToolButton* button = SlotButton(loc, slot);
      if (!button) continue;
      button->setVisible(!hidden && slot <= rows);
      button->setEnabled(level3);
      button->setChecked(crits.ArmouredAt(loc, slot));
    }
  }
  for (int loc : {locRightArm, locLeftArm}) {
    headings_[static_cast<std::size_t>(loc)]->setVisible(!armless);
    caseButtons_[static_cast<std::size_t>(loc)]->setVisible(!armless);
  }
  const TDisplayColors& colors = host_.Colors();
  SetGauge(*ui_->GuageCritCrits, total, free, colors[dcGaugeN], colors[dcGaugeE]);
  ui_->GuageCritCrits->setToolTip(tr("%1 of %2 slots free (% of Criticals Remaining)").arg(free).arg(total));
}

void TCriticalsPage::RefreshHeadings(bool quad) {
  const TMech& m = host_.Design();
  const bool mixed = m.IsMixed();
  for (int loc = 0; loc < kLocationCount; ++loc) {
    const std::uint8_t kind = m.Config->CaseKind[static_cast<std::size_t>(loc)];
    const QString caseName = Text(CaseName(kind, mixed));
    QString heading = Text(LocationName(loc, quad));
    if (!caseName.isEmpty()) {
      const QString shortName = loc == locHead ? QStringLiteral("Head") : Text(LocationShortName(loc, quad));
      heading = shortName + " (" + caseName + ")";
    }
    headings_[static_cast<std::size_t>(loc)]->setText(heading);
    NameLocationControls(loc, Text(LocationName(loc, quad)), caseName);
  }
}

// A screen reader names a location's controls by the location: its slot
// list, its CASE button (whose caption is a bare "C") and its slot armouring boxes.
void TCriticalsPage::NameLocationControls(int loc, const QString& location, const QString& caseName) {
  const auto at = static_cast<std::size_t>(loc);
  NameForReaders(*lists_[at], tr("%1 slots").arg(location));
  NameForReaders(*caseButtons_[at], caseName.isEmpty() ? tr("%1 CASE: none").arg(location)
                                                       : tr("%1 CASE: %2").arg(location, caseName));
  for (std::size_t slot = 0; slot < slotButtons_[at].size(); ++slot)
    if (QToolButton* button = slotButtons_[at][slot])
      NameForReaders(*button, tr("%1 slot %2 armored").arg(location).arg(slot + 1));
}

void TCriticalsPage::RefreshBin() {
  TMech& m = host_.Design();
  TSlotList* bin = ui_->lbCS_BIN;
  const bool useBin = host_.UseBin();
  ui_->Panel2->setVisible(!useBin);
  bin->setVisible(useBin);
  const TWeapon* selected =
      bin->currentRow() >= 0 && bin->currentItem()->isSelected() ? ItemAt(*bin, bin->currentRow()) : nullptr;
  bin->clear();
  int binCount = 0;
  for (const auto& item : m.Config->Items) {
    if (item->Location != lcBin) continue;
    ++binCount;
    if (!useBin) continue;
    auto* entry = new QListWidgetItem(QString::fromStdString(item->Name), bin);
    entry->setData(kBinItemRole, QVariant::fromValue(item.get()));
    if (item.get() == selected) {
      bin->setCurrentItem(entry);
      entry->setSelected(true);
    }
  }
  ui_->lblBinHint->setText(
      binCount == 0
          ? tr("The BIN is off. Turn on Options, Use BIN to keep items off the sheet.")
          : tr("The BIN is off and holds %n item(s). Turn on Options, Use BIN to see them.", "", binCount));
}

}  // namespace tfd
