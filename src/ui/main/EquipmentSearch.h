#pragma once
// The search field above the equipment list of the Weapons tab: typing hides
// the entries whose name and abbreviation both lack the text (case aside);
// Enter adds the only entry left, or the chosen one, as "Add" does. An empty
// field shows the list as the tab built it.

#include <QObject>

class QLineEdit;
class QListWidget;
class QAbstractButton;

namespace tfd {

class TEquipmentSearch : public QObject {
  Q_OBJECT

 public:
  // Adds the field above `list`; `add` is the tab's "Add" button.
  TEquipmentSearch(QListWidget& list, QAbstractButton& add);

  QLineEdit* Field() const { return field_; }
  // Hides what does not match the field; the list calls it again whenever it is rebuilt.
  void Apply();

 private:
  void AddMatch();

  QListWidget& list_;
  QAbstractButton& add_;
  QLineEdit* field_ = nullptr;
};

}  // namespace tfd
