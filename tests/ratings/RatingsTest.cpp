// The rules of the ratings where a slip would go unnoticed in a whole design.

#include <gtest/gtest.h>

#include <cmath>

#include "RatingsKit.h"
#include "ratings/Ratings.h"
#include "ratings/SkillTable.h"

using namespace tfd;
using namespace tfd::kit;

namespace {

class Ratings : public ::testing::Test {
 protected:
  void SetUp() override {
    m.Equipment = &index;
    m.RulesLevel = rlMixed3;
    m.Tonnage = 50;
    m.WalkMP = 4;
  }
  TConfiguration& Rate() { return ComputeRatings(m); }
  TEquipmentIndex index = MakeIndex();
  TMech m;
  TConfiguration& c = *m.Configs[0];
};

TWepInfoStruct Weapon(int heat, int bv, std::int16_t options = kDF) {
  return Row(150, heat, 5, 1, 1, bv, 0, options, {0, 3, 6, 9});
}

}  // namespace

TEST_F(Ratings, HeatAgainstTheSinks) {
  // 14 points of weapon heat and running 2 against ten sinks: H = 16.
  Place(c, Weapon(10, 100), locRightArm);
  Place(c, Weapon(4, 60), locLeftArm);
  Rate();
  EXPECT_DOUBLE_EQ(c.HeatModifier, 30.0);
  EXPECT_DOUBLE_EQ(c.ModifiedWeaponRating, 130.0);  // 160 x 10/16 = 100, + 60/2
  // Ultra heat twice, Streak heat halved and rounded, rear mounts none.
  c.Items.Clear();
  Place(c, Weapon(1, 0, kDF | woUltra), locRightArm);
  Place(c, Weapon(3, 0, kOff | woStreak), locLeftArm);
  Place(c, Weapon(1, 0, kOff | woStreak), locLeftArm);
  Place(c, Weapon(9, 0), locCenterTorso + lcRear);
  EXPECT_EQ(Rate().WeaponHeat, 2 + 2 + 1);
}

TEST_F(Ratings, Movement) {
  // Walk 1 and no jump jets: no jumping bonus; one jump MP earns it.
  m.Tonnage = 20;
  m.WalkMP = 1;
  EXPECT_DOUBLE_EQ(Rate().MovementFactor, 1.0);
  m.JumpMP = 1;
  EXPECT_DOUBLE_EQ(Rate().MovementFactor, 1.1);
  EXPECT_EQ(c.MovementHeat, 3);
  // MASC runs at twice the walk and adds a point of speed; TSM takes precedence.
  m.Tonnage = 50;
  m.WalkMP = 5;
  m.JumpMP = 0;
  Place(c, kMASC, locRightTorso);
  Rate();
  EXPECT_DOUBLE_EQ(c.MovementFactor, 1.4);  // running 10
  EXPECT_DOUBLE_EQ(c.SpeedFactor, 1.5);     // ((8 + 1 + 5)/10)^1.2 = 1.4968
  Place(c, TSM(0), locLeftTorso);
  EXPECT_DOUBLE_EQ(Rate().MovementFactor, 1.3);  // round(6 x 1.5) = 9
  // Jump boosters count as jumping MP but make no heat; improved jets heat
  // 3 up to 6 MP, half their MP beyond.
  c.Items.Clear();
  m.JumpBoosterMP = 19;
  Rate();
  EXPECT_DOUBLE_EQ(c.MovementFactor, 1.7);  // 6 + 1 at level 3
  EXPECT_EQ(c.MovementHeat, 2);
  m.JumpBoosterMP = 0;
  m.JumpJetType = jjImproved;
  m.JumpMP = 7;
  EXPECT_EQ(Rate().MovementHeat, 4);
}

TEST_F(Ratings, ExplosivesByLocation) {
  c.CaseKind[locRightTorso] = caseIS;
  auto penalty = [&](const TWepInfoStruct& row, int location) {
    c.Items.Clear();
    Place(c, row, location);
    return Rate().ExplosivePenalty;
  };
  EXPECT_EQ(penalty(AC20Ammo(2), locRightTorso), 0.0);  // behind CASE
  EXPECT_EQ(penalty(AC20Ammo(2), locRightArm), 0.0);    // its torso has CASE
  EXPECT_EQ(penalty(AC20Ammo(2), locLeftArm), 40.0);
  EXPECT_EQ(penalty(AC20Ammo(1), locRightLeg), 20.0);  // legs, head and centre always
  EXPECT_EQ(penalty(kGauss, locLeftTorso), 20.0);      // an explosive weapon: 20 in all
  // Facing does not matter; a split item counts if either location does; a
  // turret item by the location beneath it; the BIN mounts nothing.
  EXPECT_EQ(penalty(AC20Ammo(1), locLeftTorso + lcRear), 20.0);
  EXPECT_EQ(penalty(AC20Ammo(2), locRightArm + lcSplit), 0.0);
  EXPECT_EQ(penalty(AC20Ammo(2), locRightTorso + lcSplit), 40.0);
  EXPECT_EQ(penalty(AC20Ammo(1), lcTurret + locRightTorso), 0.0);
  EXPECT_EQ(penalty(AC20Ammo(1), lcBin), 0.0);
  // An engine that dies with a side torso exposes every side location; a Clan XL does not.
  for (std::uint8_t engine : {etXL, etXXL, etClanXXL}) {
    m.EngineType = engine;
    EXPECT_EQ(penalty(AC20Ammo(2), locRightTorso), 40.0) << int(engine);
  }
  m.EngineType = etClanXL;
  EXPECT_EQ(penalty(AC20Ammo(2), locRightArm), 0.0);
}

TEST_F(Ratings, FireControl) {
  // Artemis serves one launcher in its own location; the window's three
  // offensive lines add up to the base weapon rating.
  Place(c, kLRM10, locLeftTorso);
  Place(c, kLRM10, locLeftTorso);
  Place(c, kArtemisIV, locRightTorso);
  EXPECT_DOUBLE_EQ(Rate().ArtemisRating, 0.0);
  Place(c, kArtemisIV, locLeftTorso);
  EXPECT_DOUBLE_EQ(Rate().ArtemisRating, 18.0);
  EXPECT_DOUBLE_EQ(c.BaseWeaponRating, 198.0);
  // A targeting computer serves direct-fire weapons, a rear one at its half rating.
  c.Items.Clear();
  Place(c, kLargeLaser, locRightArm);
  Place(c, kMediumLaser, locCenterTorso + lcRear);
  Place(c, kLRM10, locLeftTorso);
  Place(c, kCTargetingComp, locRightTorso);
  EXPECT_DOUBLE_EQ(Rate().TargetingRating, (124 + 23) * 0.2);
  EXPECT_DOUBLE_EQ(c.BaseWeaponRating, 124 + 23 + 90 + 29.4);
  // An Inner Sphere computer counts once the table remembers its code name.
  c.Items.Delete(c.Items.AddrOf(3));
  Place(c, Row(idTargCompIS, 0, 0, 3, 3, 0, 30000, 0), locRightTorso);
  EXPECT_DOUBLE_EQ(Rate().TargetingRating, 0.0);
  index = MakeIndex(true);
  EXPECT_NEAR(Rate().TargetingRating, 29.4, 1e-9);
}

TEST_F(Ratings, PodsOfEveryKind) {
  m.Options = optOmni;
  m.HeatSinkType = hsDouble;
  // Heat sinks and jets of the fixed configuration are in the chassis counts.
  Place(*m.Configs[0], Row(idDoubleHS, 0, 0, 3, 1, 0, 6000, 0), locLeftTorso);
  TConfiguration& alt = *m.Configs[2];
  Place(alt, Row(idDoubleHS, 0, 0, 6, 2, 0, 12000, 0), locRightTorso);      // 6/3
  Place(alt, Row(idClanDoubleHS, 0, 0, 4, 2, 0, 12000, 0), locRightTorso);  // 4/2
  Place(alt, Row(idCompactHS, 0, 0, 1, 1.5, 0, 3000, 0), locRightTorso);    // round(1.5 x 2/3)
  Place(alt, Row(idLaserHS, 0, 0, 2, 1, 0, 6000, 0), locRightTorso);        // 2/2
  Place(alt, Row(idImprovedJJ, 0, 0, 4, 2, 0, 0, 0), locRightLeg);          // 4/2
  m.SelectConfig(2);
  Rate();
  EXPECT_EQ(alt.HeatSinkCount, 16);
  EXPECT_EQ(alt.JumpCount, 2);
  EXPECT_DOUBLE_EQ(alt.CostLines[clEquipment], 0.0);
  EXPECT_DOUBLE_EQ(alt.CostLines[clHeatSinks], 16 * 6000.0);
  EXPECT_DOUBLE_EQ(alt.CostLines[clJumpJets], 50 * 2 * 2 * 200.0);
  EXPECT_EQ(m.Configs[0]->HeatSinkCount, 10);
}

TEST_F(Ratings, PodJetsJumpNoFurtherThanTheDesignMay) {
  m.Options = optOmni;
  m.WalkMP = 3;
  TConfiguration& alt = *m.Configs[2];
  TWeapon* jets = Place(alt, Row(idJumpJet, 0, 0, 6, 3, 0, 0, 0), locRightLeg);
  m.SelectConfig(2);
  Rate();
  EXPECT_EQ(alt.JumpCount, 3);  // walking 3
  EXPECT_EQ(alt.MovementHeat, 3);
  EXPECT_DOUBLE_EQ(alt.SpeedFactor, 1.37);  // ((5 + 3 + 5) / 10)^1.2, not ((5 + 6 + 5) / 10)^1.2
  EXPECT_DOUBLE_EQ(alt.CostLines[clJumpJets], 50 * 6 * 6 * 200.0);  // every jet carried is paid
  // Improved jets go as far as the design runs.
  alt.Items.Delete(jets);
  Place(alt, Row(idImprovedJJ, 0, 0, 12, 6, 0, 0, 0), locRightLeg);
  Rate();
  EXPECT_EQ(alt.JumpCount, 5);
  // Within the cap the pods count in full.
  m.WalkMP = 6;
  Rate();
  EXPECT_EQ(alt.JumpCount, 6);
}

TEST_F(Ratings, NoDivisionByZeroAndNoNegativeDefence) {
  // An I.C.E. with no heat sinks, weapons, armour or movement.
  m.EngineType = etICE;
  m.HeatSinks = 0;
  m.WalkMP = 0;
  Rate();
  ASSERT_EQ(m.HeatSinks + m.WalkMP, 0);
  for (double v : {c.DefensiveRating, c.OffensiveRating, c.ModifiedWeaponRating, c.SpeedFactor, m.Cost})
    EXPECT_TRUE(std::isfinite(v));
  EXPECT_DOUBLE_EQ(c.HeatModifier, 10.0);  // standing still counts as running heat
  EXPECT_DOUBLE_EQ(c.SpeedFactor, 0.44);   // 0.5^1.2 = 0.4353
  // (3 + 16 + 24 + 24 + 16) x 1.5 + 50 - 10
  EXPECT_EQ(m.BattleValue, 165);
  // Twelve exposed tons of ammunition (240) outweigh the bare chassis (164.5).
  for (int loc : {locHead, locCenterTorso, locRightLeg, locLeftLeg}) Place(c, AC20Ammo(3), loc);
  Rate();
  EXPECT_DOUBLE_EQ(c.DefensiveRating, 0.0);
  EXPECT_EQ(m.BattleValue, 53);  // 240 with no sinks at all counts half: 120 x 0.44
}

TEST_F(Ratings, CostEdgeCases) {
  m.HeatSinks = 12;
  EXPECT_DOUBLE_EQ(Rate().CostLines[clHeatSinks], 4000.0);  // two beyond the free ten
  m.Tonnage = 90;
  m.WalkMP = 5;
  Rate();
  EXPECT_DOUBLE_EQ(m.CostParts[cpEngineCost], 5400000.0);  // 450 x 5000 x 90/75, doubled
}

TEST_F(Ratings, ArmourIsPaidByTheTonnageCarried) {
  // 150 points of standard armour on 55 tons: 9.375 t, carried as 9.5 t below level 3.
  m.Tonnage = 55;
  m.RulesLevel = rlIS2;
  m.Armor = {8, 30, 6, 20, 6, 20, 6, 16, 16, 11, 11};
  Rate();
  ASSERT_EQ(m.ArmorPoints, 150);
  EXPECT_DOUBLE_EQ(m.Weights[wArmor], 9.5);
  EXPECT_DOUBLE_EQ(m.CostParts[cpArmorCost], 95000.0);
  // 144 points fill nine tons exactly.
  m.Armor[asHead] = 2;
  Rate();
  EXPECT_DOUBLE_EQ(m.CostParts[cpArmorCost], 90000.0);
  // At level 3 the armour weighs and costs what its points do.
  m.RulesLevel = rlIS3;
  m.Armor[asHead] = 8;
  Rate();
  EXPECT_DOUBLE_EQ(m.CostParts[cpArmorCost], 93750.0);
  // Patchwork: each type at its own tonnage and price.
  m.ArmorType = atPatchwork;
  m.ArmorTypes.fill(atStandard);
  for (int s : {asRightArm, asLeftArm}) m.ArmorTypes[static_cast<std::size_t>(s)] = atHardened;
  Rate();
  EXPECT_DOUBLE_EQ(m.CostParts[cpArmorCost], 118.0 / 16 * 10000 + 32.0 / 8 * 15000);
}

TEST(SkillTable, LookupAndFinalValue) {
  EXPECT_DOUBLE_EQ(SkillMultiplier(0, 7), 1.64);
  EXPECT_DOUBLE_EQ(SkillMultiplier(7, 0), 0.85);
  EXPECT_DOUBLE_EQ(SkillMultiplier(kDefaultGunnery, kDefaultPiloting), 1.0);
  EXPECT_DOUBLE_EQ(SkillMultiplier(-1, 9), 1.64);  // beyond the table: its edge
  EXPECT_EQ(FinalBattleValue(745, 3, 4), 834);     // 834.4
  EXPECT_EQ(FinalBattleValue(1001, 7, 7), 490);    // 490.49
}
