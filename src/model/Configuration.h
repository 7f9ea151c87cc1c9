#pragma once
// One loadout of a design. The chassis lives in TMech and is shared; what an
// Omni design may change between loadouts lives here.

#include <array>
#include <cstdint>
#include <string>

#include "model/Weapon.h"
#include "rules/CritAlloc.h"

namespace tfd {

constexpr int kConfigCount = 28;  // 0 fixed, 1 primary, 2..27 alternates A..Z

class TConfiguration {
 public:
  // A configuration with no parent is the fixed one; all others are its children.
  explicit TConfiguration(TConfiguration* parent);
  TConfiguration(const TConfiguration&) = delete;
  TConfiguration& operator=(const TConfiguration&) = delete;

  // Back to the state of a new configuration: no items, no CASE, all arm
  // actuators, no supercharger or turret, every value 0, and a slot grid made
  // afresh from the parent's.
  void Reset();
  void ResetActuators() { Actuators = {1, 1, 1, 1}; }

  double TotalWeight = 0.0;
  TWeaponList Items;
  double EquipmentWeight = 0.0;
  // Cost lines written by the cost computation and read by the cost window.
  std::array<double, 9> CostLines{};
  double CaseWeight = 0.0;
  TCritAlloc Crits;
  std::array<std::uint8_t, 8> CaseKind{};     // per location: 0 none, 1..4 the CASE kinds
  std::array<std::uint8_t, 4> Actuators{1, 1, 1, 1};  // right hand, right lower arm, left hand, left lower arm
  std::int16_t Reserved = 0;
  std::array<std::uint8_t, 2> ReservedBytes{};
  std::uint8_t Supercharger = 0;  // low two bits: 0 none, 1 centre, 2 right, 3 left torso
  std::uint8_t Turret = 0;
  double TurretWeight = 0.0;
  double PowerAmpWeight = 0.0;
  double SuperchargerWeight = 0.0;
  double ArmouredWeight = 0.0;
  TConfiguration* const Parent;

  std::uint8_t SuperchargerLocation() const { return Supercharger & 3; }
  void SetSuperchargerLocation(std::uint8_t loc) {
    Supercharger = static_cast<std::uint8_t>((Supercharger & ~3u) | (loc & 3u));
  }
};

// Display name of configuration `index`; the fixed one depends on the Omni option.
std::string ConfigName(int index, bool omni);
// The shorter label of the configuration menu: "Fixed", "Primary", "Alternate A" ...
std::string ConfigMenuLabel(int index);

}  // namespace tfd
