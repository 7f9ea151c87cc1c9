#pragma once
// The battle-value figures of one configuration (the defensive and offensive
// columns of the battle-value window).

namespace tfd {

class TMech;
class TConfiguration;

// What the walk over a loadout counted besides the figures it stores: the
// heat sinks and jump jets in all, which the cost lines price (the jets
// carried, even beyond the jump MP they can give).
struct TLoadoutCounts {
  int HeatSinks = 0;
  int Jumps = 0;
};

// Walks the configuration's loadout (for an Omni alternate the fixed
// configuration's items, then its own pods) and stores every battle-value
// figure in the configuration. Reads the design's armour and structure factors.
TLoadoutCounts BattleFigures(TConfiguration& config, const TMech& design);

}  // namespace tfd
