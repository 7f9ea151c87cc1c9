#pragma once
// The ratings pass: battle value and cost of the design and of its loadouts.
// Everything it computes is stored in the design and its configurations, so
// the battle-value and cost windows only lay the figures out.

#include <cstdint>

namespace tfd {

class TMech;
class TConfiguration;

// Runs the rules pass, the chassis factors of the battle value, the figures of
// the current configuration (and of the fixed one when the current one is an
// Omni alternate), the chassis cost lines, `Cost` and `BattleValue`. Returns
// the current configuration.
TConfiguration& ComputeRatings(TMech& design);

// The figures of one configuration: its weight, the walk over its loadout, its
// cost lines and its battle ratings. The design's armour and structure factors
// must be current. An alternate of an Omni design carries the fixed
// configuration's items as well as its own pods: the fixed configuration is
// computed first and its items count in the alternate's ratings.
void ConfigRatings(TConfiguration& config, const TMech& design);

// True for a configuration that adds pods to the fixed configuration.
bool IsAlternate(const TConfiguration& config, const TMech& design);

// Chassis factors of the defensive rating.
double ArmorBattleFactor(const TMech& design);
double StructureBattleFactor(const TMech& design);

// Target movement modifier of a number of movement points; the table runs on
// beyond 10 MP at a level-3 rules level.
int TargetMovementModifier(int mp, bool level3);

}  // namespace tfd
