// Writing designs: the design file alone, a write and a read back as the
// window loads it, and the two readouts.

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "db/SqliteDatabase.h"
#include "equipment/EquipmentLists.h"
#include "files/DesignFileWriter.h"
#include "files/HtmlReadoutWriter.h"
#include "files/HtmlSettings.h"
#include "files/LoadDesign.h"
#include "files/TextReadoutWriter.h"
#include "model/Mech.h"

#include "BenchKit.h"

namespace {

using tfd_bench::Lists;

// A sample loaded as the window loads it.
struct TLoaded {
  tfd::TMech design;
  tfd::THtmlSettings html;
  explicit TLoaded(const char* name) {
    std::ifstream in(std::string(TFD_BENCH_SAMPLES) + "/" + name, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    tfd::TLoadContext context{Lists(), html, nullptr};
    tfd::LoadDesignFromBytes(design, name, all.str(), context);
  }
};

void WriteDesignFile(benchmark::State& state, const char* name) {
  TLoaded l(name);
  for (auto _ : state) benchmark::DoNotOptimize(tfd::WriteDesignFile(l.design, Lists()));
}

void WriteAndReadBack(benchmark::State& state, const char* name) {
  TLoaded l(name);
  tfd::TMech back;
  tfd::THtmlSettings html;
  tfd::TLoadContext context{Lists(), html, nullptr};
  for (auto _ : state) {
    const std::string bytes = tfd::WriteDesignFile(l.design, Lists());
    if (!tfd::LoadDesignFromBytes(back, "back.TFC", bytes, context).Ok()) state.SkipWithError("not loaded");
    benchmark::DoNotOptimize(back.Tonnage);
  }
}

void WriteTextReadout(benchmark::State& state, const char* name) {
  TLoaded l(name);
  for (auto _ : state) benchmark::DoNotOptimize(tfd::WriteTextReadout(l.design, Lists()));
}

void WriteHtmlReadout(benchmark::State& state, const char* name) {
  TLoaded l(name);
  for (auto _ : state) benchmark::DoNotOptimize(tfd::WriteHtmlReadout(l.design, Lists(), {&l.html, {}, {}}));
}

BENCHMARK_CAPTURE(WriteDesignFile, Fixed, "brennock-bk1.TFI");
BENCHMARK_CAPTURE(WriteDesignFile, Omni, "vashti-prime.TFC");
BENCHMARK_CAPTURE(WriteAndReadBack, Fixed, "brennock-bk1.TFI");
BENCHMARK_CAPTURE(WriteAndReadBack, Omni, "vashti-prime.TFC");
BENCHMARK_CAPTURE(WriteTextReadout, Omni, "vashti-prime.TFC");
BENCHMARK_CAPTURE(WriteHtmlReadout, Omni, "vashti-prime.TFC");

}  // namespace
