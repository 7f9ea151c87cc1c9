#include "rules/RulesPass.h"

#include <algorithm>

#include "model/Mech.h"
#include "model/Rounding.h"
#include "rules/ArmorRules.h"
#include "rules/RulesTables.h"
#include "rules/TargetingComputer.h"

namespace tfd {

namespace {

template <typename T>
void Replace(T& field, std::initializer_list<std::pair<int, int>> table) {
  for (const auto& [from, to] : table)
    if (field == from) {
      field = static_cast<T>(to);
      return;
    }
}

bool KnownRulesLevel(std::uint8_t level) {
  return level == rlIS1 || level == rlIS2 || level == rlIS3 || level == rlClan2 ||
         level == rlClan3 || level == rlMixed3;
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
struct CaseRule { std::uint8_t head, torso, limb; };
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
  const std::uint8_t kept = location == locHead ? rule.head
                            : location <= locLeftTorso ? rule.torso
                                                       : rule.limb;
  return (kept & (1u << kind)) != 0;
}

namespace {

// Step 3: what each rules level allows.
void NormaliseToRulesLevel(TMech& m) {
  TConfiguration& c = *m.Config;
  switch (m.RulesLevel) {
    case rlIS1:
      m.Options &= static_cast<std::uint8_t>(~(optLAM | optOmni | optUtility));
      m.StructureType = m.EngineType = m.HeatSinkType = 0;
      m.JumpJetType = m.GyroType = m.TargetingType = m.CockpitType = 0;
      m.MiscFlags = 0;
      c.Turret = trNone;
      m.ArmorType = atStandard;
      m.JumpBoosterMP = 0;
      break;
    case rlIS2:
      m.Options &= static_cast<std::uint8_t>(~(optLAM | optUtility));
      Replace(m.StructureType, {{2, 0}, {3, 0}, {4, 1}});
      Replace(m.EngineType, {{2, 1}, {3, 0}, {4, 0}, {5, 1}, {6, 1}});
      Replace(m.HeatSinkType, {{2, 0}, {3, 1}, {4, 1}});
      m.JumpJetType = m.GyroType = m.TargetingType = m.CockpitType = 0;
      m.MiscFlags = 0;
      c.Turret = trNone;
      Replace(m.ArmorType, {{2, 1}, {3, 1}, {4, 0}, {5, 0}, {6, 0}, {7, 1}, {8, 0}, {9, 0}, {10, 0}});
      m.JumpBoosterMP = 0;
      break;
    case rlIS3:
      Replace(m.StructureType, {{4, 1}});
      Replace(m.EngineType, {{5, 1}, {6, 2}});
      Replace(m.HeatSinkType, {{3, 1}, {4, 1}});
      Replace(m.CockpitType, {{2, 0}});
      Replace(m.ArmorType, {{7, 1}, {8, 4}, {9, 5}});
      break;
    case rlClan2:
      m.Options &= static_cast<std::uint8_t>(~(optLAM | optUtility));
      Replace(m.StructureType, {{1, 4}, {2, 0}, {3, 0}});
      Replace(m.EngineType, {{1, 5}, {2, 5}, {3, 0}, {4, 0}, {6, 5}});
      Replace(m.HeatSinkType, {{1, 4}, {2, 0}, {3, 4}});
      m.JumpJetType = m.GyroType = m.TargetingType = m.CockpitType = 0;
      m.MiscFlags = 0;
      c.Turret = trNone;
      Replace(m.ArmorType, {{1, 7}, {2, 7}, {3, 7}, {4, 0}, {5, 0}, {6, 0}, {8, 0}, {9, 0}, {10, 0}});
      m.JumpBoosterMP = 0;
      break;
    case rlClan3:
      Replace(m.StructureType, {{1, 4}});
      Replace(m.EngineType, {{1, 5}, {2, 6}});
      if (m.EngineType == etICE && !(m.Options & optUtility)) m.EngineType = etFusion;
      Replace(m.HeatSinkType, {{1, 4}, {2, 0}});
      Replace(m.CockpitType, {{1, 0}});
      m.MiscFlags &= static_cast<std::int16_t>(~mfNullSignature);
      Replace(m.ArmorType, {{1, 7}, {4, 8}, {5, 9}});
      break;
    default:  // Mixed/Custom Level 3 changes nothing
      break;
  }
  NormaliseCase(c, m.RulesLevel);
}

// Step 8: slots usable per location class.
void SetSlotLimits(TMech& m) {
  std::uint8_t side = 12, arm = 12, leg = 6;
  if (m.MiscFlags & mfLimiting) {
    const int t = m.Tonnage;
    if (t <= 15) { side = 9; arm = 9; leg = 5; }
    else if (t <= 35) { side = 10; arm = 10; leg = 6; }
    else if (t <= 55) { side = 11; arm = 11; leg = 6; }
    else if (t <= 75) { side = 12; arm = 11; leg = 6; }
  }
  if (m.IsQuad()) {
    arm = leg;
    m.MiscFlags &= static_cast<std::int16_t>(~mfArmless);
    m.Config->Actuators = {1, 1, 1, 1};
  }
  m.SlotLimits = {6, 12, side, arm, leg};
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
  crits.SetSupercharger(scNone);
  crits.SetTurret(trNone);
  crits.SetNullSignature(false);
  for (int loc = 0; loc < kLocationCount; ++loc) crits.SetCase(loc, caseNone);
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

// Step 23: a crowded centre torso has no room for a supercharger or head turret.
void ClearCrowdedCentreTorso(TMech& m, bool largeEngine) {
  TConfiguration& c = *m.Config;
  if ((largeEngine || m.GyroType == gyXL || m.CockpitType == cpTorsoMounted) &&
      m.EngineType != etCompact && m.GyroType != gyCompact) {
    if (c.SuperchargerLocation() != scNone) {
      c.SetSuperchargerLocation(scNone);
      m.SuperRunMP = m.SuperSprintMP = 0;
    }
    if (c.Turret == trHead) c.Turret = trNone;
  }
}

// Step 24: arm actuators, gyro, engine, targeting, supercharger, jump
// boosters, turret, Limiting, quad, Null-Signature System (dropped when it does
// not fit); CASE follows in step 25.
void LayFixedItems(TMech& m, bool largeEngine) {
  TConfiguration& c = *m.Config;
  TCritAlloc& crits = c.Crits;
  crits.SetActuators(c.Actuators);
  crits.SetGyro(m.GyroType);
  crits.SetEngine(m.EngineType, largeEngine);
  crits.SetTargeting(m.TargetingType);
  crits.SetSupercharger(c.SuperchargerLocation());
  crits.SetJumpBoosters(m.JumpBoosterMP > 0);
  crits.SetTurret(c.Turret);
  crits.SetLimiting((m.MiscFlags & mfLimiting) != 0);
  crits.SetQuad(m.IsQuad());
  if (!crits.SetNullSignature((m.MiscFlags & mfNullSignature) != 0)) {
    m.MiscFlags &= static_cast<std::int16_t>(~mfNullSignature);
    crits.SetNullSignature(false);
  }
}

// Steps 1 to 24: the chassis.
void ApplyChassisRules(TMech& m) {
  TConfiguration& c = *m.Config;
  const bool level3 = IsLevel3(m.RulesLevel);

  // 1. Tonnage.
  int tons = m.Tonnage - m.Tonnage % 5;
  tons = std::clamp(tons, level3 ? 10 : 20, 100);
  m.Tonnage = static_cast<std::uint8_t>(tons);

  // 2, 3. What the rules level allows.
  if (!level3) {
    m.MiscFlags = 0;
    c.SetSuperchargerLocation(scNone);
  }
  NormaliseToRulesLevel(m);

  // 4 to 6. Options.
  if (m.Options & optLAM) {
    if (m.EngineType == etICE) m.EngineType = etFusion;
    if (m.JumpMP == 0) m.JumpMP = 1;
  }
  if (m.EngineType == etICE) m.JumpMP = 0;
  if (m.Options & (optLAM | optQuad)) m.MiscFlags &= static_cast<std::int16_t>(~mfArmless);
  if (m.IsOmni()) {
    auto plain = [](std::uint8_t& t) { Replace(t, {{atReactive, 0}, {atHardened, 0}, {atClanReactive, 0}}); };
    plain(m.ArmorType);
    if (m.ArmorType == atPatchwork)
      for (auto& t : m.ArmorTypes) plain(t);
  }
  if (m.Tonnage >= 56) m.Options &= static_cast<std::uint8_t>(~optLAM);
  if (m.Tonnage < 60 && m.CockpitType == cpCommandConsole) m.CockpitType = cpStandard;

  // 7, 8. Actuators and slot limits.
  auto& act = c.Actuators;  // right hand, right lower arm, left hand, left lower arm
  if (m.IsQuad()) act = {1, 1, 1, 1};
  if (m.MiscFlags & mfArmless) act = {0, 0, 0, 0};
  if (!act[1]) act[0] = 0;
  if (!act[3]) act[2] = 0;
  SetSlotLimits(m);

  // 9 to 11. Internal structure.
  double structure = m.Tonnage * StructureFactor(m.StructureType);
  if (m.Options & optUtility) structure *= 2.0;
  m.Structure = StructureRow(m.Tonnage);
  if (m.IsQuad()) m.Structure[bsArm] = m.Structure[bsLeg];
  if (m.MiscFlags & mfArmless) {
    m.Structure[bsArm] = 0;
    m.Armor[asRightArm] = m.Armor[asLeftArm] = 0;
  }
  m.Weights[wStructure] = level3 ? structure : RoundHalfTon(structure);

  // 12, 13. Engine.
  const int limit = !level3 ? 400 : (m.EngineType == etCompact ? 400 : 500);
  if (m.Tonnage * m.WalkMP > limit) m.WalkMP = static_cast<std::uint8_t>(limit / m.Tonnage);
  m.EngineRating = static_cast<std::int16_t>(m.Tonnage * m.WalkMP);
  const double engine = EngineWeight(m);
  m.Weights[wEngine] = level3 ? engine : RoundHalfTon(engine);

  // 14 to 16. Movement. The legs' armour type is the one the armour rules
  // will give them, so a pass never depends on the previous one.
  const int walk = m.WalkMP;
  int run = static_cast<int>(Round(1.5 * walk)), sprint = 2 * walk;
  int superRun = 0, superSprint = 0;
  if (c.SuperchargerLocation() != scNone) {
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

  // 17. Jump jets.
  const double perJet = m.Tonnage <= 55 ? 0.5 : (m.Tonnage <= 85 ? 1.0 : 2.0);
  m.Weights[wJumpJets] = m.JumpMP * perJet * (m.JumpJetType == jjImproved ? 2.0 : 1.0);

  // 18. Heat sinks: ten come free with a fusion engine.
  const bool ice = m.EngineType == etICE;
  if (!ice && m.HeatSinks < 10) m.HeatSinks = 10;
  const int weighed = ice ? m.HeatSinks : m.HeatSinks - 10;
  m.Weights[wHeatSinks] = weighed * (m.HeatSinkType == hsCompact ? 1.5 : 1.0);
  const bool doubled = m.HeatSinkType == hsDouble || m.HeatSinkType == hsLaser ||
                       m.HeatSinkType == hsClanDouble;
  m.Dissipation = static_cast<std::uint8_t>(std::min(255, m.HeatSinks * (doubled ? 2 : 1)));

  // 19, 20. Gyro and cockpit rules that need no slots.
  const bool largeEngine = m.EngineRating > 400;
  if (m.GyroType == gyXL && largeEngine) m.GyroType = gyStandard;
  if (m.CockpitType == cpTorsoMounted && largeEngine && m.GyroType != gyCompact)
    m.CockpitType = cpStandard;

  // 20, 23, 24. The slots. Equipment that a chassis item pushes out frees
  // slots that items laid before it may want (a torso cockpit's life support,
  // a hand actuator), so then everything is laid once more; the second round
  // only finds more room, so it pushes nothing out.
  TCritAlloc& crits = c.Crits;
  crits.Tonnage = m.Tonnage;
  for (int round = 0; round < 3; ++round) {
    const int evictedBefore = crits.EvictedCount();
    // An alternate carries the fixed equipment first: pods make way for it.
    if (c.Parent && m.IsOmni())
      crits.LayParentEquipment([&c](const TWeapon* w) { return c.Items.IndexOf(w) >= 0; });
    LayCentreItems(m, largeEngine);
    ClearCrowdedCentreTorso(m, largeEngine);
    LayFixedItems(m, largeEngine);
    if (crits.EvictedCount() == evictedBefore) break;
  }
  m.Weights[wGyro] = ((m.EngineRating + 99) / 100) * GyroFactor(m.GyroType);
  m.Weights[wCockpit] = CockpitWeight(m.CockpitType);

  // 21, 22. Targeting, jump boosters, LAM conversion.
  m.Weights[wTargeting] =
      (m.TargetingType == tgVariableRange || m.TargetingType == tgMultiTrac2) ? 0.5 : 0.0;
  m.Weights[wJumpBoosters] = RoundHalfTon(m.Tonnage * 0.05 * m.JumpBoosterMP);
  m.Weights[wLAM] = (m.Options & optLAM) ? m.Tonnage * 0.1 : 0.0;
  m.Weights[wReserved1] = m.Weights[wReserved2] = 0.0;
}

// Step 25: CASE that does not fit is dropped.
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
      if (item->Location & lcTurret) turretMounted[static_cast<std::size_t>(item->Location & 3)] += item->Tons;
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
  c.SuperchargerWeight =
      c.SuperchargerLocation() != scNone ? CeilHalfTon(m.Weights[wEngine] * 0.1) : 0.0;
  c.PowerAmpWeight = m.EngineType == etICE ? static_cast<double>(Ceil(energy * 0.1)) : 0.0;
  c.TurretWeight = turret;
  c.CaseWeight = caseWeight;
  c.ArmouredWeight = c.Crits.ArmouredWeight();
  c.TotalWeight = equipment + caseWeight + turret + c.PowerAmpWeight + c.SuperchargerWeight +
                  c.ArmouredWeight;
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
  m.Weights[wFree] = m.Tonnage - (w[wStructure] + w[wEngine] + w[wJumpJets] + w[wHeatSinks] +
                                  w[wGyro] + w[wCockpit] + w[wTargeting] + w[wArmor] +
                                  w[wJumpBoosters] + w[wLAM] + total);
  return report;
}

}  // namespace tfd
