#pragma once
// Pilot skill multipliers of the battle value.

#include <cstdint>

namespace tfd {

constexpr int kSkillLevels = 8;  // skills 0 (best) to 7
constexpr int kDefaultGunnery = 4;
constexpr int kDefaultPiloting = 5;

// Multiplier for a gunnery and a piloting skill; skills outside 0..7 are
// taken as the nearest of them.
double SkillMultiplier(int gunnery, int piloting);

// The battle value as fielded by a pilot of those skills, rounded.
std::int32_t FinalBattleValue(std::int32_t battleValue, int gunnery, int piloting);

}  // namespace tfd
