#pragma once
// The Weapons tab: equipment picked from the lists of the equipment table by
// category and technology and added to a location, the rear, a turret or the
// BIN; the configuration's items and the slots of the chosen location.

#include <QWidget>
#include <memory>

class QButtonGroup;
class QMenu;
class QListWidgetItem;

namespace Ui {
class WeaponsPage;
}

namespace tfd {

class IDesignHost;
class TComponentMenus;
class TConfiguration;
class TMech;
class TWepInfo;
class TWeapon;

class TWeaponsPage : public QWidget {
  Q_OBJECT

 public:
  TWeaponsPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent = nullptr);
  ~TWeaponsPage() override;

  // The Weapons section of the refresh; a tab change (the page control as
  // sender) also rebuilds the equipment list.
  void Refresh(QObject* sender);

  // The commands, also for tests.
  void AddChosenItem();
  void DeleteChosenItem();
  // The equipment row chosen in lbWepType, or null.
  const TWepInfo* ChosenRecord() const;
  TWeapon* ChosenPlacedItem() const;
  // A new design starts on the energy weapons.
  void PressEnergy();
  // The equipment list built again for the category, ammunition and technology chosen.
  void FillEquipmentList();

 private:
  void CreateLocationMenu();
  void OnCategoryClicked();
  void SetUpEdits();
  void OnPlacedItemChosen();
  void OnSlotChosen();
  void ChooseDefaultLocation();
  void OnLocationButton(int location);
  void OnDirectionChosen(int direction);
  int PressedCategory() const;
  void FillSlotList();
  void FillPlacedList();
  void PlaceHeadings();
  // The parts of the refresh.
  void ChooseListTechnology(TMech& m);
  bool RefreshCategories(QObject* sender);
  void EnableLocations(const TMech& m);
  void PressMountLocation(TMech& m);
  void ShowCaptions(const TMech& m);
  void ShowFreeSlots(const TConfiguration& c);

  std::unique_ptr<Ui::WeaponsPage> ui_;
  IDesignHost& host_;
  QButtonGroup* categories_ = nullptr;
  QButtonGroup* locations_ = nullptr;
  QMenu* pmLocation_ = nullptr;
  int slotListLocation_ = -1;  // the location lbLocation shows (-2 the BIN)
  bool filling_ = false;       // a list is being rebuilt
};

}  // namespace tfd
