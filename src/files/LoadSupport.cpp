#include "files/LoadSupport.h"

#include <algorithm>
#include <cmath>

#include "equipment/EquipmentLists.h"
#include "model/Mech.h"

namespace tfd {

bool IsClanDesign(const TMech& design) { return (design.RulesLevel & (rlClan2 | rlClan3)) != 0; }

void PrepareEquipment(TMech& design, TEquipmentLists& lists) {
  const int rating = std::clamp(design.Tonnage * design.WalkMP, 0, 500);
  design.EngineRating = static_cast<std::int16_t>(rating);
  lists.UpdateDesignDependent(design);
}

std::unique_ptr<TWeapon> ItemFromRow(const TWepInfoStruct& row) {
  auto w = std::make_unique<TWeapon>();
  w->Name = row.Name;
  w->Abbrev = row.Abbrev;
  w->IdNum = row.IdNum;
  w->SaveNum = row.SaveNum;
  w->Slots = row.Crits;
  w->SlotsFirst = 0;
  w->Heat = row.Heat;
  w->Damage = row.Damage;
  w->Ranges = {row.MinRange, row.ShortRange, row.MediumRange, row.LongRange};
  w->Tons = row.Tons;
  w->BV = row.BV;
  w->Cost = row.Cost;
  w->Options = row.Options;
  return w;
}

TWeapon* AppendItem(TMech& design, TConfiguration& config, std::unique_ptr<TWeapon> item) {
  if (item->Options & woInventory) design.Brands->Insert(item->SaveNum, item->Name);
  return config.Items.Insert(std::move(item));
}

bool WeighedByChassis(const TEquipmentIndex& index, int saveNum, int configIndex) {
  if (index.Is(static_cast<std::int16_t>(saveNum), ECode::ES) ||
      index.Is(static_cast<std::int16_t>(saveNum), ECode::FF))
    return true;
  return configIndex == 0 && IsHeatSinkOrJumpJet(index, saveNum);
}

int HeatSinkTypeOf(const TEquipmentIndex& index, int saveNum) {
  const auto id = static_cast<std::int16_t>(saveNum);
  if (id == 0) return -1;
  if (id == index.Id(techInnerSphere, ECode::DoubleHS)) return hsDouble;
  if (id == index.Id(techClan, ECode::DoubleHS)) return hsClanDouble;
  if (index.Is(id, ECode::CompactHS)) return hsCompact;
  if (index.Is(id, ECode::LaserHS)) return hsLaser;
  return -1;
}

int SlotsPerUnit(const TWepInfoStruct& row, const TEquipmentIndex& index) {
  if (IsHeatSinkOrJumpJet(index, row.SaveNum) && row.InList > 0) return row.InList;
  return row.Crits;
}

void CompleteReadoutItem(TWeapon& w, const TWepInfoStruct& row, bool split, long slotsRead, double tons,
                         int k, const TEquipmentIndex& index) {
  slotsRead = std::clamp(slotsRead, 0L, 2L * TCritAlloc::kMaxSlots);
  if (!std::isfinite(tons) || tons < 0.0 || tons > 1000.0) tons = 0.0;
  const int perUnit = SlotsPerUnit(row, index);
  if (row.SaveNum >= kFirstAmmoId) {
    w.Tons = tons;
    w.Cost = tons * row.Cost;
    w.Slots = static_cast<std::int16_t>(slotsRead);
    w.BV = row.BV * tons;
  } else if (split) {
    if (slotsRead > 0) w.Slots = static_cast<std::int16_t>(slotsRead);
  } else if (slotsRead != perUnit || IsHeatSinkOrJumpJet(index, row.SaveNum)) {
    // Several units on one line: battle value and cost per unit.
    const long units = perUnit > 0 ? std::max(1L, slotsRead / perUnit) : 1L;
    w.Slots = static_cast<std::int16_t>(slotsRead);
    w.BV = row.BV * static_cast<double>(units);
    w.Cost = row.Cost * static_cast<double>(units);
    w.Tons = row.SaveNum >= kFirstStructureId ? tons : row.Tons * static_cast<double>(units);
  }
  if (WeighedByChassis(index, row.SaveNum, k)) w.Tons = 0.0;
}

std::uint8_t LoadedCaseKind(const TMech& design) { return IsClanDesign(design) ? caseClan : caseIS; }

void LinkLoadedSlots(TMech& design, int configIndex) {
  TConfiguration& config = *design.Configs[static_cast<std::size_t>(configIndex)];
  TCritAlloc& crits = config.Crits;
  for (const auto& item : config.Items) crits.Link(item.get());
  const TCritAlloc* fixed = configIndex > 0 ? &design.Configs[0]->Crits : nullptr;
  for (int loc = 0; loc < kLocationCount; ++loc)
    for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s) {
      const TSlot cell = crits.SlotAt(loc, s);
      if (cell.Code <= kLastFixedCode || cell.Item) continue;
      const bool fixedCopy = fixed && fixed->SlotAt(loc, s).Item && fixed->SlotAt(loc, s).Code == cell.Code;
      if (!fixedCopy) crits.LoadSlot(loc, s, ciEmpty, nullptr);
    }
}

}  // namespace tfd
