// Random designs of every kind, including codes no menu offers: after the full
// pass the design keeps its invariants, a second pass changes nothing, the slot
// grid stays consistent with the item lists, and the pass allocates nothing.

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

#include "RandomDesigns.h"
#include "model/Mech.h"
#include "rules/ArmorRules.h"
#include "rules/RulesPass.h"
#include "rules/Validation.h"

using namespace tfd;

namespace {
std::atomic<long> gAllocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++gAllocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Every value the pass may touch, in one list.
std::vector<double> Snapshot(const TMech& m) {
  std::vector<double> v = {
      double(m.ConfigIndex),   double(m.RulesLevel),   double(m.Options),       double(m.Tonnage),
      double(m.StructureType), double(m.EngineType),   double(m.WalkMP),        double(m.RunMP),
      double(m.JumpMP),        double(m.SprintMP),     double(m.SuperRunMP),    double(m.SuperSprintMP),
      double(m.JumpJetType),   double(m.HeatSinks),    double(m.HeatSinkType),  double(m.Dissipation),
      double(m.GyroType),      double(m.CockpitType),  double(m.TargetingType), double(m.JumpBoosterMP),
      double(m.ArmorType),     double(m.EngineRating), double(m.MiscFlags),     double(m.MaxArmor),
      double(m.ArmorFactor),   double(m.ArmorPoints)};
  for (double w : m.Weights) v.push_back(w);
  for (auto x : m.Structure) v.push_back(x);
  for (auto x : m.Armor) v.push_back(x);
  for (auto x : m.ArmorTypes) v.push_back(x);
  for (auto x : m.SlotLimits) v.push_back(x);
  const TConfiguration& c = *m.Config;
  for (double x : {c.TotalWeight, c.EquipmentWeight, c.CaseWeight, c.TurretWeight, c.PowerAmpWeight,
                   c.SuperchargerWeight, c.ArmouredWeight})
    v.push_back(x);
  for (auto x : c.CaseKind) v.push_back(x);
  for (auto x : c.Actuators) v.push_back(x);
  v.push_back(c.Supercharger);
  v.push_back(c.Turret);
  for (const auto& item : c.Items) v.push_back(item->Location);
  for (int loc = 0; loc < 8; ++loc)
    for (int s = 1; s <= 12; ++s) {
      const TSlot slot = c.Crits.SlotAt(loc, s);
      v.push_back(slot.Code);
      v.push_back(slot.Link);
      v.push_back(c.Items.IndexOf(slot.Item));
      v.push_back(c.Crits.ArmouredAt(loc, s));
    }
  return v;
}

// Every placed item's chain holds exactly the slots that name it; no slot
// names an item that is in neither the configuration's list nor, in an Omni
// alternate, the fixed configuration's; BIN items hold no slot.
void ExpectGridConsistent(const TConfiguration& c, bool omni) {
  const TWeaponList* fixed = omni && c.Parent ? &c.Parent->Items : nullptr;
  for (int loc = 0; loc < 8; ++loc)
    for (int s = 1; s <= 12; ++s) {
      const TSlot slot = c.Crits.SlotAt(loc, s);
      if (!slot.Item) continue;
      const bool known = c.Items.IndexOf(slot.Item) >= 0 || (fixed && fixed->IndexOf(slot.Item) >= 0);
      ASSERT_TRUE(known) << loc << "/" << s;
      EXPECT_EQ(slot.Code, slot.Item->SaveNum);
    }
  auto expectChains = [&c](const TWeaponList& items) {
    for (const auto& item : items) {
      int chained = 0;
      for (std::int16_t link = item->SlotsFirst; link != 0 && chained <= 96; ++chained) {
        const TSlot slot = c.Crits.SlotAt(link >> 8, link & 0xFF);
        ASSERT_EQ(slot.Item, item.get())
            << "item " << items.IndexOf(item.get()) << " location " << item->Location << " link " << link;
        link = slot.Link;
      }
      int named = 0;
      for (int loc = 0; loc < 8; ++loc)
        for (int s = 1; s <= 12; ++s) named += c.Crits.SlotAt(loc, s).Item == item.get();
      EXPECT_EQ(named, chained);
      if (item->Location == lcBin) {
        EXPECT_EQ(named, 0);
      }
    }
  };
  expectChains(c.Items);
}

void ExpectInvariants(const TMech& m) {
  const bool level3 = IsLevel3(m.RulesLevel);
  EXPECT_EQ(m.Tonnage % 5, 0);
  EXPECT_GE(m.Tonnage, level3 ? 10 : 20);
  EXPECT_LE(m.Tonnage, 100);
  EXPECT_EQ(m.EngineRating, m.Tonnage * m.WalkMP);
  EXPECT_LE(m.EngineRating, level3 && m.EngineType != etCompact ? 500 : 400);
  EXPECT_LE(m.JumpMP, m.JumpJetType == jjImproved ? m.RunMP : m.WalkMP);
  if (m.EngineType != etICE) {
    EXPECT_GE(m.HeatSinks, 10);
  }
  EXPECT_LT(m.ConfigIndex, kConfigCount);
  EXPECT_EQ(m.Config, m.Configs[m.ConfigIndex].get());
  if (!m.IsOmni()) {
    EXPECT_EQ(m.ConfigIndex, 0);
  }
  for (double w : m.Weights) EXPECT_TRUE(std::isfinite(w));

  const auto& a = m.Armor;
  const auto& s = m.Structure;
  EXPECT_LE(a[asHead], 9);
  EXPECT_LE(a[asCenterTorso] + a[asCenterTorsoRear], 2 * s[bsCenterTorso]);
  EXPECT_LE(a[asRightTorso] + a[asRightTorsoRear], 2 * s[bsSideTorso]);
  EXPECT_LE(a[asLeftTorso] + a[asLeftTorsoRear], 2 * s[bsSideTorso]);
  for (int i : {asRightArm, asLeftArm}) EXPECT_LE(a[i], 2 * s[bsArm]);
  for (int i : {asRightLeg, asLeftLeg}) EXPECT_LE(a[i], 2 * s[bsLeg]);
  // Mirrored pairs are equal after the pass, whichever bits are set.
  const std::pair<int, int> pairs[] = {{asRightTorso, asLeftTorso},
                                       {asRightTorsoRear, asLeftTorsoRear},
                                       {asRightArm, asLeftArm},
                                       {asRightLeg, asLeftLeg}};
  for (int bit = 0; bit < 4; ++bit) {
    if (m.ArmorMirror & (1 << bit)) {
      EXPECT_EQ(a[pairs[bit].first], a[pairs[bit].second]) << "mirror bit " << (1 << bit);
    }
  }
}

}  // namespace

TEST(RulesPassProperties, RandomDesignsKeepInvariantsAndSettleInOnePass) {
  for (unsigned seed : {20261207u, 1u, 42u, 9001u}) {
    RandomDesigns random(seed);
    TMech m;
    for (int round = 0; round < 2500; ++round) {
      SCOPED_TRACE(testing::Message() << "seed " << seed << " round " << round);
      random.Fill(m);
      Recalculate(m, rqAll);
      ExpectInvariants(m);
      ExpectGridConsistent(*m.Config, m.IsOmni());
      const auto first = Snapshot(m);
      const TRulesReport again = Recalculate(m, rqAll);
      EXPECT_EQ(again.MovedCount, 0);
      const auto second = Snapshot(m);
      ASSERT_EQ(second.size(), first.size());
      for (std::size_t i = 0; i < first.size(); ++i)
        ASSERT_EQ(second[i], first[i]) << "value " << i << " of the snapshot changed";
      if (HasFailure()) return;
    }
  }
}

TEST(RulesPassProperties, ThePassAllocatesNothing) {
  RandomDesigns random(7);
  TMech m;
  for (int round = 0; round < 500; ++round) {
    random.Fill(m);
    const long before = gAllocations.load();
    Recalculate(m, rqAll);
    Recalculate(m, rqArmor | rqCase);
    ASSERT_EQ(gAllocations.load(), before) << "round " << round;
  }
}

// The validation runs after the pass: it never reports what the pass corrects
// (armour beyond its caps, equipment beyond the slot limits, CASE or jump MP
// the rules do not allow), never changes the design, and a design with
// nothing to report costs no allocation.
TEST(RulesPassProperties, ValidationReportsNothingThePassCorrects) {
  TFindings findings;
  int clean = 0;
  for (unsigned seed : {11u, 2026u}) {
    RandomDesigns random(seed);
    TMech m;
    for (int round = 0; round < 1500; ++round) {
      SCOPED_TRACE(testing::Message() << "seed " << seed << " round " << round);
      random.Fill(m);
      Recalculate(m, rqAll);
      const auto before = Snapshot(m);
      const long allocations = gAllocations.load();
      Validate(m, findings);
      if (findings.Empty()) {
        ++clean;
        ASSERT_EQ(gAllocations.load(), allocations);
      }
      ASSERT_EQ(Snapshot(m), before);
      const TConfiguration& c = *m.Config;
      bool overweight = false;
      for (const TFinding& f : findings) {
        EXPECT_NE(f.Rule, "armor.section") << f.Message;
        EXPECT_NE(f.Rule, "jump.over") << f.Message;
        EXPECT_FALSE(f.Message.empty()) << f.Rule;
        EXPECT_EQ(f.Severity, f.Rule.ends_with("unused") || f.Rule.ends_with("low") ? svWarning : svError)
            << f.Rule;
        overweight = overweight || f.Rule == "weight.over" || f.Rule == "pods.over";
        if (f.Rule == "slots.over") {
          // Only fixed items, or in an Omni alternate the fixed configuration's
          // equipment, which that configuration's own pass evicts.
          for (int s = c.Crits.UsableSlots(f.Location) + 1; s <= c.Crits.SlotCount(f.Location); ++s) {
            const TWeapon* item = c.Crits.SlotAt(f.Location, s).Item;
            EXPECT_TRUE(!item || (m.IsOmni() && c.Parent && c.Items.IndexOf(item) < 0))
                << "own equipment left beyond the limit: " << f.Message;
          }
        }
        if (f.Rule == "bin.item") {
          EXPECT_EQ(f.Item->Location, lcBin);
          EXPECT_EQ(f.Item->SlotsFirst, 0);
        }
        if (f.Rule == "armored.level") {
          EXPECT_FALSE(IsLevel3(m.RulesLevel));
        }
      }
      EXPECT_EQ(overweight, m.Weights[wFree] < 0);
      if (HasFailure()) return;
    }
  }
  EXPECT_GT(clean, 0) << "some random designs have nothing to report";
}
