#pragma once
// What the unit roster's positions hold: each filled position owns a design
// of its own, loaded through the same load path as the editor's and rated in
// the configuration it fields, and every position owns its pilot, whose
// battle-value multiplier follows the skill table. The roster refers to them,
// so its totals are the skill-adjusted sums of the positions it uses.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "files/HtmlSettings.h"
#include "files/LoadDesign.h"
#include "files/RosterFile.h"
#include "model/Mech.h"
#include "model/UnitRoster.h"

namespace tfd {

class TEquipmentLists;
class TEngineMakers;

struct TRosterPosition {
  std::unique_ptr<TMech> Design;  // null when empty, or while its file is missing
  std::string FilePath;           // empty: the position holds no design
  std::string DesignName;         // the type name, known even while the file is missing
  int Configuration = 0;
  TPilot Pilot;

  bool Filled() const { return !FilePath.empty(); }
  bool Missing() const { return Filled() && !Design; }
};

// What opening a roster file left: the files that could not be loaded, each
// with the reason; their positions are kept, without a design.
struct TRosterOpenReport {
  std::vector<std::string> Missing;
  std::vector<std::string> Unreadable;  // "file: reason"
};

class TRosterPositions {
 public:
  TRosterPositions(TUnitRoster& roster, TEquipmentLists& lists, const TEngineMakers* makers = nullptr);
  ~TRosterPositions();

  // Positions 1..45; any other number answers an empty position.
  const TRosterPosition& At(int position) const;

  // Loads a design file into the position, keeping its pilot, and fields
  // `configuration` (the file's own choice when negative or not an Omni
  // design). A file that does not load leaves the position as it was.
  TLoadResult Load(int position, const std::string& fileName, int configuration = -1);
  // Empties the position: no design, a new pilot.
  void Clear(int position);
  // Fields another configuration of an Omni design; false when the position
  // holds no design, the design is not Omni or the index is not 0..27.
  bool SetConfiguration(int position, int index);

  // The pilot's values are stored as given (skills kept within 0..7) and
  // the multiplier follows the skills.
  void SetPilot(int position, const TPilot& pilot);
  void SetSkills(int position, int piloting, int gunnery);
  void SetPilotName(int position, const std::string& name);

  // The position's battle value as its pilot fields it, and its tonnage; 0
  // for a position without a design.
  std::int32_t BattleValue(int position) const;
  std::int32_t Tonnage(int position) const;
  int FilledCount() const;

  // A new roster: no organisation, no texts, every position empty.
  void ClearAll();

  // The roster as a roster file at `rosterPath` would hold it.
  TRosterFileData ToFileData(const std::string& rosterPath) const;
  // Replaces the roster by a roster file's contents read from `rosterPath`.
  TRosterOpenReport FromFileData(const TRosterFileData& data, const std::string& rosterPath);

 private:
  void Relink(int position);
  TRosterPosition* Slot(int position);

  TUnitRoster& roster_;
  TEquipmentLists& lists_;
  const TEngineMakers* makers_;
  // Readouts loaded into positions must not change the editor's HTML colours.
  THtmlSettings html_;
  std::array<TRosterPosition, kRosterPositions> positions_;
};

// The name a roster row shows: the type name and, for an Omni design, the
// configuration it fields (" Default Configuration", " Alt. A Configuration").
std::string RosterRowName(const std::string& typeName, bool omni, int configuration);

}  // namespace tfd
