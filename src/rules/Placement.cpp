#include "rules/Placement.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "model/Mech.h"
#include "model/Rounding.h"
#include "model/Weapon.h"
#include "rules/ComponentRules.h"
#include "rules/RulesPass.h"
#include "rules/TargetingComputer.h"

namespace tfd {

std::string_view PlacementMessage(EPlacement result) {
  switch (result) {
    case EPlacement::Placed: return {};
    case EPlacement::NoWeaponSelected: return "No weapon selected.";
    case EPlacement::LocationFull: return "Location is full.";
    case EPlacement::NotAllowedThere: return "That weapon cannot be placed in that location.";
    case EPlacement::WontFit: return "Weapon will not fit there.";
    case EPlacement::IncompleteRecord:
      return "That equipment cannot be placed: its table entry gives no shots or units.";
  }
  return {};
}

namespace {

// Whether each arm actuator (right hand, right lower arm, left hand, left
// lower arm) lies in its slot.
using TLaidActuators = std::array<bool, 4>;

TLaidActuators LaidActuators(const TConfiguration& c) {
  auto laid = [&c](int arm, int slot, std::int16_t code) {
    const TSlot s = c.Crits.SlotAt(arm, slot);
    return s.Code == code && !s.Item;
  };
  return {laid(locRightArm, 4, ciHand), laid(locRightArm, 3, ciLowerArm), laid(locLeftArm, 4, ciHand),
          laid(locLeftArm, 3, ciLowerArm)};
}

// Arm actuators follow the arm's slots after equipment took or gave up some:
// one that equipment displaced is no longer fitted (its box shows it removed,
// and a hand goes with its lower arm); one still fitted returns to its slot as
// soon as the slot is free.
void SettleArmActuators(TMech& m, const TLaidActuators& before) {
  // A quad's front legs keep every actuator; an armless design has none.
  if (m.IsQuad() || m.Config->Crits.Armless()) return;
  TConfiguration& c = *m.Config;
  const TLaidActuators now = LaidActuators(c);
  for (std::size_t i = 0; i < 4; ++i)
    if (before[i] && !now[i]) c.Actuators[i] = 0;
  KeepHandsWithLowerArms(c.Actuators);
  c.Crits.SetActuators(c.Actuators);
}

}  // namespace

bool IsHeatSinkOrJumpJet(const TEquipmentIndex& index, int saveNum) {
  for (ETech tech : {techInnerSphere, techClan}) {
    const int first = index.Id(tech, ECode::HS), last = index.Id(tech, ECode::Jump_Jet);
    if (first != 0 && last != 0 && saveNum >= first && saveNum <= last) return true;
  }
  return false;
}

namespace {

// An ammunition lot of the shots asked for: half-ton lots at level 3, whole
// tons below. False for a row that gives no shots per ton.
bool SizeAmmunitionLot(const TMech& m, int shots, TWepInfoStruct& row, int& slots) {
  if (row.Damage == 0) return false;
  const double perTon = static_cast<double>(shots) / row.Damage;
  double weight;
  if (IsLevel3(m.RulesLevel)) {
    weight = static_cast<double>(Round(perTon * 2)) * 0.5;
    slots = static_cast<int>(Ceil(weight));
  } else {
    weight = static_cast<double>(Round(perTon));
    slots = static_cast<int>(weight);
  }
  row.Tons = static_cast<float>(weight);
  row.Crits = static_cast<std::uint8_t>(std::clamp(slots, 0, 255));
  return true;
}

// A targeting computer is as large as the weapons it serves now.
void SizeTargetingComputer(const TMech& m, TWepInfoStruct& row, int& slots) {
  const bool clan = IsClanTargetingComputer(m, row.SaveNum);
  const double weight = TargetingComputerWeight(DirectFireTonnage(*m.Config, m), clan);
  row.Tons = static_cast<float>(weight);
  row.Cost = TargetingComputerCost(weight);
  row.Crits = static_cast<std::uint8_t>(TargetingComputerSlots(weight));
  slots = row.Crits;
}

// What the configuration makes of the row: the fixed configuration's structure
// items weigh nothing the chassis figures already weigh; an alternate's heat
// sinks and jump jets are one entry for as many units as the slots hold. False
// for a row that gives no slots per unit.
bool SizeForConfiguration(const TMech& m, TWepInfoStruct& row, int& slots) {
  const bool fixedConfig = m.ConfigIndex == 0;
  const bool heatSinkOrJet = IsHeatSinkOrJumpJet(*m.Equipment, row.SaveNum);
  if (IsStructureItem(row.SaveNum) && fixedConfig) {
    slots = std::min<int>(slots, row.Crits);
    row.Crits = static_cast<std::uint8_t>(std::max(slots, 0));
    if (heatSinkOrJet) row.Tons = 0.0f;
  } else if (!fixedConfig && heatSinkOrJet) {
    if (row.InList == 0) return false;
    row.Crits = static_cast<std::uint8_t>(std::clamp(slots, 0, 255));
    const int units = slots / row.InList;
    row.Tons = static_cast<float>(row.Tons * units);
    row.BV = static_cast<std::int16_t>(row.BV * units);
    row.Cost *= units;
  } else {
    slots = std::min<int>(slots, row.Crits);
  }
  if (slots < 0) slots = 0;
  return true;
}

}  // namespace

EPlacement AddItem(TMech& m, const TAddRequest& r, TWeapon** placed) {
  if (placed) *placed = nullptr;
  if (!r.Record) return EPlacement::NoWeaponSelected;
  TConfiguration& c = *m.Config;
  const bool bin = r.Direction == mmBin;
  const int location = std::clamp(r.Location, 0, kLocationCount - 1);
  int code = bin ? lcBin : r.Direction * lcRear + location;
  int start = r.Slot;
  if (!bin) {
    if (c.Crits.UsableSlots(location) <= 0) return EPlacement::LocationFull;
    if (start < 1) start = 1;
  }

  TWepInfoStruct copy = *r.Record;
  if (!bin && !(copy.Locs & (1u << location))) return EPlacement::NotAllowedThere;
  int slots = r.Criticals;
  if ((r.Ammunition || IsAmmunition(copy.SaveNum)) && !SizeAmmunitionLot(m, r.Shots, copy, slots))
    return EPlacement::IncompleteRecord;
  if (IsTargetingComputer(m, copy.SaveNum)) SizeTargetingComputer(m, copy, slots);
  if (!SizeForConfiguration(m, copy, slots)) return EPlacement::IncompleteRecord;
  if (!bin && slots != copy.Crits) code += lcSplit;

  std::unique_ptr<TWeapon> item = MakeWeapon(copy);
  item->SlotsFirst = static_cast<std::int16_t>(bin ? 0 : slots);
  item->Location = static_cast<std::int16_t>(code);
  const TLaidActuators actuators = LaidActuators(c);
  if (!bin && !c.Crits.Allocate(item.get(), code, start)) return EPlacement::WontFit;
  TWeapon* added = c.Items.Insert(std::move(item));
  SettleArmActuators(m, actuators);
  if (added->Options & woInventory) m.Brands->Insert(added->SaveNum, added->Name);
  if (placed) *placed = added;
  return EPlacement::Placed;
}

bool IsOwnItem(const TMech& m, const TWeapon* item) { return item && m.Config->Items.IndexOf(item) >= 0; }

void DeleteItem(TMech& m, TWeapon* item) {
  if (!IsOwnItem(m, item)) return;
  if (item->Options & woInventory) m.Brands->Delete(item->SaveNum);
  const TLaidActuators actuators = LaidActuators(*m.Config);
  m.Config->Crits.Release(item);
  m.Config->Items.Delete(item);
  SettleArmActuators(m, actuators);
}

int ClearWeapons(TMech& m) {
  std::vector<TWeapon*> doomed;
  for (const auto& item : m.Config->Items)
    if (!IsStructureItem(item->SaveNum)) doomed.push_back(item.get());
  for (TWeapon* item : doomed) DeleteItem(m, item);
  return static_cast<int>(doomed.size());
}

bool MayDropOnSlot(const TConfiguration& c, int location, int slot) {
  return slot >= 1 && slot <= c.Crits.UsableSlots(location) && c.Crits.SlotAt(location, slot).Code == ciEmpty;
}

EPlacement MoveItem(TMech& m, TWeapon* item, int location, int slot) {
  if (!IsOwnItem(m, item) || location < 0 || location >= kLocationCount) return EPlacement::WontFit;
  if (!MayDropOnSlot(*m.Config, location, slot)) return EPlacement::WontFit;
  // The item keeps its rear or turret mounting and moves whole.
  const int keep = (item->Location & lcBin) ? 0 : (item->Location & (lcRear | lcTurret));
  const int code = location | keep;
  const TLaidActuators actuators = LaidActuators(*m.Config);
  if (!m.Config->Crits.Move(item, code, slot)) return EPlacement::WontFit;
  item->Location = static_cast<std::int16_t>(code);
  SettleArmActuators(m, actuators);
  return EPlacement::Placed;
}

void MoveToBin(TMech& m, TWeapon* item) {
  if (!IsOwnItem(m, item)) return;
  const TLaidActuators actuators = LaidActuators(*m.Config);
  m.Config->Crits.Release(item);
  item->Location = lcBin;
  item->SlotsFirst = 0;
  SettleArmActuators(m, actuators);
}

std::uint8_t NextCaseKind(std::uint8_t rulesLevel, int location, std::uint8_t current) {
  const bool torso = location >= locCenterTorso && location <= locLeftTorso;
  for (int kind = current + 1; kind <= caseClan2; ++kind) {
    if (kind == caseIS && !torso) continue;
    if (CaseKindKept(rulesLevel, location, static_cast<std::uint8_t>(kind)))
      return static_cast<std::uint8_t>(kind);
  }
  return caseNone;
}

}  // namespace tfd
