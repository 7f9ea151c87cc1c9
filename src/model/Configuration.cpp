#include "model/Configuration.h"

namespace tfd {

TConfiguration::TConfiguration(TConfiguration* parent)
    : Crits(parent ? &parent->Crits : nullptr), Parent(parent) {}

void TConfiguration::Reset() {
  // The grid first: its slots point at the items that are about to go.
  Crits.Reset();
  Items.Clear();
  TotalWeight = EquipmentWeight = CaseWeight = 0.0;
  ClearRatings();
  CaseKind = {};
  ResetActuators();
  Reserved = 0;
  ReservedBytes = {};
  Supercharger = 0;
  Turret = 0;
  TurretWeight = PowerAmpWeight = SuperchargerWeight = ArmouredWeight = 0.0;
}

void TConfiguration::AssignItems(const TConfiguration& other, ItemMap& items) {
  Items.Clear();
  for (const auto& item : other.Items) items[item.get()] = Items.Insert(std::make_unique<TWeapon>(*item));
}

void TConfiguration::AssignValues(const TConfiguration& other, const ItemMap& items) {
  TotalWeight = other.TotalWeight;
  EquipmentWeight = other.EquipmentWeight;
  CostLines = other.CostLines;
  ConfigCost = other.ConfigCost;
  OffensiveRating = other.OffensiveRating;
  DefensiveRating = other.DefensiveRating;
  DefensiveEquipment = other.DefensiveEquipment;
  ExplosivePenalty = other.ExplosivePenalty;
  HeatModifier = other.HeatModifier;
  MovementFactor = other.MovementFactor;
  ArtemisRating = other.ArtemisRating;
  TargetingRating = other.TargetingRating;
  BaseWeaponRating = other.BaseWeaponRating;
  ModifiedWeaponRating = other.ModifiedWeaponRating;
  SpeedFactor = other.SpeedFactor;
  WeaponHeat = other.WeaponHeat;
  HeatEfficiency = other.HeatEfficiency;
  MovementHeat = other.MovementHeat;
  HeatSinkCount = other.HeatSinkCount;
  JumpCount = other.JumpCount;
  CaseWeight = other.CaseWeight;
  // An item the map does not know would be a slot pointing into the other
  // design; an empty pointer is the lesser harm.
  Crits.AssignRemapped(other.Crits, [&items](const TWeapon* item) -> TWeapon* {
    auto found = items.find(item);
    return found == items.end() ? nullptr : found->second;
  });
  CaseKind = other.CaseKind;
  Actuators = other.Actuators;
  Reserved = other.Reserved;
  ReservedBytes = other.ReservedBytes;
  Supercharger = other.Supercharger;
  Turret = other.Turret;
  TurretWeight = other.TurretWeight;
  PowerAmpWeight = other.PowerAmpWeight;
  SuperchargerWeight = other.SuperchargerWeight;
  ArmouredWeight = other.ArmouredWeight;
}

void TConfiguration::ClearRatings() {
  CostLines = {};
  ConfigCost = OffensiveRating = DefensiveRating = DefensiveEquipment = ExplosivePenalty = 0.0;
  HeatModifier = MovementFactor = ArtemisRating = TargetingRating = BaseWeaponRating = 0.0;
  ModifiedWeaponRating = SpeedFactor = 0.0;
  WeaponHeat = HeatEfficiency = MovementHeat = HeatSinkCount = JumpCount = 0;
}

std::string ConfigName(int index, bool omni) {
  if (index == 0) return omni ? "Fixed Configuration" : "Default Configuration";
  if (index == 1) return "Primary Configuration";
  if (index >= 2 && index < kConfigCount)
    return std::string("Alt. ") + static_cast<char>('A' + (index - 2)) + " Configuration";
  return {};
}

std::string ConfigMenuLabel(int index) {
  if (index == 0) return "Fixed";
  if (index == 1) return "Primary";
  if (index >= 2 && index < kConfigCount)
    return std::string("Alternate ") + static_cast<char>('A' + (index - 2));
  return {};
}

}  // namespace tfd
