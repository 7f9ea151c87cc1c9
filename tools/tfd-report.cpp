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
#include "files/AtomicWrite.h"
#include "files/HtmlSettings.h"
#include "files/LoadDesign.h"
#include "files/SaveDesign.h"
#include "model/Mech.h"
#include "ratings/DamageByRange.h"
#include "ratings/Ratings.h"
#include "ratings/SkillTable.h"
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
bool Convert(tfd::TMech& design, const std::string& file, const std::string& outDir,
             const std::string& extension, const tfd::TEquipmentLists& lists) {
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

// What the command line asks for.
struct TArguments {
  bool Json = false;
  bool Strict = false;
  std::string DbPath;
  int Config = -1;
  tfd::TReportOptions Options;
  std::string WriteExtension;
  std::string OutDir;
  std::vector<std::string> Files;
};

// Reads one option that takes a value (`value` is null when none follows).
// Returns an exit status for a usage error, -1 otherwise.
int TakeValueOption(std::string_view a, const char* value, TArguments& args) {
  if (a == "--db") {
    if (!value) return Usage("--db needs a path");
    args.DbPath = value;
  } else if (a == "--write") {
    if (!value || (args.WriteExtension = ExtensionOf(value)).empty())
      return Usage("--write needs tfc, tfi, txt or html");
  } else if (a == "--out") {
    if (!value || !*value) return Usage("--out needs a folder");
    args.OutDir = value;
  } else if (a == "--config") {
    if (!value || !ParseInt(value, 0, tfd::kConfigCount - 1, args.Config))
      return Usage("--config needs a number from 0 to " + std::to_string(tfd::kConfigCount - 1));
  } else {  // --piloting, --gunnery
    int skill = 0;
    constexpr int kWorstSkill = tfd::kSkillLevels - 1;
    if (!value || !ParseInt(value, 0, kWorstSkill, skill))
      return Usage(std::string(a) + " needs a skill from 0 to " + std::to_string(kWorstSkill));
    (a == "--piloting" ? args.Options.Piloting : args.Options.Gunnery) = skill;
  }
  return -1;
}

// Fills `args` from the command line. Returns the exit status when the
// program ends here (help, or a usage error), -1 to go on.
int ParseArguments(int argc, char** argv, TArguments& args) {
  bool optionsDone = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (optionsDone || a.empty() || a[0] != '-' || a == "-") {
      args.Files.emplace_back(a);
    } else if (a == "--") {
      optionsDone = true;
    } else if (a == "--json") {
      args.Json = true;
    } else if (a == "--strict") {
      args.Strict = true;
    } else if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (a == "--db" || a == "--write" || a == "--out" || a == "--config" || a == "--piloting" ||
               a == "--gunnery") {
      const char* value = i + 1 < argc ? argv[++i] : nullptr;
      if (const int status = TakeValueOption(a, value, args); status >= 0) return status;
    } else {
      return Usage("unknown option " + std::string(a));
    }
  }
  if (args.Files.empty()) return Usage("no file named");
  if (args.WriteExtension.empty() != args.OutDir.empty()) return Usage("--write and --out go together");
  if (!args.WriteExtension.empty() && args.Json) return Usage("--write writes files, not a report");
  return -1;
}

// The equipment table and the engine makers, from the database found for `dbPath`.
bool LoadEquipment(const std::string& dbPath, tfd::TEquipmentLists& lists, tfd::TEngineMakers& makers) {
  try {
    const auto path = tfd::FindDatabase(tfd::DefaultDatabaseSearch(dbPath));
    auto db = tfd::OpenSqliteDatabase(path.string(), tfd::EOpenMode::ReadOnly);
    lists.LoadAll(*db);
    tfd::TPickList plants;
    auto query = db->NewQuery();
    tfd::FillPickList(*query, plants, tfd::spPowerPlant, "", "");
    makers.Locate(plants.Entries);
    return true;
  } catch (const std::exception& e) {
    std::cerr << "tfd-report: the equipment database cannot be read: " << e.what() << "\n";
    return false;
  }
}

void Print(std::string out) {
  out.push_back('\n');
  std::fwrite(out.data(), 1, out.size(), stdout);
}

// Loads, reports on or converts every file named. Returns the exit status.
int ProcessFiles(const TArguments& args, tfd::TEquipmentLists& lists, const tfd::TEngineMakers& makers) {
  tfd::THtmlSettings html;
  tfd::TLoadContext context{lists, html, &makers};
  auto design = std::make_unique<tfd::TMech>();
  int status = 0;
  bool broken = false;  // a design with a red finding
  tfd::TFindings findings;
  for (const std::string& file : args.Files) {
    const tfd::TLoadResult result = tfd::LoadDesign(*design, file, context);
    if (!result.Ok()) {
      status = 1;
      std::cerr << "tfd-report: " << file << ": " << tfd::HumanMessage(result.Message) << "\n";
      if (args.Json) Print(tfd::JsonFailure(file, result.Message, result.Warnings));
      continue;
    }
    if (args.Config >= 0) {
      design->SelectConfig(args.Config);
      tfd::Recalculate(*design, tfd::rqAll);
    }
    tfd::ComputeRatings(*design);
    if (!args.WriteExtension.empty()) {
      if (!Convert(*design, file, args.OutDir, args.WriteExtension, lists)) status = 1;
      continue;
    }
    tfd::ComputeDamageByRange(*design, 0);
    tfd::Validate(*design, findings);
    broken = broken || findings.Status() >= tfd::svError;
    Print(args.Json ? tfd::JsonReport(*design, file, args.Options, result.Warnings)
                    : tfd::TextReport(*design, file, args.Options, result.Warnings));
  }
  if (!args.OutDir.empty()) tfd::FlushFolder(args.OutDir);
  std::fflush(stdout);
  if (status == 0 && args.Strict && broken) return 3;
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  TArguments args;
  if (const int status = ParseArguments(argc, argv, args); status >= 0) return status;
  tfd::TEquipmentLists lists;
  tfd::TEngineMakers makers;
  if (!LoadEquipment(args.DbPath, lists, makers)) return 1;
  return ProcessFiles(args, lists, makers);
}
