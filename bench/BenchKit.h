#pragma once
// What the benchmark programs share: the shipped equipment table loaded once,
// and a main for the benchmarks of the windows, run offscreen.

#include <benchmark/benchmark.h>

#include "db/SqliteDatabase.h"
#include "equipment/EquipmentLists.h"

#ifdef TFD_BENCH_GUI
#include <QApplication>
#endif

namespace tfd_bench {

#ifdef TFD_BENCH_DATABASE
// Loaded on first use and kept for the run, as the program keeps it.
inline tfd::TEquipmentLists& Lists() {
  static tfd::TEquipmentLists* lists = [] {
    auto* l = new tfd::TEquipmentLists;
    auto db = tfd::OpenSqliteDatabase(TFD_BENCH_DATABASE, tfd::EOpenMode::ReadOnly);
    l->LoadAll(*db);
    return l;
  }();
  return *lists;
}
#endif

#ifdef TFD_BENCH_GUI
inline int RunOffscreen(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::benchmark::Initialize(&argc, argv);
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  return 0;
}
#endif

}  // namespace tfd_bench
