// Loading a design as the window does (reset, read, rules pass) and rating
// it, for each file format.

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "db/SqliteDatabase.h"
#include "equipment/EquipmentLists.h"
#include "files/HtmlSettings.h"
#include "files/LoadDesign.h"
#include "model/Mech.h"
#include "ratings/DamageByRange.h"
#include "ratings/Ratings.h"

namespace {

tfd::TEquipmentLists& Lists() {
  static tfd::TEquipmentLists* lists = [] {
    auto* l = new tfd::TEquipmentLists;
    auto db = tfd::OpenSqliteDatabase(TFD_BENCH_DATABASE, tfd::EOpenMode::ReadOnly);
    l->LoadAll(*db);
    return l;
  }();
  return *lists;
}

std::string Sample(const char* name) {
  std::ifstream in(std::string(TFD_BENCH_SAMPLES) + "/" + name, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

void LoadAndRate(benchmark::State& state, const char* name) {
  const std::string bytes = Sample(name);
  tfd::TMech design;
  tfd::THtmlSettings html;
  tfd::TLoadContext context{Lists(), html, nullptr};
  for (auto _ : state) {
    const tfd::TLoadResult r = tfd::LoadDesignFromBytes(design, name, bytes, context);
    if (!r.Ok()) state.SkipWithError(r.Message.c_str());
    tfd::ComputeRatings(design);
    tfd::ComputeDamageByRange(design, 0);
    benchmark::DoNotOptimize(design.BattleValue);
  }
}

BENCHMARK_CAPTURE(LoadAndRate, TextReadout, "hollow-warden-hw3.txt");
BENCHMARK_CAPTURE(LoadAndRate, TextReadoutOmni, "skarn-prime.txt");
BENCHMARK_CAPTURE(LoadAndRate, HtmlReadout, "hollow-warden-hw3.html");
BENCHMARK_CAPTURE(LoadAndRate, DesignFile, "brennock-bk1.TFI");
BENCHMARK_CAPTURE(LoadAndRate, DesignFileOmni, "vashti-prime.TFC");

}  // namespace
