// Each rule of the validation, raised by a design that breaks it and quiet for
// one that keeps it, grouped by family.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/Mech.h"
#include "rules/ArmorRules.h"
#include "rules/MenuRules.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"
#include "rules/Validation.h"

using namespace tfd;

namespace {

constexpr std::int16_t kLaser = 101, kLrm = 700, kLrmAmmo = 1700, kClanLaser = 200, kLevel3Gun = 320;

class Validation : public ::testing::Test {
 protected:
  void SetUp() override {
    index.SetFacts(kLaser, rlIS1 | rlIS2 | rlIS3 | rlMixed3, false);
    index.SetFacts(kLrm, rlIS1 | rlIS2 | rlIS3 | rlMixed3, true);
    index.SetFacts(kClanLaser, rlClan2 | rlClan3 | rlMixed3, false);
    index.SetFacts(kLevel3Gun, rlIS3 | rlMixed3, true);
    m.Equipment = &index;
    m.RulesLevel = rlIS2;
    m.Tonnage = 50;
    m.WalkMP = 4;
    Recalculate(m, rqAll);
    DistributeArmor(m, 100);
  }

  // An item of the current configuration, placed from `start` or put in the BIN.
  TWeapon* Put(const char* name, std::int16_t id, int slots, double tons, int location, int start = 1) {
    auto w = std::make_unique<TWeapon>();
    w->Name = name;
    w->IdNum = w->SaveNum = id;
    w->Slots = w->SlotsFirst = static_cast<std::int16_t>(slots);
    w->Tons = tons;
    w->Location = static_cast<std::int16_t>(location);
    TWeapon* item = m.Config->Items.Insert(std::move(w));
    if (location != lcBin) {
      EXPECT_TRUE(m.Config->Crits.Allocate(item, location, start)) << name;
    }
    return item;
  }
  // Takes every item of the current configuration out of its slots and the list.
  void RemoveItems() {
    for (const auto& item : m.Config->Items) m.Config->Crits.Release(item.get());
    m.Config->Items.Clear();
    Recalculate(m, rqWeights);
  }
  // Weight without slots that leaves `free` tons.
  void LeaveFree(double free) {
    Recalculate(m, rqWeights);
    Put("Cargo", 1400, 0, m.Weights[wFree] - free, locCenterTorso);
    Recalculate(m, rqWeights);
  }
  const TFindings& Run() {
    Validate(m, findings);
    return findings;
  }
  // The findings of one rule.
  std::vector<const TFinding*> Of(std::string_view rule) {
    Run();
    std::vector<const TFinding*> of;
    for (const TFinding& f : findings)
      if (f.Rule == rule) of.push_back(&f);
    return of;
  }
  std::vector<std::string> Rules() {
    Run();
    std::vector<std::string> rules;
    for (const TFinding& f : findings) rules.emplace_back(f.Rule);
    return rules;
  }

  TEquipmentIndex index;
  TMech m;
  TFindings findings;
};

TEST_F(Validation, ADesignAtItsTonnageWithFullArmorHasNothingToReport) {
  LeaveFree(0.5);
  EXPECT_TRUE(Run().Empty()) << Rules().front();
  EXPECT_EQ(findings.Status(), svNone);
}

TEST_F(Validation, WeightOverAndUnused) {
  LeaveFree(-1.5);
  auto over = Of("weight.over");
  ASSERT_EQ(over.size(), 1u);
  EXPECT_EQ(over[0]->Severity, svError);
  EXPECT_EQ(over[0]->Kind, EFindingKind::Weight);
  EXPECT_EQ(over[0]->Message, "Overweight by 1.5 tons.");
  EXPECT_EQ(findings.Status(), svError);
  EXPECT_EQ(findings.Count(svError), 1);

  RemoveItems();
  LeaveFree(1.0);
  auto unused = Of("weight.unused");
  ASSERT_EQ(unused.size(), 1u);
  EXPECT_EQ(unused[0]->Severity, svWarning);
  EXPECT_EQ(unused[0]->Message, "1.0 tons left unused.");
  EXPECT_EQ(findings.Status(), svWarning);

  // Exactly at the tonnage, and half a ton to spare, are both fine.
  for (double free : {0.0, 0.5}) {
    RemoveItems();
    LeaveFree(free);
    EXPECT_TRUE(Of("weight.over").empty()) << free;
    EXPECT_TRUE(Of("weight.unused").empty()) << free;
  }
}

TEST_F(Validation, WeightAtLevel3IsToldInHundredths) {
  m.RulesLevel = rlIS3;
  Recalculate(m, rqAll);
  LeaveFree(-0.25);
  auto over = Of("weight.over");
  ASSERT_EQ(over.size(), 1u);
  EXPECT_EQ(over[0]->Message, "Overweight by 0.25 tons.");
}

TEST_F(Validation, OmniPodsOverOrUnusedAreToldFromTheFixedConfiguration) {
  m.Options = optOmni;
  Recalculate(m, rqAll);
  LeaveFree(4.0);  // the fixed configuration leaves four tons of pod space
  EXPECT_TRUE(Run().Empty()) << "pod space is no unused tonnage";
  m.SelectConfig(2);
  m.ConfigIndex = 2;
  Recalculate(m, rqAll);
  Put("Pod Laser", kLaser, 1, 5.0, locRightTorso);
  Recalculate(m, rqWeights);
  auto over = Of("pods.over");
  ASSERT_EQ(over.size(), 1u) << Rules().size();
  EXPECT_EQ(over[0]->Message,
            "Alternate A: the pods weigh 1.0 tons more than the fixed configuration leaves.");
  EXPECT_TRUE(Of("weight.over").empty());

  RemoveItems();
  Recalculate(m, rqAll);
  Put("Pod Laser", kLaser, 1, 1.0, locRightTorso);
  Recalculate(m, rqWeights);
  auto unused = Of("pods.unused");
  ASSERT_EQ(unused.size(), 1u);
  EXPECT_EQ(unused[0]->Message, "Alternate A leaves 3.0 tons of pod space unused.");
  EXPECT_TRUE(Of("weight.unused").empty());

  // A fixed configuration that is over weight by itself is the chassis' fault.
  m.Configs[0]->Items.Insert(std::make_unique<TWeapon>())->Tons = 6.0;
  Recalculate(m, rqWeights);
  auto fixedOver = Of("weight.over");
  ASSERT_EQ(fixedOver.size(), 1u);
  EXPECT_EQ(fixedOver[0]->Message, "Overweight by 2.0 tons without the pods.");
  EXPECT_TRUE(Of("pods.over").empty());
}

TEST_F(Validation, ArmorAboveASectionLimitUntilTheArmorRulesRun) {
  EXPECT_TRUE(Of("armor.section").empty());
  // A chassis change alone does not cut the armour back: turning a quad into
  // a biped leaves its front legs' armour on arms with less structure.
  m.Options = optQuad;
  Recalculate(m, rqAll);
  DistributeArmor(m, 100);
  m.Options = 0;
  Recalculate(m, rqChassis);
  auto over = Of("armor.section");
  ASSERT_EQ(over.size(), 2u);
  EXPECT_EQ(over[0]->Place, "Right Arm");
  EXPECT_EQ(over[0]->ArmorSection, asRightArm);
  EXPECT_EQ(over[0]->Kind, EFindingKind::Armor);
  EXPECT_EQ(over[0]->Message, "Right Arm: 24 armor points, at most 16.");

  m.Armor[asCenterTorso] = 30;
  m.Armor[asCenterTorsoRear] = 5;
  over = Of("armor.section");
  ASSERT_EQ(over.size(), 3u);
  EXPECT_EQ(over[0]->Message, "Center Torso: 35 armor points front and rear, at most 32.");
  EXPECT_EQ(over[0]->ArmorSection, asCenterTorso);

  Recalculate(m, rqArmor);
  EXPECT_TRUE(Of("armor.section").empty());
}

TEST_F(Validation, ArmorBelowHalfTheMaximum) {
  DistributeArmor(m, 50);
  EXPECT_TRUE(Of("armor.low").empty()) << m.ArmorPoints << " of " << m.MaxArmor;
  DistributeArmor(m, 25);
  auto low = Of("armor.low");
  ASSERT_EQ(low.size(), 1u);
  EXPECT_EQ(low[0]->Severity, svWarning);
  EXPECT_EQ(low[0]->Message, "Armor: " + std::to_string(m.ArmorPoints) + " of " + std::to_string(m.MaxArmor) +
                                 " points, less than half the maximum.");
}

TEST_F(Validation, SlotsBeyondWhatALocationHolds) {
  // Limiting on a 10-ton frame leaves five leg slots; the jump boosters sit in
  // slots 5 and 6 of each leg.
  m.RulesLevel = rlIS3;
  m.Tonnage = 10;
  m.MiscFlags = mfLimiting;
  m.JumpBoosterMP = 1;
  Recalculate(m, rqAll);
  auto over = Of("slots.over");
  ASSERT_EQ(over.size(), 2u);
  EXPECT_EQ(over[0]->Location, locRightLeg);
  EXPECT_EQ(over[0]->Message, "Right Leg: 6 of 5 slots used.");
  EXPECT_EQ(over[0]->Kind, EFindingKind::Slots);

  m.MiscFlags = 0;
  Recalculate(m, rqAll);
  EXPECT_TRUE(Of("slots.over").empty());
}

TEST_F(Validation, EquipmentInTheBin) {
  TWeapon* laser = Put("Medium Laser", kLaser, 1, 1.0, lcBin);
  auto bin = Of("bin.item");
  ASSERT_EQ(bin.size(), 1u);
  EXPECT_EQ(bin[0]->Item, laser);
  EXPECT_EQ(bin[0]->Location, lcBin);
  EXPECT_EQ(bin[0]->Message, "Medium Laser is in the BIN: place it or delete it.");

  // Equipment in the arms of a design made armless goes to the BIN with the
  // pass, and is reported there.
  RemoveItems();
  m.RulesLevel = rlIS3;
  Recalculate(m, rqAll);
  TWeapon* armLaser = Put("Medium Laser", kLaser, 1, 1.0, locLeftArm, 5);
  EXPECT_TRUE(Of("bin.item").empty());
  m.MiscFlags = mfArmless;
  Recalculate(m, rqAll);
  bin = Of("bin.item");
  ASSERT_EQ(bin.size(), 1u);
  EXPECT_EQ(bin[0]->Item, armLaser);
}

TEST_F(Validation, ArmoredComponentsOnlyAtLevel3) {
  m.RulesLevel = rlIS3;
  Recalculate(m, rqAll);
  m.Config->Crits.SetArmoured(locHead, 3, true);
  EXPECT_TRUE(Of("armored.level").empty());
  m.RulesLevel = rlIS2;
  Recalculate(m, rqAll);
  ASSERT_TRUE(m.Config->Crits.ArmouredAt(locHead, 3)) << "the pass keeps the flags";
  auto armored = Of("armored.level");
  ASSERT_EQ(armored.size(), 1u);
  EXPECT_EQ(armored[0]->Message, "Head: armored components need a Level 3 rules level.");
}

TEST_F(Validation, TargetingComputerSlotsThatNoLongerMatchItsWeight) {
  index.Remember(techInnerSphere, ECode::Targ_Comp, 1108);
  TWepInfoStruct computer;
  computer.Name = "Targeting Computer";
  computer.IdNum = computer.SaveNum = 1108;
  computer.Crits = 1;
  computer.Locs = 0xFF;
  TAddRequest r;
  r.Record = &computer;
  r.Location = locLeftTorso;
  r.Slot = 1;
  r.Criticals = 1;
  Put("Large Laser", kLaser, 2, 8.0, locRightArm)->Options = woOffensive | woDirectFire;
  TWeapon* placed = nullptr;
  ASSERT_EQ(AddItem(m, r, &placed), EPlacement::Placed);
  EXPECT_TRUE(Of("targeting.slots").empty());
  Put("Autocannon", 303, 1, 4.0, locRightTorso)->Options = woOffensive | woDirectFire;
  Recalculate(m, rqWeights);
  auto slots = Of("targeting.slots");
  ASSERT_EQ(slots.size(), 1u);
  EXPECT_EQ(slots[0]->Item, placed);
  EXPECT_EQ(slots[0]->Kind, EFindingKind::Slots);
  EXPECT_EQ(slots[0]->Message, "Targeting Computer needs 3 slots, has 2.");
}

TEST_F(Validation, EquipmentOfATechnologyOrLevelTheDesignDoesNotOffer) {
  TWeapon* clan = Put("ER Large Laser", kClanLaser, 1, 4.0, locRightTorso);
  Put("Gauss Mk II", kLevel3Gun, 1, 4.0, locLeftTorso);
  Put("Medium Laser", kLaser, 1, 1.0, locCenterTorso);
  auto tech = Of("tech.level");
  ASSERT_EQ(tech.size(), 2u);
  EXPECT_EQ(tech[0]->Item, clan);
  EXPECT_EQ(tech[0]->Place, "Right Torso");
  EXPECT_EQ(tech[0]->Kind, EFindingKind::Equipment);
  EXPECT_EQ(tech[0]->Message, "ER Large Laser is not available at Inner Sphere Level 2.");

  // An Omni design may carry the other technology of its level.
  m.Options = optOmni;
  Recalculate(m, rqAll);
  EXPECT_EQ(Of("tech.level").size(), 1u);
  // A mixed design at level 3 offers everything.
  m.RulesLevel = rlMixed3;
  Recalculate(m, rqAll);
  EXPECT_TRUE(Of("tech.level").empty());
  // Inner Sphere equipment in a Clan design.
  m.RulesLevel = rlClan2;
  m.Options = 0;
  Recalculate(m, rqAll);
  EXPECT_EQ(Of("tech.level").size(), 2u);
}

TEST_F(Validation, AmmunitionAndTheWeaponsThatFireIt) {
  Put("@LRM 10", kLrmAmmo, 1, 1.0, locLeftTorso);
  auto unused = Of("ammo.unused");
  ASSERT_EQ(unused.size(), 1u);
  EXPECT_EQ(unused[0]->Message, "@LRM 10 has no weapon to fire it.");
  EXPECT_EQ(unused[0]->Severity, svWarning);

  Put("LRM 10", kLrm, 2, 5.0, locRightTorso);
  EXPECT_TRUE(Of("ammo.unused").empty());
  EXPECT_TRUE(Of("ammo.missing").empty());

  RemoveItems();
  Recalculate(m, rqAll);
  Put("LRM 10", kLrm, 2, 5.0, locRightTorso);
  Put("LRM 10", kLrm, 2, 5.0, locLeftTorso);
  Put("Medium Laser", kLaser, 1, 1.0, locCenterTorso);
  auto missing = Of("ammo.missing");
  ASSERT_EQ(missing.size(), 1u) << "one line per kind of weapon";
  EXPECT_EQ(missing[0]->Message, "LRM 10 has no ammunition.");

  // Special munitions feed the weapon of their kind.
  Put("@LRM 10 Inferno", kLrmAmmo + 1, 1, 1.0, locLeftTorso, 3);
  EXPECT_TRUE(Of("ammo.missing").empty());
  EXPECT_TRUE(Of("ammo.unused").empty());
}

TEST_F(Validation, HeatAboveTheDissipationByMoreThanTheMargin) {
  TConfiguration& c = *m.Config;
  c.HeatEfficiency = 20;
  c.MovementHeat = 2;
  c.WeaponHeat = 18 + kHeatMargin;
  EXPECT_TRUE(Of("heat.over").empty());
  c.WeaponHeat = 19 + kHeatMargin;
  auto heat = Of("heat.over");
  ASSERT_EQ(heat.size(), 1u);
  EXPECT_EQ(heat[0]->Kind, EFindingKind::Heat);
  EXPECT_EQ(heat[0]->Message,
            "Firing every forward weapon while moving builds 25 heat against 20 dissipated.");
}

TEST_F(Validation, JumpMPThatPodJumpJetsTakeBeyondTheWalkingMP) {
  m.Config->JumpCount = m.WalkMP;
  EXPECT_TRUE(Of("jump.over").empty());
  m.Config->JumpCount = static_cast<std::int16_t>(m.WalkMP + 1);
  auto jump = Of("jump.over");
  ASSERT_EQ(jump.size(), 1u);
  EXPECT_EQ(jump[0]->Message, "Jump MP 5 with the pod jump jets, at most 4.");
  // Improved jump jets may reach the running MP.
  m.RulesLevel = rlIS3;
  m.JumpJetType = jjImproved;
  Recalculate(m, rqAll);
  EXPECT_TRUE(Of("jump.over").empty());
}

TEST(ValidationNames, AmmunitionFeedsTheWeaponItNames) {
  EXPECT_TRUE(AmmoFeeds("@LRM 10", "LRM 10"));
  EXPECT_TRUE(AmmoFeeds("@LB 10-X AC Cluster", "LB 10-X AC"));
  EXPECT_FALSE(AmmoFeeds("@LRM 10", "LRM 1"));
  EXPECT_FALSE(AmmoFeeds("@LRM 1", "LRM 10"));
  EXPECT_FALSE(AmmoFeeds("LRM 10", "LRM 10")) << "not ammunition";
  EXPECT_FALSE(AmmoFeeds("@", ""));
}

TEST(ValidationFilters, WhatTheWeaponsTabOffers) {
  TMech m;
  m.RulesLevel = rlIS2;
  EXPECT_EQ(OfferedEquipmentFilters(m), rlIS2);
  m.Options = optOmni;
  EXPECT_EQ(OfferedEquipmentFilters(m), rlIS2 | rlClan2);
  m.RulesLevel = rlClan3;
  EXPECT_EQ(OfferedEquipmentFilters(m), rlIS3 | rlClan3);
  m.Options = 0;
  m.RulesLevel = rlMixed3;
  EXPECT_EQ(OfferedEquipmentFilters(m), rlIS3 | rlClan3 | rlMixed3);
  m.RulesLevel = rlIS1;
  m.MixedTech = true;
  EXPECT_EQ(OfferedEquipmentFilters(m), rlIS1 | rlClan2);

  // Where the technology can be chosen, the filters are those the Weapons
  // tab's technology menu enables.
  m.MixedTech = false;
  for (std::uint8_t level : {rlIS2, rlIS3, rlClan2, rlClan3, rlMixed3}) {
    m.RulesLevel = level;
    m.Options = level == rlMixed3 ? 0 : optOmni;
    std::uint8_t enabled = 0;
    for (const TMenuEntry& e : WeaponFilterMenu(m))
      if (e.Enabled) enabled = static_cast<std::uint8_t>(enabled | e.Tag);
    EXPECT_EQ(OfferedEquipmentFilters(m), enabled) << int(level);
  }
}

}  // namespace
