#include "rules/ArmorRules.h"

#include <algorithm>

#include "model/Mech.h"
#include "model/Rounding.h"
#include "rules/RulesPass.h"
#include "rules/RulesTables.h"

namespace tfd {

namespace {

constexpr int kHeadCap = 9;

// The left and right sections each mirror bit joins: side-torso front, side-torso rear, arms, legs.
struct MirrorPair {
  std::uint8_t bit, right, left;
};
constexpr MirrorPair kMirrorPairs[] = {
    {1, asRightTorso, asLeftTorso},
    {2, asRightTorsoRear, asLeftTorsoRear},
    {4, asRightArm, asLeftArm},
    {8, asRightLeg, asLeftLeg},
};

// Front plus rear may not exceed twice the structure. An odd excess first
// costs the rear one point (the front when the rear is empty); then the rear
// gives half the rest, or all it has if that is less, and the front the remainder.
// So the rear keeps what the front cannot give, front plus rear always fit.
void CapTorso(std::uint8_t& front, std::uint8_t& rear, int structure) {
  int f = front, r = rear;
  int excess = f + r - 2 * structure;
  if (excess <= 0) return;
  if (excess % 2 != 0) {
    if (r > 0)
      --r;
    else
      --f;
    --excess;
  }
  const int half = excess / 2;
  if (r > half) {
    r -= half;
    excess -= half;
  } else {
    excess -= r;
    r = 0;
  }
  f -= excess;
  if (f < 0) {  // a front too thin for the rest: the rear gives what is left
    r = std::max(0, r + f);
    f = 0;
  }
  front = static_cast<std::uint8_t>(f);
  rear = static_cast<std::uint8_t>(r);
}

void Cap(std::uint8_t& value, int cap) {
  if (value > cap) value = static_cast<std::uint8_t>(std::max(0, cap));
}

std::uint8_t ToPoints(long points) { return static_cast<std::uint8_t>(std::clamp(points, 0L, 255L)); }

}  // namespace

double ArmorWeight(double points, std::uint8_t type) {
  const double perTon = ArmorPointsPerTon(type);
  return perTon > 0.0 ? points / perTon : 0.0;
}

long ArmorPointsFor(double tons, std::uint8_t type) { return Round(tons * ArmorPointsPerTon(type)); }

double CarriedArmorWeight(long points, std::uint8_t type, bool level3) {
  const double weight = ArmorWeight(static_cast<double>(points), type);
  if (level3) return weight;
  const double low = static_cast<double>(Floor(2.0 * weight)) / 2.0;
  return ArmorPointsFor(low, type) == points ? low : CeilHalfTon(weight);
}

void ApplyArmorRules(TMech& m) {
  auto& a = m.Armor;
  if (m.ArmorType != atPatchwork) m.ArmorTypes.fill(m.ArmorType);

  for (const MirrorPair& p : kMirrorPairs)
    if ((m.ArmorMirror & p.bit) && a[p.right] != a[p.left])
      a[p.right] = a[p.left] = static_cast<std::uint8_t>((a[p.right] + a[p.left]) / 2);

  const auto& s = m.Structure;
  m.MaxArmor = static_cast<std::int16_t>(3 * s[bsHead] + 2 * s[bsCenterTorso] + 4 * s[bsSideTorso] +
                                         4 * s[bsArm] + 4 * s[bsLeg]);

  Cap(a[asHead], kHeadCap);
  CapTorso(a[asCenterTorso], a[asCenterTorsoRear], s[bsCenterTorso]);
  CapTorso(a[asRightTorso], a[asRightTorsoRear], s[bsSideTorso]);
  CapTorso(a[asLeftTorso], a[asLeftTorsoRear], s[bsSideTorso]);
  for (int i : {asRightArm, asLeftArm}) Cap(a[i], 2 * s[bsArm]);
  for (int i : {asRightLeg, asLeftLeg}) Cap(a[i], 2 * s[bsLeg]);

  // The torso caps can leave a mirrored side-torso pair unequal (when only its
  // front or only its rear is mirrored); both take the smaller value, which
  // keeps them within the caps and the next pass unchanged.
  for (const MirrorPair& p : kMirrorPairs)
    if ((m.ArmorMirror & p.bit) && a[p.right] != a[p.left])
      a[p.right] = a[p.left] = std::min(a[p.right], a[p.left]);

  int points = 0;
  for (std::uint8_t v : a) points += v;
  m.ArmorPoints = static_cast<std::int16_t>(points);

  double weight = 0.0;
  const bool level3 = IsLevel3(m.RulesLevel);
  if (m.ArmorType == atPatchwork) {
    for (int i = 0; i < kArmorSectionCount; ++i) weight += ArmorWeight(a[i], m.ArmorTypes[i]);
    // Below level 3 mixed types are bought together, up to the next half ton.
    if (!level3) weight = CeilHalfTon(weight);
  } else {
    weight = CarriedArmorWeight(points, m.ArmorType, level3);
  }
  // The factor is what the carried tonnage buys.
  m.ArmorFactor = static_cast<std::int16_t>(level3 ? m.ArmorPoints : ArmorPointsFor(weight, m.ArmorType));
  m.Weights[wArmor] = weight;
}

void DistributeArmor(TMech& m, int percent) {
  percent = std::clamp(percent, 0, 100);
  Recalculate(m, rqArmor);
  const int maxArmor = m.MaxArmor;
  const long target = Round(maxArmor * percent * 0.01);
  const long head = percent == 100 ? kHeadCap : std::min<long>(Round(target * 0.1), kHeadCap);
  const long body = std::max(0L, std::min<long>(maxArmor - kHeadCap, target - head));
  const int ratio = m.TorsoRatioFront + m.TorsoRatioRear;
  // Without a ratio the torsos take the usual three parts front to one rear.
  const double frontShare = ratio > 0 ? static_cast<double>(m.TorsoRatioFront) / ratio : 0.75;
  const int bodyMax = maxArmor - kHeadCap;
  auto share = [&](int structure) {
    return bodyMax > 0 ? Round(2.0 * structure / bodyMax * static_cast<double>(body)) : 0L;
  };

  auto& a = m.Armor;
  const auto& s = m.Structure;
  a[asHead] = ToPoints(head);
  const long ct = share(s[bsCenterTorso]);
  const long ctFront = Round(frontShare * static_cast<double>(ct));
  a[asCenterTorso] = ToPoints(ctFront);
  a[asCenterTorsoRear] = ToPoints(ct - ctFront);
  const long st = share(s[bsSideTorso]);
  const long stFront = Round(frontShare * static_cast<double>(st));
  a[asRightTorso] = a[asLeftTorso] = ToPoints(stFront);
  a[asRightTorsoRear] = a[asLeftTorsoRear] = ToPoints(st - stFront);
  a[asRightArm] = a[asLeftArm] = ToPoints(share(s[bsArm]));
  a[asRightLeg] = a[asLeftLeg] = ToPoints(share(s[bsLeg]));
  Recalculate(m, rqArmor);
}

}  // namespace tfd
