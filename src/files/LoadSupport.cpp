#include "files/LoadSupport.h"

#include <algorithm>
#include <cmath>

#include "equipment/EquipmentLists.h"
#include "files/LoadLimits.h"
#include "files/LoadLog.h"
#include "files/ReadoutParts.h"
#include "files/TextInput.h"
#include "model/Mech.h"

namespace tfd {

bool IsClanDesign(const TMech& design) { return IsClanLevel(design.RulesLevel); }

TWeapon* AppendItem(TMech& design, TConfiguration& config, std::unique_ptr<TWeapon> item) {
  if (config.Items.Size() >= kMaxItemsPerConfiguration) throw TLimitError(TooManyItemsMessage());
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

std::int16_t SlotsOfLine(long slotsRead) {
  return static_cast<std::int16_t>(std::clamp(slotsRead, 0L, 2L * TCritAlloc::kMaxSlots));
}

void CompleteReadoutItem(TWeapon& w, const TWepInfoStruct& row, bool split, double tons, int k,
                         const TEquipmentIndex& index) {
  if (!std::isfinite(tons) || tons < 0.0 || tons > 1000.0) tons = 0.0;
  TakeRowValues(w, row);
  const int perUnit = SlotsPerUnit(row, index);
  const bool sinkOrJet = IsHeatSinkOrJumpJet(index, row.SaveNum);
  if (row.SaveNum >= kFirstAmmoId) {
    w.Tons = tons;
    w.Cost = tons * row.Cost;
    w.BV = row.BV * tons;
  } else if (sinkOrJet || (!split && w.Slots != perUnit)) {
    // Several units on one line (a split heat sink or jump jet too): battle
    // value and cost per unit.
    const long units = perUnit > 0 ? std::max(1L, static_cast<long>(w.Slots) / perUnit) : 1L;
    w.BV = row.BV * static_cast<double>(units);
    w.Cost = row.Cost * static_cast<double>(units);
    w.Tons = row.SaveNum >= kFirstStructureId ? tons : row.Tons * static_cast<double>(units);
  }
  if (WeighedByChassis(index, row.SaveNum, k)) w.Tons = 0.0;
}

void DeferReadoutItem(TLoadLog& log, const TEquipmentLists& lists, TWeapon* item, const TWepInfoStruct& row,
                      double tons, int k) {
  const bool split = item->Location >= 0 && (item->Location & lcSplit) && !(item->Location & lcBin);
  log.Defer([&lists, item, &row, split, tons, k] {
    CompleteReadoutItem(*item, row, split, tons, k, lists.Index());
  });
}

std::int16_t SlotCodeOfFileNumber(const TEquipmentLists& lists, int number) {
  if (number >= 1 && number <= kLastFixedCode) return static_cast<std::int16_t>(number);
  const TWepInfo* rec = lists.BySave97(number);
  return rec ? rec->Info.SaveNum : static_cast<std::int16_t>(ciEmpty);
}

std::uint8_t LoadedCaseKind(const TMech& design) { return IsClanDesign(design) ? caseClan : caseIS; }

namespace {

// Slots a placement may use in a location, by the body shape.
int LocationSlots(const TMech& design, int location) {
  if (location == locHead || location == locRightLeg || location == locLeftLeg) return 6;
  if ((location == locRightArm || location == locLeftArm) && design.IsQuad()) return 6;
  return 12;
}

// Fills up to `n` empty slots of a location with the item: from the first
// empty slot on, or (backward) from the last empty slot down.
void PlaceInLocation(const TMech& design, TCritAlloc& crits, TWeapon* item, int location, int n,
                     bool backward) {
  const int last = LocationSlots(design, location);
  for (int i = 1; i <= last && n > 0; ++i) {
    const int s = backward ? last + 1 - i : i;
    if (crits.SlotAt(location, s).Code == ciEmpty) {
      crits.LoadSlot(location, s, item->SaveNum, item);
      --n;
    }
  }
}

}  // namespace

void PlaceInFirstFreeSlots(TMech& design, int k) {
  TConfiguration& c = *design.Configs[static_cast<std::size_t>(k)];
  TCritAlloc& crits = c.Crits;
  if (IsXLEngine(design)) {
    const int slots = IsClanDesign(design) ? 2 : 3;
    for (int loc : {locRightTorso, locLeftTorso})
      for (int s = 1; s <= slots; ++s) crits.LoadSlot(loc, s, ciEngine, nullptr);
  }
  if (k > 0) {
    const TCritAlloc& fixed = design.Configs[0]->Crits;
    for (int loc = 0; loc < kLocationCount; ++loc)
      for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s)
        crits.LoadSlot(loc, s, fixed.SlotAt(loc, s).Code, nullptr);
  }
  crits.LoadSlot(locRightArm, 3, c.Actuators[1] ? ciLowerArm : ciEmpty, nullptr);
  crits.LoadSlot(locRightArm, 4, c.Actuators[0] ? ciHand : ciEmpty, nullptr);
  crits.LoadSlot(locLeftArm, 3, c.Actuators[3] ? ciLowerArm : ciEmpty, nullptr);
  crits.LoadSlot(locLeftArm, 4, c.Actuators[2] ? ciHand : ciEmpty, nullptr);
  if (c.CaseKind[locCenterTorso]) crits.LoadSlot(locCenterTorso, 12, ciCase, nullptr);

  const bool backward = k == 0 && design.IsOmni();
  for (const auto& item : c.Items) {
    TWeapon* w = item.get();
    if (w->Location & lcBin) continue;
    const int primary = w->Location & lcLocationMask;
    if (w->Location & lcSplit) {
      const int first = std::clamp(static_cast<int>(w->SlotsFirst), 0, static_cast<int>(w->Slots));
      PlaceInLocation(design, crits, w, primary, first, backward);
      PlaceInLocation(design, crits, w, TCritAlloc::SecondaryOf(primary), w->Slots - first, backward);
    } else {
      PlaceInLocation(design, crits, w, primary, w->Slots, backward);
    }
  }
  // Copies of the fixed configuration's equipment hold no item of their own.
  if (k > 0) {
    const TCritAlloc& fixed = design.Configs[0]->Crits;
    for (int loc = 0; loc < kLocationCount; ++loc)
      for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s) {
        const TSlot mine = crits.SlotAt(loc, s);
        if (!mine.Item && mine.Code > kLastFixedCode && fixed.SlotAt(loc, s).Code != mine.Code)
          crits.LoadSlot(loc, s, ciEmpty, nullptr);
      }
  }
  LinkLoadedSlots(design, k);
}

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

std::uint8_t HeatSinkTypeOfLine(std::string_view line, int heatSinks, bool clan, std::uint8_t current) {
  const std::uint8_t doubled = clan ? hsClanDouble : hsDouble;
  if (ContainsText(line, "Laser")) return hsLaser;
  if (ContainsText(line, "Compact")) return hsCompact;
  if (ContainsText(line, "Double")) return doubled;
  const std::size_t open = line.find('['), close = line.find(']');
  long figure = 0;
  if (heatSinks > 0 && open != std::string_view::npos && close != std::string_view::npos && close > open &&
      ParseWhole(TrimText(line.substr(open + 1, close - open - 1)), figure) && figure == 2L * heatSinks)
    return doubled;
  return current;
}

}  // namespace tfd
