// The Weapons tab as a player uses it: pick a category and an item, choose a
// location and direction, add, delete, and watch the lists follow.

#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "equipment/EquipmentLists.h"
#include "model/Mech.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/Startup.h"
#include "ui/main/TfrmTFD.h"
#include "ui/main/WeaponsPage.h"
#include "ui/widgets/DropButton.h"
#include "ui/widgets/SpinEdit.h"

using namespace tfd;

namespace {

class WeaponsTab : public ::testing::Test {
 protected:
  void SetUp() override {
    TMessageSeam::ClearShown();
    window = std::make_unique<TfrmTFD>(LoadEquipmentLists());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    page = window->WeaponsPage();
  }
  void TearDown() override {
    TMessageSeam::SetNextAnswer(QMessageBox::No);
    window.reset();
    TMessageSeam::ClearShown();
  }
  template <typename T>
  T* Find(const char* name) {
    T* w = window->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  TMech& Design() { return window->Design(); }
  void Level(const char* level) {
    emit Find<QMenu>("pmTech")->aboutToShow();
    for (QAction* a : Find<QMenu>("pmTech")->actions())
      if (a->text() == level) a->trigger();
  }
  void ShowWeapons() {
    auto* tabs = Find<QTabWidget>("pcMain");
    tabs->setCurrentWidget(Find<QWidget>("tsMain"));
    tabs->setCurrentWidget(Find<QWidget>("tsWeapons"));
  }
  void Category(const char* button) { Find<QToolButton>(button)->click(); }
  bool Choose(const QString& name) {
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

  // Every placed item's chain holds exactly the slots that name it, and every
  // slot's item belongs to the configuration (or, in an alternate, to the fixed one).
  void ExpectConsistent() {
    const TConfiguration& c = *Design().Config;
    for (int loc = 0; loc < 8; ++loc)
      for (int s = 1; s <= 12; ++s) {
        const TSlot slot = c.Crits.SlotAt(loc, s);
        if (!slot.Item) continue;
        const bool known = c.Items.IndexOf(slot.Item) >= 0 ||
                           (c.Parent && c.Parent->Items.IndexOf(slot.Item) >= 0);
        EXPECT_TRUE(known) << loc << "/" << s;
      }
    for (const auto& item : c.Items) {
      int chained = 0;
      for (std::int16_t link = item->SlotsFirst; link != 0 && chained < 96; ++chained) {
        const TSlot slot = c.Crits.SlotAt(link >> 8, link & 0xFF);
        ASSERT_EQ(slot.Item, item.get());
        link = slot.Link;
      }
      int named = 0;
      for (int loc = 0; loc < 8; ++loc)
        for (int s = 1; s <= 12; ++s) named += c.Crits.SlotAt(loc, s).Item == item.get();
      EXPECT_EQ(named, chained) << item->Name;
    }
  }

  std::unique_ptr<TfrmTFD> window;
  TWeaponsPage* page = nullptr;
};

}  // namespace

TEST_F(WeaponsTab, AddingAndDeletingFollowTheLists) {
  Level("Inner Sphere Level 2");
  ShowWeapons();
  EXPECT_TRUE(Find<QToolButton>("btnEnergy")->isChecked());
  EXPECT_FALSE(Find<QToolButton>("btnAmmo")->isEnabled());
  ASSERT_TRUE(Choose("Medium Laser"));
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

TEST_F(WeaponsTab, RefusalsAreWarningsThatChangeNothing) {
  Level("Inner Sphere Level 3");
  ShowWeapons();
  Find<QListWidget>("lbWepType")->setCurrentRow(-1);
  Add();
  EXPECT_EQ(TMessageSeam::Shown().value(0), "Warning|No weapon selected.");

  Category("btnMiscellan");
  ASSERT_TRUE(Choose("Hatchet"));
  Find<QToolButton>("btnLoc_CT")->click();
  Add();
  EXPECT_EQ(TMessageSeam::Shown().value(1), "Warning|That weapon cannot be placed in that location.");

  Category("btnEnergy");
  ASSERT_TRUE(Choose("PPC"));
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
  ASSERT_TRUE(Choose("Autocannon/10"));
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

TEST_F(WeaponsTab, SplitRearAndBinPlacements) {
  Level("Inner Sphere Level 3");
  ShowWeapons();
  Category("btnBallistic");
  ASSERT_TRUE(Choose("Autocannon/10"));
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
  ASSERT_TRUE(Choose("Medium Laser"));
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
  auto* tech = Find<QMenu>("pmWepType");
  emit tech->aboutToShow();
  for (QAction* a : tech->actions())
    if (a->text() == "Clan") a->trigger();
  EXPECT_EQ(Design().WeaponFilter, rlClan3);
  EXPECT_EQ(Find<TDropButton>("btnWepType")->text(), "Clan");
  EXPECT_TRUE(Choose("ER Medium Laser"));

  emit Find<QMenu>("pmOptions")->aboutToShow();
  for (QAction* a : Find<QMenu>("pmOptions")->actions())
    if (a->text() == "Omni") a->trigger();
  ShowWeapons();
  auto* configs = Find<QMenu>("pmConfig");
  emit configs->aboutToShow();
  for (QAction* a : configs->actions())
    if (a->text() == "Alternate C") a->trigger();
  EXPECT_EQ(Design().ConfigIndex, 4);
  EXPECT_EQ(Find<TDropButton>("btnConfig")->text(), "Alt. C Configuration");
  // The chassis is laid into the alternate at once.
  EXPECT_EQ(Design().Config->Crits.SlotAt(locCenterTorso, 1).Code, ciEngine);
  ExpectConsistent();
}
