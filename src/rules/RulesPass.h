#pragma once
// The rules pass: keeps a design legal and its derived values current after
// every edit. It corrects silently and never fails.

#include <array>
#include <cstdint>

#include "model/CritAlloc.h"

namespace tfd {

class TMech;
class TConfiguration;
class TWeapon;

// Request bits: what changed.
enum ERequest : int {
  rqChassis = 1,  // tonnage, engine, movement, heat sinks, options, fixed items
  rqArmor = 2,    // the armour rules
  rqWeights = 4,  // nothing beyond the weights that every call computes
  rqCase = 8,     // CASE offered to the slot grid again
  rqAll = 63,     // a new design or a change of rules level
};

// Equipment items that chassis items pushed out of their slots during the
// pass; they now sit in the BIN (location 64), whole.
struct TRulesReport {
  int MovedCount = 0;
  std::array<TWeapon*, TCritAlloc::kMaxEvicted> Moved{};
};

TRulesReport Recalculate(TMech& design, int request);

// A new design: the default 20-ton design with every configuration and the
// brand list emptied, settled by the full rules pass.
void NewDesign(TMech& design);

// The most jump MP a design can use: its running MP with improved jump jets,
// its walking MP otherwise.
int JumpMPCap(const TMech& design, bool improvedJets);

// Whether a rules level keeps a CASE kind in a location (kind 0, none, always).
bool CaseKindKept(std::uint8_t rulesLevel, int location, std::uint8_t kind);

// Weight of a configuration's equipment and options; stores its parts in the
// configuration. An alternate of an Omni design carries the fixed
// configuration's equipment too, so its item sums run over both lists.
double ConfigWeight(TConfiguration& config, const TMech& design);

}  // namespace tfd
