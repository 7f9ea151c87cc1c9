#include <gtest/gtest.h>

#include "model/Mech.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"

using namespace tfd;

namespace {

constexpr std::uint8_t kAllLocations = 0xFF;

TWepInfoStruct Row(const char* name, std::int16_t id, int crits, float tons, std::int16_t bv = 10,
                   double cost = 1000, std::int16_t options = 0, std::uint8_t locs = kAllLocations) {
  TWepInfoStruct r;
  r.Name = name;
  r.IdNum = r.SaveNum = id;
  r.Crits = static_cast<std::uint8_t>(crits);
  r.Tons = tons;
  r.BV = bv;
  r.Cost = cost;
  r.Options = options;
  r.Locs = locs;
  return r;
}

class Placement : public ::testing::Test {
 protected:
  void SetUp() override {
    index.Remember(techInnerSphere, ECode::HS, 1300);
    index.Remember(techInnerSphere, ECode::Jump_Jet, 1305);
    m.Equipment = &index;
    m.RulesLevel = rlIS3;
    m.Tonnage = 60;
    m.WalkMP = 4;
    Recalculate(m, rqAll);
  }
  EPlacement Add(const TWepInfoStruct& row, int location, int slot = 1, int criticals = -1,
                 std::uint8_t direction = mmFront, TWeapon** placed = nullptr) {
    TAddRequest r;
    r.Record = &row;
    r.Direction = direction;
    r.Location = location;
    r.Slot = slot;
    r.Criticals = criticals < 0 ? row.Crits : criticals;
    return AddItem(m, r, placed);
  }
  EPlacement AddAmmo(const TWepInfoStruct& row, int shots, TWeapon** placed) {
    TAddRequest r;
    r.Record = &row;
    r.Location = locLeftTorso;
    r.Slot = 1;
    r.Shots = shots;
    r.Ammunition = true;
    return AddItem(m, r, placed);
  }
  TEquipmentIndex index;
  TMech m;
};

}  // namespace

TEST_F(Placement, RefusalsLeaveTheDesignAsItWas) {
  TAddRequest none;
  EXPECT_EQ(AddItem(m, none), EPlacement::NoWeaponSelected);
  EXPECT_EQ(PlacementMessage(EPlacement::NoWeaponSelected), "No weapon selected.");
  const auto torsoOnly = Row("Torso Gun", 320, 2, 2, 10, 1000, 0, 0x0C);
  EXPECT_EQ(Add(torsoOnly, locRightArm), EPlacement::NotAllowedThere);
  const auto big = Row("Big Gun", 330, 3, 10);
  EXPECT_EQ(Add(big, locHead, 4), EPlacement::WontFit);
  EXPECT_EQ(PlacementMessage(EPlacement::WontFit), "Weapon will not fit there.");
  EXPECT_TRUE(m.Config->Items.Empty());
  m.MiscFlags = mfArmless;
  m.Config->Crits.Limits[slArm] = 0;
  EXPECT_EQ(Add(big, locRightArm), EPlacement::LocationFull);
}

TEST_F(Placement, AmmunitionLotsByRulesLevel) {
  auto mg = Row("@Machine Gun", 1500, 1, 1.0f, 1, 1000);
  mg.Damage = 200;  // shots per ton
  TWeapon* lot = nullptr;
  ASSERT_EQ(AddAmmo(mg, 100, &lot), EPlacement::Placed);
  EXPECT_DOUBLE_EQ(lot->Tons, 0.5);  // level 3: half-ton lots
  EXPECT_EQ(lot->Slots, 1);
  EXPECT_DOUBLE_EQ(lot->Cost, 500.0);
  EXPECT_DOUBLE_EQ(lot->BV, 0.5);

  m.RulesLevel = rlIS2;
  Recalculate(m, rqAll);
  auto ac = Row("@Autocannon", 1510, 1, 1.0f, 5, 1000);
  ac.Damage = 100;
  ASSERT_EQ(AddAmmo(ac, 300, &lot), EPlacement::Placed);
  EXPECT_DOUBLE_EQ(lot->Tons, 3.0);
  EXPECT_EQ(lot->Slots, 3);
  EXPECT_DOUBLE_EQ(lot->BV, 15.0);

  ac.Damage = 0;  // no shots per ton: refused, never a division by zero
  EXPECT_EQ(AddAmmo(ac, 300, &lot), EPlacement::IncompleteRecord);
}

TEST_F(Placement, SplitItemsAndTheBin) {
  const auto gauss = Row("Long Gun", 340, 7, 15, 50, 300000, woCanSplit);
  TWeapon* item = nullptr;
  ASSERT_EQ(Add(gauss, locRightArm, 5, 2, mmFront, &item), EPlacement::Placed);
  EXPECT_EQ(item->Location, locRightArm | lcSplit);
  EXPECT_EQ(m.Config->Crits.SlotAt(locRightArm, 6).Item, item);
  EXPECT_EQ(m.Config->Crits.SlotAt(locRightTorso, 5).Item, item);
  EXPECT_EQ(m.Config->Crits.SlotAt(locRightTorso, 6).Item, nullptr);

  // The BIN takes anything, wherever it may go and whatever its size.
  const auto torsoOnly = Row("Torso Gun", 320, 14, 2, 10, 1000, 0, 0x0C);
  ASSERT_EQ(Add(torsoOnly, locRightArm, 0, -1, mmBin, &item), EPlacement::Placed);
  EXPECT_EQ(item->Location, lcBin);
  EXPECT_EQ(item->SlotsFirst, 0);
}

TEST_F(Placement, HeatSinksByConfiguration) {
  auto hs = Row("Heat Sink", 1300, 1, 1.0f, 0, 2000);
  hs.InList = 1;
  auto dhs = Row("Double Heat Sink", 1301, 3, 1.0f, 0, 6000);
  dhs.InList = 3;
  TWeapon* item = nullptr;
  ASSERT_EQ(Add(hs, locLeftTorso, 1, 1, mmFront, &item), EPlacement::Placed);
  EXPECT_DOUBLE_EQ(item->Tons, 0.0);  // the heat-sink count already weighs it

  m.Options = optOmni;
  m.SelectConfig(2);
  Recalculate(m, rqAll);
  ASSERT_EQ(Add(dhs, locLeftTorso, 1, 6, mmFront, &item), EPlacement::Placed);
  EXPECT_DOUBLE_EQ(item->Tons, 2.0);  // two pod-mounted units
  EXPECT_DOUBLE_EQ(item->Cost, 12000.0);
  EXPECT_EQ(item->Slots, 6);
  EXPECT_EQ(item->Location, locLeftTorso);  // not split
  dhs.InList = 0;
  EXPECT_EQ(Add(dhs, locRightTorso, 1, 3), EPlacement::IncompleteRecord);
}

TEST_F(Placement, BrandListFollowsInventoryItems) {
  const auto laser = Row("Large Laser", 105, 2, 5, 124, 100000, woInventory);
  TWeapon* a = nullptr;
  TWeapon* b = nullptr;
  ASSERT_EQ(Add(laser, locRightTorso, 1, -1, mmFront, &a), EPlacement::Placed);
  ASSERT_EQ(Add(laser, locLeftTorso, 1, -1, mmRear, &b), EPlacement::Placed);
  EXPECT_EQ(b->Location, locLeftTorso | lcRear);
  ASSERT_NE(m.Brands->Find(105), nullptr);
  EXPECT_EQ(m.Brands->Find(105)->Uses, 2);
  DeleteItem(m, a);
  EXPECT_EQ(m.Brands->Find(105)->Uses, 1);
  EXPECT_EQ(m.Config->Crits.SlotAt(locRightTorso, 1).Item, nullptr);
  DeleteItem(m, b);
  EXPECT_EQ(m.Brands->Find(105), nullptr);
  EXPECT_TRUE(m.Config->Items.Empty());
}

TEST_F(Placement, MovesReleaseTheOldSlotsAndKeepTheMounting) {
  const auto gun = Row("Rear Gun", 310, 2, 3);
  TWeapon* item = nullptr;
  ASSERT_EQ(Add(gun, locRightTorso, 1, -1, mmRear, &item), EPlacement::Placed);
  EXPECT_FALSE(MayDropOnSlot(*m.Config, locRightTorso, 2));  // its own slot is taken
  EXPECT_TRUE(MayDropOnSlot(*m.Config, locLeftTorso, 5));
  EXPECT_FALSE(MayDropOnSlot(*m.Config, locHead, 7));  // no such slot

  ASSERT_EQ(MoveItem(m, item, locLeftTorso, 5), EPlacement::Placed);
  EXPECT_EQ(item->Location, locLeftTorso | lcRear);
  EXPECT_EQ(m.Config->Crits.SlotAt(locLeftTorso, 6).Item, item);
  EXPECT_EQ(m.Config->Crits.SlotAt(locRightTorso, 1).Item, nullptr);

  // Refused: the head has one free slot; the item stays where it was.
  EXPECT_EQ(MoveItem(m, item, locHead, 4), EPlacement::WontFit);
  EXPECT_EQ(m.Config->Crits.SlotAt(locLeftTorso, 5).Item, item);
  EXPECT_EQ(item->Location, locLeftTorso | lcRear);

  MoveToBin(m, item);
  EXPECT_EQ(item->Location, lcBin);
  EXPECT_EQ(m.Config->Crits.SlotAt(locLeftTorso, 5).Item, nullptr);
  ASSERT_EQ(MoveItem(m, item, locCenterTorso, 11), EPlacement::Placed);
  EXPECT_EQ(item->Location, locCenterTorso);  // from the BIN: plain front mounting

  // A split item moves whole, or not at all.
  const auto longGun = Row("Long Gun", 340, 7, 15, 50, 1, woCanSplit);
  TWeapon* split = nullptr;
  ASSERT_EQ(Add(longGun, locLeftArm, 5, 3, mmFront, &split), EPlacement::Placed);
  ASSERT_EQ(MoveItem(m, split, locRightArm, 5), EPlacement::Placed);
  EXPECT_EQ(split->Location, locRightArm);
  EXPECT_EQ(m.Config->Crits.SlotAt(locRightArm, 11).Item, split);
  EXPECT_EQ(m.Config->Crits.SlotAt(locLeftTorso, 1).Item, nullptr);
  EXPECT_EQ(MoveItem(m, split, locRightLeg, 5), EPlacement::WontFit);
}

TEST_F(Placement, ArmActuatorsStayWhileFreeSlotsRemainAndReturnWhenFreed) {
  TConfiguration& c = *m.Config;
  auto codes = [&](int slot) { return c.Crits.SlotAt(locRightArm, slot).Code; };
  const auto gun = Row("Arm Gun", 310, 3, 3);
  TWeapon* item = nullptr;
  ASSERT_EQ(Add(gun, locRightArm, 1, -1, mmFront, &item), EPlacement::Placed);
  EXPECT_EQ(codes(3), ciLowerArm);
  EXPECT_EQ(codes(4), ciHand);
  EXPECT_EQ(c.Crits.SlotAt(locRightArm, 5).Item, item);
  EXPECT_EQ(c.Actuators, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));

  // Only five slots are left: the hand and lower arm give way and are no
  // longer fitted.
  const auto big = Row("Big Gun", 320, 6, 8);
  TWeapon* bigItem = nullptr;
  ASSERT_EQ(Add(big, locRightArm, 1, -1, mmFront, &bigItem), EPlacement::Placed);
  EXPECT_EQ(c.Crits.SlotAt(locRightArm, 3).Item, bigItem);
  EXPECT_EQ(c.Actuators, (std::array<std::uint8_t, 4>{0, 0, 1, 1}));
  Recalculate(m, rqAll);
  EXPECT_EQ(c.Crits.SlotAt(locRightArm, 4).Item, bigItem);

  // Still fitted (as a file may say) while equipment holds the slots: the
  // actuators come back as soon as the slots are free.
  c.Actuators = {1, 1, 1, 1};
  MoveToBin(m, bigItem);
  EXPECT_EQ(codes(3), ciLowerArm);
  EXPECT_EQ(codes(4), ciHand);
  EXPECT_EQ(c.Actuators, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));

  // A drag over the actuators' rows lands on free slots.
  ASSERT_EQ(MoveItem(m, item, locRightArm, 8), EPlacement::Placed);
  EXPECT_EQ(codes(3), ciLowerArm);
  EXPECT_EQ(c.Crits.SlotAt(locRightArm, 8).Item, item);
}

TEST(NextCaseKind, StepsThroughWhatTheRulesLevelKeeps) {
  auto cycle = [](std::uint8_t level, int location) {
    std::vector<int> kinds;
    std::uint8_t k = caseNone;
    do {
      k = NextCaseKind(level, location, k);
      kinds.push_back(k);
    } while (k != caseNone && kinds.size() < 8);
    return kinds;
  };
  EXPECT_EQ(cycle(rlIS2, locRightTorso), (std::vector<int>{caseIS, caseNone}));
  EXPECT_EQ(cycle(rlIS2, locHead), (std::vector<int>{caseNone}));
  EXPECT_EQ(cycle(rlIS3, locCenterTorso), (std::vector<int>{caseIS, caseIS2, caseNone}));
  EXPECT_EQ(cycle(rlIS3, locLeftArm), (std::vector<int>{caseIS2, caseNone}));
  EXPECT_EQ(cycle(rlClan2, locLeftLeg), (std::vector<int>{caseClan, caseNone}));
  EXPECT_EQ(cycle(rlMixed3, locHead), (std::vector<int>{caseIS2, caseClan, caseClan2, caseNone}));
  EXPECT_EQ(cycle(rlMixed3, locLeftTorso),
            (std::vector<int>{caseIS, caseIS2, caseClan, caseClan2, caseNone}));
}
