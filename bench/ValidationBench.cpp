// The validation runs in every refresh, after the rules pass: a design with
// nothing to report must cost a few microseconds and no heap allocation.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "HeavyChassis.h"
#include "model/Mech.h"
#include "rules/ArmorRules.h"
#include "rules/RulesPass.h"
#include "rules/Validation.h"

namespace {
std::atomic<long> gAllocations{0};
}  // namespace

// Counted allocations. Kept out of line: inlined into a caller, the compiler
// would see malloc's block reach operator delete and warn of a mismatch.
[[gnu::noinline]] void* operator new(std::size_t size) {
  ++gAllocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

using namespace tfd;

namespace {

constexpr std::int16_t kLauncher = 700, kRounds = 1700, kLaser = 100;

// A 100-ton Level 3 design with a full slot grid, exactly at its tonnage and
// fully armoured: launchers with their rounds, lasers, and equipment of known
// technology in every free slot.
void LoadHeavyDesign(TMech& m, TEquipmentIndex& index) {
  index.SetFacts(kLauncher, rlIS2 | rlIS3, true);
  index.SetFacts(kRounds, rlIS2 | rlIS3, false);
  index.SetFacts(kLaser, rlIS1 | rlIS2 | rlIS3, false);
  m.Equipment = &index;
  SetHeavyChassis(m);
  Recalculate(m, rqAll);
  DistributeArmor(m, 100);
  TConfiguration& c = *m.Config;
  int n = 0;
  for (int loc = 0; loc < kLocationCount; ++loc)
    for (int slot = 1; slot <= 12; ++slot) {
      auto w = std::make_unique<TWeapon>();
      const int kind = n++ % 3;
      w->Name = kind == 0 ? "LRM 10" : kind == 1 ? "@LRM 10 (12)" : "Medium Laser";
      w->SaveNum = kind == 0 ? kLauncher : kind == 1 ? kRounds : kLaser;
      w->Slots = w->SlotsFirst = 1;
      w->Tons = 0.25;
      TWeapon* item = c.Items.Insert(std::move(w));
      if (!c.Crits.Allocate(item, loc, slot)) c.Items.Delete(item);
    }
  Recalculate(m, rqWeights);
  // The last item takes up what is left, so nothing is unused.
  c.Items.AddrOf(c.Items.Size() - 1)->Tons += m.Weights[wFree];
  Recalculate(m, rqWeights);
}

void BM_ValidateCleanHeavyDesign(benchmark::State& state) {
  TEquipmentIndex index;
  TMech m;
  LoadHeavyDesign(m, index);
  TFindings findings;
  Validate(m, findings);
  if (!findings.Empty()) {
    state.SkipWithError(("the design has findings: " + findings[0].Message).c_str());
    return;
  }
  const long before = gAllocations.load();
  Validate(m, findings);
  const long allocations = gAllocations.load() - before;
  for (auto _ : state) {
    Validate(m, findings);
    benchmark::DoNotOptimize(findings.Status());
  }
  state.counters["items"] = m.Config->Items.Size();
  state.counters["allocations"] = static_cast<double>(allocations);
}
BENCHMARK(BM_ValidateCleanHeavyDesign);

// The same design 3 tons over weight with its armour cut to a quarter: the
// cost of building the lines.
void BM_ValidateHeavyDesignWithFindings(benchmark::State& state) {
  TEquipmentIndex index;
  TMech m;
  LoadHeavyDesign(m, index);
  m.HeatSinks = 23;
  Recalculate(m, rqChassis);
  DistributeArmor(m, 25);
  TFindings findings;
  for (auto _ : state) {
    Validate(m, findings);
    benchmark::DoNotOptimize(findings.Status());
  }
  state.counters["findings"] = static_cast<double>(findings.Size());
}
BENCHMARK(BM_ValidateHeavyDesignWithFindings);

}  // namespace
