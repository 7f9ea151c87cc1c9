#pragma once
// Fitting equipment into the current configuration: adding an item from the
// equipment table to a location or the BIN, deleting it, moving it between
// slots and the BIN, and stepping a location's CASE. Every refusal leaves the
// design as it was.

#include <cstdint>
#include <string_view>

namespace tfd {

class TMech;
class TConfiguration;
class TEquipmentIndex;
class TWeapon;
struct TWepInfoStruct;

enum class EPlacement {
  Placed,
  NoWeaponSelected,
  LocationFull,
  NotAllowedThere,
  WontFit,
  IncompleteRecord,  // the table row gives no shots per ton, or no slots per unit
};

// The warning a refusal shows ("Location is full." ...); empty for Placed.
std::string_view PlacementMessage(EPlacement result);

struct TAddRequest {
  const TWepInfoStruct* Record = nullptr;  // the chosen equipment row
  std::uint8_t Direction = 0;              // mounting mode: 0 front, 1 rear, 4 turret, 8 BIN
  int Location = 0;                        // 0..7
  int Slot = 0;                            // chosen slot of the location, 1-based; 0 none chosen
  int Criticals = 0;                       // slots asked for (a split item may take fewer)
  int Shots = 0;                           // for ammunition
  bool Ammunition = false;
};

// Adds the chosen item; `placed` receives it when it was placed.
EPlacement AddItem(TMech& design, const TAddRequest& request, TWeapon** placed = nullptr);
// Removes a placed item of the current configuration, its slots and its brand use.
void DeleteItem(TMech& design, TWeapon* item);
// Deletes the weapons and equipment of the current configuration, keeping the
// chassis' own slot items (heat sinks, jump jets, structure and armour slots);
// returns how many went.
int ClearWeapons(TMech& design);
// Whether an item's identifier is a heat sink or jump jet (from the remembered
// "HS" to the remembered "Jump_Jet" of a structure list).
bool IsHeatSinkOrJumpJet(const TEquipmentIndex& index, int saveNum);

// Whether a dragged item may be dropped on slot `slot` (1-based) of a location: a free slot.
bool MayDropOnSlot(const TConfiguration& config, int location, int slot);
// Moves an item of the current configuration whole to a slot; it keeps its
// rear and turret mounting. Refused (WontFit) when it does not fit there.
EPlacement MoveItem(TMech& design, TWeapon* item, int location, int slot);
// Takes an item of the current configuration out of its slots into the BIN.
void MoveToBin(TMech& design, TWeapon* item);
// Whether `item` belongs to the current configuration (the fixed equipment an
// alternate shows is not movable there).
bool IsOwnItem(const TMech& design, const TWeapon* item);

// The CASE kind after `current` for a location: the kinds the rules level
// keeps there in order (Inner Sphere CASE only in the torsos), then none.
std::uint8_t NextCaseKind(std::uint8_t rulesLevel, int location, std::uint8_t current);

}  // namespace tfd
