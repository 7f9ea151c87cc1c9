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
