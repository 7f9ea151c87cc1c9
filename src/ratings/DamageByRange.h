#pragma once
// Damage and heat of the current loadout's forward weapons at each range from
// 1 to 30, as the Reports graph draws them.

#include <cstdint>

namespace tfd {

class TMech;

// Switches of the graph options window; the set starts empty.
enum EGraphOption : std::uint8_t {
  goHeatUltra = 1,        // Ultra autocannons fire twice (heat)
  goHeatStreak = 2,       // Streaks lock half of the time (heat)
  goHeatMinRange = 4,     // nothing fires within its minimum range (heat)
  goDamageUltra = 8,      // Ultra autocannons fire twice (damage)
  goDamageStreak = 16,    // Streaks lock half of the time (damage)
  goDamageMinRange = 32,  // nothing fires within its minimum range (damage)
  goDamageCluster = 64,   // missiles and LB-X clusters hit as with a roll of 7
};
constexpr std::uint8_t kGraphOptionsMask = 127;

// Fills the design's DamageByRange and HeatByRange (ranges 1..30 at indices
// 0..29) from the current configuration's loadout (for an Omni alternate the
// fixed configuration's weapons too). A weapon fires at every range up to its
// long range; forward means any mount but a rear one or the BIN.
void ComputeDamageByRange(TMech& design, std::uint8_t graphOptions);

// Cluster hits of a volley of `size` missiles or pellets on a roll of 7.
int ClusterHitsOnSeven(int size);

}  // namespace tfd
