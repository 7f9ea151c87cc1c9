#pragma once
// The configuration menu of the battle-value and cost windows: "Fixed",
// "Primary", "Alternate A" .. "Alternate Z", the design's current one checked
// when it opens.

#include <QMenu>
#include <functional>

class QAbstractButton;

namespace tfd {

class TMech;

// A configuration button as every page and window shows it: the current
// configuration's name, enabled only on an Omni design.
void ShowConfigButton(QAbstractButton& button, const TMech& design);

class TConfigChoiceMenu : public QMenu {
  Q_OBJECT

 public:
  // `current` tells the index to check when the menu opens.
  TConfigChoiceMenu(std::function<int()> current, QWidget* parent);

  // The entry of configuration `index` (0..27).
  QAction* Entry(int index) const;

 signals:
  void chosen(int index);

 private:
  std::function<int()> current_;
};

}  // namespace tfd
