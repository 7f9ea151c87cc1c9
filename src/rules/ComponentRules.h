#pragma once
// Which component choices a design may hold. The rules pass corrects a design
// with these, and the component menus offer exactly the choices they keep, so
// an entry the menu offers is never taken away by the next pass.

#include <array>
#include <cstdint>

namespace tfd {

class TMech;

// What a rules level makes of a component code: the code itself where the
// level allows it, its nearest allowed kind otherwise. A Clan level turns an
// Inner Sphere kind into its Clan twin, an Inner Sphere level the other way.
std::uint8_t StructureAtLevel(std::uint8_t level, std::uint8_t type);
std::uint8_t EngineAtLevel(std::uint8_t level, std::uint8_t options, std::uint8_t type);
std::uint8_t HeatSinkAtLevel(std::uint8_t level, std::uint8_t type);
std::uint8_t GyroAtLevel(std::uint8_t level, std::uint8_t type);
std::uint8_t CockpitAtLevel(std::uint8_t level, std::uint8_t type);
std::uint8_t TargetingAtLevel(std::uint8_t level, std::uint8_t type);
std::uint8_t JumpJetAtLevel(std::uint8_t level, std::uint8_t type);
std::uint8_t ArmorAtLevel(std::uint8_t level, std::uint8_t type);
std::uint8_t TurretAtLevel(std::uint8_t level, std::uint8_t kind);
std::uint8_t SuperchargerAtLevel(std::uint8_t level, std::uint8_t location);

// Whether a design may keep one option bit set. A LAM is light (55 t at most),
// of a level-3 rules level, and neither Omni, Quad nor Utility.
bool OptionAllowed(const TMech& m, std::uint8_t option);

// An engine above rating 400, an XL gyro or a torso-mounted cockpit leave the
// centre torso no room for a supercharger or a head turret, unless the engine
// or the gyro is compact.
bool CentreTorsoCrowded(const TMech& m);
bool IsXLEngineKind(std::uint8_t engineType);

// Whether the design may keep a component choice, given its other components
// (the rules level is the tables' business above).
bool EngineAllowed(const TMech& m, std::uint8_t type);
bool GyroAllowed(const TMech& m, std::uint8_t type);
bool CockpitAllowed(const TMech& m, std::uint8_t type);
// Whether a gyro or cockpit finds its slots, tried on a scratch copy of the
// slot grid as the rules pass lays them (the pass falls back to the standard
// kind when it does not).
bool GyroFits(const TMech& m, std::uint8_t type);
bool CockpitFits(const TMech& m, std::uint8_t type);
bool TargetingAllowed(const TMech& m, std::uint8_t type);
bool ArmorAllowed(const TMech& m, std::uint8_t type);
bool TurretAllowed(const TMech& m, std::uint8_t kind);
bool SuperchargerAllowed(const TMech& m, std::uint8_t location);

// Armless needs a level-3 rules level and a design that is neither LAM nor Quad.
bool ArmlessAllowed(const TMech& m);

// The Null-Signature System is an Inner Sphere level-3 system that shares the
// design with neither a targeting system nor a satellite uplink: where the
// design holds one of them, the rules pass drops the Null-Signature flag.
bool NullSignatureAllowed(const TMech& m);
// While the design holds the Null-Signature System, its targeting system and
// satellite uplink are not for choosing.
bool TargetingAndUplinkChoosable(const TMech& m);

// Arm actuators in the order right hand, right lower arm, left hand, left
// lower arm. A hand needs its lower arm: setting a hand sets the lower arm,
// clearing a lower arm clears the hand.
using TActuators = std::array<std::uint8_t, 4>;
void SetActuator(TActuators& actuators, int index, bool on);
void KeepHandsWithLowerArms(TActuators& actuators);

}  // namespace tfd
