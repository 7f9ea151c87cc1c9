#include "equipment/ColorSchemes.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "equipment/DataPaths.h"
#include "equipment/Database.h"

namespace tfd {

namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return r | (g << 8) | (b << 16);
}

constexpr const char* kTable = "Colors";

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

const TColorSet& StandardColorSet() {
  static const TColorSet s = {Rgb(0, 0, 0),       Rgb(0, 0, 0),     Rgb(192, 192, 192),
                              Rgb(192, 192, 192), Rgb(0, 0, 255),   Rgb(255, 0, 0),
                              Rgb(255, 0, 0),     Rgb(0, 128, 128), Rgb(0, 0, 255)};
  return s;
}

const TColorSet& Windows95ColorSet() {
  static const TColorSet s = {kSystemColor + 8, kSystemColor + 8, kSystemColor + 15,
                              kSystemColor + 5, Rgb(0, 0, 255),   Rgb(255, 0, 0),
                              Rgb(255, 0, 0),   Rgb(0, 128, 128), Rgb(0, 0, 255)};
  return s;
}

const TColorSet& StartupColorSet() {
  static const TColorSet s = {Rgb(0, 0, 0),      Rgb(0, 0, 0),     kSystemColor + 15,
                              kSystemColor + 15, Rgb(0, 0, 255),   Rgb(255, 0, 0),
                              Rgb(255, 0, 0),    Rgb(0, 128, 128), Rgb(0, 0, 255)};
  return s;
}

bool IsBuiltInScheme(const std::string& name) {
  return name == kStandardSchemeName || name == kWindows95SchemeName;
}

const std::array<const char*, 9>& ColorFieldNames() {
  static const std::array<const char*, 9> names = {"TextF",  "EditF",    "TextB",    "EditB",    "GaugeN",
                                                   "GaugeE", "GraphHtP", "GraphHtD", "GraphDmgP"};
  return names;
}

void CreateColorTable(IDatabase& db) {
  std::string sql = std::string("CREATE TABLE IF NOT EXISTS ") + kTable + " (Name TEXT NOT NULL";
  for (const char* f : ColorFieldNames()) sql += std::string(", ") + f + " INTEGER NOT NULL DEFAULT 0";
  sql += ")";
  db.Execute(sql);
}

TColorSchemeStore::TColorSchemeStore(std::unique_ptr<IDatabase> db) : db_(std::move(db)) {
  try {
    auto table = db_->NewTable(kTable);
    table->Open();
    // A table of another shape is reported now, not at the first scheme read.
    table->Require("Name");
    for (const char* f : ColorFieldNames()) table->Require(f);
    table_ = std::move(table);
  } catch (const TDatabaseError& e) {
    error_ = e.what();
  }
}

TColorSchemeStore TColorSchemeStore::Unavailable(std::string error) {
  TColorSchemeStore s;
  s.error_ = std::move(error);
  return s;
}

TColorSchemeStore TColorSchemeStore::OpenUserStore(const Opener& open) {
  const std::filesystem::path folder = UserDataFolder();
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) return Unavailable("Cannot create " + folder.string() + ": " + ec.message());
  try {
    auto db = open((folder / kUserDatabaseFileName).string());
    CreateColorTable(*db);
    return TColorSchemeStore(std::move(db));
  } catch (const TDatabaseError& e) {
    return Unavailable(e.what());
  }
}

std::vector<std::string> TColorSchemeStore::Names() const {
  std::vector<std::string> names;
  if (!table_) return names;
  for (table_->First(); !table_->Eof(); table_->Next()) names.push_back(table_->AsString("Name"));
  return names;
}

bool TColorSchemeStore::Locate(const std::string& name) const {
  if (!table_) return false;
  for (table_->First(); !table_->Eof(); table_->Next())
    if (table_->AsString("Name") == name) return true;
  return false;
}

std::optional<TColorSet> TColorSchemeStore::Find(const std::string& name) const {
  if (!Locate(name)) return std::nullopt;
  TColorSet set{};
  for (std::size_t i = 0; i < set.size(); ++i)
    set[i] = static_cast<std::uint32_t>(table_->AsInteger(ColorFieldNames()[i]));
  return set;
}

void TColorSchemeStore::Store(const std::string& name, const TColorSet& colors) {
  if (IsBuiltInScheme(name)) return;
  if (!table_) throw TDatabaseError(error_.empty() ? "The colour-scheme table is not open" : error_);
  if (Locate(name))
    table_->Edit();
  else {
    table_->Append();
    table_->SetString("Name", name);
  }
  try {
    for (std::size_t i = 0; i < colors.size(); ++i) table_->SetInteger(ColorFieldNames()[i], colors[i]);
    table_->Post();
  } catch (...) {
    table_->Cancel();
    throw;
  }
}

void TColorSchemeStore::Delete(const std::string& name) {
  if (Locate(name)) table_->Delete();
}

TColorSet TColorSchemeStore::Choose(const std::string& name) const {
  if (name == kStandardSchemeName) return StandardColorSet();
  if (name == kWindows95SchemeName) return Windows95ColorSet();
  if (auto set = Find(name)) return *set;
  return StandardColorSet();
}

int ErrorLightPosition(int speed) {
  speed = std::clamp(speed, 0, kMaxErrorLightSpeed);
  return speed == 0 ? 0 : kMaxErrorLightSpeed + 1 - speed;
}

int ErrorLightSpeed(int position) {
  position = std::clamp(position, 0, kMaxErrorLightSpeed);
  return position == 0 ? 0 : kMaxErrorLightSpeed + 1 - position;
}

std::string NextNewSchemeName(const std::vector<std::string>& names) {
  for (int n = 1;; ++n) {
    const std::string candidate = "New" + std::to_string(n);
    if (std::none_of(names.begin(), names.end(),
                     [&](const std::string& s) { return SameText(s, candidate); }))
      return candidate;
  }
}

}  // namespace tfd
