#include "ratings/Cost.h"

#include <array>

#include "model/Mech.h"
#include "rules/ArmorRules.h"

namespace tfd {

namespace {

template <std::size_t N>
double PriceOf(const std::array<double, N>& prices, unsigned code) {
  return code < N ? prices[code] : 0.0;
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
  static constexpr std::array<double, 5> kPrice = {0.0, 50000.0, 175000.0, 50000.0, 175000.0};
  double sum = 0.0;
  for (std::uint8_t kind : c.CaseKind) sum += PriceOf(kPrice, kind);
  return sum;
}

double EngineCost(const TMech& m) {
  static constexpr std::array<double, 7> kPerRating = {5000.0,   20000.0, 100000.0, 10000.0,
                                                       1250.0,   20000.0, 100000.0};
  const double cost = m.EngineRating * PriceOf(kPerRating, m.EngineType) * m.Tonnage / 75.0;
  return m.EngineRating > 400 ? 2.0 * cost : cost;
}

// Armour is paid by the tonnage the design carries: each type's points at the
// weight the armour rules give them (by the half ton below level 3).
double ArmorCost(const TMech& m) {
  static constexpr std::array<double, kArmorTypeCount> kPerTon = {
      10000.0, 20000.0, 15000.0, 25000.0, 30000.0, 30000.0, 15000.0, 20000.0, 30000.0, 30000.0, 0.0};
  std::array<long, kArmorTypeCount> pointsByType{};
  for (int s = 0; s < kArmorSectionCount; ++s) {
    const std::uint8_t type = m.ArmorTypes[static_cast<std::size_t>(s)];
    if (type < kArmorTypeCount) pointsByType[type] += m.Armor[static_cast<std::size_t>(s)];
  }
  const bool level3 = IsLevel3(m.RulesLevel);
  double sum = 0.0;
  for (std::uint8_t type = 0; type < kArmorTypeCount; ++type)
    if (pointsByType[type] > 0)
      sum += CarriedArmorWeight(pointsByType[type], type, level3) * PriceOf(kPerTon, type);
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
  line[clJumpJets] = t * jumps * jumps * jumpPrice +
                     t * m.JumpBoosterMP * m.JumpBoosterMP * 150.0;
  line[clCase] = CaseCost(c);
  line[clSupercharger] = c.SuperchargerLocation() != scNone ? m.EngineRating * 10000.0 : 0.0;
  line[clPowerAmp] = c.PowerAmpWeight * 20000.0;
  line[clTurret] = c.TurretWeight * 10000.0;
  line[clOmni] = 0.0;
  c.ConfigCost = line[clArmActuators] + line[clHeatSinks] + line[clJumpJets] + line[clEquipment] +
                 line[clCase] + line[clSupercharger] + line[clPowerAmp] + line[clTurret];
}

void DesignCostLines(TMech& m) {
  static constexpr std::array<double, 5> kCockpit = {200000.0, 700000.0, 400000.0, 175000.0,
                                                     750000.0};
  static constexpr std::array<double, 5> kStructurePerTon = {400.0, 1600.0, 1600.0, 6400.0, 1600.0};
  static constexpr std::array<double, 4> kGyroPerTon = {300000.0, 400000.0, 500000.0, 750000.0};
  const double t = m.Tonnage;
  auto& part = m.CostParts;
  part[cpCockpitCost] = PriceOf(kCockpit, m.CockpitType);
  part[cpLifeSupport] = 50000.0;
  const double sensorsPerTon = m.TargetingType == tgVariableRange ? 10000.0
                               : m.TargetingType == tgMultiTrac2  ? 5000.0
                                                                  : 2000.0;
  part[cpSensors] = t * sensorsPerTon;
  part[cpMusculature] = t * 2000.0;
  part[cpStructureCost] = t * PriceOf(kStructurePerTon, m.StructureType);
  part[cpLegActuators] = t * 700.0;
  part[cpEngineCost] = EngineCost(m);
  part[cpGyroCost] = m.Weights[wGyro] * PriceOf(kGyroPerTon, m.GyroType);
  part[cpArmorCost] = ArmorCost(m);
  part[cpMultiplier] = 1.0 + t * 0.01;
}

double TotalCost(const TMech& m, const TConfiguration& c) {
  double sum = 0.0;
  for (int i = cpCockpitCost; i <= cpArmorCost; ++i) sum += m.CostParts[static_cast<std::size_t>(i)];
  return (sum + c.ConfigCost + c.CostLines[clOmni]) * m.CostParts[cpMultiplier];
}

}  // namespace tfd
