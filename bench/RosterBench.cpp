// Opening a roster file of 45 positions, as the Open button does: the JSON
// read and checked, then every design loaded, recalculated and rated.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "db/SqliteDatabase.h"
#include "equipment/EquipmentLists.h"
#include "files/RosterFile.h"
#include "ratings/RosterPositions.h"

#include "BenchKit.h"

namespace {

using tfd_bench::Lists;

void BM_OpenRoster45(benchmark::State& state) {
  const char* samples[] = {"brennock-bk1.TFI", "torvek-tk4q.TFI", "vashti-prime.TFC", "skarn-prime.txt",
                           "hollow-warden-hw3.html"};
  const std::string rosterPath = (std::filesystem::temp_directory_path() / "tfd-bench-cluster.tfr").string();
  {
    tfd::TUnitRoster roster;
    tfd::TRosterPositions positions(roster, Lists());
    roster.Organization = 36;
    for (int p = 1; p <= tfd::kRosterPositions; ++p)
      if (!positions.Load(p, std::string(TFD_BENCH_SAMPLES) + "/" + samples[p % 5], p % 4).Ok())
        state.SkipWithError("a sample design did not load");
    if (!tfd::WriteRosterFile(rosterPath, positions.ToFileData(rosterPath)).empty())
      state.SkipWithError("the roster could not be written");
  }
  tfd::TUnitRoster roster;
  tfd::TRosterPositions positions(roster, Lists());
  for (auto _ : state) {
    const tfd::TRosterReadResult read = tfd::ReadRosterFile(rosterPath);
    const tfd::TRosterOpenReport report = positions.FromFileData(read.Data, rosterPath);
    roster.UpdateTotals();
    benchmark::DoNotOptimize(roster.TotalBV);
    benchmark::DoNotOptimize(report.Missing.size());
  }
  std::filesystem::remove(rosterPath);
}
BENCHMARK(BM_OpenRoster45)->Unit(benchmark::kMillisecond);

}  // namespace
