// Whole designs rated by hand, line by line, as the battle-value and cost
// windows show them.

#include <gtest/gtest.h>

#include "model/Mech.h"
#include "ratings/Ratings.h"
#include "ratings/SkillTable.h"
#include "RatingsKit.h"

using namespace tfd;
using namespace tfd::kit;

namespace {

constexpr double kTol = 1e-6;

class Designs : public ::testing::Test {
 protected:
  void SetUp() override { m.Equipment = &index; }
  TEquipmentIndex index = MakeIndex();
  TMech m;
};

}  // namespace

// 50 tons, Inner Sphere Level 2, fusion 200, walking 4, ten single heat sinks.
// Ammunition in the left torso without CASE, a laser facing rear, and more
// heat than the sinks take away.
TEST_F(Designs, FiftyTonnerWithRearLaserAndTorsoAmmoOverheats) {
  m.RulesLevel = rlIS2;
  m.Tonnage = 50;
  m.WalkMP = 4;
  SetArmor(m, {9, 20, 6, 16, 4, 16, 4, 14, 14, 18, 18});
  TConfiguration& c = *m.Config;
  Place(c, LRM10(), locLeftTorso);
  Place(c, LRM10Ammo(), locLeftTorso);
  Place(c, MediumLaser(), locRightArm);
  Place(c, MediumLaser(), locLeftArm);
  Place(c, MediumLaser(), locCenterTorso + lcRear);
  Place(c, LargeLaser(), locRightTorso);

  TConfiguration& r = ComputeRatings(m);
  ASSERT_EQ(&r, m.Config);

  // Defensive side.
  EXPECT_DOUBLE_EQ(m.BVArmorFactor, 278.0);      // 139 points x 2
  EXPECT_DOUBLE_EQ(m.BVStructureFactor, 124.5);  // (3 + 16 + 2x12 + 2x12 + 2x8) x 1.5
  EXPECT_DOUBLE_EQ(r.DefensiveEquipment, 0.0);
  EXPECT_DOUBLE_EQ(r.ExplosivePenalty, 20.0);    // one slot of ammunition, left torso, no CASE
  EXPECT_EQ(r.WeaponHeat, 18);                   // 4 + 3 + 3 + 8; the rear laser is not counted
  EXPECT_EQ(r.MovementHeat, 2);
  EXPECT_EQ(r.HeatEfficiency, 10);
  EXPECT_DOUBLE_EQ(r.HeatModifier, 50.0);        // (20 - 10) x 5
  EXPECT_DOUBLE_EQ(r.MovementFactor, 1.2);       // running 6: modifier 2
  EXPECT_DOUBLE_EQ(r.DefensiveRating, 459.0);    // (278 + 124.5 + 50 + 0 - 70) x 1.2

  // Offensive side.
  EXPECT_DOUBLE_EQ(r.BaseWeaponRating, 340.0);   // 90 + 11 + 46 + 46 + 46/2 + 124
  EXPECT_DOUBLE_EQ(r.TargetingRating, 0.0);
  EXPECT_DOUBLE_EQ(r.ArtemisRating, 0.0);        // a launcher able to use Artemis, but none carried
  EXPECT_DOUBLE_EQ(r.ModifiedWeaponRating, 255.0);  // 340 x 10/20 = 170, + (340 - 170) / 2
  EXPECT_DOUBLE_EQ(r.SpeedFactor, 1.12);         // ((6 + 0 + 5) / 10)^1.2 = 1.1212
  EXPECT_NEAR(r.OffensiveRating, 285.6, kTol);   // 255 x 1.12
  EXPECT_EQ(m.BattleValue, 745);                 // 459 + 285.6
  EXPECT_EQ(FinalBattleValue(m.BattleValue, 4, 5), 745);
  EXPECT_EQ(FinalBattleValue(m.BattleValue, 3, 4), 834);  // 745 x 1.12 = 834.4

  // Cost: the configuration's lines.
  EXPECT_DOUBLE_EQ(r.CostLines[clEquipment], 350000.0);  // 100000 + 30000 + 3 x 40000 + 100000
  EXPECT_DOUBLE_EQ(r.CostLines[clArmActuators], 23000.0);  // 50 x (200 + 2 x 80 + 2 x 50)
  EXPECT_DOUBLE_EQ(r.CostLines[clHeatSinks], 0.0);
  EXPECT_DOUBLE_EQ(r.CostLines[clJumpJets], 0.0);
  EXPECT_DOUBLE_EQ(r.CostLines[clCase], 0.0);
  EXPECT_DOUBLE_EQ(r.CostLines[clOmni], 0.0);
  EXPECT_DOUBLE_EQ(r.CostLines[clSupercharger] + r.CostLines[clPowerAmp] + r.CostLines[clTurret], 0.0);
  EXPECT_DOUBLE_EQ(r.ConfigCost, 373000.0);
  // The chassis lines.
  EXPECT_DOUBLE_EQ(m.CostParts[cpCockpitCost], 200000.0);
  EXPECT_DOUBLE_EQ(m.CostParts[cpLifeSupport], 50000.0);
  EXPECT_DOUBLE_EQ(m.CostParts[cpSensors], 100000.0);
  EXPECT_DOUBLE_EQ(m.CostParts[cpMusculature], 100000.0);
  EXPECT_DOUBLE_EQ(m.CostParts[cpStructureCost], 20000.0);
  EXPECT_DOUBLE_EQ(m.CostParts[cpLegActuators], 35000.0);
  EXPECT_NEAR(m.CostParts[cpEngineCost], 666666.6666667, kTol);  // 200 x 5000 x 50 / 75
  EXPECT_DOUBLE_EQ(m.CostParts[cpGyroCost], 600000.0);           // 2 t x 300000
  EXPECT_DOUBLE_EQ(m.CostParts[cpArmorCost], 86875.0);           // 139 / 16 t x 10000
  EXPECT_DOUBLE_EQ(m.CostParts[cpMultiplier], 1.5);
  EXPECT_NEAR(m.Cost, 3347312.5, kTol);  // (1858541.67 + 373000) x 1.5
}

// 40 tons, Inner Sphere Level 3, XL engine 320, walking 8 and jumping 8, TSM,
// twelve double heat sinks, Endo Steel, Ferro-Fibrous. CASE in the right
// torso does not save ammunition beside an XL engine; an SRM 6 with Artemis.
TEST_F(Designs, FortyTonJumperWithTsmArtemisAndXlEngine) {
  m.RulesLevel = rlIS3;
  m.Tonnage = 40;
  m.WalkMP = 8;
  m.JumpMP = 8;
  m.EngineType = etXL;
  m.HeatSinks = 12;
  m.HeatSinkType = hsDouble;
  m.StructureType = stEndoSteel;
  m.ArmorType = atFerroFibrous;
  SetArmor(m, {9, 18, 6, 14, 4, 14, 4, 12, 12, 16, 16});
  TConfiguration& c = *m.Config;
  c.CaseKind[locRightTorso] = caseIS;
  Place(c, TSM(640000), locRightTorso);
  Place(c, AMS(), locCenterTorso);
  Place(c, AMSAmmo(), locRightTorso);
  Place(c, SRM6(), locLeftTorso);
  Place(c, ArtemisIV(), locLeftTorso);
  Place(c, SRM6Ammo(), locRightTorso);
  Place(c, MediumLaser(), locRightArm);
  Place(c, MediumLaser(), locLeftArm);
  Place(c, MediumLaser(), locCenterTorso);

  TConfiguration& r = ComputeRatings(m);
  ASSERT_EQ(r.CaseKind[locRightTorso], caseIS);

  EXPECT_DOUBLE_EQ(m.BVArmorFactor, 250.0);      // 125 points x 2
  EXPECT_DOUBLE_EQ(m.BVStructureFactor, 50.25);  // (3 + 12 + 2x10 + 2x10 + 2x6) x 0.75
  EXPECT_DOUBLE_EQ(r.DefensiveEquipment, 43.0);  // AMS 32 + its ammunition 11
  EXPECT_DOUBLE_EQ(r.ExplosivePenalty, 40.0);    // two lots in the right torso, CASE or not
  EXPECT_EQ(r.WeaponHeat, 14);                   // 3 x 3 + 4 + AMS 1
  EXPECT_EQ(r.MovementHeat, 8);                  // jumping 8
  EXPECT_EQ(r.HeatEfficiency, 24);               // 12 doubles
  EXPECT_DOUBLE_EQ(r.HeatModifier, 0.0);         // 22 <= 24
  // Running with TSM: (8 + 1) x 1.5 = 13.5 -> 14, modifier 5 at level 3;
  // jumping 8: 3 + 1.
  EXPECT_DOUBLE_EQ(r.MovementFactor, 1.5);
  EXPECT_DOUBLE_EQ(r.DefensiveRating, 514.875);  // (250 + 50.25 + 40 + 43 - 40) x 1.5

  EXPECT_NEAR(r.ArtemisRating, 11.8, kTol);      // 59 / 5
  EXPECT_NEAR(r.BaseWeaponRating, 215.8, kTol);  // 3 x 46 + 59 + 7 + 11.8
  EXPECT_NEAR(r.BaseWeaponRating - r.TargetingRating - r.ArtemisRating, 204.0, kTol);
  EXPECT_NEAR(r.ModifiedWeaponRating, 215.8, kTol);
  EXPECT_DOUBLE_EQ(r.SpeedFactor, 3.15);         // ((12 + 8 + 1 + 5) / 10)^1.2 = 3.1475
  EXPECT_NEAR(r.OffensiveRating, 679.77, kTol);
  EXPECT_EQ(m.BattleValue, 1195);                // 514.875 + 679.77 = 1194.645

  EXPECT_DOUBLE_EQ(r.CostLines[clEquipment], 1087000.0);
  EXPECT_DOUBLE_EQ(r.CostLines[clArmActuators], 18400.0);  // 40 x (200 + 160 + 100)
  EXPECT_DOUBLE_EQ(r.CostLines[clHeatSinks], 72000.0);     // 12 x 6000
  EXPECT_DOUBLE_EQ(r.CostLines[clJumpJets], 512000.0);     // 40 x 8 x 8 x 200
  EXPECT_DOUBLE_EQ(r.CostLines[clCase], 50000.0);
  EXPECT_DOUBLE_EQ(r.ConfigCost, 1739400.0);
  EXPECT_DOUBLE_EQ(m.CostParts[cpSensors], 80000.0);
  EXPECT_DOUBLE_EQ(m.CostParts[cpMusculature], 80000.0);
  EXPECT_DOUBLE_EQ(m.CostParts[cpStructureCost], 64000.0);  // Endo Steel 40 x 1600
  EXPECT_DOUBLE_EQ(m.CostParts[cpLegActuators], 28000.0);
  EXPECT_NEAR(m.CostParts[cpEngineCost], 3413333.3333333, kTol);  // 320 x 20000 x 40 / 75
  EXPECT_DOUBLE_EQ(m.CostParts[cpGyroCost], 1200000.0);            // 4 t x 300000
  EXPECT_NEAR(m.CostParts[cpArmorCost], 139508.9285714, kTol);     // 125 / 17.92 t x 20000
  EXPECT_DOUBLE_EQ(m.CostParts[cpMultiplier], 1.4);
  EXPECT_NEAR(m.Cost, 9791939.1666667, kTol);  // (5254842.26 + 1739400) x 1.4

  // The same design below level 3: running 14 gives only modifier 4.
  m.RulesLevel = rlIS2;
  ComputeRatings(m);
  EXPECT_DOUBLE_EQ(m.Config->MovementFactor, 1.4);
}

// 60-ton four-legged design at Inner Sphere Level 1: an AC/20 with two tons
// of ammunition in the right torso and one ton in a rear leg, lasers in the
// front legs, sixteen heat sinks.
TEST_F(Designs, SixtyTonQuad) {
  m.Options = optQuad;
  m.Tonnage = 60;
  m.WalkMP = 4;
  m.HeatSinks = 16;
  SetArmor(m, {9, 30, 10, 20, 8, 20, 8, 24, 24, 24, 24});
  TConfiguration& c = *m.Config;
  Place(c, AC20(), locRightTorso);
  Place(c, AC20Ammo(2), locRightTorso);
  Place(c, AC20Ammo(1), locRightLeg);
  Place(c, MediumLaser(), locRightArm);
  Place(c, MediumLaser(), locLeftArm);

  TConfiguration& r = ComputeRatings(m);
  EXPECT_DOUBLE_EQ(m.BVArmorFactor, 402.0);      // 201 points x 2
  EXPECT_DOUBLE_EQ(m.BVStructureFactor, 160.5);  // (3 + 20 + 2x14 + 4 legs x 14) x 1.5
  EXPECT_DOUBLE_EQ(r.ExplosivePenalty, 60.0);    // 2 slots in the torso + 1 in the leg
  EXPECT_EQ(r.WeaponHeat, 13);
  EXPECT_EQ(r.HeatEfficiency, 16);
  EXPECT_DOUBLE_EQ(r.HeatModifier, 0.0);
  EXPECT_DOUBLE_EQ(r.MovementFactor, 1.2);
  EXPECT_DOUBLE_EQ(r.DefensiveRating, 675.0);    // (402 + 160.5 + 60 - 60) x 1.2
  EXPECT_DOUBLE_EQ(r.BaseWeaponRating, 330.0);   // 178 + 2 x 20 + 20 + 2 x 46
  EXPECT_DOUBLE_EQ(r.ModifiedWeaponRating, 330.0);
  EXPECT_NEAR(r.OffensiveRating, 369.6, kTol);   // 330 x 1.12
  EXPECT_EQ(m.BattleValue, 1045);

  EXPECT_DOUBLE_EQ(r.CostLines[clArmActuators], 42000.0);  // front legs: 60 x 700
  EXPECT_DOUBLE_EQ(m.CostParts[cpLegActuators], 42000.0);
  EXPECT_DOUBLE_EQ(r.CostLines[clEquipment], 410000.0);    // 300000 + 20000 + 10000 + 2 x 40000
  EXPECT_DOUBLE_EQ(r.CostLines[clHeatSinks], 12000.0);     // 6 beyond ten, 2000 each
  EXPECT_DOUBLE_EQ(r.ConfigCost, 464000.0);
  EXPECT_DOUBLE_EQ(m.CostParts[cpEngineCost], 960000.0);   // 240 x 5000 x 60 / 75
  EXPECT_DOUBLE_EQ(m.CostParts[cpGyroCost], 900000.0);
  EXPECT_DOUBLE_EQ(m.CostParts[cpArmorCost], 125625.0);    // 201 / 16 x 10000
  EXPECT_DOUBLE_EQ(m.CostParts[cpMultiplier], 1.6);
  EXPECT_DOUBLE_EQ(m.Cost, 4809000.0);  // (2541625 + 464000) x 1.6
}

// A 55-ton Clan Omni design (Clan XL 275, walking 5, ten Clan double heat
// sinks, Clan Endo Steel, Clan Ferro-Fibrous). The fixed configuration
// carries a targeting computer and an ER medium laser; alternate A adds an ER
// PPC, an LRM 15 with Artemis and its ammunition and two pod heat sinks;
// alternate B an Ultra AC/5 with its ammunition behind CASE, a Streak SRM 4
// and two pod jump jets.
class OmniDesign : public Designs {
 protected:
  void SetUp() override {
    Designs::SetUp();
    m.RulesLevel = rlClan2;
    m.Options = optOmni;
    m.Tonnage = 55;
    m.WalkMP = 5;
    m.EngineType = etClanXL;
    m.HeatSinkType = hsClanDouble;
    m.StructureType = stClanEndoSteel;
    m.ArmorType = atClanFF;
    SetArmor(m, {9, 24, 8, 18, 6, 18, 6, 16, 16, 22, 22});
    TConfiguration& fixed = *m.Configs[0];
    Place(fixed, ClanTargetingComputer(), locRightTorso);
    Place(fixed, ClanERMediumLaser(), locCenterTorso);
    TConfiguration& a = *m.Configs[2];
    Place(a, ClanERPPC(), locRightArm);
    Place(a, ClanDoubleHeatSink(), locRightLeg);
    Place(a, ClanDoubleHeatSink(), locLeftLeg);
    Place(a, ClanLRM15(), locLeftTorso);
    Place(a, ClanArtemisIV(), locLeftTorso);
    Place(a, ClanLRM15Ammo(), locLeftTorso);
    TConfiguration& b = *m.Configs[3];
    b.CaseKind[locRightArm] = caseClan;
    Place(b, ClanUltraAC5(), locRightArm);
    Place(b, ClanUltraAC5Ammo(), locRightArm);
    Place(b, ClanJumpJet(), locRightLeg);
    Place(b, ClanJumpJet(), locLeftLeg);
    Place(b, ClanStreakSRM4(), locLeftArm);
  }
  // Chassis lines shared by every configuration.
  void ExpectChassis() {
    EXPECT_DOUBLE_EQ(m.BVArmorFactor, 330.0);       // 165 points x 2
    EXPECT_DOUBLE_EQ(m.BVStructureFactor, 102.375);  // (3 + 18 + 2x13 + 2x13 + 2x9) x 1.125
    EXPECT_DOUBLE_EQ(m.CostParts[cpSensors], 110000.0);
    EXPECT_DOUBLE_EQ(m.CostParts[cpStructureCost], 88000.0);  // 55 x 1600
    EXPECT_DOUBLE_EQ(m.CostParts[cpLegActuators], 38500.0);
    EXPECT_NEAR(m.CostParts[cpEngineCost], 4033333.3333333, kTol);  // 275 x 20000 x 55 / 75
    EXPECT_DOUBLE_EQ(m.CostParts[cpGyroCost], 900000.0);
    EXPECT_DOUBLE_EQ(m.CostParts[cpArmorCost], 171875.0);  // 165 / 19.2 t x 20000
    EXPECT_DOUBLE_EQ(m.CostParts[cpMultiplier], 1.55);
  }
};

TEST_F(OmniDesign, AlternateACountsTheFixedItemsAndItsPods) {
  m.SelectConfig(2);
  TConfiguration& a = ComputeRatings(m);
  ASSERT_EQ(&a, m.Configs[2].get());
  ExpectChassis();

  EXPECT_DOUBLE_EQ(a.DefensiveEquipment, 0.0);
  EXPECT_DOUBLE_EQ(a.ExplosivePenalty, 20.0);   // LRM ammunition, left torso, no CASE
  EXPECT_EQ(a.WeaponHeat, 25);                  // fixed laser 5 + PPC 15 + LRM 5
  EXPECT_EQ(a.HeatSinkCount, 12);               // 10 + two pods of 2 slots each
  EXPECT_EQ(a.HeatEfficiency, 24);
  EXPECT_EQ(a.MovementHeat, 2);
  EXPECT_DOUBLE_EQ(a.HeatModifier, 15.0);       // (27 - 24) x 5
  EXPECT_DOUBLE_EQ(a.MovementFactor, 1.3);      // running 8: modifier 3
  EXPECT_NEAR(a.DefensiveRating, 588.0875, kTol);  // (330 + 102.375 + 55 - 35) x 1.3

  EXPECT_NEAR(a.TargetingRating, 104.0, kTol);  // (108 + 412) / 5
  EXPECT_NEAR(a.ArtemisRating, 32.8, kTol);     // 164 / 5
  EXPECT_NEAR(a.BaseWeaponRating, 841.8, kTol);  // 108 + 412 + 164 + 21 + 104 + 32.8
  EXPECT_NEAR(a.BaseWeaponRating - a.TargetingRating - a.ArtemisRating, 705.0, kTol);
  // 841.8 x 24 / 27 = 748.2667; + (841.8 - 748.2667) / 2
  EXPECT_NEAR(a.ModifiedWeaponRating, 795.0333333, 1e-6);
  EXPECT_DOUBLE_EQ(a.SpeedFactor, 1.37);        // 1.3^1.2 = 1.3700
  EXPECT_NEAR(a.OffensiveRating, 1089.1956667, 1e-6);
  EXPECT_EQ(m.BattleValue, 1677);

  // Own items only; the pod heat sinks are priced on the heat-sink line.
  EXPECT_DOUBLE_EQ(a.CostLines[clEquipment], 605000.0);  // 300000 + 175000 + 100000 + 30000
  EXPECT_DOUBLE_EQ(a.CostLines[clArmActuators], 25300.0);
  EXPECT_DOUBLE_EQ(a.CostLines[clHeatSinks], 72000.0);   // 12 x 6000
  EXPECT_DOUBLE_EQ(a.CostLines[clJumpJets], 0.0);
  EXPECT_DOUBLE_EQ(a.ConfigCost, 802300.0);  // 605000 + 25300 + 72000 + fixed 100000
  EXPECT_DOUBLE_EQ(a.CostLines[clOmni], 176250.0);  // 605000 / 4 + fixed 100000 / 4
  EXPECT_NEAR(m.Cost, 10354400.4166667, kTol);      // (5701708.33 + 802300 + 176250) x 1.55

  // The fixed configuration was rated on its own on the way.
  const TConfiguration& fixed = *m.Configs[0];
  EXPECT_NEAR(fixed.TargetingRating, 21.6, kTol);
  EXPECT_NEAR(fixed.BaseWeaponRating, 129.6, kTol);
  EXPECT_EQ(fixed.WeaponHeat, 5);
  EXPECT_NEAR(fixed.DefensiveRating, 633.5875, kTol);
  EXPECT_NEAR(fixed.OffensiveRating, 177.552, kTol);
  EXPECT_DOUBLE_EQ(fixed.CostLines[clEquipment], 100000.0);
  EXPECT_DOUBLE_EQ(fixed.CostLines[clOmni], 25000.0);
  EXPECT_DOUBLE_EQ(fixed.ConfigCost, 185300.0);  // 100000 + 25300 + 60000
}

TEST_F(OmniDesign, AlternateBJumpsOnItsPodJets) {
  m.SelectConfig(3);
  TConfiguration& b = ComputeRatings(m);
  ASSERT_EQ(b.CaseKind[locRightArm], caseClan);
  ExpectChassis();

  EXPECT_DOUBLE_EQ(b.ExplosivePenalty, 0.0);   // ammunition in an arm with CASE
  EXPECT_EQ(b.WeaponHeat, 9);                  // 5 + Ultra 1 x 2 + Streak round(1.5)
  EXPECT_EQ(b.JumpCount, 2);
  EXPECT_EQ(b.MovementHeat, 3);                // jumping, at least 3
  EXPECT_EQ(b.HeatEfficiency, 20);
  EXPECT_DOUBLE_EQ(b.HeatModifier, 0.0);
  EXPECT_DOUBLE_EQ(b.MovementFactor, 1.3);     // running 8 (3) beats jumping 2 (0 + 1)
  EXPECT_NEAR(b.DefensiveRating, 633.5875, kTol);

  EXPECT_NEAR(b.TargetingRating, 46.0, kTol);  // (108 + 122) / 5
  EXPECT_DOUBLE_EQ(b.ArtemisRating, 0.0);
  EXPECT_NEAR(b.BaseWeaponRating, 370.0, kTol);  // 108 + 122 + 15 + 79 + 46
  EXPECT_DOUBLE_EQ(b.SpeedFactor, 1.63);       // ((8 + 2 + 5) / 10)^1.2 = 1.6267
  EXPECT_NEAR(b.OffensiveRating, 603.1, kTol);
  EXPECT_EQ(m.BattleValue, 1237);

  EXPECT_DOUBLE_EQ(b.CostLines[clEquipment], 299000.0);  // 200000 + 9000 + 90000
  EXPECT_DOUBLE_EQ(b.CostLines[clJumpJets], 44000.0);    // 55 x 2 x 2 x 200
  EXPECT_DOUBLE_EQ(b.CostLines[clHeatSinks], 60000.0);
  EXPECT_DOUBLE_EQ(b.CostLines[clCase], 50000.0);
  EXPECT_DOUBLE_EQ(b.ConfigCost, 578300.0);
  EXPECT_DOUBLE_EQ(b.CostLines[clOmni], 112250.0);  // (299000 + 50000) / 4 + 25000
  EXPECT_NEAR(m.Cost, 9908000.4166667, kTol);

  // Back to alternate A: nothing of B stays in its figures.
  m.SelectConfig(2);
  ComputeRatings(m);
  EXPECT_EQ(m.BattleValue, 1677);
  m.SelectConfig(3);
  ComputeRatings(m);
  EXPECT_EQ(m.BattleValue, 1237);
}

TEST_F(OmniDesign, FixedConfigurationAlone) {
  TConfiguration& fixed = ComputeRatings(m);
  ASSERT_EQ(&fixed, m.Configs[0].get());
  EXPECT_NEAR(fixed.DefensiveRating + fixed.OffensiveRating, 811.1395, kTol);
  EXPECT_EQ(m.BattleValue, 811);
  EXPECT_DOUBLE_EQ(fixed.CostLines[clOmni], 25000.0);
  EXPECT_NEAR(m.Cost, (5701708.3333333 + 185300.0 + 25000.0) * 1.55, kTol);

  // Without the Omni option the alternates are not carried and the line is 0.
  m.Options = 0;
  ComputeRatings(m);
  EXPECT_DOUBLE_EQ(m.Config->CostLines[clOmni], 0.0);
}
