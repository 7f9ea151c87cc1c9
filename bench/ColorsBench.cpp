// Putting the display colours on the whole main window (every page, the
// status bar and the dialogs), alternating two schemes so that every palette
// really changes, with the refresh of the page shown.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/Startup.h"
#include "equipment/ColorSchemes.h"
#include "equipment/EquipmentLists.h"
#include "ui/main/TfrmTFD.h"

using namespace tfd;

#include "BenchKit.h"

namespace {

void BM_ApplyColors(benchmark::State& state) {
  TfrmTFD window(LoadEquipmentLists());
  window.show();
  QApplication::processEvents();
  bool standard = true;
  for (auto _ : state) {
    window.SetActiveColorSet(standard ? StandardColorSet() : Windows95ColorSet());
    standard = !standard;
  }
}
BENCHMARK(BM_ApplyColors)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return tfd_bench::RunOffscreen(argc, argv); }
