// The Specifications tab on every visit: its refresh when no list needs
// another category (boxes only re-picked), and a refill of one list (the
// chassis list after a structure change: one query and the box refilled).

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/Startup.h"
#include "equipment/EquipmentLists.h"
#include "model/Mech.h"
#include "ui/main/DesignHost.h"
#include "ui/main/TfrmTFD.h"

using namespace tfd;

#include "BenchKit.h"

namespace {

void LoadSample(TfrmTFD& window) {
  window.show();
  QApplication::processEvents();
  window.LoadFromFile(QString(TFD_BENCH_SAMPLES) + "/hollow-warden-hw3.txt");
  window.RefreshPages(pgSpecs, &window);
}

void BM_SpecsRefreshUnchanged(benchmark::State& state) {
  TfrmTFD window(LoadEquipmentLists());
  LoadSample(window);
  for (auto _ : state) window.RefreshPages(pgSpecs, &window);
}
BENCHMARK(BM_SpecsRefreshUnchanged)->Unit(benchmark::kMicrosecond);

void BM_SpecsRefillOneList(benchmark::State& state) {
  TfrmTFD window(LoadEquipmentLists());
  LoadSample(window);
  TMech& m = window.Design();
  for (auto _ : state) {
    // Only the chassis list changes category; the refresh around it is the
    // unchanged one measured above.
    m.StructureType = m.StructureType == stStandard ? stEndoSteel : stStandard;
    window.RefreshPages(pgSpecs, &window);
  }
}
BENCHMARK(BM_SpecsRefillOneList)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return tfd_bench::RunOffscreen(argc, argv); }
