// The Weapons tab as a player uses it: pick a category and an item, choose a
// location and direction, add, delete, and watch the lists follow.

#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "WindowTestKit.h"
#include "app/Startup.h"
#include "equipment/EquipmentLists.h"
#include "model/Mech.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/TfrmTFD.h"
#include "ui/main/WeaponsPage.h"
#include "ui/widgets/DropButton.h"
#include "ui/widgets/SpinEdit.h"

using namespace tfd;

namespace {

class WeaponsTab : public TWindowTest {
 protected:
  void SetUp() override {
    TWindowTest::SetUp();
    page = window->WeaponsPage();
  }
  void Level(const char* level) { Choose("pmTech", level); }
  void ShowWeapons() {
    auto* tabs = Find<QTabWidget>("pcMain");
    tabs->setCurrentWidget(Find<QWidget>("tsMain"));
    tabs->setCurrentWidget(Find<QWidget>("tsWeapons"));
  }
  void Category(const char* button) { Find<QToolButton>(button)->click(); }
  // Chooses an entry of the equipment list by its name.
  bool Pick(const QString& name) {
    auto* list = Find<QListWidget>("lbWepType");
    for (int i = 0; i < list->count(); ++i)
      if (list->item(i)->text() == name) {
        list->setCurrentRow(i);
        return true;
      }
    return false;
  }
  QString Chosen() {
    auto* item = Find<QListWidget>("lbWepType")->currentItem();
    return item ? item->text() : QString();
  }
  void Direction(const char* caption) {
    auto* menu = Find<QMenu>("pmLocation");
    emit menu->aboutToShow();
    for (QAction* a : menu->actions())
      if (a->text() == caption) a->trigger();
  }
  void Add() { Find<QPushButton>("btnAddWep")->click(); }
  QStringList Placed() {
    QStringList names;
    auto* list = Find<QListWidget>("lbWepList");
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
  }

  void ExpectConsistent() { EXPECT_TRUE(GridConsistent(Design())); }

  TWeaponsPage* page = nullptr;
};

}  // namespace

TEST_F(WeaponsTab, AddingAndDeletingFollowTheLists) {
  Level("Inner Sphere Level 2");
  ShowWeapons();
  EXPECT_TRUE(Find<QToolButton>("btnEnergy")->isChecked());
  EXPECT_FALSE(Find<QToolButton>("btnAmmo")->isEnabled());
  ASSERT_TRUE(Pick("Medium Laser"));
  Find<QToolButton>("btnLoc_RT")->click();
  EXPECT_EQ(Find<QLabel>("lblLocation")->text(), "Right Torso");
  const double freeBefore = Design().Weights[wFree];
  Add();
  ExpectConsistent();
  EXPECT_EQ(Placed(), QStringList{"Medium Laser"});
  EXPECT_DOUBLE_EQ(Design().Weights[wFree], freeBefore - 1.0);
  EXPECT_TRUE(window->Modified());
  // The slot shows the item's abbreviation.
  EXPECT_EQ(Find<QListWidget>("lbLocation")->item(0)->text(),
            QString::fromStdString(Design().Config->Items.AddrOf(0)->Abbrev));

  // Choosing the placed item shows its location and slot.
  Find<QToolButton>("btnLoc_H")->click();
  Find<QListWidget>("lbWepList")->setCurrentRow(0);
  EXPECT_EQ(Design().CurrentLocation, locRightTorso);
  EXPECT_EQ(Find<QListWidget>("lbLocation")->currentRow(), 0);

  Find<QPushButton>("btnDelWep")->click();
  ExpectConsistent();
  EXPECT_TRUE(Placed().isEmpty());
  EXPECT_DOUBLE_EQ(Design().Weights[wFree], freeBefore);
}

TEST_F(WeaponsTab, TargetingComputerIsOfferedAndPlacedAtTheSizeOfTheWeapons) {
  Level("Inner Sphere Level 2");
  ShowWeapons();
  for (const auto& [name, button] : {std::pair{"Large Laser", "btnLoc_RA"}, std::pair{"PPC", "btnLoc_LA"}}) {
    ASSERT_TRUE(Pick(name));
    Find<QToolButton>(button)->click();
    Add();
  }
  Category("btnElectronic");
  ASSERT_TRUE(Pick("Targeting Computer"));
  EXPECT_EQ(Find<TSpinEdit>("sedtCriticals")->value(), 3);  // 12 t of direct fire
  EXPECT_EQ(Find<QLabel>("lblWepTonnage")->text(), QLocale().toString(3.0, 'f', 2));
  Find<QToolButton>("btnLoc_RT")->click();
  Add();
  ExpectConsistent();
  const TWeapon& computer = *Design().Config->Items.AddrOf(2);
  EXPECT_EQ(computer.Slots, 3);
  EXPECT_DOUBLE_EQ(computer.Tons, 3.0);
  EXPECT_DOUBLE_EQ(computer.Cost, 30000.0);
}

TEST_F(WeaponsTab, RefusalsAreWarningsThatChangeNothing) {
  Level("Inner Sphere Level 3");
  ShowWeapons();
  Find<QListWidget>("lbWepType")->setCurrentRow(-1);
  Add();
  EXPECT_EQ(TMessageSeam::Shown().value(0), "Warning|No weapon selected.");

  Category("btnMiscellan");
  ASSERT_TRUE(Pick("Hatchet"));
  Find<QToolButton>("btnLoc_CT")->click();
  Add();
  EXPECT_EQ(TMessageSeam::Shown().value(1), "Warning|That weapon cannot be placed in that location.");

  Category("btnEnergy");
  ASSERT_TRUE(Pick("PPC"));
  Find<QToolButton>("btnLoc_H")->click();
  Add();
  EXPECT_EQ(TMessageSeam::Shown().value(2), "Warning|Weapon will not fit there.");
  EXPECT_TRUE(Design().Config->Items.Empty());
  ExpectConsistent();
}

TEST_F(WeaponsTab, AmmunitionToggleKeepsTheChoiceAndLotsFollowTheLevel) {
  Level("Inner Sphere Level 2");
  ShowWeapons();
  Category("btnBallistic");
  EXPECT_TRUE(Find<QToolButton>("btnAmmo")->isEnabled());
  ASSERT_TRUE(Pick("Autocannon/10"));
  Find<QToolButton>("btnAmmo")->click();
  EXPECT_EQ(Chosen(), "@Autocannon/10");
  EXPECT_EQ(Find<QLabel>("lblWep5")->text(), "Shots per Ton");
  EXPECT_FALSE(Find<QLabel>("lblWep2")->isVisible());
  auto* shots = Find<TSpinEdit>("sedtShots");
  EXPECT_TRUE(shots->isEnabled());
  EXPECT_EQ(shots->value(), 10);
  shots->setValue(30);
  Find<QToolButton>("btnLoc_LT")->click();
  Add();
  ExpectConsistent();
  ASSERT_EQ(Design().Config->Items.Size(), 1);
  const TWeapon* lot = Design().Config->Items.AddrOf(0);
  EXPECT_DOUBLE_EQ(lot->Tons, 3.0);  // three one-ton lots below level 3
  EXPECT_EQ(lot->Slots, 3);
  Find<QToolButton>("btnAmmo")->click();
  EXPECT_EQ(Chosen(), "Autocannon/10");
  Category("btnEnergy");
  EXPECT_FALSE(Find<QToolButton>("btnAmmo")->isChecked());
  EXPECT_FALSE(Find<QToolButton>("btnAmmo")->isEnabled());
}

// Three PPCs in an arm: the first two take free slots and leave the hand;
// the third needs the actuators' slots, and the status bar says they went.
TEST_F(WeaponsTab, ArmPlacementTakesFreeSlotsBeforeTheActuators) {
  Level("Inner Sphere Level 2");
  ShowWeapons();
  ASSERT_TRUE(Pick("PPC"));
  Find<QToolButton>("btnLoc_RA")->click();
  for (int i = 0; i < 2; ++i) {
    Find<QListWidget>("lbLocation")->setCurrentRow(-1);
    Add();
  }
  EXPECT_EQ(Design().Config->Crits.SlotAt(locRightArm, 3).Code, ciLowerArm);
  EXPECT_EQ(Design().Config->Crits.SlotAt(locRightArm, 4).Code, ciHand);
  EXPECT_EQ(Design().Config->Actuators, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));
  EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());

  Find<QListWidget>("lbLocation")->setCurrentRow(-1);
  Add();
  ExpectConsistent();
  EXPECT_EQ(Design().Config->Items.Size(), 3);
  EXPECT_EQ(Design().Config->Actuators, (std::array<std::uint8_t, 4>{0, 0, 1, 1}));
  EXPECT_TRUE(window->statusBar()->currentMessage().contains("right hand, right lower arm"))
      << window->statusBar()->currentMessage().toStdString();
}

TEST_F(WeaponsTab, SplitRearAndBinPlacements) {
  Level("Inner Sphere Level 3");
  ShowWeapons();
  Category("btnBallistic");
  ASSERT_TRUE(Pick("Autocannon/10"));
  auto* criticals = Find<TSpinEdit>("sedtCriticals");
  EXPECT_TRUE(criticals->isEnabled());  // a long gun may be split
  criticals->setValue(3);
  Find<QToolButton>("btnLoc_RA")->click();
  Find<QListWidget>("lbLocation")->setCurrentRow(4);
  Add();
  ExpectConsistent();
  ASSERT_EQ(Design().Config->Items.Size(), 1);
  EXPECT_EQ(Design().Config->Items.AddrOf(0)->Location, locRightArm | lcSplit);
  EXPECT_EQ(window->Design().LocationAbbrev(locRightArm | lcSplit), "RA/T");

  Category("btnEnergy");
  ASSERT_TRUE(Pick("Medium Laser"));
  Direction("Rear");
  EXPECT_EQ(Find<TDropButton>("btnLocation")->text(), "Location (Rear)");
  EXPECT_FALSE(Find<QToolButton>("btnLoc_RA")->isEnabled());  // arms fire forward
  Find<QToolButton>("btnLoc_CT")->click();
  Add();
  ExpectConsistent();
  EXPECT_EQ(Design().Config->Items.AddrOf(1)->Location, locCenterTorso | lcRear);

  Find<QAction>("OptionsUseBINItem")->trigger();
  EXPECT_EQ(Design().MountMode, mmBin);
  EXPECT_EQ(Find<QLabel>("lblLocation")->text(), "BIN");
  Add();
  ExpectConsistent();
  EXPECT_EQ(Design().Config->Items.AddrOf(2)->Location, lcBin);
  EXPECT_EQ(Find<QListWidget>("lbLocation")->count(), 1);  // the BIN's items
}

TEST_F(WeaponsTab, TechnologyAndConfigurationMenus) {
  Level("Inner Sphere Level 1");
  ShowWeapons();
  EXPECT_FALSE(Find<QToolButton>("btnElectronic")->isEnabled());
  EXPECT_FALSE(Find<TDropButton>("btnWepType")->isEnabled());
  EXPECT_EQ(Design().WeaponFilter, rlIS1);

  Level("Mixed/Custom Level 3");
  ShowWeapons();
  EXPECT_TRUE(Find<TDropButton>("btnWepType")->isEnabled());
  Choose("pmWepType", "Clan");
  EXPECT_EQ(Design().WeaponFilter, rlClan3);
  EXPECT_EQ(Find<TDropButton>("btnWepType")->text(), "Clan");
  EXPECT_TRUE(Pick("ER Medium Laser"));

  Choose("pmOptions", "Omni");
  ShowWeapons();
  Choose("pmConfig", "Alternate C");
  EXPECT_EQ(Design().ConfigIndex, 4);
  EXPECT_EQ(Find<TDropButton>("btnConfig")->text(), "Alt. C Configuration");
  // The chassis is laid into the alternate at once.
  EXPECT_EQ(Design().Config->Crits.SlotAt(locCenterTorso, 1).Code, ciEngine);
  ExpectConsistent();
}
