// Whole designs rated by hand, line by line as the battle-value and cost
// windows show them.

#include <gtest/gtest.h>

#include "RatingsKit.h"
#include "ratings/Ratings.h"

using namespace tfd;
using namespace tfd::kit;

namespace {

class Designs : public ::testing::Test {
 protected:
  void SetUp() override { m.Equipment = &index; }
  TEquipmentIndex index = MakeIndex();
  TMech m;
};

}  // namespace

// 50 t, Inner Sphere Level 2, fusion 200, walk 4, ten single heat sinks.
// Ammunition in the left torso without CASE, a laser facing rear, overheating.
TEST_F(Designs, FiftyTonsRearLaserTorsoAmmoOverheating) {
  m.RulesLevel = rlIS2;
  m.Tonnage = 50;
  m.WalkMP = 4;
  m.Armor = {9, 20, 6, 16, 4, 16, 4, 14, 14, 18, 18};  // 139 points
  TConfiguration& c = *m.Config;
  Place(c, kLRM10, locLeftTorso);
  Place(c, kLRM10Ammo, locLeftTorso);
  Place(c, kMediumLaser, locRightArm);
  Place(c, kMediumLaser, locLeftArm);
  Place(c, kMediumLaser, locCenterTorso + lcRear);
  Place(c, kLargeLaser, locRightTorso);
  TConfiguration& r = ComputeRatings(m);
  ASSERT_EQ(&r, m.Config);

  // Heat 4 + 3 + 3 + 8 (not the rear laser) + running 2 = 20 against 10:
  // modifier 50. Structure (3 + 16 + 2x12 + 2x12 + 2x8) x 1.5. Running 6: 1.2.
  EXPECT_EQ(r.WeaponHeat, 18);
  ExpectDefence(m, r, {278, 124.5, 50, 0, 20, 50, 1.2, 459});  // 382.5 x 1.2
  // 90 + 11 + 46 + 46 + 46/2 + 124 = 340; 340 x 10/20 = 170, + 170/2.
  // ((6 + 0 + 5) / 10)^1.2 = 1.1212.
  ExpectOffence(r, {340, 0, 0, 340, 255, 1.12, 285.6});
  EXPECT_EQ(m.BattleValue, 745);  // 744.6
  // Engine 200 x 5000 x 50/75; gyro 2 t; armour 139/16 = 8.69 t carried as 9 t;
  // arms 50 x (200 + 160 + 100); weapons 100000 + 30000 + 3 x 40000 + 100000.
  // (1861666.67 + 373000) x 1.5.
  ExpectCost(m, r,
             {200000, 50000, 100000, 100000, 20000, 23000, 35000, 666666.666667, 600000, 0, 0, 90000, 350000,
              0, 0, 1.5, 3352000});
}

// 40 t, Inner Sphere Level 3, XL 320, walk 8, jump 8, TSM, twelve double heat
// sinks, Endo Steel, Ferro-Fibrous. CASE in the right torso does not save the
// ammunition there beside an XL engine. An SRM 6 with its Artemis system.
TEST_F(Designs, FortyTonsJumpingWithTsmArtemisAndXlEngine) {
  m.RulesLevel = rlIS3;
  m.Tonnage = 40;
  m.WalkMP = m.JumpMP = 8;
  m.EngineType = etXL;
  m.HeatSinks = 12;
  m.HeatSinkType = hsDouble;
  m.StructureType = stEndoSteel;
  m.ArmorType = atFerroFibrous;
  m.Armor = {9, 18, 6, 14, 4, 14, 4, 12, 12, 16, 16};  // 125 points
  TConfiguration& c = *m.Config;
  c.CaseKind[locRightTorso] = caseIS;
  Place(c, TSM(640000), locRightTorso);
  Place(c, kAMS, locCenterTorso);
  Place(c, kAMSAmmo, locRightTorso);
  Place(c, kSRM6, locLeftTorso);
  Place(c, kArtemisIV, locLeftTorso);
  Place(c, kSRM6Ammo, locRightTorso);
  for (int loc : {locRightArm, locLeftArm, locCenterTorso}) Place(c, kMediumLaser, loc);
  TConfiguration& r = ComputeRatings(m);
  ASSERT_EQ(r.CaseKind[locRightTorso], caseIS);

  // Heat 9 + 4 + AMS 1 + jumping 8 = 22 against 24: no modifier. Structure
  // (3 + 12 + 2x10 + 2x10 + 2x6) x 0.75. Defensive equipment: AMS 32 and its
  // ammunition 11; two lots beside the XL engine: 40. Running with TSM
  // round(9 x 1.5) = 14: level-3 modifier 5, jumping 8: 3 + 1.
  EXPECT_EQ(r.WeaponHeat, 14);
  EXPECT_EQ(r.MovementHeat, 8);
  EXPECT_EQ(r.HeatEfficiency, 24);
  ExpectDefence(m, r, {250, 50.25, 40, 43, 40, 0, 1.5, 514.875});
  // 3 x 46 + 59 + 7 = 204, Artemis 59/5; ((12 + 8 + 1 + 5) / 10)^1.2 = 3.1475.
  ExpectOffence(r, {204, 0, 11.8, 215.8, 215.8, 3.15, 679.77});
  EXPECT_EQ(m.BattleValue, 1195);  // 1194.645
  // Engine 320 x 20000 x 40/75; gyro 4 t; armour 125/17.92 t x 20000; jump
  // 40 x 8 x 8 x 200; weapons 640000 + 100000 + 20000 + 80000 + 100000 + 27000 + 120000.
  ExpectCost(m, r,
             {200000, 50000, 80000, 80000, 64000, 18400, 28000, 3413333.333333, 1200000, 512000, 72000,
              139508.928571, 1087000, 50000, 0, 1.4, 9791939.166667});

  // Below level 3, running 14 has modifier 4.
  m.RulesLevel = rlIS2;
  EXPECT_DOUBLE_EQ(ComputeRatings(m).MovementFactor, 1.4);
}

// A 60 t quad at Inner Sphere Level 1: an AC/20 with two tons of ammunition
// in the right torso and one in a rear leg, lasers in the front legs, sixteen
// heat sinks.
TEST_F(Designs, SixtyTonQuad) {
  m.Options = optQuad;
  m.Tonnage = 60;
  m.WalkMP = 4;
  m.HeatSinks = 16;
  m.Armor = {9, 30, 10, 20, 8, 20, 8, 24, 24, 24, 24};  // 201 points
  TConfiguration& c = *m.Config;
  Place(c, kAC20, locRightTorso);
  Place(c, AC20Ammo(2), locRightTorso);
  Place(c, AC20Ammo(1), locRightLeg);
  Place(c, kMediumLaser, locRightArm);
  Place(c, kMediumLaser, locLeftArm);
  TConfiguration& r = ComputeRatings(m);

  // Structure (3 + 20 + 2x14 + four legs x 14) x 1.5; heat 13 + 2 against 16.
  ExpectDefence(m, r, {402, 160.5, 60, 0, 60, 0, 1.2, 675});
  ExpectOffence(r, {330, 0, 0, 330, 330, 1.12, 369.6});  // 178 + 40 + 20 + 92
  EXPECT_EQ(m.BattleValue, 1045);
  // Front legs 60 x 700; heat sinks 6 x 2000; engine 240 x 5000 x 60/75; gyro 3 t;
  // armour 201/16 = 12.56 t carried as 13 t.
  ExpectCost(m, r,
             {200000, 50000, 120000, 120000, 24000, 42000, 42000, 960000, 900000, 0, 12000, 130000, 410000, 0,
              0, 1.6, 4816000});
}

// A 55 t Clan Omni (Clan XL 275, walk 5, ten Clan double heat sinks, Clan
// Endo Steel, Clan Ferro-Fibrous). Fixed: a targeting computer and an ER
// medium laser. Alternate A: ER PPC, LRM 15 with Artemis and ammunition, two
// pod heat sinks. Alternate B: Ultra AC/5 with ammunition behind arm CASE, a
// Streak SRM 4 and two pod jump jets.
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
    m.Armor = {9, 24, 8, 18, 6, 18, 6, 16, 16, 22, 22};  // 165 points
    Place(*m.Configs[0], kCTargetingComp, locRightTorso);
    Place(*m.Configs[0], kCERMediumLaser, locCenterTorso);
    TConfiguration& a = *m.Configs[2];
    Place(a, kCERPPC, locRightArm);
    Place(a, kCDoubleHS, locRightLeg);
    Place(a, kCDoubleHS, locLeftLeg);
    Place(a, kCLRM15, locLeftTorso);
    Place(a, kCArtemisIV, locLeftTorso);
    Place(a, kCLRM15Ammo, locLeftTorso);
    TConfiguration& b = *m.Configs[3];
    b.CaseKind[locRightArm] = caseClan;
    Place(b, kCUltraAC5, locRightArm);
    Place(b, kCUltraAC5Ammo, locRightArm);
    Place(b, kCJumpJet, locRightLeg);
    Place(b, kCJumpJet, locLeftLeg);
    Place(b, kCStreakSRM4, locLeftArm);
  }
  // Chassis: structure (3 + 18 + 2x13 + 2x13 + 2x9) x 1.125; engine
  // 275 x 20000 x 55/75; gyro 3 t; armour 165/19.2 = 8.59 t carried as 9 t x 20000;
  // 5709833.33 in all.
  static constexpr double kEngine = 4033333.333333, kChassis = 5709833.333333;
};

TEST_F(OmniDesign, AlternateACarriesTheFixedItemsAndItsPods) {
  m.SelectConfig(2);
  TConfiguration& a = ComputeRatings(m);
  ASSERT_EQ(&a, m.Configs[2].get());

  // Heat: fixed laser 5 + PPC 15 + LRM 5 + running 2 = 27 against (10 + 2 pods) x 2.
  // Ammunition in the left torso: a Clan XL survives the torso, but no CASE.
  EXPECT_EQ(a.WeaponHeat, 25);
  EXPECT_EQ(a.HeatSinkCount, 12);
  ExpectDefence(m, a, {330, 102.375, 55, 0, 20, 15, 1.3, 588.0875});
  // 108 + 412 + 164 + 21 = 705; the fixed computer serves the fixed laser
  // only (108/5), the weapons it is sized for; Artemis 164/5.
  // 759.4 x 24/27 = 675.02, + (759.4 - 675.02)/2; 1.3^1.2 = 1.3700.
  ExpectOffence(a, {705, 21.6, 32.8, 759.4, 717.211111, 1.37, 982.579222});
  EXPECT_EQ(m.BattleValue, 1571);
  // Own equipment 300000 + 175000 + 100000 + 30000 (the pod heat sinks are
  // priced on the heat-sink line, 12 x 6000); Omni 605000/4 + fixed 90000/4;
  // subtotal 605000 + 25300 + 72000 + fixed 90000.
  EXPECT_DOUBLE_EQ(a.ConfigCost, 792300);
  ExpectCost(m, a,
             {200000, 50000, 110000, 110000, 88000, 25300, 38500, kEngine, 900000, 0, 72000, 180000, 605000,
              0, 173750, 1.55, (kChassis + 792300 + 173750) * 1.55});

  // The fixed configuration was rated alone on the way: 108 + 108/5, heat 5 + 2.
  const TConfiguration& fixed = *m.Configs[0];
  ExpectOffence(fixed, {108, 21.6, 0, 129.6, 129.6, 1.37, 177.552});
  // The computer: 1 t for 1 t of laser, 10000. 90000 + 25300 + 60000.
  EXPECT_DOUBLE_EQ(fixed.Items.AddrOf(0)->Tons, 1.0);
  EXPECT_DOUBLE_EQ(fixed.ConfigCost, 175300);
  EXPECT_DOUBLE_EQ(fixed.CostLines[clOmni], 22500);
}

TEST_F(OmniDesign, AlternateBJumpsOnItsPodJets) {
  m.SelectConfig(3);
  TConfiguration& b = ComputeRatings(m);
  ASSERT_EQ(b.CaseKind[locRightArm], caseClan);

  // Heat 5 + Ultra 2 + Streak round(1.5) + jumping 3 = 12 against 20. Running
  // 8 (3) beats jumping 2 (0 + 1). Ammunition in an arm with CASE.
  EXPECT_EQ(b.WeaponHeat, 9);
  EXPECT_EQ(b.MovementHeat, 3);
  ExpectDefence(m, b, {330, 102.375, 55, 0, 0, 0, 1.3, 633.5875});
  // 108 + 122 + 15 + 79 = 324, computer 108/5; ((8 + 2 + 5)/10)^1.2 = 1.6267.
  ExpectOffence(b, {324, 21.6, 0, 345.6, 345.6, 1.63, 563.328});
  EXPECT_EQ(m.BattleValue, 1197);  // 1196.9155
  // Jump 55 x 2 x 2 x 200; own equipment 200000 + 9000 + 90000; Omni
  // (299000 + 50000)/4 + 22500; subtotal 299000 + 25300 + 60000 + 44000 + 50000 + 90000.
  EXPECT_DOUBLE_EQ(b.ConfigCost, 568300);
  ExpectCost(m, b,
             {200000, 50000, 110000, 110000, 88000, 25300, 38500, kEngine, 900000, 44000, 60000, 180000,
              299000, 50000, 109750, 1.55, (kChassis + 568300 + 109750) * 1.55});

  // Switching back and forth leaves nothing behind.
  m.SelectConfig(2);
  EXPECT_EQ((ComputeRatings(m), m.BattleValue), 1571);
  m.SelectConfig(3);
  EXPECT_EQ((ComputeRatings(m), m.BattleValue), 1197);
  // The fixed configuration alone: 633.5875 + 177.552.
  m.SelectConfig(0);
  ComputeRatings(m);
  EXPECT_EQ(m.BattleValue, 811);
  EXPECT_NEAR(m.Cost, (kChassis + 175300 + 22500) * 1.55, 1e-6);
}
