#pragma once
// Validation: what is still wrong with a design after the rules pass has
// corrected what it corrects silently. It never changes the design and never
// refuses one; it lists findings, each with a stable rule identifier, a
// severity, where the problem is, and a message for the player.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tfd {

class TMech;
class TWeapon;

// Severity of a finding, and the design status it raises.
enum ESeverity : std::uint8_t {
  svNone = 0,
  svWarning = 1,  // yellow: legal, but probably not what the designer meant
  svError = 2,    // red: breaks a construction rule
};

// What a finding is about, and so where the user fixes it.
enum class EFindingKind : std::uint8_t {
  Weight,     // tonnage and pods: the chassis values on Main Items
  Heat,       // heat sinks on Main Items
  Movement,   // jump jets on Main Items
  Armor,      // armour points on the Armor tab
  Slots,      // the slot grid and the BIN on the Critical Sheet
  Equipment,  // the equipment list on the Weapons tab
};

struct TFinding {
  std::string_view Rule;  // stable identifier, "weight.over"; static text
  std::uint8_t Severity = svNone;
  EFindingKind Kind = EFindingKind::Weight;
  int Location = -1;      // body location 0..7 (an item's: where it sits), lcBin for the BIN, -1 for none
  int ArmorSection = -1;  // armour section 0..10 (the front one of a torso), -1 for none
  const TWeapon* Item = nullptr;  // the item concerned (not owned), null for none
  std::string Place;              // the location or section as the player reads it; empty for none
  std::string Message;
};

// The findings of one validation. Keep one list and validate into it again:
// its room is reserved once, so a design with nothing to report costs no
// allocation at all.
class TFindings {
 public:
  explicit TFindings(std::size_t capacity = 32) { list_.reserve(capacity); }

  void Clear() { list_.clear(); }
  TFinding& Add(std::string_view rule, std::uint8_t severity, EFindingKind kind);

  bool Empty() const { return list_.empty(); }
  std::size_t Size() const { return list_.size(); }
  const TFinding& operator[](std::size_t i) const { return list_[i]; }
  std::vector<TFinding>::const_iterator begin() const { return list_.begin(); }
  std::vector<TFinding>::const_iterator end() const { return list_.end(); }

  // The design status: the highest severity found, 0 when none.
  std::uint8_t Status() const;
  int Count(std::uint8_t severity) const;

 private:
  std::vector<TFinding> list_;
};

// Heat that firing every forward weapon while moving may build above the
// dissipation before the design is flagged: four points stay below the first
// step of the heat scale (five), so a turn's excess is something a pilot can
// shed by holding fire for a moment.
constexpr int kHeatMargin = 4;

// Tonnage left unused before the design is flagged.
constexpr double kUnusedTonnageMargin = 0.5;

// Validates the current configuration of a design after the rules pass and the
// ratings (whose heat and jump figures it reads). Replaces the list's content.
void Validate(const TMech& design, TFindings& findings);

// The equipment filters (rules-level bits) under which the Weapons tab offers
// equipment to the design: its own rules level and, where the technology can
// be chosen (Mixed, Omni, or a file that says it mixes technologies), that
// level's Inner Sphere and Clan filters, with custom equipment for a Mixed design.
std::uint8_t OfferedEquipmentFilters(const TMech& design);

// Whether ammunition of that name is fired by the weapon of that name: "@LRM 10"
// by "LRM 10", and an alternative lot, which adds the kind of round after a
// blank ("@LB 10-X AC Cluster"), by its weapon too.
bool AmmoFeeds(std::string_view ammoName, std::string_view weaponName);

}  // namespace tfd
