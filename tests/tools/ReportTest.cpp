#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "Report.h"
#include "ratings/SkillTable.h"

namespace tfd {
namespace {

const std::string kData = TFD_TEST_DATA;

struct TRun {
  int status = -1;
  std::string out;
  std::string err;
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
  }
};

TRun Report(const std::string& args) {
  namespace fs = std::filesystem;
  const fs::path err = fs::temp_directory_path() / ("tfd-report-test-" + std::to_string(::getpid()) + ".err");
  TRun r;
  const std::string command = std::string("\"") + TFD_REPORT + "\" " + args + " 2>\"" + err.string() + "\"";
  FILE* p = ::popen(command.c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf{};
  for (std::size_t n; (n = std::fread(buf.data(), 1, buf.size(), p)) > 0;) r.out.append(buf.data(), n);
  const int status = ::pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream e(err);
  std::ostringstream all;
  all << e.rdbuf();
  r.err = all.str();
  fs::remove(err);
  return r;
}

std::string Sample(const std::string& name) { return "\"" + kData + "/" + name + "\""; }

long NumberAfter(const std::string& line, const std::string& key) {
  const std::regex re("\"" + key + "\":(-?[0-9]+)");
  std::smatch m;
  return std::regex_search(line, m, re) ? std::stol(m[1]) : -999999;
}

TEST(ReportJson, OneObjectPerFileWithTheNamedKeys) {
  const TRun r = Report("--json " + Sample("hollow-warden-hw3.txt") + " " + Sample("vashti-prime.TFC") + " " +
                        Sample("brennock-bk1.TFI") + " " + Sample("hollow-warden-hw3.html"));
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = r.Lines();
  ASSERT_EQ(lines.size(), 4u);
  static const char* kKeys[] = {"file",
                                "ok",
                                "warnings",
                                "type",
                                "rulesLevel",
                                "options",
                                "tonnage",
                                "structureType",
                                "engineType",
                                "engineRating",
                                "walkMP",
                                "runMP",
                                "sprintMP",
                                "jumpMP",
                                "heatSinks",
                                "heatSinkType",
                                "dissipation",
                                "gyroType",
                                "cockpitType",
                                "targetingType",
                                "jumpJetType",
                                "armorType",
                                "configIndex",
                                "weights",
                                "structure",
                                "armor",
                                "armorTypes",
                                "maxArmor",
                                "armorPoints",
                                "armorFactor",
                                "config",
                                "index",
                                "name",
                                "totalWeight",
                                "equipmentWeight",
                                "caseWeight",
                                "turretWeight",
                                "powerAmpWeight",
                                "superchargerWeight",
                                "armoredWeight",
                                "case",
                                "actuators",
                                "items",
                                "abbr",
                                "saveId",
                                "location",
                                "slots",
                                "firstSlot",
                                "tons",
                                "bv",
                                "cost",
                                "heat",
                                "damage",
                                "battleValue",
                                "defensiveEquipment",
                                "explosivePenalty",
                                "heatModifier",
                                "movementFactor",
                                "defensiveRating",
                                "baseWeaponRating",
                                "artemisRating",
                                "targetingRating",
                                "modifiedWeaponRating",
                                "speedFactor",
                                "offensiveRating",
                                "weaponHeat",
                                "heatEfficiency",
                                "finalBV",
                                "costParts",
                                "cockpit",
                                "lifeSupport",
                                "sensors",
                                "musculature",
                                "legActuators",
                                "engine",
                                "gyro",
                                "multiplier",
                                "armActuators",
                                "jumpJets",
                                "equipment",
                                "omni",
                                "supercharger",
                                "powerAmp",
                                "turret",
                                "reports",
                                "punch",
                                "kick",
                                "club",
                                "bangPerBuck",
                                "heatPotential",
                                "freeSlots",
                                "usableSlots",
                                "damageByRange",
                                "heatByRange",
                                "specs",
                                "chassis",
                                "powerPlant",
                                "comSystem",
                                "ttSystem",
                                "manufacturers",
                                "armament",
                                "overview",
                                "source",
                                "findings"};
  for (const auto& line : lines) {
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.front(), '{');
    EXPECT_EQ(line.back(), '}');
    EXPECT_NE(line.find("\"ok\":true"), std::string::npos);
    EXPECT_EQ(line.find("\"error\""), std::string::npos);
    for (const char* key : kKeys)
      EXPECT_NE(line.find(std::string("\"") + key + "\":"), std::string::npos) << key;
  }
  EXPECT_EQ(NumberAfter(lines[0], "tonnage"), 55);
  EXPECT_NE(lines[0].find("\"type\":\"Hollow Warden HW-3\""), std::string::npos);
  EXPECT_EQ(NumberAfter(lines[1], "heatSinkType"), 4);  // Clan double
  // The text and HTML readouts of one design report the same figures.
  EXPECT_EQ(lines[0].substr(lines[0].find("\"type\"")), lines[3].substr(lines[3].find("\"type\"")));
}

TEST(ReportJson, ConfigurationAndSkills) {
  const TRun r = Report("--json --config 2 --piloting 3 --gunnery 2 " + Sample("vashti-prime.TFC"));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string line = r.Lines().at(0);
  EXPECT_EQ(NumberAfter(line, "configIndex"), 2);
  EXPECT_NE(line.find("\"saveId\":400"), std::string::npos);  // the Clan rifle of the A loadout
  const long bv = NumberAfter(line, "battleValue");
  EXPECT_EQ(NumberAfter(line, "finalBV"), FinalBattleValue(static_cast<std::int32_t>(bv), 2, 3));
  const TRun plain = Report("--json " + Sample("vashti-prime.TFC"));
  EXPECT_EQ(NumberAfter(plain.Lines().at(0), "finalBV"), NumberAfter(plain.Lines().at(0), "battleValue"));
}

TEST(ReportJson, FailuresAreReportedPerFileAndInTheStatus) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("tfd-report-bad-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "old.TFI", std::ios::binary) << std::string("\x06\x09\0\0", 4);
  std::ofstream(dir / "old.html") << "<BODY>\n<!-- VER 0906 -->\n</BODY>\n";
  const TRun r =
      Report("--json \"" + (dir / "old.TFI").string() + "\" " + Sample("brennock-bk1.TFI") + " \"" +
             (dir / "old.html").string() + "\" \"" + (dir / "missing.txt").string() + "\"");
  fs::remove_all(dir);
  EXPECT_EQ(r.status, 1);
  const auto lines = r.Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_NE(lines[0].find("\"ok\":false,\"error\":\"Cannot Open File\\rWrong Version\""), std::string::npos);
  EXPECT_NE(lines[1].find("\"ok\":true"), std::string::npos);
  EXPECT_NE(lines[2].find("\"ok\":false"), std::string::npos);
  EXPECT_NE(lines[2].find("2311"), std::string::npos);
  EXPECT_NE(lines[3].find("\"ok\":false"), std::string::npos);
  EXPECT_NE(r.err.find("Cannot Open File: Wrong Version"), std::string::npos);
  EXPECT_NE(r.err.find("missing.txt"), std::string::npos);
}

TEST(ReportJson, TargetingComputerIsSizedPricedAndRatedByItsDirectFireWeapons) {
  // 60 t: a large laser and a PPC (12 t of direct fire), an LRM 10, a 3-ton computer.
  const TRun r = Report("--json " + Sample("quillon-qn2.txt"));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string line = r.Lines().at(0);
  std::smatch item;
  ASSERT_TRUE(std::regex_search(line, item, std::regex("\\{[^{}]*\"saveId\":1108[^{}]*\\}")));
  EXPECT_EQ(NumberAfter(item.str(), "tons"), 3);
  EXPECT_EQ(NumberAfter(item.str(), "cost"), 30000);
  EXPECT_EQ(NumberAfter(item.str(), "slots"), 3);
  // A fifth of the laser's and the PPC's 124 + 176; the launcher is not served.
  EXPECT_EQ(NumberAfter(line, "targetingRating"), 60);
  EXPECT_EQ(NumberAfter(line, "baseWeaponRating"), 124 + 176 + 90 + 11 + 60);
  EXPECT_EQ(NumberAfter(line, "equipment"), 100000 + 200000 + 100000 + 30000 + 30000);
  // Sized right: no finding about its slots.
  EXPECT_EQ(line.find("targeting.slots"), std::string::npos);
}

TEST(ReportJson, FindingsOfTheSampleDesigns) {
  const TRun r = Report("--json " + Sample("brennock-bk1.TFI") + " " + Sample("vashti-prime.TFC") + " " +
                        Sample("quillon-qn2.txt"));
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = r.Lines();
  ASSERT_EQ(lines.size(), 3u);
  auto findings = [](const std::string& line) { return line.substr(line.find("\"findings\":")); };
  // The 65-ton frame carries no rounds for its AC/20 and anti-missile system
  // (its one ton of AC/10 rounds feeds the AC/10), keeps 2.5 tons spare, 87
  // of 211 armour points, and runs hot firing everything.
  EXPECT_EQ(
      findings(lines[0]),
      "\"findings\":["
      "{\"rule\":\"weight.unused\",\"severity\":1,\"location\":null,\"item\":null,"
      "\"message\":\"2.5 tons left unused.\"},"
      "{\"rule\":\"armor.low\",\"severity\":1,\"location\":null,\"item\":null,"
      "\"message\":\"Armor: 87 of 211 points, less than half the maximum.\"},"
      "{\"rule\":\"ammo.missing\",\"severity\":1,\"location\":\"Center Torso\",\"item\":\"Anti-Missile "
      "System\","
      "\"message\":\"Anti-Missile System has no ammunition.\"},"
      "{\"rule\":\"ammo.missing\",\"severity\":1,\"location\":\"Left Arm\",\"item\":\"Autocannon/20\","
      "\"message\":\"Autocannon/20 has no ammunition.\"},"
      "{\"rule\":\"heat.over\",\"severity\":1,\"location\":null,\"item\":null,"
      "\"message\":\"Firing every forward weapon while moving builds 16 heat against 10 dissipated.\"}]}");
  // The Omni's fixed configuration leaves its pod space free: nothing to say.
  EXPECT_EQ(findings(lines[1]), "\"findings\":[]}");
  EXPECT_NE(lines[2].find("\"rule\":\"heat.over\""), std::string::npos);
  EXPECT_EQ(lines[2].find("\"severity\":2"), std::string::npos);
}

TEST(ReportStrict, ARedFindingExitsWithThreeUnlessAFileFailedToLoad) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("tfd-report-strict-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  // The fire-support sample with seventeen more heat sinks: 17 tons over.
  std::ifstream in(kData + "/quillon-qn2.txt");
  std::ostringstream text;
  text << in.rdbuf();
  std::string readout = text.str();
  const std::string sinks = "Heat Sinks: 13 [13]   3.0";
  ASSERT_NE(readout.find(sinks), std::string::npos);
  readout.replace(readout.find(sinks), sinks.size(), "Heat Sinks: 30 [30]   20.0");
  const fs::path heavy = dir / "heavy.txt";
  std::ofstream(heavy) << readout;

  const std::string file = "\"" + heavy.string() + "\"";
  const TRun lenient = Report(file);
  EXPECT_EQ(lenient.status, 0) << lenient.err;
  EXPECT_NE(lenient.out.find("Error    Overweight by "), std::string::npos) << lenient.out;
  EXPECT_EQ(Report("--strict " + file).status, 3);
  EXPECT_EQ(Report("--strict --json " + file + " " + Sample("brennock-bk1.TFI")).status, 3);
  EXPECT_EQ(Report("--strict " + Sample("brennock-bk1.TFI")).status, 0) << "warnings alone pass";
  EXPECT_EQ(Report("--strict " + file + " \"" + (dir / "missing.txt").string() + "\"").status, 1);
  fs::remove_all(dir);
}

TEST(ReportUsage, BadArgumentsExitWithTwo) {
  for (const std::string args : {"", "--json", "--config 28 x.TFI", "--config", "--piloting nine x.TFI",
                                 "--gunnery 8 x.TFI", "--frobnicate x.TFI"}) {
    const TRun r = Report(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.err.find("usage:"), std::string::npos) << args;
    EXPECT_TRUE(r.out.empty()) << args;
  }
  EXPECT_EQ(Report("--db /no/such/folder/TFDData.sqlite " + Sample("brennock-bk1.TFI")).status, 1);
}

TEST(ReportWarnings, WhatWasNotReadIsListedInJsonAndOnThePage) {
  namespace fs = std::filesystem;
  std::ifstream in(kData + "/hollow-warden-hw3.txt", std::ios::binary);
  std::string readout((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string known = "Medium Laser               CT";
  readout.replace(readout.find(known), known.size(), "Quantum Flux Cannon        CT");
  const int line =
      1 + static_cast<int>(std::count(readout.begin(),
                                      readout.begin() + static_cast<long>(readout.find("Quantum")), '\n'));
  const fs::path file =
      fs::temp_directory_path() / ("tfd-report-warn-" + std::to_string(::getpid()) + ".txt");
  std::ofstream(file, std::ios::binary) << readout;
  const TRun json = Report("--json \"" + file.string() + "\" " + Sample("brennock-bk1.TFI"));
  const TRun page = Report("\"" + file.string() + "\"");
  fs::remove(file);
  ASSERT_EQ(json.status, 0) << json.err;  // a load with warnings is a load
  const auto lines = json.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("\"warnings\":[{\"line\":" + std::to_string(line) +
                          ",\"text\":\"Quantum Flux Cannon        CT          1     3     "
                          "1.00\",\"why\":\"unknown equipment\"}]"),
            std::string::npos)
      << lines[0].substr(0, 300);
  EXPECT_NE(lines[1].find("\"warnings\":[]"), std::string::npos);
  EXPECT_NE(page.out.find("line " + std::to_string(line) + ": Quantum Flux Cannon"), std::string::npos)
      << page.out;
  EXPECT_NE(page.out.find("(unknown equipment)"), std::string::npos);
}

TEST(ReportText, ReadablePage) {
  const TRun r = Report(Sample("torvek-tk4q.TFI"));
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* part : {"Torvek TK-4Q", "Tonnage:       60 tons", "Quad", "Autocannon/20", "Battle value:",
                           "Cost:", "Offensive rating", "Multiplier", "Damage by range:", "Right Leg",
                           "Findings:\n    Warning  8.5 tons left unused.  [weight.unused]"})
    EXPECT_NE(r.out.find(part), std::string::npos) << part;
}

TEST(ReportFormat, NumbersAndStrings) {
  EXPECT_EQ(JsonNumber(0.1), "0.1");
  EXPECT_EQ(JsonNumber(18093451.0), "18093451");
  EXPECT_EQ(std::stod(JsonNumber(1.0 / 3.0)), 1.0 / 3.0);
  EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
  EXPECT_EQ(JsonString("a\"b\\c\r\n\x01"), "\"a\\\"b\\\\c\\r\\n\\u0001\"");
  EXPECT_EQ(JsonString("caf\xc3\xa9"), "\"caf\xc3\xa9\"");  // UTF-8 stays
  EXPECT_EQ(JsonString("caf\xe9"), "\"caf\xc3\xa9\"");      // Windows-1252 becomes UTF-8
  EXPECT_EQ(HumanMessage("Cannot Open File\rWrong Version"), "Cannot Open File: Wrong Version");
}

}  // namespace
}  // namespace tfd

namespace tfd {
namespace {

// What --json says of a design after its "file" entry: the same for a design
// and its converted copy when the format keeps everything. (The armament
// lines are written from the brand list, one line per kind of equipment.)
std::string AfterFileName(const std::string& line) {
  return std::regex_replace(line.substr(line.find("\"ok\"")), std::regex("\"armament\":\\[[^\\]]*\\]"), "");
}

TEST(ReportWrite, ConvertsThroughTheWritersAndReportsFilesThatDoNotLoad) {
  namespace fs = std::filesystem;
  const fs::path out = fs::temp_directory_path() / ("tfd-report-write-" + std::to_string(::getpid()));
  fs::remove_all(out);
  const std::string samples =
      Sample("brennock-bk1.TFI") + " " + Sample("vashti-prime.TFC") + " " + Sample("hollow-warden-hw3.txt");
  for (const char* format : {"tfc", "tfi", "txt", "html"}) {
    const TRun r = Report(std::string("--write ") + format + " --out \"" + out.string() + "\" " + samples +
                          " \"" + kData + "/no-such-design.TFC\"");
    EXPECT_EQ(r.status, 1) << format;
    EXPECT_NE(r.err.find("no-such-design.TFC"), std::string::npos) << r.err;
    EXPECT_EQ(r.Lines().size(), 3u) << r.out;
    EXPECT_FALSE(fs::exists(out / (std::string("no-such-design.") + format)));
  }
  // A design file keeps everything: the copy reports as the original does.
  for (const char* name : {"brennock-bk1", "vashti-prime", "hollow-warden-hw3"}) {
    const std::string original = name == std::string("hollow-warden-hw3") ? name + std::string(".txt")
                                 : name == std::string("vashti-prime")    ? name + std::string(".TFC")
                                                                          : name + std::string(".TFI");
    const TRun a = Report("--json " + Sample(original));
    const TRun b = Report("--json \"" + (out / (std::string(name) + ".TFC")).string() + "\"");
    ASSERT_EQ(b.status, 0) << b.err;
    // (A readout's reader names and prices a few items its own way.)
    if (original.find(".TF") != std::string::npos) {
      EXPECT_EQ(AfterFileName(a.Lines().at(0)), AfterFileName(b.Lines().at(0))) << name;
    }
    EXPECT_EQ(NumberAfter(b.Lines().at(0), "battleValue"), NumberAfter(a.Lines().at(0), "battleValue"))
        << name;
    // The readouts load back to the same tonnage and battle value.
    for (const char* ext : {".txt", ".html"}) {
      const TRun c = Report("--json \"" + (out / (std::string(name) + ext)).string() + "\"");
      ASSERT_EQ(c.status, 0) << c.err;
      EXPECT_EQ(NumberAfter(c.Lines().at(0), "tonnage"), NumberAfter(a.Lines().at(0), "tonnage"))
          << name << ext;
      EXPECT_EQ(NumberAfter(c.Lines().at(0), "battleValue"), NumberAfter(a.Lines().at(0), "battleValue"))
          << name << ext;
    }
  }
  EXPECT_EQ(Report("--write tfc " + samples).status, 2);
  EXPECT_EQ(Report("--write pdf --out \"" + out.string() + "\" " + samples).status, 2);
  fs::remove_all(out);
}

}  // namespace
}  // namespace tfd
