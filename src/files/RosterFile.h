#pragma once
// The roster file (".tfr"): the unit's descriptive values and, per filled
// position, the design file it holds, the configuration it fields and its
// pilot. JSON, so a player can read it and a later version can extend it.
// A design file below the roster's folder is stored relative to it, so a
// folder of a roster and its designs can be moved as a whole.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/UnitRoster.h"

namespace tfd {

constexpr int kRosterFileVersion = 1;
constexpr const char* kRosterFileExtension = ".tfr";

struct TRosterFilePosition {
  int Position = 0;        // 1..45
  std::string DesignPath;  // as the file stores it; empty for a pilot without a design
  std::string DesignName;  // the type name when saved, shown while the file is missing
  int Configuration = 0;   // 0..27
  TPilot Pilot;
};

struct TRosterFileData {
  std::uint8_t Organization = 0;
  std::string Designation;
  std::string Affiliation;
  std::string ParentUnit;
  std::vector<TRosterFilePosition> Positions;
};

struct TRosterReadResult {
  std::string Message;  // the user's words; empty when read
  TRosterFileData Data;
  bool Ok() const { return Message.empty(); }
};

std::string RosterToJson(const TRosterFileData& data);
// Refuses bad JSON, another format or version, and values out of range, with
// a message that names what is wrong; nothing is half read.
TRosterReadResult RosterFromJson(std::string_view text);

// How a roster saved at `rosterPath` refers to a design file: relative to
// the roster's folder when the design lies below it, else the full path.
std::string DesignPathForRoster(const std::string& designPath, const std::string& rosterPath);
// The design file a stored path names, for a roster read from `rosterPath`.
std::string DesignPathFromRoster(const std::string& storedPath, const std::string& rosterPath);

TRosterReadResult ReadRosterFile(const std::string& path);
// Writes a temporary file beside the target and renames it over the target
// only when it is complete. Returns the user's words on failure, empty when saved.
std::string WriteRosterFile(const std::string& path, const TRosterFileData& data);

}  // namespace tfd
