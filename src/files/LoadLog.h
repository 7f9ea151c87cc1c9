#pragma once
// What a load gathers beside the design: a warning for each thing a reader
// could not read (a load with warnings still succeeds), and the item values
// that wait for the corrected design.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tfd {

struct TLoadWarning {
  int Line = 0;      // 1-based line of the file; 0 for a file without lines
  std::string Text;  // what could not be read (UTF-8)
  std::string Why;
};

inline constexpr const char* kWhyUnknownEquipment = "unknown equipment";
inline constexpr const char* kWhyNoLocation = "no location";
inline constexpr const char* kWhyNotUnderstood = "line not understood";

class TLoadLog {
 public:
  // Warnings kept; any beyond are counted in one last warning.
  static constexpr std::size_t kMaxWarnings = 200;
  static constexpr std::size_t kMaxWarningText = 200;

  // `text` is the file's own (Windows-1252) text; it is trimmed and cut short.
  void Warn(int line, std::string_view text, const char* why);
  // The warnings in file order, the count of those left out last.
  std::vector<TLoadWarning> TakeWarnings();

  // An item's values that depend on the design (formulas of the tonnage, the
  // engine rating): run once the rules have corrected what the file gave.
  void Defer(std::function<void()> complete) { deferred_.push_back(std::move(complete)); }
  void RunDeferred();

 private:
  std::vector<TLoadWarning> warnings_;
  std::size_t leftOut_ = 0;
  std::vector<std::function<void()>> deferred_;
};

}  // namespace tfd
