#include "ratings/SkillTable.h"

#include <algorithm>
#include <array>

#include "model/Rounding.h"

namespace tfd {

namespace {

// Rows by gunnery, columns by piloting.
constexpr std::array<std::array<double, kSkillLevels>, kSkillLevels> kMultipliers = {{
    {2.00, 1.90, 1.82, 1.76, 1.72, 1.70, 1.68, 1.64},
    {1.75, 1.65, 1.57, 1.51, 1.47, 1.45, 1.43, 1.39},
    {1.55, 1.45, 1.37, 1.31, 1.27, 1.25, 1.23, 1.19},
    {1.40, 1.30, 1.22, 1.16, 1.12, 1.10, 1.08, 1.04},
    {1.30, 1.20, 1.12, 1.06, 1.02, 1.00, 0.98, 0.94},
    {1.20, 1.10, 1.02, 0.96, 0.92, 0.90, 0.88, 0.84},
    {1.05, 0.95, 0.87, 0.81, 0.77, 0.75, 0.73, 0.69},
    {0.85, 0.75, 0.67, 0.61, 0.57, 0.55, 0.53, 0.49},
}};

std::size_t SkillIndex(int skill) { return static_cast<std::size_t>(std::clamp(skill, 0, kSkillLevels - 1)); }

}  // namespace

double SkillMultiplier(int gunnery, int piloting) {
  return kMultipliers[SkillIndex(gunnery)][SkillIndex(piloting)];
}

std::int32_t FinalBattleValue(std::int32_t battleValue, int gunnery, int piloting) {
  return static_cast<std::int32_t>(Round(SkillMultiplier(gunnery, piloting) * battleValue));
}

}  // namespace tfd
