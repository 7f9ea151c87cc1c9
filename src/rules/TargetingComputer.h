#pragma once
// The targeting computer is sized by the direct-fire weapons it serves: one
// ton per four tons of them (per five for a Clan computer), rounded up, a slot
// per ton and 10,000 C-bills per ton. No equipment formula can say this (no
// formula variable holds the direct-fire tonnage), so the rules size it here:
// at placement, in the configuration weight (which the ratings run first) and
// after a design is read from a file.

#include <string>
#include <vector>

namespace tfd {

class TMech;
class TConfiguration;
class TWeapon;

// Tons of the direct-fire weapons a configuration carries (an Omni alternate
// with the fixed configuration's): items with the "Direct Fire" bit, with
// ammunition and targeting computers left out.
double DirectFireTonnage(const TConfiguration& config, const TMech& design);

double TargetingComputerWeight(double directFireTons, bool clan);
// One slot per ton; a placed computer takes at least one.
int TargetingComputerSlots(double weight);
double TargetingComputerCost(double weight);

// Whether an identifier is a Clan targeting computer (else Inner Sphere, or none).
bool IsClanTargetingComputer(const TMech& design, int saveNum);
bool IsTargetingComputer(const TMech& design, int saveNum);

// Brings the weight and cost of the targeting computers in a configuration's
// own list up to date with its weapons. Their slots stay as placed: a change
// of weapons never moves slots behind the user's back (see the mismatches).
void UpdateTargetingComputers(TConfiguration& config, const TMech& design);

// A placed targeting computer whose slots differ from what its weight needs.
struct TTargetingSlotMismatch {
  const TWeapon* Item = nullptr;
  int Needed = 0;  // slots the computer's weight takes
  int Placed = 0;  // slots it holds
};

// Every targeting computer of a configuration's own list, outside the BIN,
// whose slot count does not match its weight now.
std::vector<TTargetingSlotMismatch> TargetingSlotMismatches(const TConfiguration& config,
                                                            const TMech& design);
// "Targeting Computer needs 3 slots, has 2".
std::string TargetingSlotMessage(const TTargetingSlotMismatch& mismatch);

}  // namespace tfd
