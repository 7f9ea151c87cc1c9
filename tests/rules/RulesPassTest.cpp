#include <gtest/gtest.h>

#include <memory>

#include "model/CritAlloc.h"
#include "model/Mech.h"
#include "rules/RulesPass.h"

using namespace tfd;

namespace {

TWeapon* Place(TConfiguration& c, std::int16_t saveNum, int slots, int location, int start,
               double tons = 1.0) {
  auto w = std::make_unique<TWeapon>();
  w->SaveNum = saveNum;
  w->Slots = w->SlotsFirst = static_cast<std::int16_t>(slots);
  w->Location = static_cast<std::int16_t>(location);
  w->Tons = tons;
  TWeapon* item = c.Items.Insert(std::move(w));
  if (!(location & lcBin) && !c.Crits.Allocate(item, location, start)) {
    c.Items.Delete(item);
    return nullptr;
  }
  return item;
}

}  // namespace

TEST(RulesPass, NewDesignIsTheTwentyTonDefault) {
  TMech m;
  m.Tonnage = 75;
  NewDesign(m);
  EXPECT_DOUBLE_EQ(m.Weights[wStructure], 2.0);
  EXPECT_DOUBLE_EQ(m.Weights[wEngine], 0.5);
  EXPECT_DOUBLE_EQ(m.Weights[wGyro], 1.0);
  EXPECT_DOUBLE_EQ(m.Weights[wCockpit], 3.0);
  EXPECT_DOUBLE_EQ(m.Weights[wHeatSinks], 0.0);
  EXPECT_DOUBLE_EQ(m.Weights[wFree], 13.5);
  EXPECT_DOUBLE_EQ(m.Weights[wWalkSpeed], 10.8);
  EXPECT_EQ(m.Dissipation, 10);
  EXPECT_EQ(m.Structure, (std::array<std::uint8_t, 5>{3, 6, 5, 3, 4}));
  EXPECT_EQ(m.MaxArmor, 9 + 12 + 20 + 12 + 16);
  EXPECT_EQ(m.SlotLimits, (std::array<std::uint8_t, 5>{6, 12, 12, 12, 6}));
}

TEST(RulesPass, TonnageClamps) {
  TMech m;
  const std::pair<int, int> belowLevel3[] = {{23, 20}, {103, 100}, {5, 20}, {255, 100}, {0, 20}};
  for (auto [entered, kept] : belowLevel3) {
    m.Tonnage = static_cast<std::uint8_t>(entered);
    Recalculate(m, rqChassis);
    EXPECT_EQ(m.Tonnage, kept) << entered;
  }
  m.RulesLevel = rlClan3;
  m.Tonnage = 5;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.Tonnage, 10);
  EXPECT_EQ(m.Structure[bsCenterTorso], 4);
}

TEST(RulesPass, EngineLimitAndWeight) {
  TMech m;
  m.Tonnage = 100;
  m.WalkMP = 5;
  Recalculate(m, rqChassis);
  EXPECT_EQ(m.WalkMP, 4);
  EXPECT_EQ(m.EngineRating, 400);
  EXPECT_DOUBLE_EQ(m.Weights[wEngine], 52.5);

  m.RulesLevel = rlIS3;
  m.EngineType = etCompact;
  m.WalkMP = 5;
  Recalculate(m, rqChassis);
  EXPECT_EQ(m.WalkMP, 4);
  EXPECT_DOUBLE_EQ(m.Weights[wEngine], 78.75);  // 52.5 x 1.5, unrounded at level 3

  m.EngineType = etFusion;
  m.WalkMP = 5;
  Recalculate(m, rqChassis);
  EXPECT_EQ(m.WalkMP, 5);
  EXPECT_EQ(m.EngineRating, 500);
  EXPECT_DOUBLE_EQ(m.Weights[wEngine], 462.5);
  EXPECT_LT(m.Weights[wFree], 0.0);                                      // overweight is allowed, and shown
  EXPECT_EQ(m.Config->Crits.SlotAt(locCenterTorso, 12).Code, ciEngine);  // a large engine

  TMech small;
  small.RulesLevel = rlIS2;
  small.EngineType = etXL;
  small.WalkMP = 5;
  Recalculate(small, rqChassis);
  EXPECT_DOUBLE_EQ(small.Weights[wEngine], 1.5);
  small.RulesLevel = rlIS3;
  small.EngineType = etXXL;
  Recalculate(small, rqChassis);
  EXPECT_DOUBLE_EQ(small.Weights[wEngine], 1.0);
}

TEST(RulesPass, HeatSinks) {
  TMech m;
  m.HeatSinks = 12;
  Recalculate(m, rqChassis);
  EXPECT_DOUBLE_EQ(m.Weights[wHeatSinks], 2.0);
  EXPECT_EQ(m.Dissipation, 12);
  m.RulesLevel = rlIS3;
  m.HeatSinkType = hsCompact;
  Recalculate(m, rqChassis);
  EXPECT_DOUBLE_EQ(m.Weights[wHeatSinks], 3.0);
  EXPECT_EQ(m.Dissipation, 12);
  m.HeatSinkType = hsDouble;
  Recalculate(m, rqChassis);
  EXPECT_EQ(m.Dissipation, 24);
  m.HeatSinks = 4;
  Recalculate(m, rqChassis);
  EXPECT_EQ(m.HeatSinks, 10);

  m.EngineType = etICE;
  m.HeatSinkType = hsSingle;
  m.HeatSinks = 5;
  m.JumpMP = 1;
  Recalculate(m, rqChassis);
  EXPECT_EQ(m.HeatSinks, 5);
  EXPECT_DOUBLE_EQ(m.Weights[wHeatSinks], 5.0);
  EXPECT_EQ(m.JumpMP, 0);  // an I.C.E. cannot jump
  m.HeatSinks = 200;
  Recalculate(m, rqChassis);
  m.HeatSinkType = hsDouble;
  Recalculate(m, rqChassis);
  EXPECT_EQ(m.Dissipation, 255);  // stays within its byte
}

TEST(RulesPass, GyroWeightsAtRating250) {
  TMech m;
  m.RulesLevel = rlIS3;
  m.Tonnage = 50;
  m.WalkMP = 5;
  const std::pair<std::uint8_t, double> gyros[] = {
      {gyStandard, 3.0}, {gyCompact, 4.5}, {gyHeavyDuty, 6.0}, {gyXL, 1.5}};
  for (auto [type, tons] : gyros) {
    m.GyroType = type;
    Recalculate(m, rqChassis);
    EXPECT_DOUBLE_EQ(m.Weights[wGyro], tons) << int(type);
  }
  m.Tonnage = 85;  // rating 425: an XL gyro no longer fits
  Recalculate(m, rqChassis);
  EXPECT_EQ(m.GyroType, gyStandard);
}

TEST(RulesPass, MovementWithSuperchargerAndHardenedLegs) {
  TMech m;
  m.RulesLevel = rlIS3;
  m.Tonnage = 50;
  m.WalkMP = 5;
  m.Config->SetSuperchargerLocation(scCenterTorso);
  Recalculate(m, rqAll);
  EXPECT_EQ(m.RunMP, 8);
  EXPECT_EQ(m.SprintMP, 10);
  EXPECT_EQ(m.SuperRunMP, 10);
  EXPECT_EQ(m.SuperSprintMP, 13);
  EXPECT_DOUBLE_EQ(m.Weights[wRunSpeed], 8 * 10.8);
  EXPECT_EQ(m.Config->Crits.SlotAt(locCenterTorso, 11).Code, ciSupercharger);
  EXPECT_DOUBLE_EQ(m.Config->SuperchargerWeight, 1.5);  // engine 12.5 t: 1.25 up to the half ton

  m.ArmorType = atHardened;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.RunMP, 7);
  EXPECT_EQ(m.SprintMP, 9);
  EXPECT_EQ(m.SuperRunMP, 9);
  EXPECT_EQ(m.SuperSprintMP, 12);

  m.WalkMP = 0;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.RunMP, 0);  // never below zero
  EXPECT_EQ(m.SprintMP, 0);

  m.RulesLevel = rlIS2;  // below level 3 the supercharger goes
  m.WalkMP = 5;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.Config->SuperchargerLocation(), scNone);
  EXPECT_EQ(m.SuperRunMP, 0);
}

TEST(RulesPass, JumpJets) {
  TMech m;
  m.WalkMP = 5;
  m.JumpMP = 5;
  const std::pair<int, double> rows[] = {{55, 2.5}, {60, 5.0}, {85, 5.0}, {90, 10.0}};
  for (auto [tons, weight] : rows) {
    m.Tonnage = static_cast<std::uint8_t>(tons);
    m.WalkMP = 4;
    m.JumpMP = 4;
    Recalculate(m, rqChassis);
    EXPECT_DOUBLE_EQ(m.Weights[wJumpJets], weight * 4 / 5) << tons;
  }
  m.RulesLevel = rlIS3;
  m.Tonnage = 55;
  m.WalkMP = 5;
  m.JumpMP = 9;
  m.JumpJetType = jjImproved;
  Recalculate(m, rqChassis);
  EXPECT_EQ(m.JumpMP, 8);  // improved jets jump as far as it runs
  EXPECT_DOUBLE_EQ(m.Weights[wJumpJets], 8.0);
  EXPECT_DOUBLE_EQ(m.Weights[wJumpDistance], 240.0);
  m.JumpJetType = jjStandard;
  Recalculate(m, rqChassis);
  EXPECT_EQ(m.JumpMP, 5);
}

TEST(RulesPass, RulesLevelNormalisation) {
  TMech m;
  m.RulesLevel = rlClan2;
  m.Tonnage = 60;
  m.EngineType = etClanXL;
  m.HeatSinkType = hsClanDouble;
  m.ArmorType = atClanFF;
  m.StructureType = stClanEndoSteel;
  for (int loc = 0; loc < 8; ++loc) m.Config->CaseKind[loc] = caseClan;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.Config->CaseKind[locLeftArm], caseClan);

  m.RulesLevel = rlIS2;
  for (int loc = 0; loc < 8; ++loc) m.Config->CaseKind[loc] = caseIS;
  m.Config->CaseKind[locHead] = caseIS2;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.EngineType, etXL);
  EXPECT_EQ(m.HeatSinkType, hsDouble);
  EXPECT_EQ(m.ArmorType, atFerroFibrous);
  EXPECT_EQ(m.StructureType, stEndoSteel);
  const std::array<std::uint8_t, 8> isCase = {0, caseIS, caseIS, caseIS, 0, 0, 0, 0};
  EXPECT_EQ(m.Config->CaseKind, isCase);
  EXPECT_DOUBLE_EQ(m.Config->CaseWeight, 1.5);

  m.RulesLevel = rlClan3;
  m.EngineType = etICE;
  m.Options = optUtility;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.EngineType, etICE);  // a utility design may keep its I.C.E.
  m.Options = 0;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.EngineType, etFusion);

  m.RulesLevel = rlIS1;
  m.Options = optOmni | optQuad | optUtility;
  m.GyroType = gyXL;
  m.JumpBoosterMP = 3;
  m.MiscFlags = mfLimiting;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.Options, optQuad);
  EXPECT_EQ(m.GyroType, gyStandard);
  EXPECT_EQ(m.JumpBoosterMP, 0);
  EXPECT_EQ(m.MiscFlags, 0);
  EXPECT_EQ(m.StructureType, stStandard);
  EXPECT_EQ(m.Config->CaseKind, (std::array<std::uint8_t, 8>{}));

  m.RulesLevel = 3;  // not a rules level at all: treated as the first
  m.EngineType = 40;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.RulesLevel, rlIS1);
  EXPECT_EQ(m.EngineType, etFusion);
}

TEST(RulesPass, OptionsRules) {
  TMech m;
  m.RulesLevel = rlIS3;
  m.Options = optLAM;
  m.Tonnage = 50;
  m.WalkMP = 5;
  m.EngineType = etICE;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.EngineType, etFusion);
  EXPECT_EQ(m.JumpMP, 1);
  EXPECT_DOUBLE_EQ(m.Weights[wLAM], 5.0);
  m.Tonnage = 60;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.Options & optLAM, 0);  // too heavy to convert

  m.Options = optOmni;
  m.ArmorType = atReactive;
  m.CockpitType = cpCommandConsole;
  m.Tonnage = 55;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.ArmorType, atStandard);
  EXPECT_EQ(m.CockpitType, cpStandard);

  m.Options = optQuad;
  m.MiscFlags = mfArmless;
  m.Config->Actuators = {0, 0, 0, 0};
  Recalculate(m, rqAll);
  EXPECT_EQ(m.MiscFlags & mfArmless, 0);
  EXPECT_EQ(m.Config->Actuators, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));
  EXPECT_EQ(m.Structure[bsArm], m.Structure[bsLeg]);

  m.Options = 0;
  m.MiscFlags = mfArmless;
  m.Armor[asRightArm] = 5;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.Config->Actuators, (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
  EXPECT_EQ(m.Structure[bsArm], 0);
  EXPECT_EQ(m.Armor[asRightArm], 0);

  m.MiscFlags = mfLimiting;
  m.Tonnage = 35;
  m.Config->Actuators = {1, 0, 1, 1};  // a hand without its lower arm goes too
  Recalculate(m, rqAll);
  EXPECT_EQ(m.Config->Actuators, (std::array<std::uint8_t, 4>{0, 0, 1, 1}));
  EXPECT_EQ(m.SlotLimits, (std::array<std::uint8_t, 5>{6, 12, 10, 10, 6}));
  EXPECT_EQ(m.Config->Crits.UsableSlots(locLeftArm), 10);  // the grid uses the design's tonnage
}

TEST(RulesPass, CockpitFallsBackToStandard) {
  TMech m;
  m.RulesLevel = rlIS3;
  m.Tonnage = 90;
  m.WalkMP = 5;  // rating 450: large engine
  m.CockpitType = cpTorsoMounted;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.CockpitType, cpStandard);
  m.GyroType = gyCompact;  // a compact gyro leaves room
  m.CockpitType = cpTorsoMounted;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.CockpitType, cpTorsoMounted);
  EXPECT_DOUBLE_EQ(m.Weights[wCockpit], 4.0);
  const TCritAlloc& crits = m.Config->Crits;
  EXPECT_EQ(crits.SlotAt(locCenterTorso, 6).Code, ciCockpit);
  EXPECT_EQ(crits.SlotAt(locCenterTorso, 7).Code, ciSensors);

  // A torso cockpit that no longer finds two free centre-torso slots.
  m.Tonnage = 50;
  m.GyroType = gyXL;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.CockpitType, cpStandard);
  EXPECT_EQ(crits.SlotAt(locHead, 3).Code, ciCockpit);
}

TEST(RulesPass, CrowdedCentreTorsoDropsSuperchargerAndHeadTurret) {
  TMech m;
  m.RulesLevel = rlIS3;
  m.Tonnage = 50;
  m.WalkMP = 4;
  m.GyroType = gyXL;
  m.Config->SetSuperchargerLocation(scRightTorso);
  m.Config->Turret = trHead;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.Config->SuperchargerLocation(), scNone);
  EXPECT_EQ(m.Config->Turret, trNone);
  EXPECT_EQ(m.SuperRunMP, 0);
  auto before = m.Weights;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.Weights, before);
}

// The Null-Signature System goes where it does not fit and where the design
// holds a targeting system, a satellite uplink or Clan technology.
TEST(RulesPass, NullSignatureDroppedWhereItDoesNotFitOrIsExcluded) {
  TMech m;
  auto keptWith = [&m](std::uint8_t level, std::int16_t flags, std::uint8_t targeting) {
    m.RulesLevel = level;
    m.MiscFlags = flags;
    m.TargetingType = targeting;
    Recalculate(m, rqAll);
    return (m.MiscFlags & mfNullSignature) != 0;
  };
  EXPECT_TRUE(keptWith(rlMixed3, mfNullSignature, tgStandard));
  EXPECT_FALSE(keptWith(rlClan3, mfNullSignature, tgStandard));
  EXPECT_FALSE(keptWith(rlIS3, mfNullSignature, tgLongRange));
  EXPECT_EQ(m.TargetingType, tgLongRange);  // the targeting system stays
  EXPECT_FALSE(keptWith(rlIS3, mfNullSignature | mfSatelliteUplink, tgStandard));
  EXPECT_EQ(m.MiscFlags, mfSatelliteUplink);  // so does the uplink
  EXPECT_EQ(m.Config->Crits.SlotAt(locRightLeg, 5).Code, ciEmpty);

  EXPECT_TRUE(keptWith(rlIS3, mfNullSignature, tgStandard));
  EXPECT_EQ(m.Config->Crits.SlotAt(locRightLeg, 5).Code, ciNullSignature);
  m.JumpBoosterMP = 2;  // boosters fill slots 5 and 6 of the legs
  Recalculate(m, rqAll);
  EXPECT_EQ(m.MiscFlags & mfNullSignature, 0);
  EXPECT_EQ(m.Config->Crits.SlotAt(locRightArm, 5).Code, ciEmpty);
  EXPECT_DOUBLE_EQ(m.Weights[wJumpBoosters], 2.0);  // 20 t x 0.05 x 2
}

TEST(RulesPass, CaseThatDoesNotFitIsDropped) {
  TMech m;
  m.RulesLevel = rlIS3;
  TConfiguration& c = *m.Config;
  ASSERT_NE(Place(c, 310, 12, locRightTorso, 1), nullptr);
  c.CaseKind[locRightTorso] = caseIS;
  c.CaseKind[locLeftTorso] = caseIS2;
  Recalculate(m, rqCase);
  EXPECT_EQ(c.CaseKind[locRightTorso], caseNone);
  EXPECT_EQ(c.CaseKind[locLeftTorso], caseIS2);
  EXPECT_EQ(c.Crits.SlotAt(locLeftTorso, 1).Code, ciCase2);
  EXPECT_DOUBLE_EQ(c.CaseWeight, 1.0);
}

TEST(RulesPass, ChassisItemsMoveDisplacedEquipmentToTheBin) {
  TMech m;
  m.RulesLevel = rlIS2;
  m.Tonnage = 60;
  m.WalkMP = 4;
  Recalculate(m, rqAll);
  TConfiguration& c = *m.Config;
  TWeapon* large = Place(c, 120, 2, locLeftTorso, 1);
  TWeapon* ac = Place(c, 330, 7, locLeftTorso, 3);
  TWeapon* safe = Place(c, 121, 1, locLeftTorso, 12);
  TWeapon* arm = Place(c, 340, 4, locLeftArm, 5);
  ASSERT_TRUE(large && ac && safe && arm);
  const double freeBefore = m.Weights[wFree];

  m.EngineType = etXL;  // takes left torso slots 1 to 3
  TRulesReport report = Recalculate(m, rqChassis);
  ASSERT_EQ(report.MovedCount, 2);
  EXPECT_EQ(report.Moved[0], large);
  EXPECT_EQ(report.Moved[1], ac);
  for (TWeapon* w : {large, ac}) {
    EXPECT_EQ(w->Location, lcBin);
    EXPECT_EQ(w->SlotsFirst, 0);
  }
  EXPECT_EQ(safe->Location, locLeftTorso);
  EXPECT_EQ(c.Crits.SlotAt(locLeftTorso, 12).Item, safe);
  for (int s = 4; s <= 11; ++s) EXPECT_EQ(c.Crits.SlotAt(locLeftTorso, s).Code, ciEmpty) << s;
  EXPECT_GT(m.Weights[wFree], freeBefore);  // the lighter engine; the moved items still weigh
  EXPECT_EQ(c.Items.Size(), 4);

  report = Recalculate(m, rqAll);
  EXPECT_EQ(report.MovedCount, 0);
}

TEST(ConfigWeight, PartsOfTheConfigurationTotal) {
  TMech m;
  m.RulesLevel = rlMixed3;
  m.Tonnage = 70;
  m.WalkMP = 4;
  m.EngineType = etICE;
  Recalculate(m, rqAll);
  TConfiguration& c = *m.Config;
  Place(c, 110, 1, locRightArm, 5, 5.0);               // energy
  Place(c, 111, 1, locHead | lcTurret, 4, 3.0);        // energy, head turret
  Place(c, 330, 2, locRightTorso | lcTurret, 1, 6.0);  // ballistic, right torso turret
  Place(c, 1500, 1, lcBin, 0, 1.0);                    // ammunition carried in the BIN
  c.CaseKind[locLeftTorso] = caseClan2;
  c.CaseKind[locCenterTorso] = caseClan;
  c.Crits.SetArmoured(locHead, 3, true);
  Recalculate(m, rqCase);
  EXPECT_DOUBLE_EQ(c.EquipmentWeight, 15.0);
  EXPECT_DOUBLE_EQ(c.PowerAmpWeight, 1.0);  // 8 t of energy weapons: 0.8, up to a whole ton
  EXPECT_DOUBLE_EQ(c.TurretWeight, 0.5 + 1.0);
  EXPECT_DOUBLE_EQ(c.CaseWeight, 0.5);
  EXPECT_DOUBLE_EQ(c.ArmouredWeight, 1.0);
  EXPECT_DOUBLE_EQ(c.TotalWeight, 15.0 + 1.0 + 1.5 + 0.5 + 1.0);

  TEquipmentIndex index;  // a laser anti-missile system counts as an energy weapon
  index.Remember(techClan, ECode::Laser_AMS, 1250);
  m.Equipment = &index;
  Place(c, 1250, 2, locLeftArm, 5, 2.0);
  Recalculate(m, rqWeights);
  EXPECT_DOUBLE_EQ(c.PowerAmpWeight, 1.0);  // 10 t: exactly one ton
  Place(c, 1251, 1, locLeftArm, 7, 0.5);
  Recalculate(m, rqWeights);
  EXPECT_DOUBLE_EQ(c.PowerAmpWeight, 1.0);  // not an energy weapon
}

TEST(ConfigWeight, AlternateCarriesTheFixedEquipment) {
  TMech m;
  m.RulesLevel = rlClan2;
  m.Options = optOmni;
  m.Tonnage = 50;
  m.WalkMP = 5;
  Recalculate(m, rqAll);
  Place(*m.Configs[0], 220, 1, locRightArm, 5, 2.0);
  Recalculate(m, rqWeights);
  const double freeFixed = m.Weights[wFree];

  m.SelectConfig(4);
  Recalculate(m, rqChassis);
  EXPECT_EQ(m.ConfigIndex, 4);
  EXPECT_DOUBLE_EQ(m.Weights[wFree], freeFixed);  // the fixed laser weighs in the alternate too
  Place(*m.Config, 221, 1, locLeftArm, 5, 1.0);
  Recalculate(m, rqWeights);
  EXPECT_DOUBLE_EQ(m.Weights[wFree], freeFixed - 1.0);
  EXPECT_DOUBLE_EQ(m.Config->EquipmentWeight, 3.0);

  m.SelectConfig(0);  // the fixed configuration counts its own list only
  Recalculate(m, rqWeights);
  EXPECT_DOUBLE_EQ(m.Weights[wFree], freeFixed);

  m.SelectConfig(4);
  m.Options = 0;  // no longer Omni: back to the fixed configuration
  Recalculate(m, rqChassis);
  EXPECT_EQ(m.ConfigIndex, 0);
  EXPECT_EQ(m.Config, m.Configs[0].get());
  EXPECT_EQ(m.Configs[4]->Items.Size(), 1);  // the alternate's equipment is kept
}

TEST(RulesPass, AlternateShowsTheFixedEquipmentAndPodsMakeWay) {
  TMech m;
  m.RulesLevel = rlClan2;
  m.Options = optOmni;
  m.Tonnage = 50;
  m.WalkMP = 5;
  Recalculate(m, rqAll);
  m.SelectConfig(2);
  Recalculate(m, rqChassis);
  TWeapon* pod = Place(*m.Config, 221, 2, locRightArm, 5, 1.0);
  ASSERT_NE(pod, nullptr);

  m.SelectConfig(0);
  Recalculate(m, rqChassis);
  TWeapon* fixed = Place(*m.Configs[0], 220, 1, locRightArm, 6, 2.0);
  ASSERT_NE(fixed, nullptr);

  m.SelectConfig(2);
  const TRulesReport report = Recalculate(m, rqChassis);
  const TCritAlloc& alt = m.Config->Crits;
  EXPECT_EQ(alt.SlotAt(locRightArm, 6).Item, fixed);  // shown where the fixed configuration has it
  ASSERT_EQ(report.MovedCount, 1);                    // the pod was in its way
  EXPECT_EQ(report.Moved[0], pod);
  EXPECT_EQ(pod->Location, lcBin);
  EXPECT_EQ(alt.SlotAt(locRightArm, 5).Item, nullptr);
  EXPECT_EQ(fixed->Location, locRightArm);  // an alternate never moves the fixed equipment

  // A pod placed from the fixed item's slot passes over it; once the fixed
  // item goes, its copy in the alternate goes too.
  TWeapon* next = Place(*m.Config, 222, 1, locRightArm, 6, 1.0);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(alt.SlotAt(locRightArm, 7).Item, next);
  EXPECT_EQ(alt.SlotAt(locRightArm, 6).Item, fixed);
  m.Configs[0]->Crits.Release(fixed);
  m.Configs[0]->Items.Delete(fixed);
  Recalculate(m, rqChassis);
  EXPECT_EQ(alt.SlotAt(locRightArm, 6).Item, nullptr);
}

TEST(RulesPass, ItemsBeyondNewSlotLimitsGoToTheBin) {
  TMech m;
  m.RulesLevel = rlIS3;
  m.Tonnage = 80;
  m.WalkMP = 4;
  Recalculate(m, rqAll);
  TWeapon* deep = Place(*m.Config, 310, 2, locRightTorso, 11);
  TWeapon* arm = Place(*m.Config, 311, 1, locLeftArm, 9);
  ASSERT_TRUE(deep && arm);
  m.MiscFlags = mfLimiting;
  m.Tonnage = 35;  // side torsos and arms now have 10 slots
  TRulesReport report = Recalculate(m, rqAll);
  ASSERT_EQ(report.MovedCount, 1);
  EXPECT_EQ(deep->Location, lcBin);
  EXPECT_EQ(arm->Location, locLeftArm);  // slot 9 is still there
  m.Options = optQuad;                   // a quad's front legs have six slots
  report = Recalculate(m, rqAll);
  ASSERT_EQ(report.MovedCount, 1);
  EXPECT_EQ(arm->Location, lcBin);
}

// Choices that exclude each other are settled one way, the way the menus
// offer them: the later choice is the one a menu leaves enabled.
TEST(RulesPass, ExcludingChoicesAreSettledOneWay) {
  TMech m;
  m.RulesLevel = rlIS3;
  m.Tonnage = 40;
  m.Options = optLAM | optQuad;  // a LAM gives way to a quad
  Recalculate(m, rqAll);
  EXPECT_EQ(m.Options, optQuad);

  m.Config->Turret = trDualTorso;                   // a quad has no arms to clear a dual turret
  m.Config->SetSuperchargerLocation(scRightTorso);  // a side supercharger needs the engine there
  Recalculate(m, rqAll);
  EXPECT_EQ(m.Config->Turret, trNone);
  EXPECT_EQ(m.Config->SuperchargerLocation(), scNone);
  m.EngineType = etXL;
  m.Config->SetSuperchargerLocation(scRightTorso);
  Recalculate(m, rqAll);
  EXPECT_EQ(m.Config->SuperchargerLocation(), scRightTorso);

  m.Options = 0;
  m.Tonnage = 60;
  m.CockpitType = cpCommandConsole;  // the console takes the head slot of these systems
  m.TargetingType = tgVariableRange;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.CockpitType, cpCommandConsole);
  EXPECT_EQ(m.TargetingType, tgStandard);
}

TEST(RulesPass, PatchworkSectionsFollowTheRulesLevel) {
  TMech m;
  m.RulesLevel = rlClan3;
  m.ArmorType = atPatchwork;
  m.ArmorTypes.fill(atStandard);
  m.ArmorTypes[asHead] = atFerroFibrous;
  m.ArmorTypes[asRightArm] = atReactive;
  m.ArmorTypes[asLeftLeg] = atHardened;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.ArmorTypes[asHead], atClanFF);
  EXPECT_EQ(m.ArmorTypes[asRightArm], atClanReactive);
  EXPECT_EQ(m.ArmorTypes[asLeftLeg], atHardened);

  m.RulesLevel = rlIS3;
  Recalculate(m, rqAll);
  EXPECT_EQ(m.ArmorTypes[asHead], atFerroFibrous);
  EXPECT_EQ(m.ArmorTypes[asRightArm], atReactive);
}

// Equipment in slots that Armless or Limiting takes away goes to the BIN in
// the pass itself, reported as moved.
TEST(RulesPass, ArmlessAndLimitingEvictEquipment) {
  TMech m;
  m.RulesLevel = rlIS3;
  m.Tonnage = 20;
  Recalculate(m, rqAll);
  auto add = [&m](int location, int slot) {
    auto w = std::make_unique<TWeapon>();
    w->SaveNum = 102;
    w->Slots = 1;
    w->SlotsFirst = 1;  // all in the primary location
    w->Location = static_cast<std::int16_t>(location);
    TWeapon* item = m.Config->Items.Insert(std::move(w));
    EXPECT_TRUE(m.Config->Crits.Allocate(item, location, slot));
    return item;
  };
  TWeapon* arm = add(locLeftArm, 6);
  TWeapon* torso = add(locRightTorso, 12);
  TWeapon* kept = add(locRightTorso, 5);
  m.MiscFlags = mfArmless;
  TRulesReport report = Recalculate(m, rqChassis | rqCase);
  ASSERT_EQ(report.MovedCount, 1);
  EXPECT_EQ(report.Moved[0], arm);
  EXPECT_EQ(arm->Location, lcBin);
  EXPECT_EQ(m.Config->Crits.UsableSlots(locLeftArm), 0);

  m.MiscFlags = mfArmless | mfLimiting;  // 20 tons: ten slots per side torso
  report = Recalculate(m, rqChassis | rqCase);
  ASSERT_EQ(report.MovedCount, 1);
  EXPECT_EQ(report.Moved[0], torso);
  EXPECT_EQ(torso->Location, lcBin);
  EXPECT_EQ(kept->Location, locRightTorso);

  m.MiscFlags = 0;  // the arms come back, empty
  Recalculate(m, rqChassis | rqCase);
  EXPECT_EQ(m.Config->Crits.UsableSlots(locLeftArm), 12);
}

// A file that stores only its equipment leaves the fixed items out of its
// slot table: the pass lays them again where their slots are free, and never
// over equipment.
TEST(RulesPass, LaysTheFixedItemsAFileLeftOut) {
  TMech m;
  TCritAlloc& grid = m.Config->Crits;
  TWeapon laser;
  laser.SaveNum = 102;
  for (int loc = 0; loc < kLocationCount; ++loc)
    for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s) grid.LoadSlot(loc, s, ciEmpty, nullptr);
  grid.LoadSlot(locRightLeg, 3, 102, &laser);
  Recalculate(m, rqAll);
  auto code = [&](int loc, int slot) { return grid.SlotAt(loc, slot).Code; };
  EXPECT_EQ(code(locHead, 1), ciLifeSupport);
  EXPECT_EQ(code(locHead, 2), ciSensors);
  EXPECT_EQ(code(locHead, 3), ciCockpit);
  EXPECT_EQ(code(locHead, 5), ciSensors);
  EXPECT_EQ(code(locHead, 6), ciLifeSupport);
  for (int arm : {locRightArm, locLeftArm}) {
    EXPECT_EQ(code(arm, 1), ciShoulder);
    EXPECT_EQ(code(arm, 2), ciUpperArm);
    EXPECT_EQ(code(arm, 4), ciHand);
  }
  EXPECT_EQ(code(locLeftLeg, 3), ciLowerLeg);
  EXPECT_EQ(code(locRightLeg, 1), ciHip);
  EXPECT_EQ(grid.SlotAt(locRightLeg, 3).Item, &laser);  // equipment keeps its slot
  EXPECT_EQ(code(locRightLeg, 4), ciFoot);
}
