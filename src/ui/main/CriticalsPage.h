#pragma once
// The Critical Sheet tab: the slots of all eight locations side by side, items
// dragged between slots and the BIN, CASE, armoured components, actuators and
// the Armless and Limiting switches.

#include <QListWidget>
#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QLabel;
class QMimeData;
class QToolButton;

namespace Ui {
class CriticalsPage;
}

namespace tfd {

class IDesignHost;
class TComponentMenus;
class TSlotList;
class TWeapon;

// What a slot list asks of its sheet while the user drags. The sheet knows
// the design; the list only knows rows and positions.
class ISlotSheet {
 public:
  virtual ~ISlotSheet() = default;
  // Whether the entry in `row` holds an item the user may drag away.
  virtual bool MayDrag(const TSlotList& list, int row) const = 0;
  // Starts dragging that item; returns when the drag is over.
  virtual void StartDrag(TSlotList& list, int row) = 0;
  // Whether what is dragged may be dropped on `row` of `target` (-1: no row).
  virtual bool MayDrop(const QMimeData* mime, const TSlotList& target, int row) const = 0;
  virtual void Drop(const QMimeData* mime, TSlotList& target, int row) = 0;
  virtual void ListFocused(TSlotList& list) = 0;
};

// One location's slots, or the BIN's items. Every row has the same height, so
// a list is exactly as tall as its slots and lines up with its slot buttons.
// Dragging starts after the platform's drag distance; whether a drop is taken
// is the sheet's decision, row by row.
class TSlotList : public QListWidget {
  Q_OBJECT

 public:
  static constexpr int kBin = -1;

  explicit TSlotList(QWidget* parent = nullptr);

  // The location shown (0..7), or kBin.
  int Location() const { return location_; }
  void SetLocation(int location) { location_ = location; }
  bool IsBin() const { return location_ == kBin; }
  void SetSheet(ISlotSheet* sheet) { sheet_ = sheet; }

  int RowHeight() const { return rowHeight_; }
  void SetRowHeight(int height);
  // Makes the list exactly tall enough for `rows` rows.
  void FitRows(int rows);
  // The free slot a drag would land on, drawn highlighted; -1 for none.
  int DropRow() const { return dropRow_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  // Accepts or refuses the drag at its position and marks the target row.
  void Judge(QDropEvent* event);
  void SetDropRow(int row);

  int location_ = kBin;
  ISlotSheet* sheet_ = nullptr;
  int rowHeight_ = 18;
  int pressRow_ = -1;
  QPoint pressPos_;
  int dropRow_ = -1;
};

class TCriticalsPage : public QWidget, private ISlotSheet {
  Q_OBJECT

 public:
  // The BIN list's entries hold their item (TWeapon*) in this role.
  static constexpr int kBinItemRole = Qt::UserRole;

  TCriticalsPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent = nullptr);
  ~TCriticalsPage() override;

  // The Critical Sheet section of the refresh.
  void Refresh(QObject* sender);

  // The slot list of a location (0..7), or the BIN's for TSlotList::kBin.
  TSlotList* List(int location) const;
  // The armoured-component button of a slot (1-based); null where there is none.
  QToolButton* SlotButton(int location, int slot) const;
  // The item shown in a row of a list: the occupant of that slot, or the BIN entry.
  TWeapon* ItemAt(const TSlotList& list, int row) const;
  // What a drag of `item` out of `source` carries.
  static QMimeData* DragData(TWeapon* item, const QWidget& source);

 private:
  struct TDropOutcome {
    bool Changed = false;
    bool Refused = false;
    QString Step;  // the undo step of the change
  };

  // ISlotSheet
  bool MayDrag(const TSlotList& list, int row) const override;
  void StartDrag(TSlotList& list, int row) override;
  bool MayDrop(const QMimeData* mime, const TSlotList& target, int row) const override;
  void Drop(const QMimeData* mime, TSlotList& target, int row) override;
  void ListFocused(TSlotList& list) override;

  // The dragged item and its list, when they are ours and still there.
  bool Decode(const QMimeData* mime, TWeapon*& item, const TSlotList*& source) const;
  // After the drag: the refusal box, the rules pass and the refresh.
  void FinishDrop();

  void OnCaseClicked(int location);
  void OnSlotButtonClicked(int location, int slot, bool on);
  void OnActuatorClicked(int index);
  void OnMiscFlagClicked(int bit);
  void OnDeleteClicked();
  void ShowStatus(const QString& text);

  void RefreshSlots(bool quad, bool armless);
  void RefreshHeadings(bool quad);
  void RefreshBin();
  void NameLocationControls(int loc, const QString& location, const QString& caseName);

  std::unique_ptr<Ui::CriticalsPage> ui_;
  IDesignHost& host_;
  std::array<TSlotList*, 8> lists_{};
  std::array<QLabel*, 8> headings_{};
  std::array<QToolButton*, 8> caseButtons_{};
  std::array<std::array<QToolButton*, 12>, 8> slotButtons_{};
  std::array<QCheckBox*, 4> actuatorBoxes_{};  // right hand, right lower arm, left hand, left lower arm
  TSlotList* lastFocused_ = nullptr;
  bool dragging_ = false;
  TDropOutcome pending_;
};

}  // namespace tfd
