#include "files/DesignFile.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "equipment/EquipmentLists.h"
#include "files/LoadLimits.h"
#include "files/LoadLog.h"
#include "files/LoadSupport.h"
#include "files/ReadError.h"
#include "files/TextInput.h"
#include "model/Mech.h"

namespace tfd {

double Real6(const unsigned char* b) {
  if (b[0] == 0) return 0.0;
  double fraction = static_cast<double>(b[5] & 0x7F);
  for (int i = 4; i >= 1; --i) fraction = fraction * 256.0 + b[i];
  const double value = std::ldexp(1.0 + fraction / 549755813888.0, b[0] - 129);
  return (b[5] & 0x80) ? -value : value;
}

namespace {

class TByteReader {
 public:
  explicit TByteReader(std::string_view bytes) : bytes_(bytes) {}

  const unsigned char* Take(std::size_t n) {
    if (bytes_.size() - pos_ < n) throw TReadError(kReadBeyondEnd);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
    pos_ += n;
    return p;
  }
  std::uint8_t Byte() { return *Take(1); }
  std::int16_t Word() {
    const unsigned char* p = Take(2);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
  }
  double Real() { return Real6(Take(6)); }
  std::string String() {
    const int n = Word();
    if (n <= 0) return {};
    CheckTextChars(static_cast<std::size_t>(n));
    const unsigned char* p = Take(static_cast<std::size_t>(n));
    return FromWindows1252(std::string_view(reinterpret_cast<const char*>(p), static_cast<std::size_t>(n)));
  }
  void StringList(std::vector<std::string>& into) {
    const int n = Word();
    CheckListLines(n);
    for (int i = 0; i < n; ++i) into.push_back(String());
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

std::string DecoratedName(const TWeapon& w, const TWepInfoStruct& row, const TEquipmentIndex& index) {
  if (!(w.Options & woAppendNumber)) return row.Name;
  int count = 0;
  if (w.SaveNum == index.Id(techInnerSphere, ECode::DoubleHS)) {
    if (w.Slots > 3) count = w.Slots / 3;
  } else if (w.SaveNum == index.Id(techClan, ECode::DoubleHS)) {
    if (w.Slots > 2) count = w.Slots / 2;
  } else if (w.Slots > 1) {
    count = w.Slots;
  }
  return count > 0 ? row.Name + " " + std::to_string(count) : row.Name;
}

// The values of an item that follow from its row, the file's tons and the
// design: name, tons, battle value and cost.
void CompleteFileItem(TWeapon& w, const TWepInfoStruct& row, int number, double tons, int k,
                      const TEquipmentIndex& index) {
  TakeRowValues(w, row);
  w.Name = DecoratedName(w, row, index);
  const bool validTons = std::isfinite(tons) && tons > 0.0 && tons < 1000.0;
  if (number >= kFirstAmmoFileNumber && number <= kLastAmmoFileNumber) {
    const double t = validTons ? tons : row.Tons;
    const std::string base = (row.Name + " (").substr(0, 42);
    w.Name = base + std::to_string(static_cast<long>(std::floor(t * row.Damage + 0.5))) + ")";
    w.BV = row.BV * t;
    w.Cost = t * row.Cost;
  }
  if (validTons) {
    w.Tons = tons;
  } else if (WeighedByChassis(index, w.SaveNum, k)) {
    w.Tons = 0.0;
  } else if (IsHeatSinkOrJumpJet(index, w.SaveNum)) {
    // Pod-mounted heat sinks and jump jets: as many units as the slots hold.
    const int units = std::max(1, w.Slots / std::max(1, SlotsPerUnit(row, index)));
    w.Tons = row.Tons * units;
    w.BV = row.BV * units;
    w.Cost = row.Cost * units;
  }
}

// The item list: each item known to the equipment table is appended, its
// values completed once the design is corrected; `byPosition` gets each
// position's item (none for an unknown one).
void ReadItems(TByteReader& in, TMech& design, TEquipmentLists& lists, TLoadLog& log, int k,
               std::vector<TWeapon*>& byPosition) {
  TConfiguration& config = *design.Configs[static_cast<std::size_t>(k)];
  const TEquipmentIndex& index = lists.Index();
  const bool clan = IsClanDesign(design);
  const int count = in.Byte();
  byPosition.assign(static_cast<std::size_t>(count), nullptr);
  for (int i = 0; i < count; ++i) {
    const int number = in.Word();
    const int location = in.Word();
    const int slots = in.Word();
    const double tons = in.Real();
    const TWepInfo* rec = lists.BySave97(number);
    if (!rec) {
      // Not in the equipment table: the item is left out, its slots empty.
      log.Warn(0,
               "item " + std::to_string(i + 1) + " of the " + design.ConfigName(k) + ", number " +
                   std::to_string(number),
               kWhyUnknownEquipment);
      continue;
    }
    const TWepInfoStruct& row = rec->Info;
    auto w = MakeWeapon(row, EItemSource::Read);
    w->Location = static_cast<std::int16_t>(
        location == lcBin ? lcBin : (location & (lcLocationMask | lcRear | lcSplit)));
    w->Slots = static_cast<std::int16_t>(std::clamp(slots, 0, 2 * TCritAlloc::kMaxSlots));
    if (IsClanFileNumber(number) != clan) design.MixedTech = true;
    const int hsType = HeatSinkTypeOf(index, w->SaveNum);
    if (hsType >= 0) design.HeatSinkType = static_cast<std::uint8_t>(hsType);
    TWeapon* item = AppendItem(design, config, std::move(w));
    byPosition[static_cast<std::size_t>(i)] = item;
    log.Defer(
        [item, &row, number, tons, k, &index] { CompleteFileItem(*item, row, number, tons, k, index); });
  }
}

// The slot table: each slot's code and the position of its item, linked to
// the items read.
void ReadSlotTable(TByteReader& in, TMech& design, const TEquipmentLists& lists, int k,
                   const std::vector<TWeapon*>& byPosition) {
  const int count = static_cast<int>(byPosition.size());
  TCritAlloc& crits = design.Configs[static_cast<std::size_t>(k)]->Crits;
  try {
    for (int loc = 0; loc < kLocationCount; ++loc)
      for (int s = 1; s <= kLocationSlots[static_cast<std::size_t>(loc)]; ++s) {
        const std::int16_t code = SlotCodeOfFileNumber(lists, in.Word());
        const int at = in.Word();
        TWeapon* item = at >= 0 && at < count ? byPosition[static_cast<std::size_t>(at)] : nullptr;
        if (item && item->SaveNum != code) item = nullptr;  // code and item disagree: the code wins
        crits.LoadSlot(loc, s, code, item);
      }
  } catch (const TReadError&) {
    LinkLoadedSlots(design, k);  // a table cut short keeps the slots it had, linked
    throw;
  }
  LinkLoadedSlots(design, k);
}

void ReadConfiguration(TByteReader& in, TMech& design, TEquipmentLists& lists, TLoadLog& log, int k) {
  TConfiguration& config = *design.Configs[static_cast<std::size_t>(k)];
  // Actuators: lower arm then hand, right arm first. The configuration keeps
  // them as right hand, right lower arm, left hand, left lower arm.
  const std::uint8_t act = in.Byte();
  auto two = [](std::uint8_t byte, int field) {
    return static_cast<std::uint8_t>((byte >> (2 * field)) & 3) == 1 ? 1 : 0;
  };
  config.Actuators = {static_cast<std::uint8_t>(two(act, 1)), static_cast<std::uint8_t>(two(act, 0)),
                      static_cast<std::uint8_t>(two(act, 3)), static_cast<std::uint8_t>(two(act, 2))};
  const std::uint8_t cases = in.Byte();
  for (int i = 0; i < kFileCaseTorsos; ++i)
    config.CaseKind[static_cast<std::size_t>(locCenterTorso + i)] =
        two(cases, i) ? LoadedCaseKind(design) : static_cast<std::uint8_t>(caseNone);
  std::vector<TWeapon*> byPosition;
  ReadItems(in, design, lists, log, k, byPosition);
  ReadSlotTable(in, design, lists, k, byPosition);
}

}  // namespace

void ReadDesignFile(std::string_view bytes, TMech& design, TEquipmentLists& lists, TLoadLog& log) {
  TByteReader in(bytes);
  if (in.Word() != kDesignFileVersion) throw TReadError(kWrongVersion);
  for (int t : {txtModel, txtChassis, txtPowerPlant, txtJumpJets, txtArmor, txtComSystem, txtTargetingSystem})
    design.Texts[static_cast<std::size_t>(t)] = in.String();
  design.Manufacturers.clear();
  in.StringList(design.Manufacturers);
  design.Armament.clear();
  in.StringList(design.Armament);

  const std::uint8_t flags = in.Byte();
  const int techBase = (flags >> kFileTechBaseShift) & 3;
  design.RulesLevel = techBase == tbInnerSphere1 ? rlIS1 : (techBase == tbInnerSphere2 ? rlIS2 : rlClan2);
  const bool clan = IsClanDesign(design);
  if (flags & dfEndoSteel) design.StructureType = clan ? stClanEndoSteel : stEndoSteel;
  if (flags & dfXLEngine) design.EngineType = clan ? etClanXL : etXL;
  if (flags & dfOmni) design.Options |= optOmni;
  if (flags & dfQuad) design.Options |= optQuad;
  if (flags & dfFerroFibrous) design.ArmorType = clan ? atClanFF : atFerroFibrous;

  const std::uint8_t source = in.Byte();
  design.Source = source <= srcOther ? source : static_cast<std::uint8_t>(srcOther);
  const std::int16_t hsTons = in.Word();
  design.HeatSinks = static_cast<std::uint8_t>(hsTons & 0xFF);
  design.Tonnage = static_cast<std::uint8_t>((hsTons >> 8) & 0xFF);
  const std::int16_t movement = in.Word();
  design.WalkMP = static_cast<std::uint8_t>(movement & 0xFF);
  design.JumpMP = static_cast<std::uint8_t>((movement >> 8) & 0xFF);
  in.Real();  // armour mass: the rules derive it from the type and the points
  const unsigned char* points = in.Take(static_cast<int>(kFileArmorSections.size()));
  auto& a = design.Armor;
  for (std::size_t i = 0; i < kFileArmorSections.size(); ++i) a[kFileArmorSections[i]] = points[i];
  a[asLeftTorso] = a[asRightTorso];
  a[asLeftTorsoRear] = a[asRightTorsoRear];
  a[asLeftArm] = a[asRightArm];
  a[asLeftLeg] = a[asRightLeg];

  const int blocks = design.IsOmni() ? kSavedConfigCount : 1;
  for (int k = 0; k < blocks; ++k) ReadConfiguration(in, design, lists, log, k);

  in.StringList(design.Overview);
}

}  // namespace tfd
