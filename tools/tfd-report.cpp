// tfd-report: loads designs as the window does and prints what the core
// computed for each.
//
//   tfd-report [--json] [--strict] [--db PATH] [--config N] [--piloting P --gunnery G] FILE...
//   tfd-report --write tfc|tfi|txt|html --out DIR [--db PATH] FILE...
//
// With --write each design is converted instead: written into DIR under its
// own name with the format's extension, through the writers the window saves
// with. A file that does not load writes nothing and is reported.
//
// Exit status: 0 when every file loaded (and was written), 1 when any did
// not, 2 for a usage error; with --strict, 3 when every file loaded but a
// design breaks a construction rule (a red finding).

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Report.h"
#include "db/SqliteDatabase.h"
#include "equipment/DataPaths.h"
#include "equipment/Database.h"
#include "equipment/EquipmentLists.h"
#include "equipment/Specs.h"
#include "files/HtmlSettings.h"
#include "files/AtomicWrite.h"
#include "files/LoadDesign.h"
#include "files/SaveDesign.h"
#include "model/Mech.h"
#include "ratings/DamageByRange.h"
#include "ratings/Ratings.h"
#include "rules/RulesPass.h"
#include "rules/Validation.h"

namespace {

constexpr const char* kUsage =
    "usage: tfd-report [--json] [--strict] [--db PATH] [--config N] [--piloting P --gunnery G] FILE...\n"
    "       tfd-report --write tfc|tfi|txt|html --out DIR [--db PATH] FILE...\n";

// The extension a --write format gives; empty for an unknown format.
std::string ExtensionOf(std::string_view format) {
  if (format == "tfc") return ".TFC";
  if (format == "tfi") return ".TFI";
  if (format == "txt") return ".txt";
  if (format == "html") return ".html";
  return {};
}

bool ParseInt(std::string_view s, int low, int high, int& out) {
  int v = 0;
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size() || v < low || v > high) return false;
  out = v;
  return true;
}

// Writes the design into `outDir` under the file's own name with `extension`.
bool Convert(tfd::TMech& design, const std::string& file, const std::string& outDir, const std::string& extension,
             const tfd::TEquipmentLists& lists) {
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  const std::string target =
      (std::filesystem::path(outDir) / std::filesystem::path(file).stem()).string() + extension;
  static const tfd::THtmlSettings kPlainPage;  // black on white, nothing around
  // One flush for the whole batch, at the end.
  const tfd::TSaveContext context{lists, kPlainPage, {}, false};
  const tfd::TWriteResult result = tfd::SaveDesign(design, target, context);
  if (!result.Ok) {
    std::cerr << "tfd-report: " << file << ": " << result.Message << "\n";
    return false;
  }
  std::cout << file << " -> " << target << "\n";
  return true;
}

int Usage(const std::string& why) {
  std::cerr << "tfd-report: " << why << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool json = false;
  bool strict = false;
  std::string dbPath;
  int config = -1;
  tfd::TReportOptions options;
  std::string writeExtension;
  std::string outDir;
  std::vector<std::string> files;
  bool optionsDone = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    auto value = [&](const char* name) -> const char* {
      if (i + 1 >= argc) return nullptr;
      (void)name;
      return argv[++i];
    };
    if (optionsDone || a.empty() || a[0] != '-' || a == "-") {
      files.emplace_back(a);
    } else if (a == "--") {
      optionsDone = true;
    } else if (a == "--json") {
      json = true;
    } else if (a == "--strict") {
      strict = true;
    } else if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (a == "--db") {
      const char* v = value("--db");
      if (!v) return Usage("--db needs a path");
      dbPath = v;
    } else if (a == "--write") {
      const char* v = value("--write");
      if (!v || (writeExtension = ExtensionOf(v)).empty()) return Usage("--write needs tfc, tfi, txt or html");
    } else if (a == "--out") {
      const char* v = value("--out");
      if (!v || !*v) return Usage("--out needs a folder");
      outDir = v;
    } else if (a == "--config") {
      const char* v = value("--config");
      if (!v || !ParseInt(v, 0, tfd::kConfigCount - 1, config)) return Usage("--config needs a number from 0 to 27");
    } else if (a == "--piloting" || a == "--gunnery") {
      const char* v = value(argv[i]);
      int skill = 0;
      if (!v || !ParseInt(v, 0, 7, skill))
        return Usage(std::string(a) + " needs a skill from 0 to 7");
      (a == "--piloting" ? options.Piloting : options.Gunnery) = skill;
    } else {
      return Usage("unknown option " + std::string(a));
    }
  }
  if (files.empty()) return Usage("no file named");
  if (writeExtension.empty() != outDir.empty()) return Usage("--write and --out go together");
  if (!writeExtension.empty() && json) return Usage("--write writes files, not a report");

  tfd::TEquipmentLists lists;
  tfd::TEngineMakers makers;
  try {
    const auto path = tfd::FindDatabase(tfd::DefaultDatabaseSearch(dbPath));
    auto db = tfd::OpenSqliteDatabase(path.string(), tfd::EOpenMode::ReadOnly);
    lists.LoadAll(*db);
    tfd::TPickList plants;
    auto query = db->NewQuery();
    tfd::FillPickList(*query, plants, tfd::spPowerPlant, "", "");
    makers.Locate(plants.Entries);
  } catch (const std::exception& e) {
    std::cerr << "tfd-report: the equipment database cannot be read: " << e.what() << "\n";
    return 1;
  }

  tfd::THtmlSettings html;
  tfd::TLoadContext context{lists, html, &makers};
  auto design = std::make_unique<tfd::TMech>();
  int status = 0;
  bool broken = false;  // a design with a red finding
  tfd::TFindings findings;
  std::string out;
  for (const std::string& file : files) {
    const tfd::TLoadResult result = tfd::LoadDesign(*design, file, context);
    if (!result.Ok()) {
      status = 1;
      std::cerr << "tfd-report: " << file << ": " << tfd::HumanMessage(result.Message) << "\n";
      if (json) {
        out = tfd::JsonFailure(file, result.Message, result.Warnings);
        out.push_back('\n');
        std::fwrite(out.data(), 1, out.size(), stdout);
      }
      continue;
    }
    if (config >= 0) {
      design->SelectConfig(config);
      tfd::Recalculate(*design, tfd::rqAll);
    }
    tfd::ComputeRatings(*design);
    if (!writeExtension.empty()) {
      if (!Convert(*design, file, outDir, writeExtension, lists)) status = 1;
      continue;
    }
    tfd::ComputeDamageByRange(*design, 0);
    tfd::Validate(*design, findings);
    broken = broken || findings.Status() >= tfd::svError;
    if (json) {
      out = tfd::JsonReport(*design, file, options, result.Warnings);
      out.push_back('\n');
    } else {
      out = tfd::TextReport(*design, file, options, result.Warnings);
      out.push_back('\n');
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
  }
  if (!outDir.empty()) tfd::FlushFolder(outDir);
  std::fflush(stdout);
  if (status == 0 && strict && broken) return 3;
  return status;
}
