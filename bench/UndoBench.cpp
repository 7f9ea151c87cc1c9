// Undo must stay out of the user's way: the snapshot taken after every
// command of a large Omni design, and an undo with the refresh of its tab.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>

#include "app/Startup.h"
#include "equipment/EquipmentLists.h"
#include "model/Mech.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"
#include "ui/main/DesignUndo.h"
#include "ui/main/TfrmTFD.h"

using namespace tfd;

namespace {

// A 100-ton Omni design with the primary and seven alternate configurations
// each carrying a load of lasers.
void FillOmniDesign(TfrmTFD& window) {
  window.LoadFromFile(TFD_BENCH_SAMPLES "/skarn-prime.txt");
  TMech& m = window.Design();
  m.Tonnage = 100;
  window.Recalc(rqAll);
  const TWepInfo* laser = window.Equipment()->BySaveNum(102);
  for (int config = 1; config <= 8; ++config) {
    m.SelectConfig(config);
    window.Recalc(rqAll);
    for (int location : {locRightArm, locLeftArm, locRightTorso, locLeftTorso, locCenterTorso})
      for (int i = 0; i < 4; ++i) {
        TAddRequest request;
        request.Record = &laser->Info;
        request.Location = static_cast<std::uint8_t>(location);
        request.Criticals = laser->Info.Crits;
        AddItem(m, request);
      }
    window.Recalc(rqWeights);
  }
  m.SelectConfig(1);
  window.Recalc(rqAll);
}

void BM_SnapshotOfOmniDesign(benchmark::State& state) {
  TfrmTFD window(LoadEquipmentLists());
  FillOmniDesign(window);
  int items = 0;
  for (const auto& c : window.Design().Configs) items += c->Items.Size();
  for (auto _ : state) {
    TMech copy(window.Design());
    benchmark::DoNotOptimize(copy.Config);
  }
  state.counters["items"] = items;
}
BENCHMARK(BM_SnapshotOfOmniDesign)->Unit(benchmark::kMicrosecond);

// One iteration is an undo and a redo, each with the refresh of the Weapons tab.
void BM_UndoAndRedoWithRefresh(benchmark::State& state) {
  TfrmTFD window(LoadEquipmentLists());
  window.show();
  FillOmniDesign(window);
  window.findChild<QTabWidget*>("pcMain")->setCurrentWidget(window.findChild<QWidget*>("tsWeapons"));
  QApplication::processEvents();
  window.Design().Armor[asHead] = 5;
  window.SetModified();
  QApplication::processEvents();
  TDesignUndo& undo = window.DesignUndo();
  for (auto _ : state) {
    undo.Undo();
    undo.Redo();
  }
}
BENCHMARK(BM_UndoAndRedoWithRefresh)->Unit(benchmark::kMillisecond);

}  // namespace
