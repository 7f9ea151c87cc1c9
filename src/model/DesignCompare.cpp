#include "model/DesignCompare.h"

#include "model/Mech.h"

namespace tfd {

namespace {

// The name of the first field in which `a` and `b` differ.
#define TFD_SAME(field) \
  if (a.field != b.field) return #field

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
  TFD_SAME(Name);
  TFD_SAME(Abbrev);
  TFD_SAME(IdNum);
  TFD_SAME(SaveNum);
  TFD_SAME(Location);
  TFD_SAME(Slots);
  TFD_SAME(SlotsFirst);
  TFD_SAME(Heat);
  TFD_SAME(Damage);
  TFD_SAME(BV);
  TFD_SAME(Ranges);
  TFD_SAME(Tons);
  TFD_SAME(Cost);
  TFD_SAME(Options);
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
  TFD_SAME(TotalWeight);
  TFD_SAME(EquipmentWeight);
  TFD_SAME(CostLines);
  TFD_SAME(ConfigCost);
  TFD_SAME(OffensiveRating);
  TFD_SAME(DefensiveRating);
  TFD_SAME(DefensiveEquipment);
  TFD_SAME(ExplosivePenalty);
  TFD_SAME(HeatModifier);
  TFD_SAME(MovementFactor);
  TFD_SAME(ArtemisRating);
  TFD_SAME(TargetingRating);
  TFD_SAME(BaseWeaponRating);
  TFD_SAME(ModifiedWeaponRating);
  TFD_SAME(SpeedFactor);
  TFD_SAME(WeaponHeat);
  TFD_SAME(HeatEfficiency);
  TFD_SAME(MovementHeat);
  TFD_SAME(HeatSinkCount);
  TFD_SAME(JumpCount);
  TFD_SAME(CaseWeight);
  TFD_SAME(CaseKind);
  TFD_SAME(Actuators);
  TFD_SAME(Reserved);
  TFD_SAME(ReservedBytes);
  TFD_SAME(Supercharger);
  TFD_SAME(Turret);
  TFD_SAME(TurretWeight);
  TFD_SAME(PowerAmpWeight);
  TFD_SAME(SuperchargerWeight);
  TFD_SAME(ArmouredWeight);
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

// The chassis codes, movement and armour settings.
std::string ChassisDifference(const TMech& a, const TMech& b) {
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
  return {};
}

// The figures the rules pass and the ratings compute, and the flags.
std::string FiguresDifference(const TMech& a, const TMech& b) {
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
  return {};
}

// The description lists, the source and the technology mix.
std::string DescriptionDifference(const TMech& a, const TMech& b) {
  TFD_SAME(Manufacturers);
  TFD_SAME(Armament);
  TFD_SAME(Overview);
  TFD_SAME(Source);
  TFD_SAME(MixedTech);
  return {};
}

}  // namespace

#undef TFD_SAME

std::string DesignDifference(const TMech& a, const TMech& b) {
  for (int i = 0; i <= kTextCount; ++i)
    if (a.Texts[i] != b.Texts[i]) return "Texts[" + std::to_string(i) + "]";
  for (auto part : {ChassisDifference, FiguresDifference, DescriptionDifference})
    if (std::string d = part(a, b); !d.empty()) return d;
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
