// The ratings pass runs on every refresh of the Reports page and on every
// configuration choice of the battle-value and cost windows.

#include <benchmark/benchmark.h>

#include "model/Mech.h"
#include "ratings/DamageByRange.h"
#include "ratings/Ratings.h"

using namespace tfd;

namespace {

TWeapon* Add(TConfiguration& c, std::int16_t id, int location, int heat, int damage, double bv, double cost,
             std::int16_t options, std::array<std::uint8_t, 4> ranges = {0, 3, 6, 9}) {
  auto w = std::make_unique<TWeapon>();
  w->SaveNum = w->IdNum = id;
  w->Location = static_cast<std::int16_t>(location);
  w->Slots = w->SlotsFirst = 1;
  w->Heat = static_cast<std::int16_t>(heat);
  w->Damage = static_cast<std::int16_t>(damage);
  w->BV = bv;
  w->Cost = cost;
  w->Tons = 1.0;
  w->Options = options;
  w->Ranges = ranges;
  return c.Items.Insert(std::move(w));
}

// A 65-ton Level 3 Omni design: eight items fixed, twelve in alternate A.
struct Loaded {
  TEquipmentIndex index;
  TMech m;
  Loaded() {
    index.Remember(techClan, ECode::Targ_Comp, 1210);
    index.Remember(techInnerSphere, ECode::Artemis_IV, 1101);
    index.Remember(techInnerSphere, ECode::HS, 1301);
    index.Remember(techInnerSphere, ECode::Jump_Jet, 1304);
    m.Equipment = &index;
    m.RulesLevel = rlMixed3;
    m.Options = optOmni;
    m.Tonnage = 65;
    m.WalkMP = 5;
    m.JumpMP = 3;
    m.EngineType = etXL;
    m.HeatSinks = 14;
    m.HeatSinkType = hsDouble;
    m.Armor = {9, 30, 10, 22, 8, 22, 8, 20, 20, 28, 28};
    constexpr std::int16_t df = woOffensive | woDirectFire;
    TConfiguration& fixed = *m.Configs[0];
    fixed.CaseKind[locLeftTorso] = caseIS;
    Add(fixed, 1210, locRightTorso, 0, 0, 0, 30000, 0);
    for (int loc : {locRightArm, locLeftArm, locCenterTorso, locHead})
      Add(fixed, 104, loc, 3, 5, 46, 40000, df);
    Add(fixed, 105, locCenterTorso + lcRear, 3, 5, 46, 40000, df);
    Add(fixed, 1301, locRightLeg, 0, 0, 0, 2000, 0);
    Add(fixed, 1304, locLeftLeg, 0, 0, 0, 10000, 0);
    TConfiguration& alt = *m.Configs[2];
    Add(alt, 502, locLeftTorso, 4, 10, 90, 100000, woOffensive | woUsesArtemis, {6, 7, 14, 21});
    Add(alt, 1101, locLeftTorso, 0, 0, 0, 100000, 0);
    Add(alt, 1702, locLeftTorso, 0, 12, 11, 30000, woOffensive | woExplosive);
    Add(alt, 306, locRightTorso, 1, 5, 113, 200000, df | woUltra, {2, 6, 13, 20});
    Add(alt, 1506, locRightTorso, 0, 20, 14, 9000, woOffensive | woExplosive);
    Add(alt, 710, locRightArm, 2, 4, 30, 15000, woOffensive | woStreak);
    Add(alt, 103, locLeftArm, 8, 8, 124, 100000, df, {0, 5, 10, 15});
    Add(alt, 310, locRightTorso + lcSplit, 2, 10, 148, 400000, df | woLBX, {0, 6, 12, 18});
    for (int loc : {locRightLeg, locLeftLeg}) Add(alt, 1301, loc, 0, 0, 0, 2000, 0);
    Add(alt, 1304, locCenterTorso, 0, 0, 0, 10000, 0);
    Add(alt, 905, locHead, 1, 0, 32, 100000, 0, {0, 1, 1, 1});
    m.SelectConfig(2);
    ComputeRatings(m);
  }
};

void BM_ComputeRatingsAlternate(benchmark::State& state) {
  Loaded d;
  state.counters["items"] = d.m.Configs[0]->Items.Size() + d.m.Configs[2]->Items.Size();
  for (auto _ : state) {
    ComputeRatings(d.m);
    benchmark::DoNotOptimize(d.m.BattleValue);
  }
}
BENCHMARK(BM_ComputeRatingsAlternate);

void BM_ConfigRatingsAlternate(benchmark::State& state) {
  Loaded d;
  for (auto _ : state) {
    ConfigRatings(*d.m.Config, d.m);
    benchmark::DoNotOptimize(d.m.Config->OffensiveRating);
  }
}
BENCHMARK(BM_ConfigRatingsAlternate);

void BM_DamageByRangeAllSwitches(benchmark::State& state) {
  Loaded d;
  for (auto _ : state) {
    ComputeDamageByRange(d.m, kGraphOptionsMask);
    benchmark::DoNotOptimize(d.m.DamageByRange[0]);
  }
}
BENCHMARK(BM_DamageByRangeAllSwitches);

}  // namespace
