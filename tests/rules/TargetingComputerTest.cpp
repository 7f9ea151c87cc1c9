// The targeting computer's size follows the direct-fire weapons it serves.

#include <gtest/gtest.h>

#include "model/Mech.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"
#include "rules/TargetingComputer.h"

using namespace tfd;

namespace {

constexpr std::int16_t kComputerIS = 1108, kComputerClan = 1203, kDirectFire = woOffensive | woDirectFire;

TWepInfoStruct Row(std::int16_t id, int crits, float tons, std::int16_t options, double cost = 1000) {
  TWepInfoStruct r;
  r.Name = "Item " + std::to_string(id);
  r.IdNum = r.SaveNum = id;
  r.Crits = static_cast<std::uint8_t>(crits);
  r.Tons = tons;
  r.Cost = cost;
  r.Options = options;
  r.Locs = 0xFF;
  return r;
}

// The table row: a placeholder ton and slot that the rules replace.
const TWepInfoStruct kComputerRow = [] {
  TWepInfoStruct r = Row(kComputerIS, 1, 1.0f, woAppendNumber, 10000);
  r.Name = "Targeting Computer";
  return r;
}();

class TargetingComputer : public ::testing::Test {
 protected:
  void SetUp() override {
    index.Remember(techInnerSphere, ECode::Targ_Comp, kComputerIS);
    index.Remember(techClan, ECode::Targ_Comp, kComputerClan);
    m.Equipment = &index;
    m.RulesLevel = rlMixed3;
    m.Tonnage = 60;
    m.WalkMP = 4;
    Recalculate(m, rqAll);
  }
  TWeapon* Add(const TWepInfoStruct& row, int location, TConfiguration* config = nullptr) {
    TAddRequest r;
    r.Record = &row;
    r.Location = location;
    r.Slot = 1;
    r.Criticals = row.Crits;
    TConfiguration* keep = m.Config;
    if (config) m.Config = config;
    TWeapon* placed = nullptr;
    const EPlacement result = AddItem(m, r, &placed);
    m.Config = keep;
    EXPECT_EQ(result, EPlacement::Placed) << row.Name;
    return placed;
  }
  TEquipmentIndex index;
  TMech m;
};

}  // namespace

TEST(TargetingComputerSize, OneTonPerFourOrFiveTonsOfDirectFireRoundedUp) {
  struct Case {
    double served;
    double innerSphere, clan;
  };
  for (const Case& k : {Case{0, 0, 0}, Case{4, 1, 1}, Case{5, 2, 1}, Case{12, 3, 3}, Case{13, 4, 3},
                        Case{0.5, 1, 1}, Case{20, 5, 4}, Case{25.5, 7, 6}}) {
    EXPECT_DOUBLE_EQ(TargetingComputerWeight(k.served, false), k.innerSphere) << k.served;
    EXPECT_DOUBLE_EQ(TargetingComputerWeight(k.served, true), k.clan) << k.served;
  }
  // Sums of halves and quarters that land on a multiple buy no extra ton.
  EXPECT_DOUBLE_EQ(TargetingComputerWeight(0.1 + 0.2 + 11.7, false), 3.0);
  EXPECT_DOUBLE_EQ(TargetingComputerWeight(-3.0, false), 0.0);
  EXPECT_EQ(TargetingComputerSlots(3.0), 3);
  EXPECT_EQ(TargetingComputerSlots(0.0), 1);  // a placed computer takes a slot
  EXPECT_DOUBLE_EQ(TargetingComputerCost(3.0), 30000.0);
}

TEST_F(TargetingComputer, DirectFireTonnageLeavesOutMissilesAmmunitionAndTheComputer) {
  TConfiguration& c = *m.Config;
  Add(Row(101, 2, 5.0f, kDirectFire), locRightArm);  // large laser
  Add(Row(303, 7, 12.0f, kDirectFire), locRightTorso);
  // Where they sit does not matter here: straight into the list.
  c.Items.Insert(MakeWeapon(Row(501, 2, 5.0f, woOffensive | woUsesArtemis)));  // a launcher
  c.Items.Insert(MakeWeapon(Row(1502, 1, 1.0f, kDirectFire | woExplosive)));   // ammunition
  EXPECT_DOUBLE_EQ(DirectFireTonnage(c, m), 17.0);
  Add(kComputerRow, locLeftTorso);
  EXPECT_DOUBLE_EQ(DirectFireTonnage(c, m), 17.0);
}

TEST_F(TargetingComputer, PlacedAtTheSizeOfTheWeaponsItServes) {
  Add(Row(101, 2, 5.0f, kDirectFire), locRightArm);
  Add(Row(102, 1, 7.0f, kDirectFire), locLeftArm);
  TWeapon* computer = Add(kComputerRow, locLeftTorso);
  ASSERT_NE(computer, nullptr);
  EXPECT_DOUBLE_EQ(computer->Tons, 3.0);
  EXPECT_DOUBLE_EQ(computer->Cost, 30000.0);
  EXPECT_EQ(computer->Slots, 3);
  EXPECT_EQ(m.Config->Crits.SlotAt(locLeftTorso, 3).Item, computer);
  EXPECT_TRUE(TargetingSlotMismatches(*m.Config, m).empty());
  // The configuration weight counts it at that weight.
  EXPECT_DOUBLE_EQ(ConfigWeight(*m.Config, m), 15.0);
}

TEST_F(TargetingComputer, WeightAndCostFollowTheWeaponsWhileTheSlotsStayAndAreReported) {
  Add(Row(101, 2, 8.0f, kDirectFire), locRightArm);
  TWeapon* computer = Add(kComputerRow, locLeftTorso);
  ASSERT_EQ(computer->Slots, 2);
  TWeapon* gun = Add(Row(303, 7, 4.0f, kDirectFire), locRightTorso);  // 12 t now
  Recalculate(m, rqWeights);
  EXPECT_DOUBLE_EQ(computer->Tons, 3.0);
  EXPECT_DOUBLE_EQ(computer->Cost, 30000.0);
  EXPECT_EQ(computer->Slots, 2);
  EXPECT_EQ(m.Config->Crits.SlotAt(locLeftTorso, 3).Item, nullptr);  // nothing moved
  auto found = TargetingSlotMismatches(*m.Config, m);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Item, computer);
  EXPECT_EQ(found[0].Needed, 3);
  EXPECT_EQ(found[0].Placed, 2);
  EXPECT_EQ(TargetingSlotMessage(found[0]), "Targeting Computer needs 3 slots, has 2");
  // Back to 8 t of weapons: the slots match again.
  DeleteItem(m, gun);
  Recalculate(m, rqWeights);
  EXPECT_DOUBLE_EQ(computer->Tons, 2.0);
  EXPECT_TRUE(TargetingSlotMismatches(*m.Config, m).empty());
  // One in the BIN holds no slots and is not reported.
  MoveToBin(m, computer);
  Add(Row(305, 7, 15.0f, kDirectFire), locRightTorso);
  EXPECT_TRUE(TargetingSlotMismatches(*m.Config, m).empty());
  EXPECT_EQ(TargetingSlotMessage({nullptr, 1, 2}), "Targeting Computer needs 1 slot, has 2");
}

TEST_F(TargetingComputer, ClanComputersServeFiveTonsPerTon) {
  TWepInfoStruct clan = kComputerRow;
  clan.IdNum = clan.SaveNum = kComputerClan;
  Add(Row(203, 2, 12.0f, kDirectFire), locRightArm);
  TWeapon* computer = Add(clan, locLeftTorso);
  EXPECT_DOUBLE_EQ(computer->Tons, 3.0);
  EXPECT_EQ(computer->Slots, 3);
  // The Inner Sphere identifier is not a Clan computer, and neither is nothing.
  EXPECT_TRUE(IsClanTargetingComputer(m, kComputerClan));
  EXPECT_FALSE(IsClanTargetingComputer(m, kComputerIS));
  index.Remember(techClan, ECode::Targ_Comp, 0);
  EXPECT_FALSE(IsClanTargetingComputer(m, 0));
}

TEST_F(TargetingComputer, AnOmniPodComputerServesTheFixedWeaponsTooAFixedOneOnlyThem) {
  m.Options = optOmni;
  Recalculate(m, rqAll);
  TConfiguration& fixed = *m.Configs[0];
  Add(Row(101, 2, 8.0f, kDirectFire), locRightArm, &fixed);
  TWeapon* fixedComputer = Add(kComputerRow, locLeftTorso, &fixed);
  m.SelectConfig(2);
  TConfiguration& alt = *m.Config;
  Add(Row(303, 7, 8.0f, kDirectFire), locRightTorso);
  TWeapon* pod = Add(kComputerRow, locLeftTorso);
  EXPECT_DOUBLE_EQ(pod->Tons, 4.0);  // 16 t
  Recalculate(m, rqAll);
  EXPECT_DOUBLE_EQ(fixedComputer->Tons, 2.0);  // 8 t
  EXPECT_DOUBLE_EQ(pod->Tons, 4.0);
  EXPECT_DOUBLE_EQ(alt.EquipmentWeight, 8.0 + 2.0 + 8.0 + 4.0);
  // Without the Omni option the alternate's list stands alone.
  m.Options = 0;
  EXPECT_DOUBLE_EQ(DirectFireTonnage(alt, m), 8.0);
}
