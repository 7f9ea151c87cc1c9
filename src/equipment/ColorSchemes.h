#pragma once
// Named display colour schemes: two built in, the rest kept in the table
// "Colors" of the user's own database (Name and the nine colour fields). The
// shipped database is read-only program data, so the user's schemes live in a
// per-user file that is created on first use.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tfd {

class IDatabase;
class ITable;

// Nine colour references: 0x00BBGGRR, or 0x80000000 + n for system colour n.
using TColorSet = std::array<std::uint32_t, 9>;

inline constexpr const char* kStandardSchemeName = "Titanframe Designer Standard";
inline constexpr const char* kWindows95SchemeName = "Windows 95 Standard";
inline constexpr std::uint32_t kSystemColor = 0x80000000u;

const TColorSet& StandardColorSet();
const TColorSet& Windows95ColorSet();
// The main window's colours before the user chooses any: black text on the
// desktop's button face, and the usual gauge and graph colours.
const TColorSet& StartupColorSet();
bool IsBuiltInScheme(const std::string& name);

// The table's field names in colour-index order.
const std::array<const char*, 9>& ColorFieldNames();

// Creates the table in a database when it is missing.
void CreateColorTable(IDatabase& db);

class TColorSchemeStore {
 public:
  // Opens a store on a database (which it keeps). A store whose database could
  // not be opened keeps the error text and offers the built-in schemes only.
  explicit TColorSchemeStore(std::unique_ptr<IDatabase> db);
  static TColorSchemeStore Unavailable(std::string error);

  // Opens (creating when needed) the user's database in the user's data folder,
  // through the opener given (the engine lives outside the core).
  using Opener = std::function<std::unique_ptr<IDatabase>(const std::string& path)>;
  static TColorSchemeStore OpenUserStore(const Opener& open);

  bool Available() const { return table_ != nullptr; }
  const std::string& Error() const { return error_; }

  // The stored names in table order (the built-in ones are not stored).
  std::vector<std::string> Names() const;
  // The colours of the row whose name equals `name` exactly (case matters).
  std::optional<TColorSet> Find(const std::string& name) const;
  // Appends a row, or edits the one of that exact name, and posts it. A
  // built-in name stores nothing. Throws TDatabaseError with the engine's text.
  void Store(const std::string& name, const TColorSet& colors);
  // Deletes the row of that exact name, if there is one.
  void Delete(const std::string& name);

  // The colours a scheme name stands for: a built-in set, a stored set, or the
  // standard set when the name is neither.
  TColorSet Choose(const std::string& name) const;

 private:
  TColorSchemeStore() = default;
  bool Locate(const std::string& name) const;  // leaves the cursor on the row

  std::unique_ptr<IDatabase> db_;
  std::unique_ptr<ITable> table_;
  std::string error_;
};

// The error light's speed: 0 to 50, 0 standing still; the blink interval is
// speed x 10 ms. The speed track bar runs the other way ("Stopped" at 0,
// "Fastest" at 50): position = 51 - speed, and 0 for a light that stands.
inline constexpr int kMaxErrorLightSpeed = 50;
inline constexpr int kDefaultErrorLightSpeed = 25;
int ErrorLightPosition(int speed);
int ErrorLightSpeed(int position);

// The first "New<n>" (n from 1) that is not among the names, compared without
// regard to case.
std::string NextNewSchemeName(const std::vector<std::string>& names);

}  // namespace tfd
