#include "rules/ComponentRules.h"

#include <initializer_list>
#include <utility>

#include "model/Mech.h"

namespace tfd {

namespace {

using TSwaps = std::initializer_list<std::pair<std::uint8_t, std::uint8_t>>;

// The code a table of swaps gives `code`; codes it does not name stay.
std::uint8_t Swap(std::uint8_t code, TSwaps swaps) {
  for (const auto& [from, to] : swaps)
    if (code == from) return to;
  return code;
}

// The levels that allow no advanced component at all.
bool BasicLevel(std::uint8_t level) { return level == rlIS1 || level == rlIS2 || level == rlClan2; }

}  // namespace

std::uint8_t StructureAtLevel(std::uint8_t level, std::uint8_t type) {
  switch (level) {
    case rlIS1: return stStandard;
    case rlIS2:
      return Swap(type,
                  {{stComposite, stStandard}, {stReinforced, stStandard}, {stClanEndoSteel, stEndoSteel}});
    case rlIS3: return Swap(type, {{stClanEndoSteel, stEndoSteel}});
    case rlClan2:
      return Swap(type,
                  {{stEndoSteel, stClanEndoSteel}, {stComposite, stStandard}, {stReinforced, stStandard}});
    case rlClan3: return Swap(type, {{stEndoSteel, stClanEndoSteel}});
    default: return type;
  }
}

std::uint8_t EngineAtLevel(std::uint8_t level, std::uint8_t options, std::uint8_t type) {
  switch (level) {
    case rlIS1: return etFusion;
    case rlIS2:
      return Swap(
          type,
          {{etXXL, etXL}, {etCompact, etFusion}, {etICE, etFusion}, {etClanXL, etXL}, {etClanXXL, etXL}});
    case rlIS3: return Swap(type, {{etClanXL, etXL}, {etClanXXL, etXXL}});
    case rlClan2:
      return Swap(type, {{etXL, etClanXL},
                         {etXXL, etClanXL},
                         {etCompact, etFusion},
                         {etICE, etFusion},
                         {etClanXXL, etClanXL}});
    case rlClan3:
      // A Clan combustion engine is for utility designs only.
      if (type == etICE && !(options & optUtility)) return etFusion;
      return Swap(type, {{etXL, etClanXL}, {etXXL, etClanXXL}});
    default: return type;
  }
}

std::uint8_t HeatSinkAtLevel(std::uint8_t level, std::uint8_t type) {
  switch (level) {
    case rlIS1: return hsSingle;
    case rlIS2: return Swap(type, {{hsCompact, hsSingle}, {hsLaser, hsDouble}, {hsClanDouble, hsDouble}});
    case rlIS3: return Swap(type, {{hsLaser, hsDouble}, {hsClanDouble, hsDouble}});
    case rlClan2:
      return Swap(type, {{hsDouble, hsClanDouble}, {hsCompact, hsSingle}, {hsLaser, hsClanDouble}});
    case rlClan3: return Swap(type, {{hsDouble, hsClanDouble}, {hsCompact, hsSingle}});
    default: return type;
  }
}

std::uint8_t GyroAtLevel(std::uint8_t level, std::uint8_t type) {
  return BasicLevel(level) ? std::uint8_t{gyStandard} : type;
}

std::uint8_t CockpitAtLevel(std::uint8_t level, std::uint8_t type) {
  if (BasicLevel(level)) return cpStandard;
  if (level == rlIS3) return Swap(type, {{cpEnhancedImaging, cpStandard}});
  if (level == rlClan3) return Swap(type, {{cpCommandConsole, cpStandard}});
  return type;
}

std::uint8_t TargetingAtLevel(std::uint8_t level, std::uint8_t type) {
  return BasicLevel(level) ? std::uint8_t{tgStandard} : type;
}

std::uint8_t JumpJetAtLevel(std::uint8_t level, std::uint8_t type) {
  return BasicLevel(level) ? std::uint8_t{jjStandard} : type;
}

std::uint8_t ArmorAtLevel(std::uint8_t level, std::uint8_t type) {
  switch (level) {
    case rlIS1: return atStandard;
    case rlIS2:
      return Swap(type, {{atLightFF, atFerroFibrous},
                         {atHeavyFF, atFerroFibrous},
                         {atLaserReflective, atStandard},
                         {atReactive, atStandard},
                         {atHardened, atStandard},
                         {atClanFF, atFerroFibrous},
                         {atClanLaserReflective, atStandard},
                         {atClanReactive, atStandard},
                         {atPatchwork, atStandard}});
    case rlIS3:
      return Swap(type, {{atClanFF, atFerroFibrous},
                         {atClanLaserReflective, atLaserReflective},
                         {atClanReactive, atReactive}});
    case rlClan2:
      return Swap(type, {{atFerroFibrous, atClanFF},
                         {atLightFF, atClanFF},
                         {atHeavyFF, atClanFF},
                         {atLaserReflective, atStandard},
                         {atReactive, atStandard},
                         {atHardened, atStandard},
                         {atClanLaserReflective, atStandard},
                         {atClanReactive, atStandard},
                         {atPatchwork, atStandard}});
    case rlClan3:
      return Swap(type, {{atFerroFibrous, atClanFF},
                         {atLaserReflective, atClanLaserReflective},
                         {atReactive, atClanReactive}});
    default: return type;
  }
}

std::uint8_t TurretAtLevel(std::uint8_t level, std::uint8_t kind) {
  return BasicLevel(level) ? std::uint8_t{trNone} : kind;
}

std::uint8_t SuperchargerAtLevel(std::uint8_t level, std::uint8_t location) {
  return IsLevel3(level) ? location : std::uint8_t{scNone};
}

bool OptionAllowed(const TMech& m, std::uint8_t option) {
  switch (option) {
    case optLAM:
      return m.Tonnage <= 55 && IsLevel3(m.RulesLevel) && !(m.Options & (optOmni | optQuad | optUtility));
    case optOmni: return m.RulesLevel != rlIS1;
    case optQuad: return true;
    case optUtility: return IsLevel3(m.RulesLevel);
    default: return false;
  }
}

bool CentreTorsoCrowded(const TMech& m) {
  const bool crowding = m.EngineRating > 400 || m.GyroType == gyXL || m.CockpitType == cpTorsoMounted;
  return crowding && m.EngineType != etCompact && m.GyroType != gyCompact;
}

bool IsXLEngineKind(std::uint8_t engineType) {
  return engineType == etXL || engineType == etXXL || engineType == etClanXL || engineType == etClanXXL;
}

namespace {

// Lays the centre items on a scratch grid as the rules pass lays them, up to
// the gyro; false when the gyro does not fit.
bool LayCentreUpToGyro(const TMech& m, std::uint8_t gyro, TCritAlloc& trial) {
  trial.ClearFirstFreeItems();
  trial.SetEngine(m.EngineType, m.EngineRating > 400);
  return trial.SetGyro(gyro);
}

}  // namespace

bool EngineAllowed(const TMech& m, std::uint8_t type) {
  // A LAM converts; a combustion engine cannot.
  return type != etICE || !(m.Options & optLAM);
}

bool GyroAllowed(const TMech& m, std::uint8_t type) { return type != gyXL || m.EngineRating <= 400; }

bool GyroFits(const TMech& m, std::uint8_t type) {
  TCritAlloc trial = m.Config->Crits.Scratch();
  return LayCentreUpToGyro(m, type, trial);
}

bool CockpitAllowed(const TMech& m, std::uint8_t type) {
  if (type == cpCommandConsole) return m.Tonnage >= 60;
  if (type == cpTorsoMounted) return m.EngineRating <= 400 || m.GyroType == gyCompact;
  return true;
}

bool CockpitFits(const TMech& m, std::uint8_t type) {
  if (type == cpStandard) return true;  // the standard cockpit always makes room
  TCritAlloc trial = m.Config->Crits.Scratch();
  LayCentreUpToGyro(m, m.GyroType, trial);
  return trial.SetCockpit(type);
}

bool TargetingAllowed(const TMech& m, std::uint8_t type) {
  // The Command Console takes the head slot these systems need.
  if (type == tgVariableRange || type == tgMultiTrac2) return m.CockpitType != cpCommandConsole;
  return true;
}

bool ArmorAllowed(const TMech& m, std::uint8_t type) {
  if (type == atReactive || type == atHardened || type == atClanReactive) return !m.IsOmni();
  return true;
}

bool TurretAllowed(const TMech& m, std::uint8_t kind) {
  if (kind == trHead) return !CentreTorsoCrowded(m);
  if (kind == trDualTorso) return !m.IsQuad();
  return true;
}

bool SuperchargerAllowed(const TMech& m, std::uint8_t location) {
  if (location == scNone) return true;
  if (CentreTorsoCrowded(m)) return false;
  if (location == scRightTorso || location == scLeftTorso) return IsXLEngineKind(m.EngineType);
  return true;
}

bool ArmlessAllowed(const TMech& m) { return IsLevel3(m.RulesLevel) && !(m.Options & (optLAM | optQuad)); }

bool NullSignatureAllowed(const TMech& m) {
  const bool innerSphereLevel3 = m.RulesLevel == rlIS3 || m.RulesLevel == rlMixed3;
  return innerSphereLevel3 && !(m.MiscFlags & mfSatelliteUplink) && m.TargetingType == tgStandard;
}

bool TargetingAndUplinkChoosable(const TMech& m) { return !(m.MiscFlags & mfNullSignature); }

void SetActuator(TActuators& actuators, int index, bool on) {
  if (index < 0 || index > 3) return;
  actuators[static_cast<std::size_t>(index)] = on ? 1 : 0;
  const bool hand = index % 2 == 0;
  if (hand && on) actuators[static_cast<std::size_t>(index + 1)] = 1;
  KeepHandsWithLowerArms(actuators);
}

void KeepHandsWithLowerArms(TActuators& actuators) {
  if (!actuators[1]) actuators[0] = 0;
  if (!actuators[3]) actuators[2] = 0;
}

}  // namespace tfd
