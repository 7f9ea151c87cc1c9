#pragma once
// What the three readers share: adding an item read to a configuration as
// placement does, the equipment whose weight the chassis figures already
// carry, the completion of readout items once the design is corrected, and the
// laying and linking of loaded slots.

#include <cstdint>
#include <memory>
#include <string_view>

#include "model/Weapon.h"
#include "rules/Placement.h"  // IsHeatSinkOrJumpJet

namespace tfd {

class TMech;
class TConfiguration;
class TEquipmentLists;
class TEquipmentIndex;
class TLoadLog;

bool IsClanDesign(const TMech& design);

// Appends the item; "Inventory" equipment also enters the design's brand list.
// A configuration that already holds the most items a design may hold
// refuses the file (TLimitError).
TWeapon* AppendItem(TMech& design, TConfiguration& config, std::unique_ptr<TWeapon> item);

// Whether the chassis figures already weigh this item in configuration
// `configIndex`: Endo Steel and Ferro-Fibrous slots always, heat sinks and
// jump jets of the fixed configuration.
bool WeighedByChassis(const TEquipmentIndex& index, int saveNum, int configIndex);

// Slots of one unit of a row: heat sinks and jump jets give theirs per unit
// (a placement holds as many units as its slots); other rows their slots.
int SlotsPerUnit(const TWepInfoStruct& row, const TEquipmentIndex& index);

// A slot count read from a readout, kept to what one item can take.
std::int16_t SlotsOfLine(long slotsRead);

// The values of a readout item from its row and the line's numbers: its slots
// (already set from the line) and the tons read. Ammunition takes the tons
// read (battle value and cost per ton); a line of several units multiplies
// battle value and cost by the units; what the chassis figures weigh weighs
// nothing here.
void CompleteReadoutItem(TWeapon& item, const TWepInfoStruct& row, bool split, double tons, int configIndex,
                         const TEquipmentIndex& index);
// The same, run when the design has been corrected (TLoadLog::Defer).
void DeferReadoutItem(TLoadLog& log, const TEquipmentLists& lists, TWeapon* item, const TWepInfoStruct& row,
                      double tons, int configIndex);

// The heat-sink type that an item of this identifier means (double, compact,
// laser), or -1 for an item that says nothing of it.
int HeatSinkTypeOf(const TEquipmentIndex& index, int saveNum);

// The heat-sink type a readout's heat-sink line names: a kind by name, or a
// dissipation figure in brackets ("[24]") of twice the count; `current` when
// the line tells neither.
std::uint8_t HeatSinkTypeOfLine(std::string_view line, int heatSinks, bool clan, std::uint8_t current);

// A slot code as the design file and the HTML readout number it: fixed slot
// items by their code, equipment by its older number (empty for an unknown one).
std::int16_t SlotCodeOfFileNumber(const TEquipmentLists& lists, int number);

// The CASE kind a loaded "1" stands for: Inner Sphere CASE, Clan CASE on a
// Clan design.
std::uint8_t LoadedCaseKind(const TMech& design);

// Lays a configuration's slot grid the way a readout without slot codes
// gives it: the XL engine's side-torso slots, an alternate's copy of the
// fixed configuration's codes, the arm actuators and centre-torso CASE, then
// every item in list order in the first empty slots of its location (from the
// back for the fixed configuration of an Omni design). A split item puts
// `SlotsFirst` slots in its primary location and the rest in the secondary
// one. What does not fit is dropped. Ends by linking the slots.
void PlaceInFirstFreeSlots(TMech& design, int configIndex);

// Links every item of the configuration to the slots that hold it (each
// item's chain as placement would have made it), then clears what no item
// explains: equipment codes without an item, except an alternate's copies of
// the fixed configuration's equipment.
void LinkLoadedSlots(TMech& design, int configIndex);

}  // namespace tfd
