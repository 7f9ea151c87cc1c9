#pragma once
// What the three readers share: making an item from an equipment row, adding
// it to a configuration as placement does, the equipment whose weight the
// chassis figures already carry, and the linking of loaded slots to items.

#include <cstdint>
#include <memory>

#include "model/Weapon.h"
#include "rules/Placement.h"  // IsHeatSinkOrJumpJet

namespace tfd {

class TMech;
class TConfiguration;
class TEquipmentLists;
class TEquipmentIndex;

bool IsClanDesign(const TMech& design);

// The design-dependent values of the equipment rows for the design read so
// far: the engine rating is first made to match the tonnage and walking MP
// (formulas read it), then the rows are recomputed.
void PrepareEquipment(TMech& design, TEquipmentLists& lists);

// An item from a row: name, abbreviation, identifiers, slots, tons, heat,
// damage, ranges, battle value, cost and option bits; not placed.
std::unique_ptr<TWeapon> ItemFromRow(const TWepInfoStruct& row);

// Appends the item; "Inventory" equipment also enters the design's brand list.
TWeapon* AppendItem(TMech& design, TConfiguration& config, std::unique_ptr<TWeapon> item);

// Whether the chassis figures already weigh this item in configuration
// `configIndex`: Endo Steel and Ferro-Fibrous slots always, heat sinks and
// jump jets of the fixed configuration.
bool WeighedByChassis(const TEquipmentIndex& index, int saveNum, int configIndex);

// Slots of one unit of a row: heat sinks and jump jets give theirs per unit
// (a placement holds as many units as its slots); other rows their slots.
int SlotsPerUnit(const TWepInfoStruct& row, const TEquipmentIndex& index);

// Completes an item of a readout line from the numbers on the line: the
// slots read and the tons read. Ammunition takes the tons read (battle value
// and cost per ton); a line of several units multiplies battle value and cost
// by the units; what the chassis figures weigh weighs nothing here.
void CompleteReadoutItem(TWeapon& item, const TWepInfoStruct& row, bool split, long slotsRead, double tons,
                         int configIndex, const TEquipmentIndex& index);

// The heat-sink type that an item of this identifier means (double, compact,
// laser), or -1 for an item that says nothing of it.
int HeatSinkTypeOf(const TEquipmentIndex& index, int saveNum);

// The CASE kind a loaded "1" stands for: Inner Sphere CASE, Clan CASE on a
// Clan design.
std::uint8_t LoadedCaseKind(const TMech& design);

// Links every item of the configuration to the slots that hold it (each
// item's chain as placement would have made it), then clears what no item
// explains: equipment codes without an item, except an alternate's copies of
// the fixed configuration's equipment.
void LinkLoadedSlots(TMech& design, int configIndex);

}  // namespace tfd
