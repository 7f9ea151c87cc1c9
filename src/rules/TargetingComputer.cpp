#include "rules/TargetingComputer.h"

#include <algorithm>

#include "model/Mech.h"
#include "model/Rounding.h"
#include "model/Weapon.h"

namespace tfd {

namespace {

constexpr double kTonsServedPerTon = 4.0;
constexpr double kTonsServedPerTonClan = 5.0;
constexpr double kCostPerTon = 10000.0;
// Weights are sums of halves and quarters held in floating point: a sum a
// hair above a whole multiple must not buy another ton.
constexpr double kTolerance = 1e-9;

void AddDirectFire(const TWeaponList& items, const TMech& m, double& tons) {
  for (const auto& item : items)
    if ((item->Options & woDirectFire) && !item->IsAmmo() && !IsTargetingComputer(m, item->SaveNum))
      tons += std::max(0.0, item->Tons);
}

bool IsPlaced(const TWeapon& item) { return item.Location >= 0 && item.Location != lcBin; }

}  // namespace

bool IsTargetingComputer(const TMech& m, int saveNum) {
  return m.Equipment->Is(static_cast<std::int16_t>(saveNum), ECode::Targ_Comp);
}

bool IsClanTargetingComputer(const TMech& m, int saveNum) {
  return saveNum != 0 && saveNum == m.Equipment->Id(techClan, ECode::Targ_Comp);
}

double DirectFireTonnage(const TConfiguration& c, const TMech& m) {
  double tons = 0.0;
  AddDirectFire(c.Items, m, tons);
  if (c.Parent && m.IsOmni()) AddDirectFire(c.Parent->Items, m, tons);
  return tons;
}

double TargetingComputerWeight(double directFireTons, bool clan) {
  if (!(directFireTons > 0.0)) return 0.0;
  const double served = clan ? kTonsServedPerTonClan : kTonsServedPerTon;
  return static_cast<double>(Ceil(directFireTons / served - kTolerance));
}

int TargetingComputerSlots(double weight) {
  return static_cast<int>(std::clamp<long>(Ceil(weight - kTolerance), 1, 255));
}

double TargetingComputerCost(double weight) { return weight * kCostPerTon; }

void UpdateTargetingComputers(TConfiguration& c, const TMech& m) {
  const double served = DirectFireTonnage(c, m);
  for (const auto& item : c.Items) {
    if (!IsTargetingComputer(m, item->SaveNum)) continue;
    item->Tons = TargetingComputerWeight(served, IsClanTargetingComputer(m, item->SaveNum));
    item->Cost = TargetingComputerCost(item->Tons);
  }
}

std::vector<TTargetingSlotMismatch> TargetingSlotMismatches(const TConfiguration& c, const TMech& m) {
  std::vector<TTargetingSlotMismatch> found;
  const double served = DirectFireTonnage(c, m);
  for (const auto& item : c.Items) {
    if (!IsTargetingComputer(m, item->SaveNum) || !IsPlaced(*item)) continue;
    const bool clan = IsClanTargetingComputer(m, item->SaveNum);
    const int needed = TargetingComputerSlots(TargetingComputerWeight(served, clan));
    if (item->Slots != needed) found.push_back({item.get(), needed, item->Slots});
  }
  return found;
}

std::string TargetingSlotMessage(const TTargetingSlotMismatch& mismatch) {
  auto slots = [](int n) { return std::to_string(n) + (n == 1 ? " slot" : " slots"); };
  return "Targeting Computer needs " + slots(mismatch.Needed) + ", has " + std::to_string(mismatch.Placed);
}

}  // namespace tfd
