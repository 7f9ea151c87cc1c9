// Start-up load of the 33 equipment lists from the shipped database, and the
// design-dependent update the Weapons tab runs before every refill.

#include <benchmark/benchmark.h>

#include "db/SqliteDatabase.h"
#include "equipment/EquipmentLists.h"
#include "model/Mech.h"

namespace {

// Opening the file and reading every block, as the program starts.
void BM_OpenAndLoadAllLists(benchmark::State& state) {
  for (auto _ : state) {
    auto db = tfd::OpenSqliteDatabase(TFD_BENCH_DATABASE, tfd::EOpenMode::ReadOnly);
    tfd::TEquipmentLists lists;
    lists.LoadAll(*db);
    benchmark::DoNotOptimize(lists.Count(100));
  }
}
BENCHMARK(BM_OpenAndLoadAllLists)->Unit(benchmark::kMillisecond);

// Reading every block from an open database.
void BM_LoadAllLists(benchmark::State& state) {
  auto db = tfd::OpenSqliteDatabase(TFD_BENCH_DATABASE, tfd::EOpenMode::ReadOnly);
  tfd::TEquipmentLists lists;
  for (auto _ : state) {
    lists.LoadAll(*db);
    benchmark::DoNotOptimize(lists.Count(100));
  }
}
BENCHMARK(BM_LoadAllLists)->Unit(benchmark::kMillisecond);

void BM_UpdateDesignDependent(benchmark::State& state) {
  auto db = tfd::OpenSqliteDatabase(TFD_BENCH_DATABASE, tfd::EOpenMode::ReadOnly);
  tfd::TEquipmentLists lists;
  lists.LoadAll(*db);
  tfd::TMech design;
  int tons = 20;
  for (auto _ : state) {
    design.Tonnage = static_cast<std::uint8_t>(tons);
    tons = tons >= 100 ? 20 : tons + 5;
    lists.UpdateDesignDependent(design);
    benchmark::DoNotOptimize(lists.Block(900).front()->Info.Tons);
  }
}
BENCHMARK(BM_UpdateDesignDependent)->Unit(benchmark::kMicrosecond);

}  // namespace
