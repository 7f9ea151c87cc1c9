#include "ratings/Ratings.h"

#include <algorithm>
#include <limits>

#include "model/Mech.h"
#include "model/Rounding.h"
#include "ratings/BattleValue.h"
#include "ratings/Cost.h"
#include "rules/RulesPass.h"

namespace tfd {

bool IsAlternate(const TConfiguration& config, const TMech& design) {
  return config.Parent != nullptr && design.IsOmni();
}

double ArmorBattleFactor(const TMech& m) {
  double points = 0.0;
  for (int s = 0; s < kArmorSectionCount; ++s) {
    const double section = m.Armor[static_cast<std::size_t>(s)];
    points += m.ArmorTypes[static_cast<std::size_t>(s)] == atHardened ? 2.0 * section : section;
  }
  return 2.0 * points;
}

double StructureBattleFactor(const TMech& m) {
  const auto& s = m.Structure;
  int points = s[bsHead] + s[bsCenterTorso] + 2 * s[bsSideTorso] + 2 * s[bsLeg];
  if (!(m.MiscFlags & mfArmless)) points += 2 * s[bsArm];
  const bool large = m.EngineRating > 400;
  double factor = 1.5;
  switch (m.EngineType) {
    case etFusion: factor = large ? 1.125 : 1.5; break;
    case etXL: factor = 0.75; break;
    case etXXL: factor = large ? 0.375 : 0.5; break;
    case etClanXL: factor = large ? 0.75 : 1.125; break;
    case etClanXXL: factor = large ? 0.5 : 0.75; break;
    default: break;  // compact and I.C.E.
  }
  return points * factor;
}

int TargetMovementModifier(int mp, bool level3) {
  if (mp <= 2) return 0;
  if (mp <= 4) return 1;
  if (mp <= 6) return 2;
  if (mp <= 9) return 3;
  if (!level3 || mp <= 13) return 4;
  if (mp <= 18) return 5;
  if (mp <= 24) return 6;
  return 7;
}

void ConfigRatings(TConfiguration& c, const TMech& m) {
  // An alternate's cost builds on the fixed configuration's figures.
  const bool alternate = IsAlternate(c, m);
  if (alternate) ConfigRatings(*c.Parent, m);

  ConfigWeight(c, m);
  const TLoadoutCounts counts = BattleFigures(c, m);
  ConfigCostLines(c, m, counts.HeatSinks, counts.Jumps);

  // The Omni line: a quarter of what may be swapped, for the fixed
  // configuration and again for each alternate's own pods.
  auto& line = c.CostLines;
  const double swappable = line[clEquipment] + line[clCase] + line[clSupercharger];
  if (alternate) {
    line[clOmni] = swappable * 0.25 + c.Parent->CostLines[clOmni];
    c.ConfigCost += c.Parent->CostLines[clEquipment];
  } else {
    line[clOmni] = m.IsOmni() ? swappable * 0.25 : 0.0;
  }
}

TConfiguration& ComputeRatings(TMech& m) {
  Recalculate(m, rqAll);
  m.BVArmorFactor = ArmorBattleFactor(m);
  m.BVStructureFactor = StructureBattleFactor(m);
  TConfiguration& c = *m.Config;
  ConfigRatings(c, m);
  DesignCostLines(m);
  m.Cost = TotalCost(m, c);
  const long total = Round(c.DefensiveRating + c.OffensiveRating);
  m.BattleValue =
      static_cast<std::int32_t>(std::clamp<long>(total, 0, std::numeric_limits<std::int32_t>::max()));
  return c;
}

}  // namespace tfd
