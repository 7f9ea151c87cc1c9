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

// The armour rules of the rules pass (request bit 2).
void ApplyArmorRules(TMech& design);

// Spreads `percent` (0..100) of the maximum armour over the sections, the
// head first, the torsos split by the design's front:rear ratio.
void DistributeArmor(TMech& design, int percent);

}  // namespace tfd
