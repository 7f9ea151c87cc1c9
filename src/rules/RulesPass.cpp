#include "rules/RulesPass.h"

#include <algorithm>

#include "model/Mech.h"
#include "model/Rounding.h"
#include "rules/ArmorRules.h"
#include "rules/ComponentRules.h"
#include "rules/RulesTables.h"
#include "rules/TargetingComputer.h"

namespace tfd {

namespace {

bool KnownRulesLevel(std::uint8_t level) {
  return level == rlIS1 || level == rlIS2 || level == rlIS3 || level == rlClan2 || level == rlClan3 ||
         level == rlMixed3;
}

// Codes that no table knows (a damaged file, say) become the first code, so no
// table is ever read out of bounds.
void KeepCodesInRange(TMech& m) {
  if (!KnownRulesLevel(m.RulesLevel)) m.RulesLevel = rlIS1;
  if (m.StructureType > stClanEndoSteel) m.StructureType = stStandard;
  if (m.EngineType > etClanXXL) m.EngineType = etFusion;
  if (m.HeatSinkType > hsClanDouble) m.HeatSinkType = hsSingle;
  if (m.GyroType > gyXL) m.GyroType = gyStandard;
  if (m.CockpitType > cpTorsoMounted) m.CockpitType = cpStandard;
  if (m.TargetingType > tgMultiTrac2) m.TargetingType = tgStandard;
  if (m.JumpJetType > jjImproved) m.JumpJetType = jjStandard;
  if (m.ArmorType > atPatchwork) m.ArmorType = atStandard;
  for (auto& t : m.ArmorTypes)
    if (t >= atPatchwork) t = atStandard;
  if (m.JumpBoosterMP > 20) m.JumpBoosterMP = 20;
  if (m.ConfigIndex >= kConfigCount) m.ConfigIndex = 0;
}

void KeepCodesInRange(TConfiguration& c) {
  if (c.Turret > trDualTorso) c.Turret = trNone;
  for (auto& k : c.CaseKind)
    if (k > caseClan2) k = caseNone;
}

// Which CASE kinds a rules level keeps, for the head, the torsos and the limbs.
// A bit per kind: 1 << kind.
struct CaseRule {
  std::uint8_t head, torso, limb;
};
CaseRule CaseKindsKept(std::uint8_t level) {
  constexpr std::uint8_t is = 1 << caseIS, is2 = 1 << caseIS2, cl = 1 << caseClan, cl2 = 1 << caseClan2;
  switch (level) {
    case rlIS1: return {0, 0, 0};
    case rlIS2: return {0, is, 0};
    case rlIS3: return {is2, is | is2, is2};
    case rlClan2: return {cl, cl, cl};
    case rlClan3: return {cl | cl2, cl | cl2, cl | cl2};
    default: return {0xFF, 0xFF, 0xFF};
  }
}

void NormaliseCase(TConfiguration& c, std::uint8_t level) {
  for (int loc = 0; loc < kLocationCount; ++loc) {
    std::uint8_t& kind = c.CaseKind[static_cast<std::size_t>(loc)];
    if (!CaseKindKept(level, loc, kind)) kind = caseNone;
  }
}

}  // namespace

bool CaseKindKept(std::uint8_t rulesLevel, int location, std::uint8_t kind) {
  if (kind == caseNone) return true;
  if (kind > caseClan2) return false;
  const CaseRule rule = CaseKindsKept(rulesLevel);
  const std::uint8_t kept = location == locHead        ? rule.head
                            : location <= locLeftTorso ? rule.torso
                                                       : rule.limb;
  return (kept & (1u << kind)) != 0;
}

namespace {

// What the rules level allows: each component becomes the kind the level
// makes of it, and what the level has no place for is dropped.
void NormaliseToRulesLevel(TMech& m) {
  TConfiguration& c = *m.Config;
  const std::uint8_t level = m.RulesLevel;
  m.StructureType = StructureAtLevel(level, m.StructureType);
  m.EngineType = EngineAtLevel(level, m.Options, m.EngineType);
  m.HeatSinkType = HeatSinkAtLevel(level, m.HeatSinkType);
  m.JumpJetType = JumpJetAtLevel(level, m.JumpJetType);
  m.GyroType = GyroAtLevel(level, m.GyroType);
  m.TargetingType = TargetingAtLevel(level, m.TargetingType);
  m.CockpitType = CockpitAtLevel(level, m.CockpitType);
  m.ArmorType = ArmorAtLevel(level, m.ArmorType);
  if (m.ArmorType == atPatchwork)
    for (auto& t : m.ArmorTypes) t = ArmorAtLevel(level, t);
  c.Turret = TurretAtLevel(level, c.Turret);
  c.SetSuperchargerLocation(SuperchargerAtLevel(level, c.SuperchargerLocation()));
  if (!IsLevel3(level)) {
    m.MiscFlags = 0;
    m.JumpBoosterMP = 0;
  }
  NormaliseCase(c, level);
}

// Options the design may not hold are dropped; a LAM gives way to the others.
void DropDisallowedOptions(TMech& m) {
  for (std::uint8_t option : {optOmni, optQuad, optUtility, optLAM})
    if ((m.Options & option) && !OptionAllowed(m, option)) m.Options &= static_cast<std::uint8_t>(~option);
}

// Slots usable per location class.
void SetSlotLimits(TMech& m) {
  const auto limits = SlotLimitsOf(m.Tonnage, (m.MiscFlags & mfLimiting) != 0, m.IsQuad());
  for (std::size_t i = 0; i < limits.size(); ++i) m.SlotLimits[i] = static_cast<std::uint8_t>(limits[i]);
}

double EngineWeight(const TMech& m) {
  const double table = FusionEngineWeight(m.EngineRating);
  if (m.EngineType == etXXL || m.EngineType == etClanXXL) return table / 3.0;
  return table * EngineFactor(m.EngineType);
}

// The items with fixed places (engine, gyro, cockpit) are laid before those
// that take the first free slot (supercharger, turret ring, Null-Signature
// System, CASE; laid again after them), so they never lose their slots to
// them. An XL gyro whose extra slots are taken becomes Standard, as a cockpit
// does that does not fit.
void LayCentreItems(TMech& m, bool largeEngine) {
  TCritAlloc& crits = m.Config->Crits;
  crits.ClearFirstFreeItems();
  crits.SetEngine(m.EngineType, largeEngine);
  if (!crits.SetGyro(m.GyroType)) {
    m.GyroType = gyStandard;
    crits.SetGyro(gyStandard);
  }
  if (!crits.SetCockpit(m.CockpitType)) {
    m.CockpitType = cpStandard;
    if (!crits.SetCockpit(cpStandard)) {
      // Something sits where the standard cockpit goes: it makes way.
      for (int slot : {1, 3, 6}) crits.ClearSlot(locHead, slot);
      crits.SetCockpit(cpStandard);
    }
  }
}

// Supercharger, turret and targeting system that the laid centre items leave
// no room for, or that the engine and cockpit exclude, are dropped.
void DropWhatTheCentreItemsExclude(TMech& m) {
  TConfiguration& c = *m.Config;
  if (!SuperchargerAllowed(m, c.SuperchargerLocation())) {
    c.SetSuperchargerLocation(scNone);
    m.SuperRunMP = m.SuperSprintMP = 0;
  }
  if (!TurretAllowed(m, c.Turret)) c.Turret = trNone;
  if (!TargetingAllowed(m, m.TargetingType)) m.TargetingType = tgStandard;
}

// Arm actuators, gyro, engine, targeting, supercharger, jump boosters,
// turret, Limiting, quad, armless arms, Null-Signature System (dropped where
// the design may not hold it or it does not fit); CASE follows separately.
void LayFixedItems(TMech& m, bool largeEngine) {
  TConfiguration& c = *m.Config;
  TCritAlloc& crits = c.Crits;
  crits.LayMissingFixedItems();
  crits.SetActuators(c.Actuators);
  crits.SetGyro(m.GyroType);
  crits.SetEngine(m.EngineType, largeEngine);
  crits.SetTargeting(m.TargetingType);
  crits.SetSupercharger(c.SuperchargerLocation());
  crits.SetJumpBoosters(m.JumpBoosterMP > 0);
  crits.SetTurret(c.Turret);
  crits.SetLimiting((m.MiscFlags & mfLimiting) != 0);
  crits.SetQuad(m.IsQuad());
  crits.SetArmless((m.MiscFlags & mfArmless) != 0);
  if (!NullSignatureAllowed(m)) m.MiscFlags &= static_cast<std::int16_t>(~mfNullSignature);
  if (!crits.SetNullSignature((m.MiscFlags & mfNullSignature) != 0)) {
    m.MiscFlags &= static_cast<std::int16_t>(~mfNullSignature);
    crits.SetNullSignature(false);
  }
}

// Tonnage in steps of five, at least 10 at a level-3 rules level, 20 otherwise.
void SettleTonnage(TMech& m) {
  int tons = m.Tonnage - m.Tonnage % 5;
  tons = std::clamp(tons, IsLevel3(m.RulesLevel) ? 10 : 20, 100);
  m.Tonnage = static_cast<std::uint8_t>(tons);
}

// What the options allow: a LAM converts, so it jumps and burns no fuel; a
// LAM or a quad has arms; an Omni design takes no reactive or hardened armour.
void ApplyOptions(TMech& m) {
  DropDisallowedOptions(m);
  if ((m.Options & optLAM) && m.JumpMP == 0) m.JumpMP = 1;
  if (!EngineAllowed(m, m.EngineType)) m.EngineType = etFusion;
  if (m.EngineType == etICE) m.JumpMP = 0;
  if (!ArmlessAllowed(m)) m.MiscFlags &= static_cast<std::int16_t>(~mfArmless);
  auto allowed = [&m](std::uint8_t& t) {
    if (!ArmorAllowed(m, t)) t = atStandard;
  };
  allowed(m.ArmorType);
  if (m.ArmorType == atPatchwork)
    for (auto& t : m.ArmorTypes) allowed(t);
}

// A quad's four limbs are legs with every actuator; an armless design has
// none; a hand needs its lower arm.
void ApplyActuators(TMech& m) {
  auto& act = m.Config->Actuators;
  if (m.IsQuad()) act = {1, 1, 1, 1};
  if (m.MiscFlags & mfArmless) act = {0, 0, 0, 0};
  KeepHandsWithLowerArms(act);
}

void ApplyStructure(TMech& m) {
  double structure = m.Tonnage * StructureFactor(m.StructureType);
  if (m.Options & optUtility) structure *= 2.0;
  m.Structure = StructureRow(m.Tonnage);
  if (m.IsQuad()) m.Structure[bsArm] = m.Structure[bsLeg];
  if (m.MiscFlags & mfArmless) {
    m.Structure[bsArm] = 0;
    m.Armor[asRightArm] = m.Armor[asLeftArm] = 0;
  }
  m.Weights[wStructure] = IsLevel3(m.RulesLevel) ? structure : RoundHalfTon(structure);
}

// The rating follows tonnage and walking speed up to the engine's limit.
void ApplyEngine(TMech& m) {
  const bool level3 = IsLevel3(m.RulesLevel);
  const int limit = !level3 ? 400 : (m.EngineType == etCompact ? 400 : 500);
  if (m.Tonnage * m.WalkMP > limit) m.WalkMP = static_cast<std::uint8_t>(limit / m.Tonnage);
  m.EngineRating = static_cast<std::int16_t>(m.Tonnage * m.WalkMP);
  const double engine = EngineWeight(m);
  m.Weights[wEngine] = level3 ? engine : RoundHalfTon(engine);
}

// Running, sprinting and jumping from the walking speed. The legs' armour type
// is the one the armour rules will give them, so a pass never depends on the
// previous one.
void ApplyMovement(TMech& m) {
  const int walk = m.WalkMP;
  int run = static_cast<int>(Round(1.5 * walk)), sprint = 2 * walk;
  int superRun = 0, superSprint = 0;
  if (m.Config->SuperchargerLocation() != scNone) {
    superRun = 2 * walk;
    superSprint = static_cast<int>(Round(2.5 * walk));
  }
  auto legType = [&](int section) {
    return m.ArmorType == atPatchwork ? m.ArmorTypes[static_cast<std::size_t>(section)] : m.ArmorType;
  };
  if (legType(asRightLeg) == atHardened || legType(asLeftLeg) == atHardened) {
    // Hardened legs cost a running and a sprinting point; never below 0.
    run = std::max(0, run - 1);
    sprint = std::max(0, sprint - 1);
    if (superRun > 0) --superRun;
    if (superSprint > 0) --superSprint;
  }
  m.Reserved1 = 0;
  m.RunMP = static_cast<std::uint8_t>(std::min(run, 255));
  m.SprintMP = static_cast<std::uint8_t>(std::min(sprint, 255));
  m.SuperRunMP = static_cast<std::uint8_t>(std::min(superRun, 255));
  m.SuperSprintMP = static_cast<std::uint8_t>(std::min(superSprint, 255));
  const int jumpCap = JumpMPCap(m, m.JumpJetType == jjImproved);
  if (m.JumpMP > jumpCap) m.JumpMP = static_cast<std::uint8_t>(jumpCap);
  m.Weights[wWalkSpeed] = m.WalkMP * 10.8;
  m.Weights[wRunSpeed] = m.RunMP * 10.8;
  m.Weights[wSprintSpeed] = m.SprintMP * 10.8;
  m.Weights[wJumpDistance] = m.JumpMP * 30.0;
  const double perJet = m.Tonnage <= 55 ? 0.5 : (m.Tonnage <= 85 ? 1.0 : 2.0);
  m.Weights[wJumpJets] = m.JumpMP * perJet * (m.JumpJetType == jjImproved ? 2.0 : 1.0);
}

// Ten heat sinks come free with a fusion engine.
void ApplyHeatSinks(TMech& m) {
  const bool ice = m.EngineType == etICE;
  if (!ice && m.HeatSinks < 10) m.HeatSinks = 10;
  const int weighed = ice ? m.HeatSinks : m.HeatSinks - 10;
  m.Weights[wHeatSinks] = weighed * (m.HeatSinkType == hsCompact ? 1.5 : 1.0);
  const int perSink = HeatSinksDissipateTwice(m.HeatSinkType) ? 2 : 1;
  m.Dissipation = static_cast<std::uint8_t>(std::min(255, m.HeatSinks * perSink));
}

// The slots. Equipment that a chassis item pushes out frees slots that items
// laid before it may want (a torso cockpit's life support, a hand actuator),
// so then everything is laid once more; the second round only finds more
// room, so it pushes nothing out.
void LayChassisSlots(TMech& m) {
  TConfiguration& c = *m.Config;
  const bool largeEngine = m.EngineRating > 400;
  if (!GyroAllowed(m, m.GyroType)) m.GyroType = gyStandard;
  if (!CockpitAllowed(m, m.CockpitType)) m.CockpitType = cpStandard;
  TCritAlloc& crits = c.Crits;
  crits.Tonnage = m.Tonnage;
  for (int round = 0; round < 3; ++round) {
    const int evictedBefore = crits.EvictedCount();
    // An alternate carries the fixed equipment first: pods make way for it.
    if (c.Parent && m.IsOmni())
      crits.LayParentEquipment([&c](const TWeapon* w) { return c.Items.IndexOf(w) >= 0; });
    LayCentreItems(m, largeEngine);
    DropWhatTheCentreItemsExclude(m);
    LayFixedItems(m, largeEngine);
    if (crits.EvictedCount() == evictedBefore) break;
  }
}

void ApplyFixedItemWeights(TMech& m) {
  m.Weights[wGyro] = ((m.EngineRating + 99) / 100) * GyroFactor(m.GyroType);
  m.Weights[wCockpit] = CockpitWeight(m.CockpitType);
  m.Weights[wTargeting] = (m.TargetingType == tgVariableRange || m.TargetingType == tgMultiTrac2) ? 0.5 : 0.0;
  m.Weights[wJumpBoosters] = RoundHalfTon(m.Tonnage * 0.05 * m.JumpBoosterMP);
  m.Weights[wLAM] = (m.Options & optLAM) ? m.Tonnage * 0.1 : 0.0;
  m.Weights[wReserved1] = m.Weights[wReserved2] = 0.0;
}

// The chassis: tonnage, what the rules level and the options allow, the
// weights of the fixed components and their slots.
void ApplyChassisRules(TMech& m) {
  SettleTonnage(m);
  NormaliseToRulesLevel(m);
  ApplyOptions(m);
  ApplyActuators(m);
  SetSlotLimits(m);
  ApplyStructure(m);
  ApplyEngine(m);
  ApplyMovement(m);
  ApplyHeatSinks(m);
  LayChassisSlots(m);
  ApplyFixedItemWeights(m);
}

// CASE that does not fit is dropped.
void ApplyCase(TConfiguration& c) {
  for (int loc = 0; loc < kLocationCount; ++loc) {
    std::uint8_t& kind = c.CaseKind[static_cast<std::size_t>(loc)];
    if (!c.Crits.SetCase(loc, kind)) {
      kind = caseNone;
      c.Crits.SetCase(loc, caseNone);
    }
  }
}

// Items pushed out of their slots by chassis items go to the BIN whole. Only
// the configuration's own items: an alternate never moves the fixed equipment.
void MoveEvictedToBin(TConfiguration& c, TRulesReport& report) {
  TCritAlloc& crits = c.Crits;
  for (int i = 0; i < crits.EvictedCount(); ++i) {
    TWeapon* item = crits.Evicted(i);
    if (c.Items.IndexOf(item) < 0) continue;
    item->Location = lcBin;
    item->SlotsFirst = 0;
    if (report.MovedCount < static_cast<int>(report.Moved.size())) report.Moved[report.MovedCount++] = item;
  }
  crits.ClearEvicted();
}

}  // namespace

double ConfigWeight(TConfiguration& c, const TMech& m) {
  // Targeting computers follow the weapons they serve before anything is summed.
  UpdateTargetingComputers(c, m);
  if (c.Parent && m.IsOmni()) UpdateTargetingComputers(*c.Parent, m);
  double equipment = 0.0, energy = 0.0;
  std::array<double, 4> turretMounted{};  // by the low bits of the turret code: 0 head, 2 right, 3 left
  auto add = [&](const TWeaponList& items) {
    for (const auto& item : items) {
      equipment += item->Tons;
      if (item->SaveNum < kFirstBallisticId || m.Equipment->Is(item->SaveNum, ECode::Laser_AMS))
        energy += item->Tons;
      if (item->Location & lcTurret)
        turretMounted[static_cast<std::size_t>(item->Location & 3)] += item->Tons;
    }
  };
  add(c.Items);
  // An Omni alternate carries the fixed configuration's equipment as well.
  if (c.Parent && m.IsOmni()) add(c.Parent->Items);

  double turret = 0.0;
  for (std::size_t t : {0u, 2u, 3u}) turret += CeilHalfTon(turretMounted[t] * 0.1);
  double caseWeight = 0.0;
  for (std::uint8_t kind : c.CaseKind) {
    if (kind == caseIS || kind == caseClan2) caseWeight += 0.5;
    if (kind == caseIS2) caseWeight += 1.0;
  }
  c.EquipmentWeight = equipment;
  c.SuperchargerWeight = c.SuperchargerLocation() != scNone ? CeilHalfTon(m.Weights[wEngine] * 0.1) : 0.0;
  c.PowerAmpWeight = m.EngineType == etICE ? static_cast<double>(Ceil(energy * 0.1)) : 0.0;
  c.TurretWeight = turret;
  c.CaseWeight = caseWeight;
  c.ArmouredWeight = c.Crits.ArmouredWeight();
  c.TotalWeight =
      equipment + caseWeight + turret + c.PowerAmpWeight + c.SuperchargerWeight + c.ArmouredWeight;
  return c.TotalWeight;
}

int JumpMPCap(const TMech& m, bool improvedJets) { return improvedJets ? m.RunMP : m.WalkMP; }

TRulesReport Recalculate(TMech& m, int request) {
  TRulesReport report;
  if (request & rqChassis) {
    KeepCodesInRange(m);
    // The configuration is settled first: without the Omni option (which the
    // first rules level drops) only the fixed configuration is edited.
    if (!m.IsOmni() || m.RulesLevel == rlIS1) m.ConfigIndex = 0;
    m.SelectConfig(m.ConfigIndex);
    KeepCodesInRange(*m.Config);
    ApplyChassisRules(m);
    ApplyCase(*m.Config);
  } else if (request & rqCase) {
    ApplyCase(*m.Config);
  }
  MoveEvictedToBin(*m.Config, report);
  if (request & rqArmor) ApplyArmorRules(m);

  const double total = ConfigWeight(*m.Config, m);
  const auto& w = m.Weights;
  m.Weights[wFree] =
      m.Tonnage - (w[wStructure] + w[wEngine] + w[wJumpJets] + w[wHeatSinks] + w[wGyro] + w[wCockpit] +
                   w[wTargeting] + w[wArmor] + w[wJumpBoosters] + w[wLAM] + total);
  return report;
}

void NewDesign(TMech& m) {
  m.Clear();
  Recalculate(m, rqAll);
}

}  // namespace tfd
