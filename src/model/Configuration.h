#pragma once
// One loadout of a design. The chassis lives in TMech and is shared; what an
// Omni design may change between loadouts lives here.

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "model/CritAlloc.h"
#include "model/Weapon.h"

namespace tfd {

constexpr int kConfigCount = 28;  // 0 fixed, 1 primary, 2..27 alternates A..Z
// The configurations the design files and readouts hold: fixed, primary, A to F.
constexpr int kSavedConfigCount = 8;

// Indices of TConfiguration::CostLines, in the order of the cost window.
enum ECostLine : std::uint8_t {
  clArmActuators,
  clHeatSinks,
  clJumpJets,
  clEquipment,
  clOmni,
  clCase,
  clSupercharger,
  clPowerAmp,
  clTurret
};

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
  // Zeroes the cost and battle-value figures of the ratings pass.
  void ClearRatings();

  // Which item of a copied design stands for which item of its original.
  using ItemMap = std::unordered_map<const TWeapon*, TWeapon*>;
  // Takes copies of the other configuration's items (recorded in `items`)
  // and every value but the parent link.
  void AssignItems(const TConfiguration& other, ItemMap& items);
  // Then its slot grid, once every configuration's items are in `items`
  // (an alternate's grid points at items of the fixed configuration too).
  void AssignValues(const TConfiguration& other, const ItemMap& items);

  double TotalWeight = 0.0;
  TWeaponList Items;
  double EquipmentWeight = 0.0;
  // Cost lines written by the cost computation and read by the cost window.
  std::array<double, 9> CostLines{};
  // What the ratings pass last computed for this loadout; the battle-value
  // and cost windows lay these out line by line.
  double ConfigCost = 0.0;       // subtotal of the lines above, the Omni line aside
  double OffensiveRating = 0.0;  // modified weapon rating x speed factor
  double DefensiveRating = 0.0;
  double DefensiveEquipment = 0.0;  // battle value of the non-offensive items
  double ExplosivePenalty = 0.0;    // explosive items where they can take the design with them
  double HeatModifier = 0.0;        // 5 per point of heat beyond what the sinks take away
  double MovementFactor = 0.0;
  double ArtemisRating = 0.0;    // share of the base weapon rating due to Artemis fire control
  double TargetingRating = 0.0;  // share of the base weapon rating due to a targeting computer
  double BaseWeaponRating = 0.0;
  double ModifiedWeaponRating = 0.0;  // base weapon rating reduced for heat
  double SpeedFactor = 0.0;
  std::int16_t WeaponHeat = 0;
  std::int16_t HeatEfficiency = 0;  // heat the sinks take away in a turn
  std::int16_t MovementHeat = 0;    // running or jumping heat
  std::int16_t HeatSinkCount = 0;   // the design's heat sinks plus pod-mounted ones
  std::int16_t JumpCount = 0;       // jump MP plus pod-mounted jump jets, within the jump cap
  double CaseWeight = 0.0;
  TCritAlloc Crits;
  std::array<std::uint8_t, 8> CaseKind{};  // per location: 0 none, 1..4 the CASE kinds
  std::array<std::uint8_t, 4> Actuators{1, 1, 1,
                                        1};  // right hand, right lower arm, left hand, left lower arm
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
