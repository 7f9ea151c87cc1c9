// The component menus and the rules pass agree: over random designs, every
// entry a menu offers keeps its value through the pass that follows choosing
// it, and every value a menu withholds is one the pass would change. Then the
// menus' fixed points: the tags each rules level gives the entries.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "RandomDesigns.h"
#include "model/Mech.h"
#include "rules/ComponentRules.h"
#include "rules/MenuRules.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"

using namespace tfd;

namespace {

// The value a menu sets, read back from the design.
int ValueOf(EMenu menu, const TMech& m, int armorTarget) {
  switch (menu) {
    case EMenu::Tech: return m.RulesLevel;
    case EMenu::Options: return m.Options;
    case EMenu::Structure: return m.StructureType;
    case EMenu::Engine: return m.EngineType;
    case EMenu::HeatSink: return m.HeatSinkType;
    case EMenu::Gyro: return m.GyroType;
    case EMenu::Cockpit: return m.CockpitType;
    case EMenu::Targeting: return m.TargetingType;
    case EMenu::JumpJet: return m.JumpJetType;
    case EMenu::Armor:
      return armorTarget <= kWholeDesignArmorTag
                 ? m.ArmorType
                 : m.ArmorTypes[static_cast<std::size_t>(ArmorSectionOfTag(armorTarget))];
    case EMenu::Turret: return m.Config->Turret;
    case EMenu::Supercharger: return m.Config->SuperchargerLocation();
  }
  return -1;
}

const char* NameOf(EMenu menu) {
  static const char* const names[] = {"Tech",     "Options", "Structure", "Engine",
                                      "HeatSink", "Gyro",    "Cockpit",   "Targeting",
                                      "JumpJet",  "Armor",   "Turret",    "Supercharger"};
  return names[static_cast<int>(menu)];
}

constexpr EMenu kMenus[] = {EMenu::Tech,     EMenu::Options, EMenu::Structure, EMenu::Engine,
                            EMenu::HeatSink, EMenu::Gyro,    EMenu::Cockpit,   EMenu::Targeting,
                            EMenu::JumpJet,  EMenu::Armor,   EMenu::Turret,    EMenu::Supercharger};

// A design made by the generator and settled by the full pass.
void Settled(RandomDesigns random, TMech& m) {
  random.Fill(m);
  Recalculate(m, rqAll);
}

// Whether choosing the entry and running the pass leaves the chosen value.
bool ChoiceKept(const RandomDesigns& from, TMech& trial, EMenu menu, int armorTarget, int tag) {
  Settled(from, trial);
  const int before = ValueOf(menu, trial, armorTarget);
  const TMenuChoice choice = StoreMenuChoice(trial, menu, tag, armorTarget);
  Recalculate(trial, choice.Request);
  const int after = ValueOf(menu, trial, armorTarget);
  if (menu == EMenu::Options) return ((after ^ before) & tag) == tag;  // the bit toggled and stayed so
  return after == tag;
}

void ExpectMenuAgreesWithPass(const RandomDesigns& from, const TMech& m, TMech& trial, EMenu menu,
                              int armorTarget) {
  const TMenu entries = MenuOf(menu, m, armorTarget);
  auto offered = [](const TMenuEntry& e) { return e.Shown && e.Enabled; };
  for (const TMenuEntry& e : entries) {
    SCOPED_TRACE(testing::Message() << NameOf(menu) << " target " << armorTarget << " entry \""
                                    << std::string(e.Caption) << "\" tag " << e.Tag);
    const bool kept = ChoiceKept(from, trial, menu, armorTarget, e.Tag);
    if (offered(e)) {
      EXPECT_TRUE(kept) << "offered, but the pass changes it";
    } else if (std::none_of(entries.begin(), entries.end(),
                            [&](const TMenuEntry& o) { return offered(o) && o.Tag == e.Tag; })) {
      EXPECT_FALSE(kept) << "withheld, but the pass keeps it";
    }
  }
}

}  // namespace

TEST(MenuRules, EveryOfferedEntrySurvivesThePassAndEveryWithheldOneDoesNot) {
  TMech m, trial;
  for (unsigned seed : {3u, 20261208u}) {
    RandomDesigns random(seed);
    for (int round = 0; round < 150; ++round) {
      SCOPED_TRACE(testing::Message() << "seed " << seed << " round " << round);
      const RandomDesigns from = random;
      Settled(from, m);
      random.Fill(trial);  // moves the generator on to the next design
      for (EMenu menu : kMenus) ExpectMenuAgreesWithPass(from, m, trial, menu, kWholeDesignArmorTag);
      // A section's own armour type counts only in a patchwork design.
      if (m.ArmorType == atPatchwork)
        for (int target = kWholeDesignArmorTag + 1; target <= kLastArmorSectionTag; ++target)
          ExpectMenuAgreesWithPass(from, m, trial, EMenu::Armor, target);
      if (HasFailure()) return;
    }
  }
}

// The check boxes of the miscellaneous flags: Armless stays exactly where it
// is allowed; the Null-Signature System never stays where it is not, and where
// it is allowed it goes only for want of room; while it is held, choosing the
// satellite uplink or a targeting system keeps that choice and drops it.
TEST(MenuRules, MiscFlagsAreKeptWhereTheRulesAllowThem) {
  TMech m, trial;
  RandomDesigns random(11);
  auto keptWhenSet = [&trial](const TMech& from, int bit) {
    trial = from;
    trial.MiscFlags = static_cast<std::int16_t>(trial.MiscFlags | bit);
    Recalculate(trial, rqChassis | rqCase);
    return (trial.MiscFlags & bit) != 0;
  };
  int nullSignatureKept = 0;
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(testing::Message() << "round " << round);
    const RandomDesigns from = random;
    random.Fill(m);  // moves the generator on to the next design
    Settled(from, m);
    EXPECT_EQ(keptWhenSet(m, mfArmless), ArmlessAllowed(m));
    if (m.MiscFlags & mfNullSignature) {
      EXPECT_FALSE(TargetingAndUplinkChoosable(m));
      EXPECT_TRUE(keptWhenSet(m, mfSatelliteUplink));
      EXPECT_EQ(trial.MiscFlags & mfNullSignature, 0);
      trial = m;
      Recalculate(trial, StoreMenuChoice(trial, EMenu::Targeting, tgLongRange).Request);
      EXPECT_EQ(trial.TargetingType, tgLongRange);
      EXPECT_EQ(trial.MiscFlags & mfNullSignature, 0);
    } else {
      // The design as it is, and the same without targeting system, uplink,
      // equipment and the jump boosters that fill the legs.
      TMech open = m;
      open.TargetingType = tgStandard;
      ClearWeapons(open);
      open.JumpBoosterMP = 0;
      open.MiscFlags = static_cast<std::int16_t>(open.MiscFlags & ~mfSatelliteUplink);
      Recalculate(open, rqChassis | rqCase);
      for (const TMech* design : {&m, &open}) {
        const bool kept = keptWhenSet(*design, mfNullSignature);
        if (!NullSignatureAllowed(*design)) {
          EXPECT_FALSE(kept);
        } else if (!kept) {
          EXPECT_FALSE(trial.Config->Crits.Scratch().SetNullSignature(true)) << "dropped with room left";
        }
        nullSignatureKept += kept;
      }
    }
    if (HasFailure()) return;
  }
  EXPECT_GT(nullSignatureKept, 10);  // the generator reaches designs that hold it
}

namespace {

std::vector<int> ShownTags(const TMenu& menu) {
  std::vector<int> tags;
  for (const TMenuEntry& e : menu)
    if (e.Shown) tags.push_back(e.Tag);
  return tags;
}

}  // namespace

// The level tables read as the menus present them: a Clan level stores the
// Clan kind under the plain caption, and each level offers its own kinds.
TEST(MenuRules, LevelsOfferTheirOwnKindsUnderThePlainCaptions) {
  TMech m;
  m.RulesLevel = rlClan2;
  Recalculate(m, rqAll);
  EXPECT_EQ(ShownTags(EngineMenu(m)), (std::vector<int>{etFusion, etClanXL}));
  EXPECT_EQ(EngineMenu(m)[etXL].Caption, "XL Fusion");
  EXPECT_EQ(ShownTags(StructureMenu(m)), (std::vector<int>{stStandard, stClanEndoSteel}));
  EXPECT_EQ(ShownTags(HeatSinkMenu(m)), (std::vector<int>{hsSingle, hsClanDouble}));
  EXPECT_EQ(ShownTags(ArmorMenu(m, kWholeDesignArmorTag)), (std::vector<int>{atStandard, atClanFF}));
  EXPECT_EQ(ShownTags(GyroMenu(m)), (std::vector<int>{gyStandard}));

  m.RulesLevel = rlIS1;
  Recalculate(m, rqAll);
  EXPECT_EQ(ShownTags(EngineMenu(m)), (std::vector<int>{etFusion}));
  EXPECT_EQ(ShownTags(TurretMenu(m)), (std::vector<int>{trNone}));

  m.RulesLevel = rlClan3;
  m.Options = optUtility;
  Recalculate(m, rqAll);
  EXPECT_EQ(ShownTags(EngineMenu(m)), (std::vector<int>{etFusion, etClanXL, etClanXXL, etCompact, etICE}));
  EXPECT_EQ(ShownTags(HeatSinkMenu(m)), (std::vector<int>{hsSingle, hsClanDouble, hsLaser}));

  m.RulesLevel = rlMixed3;
  m.Options = 0;
  Recalculate(m, rqAll);
  EXPECT_EQ(ShownTags(ArmorMenu(m, kWholeDesignArmorTag)).size(), std::size_t{kArmorTypeCount});
  EXPECT_EQ(ShownTags(ArmorMenu(m, 2)).size(), std::size_t{kArmorTypeCount - 1});  // no patchwork section
}

// The entries the component interplay withholds, each with the rule's reason.
TEST(MenuRules, ComponentsWithholdWhatTheyExclude) {
  TMech m;
  m.RulesLevel = rlIS3;
  m.Tonnage = 50;
  m.WalkMP = 4;
  Recalculate(m, rqAll);
  auto enabled = [](const TMenu& menu, int tag) {
    for (const TMenuEntry& e : menu)
      if (e.Tag == tag) return e.Shown && e.Enabled;
    return false;
  };
  EXPECT_TRUE(enabled(TurretMenu(m), trHead));
  EXPECT_TRUE(enabled(SuperchargerMenu(m), scCenterTorso));
  EXPECT_FALSE(enabled(SuperchargerMenu(m), scRightTorso));  // no engine slots in the side torsos
  EXPECT_FALSE(enabled(CockpitMenu(m), cpCommandConsole));   // under 60 tons

  m.GyroType = gyXL;  // crowds the centre torso
  m.EngineType = etXL;
  Recalculate(m, rqAll);
  EXPECT_FALSE(enabled(TurretMenu(m), trHead));
  EXPECT_FALSE(enabled(SuperchargerMenu(m), scCenterTorso));
  EXPECT_FALSE(enabled(SuperchargerMenu(m), scRightTorso));

  m.GyroType = gyCompact;  // room again
  Recalculate(m, rqAll);
  EXPECT_TRUE(enabled(TurretMenu(m), trHead));
  EXPECT_TRUE(enabled(SuperchargerMenu(m), scRightTorso));

  m.Options = optLAM;
  Recalculate(m, rqAll);
  EXPECT_FALSE(enabled(EngineMenu(m), etICE));
  EXPECT_TRUE(enabled(OptionsMenu(m), optQuad));  // a LAM gives way to a quad
  StoreMenuChoice(m, EMenu::Options, optQuad);
  Recalculate(m, rqChassis);
  EXPECT_EQ(m.Options, optQuad);
  EXPECT_FALSE(enabled(TurretMenu(m), trDualTorso));
  EXPECT_FALSE(enabled(OptionsMenu(m), optLAM));
}

TEST(ComponentRules, HandFollowsItsLowerArm) {
  TActuators act{0, 0, 0, 0};
  SetActuator(act, 0, true);  // a right hand brings its lower arm
  EXPECT_EQ(act, (TActuators{1, 1, 0, 0}));
  SetActuator(act, 1, false);  // no lower arm, no hand
  EXPECT_EQ(act, (TActuators{0, 0, 0, 0}));
  SetActuator(act, 3, true);
  EXPECT_EQ(act, (TActuators{0, 0, 0, 1}));
  SetActuator(act, 2, true);
  SetActuator(act, 2, false);  // the lower arm stays without its hand
  EXPECT_EQ(act, (TActuators{0, 0, 0, 1}));
}
