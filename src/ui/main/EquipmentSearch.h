#pragma once
// The search field above the equipment list of the Weapons tab: typing hides
// the entries whose name and abbreviation both lack the text (case aside);
// Enter adds the only entry left, or the chosen one, as "Add" does. With "All
// categories" ticked the list shows the matches of every list the tab offers
// (weapons and ammunition of every category, under the technology chosen). An
// empty field shows the list as the tab built it.

#include <QObject>
#include <cstdint>
#include <functional>
#include <vector>

#include "equipment/EquipmentLists.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QAbstractButton;

namespace tfd {

class TMech;
class TWepInfo;

// The entries of one list that the Weapons tab offers under a technology filter.
std::vector<const TWepInfo*> OfferedEquipment(const TEquipmentLists& lists, ECategory category,
                                              std::uint8_t filter, bool ammunition);
// Whether the tab offers a category at the design's rules level: no electronics at level 1.
bool CategoryOffered(const TMech& m, ECategory category);
// An entry of the equipment list, its record beside its name.
QListWidgetItem* AddEquipmentEntry(QListWidget& list, const TWepInfo& info);

class TEquipmentSearch : public QObject {
  Q_OBJECT

 public:
  struct TSources {
    // Every entry of every list the tab offers now, list by list.
    std::function<std::vector<const TWepInfo*>()> Everything;
    // Builds the list again by the tab's own rules (category, ammunition, technology).
    std::function<void()> Rebuild;
  };

  // Adds the field and its "All categories" box above `list`; `add` is the tab's "Add" button.
  TEquipmentSearch(QListWidget& list, QAbstractButton& add, TSources sources);

  QLineEdit* Field() const { return field_; }
  QCheckBox* AllCategories() const { return all_; }
  // Hides what does not match the field, or shows the matches of every list;
  // the list calls it again whenever it is rebuilt.
  void Apply();

 private:
  void AddMatch();
  void ShowEveryMatch(const QString& text);

  QListWidget& list_;
  QAbstractButton& add_;
  TSources sources_;
  QLineEdit* field_ = nullptr;
  QCheckBox* all_ = nullptr;
  bool showingAll_ = false;  // the list holds the matches of every list, not the tab's own
  bool filling_ = false;
  bool applyPending_ = false;  // a rebuilt list waits for its one filtering
};

}  // namespace tfd
