// The windows must answer every keystroke at once: one edit (store, rules
// pass, refresh of its page), placing an item with the refresh of the Weapons
// tab, and building the main window with its equipment lists.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QTabWidget>

#include "app/Startup.h"
#include "equipment/EquipmentLists.h"
#include "model/Mech.h"
#include "ratings/RosterPositions.h"
#include "rules/Placement.h"
#include "rules/RulesPass.h"
#include "ui/BV/BV.h"
#include "ui/main/MainItemsPage.h"
#include "ui/main/ReportsPage.h"
#include "ui/main/SpinText.h"
#include "ui/main/TfrmTFD.h"
#include "ui/main/WeaponsPage.h"
#include "ui/widgets/Graph.h"
#include "ui/widgets/SpinEdit.h"

using namespace tfd;

#include "BenchKit.h"

namespace {

void BM_StartUp(benchmark::State& state) {
  for (auto _ : state) {
    tfd::TfrmTFD window(LoadEquipmentLists());
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.Design().Weights[wFree]);
  }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

void BM_WalkingMPKeystroke(benchmark::State& state) {
  TfrmTFD window(LoadEquipmentLists());
  window.show();
  QApplication::processEvents();
  auto* walk = window.findChild<TSpinEdit*>("sedtW_MP");
  int mp = 3;
  for (auto _ : state) {
    EditorOf(*walk)->setText(QString::number(mp));  // the edit's handler stores, recalculates, refreshes
    mp = mp == 3 ? 4 : 3;
  }
}
BENCHMARK(BM_WalkingMPKeystroke)->Unit(benchmark::kMicrosecond);

void BM_AddItemAndRefreshWeapons(benchmark::State& state) {
  TfrmTFD window(LoadEquipmentLists());
  window.show();
  auto* tabs = window.findChild<QTabWidget*>("pcMain");
  tabs->setCurrentWidget(window.findChild<QWidget*>("tsWeapons"));
  QApplication::processEvents();
  TMech& m = window.Design();
  m.RulesLevel = rlIS3;
  m.Tonnage = 100;
  window.Recalc(rqAll);
  const TWepInfo* laser = window.Equipment()->BySaveNum(102);
  TAddRequest request;
  request.Record = &laser->Info;
  request.Location = locRightTorso;
  request.Slot = 1;
  request.Criticals = laser->Info.Crits;
  for (auto _ : state) {
    TWeapon* placed = nullptr;
    AddItem(m, request, &placed);
    window.Recalc(rqWeights);
    window.RefreshPages(4, &window);
    state.PauseTiming();
    DeleteItem(m, placed);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddItemAndRefreshWeapons)->Unit(benchmark::kMicrosecond);

void BM_RefreshCriticalSheet(benchmark::State& state) {
  TfrmTFD window(LoadEquipmentLists());
  window.show();
  QApplication::processEvents();
  TMech& m = window.Design();
  m.Tonnage = 100;
  window.Recalc(rqAll);
  for (auto _ : state) window.RefreshPages(8, &window);
}
BENCHMARK(BM_RefreshCriticalSheet)->Unit(benchmark::kMicrosecond);

// The Reports tab of a loaded design: the ratings, the damage and heat by
// range, every label, and a repaint of the graph.
void BM_RefreshReportsWithGraph(benchmark::State& state) {
  TfrmTFD window(LoadEquipmentLists());
  window.show();
  window.LoadFromFile(QStringLiteral(TFD_BENCH_SAMPLES "/brennock-bk1.TFI"));
  auto* tabs = window.findChild<QTabWidget*>("pcMain");
  tabs->setCurrentWidget(window.findChild<QWidget*>("tsReports"));
  QApplication::processEvents();
  TGraph* graph = window.ReportsPage()->Graph();
  for (auto _ : state) {
    window.RefreshPages(16, &window);
    graph->repaint();
  }
}
BENCHMARK(BM_RefreshReportsWithGraph)->Unit(benchmark::kMicrosecond);

// Opening the battle-value window: filling every figure and laying it out.
void BM_OpenBattleValueWindow(benchmark::State& state) {
  TfrmTFD window(LoadEquipmentLists());
  window.show();
  window.LoadFromFile(QStringLiteral(TFD_BENCH_SAMPLES "/brennock-bk1.TFI"));
  QApplication::processEvents();
  TfrmBV* bv = window.BattleValueWindow();
  for (auto _ : state) {
    bv->show();
    QApplication::processEvents();
    bv->hide();
  }
}
BENCHMARK(BM_OpenBattleValueWindow)->Unit(benchmark::kMicrosecond);

// A Clan Cluster with all 45 positions filled: totals over every position,
// fifteen rows of the page shown.
void BM_RefreshUnitRoster45(benchmark::State& state) {
  TfrmTFD window(LoadEquipmentLists());
  window.show();
  auto* tabs = window.findChild<QTabWidget*>("pcMain");
  tabs->setCurrentWidget(window.findChild<QWidget*>("tsUnitRoster"));
  QApplication::processEvents();
  const char* samples[] = {"brennock-bk1.TFI", "torvek-tk4q.TFI", "vashti-prime.TFC", "skarn-prime.txt",
                           "hollow-warden-hw3.html"};
  window.Roster().Organization = 36;
  for (int p = 1; p <= kRosterPositions; ++p)
    if (!window.RosterPositions()->Load(p, std::string(TFD_BENCH_SAMPLES) + "/" + samples[p % 5]).Ok())
      state.SkipWithError("a sample design did not load");
  for (auto _ : state) window.RefreshPages(pgUnitRoster, &window);
  benchmark::DoNotOptimize(window.Roster().TotalBV);
}
BENCHMARK(BM_RefreshUnitRoster45)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return tfd_bench::RunOffscreen(argc, argv); }
