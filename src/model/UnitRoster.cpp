#include "model/UnitRoster.h"

#include <array>
#include <utility>

#include "model/Mech.h"
#include "model/Rounding.h"

namespace tfd {

namespace {

struct OrgEntry {
  std::uint8_t code;
  std::string_view name;
  std::string_view button;
  // Used positions as ranges of 1-based numbers; {0, 0} is no range.
  std::array<std::pair<int, int>, 3> ranges;
};

// clang-format off
constexpr OrgEntry kOrganizations[] = {
    {16, "Inner Sphere Lance", "Inner Sphere Lance", {{{1, 4}}}},
    {17, "Inner Sphere Lances (2)", "Inner Sphere Lances (2)", {{{1, 8}}}},
    {18, "Inner Sphere Company", "Inner Sphere Company", {{{1, 12}}}},
    {19, "Inner Sphere Companies (2)", "Inner Sphere Companies (2)", {{{1, 12}, {16, 27}}}},
    {20, "Inner Sphere Battalion", "Inner Sphere Batalion", {{{1, 12}, {16, 27}, {31, 42}}}},
    {32, "Clan Star", "Clan Star", {{{1, 5}}}},
    {33, "Clan Binary", "Clan Binary", {{{1, 10}}}},
    {34, "Clan Trinary", "Clan Trinary", {{{1, 15}}}},
    {35, "Clan Trinaries (2)", "Clan Trinaries (2)", {{{1, 30}}}},
    {36, "Clan Cluster", "Clan Cluster", {{{1, 45}}}},
    {64, "Comstar Level II", "Comstar Level II", {{{1, 6}}}},
    {65, "Comstar Level IIs (2)", "Comstar Level IIs (2)", {{{1, 12}}}},
    {66, "Comstar Level IIs (4)", "Comstar Level IIs (4)", {{{1, 12}, {16, 27}}}},
    {67, "Comstar Level III", "Comstar Level III", {{{1, 12}, {16, 27}, {31, 42}}}},
};
// clang-format on

const OrgEntry* Find(std::uint8_t code) {
  for (const auto& o : kOrganizations)
    if (o.code == code) return &o;
  return nullptr;
}

bool ValidPosition(int position) { return position >= 1 && position <= kRosterPositions; }

}  // namespace

std::string_view OrganizationName(std::uint8_t code) {
  const OrgEntry* o = Find(code);
  return o ? o->name : std::string_view{};
}

std::string_view OrganizationButtonText(std::uint8_t code) {
  const OrgEntry* o = Find(code);
  return o ? o->button : std::string_view{};
}

TUnitRoster::TUnitRoster() {
  for (int p = 1; p <= 4; ++p) used_[static_cast<std::size_t>(p - 1)] = 1;
}

void TUnitRoster::UpdateTotals() {
  if (const OrgEntry* o = Find(Organization)) {
    used_ = {};
    for (const auto& [from, to] : o->ranges)
      for (int p = from; from > 0 && p <= to; ++p) used_[static_cast<std::size_t>(p - 1)] = 1;
  }
  TotalBV = 0;
  TotalTonnage = 0;
  for (std::size_t i = 0; i < used_.size(); ++i) {
    if (!used_[i] || !designs_[i]) continue;
    const double multiplier = pilots_[i] ? pilots_[i]->BVMultiplier : 1.0;
    TotalBV += static_cast<std::int32_t>(Round(multiplier * designs_[i]->BattleValue));
    TotalTonnage += designs_[i]->Tonnage;
  }
}

bool TUnitRoster::PositionUsed(int position) const {
  return ValidPosition(position) && used_[static_cast<std::size_t>(position - 1)] != 0;
}

void TUnitRoster::Assign(int position, const TMech* design, const TPilot* pilot) {
  if (!ValidPosition(position)) return;
  designs_[static_cast<std::size_t>(position - 1)] = design;
  pilots_[static_cast<std::size_t>(position - 1)] = pilot;
}

const TMech* TUnitRoster::DesignAt(int position) const {
  return ValidPosition(position) ? designs_[static_cast<std::size_t>(position - 1)] : nullptr;
}

const TPilot* TUnitRoster::PilotAt(int position) const {
  return ValidPosition(position) ? pilots_[static_cast<std::size_t>(position - 1)] : nullptr;
}

}  // namespace tfd
