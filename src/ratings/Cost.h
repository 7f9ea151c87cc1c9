#pragma once
// The price of a design in C-bills: chassis lines kept in the design, loadout
// lines kept in each configuration, and a multiplier that grows with tonnage.

namespace tfd {

class TMech;
class TConfiguration;

// The loadout lines of a configuration and their subtotal `ConfigCost`, for
// `heatSinks` heat sinks and `jumps` jump jets in all. The weights of
// `ConfigWeight` must be current. The Omni line is set to 0 here; the ratings
// pass fills it once the fixed configuration's figures are known.
void ConfigCostLines(TConfiguration& config, const TMech& design, int heatSinks, int jumps);

// The chassis lines and the final multiplier (`CostParts`).
void DesignCostLines(TMech& design);

// The total: chassis lines, the configuration's subtotal and its Omni line,
// times the multiplier.
double TotalCost(const TMech& design, const TConfiguration& config);

}  // namespace tfd
