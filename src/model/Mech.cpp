#include "model/Mech.h"

namespace tfd {

namespace {
const TEquipmentIndex& EmptyIndex() {
  static const TEquipmentIndex empty;
  return empty;
}
}  // namespace

TMech::TMech() : Brands(std::make_unique<TWeaponNameList>()), Equipment(&EmptyIndex()) {
  Configs[0] = std::make_unique<TConfiguration>(nullptr);
  for (int i = 1; i < kConfigCount; ++i) Configs[i] = std::make_unique<TConfiguration>(Configs[0].get());
  Config = Configs[0].get();
  Clear();
}

TMech::TMech(const TMech& other) : Brands(std::make_unique<TWeaponNameList>()), Equipment(other.Equipment) {
  Configs[0] = std::make_unique<TConfiguration>(nullptr);
  for (int i = 1; i < kConfigCount; ++i) Configs[i] = std::make_unique<TConfiguration>(Configs[0].get());
  Config = Configs[0].get();
  *this = other;
}

namespace {

// What the designer chose: the chassis codes, movement, armour and flags.
void CopyChoices(TMech& to, const TMech& from) {
  to.ConfigIndex = from.ConfigIndex;
  to.RulesLevel = from.RulesLevel;
  to.Options = from.Options;
  to.Tonnage = from.Tonnage;
  to.StructureType = from.StructureType;
  to.EngineType = from.EngineType;
  to.WalkMP = from.WalkMP;
  to.JumpMP = from.JumpMP;
  to.JumpJetType = from.JumpJetType;
  to.HeatSinks = from.HeatSinks;
  to.HeatSinkType = from.HeatSinkType;
  to.GyroType = from.GyroType;
  to.CockpitType = from.CockpitType;
  to.TargetingType = from.TargetingType;
  to.JumpBoosterMP = from.JumpBoosterMP;
  to.ArmorType = from.ArmorType;
  to.ArmorMirror = from.ArmorMirror;
  to.TorsoRatioFront = from.TorsoRatioFront;
  to.WeaponFilter = from.WeaponFilter;
  to.TorsoRatioRear = from.TorsoRatioRear;
  to.MountMode = from.MountMode;
  to.CurrentLocation = from.CurrentLocation;
  to.Reserved2 = from.Reserved2;
  to.Reserved3 = from.Reserved3;
  to.MiscFlags = from.MiscFlags;
  to.Armor = from.Armor;
  to.ArmorTypes = from.ArmorTypes;
  to.Source = from.Source;
  to.MixedTech = from.MixedTech;
}

// What the rules pass and the ratings compute from the choices.
void CopyFigures(TMech& to, const TMech& from) {
  to.RunMP = from.RunMP;
  to.SprintMP = from.SprintMP;
  to.Reserved1 = from.Reserved1;
  to.SuperRunMP = from.SuperRunMP;
  to.SuperSprintMP = from.SuperSprintMP;
  to.Dissipation = from.Dissipation;
  to.EngineRating = from.EngineRating;
  to.MaxArmor = from.MaxArmor;
  to.ArmorFactor = from.ArmorFactor;
  to.ArmorPoints = from.ArmorPoints;
  to.Weights = from.Weights;
  to.Structure = from.Structure;
  to.SlotLimits = from.SlotLimits;
  to.DamageByRange = from.DamageByRange;
  to.HeatByRange = from.HeatByRange;
  to.CostParts = from.CostParts;
  to.Cost = from.Cost;
  to.BattleValue = from.BattleValue;
  to.BVArmorFactor = from.BVArmorFactor;
  to.BVStructureFactor = from.BVStructureFactor;
}

// The texts, the brand and description lists, and the equipment index.
void CopyDescription(TMech& to, const TMech& from) {
  to.Texts = from.Texts;
  *to.Brands = *from.Brands;
  to.Manufacturers = from.Manufacturers;
  to.Armament = from.Armament;
  to.Overview = from.Overview;
  to.Equipment = from.Equipment;
}

}  // namespace

TMech& TMech::operator=(const TMech& other) {
  if (this == &other) return *this;
  CopyChoices(*this, other);
  CopyFigures(*this, other);
  CopyDescription(*this, other);

  // Every configuration's items first: an alternate's grid also points at
  // the fixed configuration's items.
  TConfiguration::ItemMap items;
  for (int i = 0; i < kConfigCount; ++i) {
    if (!Configs[i]) Configs[i] = std::make_unique<TConfiguration>(Configs[0].get());
    if (other.Configs[i])
      Configs[i]->AssignItems(*other.Configs[i], items);
    else
      Configs[i]->Reset();
  }
  Config = Configs[0].get();
  for (int i = 0; i < kConfigCount; ++i) {
    if (other.Configs[i]) Configs[i]->AssignValues(*other.Configs[i], items);
    if (other.Config == other.Configs[i].get()) Config = Configs[i].get();
  }
  return *this;
}

void TMech::Clear() {
  for (auto& t : Texts) t.clear();
  Manufacturers.clear();
  Armament.clear();
  Overview.clear();
  Source = srcCustom;
  MixedTech = false;

  ConfigIndex = 0;
  RulesLevel = rlIS1;
  Options = 0;
  Tonnage = 20;
  StructureType = 0;
  EngineType = 0;
  WalkMP = 1;
  RunMP = 2;
  JumpMP = 0;
  SprintMP = 2;
  Reserved1 = 0;
  SuperRunMP = SuperSprintMP = 0;
  JumpJetType = 0;
  HeatSinks = 10;
  HeatSinkType = 0;
  Dissipation = 0;
  GyroType = CockpitType = TargetingType = 0;
  JumpBoosterMP = 0;
  ArmorType = 0;
  ArmorMirror = 15;
  TorsoRatioFront = 3;
  TorsoRatioRear = 1;
  EngineRating = 20;
  Reserved2 = Reserved3 = 0;
  MiscFlags = 0;
  MaxArmor = ArmorFactor = ArmorPoints = 0;
  Weights = {};
  Structure = {3, 0, 0, 0, 0};
  Armor = {};
  ArmorTypes = {};
  SlotLimits = {6, 12, 12, 12, 6};
  DamageByRange = {};
  HeatByRange = {};
  CostParts = {};
  Cost = kDefaultCost;
  BattleValue = kDefaultBattleValue;
  BVArmorFactor = BVStructureFactor = 0.0;

  // Nothing of the previous design survives: every configuration goes back to
  // a new one (the fixed one first, since the others copy its slot settings),
  // and the brand list empties with the equipment.
  for (auto& c : Configs) c->Reset();
  Config = Configs[0].get();
  Brands->Clear();
}

void TMech::TakeDesign(TMech& read) noexcept {
  using std::swap;
  swap(Texts, read.Texts);
  swap(ConfigIndex, read.ConfigIndex);
  swap(RulesLevel, read.RulesLevel);
  swap(Options, read.Options);
  swap(Tonnage, read.Tonnage);
  swap(StructureType, read.StructureType);
  swap(EngineType, read.EngineType);
  swap(WalkMP, read.WalkMP);
  swap(RunMP, read.RunMP);
  swap(JumpMP, read.JumpMP);
  swap(SprintMP, read.SprintMP);
  swap(Reserved1, read.Reserved1);
  swap(SuperRunMP, read.SuperRunMP);
  swap(SuperSprintMP, read.SuperSprintMP);
  swap(JumpJetType, read.JumpJetType);
  swap(HeatSinks, read.HeatSinks);
  swap(HeatSinkType, read.HeatSinkType);
  swap(Dissipation, read.Dissipation);
  swap(GyroType, read.GyroType);
  swap(CockpitType, read.CockpitType);
  swap(TargetingType, read.TargetingType);
  swap(JumpBoosterMP, read.JumpBoosterMP);
  swap(ArmorType, read.ArmorType);
  swap(ArmorMirror, read.ArmorMirror);
  swap(TorsoRatioFront, read.TorsoRatioFront);
  swap(TorsoRatioRear, read.TorsoRatioRear);
  swap(EngineRating, read.EngineRating);
  swap(Reserved2, read.Reserved2);
  swap(Reserved3, read.Reserved3);
  swap(MiscFlags, read.MiscFlags);
  swap(MaxArmor, read.MaxArmor);
  swap(ArmorFactor, read.ArmorFactor);
  swap(ArmorPoints, read.ArmorPoints);
  swap(Weights, read.Weights);
  swap(Structure, read.Structure);
  swap(Armor, read.Armor);
  swap(ArmorTypes, read.ArmorTypes);
  // The configurations and the brand list move as whole objects, so the
  // links between them (an item's slots, an alternate's parent) stay valid.
  swap(Configs, read.Configs);
  swap(Config, read.Config);
  swap(SlotLimits, read.SlotLimits);
  swap(Brands, read.Brands);
  swap(DamageByRange, read.DamageByRange);
  swap(HeatByRange, read.HeatByRange);
  swap(CostParts, read.CostParts);
  swap(Cost, read.Cost);
  swap(BattleValue, read.BattleValue);
  swap(BVArmorFactor, read.BVArmorFactor);
  swap(BVStructureFactor, read.BVStructureFactor);
  swap(Manufacturers, read.Manufacturers);
  swap(Armament, read.Armament);
  swap(Overview, read.Overview);
  swap(Source, read.Source);
  swap(MixedTech, read.MixedTech);
}

void TMech::SelectConfig(int index) {
  if (index < 0 || index >= kConfigCount) index = 0;
  ConfigIndex = static_cast<std::uint8_t>(index);
  if (!Configs[index]) Configs[index] = std::make_unique<TConfiguration>(Configs[0].get());
  Config = Configs[index].get();
}

}  // namespace tfd
