#pragma once
// Constant tables of the construction rules.

#include <array>
#include <cstdint>

namespace tfd {

// Internal structure points (head, centre torso, side torso, arm, leg) of a tonnage.
const std::array<std::uint8_t, 5>& StructureRow(int tonnage);

// Weight of a fusion engine of a rating (5..500); 0 for ratings below 5.
double FusionEngineWeight(int rating);

// Multipliers of the component kinds, by their codes.
double StructureFactor(std::uint8_t structureType);
double EngineFactor(std::uint8_t engineType);
double GyroFactor(std::uint8_t gyroType);
double CockpitWeight(std::uint8_t cockpitType);
double ArmorPointsPerTon(std::uint8_t armorType);  // 0 for Patchwork

// Double, laser and Clan double heat sinks take away two heat points each.
bool HeatSinksDissipateTwice(std::uint8_t heatSinkType);

}  // namespace tfd
