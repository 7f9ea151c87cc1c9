#include "ratings/ReportFigures.h"

#include "model/Mech.h"
#include "model/Rounding.h"

namespace tfd {

TPhysicalDamage PhysicalDamage(const TMech& m) {
  TPhysicalDamage d;
  const bool armless = (m.MiscFlags & mfArmless) != 0;
  const bool noArms = m.IsQuad() || armless;
  const auto& actuators = m.Config->Actuators;  // right hand, right lower arm, left hand, left lower arm
  const bool hand = actuators[0] != 0 || actuators[2] != 0;
  d.Punch = noArms ? 0 : static_cast<int>(Round(m.Tonnage * 0.1));
  d.Kick = static_cast<int>(Round(m.Tonnage * 0.2));
  d.Club = noArms || !hand ? 0 : static_cast<int>(Round(m.Tonnage * 0.2));
  return d;
}

double BangPerBuck(std::int32_t battleValue, double cost) {
  if (!(cost > 0.0)) return 0.0;
  return battleValue / cost * 100000.0;
}

int HeatPotential(const TConfiguration& c) { return c.WeaponHeat + c.MovementHeat; }

TSlotCount FreeCriticalSlots(const TMech& m) {
  TSlotCount n;
  const bool armless = (m.MiscFlags & mfArmless) != 0;
  const TCritAlloc& crits = m.Config->Crits;
  for (int loc = 0; loc < kLocationCount; ++loc) {
    if (armless && (loc == locRightArm || loc == locLeftArm)) continue;
    const int usable = crits.UsableSlots(loc);
    n.Total += usable;
    for (int s = 1; s <= usable; ++s) n.Free += crits.SlotAt(loc, s).Code == ciEmpty;
  }
  return n;
}

}  // namespace tfd
