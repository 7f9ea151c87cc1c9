#include <gtest/gtest.h>

#include "model/Weapon.h"

using namespace tfd;

namespace {
std::unique_ptr<TWeapon> Item(const char* name) {
  auto w = std::make_unique<TWeapon>();
  w->Name = name;
  return w;
}
}  // namespace

TEST(TWeaponList, WalkEndsAndStaysEnded) {
  TWeaponList list;
  EXPECT_EQ(list.FirstEntry(), nullptr);
  TWeapon* a = list.Insert(Item("a"));
  TWeapon* b = list.Insert(Item("b"));
  EXPECT_EQ(list.FirstEntry(), a);
  EXPECT_FALSE(list.Last());
  EXPECT_EQ(list.NextEntry(), b);
  EXPECT_TRUE(list.Last());
  EXPECT_EQ(list.NextEntry(), nullptr);
  EXPECT_EQ(list.NextEntry(), nullptr);
  EXPECT_EQ(list.Size(), 2);
}

TEST(TWeaponList, DeletingTheCursorItemLetsTheWalkContinue) {
  TWeaponList list;
  TWeapon* a = list.Insert(Item("a"));
  TWeapon* b = list.Insert(Item("b"));
  TWeapon* c = list.Insert(Item("c"));
  EXPECT_EQ(list.FirstEntry(), a);
  EXPECT_EQ(list.NextEntry(), b);
  list.Delete(b);  // the cursor moves on to c, the tail
  EXPECT_TRUE(list.Last());
  EXPECT_EQ(list.IndexOf(c), 1);
  EXPECT_EQ(list.NextEntry(), nullptr);
  EXPECT_EQ(list.Size(), 2);
}

TEST(TWeaponList, DeletingTheTailKeepsAppendingInOrder) {
  TWeaponList list;
  list.Insert(Item("a"));
  TWeapon* b = list.Insert(Item("b"));
  list.Delete(b);
  TWeapon* c = list.Insert(Item("c"));
  EXPECT_EQ(list.IndexOf(c), 1);
  EXPECT_EQ(list.Size(), 2);
}

TEST(TWeaponList, IndexAndAddressLookups) {
  TWeaponList list, other;
  EXPECT_EQ(list.AddrOf(0), nullptr);
  TWeapon* a = list.Insert(Item("a"));
  list.Insert(Item("b"));
  TWeapon* c = list.Insert(Item("c"));
  TWeapon* foreign = other.Insert(Item("f"));
  EXPECT_EQ(list.AddrOf(5), nullptr);
  EXPECT_EQ(list.AddrOf(-1), nullptr);
  EXPECT_EQ(list.AddrOf(2), c);
  EXPECT_EQ(list.IndexOf(a), 0);
  EXPECT_EQ(list.IndexOf(foreign), -1);
  list.Delete(foreign);  // not in this list: nothing happens
  EXPECT_EQ(list.Size(), 3);
  list.Clear();
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(list.FirstEntry(), nullptr);
}

TEST(TWeaponNameList, SortedEntriesWithUseCounts) {
  TWeaponNameList brands;
  EXPECT_TRUE(brands.Insert(300, "Large Laser"));
  EXPECT_TRUE(brands.Insert(100, "Small Laser"));
  EXPECT_FALSE(brands.Insert(300, "Large Laser"));
  ASSERT_EQ(brands.Size(), 2);
  TWepName* first = brands.FirstEntry();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Id, 100);
  EXPECT_EQ(first->Uses, 1);
  TWepName* second = brands.NextEntry();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Id, 300);
  EXPECT_EQ(second->Uses, 2);
  EXPECT_TRUE(brands.Last());
  EXPECT_EQ(brands.NextEntry(), nullptr);

  brands.ChangeBrand(300, "Starfire Optics");
  brands.Delete(300);
  ASSERT_NE(brands.Find(300), nullptr);
  EXPECT_EQ(brands.Find(300)->Uses, 1);
  EXPECT_EQ(brands.Find(300)->Brand, "Starfire Optics");
  brands.Delete(300);
  EXPECT_EQ(brands.Find(300), nullptr);
  brands.Delete(999);
  EXPECT_EQ(brands.Size(), 1);
}

TEST(MakeWeapon, CopiesTheRowAndScalesAmmunitionLots) {
  TWepInfoStruct ammo;
  ammo.Name = "@AC/20";
  ammo.SaveNum = 1502;
  ammo.Tons = 0.5f;
  ammo.BV = 10;
  ammo.Cost = 1000.0;
  auto lot = MakeWeapon(ammo);
  EXPECT_DOUBLE_EQ(lot->BV, 5.0);
  EXPECT_DOUBLE_EQ(lot->Cost, 500.0);
  EXPECT_TRUE(lot->IsAmmo());

  TWepInfoStruct laser;
  laser.Name = "Medium Laser";
  laser.SaveNum = 102;
  laser.Tons = 1.0f;
  laser.BV = 46;
  laser.Cost = 40000.0;
  laser.Crits = 1;
  laser.MinRange = 0;
  laser.ShortRange = 3;
  laser.MediumRange = 6;
  laser.LongRange = 9;
  auto w = MakeWeapon(laser);
  EXPECT_DOUBLE_EQ(w->BV, 46.0);
  EXPECT_DOUBLE_EQ(w->Cost, 40000.0);
  EXPECT_EQ(w->Slots, 1);
  EXPECT_EQ(w->SlotsFirst, 1);
  EXPECT_EQ(w->Ranges[3], 9);
}

TEST(MakeWeapon, CustomWeaponsAreNotAmmunitionButCustomAmmunitionIs) {
  EXPECT_TRUE(IsAmmunition(1500));
  EXPECT_TRUE(IsAmmunition(2299));
  EXPECT_FALSE(IsAmmunition(2300)) << "a custom energy weapon";
  EXPECT_FALSE(IsAmmunition(2999)) << "a custom structure item";
  EXPECT_TRUE(IsAmmunition(3000));
  EXPECT_TRUE(IsAmmunition(3399));
  EXPECT_FALSE(IsAmmunition(1499));

  TWepInfoStruct custom;
  custom.Name = "Prototype Laser";
  custom.SaveNum = 2300;
  custom.Tons = 1.5f;
  custom.BV = 40;
  custom.Cost = 60000.0;
  auto w = MakeWeapon(custom);
  EXPECT_FALSE(w->IsAmmo());
  EXPECT_DOUBLE_EQ(w->BV, 40.0) << "not scaled by its weight as a lot would be";
}
