#pragma once
// The figures of the Reports page that are not stored in the design: physical
// attacks, battle value per price, the heat a loadout can generate and the
// free critical slots. The page and tfd-report both read them from here.

#include <cstdint>

namespace tfd {

class TMech;
class TConfiguration;

struct TPhysicalDamage {
  int Punch = 0;
  int Kick = 0;
  int Club = 0;
};

// Punch a tenth of the tonnage, kick and club a fifth, rounded. A four-legged
// or armless design neither punches nor clubs, and one without a hand
// actuator in either arm cannot hold a club.
TPhysicalDamage PhysicalDamage(const TMech& design);

// Battle-value points per 100,000 C-bills; 0 for a design that costs nothing.
double BangPerBuck(std::int32_t battleValue, double cost);

// Heat of one turn with every forward weapon firing and the design moving at
// its most heating gait: the ratings pass's weapon heat plus movement heat.
int HeatPotential(const TConfiguration& config);

// Empty slots of the loadout among the slots it may use (the arms of an
// armless design hold none).
struct TSlotCount {
  int Free = 0;
  int Total = 0;
};
TSlotCount FreeCriticalSlots(const TMech& design);

}  // namespace tfd
