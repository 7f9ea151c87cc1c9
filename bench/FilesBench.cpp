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

#include "BenchKit.h"

namespace {

using tfd_bench::Lists;

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

// A readout of about 1 MB that names the seven alternates in turn, again and
// again, one item per section: the load must stay linear in the file's size.
std::string RepeatedSections(std::size_t size) {
  static const char* kNames[] = {"Primary Configuration",     "Alternate Configuration A",
                                 "Alternate Configuration B", "Alternate Configuration C",
                                 "Alternate Configuration D", "Alternate Configuration E",
                                 "Alternate Configuration F"};
  const std::string sample = Sample("skarn-prime.txt");
  std::string s = sample.substr(0, sample.find("Primary Configuration"));
  for (std::size_t i = 0; s.size() < size; ++i) {
    s += kNames[i % 7];
    s += "\r\n-----------------------------------------------------------\r\n"
         " Weapons and Ammo          Location  Critical  Heat  Tonnage\r\n"
         "ER Medium Laser            RA          1     5     1.00\r\n\r\n";
  }
  return s;
}

// The same as an HTML page: captioned tables of one row and one slot line.
std::string RepeatedTables(std::size_t size) {
  static const char* kCaptions[] = {"Prime", "A", "B", "C", "D", "E", "F"};
  const std::string sample = Sample("hollow-warden-hw3.html");
  std::string s = sample.substr(0, sample.rfind("<TABLE>", sample.find("<!-- Fixed -->")));
  for (std::size_t i = 0; s.size() < size; ++i) {
    s += std::string("<TABLE>\n<!-- ") + kCaptions[i % 7] + " -->\n";
    s += "<TR><TD>Weapons and "
         "Ammo</TD><TD></TD><TD>Location</TD><TD>Critical</TD><TD>Heat</TD><TD>Tonnage</TD></TR>\n"
         "<TR><TD>Medium Laser</TD><TD> </TD><TD>RA</TD><TD>1</TD><TD>3</TD><TD>1.0</TD></TR>\n"
         "<!-- RA 0008 0009 0066 0000 0000 0000 0000 0000 0000 0000 0000 0000 -->\n</TABLE>\n";
  }
  return s + "</BODY>\n</HTML>\n";
}

void LoadLarge(benchmark::State& state, const char* name, std::string (*make)(std::size_t)) {
  const std::string bytes = make(std::size_t{1} << 20);
  tfd::TMech design;
  tfd::THtmlSettings html;
  tfd::TLoadContext context{Lists(), html, nullptr};
  for (auto _ : state) {
    const tfd::TLoadResult r = tfd::LoadDesignFromBytes(design, name, bytes, context);
    if (!r.Ok() || design.Configs[7]->Items.Size() < 100) state.SkipWithError("not read whole");
    benchmark::DoNotOptimize(design.Configs[1]->Items.Size());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes.size()));
}

BENCHMARK_CAPTURE(LoadLarge, TextReadoutRepeatedSections1MB, "large.txt", RepeatedSections)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadLarge, HtmlReadoutRepeatedTables1MB, "large.html", RepeatedTables)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(LoadAndRate, TextReadout, "hollow-warden-hw3.txt");
BENCHMARK_CAPTURE(LoadAndRate, TextReadoutOmni, "skarn-prime.txt");
BENCHMARK_CAPTURE(LoadAndRate, HtmlReadout, "hollow-warden-hw3.html");
BENCHMARK_CAPTURE(LoadAndRate, DesignFile, "brennock-bk1.TFI");
BENCHMARK_CAPTURE(LoadAndRate, DesignFileOmni, "vashti-prime.TFC");

}  // namespace
