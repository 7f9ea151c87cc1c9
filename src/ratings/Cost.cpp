#include "ratings/Cost.h"

#include <array>

#include "model/Mech.h"
#include "rules/ArmorRules.h"

namespace tfd {

namespace {

// Prices by component kind; a code no kind has costs nothing.
double CasePrice(std::uint8_t kind) {
  switch (kind) {
    case caseIS:
    case caseClan: return 50000.0;
    case caseIS2:
    case caseClan2: return 175000.0;
    default: return 0.0;
  }
}

double EnginePricePerRating(std::uint8_t type) {
  switch (type) {
    case etFusion: return 5000.0;
    case etXL:
    case etClanXL: return 20000.0;
    case etXXL:
    case etClanXXL: return 100000.0;
    case etCompact: return 10000.0;
    case etICE: return 1250.0;
    default: return 0.0;
  }
}

double ArmorPricePerTon(std::uint8_t type) {
  switch (type) {
    case atStandard: return 10000.0;
    case atFerroFibrous:
    case atClanFF: return 20000.0;
    case atLightFF:
    case atHardened: return 15000.0;
    case atHeavyFF: return 25000.0;
    case atLaserReflective:
    case atReactive:
    case atClanLaserReflective:
    case atClanReactive: return 30000.0;
    default: return 0.0;  // patchwork: each section by its own type
  }
}

double CockpitPrice(std::uint8_t type) {
  switch (type) {
    case cpStandard: return 200000.0;
    case cpCommandConsole: return 700000.0;
    case cpEnhancedImaging: return 400000.0;
    case cpSmall: return 175000.0;
    case cpTorsoMounted: return 750000.0;
    default: return 0.0;
  }
}

double StructurePricePerTon(std::uint8_t type) {
  switch (type) {
    case stStandard: return 400.0;
    case stEndoSteel:
    case stComposite:
    case stClanEndoSteel: return 1600.0;
    case stReinforced: return 6400.0;
    default: return 0.0;
  }
}

double GyroPricePerTon(std::uint8_t type) {
  switch (type) {
    case gyStandard: return 300000.0;
    case gyCompact: return 400000.0;
    case gyHeavyDuty: return 500000.0;
    case gyXL: return 750000.0;
    default: return 0.0;
  }
}

double ArmActuatorCost(const TConfiguration& c, const TMech& m) {
  const double t = m.Tonnage;
  if (m.MiscFlags & mfArmless) return 0.0;
  if (m.IsQuad()) return t * 700.0;
  const auto& a = c.Actuators;  // right hand, right lower arm, left hand, left lower arm
  return t * 200.0 + t * 80.0 * ((a[0] ? 1 : 0) + (a[2] ? 1 : 0)) +
         t * 50.0 * ((a[1] ? 1 : 0) + (a[3] ? 1 : 0));
}

double HeatSinkCost(std::uint8_t type, int count) {
  switch (type) {
    case hsSingle: return count > 10 ? (count - 10) * 2000.0 : 0.0;
    case hsCompact: return count * 3000.0;
    default: return count * 6000.0;  // double, laser and Clan double
  }
}

double CaseCost(const TConfiguration& c) {
  double sum = 0.0;
  for (std::uint8_t kind : c.CaseKind) sum += CasePrice(kind);
  return sum;
}

double EngineCost(const TMech& m) {
  const double cost = m.EngineRating * EnginePricePerRating(m.EngineType) * m.Tonnage / 75.0;
  return m.EngineRating > 400 ? 2.0 * cost : cost;
}

// Armour is paid by the tonnage the design carries: each type's points at the
// weight the armour rules give them (by the half ton below level 3).
double ArmorCost(const TMech& m) {
  std::array<long, kArmorTypeCount> pointsByType{};
  for (int s = 0; s < kArmorSectionCount; ++s) {
    const std::uint8_t type = m.ArmorTypes[static_cast<std::size_t>(s)];
    if (type < kArmorTypeCount) pointsByType[type] += m.Armor[static_cast<std::size_t>(s)];
  }
  const bool level3 = IsLevel3(m.RulesLevel);
  double sum = 0.0;
  for (std::uint8_t type = 0; type < kArmorTypeCount; ++type)
    if (pointsByType[type] > 0)
      sum += CarriedArmorWeight(pointsByType[type], type, level3) * ArmorPricePerTon(type);
  return sum;
}

}  // namespace

void ConfigCostLines(TConfiguration& c, const TMech& m, int heatSinks, int jumps) {
  const double t = m.Tonnage;
  auto& line = c.CostLines;
  // Heat sinks and jump jets are priced on their own lines by their counts,
  // which include the ones placed as items; their items are not priced again.
  const TEquipmentIndex& eq = *m.Equipment;
  double equipment = 0.0;
  for (const auto& item : c.Items) {
    const std::int16_t id = item->SaveNum;
    if (eq.Is(id, ECode::HS) || eq.Is(id, ECode::DoubleHS) || eq.Is(id, ECode::CompactHS) ||
        eq.Is(id, ECode::LaserHS) || eq.Is(id, ECode::Jump_Jet) || eq.Is(id, ECode::Imprvd_JJ))
      continue;
    equipment += item->Cost;
  }
  line[clEquipment] = equipment;
  line[clArmActuators] = ArmActuatorCost(c, m);
  line[clHeatSinks] = HeatSinkCost(m.HeatSinkType, heatSinks);
  const double jumpPrice = m.JumpJetType == jjImproved ? 500.0 : 200.0;
  line[clJumpJets] = t * jumps * jumps * jumpPrice + t * m.JumpBoosterMP * m.JumpBoosterMP * 150.0;
  line[clCase] = CaseCost(c);
  line[clSupercharger] = c.SuperchargerLocation() != scNone ? m.EngineRating * 10000.0 : 0.0;
  line[clPowerAmp] = c.PowerAmpWeight * 20000.0;
  line[clTurret] = c.TurretWeight * 10000.0;
  line[clOmni] = 0.0;
  c.ConfigCost = line[clArmActuators] + line[clHeatSinks] + line[clJumpJets] + line[clEquipment] +
                 line[clCase] + line[clSupercharger] + line[clPowerAmp] + line[clTurret];
}

void DesignCostLines(TMech& m) {
  const double t = m.Tonnage;
  auto& part = m.CostParts;
  part[cpCockpitCost] = CockpitPrice(m.CockpitType);
  part[cpLifeSupport] = 50000.0;
  const double sensorsPerTon = m.TargetingType == tgVariableRange ? 10000.0
                               : m.TargetingType == tgMultiTrac2  ? 5000.0
                                                                  : 2000.0;
  part[cpSensors] = t * sensorsPerTon;
  part[cpMusculature] = t * 2000.0;
  part[cpStructureCost] = t * StructurePricePerTon(m.StructureType);
  part[cpLegActuators] = t * 700.0;
  part[cpEngineCost] = EngineCost(m);
  part[cpGyroCost] = m.Weights[wGyro] * GyroPricePerTon(m.GyroType);
  part[cpArmorCost] = ArmorCost(m);
  part[cpMultiplier] = 1.0 + t * 0.01;
}

double TotalCost(const TMech& m, const TConfiguration& c) {
  double sum = 0.0;
  for (int i = cpCockpitCost; i <= cpArmorCost; ++i) sum += m.CostParts[static_cast<std::size_t>(i)];
  return (sum + c.ConfigCost + c.CostLines[clOmni]) * m.CostParts[cpMultiplier];
}

}  // namespace tfd
