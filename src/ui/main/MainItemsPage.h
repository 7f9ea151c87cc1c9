#pragma once
// The Main Items tab: rules level, options, chassis components, movement, heat
// sinks and the level-3 items, with every weight the rules pass computes.

#include <QWidget>

#include "ui_MainItemsPage.h"

namespace tfd {

class IDesignHost;
class TComponentMenus;

class TMainItemsPage : public QWidget {
  Q_OBJECT

 public:
  TMainItemsPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent = nullptr);

  // The Main Items section of the refresh.
  void Refresh();
  // Copies the edits and the two check boxes into the design; true when a value changed.
  bool StoreControls();
  // The Main Items commit: store, rules pass and refresh of this page.
  void Commit();

  Ui::MainItemsPage ui;

 private:
  void OnClearWeapons();
  void OnMovementEdited(TSpinEdit* edit);
  void OnTonnageLeft();
  void OnHeatSinksLeft();
  void OnArrowStep(TSpinEdit* edit, int steps);
  void OnMiscFlagClicked(int bit);
  QString StepName(const TSpinEdit* edit) const;
  // A typed number changed the design: the step is named after its edit.
  void Modified(const TSpinEdit* edit);

  IDesignHost& host_;
};

}  // namespace tfd
