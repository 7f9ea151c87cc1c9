#pragma once
// The Main Items tab: rules level, options, chassis components, movement, heat
// sinks and the level-3 items, with every weight the rules pass computes.

#include <QWidget>
#include <memory>

namespace Ui {
class MainItemsPage;
}

namespace tfd {

class IDesignHost;
class TComponentMenus;
class TMech;
class TSpinEdit;

class TMainItemsPage : public QWidget {
  Q_OBJECT

 public:
  TMainItemsPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent = nullptr);
  ~TMainItemsPage() override;

  // The Main Items section of the refresh.
  void Refresh();
  // Copies the edits and the two check boxes into the design; true when a value changed.
  bool StoreControls();
  // The Main Items commit: store, rules pass and refresh of this page.
  void Commit();
  // Whether the armour type button is down (its menu is up).
  bool ArmorButtonDown() const;

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
  // The parts of the refresh.
  void EnableByRules(const TMech& m);
  void ShowComponents(const TMech& m);
  void ShowEdits(const TMech& m);
  void ShowWeights(const TMech& m);
  void ShowArmorAndMiscItems(const TMech& m);

  std::unique_ptr<Ui::MainItemsPage> ui_;
  IDesignHost& host_;
};

}  // namespace tfd
