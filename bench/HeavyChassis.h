#pragma once
// The chassis the benchmarks of the rules share: a 100-ton Level 3 design
// with an XL engine, jump jets, double heat sinks, a variable-range targeting
// system and ferro-fibrous armour, before its rules pass.

#include "model/Mech.h"

namespace tfd {

inline void SetHeavyChassis(TMech& m) {
  m.RulesLevel = rlIS3;
  m.Tonnage = 100;
  m.WalkMP = 3;
  m.JumpMP = 3;
  m.EngineType = etXL;
  m.HeatSinks = 20;
  m.HeatSinkType = hsDouble;
  m.TargetingType = tgVariableRange;
  m.ArmorType = atFerroFibrous;
}

}  // namespace tfd
