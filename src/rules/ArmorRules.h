#pragma once
// Armour: caps per section, mirroring, tonnage per armour type, the half-ton
// rule below level 3, and the automatic distribution.

#include <cstdint>

namespace tfd {

class TMech;

// Tons of `points` of an armour type, unrounded; 0 for Patchwork.
double ArmorWeight(double points, std::uint8_t type);
// Points that `tons` of an armour type give, rounded; 0 for Patchwork.
long ArmorPointsFor(double tons, std::uint8_t type);
// Tons a design carries for `points` of one armour type: unrounded at level 3;
// below it armour is bought by the half ton, the lower half ton when that buys
// every point, else the next one up.
double CarriedArmorWeight(long points, std::uint8_t type, bool level3);

// The armour rules of the rules pass (request bit 2).
void ApplyArmorRules(TMech& design);

// Spreads `percent` (0..100) of the maximum armour over the sections, the
// head first, the torsos split by the design's front:rear ratio.
void DistributeArmor(TMech& design, int percent);

}  // namespace tfd
