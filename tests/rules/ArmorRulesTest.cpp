#include <gtest/gtest.h>

#include "model/Mech.h"
#include "rules/ArmorRules.h"
#include "rules/RulesPass.h"

using namespace tfd;

TEST(ArmorCaps, HeadAndLimbs) {
  TMech m;
  m.Tonnage = 50;
  Recalculate(m, rqAll);
  m.Armor[asHead] = 12;
  m.Armor[asRightArm] = m.Armor[asLeftArm] = 40;  // arm structure 8: cap 16
  m.Armor[asRightLeg] = m.Armor[asLeftLeg] = 30;  // leg structure 12: cap 24
  Recalculate(m, rqArmor);
  EXPECT_EQ(m.Armor[asHead], 9);
  EXPECT_EQ(m.Armor[asRightArm], 16);
  EXPECT_EQ(m.Armor[asLeftLeg], 24);
  EXPECT_EQ(m.MaxArmor, 9 + 32 + 48 + 32 + 48);
}

TEST(ArmorCaps, TorsoExcessComesOffRearThenFront) {
  TMech m;
  m.Tonnage = 50;  // centre torso structure 16
  Recalculate(m, rqAll);
  m.Armor[asCenterTorso] = 25;
  m.Armor[asCenterTorsoRear] = 10;
  Recalculate(m, rqArmor);
  EXPECT_EQ(m.Armor[asCenterTorso], 24);
  EXPECT_EQ(m.Armor[asCenterTorsoRear], 8);

  m.Armor[asCenterTorso] = 35;
  m.Armor[asCenterTorsoRear] = 0;
  Recalculate(m, rqArmor);
  EXPECT_EQ(m.Armor[asCenterTorso], 32);
  EXPECT_EQ(m.Armor[asCenterTorsoRear], 0);

  m.Armor[asCenterTorso] = 35;  // excess 4; the rear holds less than half: it gives its 1
  m.Armor[asCenterTorsoRear] = 1;
  Recalculate(m, rqArmor);
  EXPECT_EQ(m.Armor[asCenterTorso], 32);
  EXPECT_EQ(m.Armor[asCenterTorsoRear], 0);
}

TEST(ArmorMirror, PairsMeetAtTheirMeanAndStayEqualAfterCaps) {
  TMech m;
  m.Tonnage = 50;  // side torso structure 12: front plus rear at most 24
  Recalculate(m, rqAll);
  m.Armor[asRightTorso] = 10;
  m.Armor[asLeftTorso] = 7;
  Recalculate(m, rqArmor);
  EXPECT_EQ(m.Armor[asRightTorso], 8);
  EXPECT_EQ(m.Armor[asLeftTorso], 8);

  // Only the fronts are mirrored; the right rear pushes the right front down.
  m.ArmorMirror = 1;
  m.Armor[asRightTorso] = m.Armor[asLeftTorso] = 20;
  m.Armor[asRightTorsoRear] = 10;
  m.Armor[asLeftTorsoRear] = 0;
  Recalculate(m, rqArmor);
  EXPECT_EQ(m.Armor[asRightTorso], m.Armor[asLeftTorso]);
  EXPECT_LE(m.Armor[asRightTorso] + m.Armor[asRightTorsoRear], 24);
  auto before = m.Armor;
  Recalculate(m, rqArmor);
  EXPECT_EQ(m.Armor, before);

  m.ArmorMirror = 0;  // unmirrored pairs keep their own values
  m.Armor[asRightArm] = 3;
  m.Armor[asLeftArm] = 5;
  Recalculate(m, rqArmor);
  EXPECT_EQ(m.Armor[asRightArm], 3);
}

TEST(ArmorWeight, HalfTonRuleBelowLevelThree) {
  TMech m;
  m.Tonnage = 50;
  Recalculate(m, rqAll);
  m.Armor[asCenterTorso] = 17;
  Recalculate(m, rqArmor);
  EXPECT_DOUBLE_EQ(m.Weights[wArmor], 1.5);
  EXPECT_EQ(m.ArmorFactor, 24);
  m.Armor[asCenterTorso] = 16;
  Recalculate(m, rqArmor);
  EXPECT_DOUBLE_EQ(m.Weights[wArmor], 1.0);
  EXPECT_EQ(m.ArmorFactor, 16);

  m.RulesLevel = rlIS3;
  m.Armor[asCenterTorso] = 17;
  Recalculate(m, rqAll);
  EXPECT_DOUBLE_EQ(m.Weights[wArmor], 17.0 / 16.0);
  EXPECT_EQ(m.ArmorFactor, 17);

  m.RulesLevel = rlIS2;
  m.ArmorType = atFerroFibrous;  // 17.92 points a ton: one ton buys 18, so 19 need 1.5 t
  m.Armor[asCenterTorso] = 18;
  Recalculate(m, rqAll);
  EXPECT_DOUBLE_EQ(m.Weights[wArmor], 1.0);
  EXPECT_EQ(m.ArmorFactor, 18);
  m.Armor[asCenterTorso] = 19;
  Recalculate(m, rqAll);
  EXPECT_DOUBLE_EQ(m.Weights[wArmor], 1.5);
  EXPECT_EQ(m.ArmorFactor, 27);
}

TEST(ArmorWeight, PatchworkSumsItsSections) {
  TMech m;
  m.RulesLevel = rlMixed3;
  m.Tonnage = 50;
  m.ArmorType = atPatchwork;
  m.WalkMP = 5;
  Recalculate(m, rqAll);
  m.ArmorTypes.fill(atStandard);
  m.ArmorTypes[asRightLeg] = m.ArmorTypes[asLeftLeg] = atHardened;
  m.Armor[asCenterTorso] = 16;
  m.Armor[asRightLeg] = m.Armor[asLeftLeg] = 8;
  Recalculate(m, rqAll);
  EXPECT_DOUBLE_EQ(m.Weights[wArmor], 1.0 + 2.0);
  EXPECT_EQ(m.ArmorTypes[asRightLeg], atHardened);  // Patchwork keeps its section types
  EXPECT_EQ(m.RunMP, 7);                            // hardened legs cost walk 5 a running point
  EXPECT_EQ(ArmorWeight(10, atPatchwork), 0.0);
  EXPECT_EQ(ArmorPointsFor(2.0, atPatchwork), 0);
}

TEST(DistributeArmor, FullAllocationOnAHundredTonner) {
  TMech m;
  m.Tonnage = 100;
  Recalculate(m, rqAll);
  DistributeArmor(m, 100);
  // Maximum 9 + 62 + 84 + 68 + 84 = 307: the body shares are exactly twice each structure value.
  EXPECT_EQ(m.MaxArmor, 307);
  EXPECT_EQ(m.Armor[asHead], 9);
  EXPECT_EQ(m.Armor[asCenterTorso] + m.Armor[asCenterTorsoRear], 62);
  EXPECT_EQ(m.Armor[asCenterTorso], 47);  // 3:1 of 62
  EXPECT_EQ(m.Armor[asRightTorso], 32);
  EXPECT_EQ(m.Armor[asLeftTorsoRear], 10);
  EXPECT_EQ(m.Armor[asRightArm], 34);
  EXPECT_EQ(m.Armor[asLeftLeg], 42);
  EXPECT_EQ(m.ArmorPoints, 307);

  DistributeArmor(m, 50);
  EXPECT_EQ(m.Armor[asHead], 9);  // Round(154 x 0.1) = 15, at most 9
  EXPECT_NEAR(m.ArmorPoints, 154, 4);
  DistributeArmor(m, 0);
  EXPECT_EQ(m.ArmorPoints, 0);
  DistributeArmor(m, 25);
  EXPECT_EQ(m.Armor[asHead], 8);             // Round(77 x 0.1)
  m.TorsoRatioFront = m.TorsoRatioRear = 0;  // no ratio: still a sound split
  DistributeArmor(m, 100);
  EXPECT_EQ(m.Armor[asCenterTorso] + m.Armor[asCenterTorsoRear], 62);
}
