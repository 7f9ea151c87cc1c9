#pragma once
// A unit of up to 45 positions (three groups of fifteen), each holding a design
// and its pilot, with the unit's organisation and its tonnage and battle-value totals.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tfd {

class TMech;

constexpr int kRosterPositions = 45;

struct TPilot {
  std::string Name;
  std::string Callsign;
  std::string Rank;
  std::uint8_t Piloting = 5;
  std::uint8_t Gunnery = 4;
  double BVMultiplier = 1.0;
};

// Organisation name of a code, and the text its button shows; empty when unknown.
std::string_view OrganizationName(std::uint8_t code);
std::string_view OrganizationButtonText(std::uint8_t code);

class TUnitRoster {
 public:
  TUnitRoster();

  // Marks the used positions by the organisation, then sums the designs in them.
  void UpdateTotals();

  // Positions are numbered 1..45; anything else is ignored or answers "none".
  bool PositionUsed(int position) const;
  void Assign(int position, const TMech* design, const TPilot* pilot);
  const TMech* DesignAt(int position) const;
  const TPilot* PilotAt(int position) const;

  std::uint8_t Organization = 0;
  std::string Designation;
  std::string Affiliation;
  std::string ParentUnit;
  std::int32_t TotalBV = 0;
  std::int32_t TotalTonnage = 0;

 private:
  std::array<const TPilot*, kRosterPositions> pilots_{};  // not owned
  std::array<const TMech*, kRosterPositions> designs_{};  // not owned
  std::array<std::uint8_t, kRosterPositions> used_{};
};

}  // namespace tfd
