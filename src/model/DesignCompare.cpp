#include "model/DesignCompare.h"

#include "model/Mech.h"

namespace tfd {

namespace {

// The position of an item among all the design's items, configuration by
// configuration; -1 for none.
int ItemPosition(const TMech& m, const TWeapon* item) {
  if (!item) return -1;
  int position = 0;
  for (const auto& config : m.Configs) {
    if (!config) continue;
    for (const auto& own : config->Items) {
      if (own.get() == item) return position;
      ++position;
    }
  }
  return -2;  // an item of no configuration of this design
}

std::string ItemDifference(const TWeapon& a, const TWeapon& b) {
  if (a.Name != b.Name) return "Name";
  if (a.Abbrev != b.Abbrev) return "Abbrev";
  if (a.IdNum != b.IdNum) return "IdNum";
  if (a.SaveNum != b.SaveNum) return "SaveNum";
  if (a.Location != b.Location) return "Location";
  if (a.Slots != b.Slots) return "Slots";
  if (a.SlotsFirst != b.SlotsFirst) return "SlotsFirst";
  if (a.Heat != b.Heat) return "Heat";
  if (a.Damage != b.Damage) return "Damage";
  if (a.BV != b.BV) return "BV";
  if (a.Ranges != b.Ranges) return "Ranges";
  if (a.Tons != b.Tons) return "Tons";
  if (a.Cost != b.Cost) return "Cost";
  if (a.Options != b.Options) return "Options";
  return {};
}

std::string GridDifference(const TMech& ma, const TCritAlloc& a, const TMech& mb, const TCritAlloc& b) {
  if (a.CockpitType != b.CockpitType) return ".CockpitType";
  if (a.EngineType != b.EngineType) return ".EngineType";
  if (a.LargeEngine != b.LargeEngine) return ".LargeEngine";
  if (a.GyroType != b.GyroType) return ".GyroType";
  if (a.TargetingType != b.TargetingType) return ".TargetingType";
  if (a.JumpBoosters != b.JumpBoosters) return ".JumpBoosters";
  if (a.Quad != b.Quad) return ".Quad";
  if (a.Limiting != b.Limiting) return ".Limiting";
  if (a.Supercharger != b.Supercharger) return ".Supercharger";
  if (a.Limits != b.Limits) return ".Limits";
  if (a.Tonnage != b.Tonnage) return ".Tonnage";
  if (a.Armless() != b.Armless()) return ".Armless";
  for (int loc = 0; loc < 8; ++loc)
    for (int s = 1; s <= TCritAlloc::kMaxSlots; ++s) {
      const TSlot sa = a.SlotAt(loc, s);
      const TSlot sb = b.SlotAt(loc, s);
      const std::string where = "[" + std::to_string(loc) + "][" + std::to_string(s) + "]";
      if (sa.Code != sb.Code || sa.Link != sb.Link || ItemPosition(ma, sa.Item) != ItemPosition(mb, sb.Item))
        return where;
      if (a.ArmouredAt(loc, s) != b.ArmouredAt(loc, s)) return ".Armoured" + where;
    }
  return {};
}

std::string ConfigDifference(const TMech& ma, const TConfiguration& a, const TMech& mb,
                             const TConfiguration& b) {
  if (a.Items.Size() != b.Items.Size()) return "Items.Size";
  int i = 0;
  for (auto ia = a.Items.begin(), ib = b.Items.begin(); ia != a.Items.end(); ++ia, ++ib, ++i) {
    const std::string d = ItemDifference(**ia, **ib);
    if (!d.empty()) return "Items[" + std::to_string(i) + "]." + d;
  }
  const std::string grid = GridDifference(ma, a.Crits, mb, b.Crits);
  if (!grid.empty()) return "Crits" + grid;
  if (a.TotalWeight != b.TotalWeight) return "TotalWeight";
  if (a.EquipmentWeight != b.EquipmentWeight) return "EquipmentWeight";
  if (a.CostLines != b.CostLines) return "CostLines";
  if (a.ConfigCost != b.ConfigCost) return "ConfigCost";
  if (a.OffensiveRating != b.OffensiveRating) return "OffensiveRating";
  if (a.DefensiveRating != b.DefensiveRating) return "DefensiveRating";
  if (a.DefensiveEquipment != b.DefensiveEquipment) return "DefensiveEquipment";
  if (a.ExplosivePenalty != b.ExplosivePenalty) return "ExplosivePenalty";
  if (a.HeatModifier != b.HeatModifier) return "HeatModifier";
  if (a.MovementFactor != b.MovementFactor) return "MovementFactor";
  if (a.ArtemisRating != b.ArtemisRating) return "ArtemisRating";
  if (a.TargetingRating != b.TargetingRating) return "TargetingRating";
  if (a.BaseWeaponRating != b.BaseWeaponRating) return "BaseWeaponRating";
  if (a.ModifiedWeaponRating != b.ModifiedWeaponRating) return "ModifiedWeaponRating";
  if (a.SpeedFactor != b.SpeedFactor) return "SpeedFactor";
  if (a.WeaponHeat != b.WeaponHeat) return "WeaponHeat";
  if (a.HeatEfficiency != b.HeatEfficiency) return "HeatEfficiency";
  if (a.MovementHeat != b.MovementHeat) return "MovementHeat";
  if (a.HeatSinkCount != b.HeatSinkCount) return "HeatSinkCount";
  if (a.JumpCount != b.JumpCount) return "JumpCount";
  if (a.CaseWeight != b.CaseWeight) return "CaseWeight";
  if (a.CaseKind != b.CaseKind) return "CaseKind";
  if (a.Actuators != b.Actuators) return "Actuators";
  if (a.Reserved != b.Reserved) return "Reserved";
  if (a.ReservedBytes != b.ReservedBytes) return "ReservedBytes";
  if (a.Supercharger != b.Supercharger) return "Supercharger";
  if (a.Turret != b.Turret) return "Turret";
  if (a.TurretWeight != b.TurretWeight) return "TurretWeight";
  if (a.PowerAmpWeight != b.PowerAmpWeight) return "PowerAmpWeight";
  if (a.SuperchargerWeight != b.SuperchargerWeight) return "SuperchargerWeight";
  if (a.ArmouredWeight != b.ArmouredWeight) return "ArmouredWeight";
  return {};
}

int ConfigPosition(const TMech& m) {
  for (int i = 0; i < kConfigCount; ++i)
    if (m.Configs[i].get() == m.Config) return i;
  return -1;
}

std::string BrandDifference(const TWeaponNameList& a, const TWeaponNameList& b) {
  if (a.Size() != b.Size()) return "Brands.Size";
  for (auto ia = a.begin(), ib = b.begin(); ia != a.end(); ++ia, ++ib)
    if (ia->Id != ib->Id || ia->Uses != ib->Uses || ia->Brand != ib->Brand || ia->Name != ib->Name)
      return "Brands[" + std::to_string(ia->Id) + "]";
  return {};
}

}  // namespace

std::string DesignDifference(const TMech& a, const TMech& b) {
  for (int i = 0; i <= kTextCount; ++i)
    if (a.Texts[i] != b.Texts[i]) return "Texts[" + std::to_string(i) + "]";
#define TFD_SAME(field) \
  if (a.field != b.field) return #field
  TFD_SAME(ConfigIndex);
  TFD_SAME(RulesLevel);
  TFD_SAME(Options);
  TFD_SAME(Tonnage);
  TFD_SAME(StructureType);
  TFD_SAME(EngineType);
  TFD_SAME(WalkMP);
  TFD_SAME(RunMP);
  TFD_SAME(JumpMP);
  TFD_SAME(SprintMP);
  TFD_SAME(Reserved1);
  TFD_SAME(SuperRunMP);
  TFD_SAME(SuperSprintMP);
  TFD_SAME(JumpJetType);
  TFD_SAME(HeatSinks);
  TFD_SAME(HeatSinkType);
  TFD_SAME(Dissipation);
  TFD_SAME(GyroType);
  TFD_SAME(CockpitType);
  TFD_SAME(TargetingType);
  TFD_SAME(JumpBoosterMP);
  TFD_SAME(ArmorType);
  TFD_SAME(ArmorMirror);
  TFD_SAME(TorsoRatioFront);
  TFD_SAME(WeaponFilter);
  TFD_SAME(TorsoRatioRear);
  TFD_SAME(MountMode);
  TFD_SAME(CurrentLocation);
  TFD_SAME(EngineRating);
  TFD_SAME(Reserved2);
  TFD_SAME(Reserved3);
  TFD_SAME(MiscFlags);
  TFD_SAME(MaxArmor);
  TFD_SAME(ArmorFactor);
  TFD_SAME(ArmorPoints);
  TFD_SAME(Weights);
  TFD_SAME(Structure);
  TFD_SAME(Armor);
  TFD_SAME(ArmorTypes);
  TFD_SAME(SlotLimits);
  TFD_SAME(DamageByRange);
  TFD_SAME(HeatByRange);
  TFD_SAME(CostParts);
  TFD_SAME(Cost);
  TFD_SAME(BattleValue);
  TFD_SAME(BVArmorFactor);
  TFD_SAME(BVStructureFactor);
  TFD_SAME(Manufacturers);
  TFD_SAME(Armament);
  TFD_SAME(Overview);
  TFD_SAME(Source);
  TFD_SAME(MixedTech);
#undef TFD_SAME
  if (ConfigPosition(a) != ConfigPosition(b)) return "Config";
  const std::string brands = BrandDifference(*a.Brands, *b.Brands);
  if (!brands.empty()) return brands;
  for (int i = 0; i < kConfigCount; ++i) {
    if (!a.Configs[i] || !b.Configs[i]) {
      if (a.Configs[i] || b.Configs[i]) return "Configs[" + std::to_string(i) + "]";
      continue;
    }
    const std::string d = ConfigDifference(a, *a.Configs[i], b, *b.Configs[i]);
    if (!d.empty()) return "Configs[" + std::to_string(i) + "]." + d;
  }
  return {};
}

}  // namespace tfd
