#include "ratings/RosterPositions.h"

#include <algorithm>
#include <filesystem>

#include "model/Mech.h"
#include "ratings/Ratings.h"
#include "ratings/SkillTable.h"

namespace tfd {

namespace {

bool ValidPosition(int position) { return position >= 1 && position <= kRosterPositions; }

std::uint8_t Skill(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, kSkillLevels - 1)); }

void UpdateMultiplier(TPilot& pilot) { pilot.BVMultiplier = SkillMultiplier(pilot.Gunnery, pilot.Piloting); }

TPilot NewPilot() {
  TPilot pilot;
  UpdateMultiplier(pilot);
  return pilot;
}

// Makes the configuration the one the design is rated in, then rates it.
void Field(TRosterPosition& slot, int configuration) {
  TMech& m = *slot.Design;
  if (m.IsOmni() && configuration >= 0 && configuration < kConfigCount) m.SelectConfig(configuration);
  slot.Configuration = m.ConfigIndex;
  ComputeRatings(m);
}

}  // namespace

std::string RosterRowName(const std::string& typeName, bool omni, int configuration) {
  if (!omni) return typeName;
  if (configuration == 0) return typeName + " Default Configuration";
  return typeName + " " + ConfigName(configuration, true);
}

TRosterPositions::TRosterPositions(TUnitRoster& roster, TEquipmentLists& lists, const TEngineMakers* makers)
    : roster_(roster), lists_(lists), makers_(makers) {
  for (int p = 1; p <= kRosterPositions; ++p) {
    Slot(p)->Pilot = NewPilot();
    Relink(p);
  }
}

TRosterPositions::~TRosterPositions() {
  // The roster outlives nothing it refers to.
  for (int p = 1; p <= kRosterPositions; ++p) roster_.Assign(p, nullptr, nullptr);
}

const TRosterPosition& TRosterPositions::At(int position) const {
  static const TRosterPosition kEmpty{nullptr, {}, {}, 0, NewPilot()};
  return ValidPosition(position) ? positions_[static_cast<std::size_t>(position - 1)] : kEmpty;
}

TRosterPosition* TRosterPositions::Slot(int position) {
  return ValidPosition(position) ? &positions_[static_cast<std::size_t>(position - 1)] : nullptr;
}

void TRosterPositions::Relink(int position) {
  TRosterPosition* slot = Slot(position);
  if (slot) roster_.Assign(position, slot->Design.get(), &slot->Pilot);
}

TLoadResult TRosterPositions::Load(int position, const std::string& fileName, int configuration) {
  TRosterPosition* slot = Slot(position);
  if (!slot) {
    TLoadResult refused;
    refused.Status = ELoadStatus::Failed;
    refused.Message = "There is no roster position " + std::to_string(position) + ".";
    return refused;
  }
  auto design = std::make_unique<TMech>();
  TLoadContext context{lists_, html_, makers_};
  TLoadResult result = LoadDesign(*design, fileName, context);
  if (!result.Ok()) return result;
  slot->Design = std::move(design);
  slot->FilePath = fileName;
  slot->DesignName = slot->Design->Texts[txtModel];
  Field(*slot, configuration);
  Relink(position);
  return result;
}

void TRosterPositions::Clear(int position) {
  TRosterPosition* slot = Slot(position);
  if (!slot) return;
  *slot = TRosterPosition{nullptr, {}, {}, 0, NewPilot()};
  Relink(position);
}

bool TRosterPositions::SetConfiguration(int position, int index) {
  TRosterPosition* slot = Slot(position);
  if (!slot || !slot->Design || !slot->Design->IsOmni() || index < 0 || index >= kConfigCount) return false;
  Field(*slot, index);
  return true;
}

void TRosterPositions::SetPilot(int position, const TPilot& pilot) {
  TRosterPosition* slot = Slot(position);
  if (!slot) return;
  slot->Pilot = pilot;
  slot->Pilot.Piloting = Skill(pilot.Piloting);
  slot->Pilot.Gunnery = Skill(pilot.Gunnery);
  UpdateMultiplier(slot->Pilot);
}

void TRosterPositions::SetSkills(int position, int piloting, int gunnery) {
  TRosterPosition* slot = Slot(position);
  if (!slot) return;
  slot->Pilot.Piloting = Skill(piloting);
  slot->Pilot.Gunnery = Skill(gunnery);
  UpdateMultiplier(slot->Pilot);
}

void TRosterPositions::SetPilotName(int position, const std::string& name) {
  if (TRosterPosition* slot = Slot(position)) slot->Pilot.Name = name;
}

std::int32_t TRosterPositions::BattleValue(int position) const {
  const TRosterPosition& slot = At(position);
  if (!slot.Design) return 0;
  return FinalBattleValue(slot.Design->BattleValue, slot.Pilot.Gunnery, slot.Pilot.Piloting);
}

std::int32_t TRosterPositions::Tonnage(int position) const {
  const TRosterPosition& slot = At(position);
  return slot.Design ? slot.Design->Tonnage : 0;
}

int TRosterPositions::FilledCount() const {
  return static_cast<int>(std::count_if(positions_.begin(), positions_.end(),
                                        [](const TRosterPosition& p) { return p.Filled(); }));
}

void TRosterPositions::ClearAll() {
  roster_ = TUnitRoster{};
  for (int p = 1; p <= kRosterPositions; ++p) Clear(p);
}

TRosterFileData TRosterPositions::ToFileData(const std::string& rosterPath) const {
  TRosterFileData data;
  data.Organization = roster_.Organization;
  data.Designation = roster_.Designation;
  data.Affiliation = roster_.Affiliation;
  data.ParentUnit = roster_.ParentUnit;
  const TPilot fresh = NewPilot();
  for (int p = 1; p <= kRosterPositions; ++p) {
    const TRosterPosition& slot = At(p);
    const bool pilotChanged = slot.Pilot.Name != fresh.Name || slot.Pilot.Callsign != fresh.Callsign ||
                              slot.Pilot.Rank != fresh.Rank || slot.Pilot.Piloting != fresh.Piloting ||
                              slot.Pilot.Gunnery != fresh.Gunnery;
    if (!slot.Filled() && !pilotChanged) continue;
    data.Positions.push_back(
        {p, DesignPathForRoster(slot.FilePath, rosterPath), slot.DesignName, slot.Configuration, slot.Pilot});
  }
  return data;
}

TRosterOpenReport TRosterPositions::FromFileData(const TRosterFileData& data, const std::string& rosterPath) {
  TRosterOpenReport report;
  ClearAll();
  roster_.Organization = data.Organization;
  roster_.Designation = data.Designation;
  roster_.Affiliation = data.Affiliation;
  roster_.ParentUnit = data.ParentUnit;
  roster_.UpdateTotals();  // the used positions follow the organisation
  for (const TRosterFilePosition& entry : data.Positions) {
    TRosterPosition* slot = Slot(entry.Position);
    if (!slot) continue;
    SetPilot(entry.Position, entry.Pilot);
    if (entry.DesignPath.empty()) continue;
    const std::string file = DesignPathFromRoster(entry.DesignPath, rosterPath);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
      report.Missing.push_back(file);
    } else if (TLoadResult r = Load(entry.Position, file, entry.Configuration); !r.Ok()) {
      report.Unreadable.push_back(file + ": " + r.Message);
    }
    if (!slot->Design) {
      // Kept without its design, so saving the roster again loses nothing.
      slot->FilePath = file;
      slot->DesignName = entry.DesignName;
      slot->Configuration = entry.Configuration;
    }
  }
  return report;
}

}  // namespace tfd
