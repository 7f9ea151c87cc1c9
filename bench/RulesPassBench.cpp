// The rules pass runs after every keystroke: it must stay far below anything a
// user could notice, with no heap allocation inside.

#include <benchmark/benchmark.h>

#include "HeavyChassis.h"
#include "model/Mech.h"
#include "rules/ArmorRules.h"
#include "rules/RulesPass.h"

using namespace tfd;

namespace {

// A 100-ton Level 3 design with a full slot grid: XL engine, CASE, targeting,
// jump boosters, and equipment in every free slot.
void LoadHeavyDesign(TMech& m) {
  SetHeavyChassis(m);
  m.JumpBoosterMP = 2;
  Recalculate(m, rqAll);
  TConfiguration& c = *m.Config;
  c.CaseKind[locRightTorso] = caseIS;
  c.CaseKind[locLeftTorso] = caseIS;
  Recalculate(m, rqCase);
  std::int16_t id = 100;
  for (int loc = 0; loc < kLocationCount; ++loc) {
    for (int slot = 1; slot <= 12; ++slot) {
      auto w = std::make_unique<TWeapon>();
      w->SaveNum = id;
      w->Slots = w->SlotsFirst = 1;
      w->Tons = 1.0;
      TWeapon* item = c.Items.Insert(std::move(w));
      if (!c.Crits.Allocate(item, loc, slot)) c.Items.Delete(item);
      id = static_cast<std::int16_t>(id + 1);
    }
  }
  DistributeArmor(m, 100);
}

void BM_FullPassDefault(benchmark::State& state) {
  TMech m;
  for (auto _ : state) {
    Recalculate(m, rqAll);
    benchmark::DoNotOptimize(m.Weights[wFree]);
  }
}
BENCHMARK(BM_FullPassDefault);

void BM_FullPassHeavy(benchmark::State& state) {
  TMech m;
  LoadHeavyDesign(m);
  state.counters["items"] = m.Config->Items.Size();
  for (auto _ : state) {
    Recalculate(m, rqAll);
    benchmark::DoNotOptimize(m.Weights[wFree]);
  }
}
BENCHMARK(BM_FullPassHeavy);

void BM_ArmorPassHeavy(benchmark::State& state) {
  TMech m;
  LoadHeavyDesign(m);
  for (auto _ : state) {
    Recalculate(m, rqArmor);
    benchmark::DoNotOptimize(m.Weights[wFree]);
  }
}
BENCHMARK(BM_ArmorPassHeavy);

}  // namespace
