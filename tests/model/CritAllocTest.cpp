#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/CritAlloc.h"
#include "model/Enums.h"
#include "model/Weapon.h"

using namespace tfd;

namespace {

std::unique_ptr<TWeapon> Item(std::int16_t saveNum, int slots, int first = -1) {
  auto w = std::make_unique<TWeapon>();
  w->SaveNum = saveNum;
  w->Slots = static_cast<std::int16_t>(slots);
  w->SlotsFirst = static_cast<std::int16_t>(first < 0 ? slots : first);
  return w;
}

std::vector<std::int16_t> Codes(const TCritAlloc& grid, int location) {
  std::vector<std::int16_t> codes;
  for (int s = 1; s <= grid.SlotCount(location); ++s) codes.push_back(grid.SlotAt(location, s).Code);
  return codes;
}

// Every slot naming `item` is on its chain, and the chain holds only its slots.
int ChainLength(const TCritAlloc& grid, const TWeapon* item) {
  int onGrid = 0;
  for (int loc = 0; loc < 8; ++loc)
    for (int s = 1; s <= 12; ++s)
      if (grid.SlotAt(loc, s).Item == item) ++onGrid;
  int chained = 0;
  for (std::int16_t link = item->SlotsFirst; link != 0; ++chained) {
    TSlot slot = grid.SlotAt(link >> 8, link & 0xFF);
    EXPECT_EQ(slot.Item, item);
    EXPECT_EQ(slot.Code, item->SaveNum);
    link = slot.Link;
  }
  EXPECT_EQ(onGrid, chained);
  return chained;
}

using V = std::vector<std::int16_t>;

}  // namespace

TEST(TCritAlloc, DefaultLayout) {
  TCritAlloc grid;
  EXPECT_EQ(Codes(grid, locHead), (V{5, 4, 1, 0, 4, 5}));
  EXPECT_EQ(Codes(grid, locCenterTorso), (V{6, 6, 6, 7, 7, 7, 7, 6, 6, 6, 0, 0}));
  EXPECT_EQ(Codes(grid, locRightTorso), V(12, 0));
  EXPECT_EQ(Codes(grid, locLeftArm), (V{8, 9, 10, 11, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Codes(grid, locRightLeg), (V{12, 13, 14, 15, 0, 0}));
  EXPECT_EQ(grid.SlotAt(locHead, 0).Code, 0);  // out of range reads as empty
  EXPECT_EQ(grid.SlotAt(9, 1).Code, 0);
}

TEST(TCritAlloc, CockpitKinds) {
  TCritAlloc grid;
  EXPECT_TRUE(grid.SetCockpit(cpCommandConsole));
  EXPECT_EQ(Codes(grid, locHead), (V{5, 4, 1, 16, 4, 5}));
  EXPECT_TRUE(grid.SetCockpit(cpSmall));
  EXPECT_EQ(Codes(grid, locHead), (V{5, 4, 1, 0, 4, 0}));
  EXPECT_TRUE(grid.SetCockpit(cpTorsoMounted));
  EXPECT_EQ(Codes(grid, locHead), (V{0, 4, 0, 0, 4, 0}));
  EXPECT_EQ(grid.SlotAt(locCenterTorso, 11).Code, ciCockpit);
  EXPECT_EQ(grid.SlotAt(locCenterTorso, 12).Code, ciSensors);
  EXPECT_EQ(grid.SlotAt(locRightTorso, 1).Code, ciLifeSupport);
  EXPECT_EQ(grid.SlotAt(locLeftTorso, 1).Code, ciLifeSupport);
  EXPECT_TRUE(grid.SetCockpit(cpTorsoMounted));  // laying it again changes nothing
  EXPECT_EQ(Codes(grid, locRightTorso)[1], 0);
  EXPECT_TRUE(grid.SetCockpit(cpStandard));
  EXPECT_EQ(Codes(grid, locHead), (V{5, 4, 1, 0, 4, 5}));
  EXPECT_EQ(grid.SlotAt(locCenterTorso, 11).Code, ciEmpty);
  EXPECT_EQ(grid.SlotAt(locRightTorso, 1).Code, ciEmpty);
}

TEST(TCritAlloc, CockpitRefusesOccupiedHeadSlot) {
  TCritAlloc grid;
  auto w = Item(150, 1);
  ASSERT_TRUE(grid.Allocate(w.get(), locHead, 4));
  EXPECT_FALSE(grid.SetCockpit(cpCommandConsole));
  EXPECT_EQ(grid.SlotAt(locHead, 4).Item, w.get());
  EXPECT_EQ(grid.SlotAt(locHead, 1).Code, ciLifeSupport);
}

TEST(TCritAlloc, TorsoCockpitFailsWhenCentreTorsoIsFull) {
  TCritAlloc grid;
  grid.SetEngine(etFusion, true);  // centre torso 11 and 12 are engine
  EXPECT_FALSE(grid.SetCockpit(cpTorsoMounted));
}

TEST(TCritAlloc, GyroKinds) {
  TCritAlloc grid;
  EXPECT_TRUE(grid.SetGyro(gyCompact));
  EXPECT_EQ(Codes(grid, locCenterTorso), (V{6, 6, 6, 7, 7, 0, 0, 6, 6, 6, 0, 0}));
  EXPECT_TRUE(grid.SetGyro(gyXL));
  EXPECT_EQ(Codes(grid, locCenterTorso), (V{6, 6, 6, 7, 7, 7, 7, 6, 6, 6, 7, 7}));
  EXPECT_TRUE(grid.SetGyro(gyHeavyDuty));
  EXPECT_EQ(Codes(grid, locCenterTorso), (V{6, 6, 6, 7, 7, 7, 7, 6, 6, 6, 0, 0}));
  // A large engine fills 11 and 12, so an XL gyro no longer fits.
  grid.SetEngine(etFusion, true);
  EXPECT_FALSE(grid.SetGyro(gyXL));
}

TEST(TCritAlloc, EngineKinds) {
  TCritAlloc grid;
  grid.SetEngine(etXXL, false);
  EXPECT_EQ(Codes(grid, locRightTorso), (V{6, 6, 6, 6, 6, 6, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Codes(grid, locLeftTorso)[5], ciEngine);
  grid.SetEngine(etClanXL, false);
  EXPECT_EQ(Codes(grid, locRightTorso), (V{6, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  grid.SetEngine(etXL, true);
  EXPECT_EQ(Codes(grid, locLeftTorso)[2], ciEngine);
  EXPECT_EQ(Codes(grid, locLeftTorso)[3], ciEmpty);
  EXPECT_EQ(grid.SlotAt(locCenterTorso, 12).Code, ciEngine);
  grid.SetEngine(etCompact, true);
  EXPECT_EQ(Codes(grid, locCenterTorso), (V{6, 6, 6, 7, 7, 7, 7, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Codes(grid, locRightTorso), V(12, 0));
}

TEST(TCritAlloc, EngineOverEquipmentEvictsTheWholeItem) {
  TCritAlloc grid;
  auto w = Item(300, 4);
  ASSERT_TRUE(grid.Allocate(w.get(), locRightTorso, 1));
  grid.SetEngine(etXL, false);
  EXPECT_EQ(Codes(grid, locRightTorso), (V{6, 6, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  ASSERT_EQ(grid.EvictedCount(), 1);
  EXPECT_EQ(grid.Evicted(0), w.get());
  EXPECT_EQ(w->SlotsFirst, 0);
  grid.ClearEvicted();
  EXPECT_EQ(grid.EvictedCount(), 0);
}

TEST(TCritAlloc, TargetingAndSupercharger) {
  TCritAlloc grid;
  EXPECT_TRUE(grid.SetTargeting(tgVariableRange));
  EXPECT_EQ(grid.SlotAt(locHead, 4).Code, ciVariableRange);
  EXPECT_TRUE(grid.SetTargeting(tgMultiTrac2));
  EXPECT_EQ(Codes(grid, locHead), (V{5, 4, 1, 21, 4, 5}));
  EXPECT_TRUE(grid.SetTargeting(tgStandard));
  EXPECT_EQ(grid.SlotAt(locHead, 4).Code, ciEmpty);
  grid.SetCockpit(cpCommandConsole);
  EXPECT_FALSE(grid.SetTargeting(tgVariableRange));

  EXPECT_TRUE(grid.SetSupercharger(scRightTorso));
  EXPECT_EQ(grid.SlotAt(locRightTorso, 1).Code, ciSupercharger);
  EXPECT_TRUE(grid.SetSupercharger(scCenterTorso));
  EXPECT_EQ(grid.SlotAt(locRightTorso, 1).Code, ciEmpty);
  EXPECT_EQ(grid.SlotAt(locCenterTorso, 11).Code, ciSupercharger);
  EXPECT_TRUE(grid.SetSupercharger(scNone));
  EXPECT_EQ(grid.SlotAt(locCenterTorso, 11).Code, ciEmpty);
}

TEST(TCritAlloc, JumpBoostersFollowTheQuadFlag) {
  TCritAlloc grid;
  grid.SetJumpBoosters(true);
  EXPECT_EQ(Codes(grid, locLeftLeg), (V{12, 13, 14, 15, 23, 23}));
  EXPECT_EQ(grid.SlotAt(locRightArm, 5).Code, ciEmpty);
  grid.SetQuad(true);
  EXPECT_EQ(grid.SlotAt(locRightArm, 6).Code, ciJumpBoosters);
  grid.SetQuad(false);
  EXPECT_EQ(grid.SlotAt(locRightArm, 6).Code, ciEmpty);
  grid.SetJumpBoosters(false);
  EXPECT_EQ(Codes(grid, locRightLeg), (V{12, 13, 14, 15, 0, 0}));
}

TEST(TCritAlloc, TurretAndNullSignature) {
  TCritAlloc grid;
  EXPECT_TRUE(grid.SetTurret(trDualTorso));
  EXPECT_EQ(grid.SlotAt(locRightTorso, 1).Code, ciTurretRing);
  EXPECT_EQ(grid.SlotAt(locLeftTorso, 1).Code, ciTurretRing);
  EXPECT_TRUE(grid.SetTurret(trHead));
  EXPECT_EQ(grid.SlotAt(locRightTorso, 1).Code, ciEmpty);
  EXPECT_EQ(grid.SlotAt(locCenterTorso, 11).Code, ciTurretRing);

  EXPECT_TRUE(grid.SetNullSignature(true));
  EXPECT_EQ(grid.SlotAt(locCenterTorso, 12).Code, ciNullSignature);
  EXPECT_EQ(grid.SlotAt(locRightArm, 5).Code, ciNullSignature);
  EXPECT_EQ(grid.SlotAt(locLeftLeg, 5).Code, ciNullSignature);
  EXPECT_EQ(Codes(grid, locHead), (V{5, 4, 1, 0, 4, 5}));
  grid.SetEngine(etFusion, true);  // no room left in the centre torso
  EXPECT_FALSE(grid.SetNullSignature(true));
  EXPECT_TRUE(grid.SetNullSignature(false));
  EXPECT_EQ(grid.SlotAt(locRightArm, 5).Code, ciEmpty);
}

TEST(TCritAlloc, CaseKinds) {
  TCritAlloc grid;
  EXPECT_TRUE(grid.SetCase(locRightTorso, caseIS));
  EXPECT_EQ(grid.SlotAt(locRightTorso, 1).Code, ciCase);
  EXPECT_TRUE(grid.SetCase(locRightTorso, caseClan2));
  EXPECT_EQ(grid.SlotAt(locRightTorso, 1).Code, ciCase2);
  EXPECT_TRUE(grid.SetCase(locRightTorso, caseClan));  // Clan CASE takes no slot
  EXPECT_EQ(Codes(grid, locRightTorso), V(12, 0));
  EXPECT_TRUE(grid.SetCase(locHead, caseIS2));
  EXPECT_EQ(grid.SlotAt(locHead, 4).Code, ciCase2);
  EXPECT_TRUE(grid.SetCase(locHead, caseIS));  // replaces the CASE II in slot 4
  EXPECT_EQ(grid.SlotAt(locHead, 4).Code, ciCase);
  grid.SetCase(locHead, caseNone);
  auto w = Item(150, 1);
  ASSERT_TRUE(grid.Allocate(w.get(), locHead, 4));
  EXPECT_FALSE(grid.SetCase(locHead, caseIS));  // the head has no free slot left
  EXPECT_FALSE(grid.SetCase(8, caseIS));
}

TEST(TCritAlloc, ArmActuatorsGiveWayOnlyWhenFreeSlotsDoNot) {
  TCritAlloc grid;
  auto w = Item(310, 3);
  ASSERT_TRUE(grid.Allocate(w.get(), locRightArm, 3));
  EXPECT_EQ(Codes(grid, locRightArm), (V{8, 9, 10, 11, 310, 310, 310, 0, 0, 0, 0, 0}));
  EXPECT_EQ(w->SlotsFirst, SlotLink(locRightArm, 5));
  EXPECT_EQ(ChainLength(grid, w.get()), 3);

  // Five free slots left: a six-slot item takes the hand and lower arm.
  auto big = Item(311, 6);
  ASSERT_TRUE(grid.Allocate(big.get(), locRightArm, 1));
  EXPECT_EQ(Codes(grid, locRightArm), (V{8, 9, 311, 311, 310, 310, 310, 311, 311, 311, 311, 0}));
  EXPECT_EQ(ChainLength(grid, big.get()), 6);
  grid.Release(big.get());
  grid.Release(w.get());
  EXPECT_EQ(Codes(grid, locRightArm), (V{8, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(w->SlotsFirst, 0);
}

TEST(TCritAlloc, QuadLegActuatorsAreNeverDisplaced) {
  TCritAlloc grid;
  grid.SetQuad(true);
  auto w = Item(310, 2);
  ASSERT_TRUE(grid.Allocate(w.get(), locRightArm, 3));
  EXPECT_EQ(Codes(grid, locRightArm), (V{8, 9, 10, 11, 310, 310}));
  auto big = Item(311, 3);
  EXPECT_FALSE(grid.Allocate(big.get(), locLeftArm, 1));  // only 5 and 6 are free on a front leg
}

TEST(TCritAlloc, SplitItemTakesSlotsInBothLocations) {
  TCritAlloc grid;
  auto w = Item(520, 7, 2);
  ASSERT_TRUE(grid.Allocate(w.get(), locRightArm | lcSplit, 5));
  EXPECT_EQ(Codes(grid, locRightArm), (V{8, 9, 10, 11, 520, 520, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Codes(grid, locRightTorso), (V{520, 520, 520, 520, 520, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ChainLength(grid, w.get()), 7);
  grid.Release(w.get());
  EXPECT_EQ(Codes(grid, locRightTorso), V(12, 0));
  EXPECT_EQ(Codes(grid, locRightArm), (V{8, 9, 10, 11, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(TCritAlloc, RefusalsChangeNothing) {
  TCritAlloc grid;
  auto filler = Item(100, 11);
  ASSERT_TRUE(grid.Allocate(filler.get(), locLeftTorso, 1));
  auto w = Item(101, 2);
  EXPECT_FALSE(grid.Allocate(w.get(), locLeftTorso, 1));
  EXPECT_EQ(grid.SlotAt(locLeftTorso, 12).Code, ciEmpty);
  // Split refusal: the arm part fits but the torso part does not.
  auto split = Item(102, 4, 2);
  EXPECT_FALSE(grid.Allocate(split.get(), locLeftArm | lcSplit, 5));
  EXPECT_EQ(grid.SlotAt(locLeftArm, 5).Code, ciEmpty);
  EXPECT_EQ(grid.SlotAt(locLeftTorso, 12).Code, ciEmpty);
  // Placements never run past the end of a location.
  auto head = Item(103, 2);
  EXPECT_FALSE(grid.Allocate(head.get(), locHead, 6));
  EXPECT_FALSE(grid.Allocate(head.get(), locHead, 40));
  auto huge = Item(104, 200);
  EXPECT_FALSE(grid.Allocate(huge.get(), locRightTorso, 1));
  EXPECT_FALSE(grid.Allocate(nullptr, locRightTorso, 1));
  grid.Release(w.get());  // an item that holds nothing releases nothing
  EXPECT_EQ(ChainLength(grid, filler.get()), 11);
}

TEST(TCritAlloc, SkipsOccupiedSlotsInsideALocation) {
  TCritAlloc grid;
  auto a = Item(100, 1);
  ASSERT_TRUE(grid.Allocate(a.get(), locRightTorso, 2));
  auto b = Item(101, 3);
  ASSERT_TRUE(grid.Allocate(b.get(), locRightTorso, 1));
  EXPECT_EQ(Codes(grid, locRightTorso), (V{101, 100, 101, 101, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ChainLength(grid, b.get()), 3);
}

TEST(TCritAlloc, LimitingBySize) {
  TCritAlloc grid;
  grid.Tonnage = 35;
  grid.SetLimiting(true);
  EXPECT_EQ(grid.UsableSlots(locRightTorso), 10);
  EXPECT_EQ(grid.UsableSlots(locLeftArm), 10);
  EXPECT_EQ(grid.UsableSlots(locLeftLeg), 6);
  auto w = Item(100, 11);
  EXPECT_FALSE(grid.Allocate(w.get(), locRightTorso, 1));
  grid.Tonnage = 10;
  grid.SetLimiting(true);
  EXPECT_EQ(grid.UsableSlots(locRightLeg), 5);
  grid.Tonnage = 65;
  grid.SetLimiting(true);
  EXPECT_EQ(grid.UsableSlots(locRightTorso), 12);
  EXPECT_EQ(grid.UsableSlots(locRightArm), 11);
  grid.SetQuad(true);
  EXPECT_EQ(grid.UsableSlots(locRightArm), 6);
  grid.SetLimiting(false);
  EXPECT_EQ(grid.UsableSlots(locRightArm), 6);
  grid.SetQuad(false);
  EXPECT_EQ(grid.UsableSlots(locRightArm), 12);
}

TEST(TCritAlloc, ActuatorFlags) {
  TCritAlloc grid;
  grid.SetActuators({0, 1, 0, 0});  // right hand gone, left lower arm and hand gone
  EXPECT_EQ(Codes(grid, locRightArm)[2], ciLowerArm);
  EXPECT_EQ(Codes(grid, locRightArm)[3], ciEmpty);
  EXPECT_EQ(Codes(grid, locLeftArm)[2], ciEmpty);
  grid.SetActuators({1, 1, 1, 1});
  EXPECT_EQ(Codes(grid, locLeftArm), (V{8, 9, 10, 11, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(TCritAlloc, ArmouredComponents) {
  TCritAlloc grid;
  grid.SetArmoured(locHead, 3, true);  // cockpit: 1 ton
  EXPECT_TRUE(grid.ArmouredAt(locHead, 3));
  EXPECT_DOUBLE_EQ(grid.ArmouredWeight(), 1.0);
  grid.SetArmoured(locRightArm, 2, true);  // an actuator alone
  EXPECT_FALSE(grid.ArmouredAt(locLeftArm, 2));
  EXPECT_DOUBLE_EQ(grid.ArmouredWeight(), 1.5);
  grid.SetArmoured(locCenterTorso, 4, true);  // the gyro, all four slots
  EXPECT_TRUE(grid.ArmouredAt(locCenterTorso, 7));
  EXPECT_DOUBLE_EQ(grid.ArmouredWeight(), 3.5);
  grid.SetArmoured(locCenterTorso, 5, false);
  EXPECT_DOUBLE_EQ(grid.ArmouredWeight(), 1.5);

  auto weapon = Item(310, 2, 1);
  ASSERT_TRUE(grid.Allocate(weapon.get(), locRightTorso | lcSplit, 1));
  grid.SetArmoured(locCenterTorso, 11, true);  // the split item, in both locations
  EXPECT_TRUE(grid.ArmouredAt(locRightTorso, 1));
  EXPECT_DOUBLE_EQ(grid.ArmouredWeight(), 2.5);
  grid.Release(weapon.get());  // a released slot loses its flag
  EXPECT_FALSE(grid.ArmouredAt(locRightTorso, 1));
  EXPECT_DOUBLE_EQ(grid.ArmouredWeight(), 1.5);

  auto ammo = Item(1500, 1);
  ASSERT_TRUE(grid.Allocate(ammo.get(), locLeftTorso, 1));
  grid.SetArmoured(locLeftTorso, 1, true);
  grid.SetArmoured(locLeftTorso, 2, true);  // empty
  grid.SetCase(locLeftTorso, caseIS);
  grid.SetArmoured(locLeftTorso, 2, true);  // CASE
  EXPECT_FALSE(grid.ArmouredAt(locLeftTorso, 1));
  EXPECT_FALSE(grid.ArmouredAt(locLeftTorso, 2));
  EXPECT_DOUBLE_EQ(grid.ArmouredWeight(), 1.5);
}

TEST(TCritAlloc, ChildCopiesParentSettings) {
  TCritAlloc parent;
  parent.SetCockpit(cpTorsoMounted);
  parent.SetEngine(etXL, false);
  parent.SetQuad(true);
  parent.SetSupercharger(scLeftTorso);
  TCritAlloc child(&parent);
  EXPECT_EQ(child.CockpitType, cpTorsoMounted);
  EXPECT_EQ(child.EngineType, etXL);
  EXPECT_EQ(child.Quad, 1);
  EXPECT_EQ(child.Supercharger, scLeftTorso);
  EXPECT_EQ(child.Parent, &parent);
  // ...but starts from the default layout.
  EXPECT_EQ(Codes(child, locHead), (V{5, 4, 1, 0, 4, 5}));
  EXPECT_EQ(child.SlotCount(locRightArm), 6);
}

TEST(CritName, FixedItemsAndEquipment) {
  TEquipmentIndex index;
  EXPECT_EQ(CritName(ciShoulder, false, index), "Shoulder");
  EXPECT_EQ(CritName(ciShoulder, true, index), "Hip");
  EXPECT_EQ(CritName(ciHand, true, index), "Foot Actuator");
  EXPECT_EQ(CritName(ciMultiTrac2, false, index), "Muli-Track II");
  EXPECT_EQ(CritName(ciEmpty, false, index), "");
  EXPECT_EQ(CritName(102, false, index), "");  // nothing loaded yet
  index.SetAbbrev(102, "ML");
  index.SetAbbrev(2250, "AMS Ammo");
  EXPECT_EQ(CritName(102, false, index), "ML");
  EXPECT_EQ(CritName(2250, false, index), "AMS Ammo");
  EXPECT_EQ(CritName(2350, false, index), "");  // custom ranges have no abbreviation
  EXPECT_EQ(CritName(60, false, index), "");
}
