#include "ratings/BattleValue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "model/Mech.h"
#include "model/Rounding.h"
#include "ratings/Ratings.h"
#include "rules/RulesPass.h"
#include "rules/RulesTables.h"

namespace tfd {

namespace {

// Artemis fire control and a targeting computer each add a fifth of the
// rating of the weapons they serve.
constexpr double kFireControlShare = 0.2;

// Explosive items cost this much each; ammunition this much per slot.
constexpr double kExplosivePoints = 20.0;

std::int16_t ToWord(long v) {
  return static_cast<std::int16_t>(std::clamp<long>(v, std::numeric_limits<std::int16_t>::min(),
                                                    std::numeric_limits<std::int16_t>::max()));
}

// Where an item is mounted, for pairing launchers with their fire control:
// body locations 0..7 (front and rear alike; a split item by its first
// location), the turrets 8..11, the BIN 12; -1 for a code that names none.
constexpr int kMountKeys = 13;
int MountKey(int code) {
  if (code >= 0 && code < lcTurret) return code & lcLocationMask;
  if (code >= lcTurret && code < lcTurret + 4) return 8 + (code & 3);
  if (code == lcBin) return 12;
  return -1;
}

// Locations where an explosion is not contained: head, centre torso and legs
// always; a side torso without CASE; an arm when neither it nor its torso has
// CASE; and every side location when losing a side torso wrecks the engine.
std::array<bool, kLocationCount> ExposedLocations(const TConfiguration& c, const TMech& m) {
  const bool fragile = m.EngineType == etXL || m.EngineType == etXXL || m.EngineType == etClanXXL;
  auto none = [&](int loc) { return c.CaseKind[static_cast<std::size_t>(loc)] == caseNone; };
  std::array<bool, kLocationCount> exposed;
  exposed.fill(true);
  exposed[locRightTorso] = fragile || none(locRightTorso);
  exposed[locLeftTorso] = fragile || none(locLeftTorso);
  exposed[locRightArm] = fragile || (none(locRightTorso) && none(locRightArm));
  exposed[locLeftArm] = fragile || (none(locLeftTorso) && none(locLeftArm));
  return exposed;
}

// Whether an explosive item at a location code counts. Facing does not matter
// (a rear mount sits in the same location); a split item counts when either of
// its locations does; a turret item by the location its turret stands on; the
// BIN holds what is carried but not mounted.
bool IsExposed(int code, const std::array<bool, kLocationCount>& exposed) {
  if (code < 0) return false;
  if (code < lcSplit) return exposed[static_cast<std::size_t>(code & lcLocationMask)];
  if (code < lcTurret) {
    const int loc = code & lcLocationMask;
    return exposed[static_cast<std::size_t>(loc)] ||
           exposed[static_cast<std::size_t>(TCritAlloc::SecondaryOf(loc))];
  }
  if (code < lcTurret + 4) return exposed[static_cast<std::size_t>(code & 3)];
  return false;
}

// Heat sinks and jump jets carried as pods; `improved` is set by improved jets.
void CountPod(const TWeapon& item, const TEquipmentIndex& eq, int& sinks, int& jumps, bool& improved) {
  const std::int16_t id = item.SaveNum;
  const int slots = std::max<int>(0, item.Slots);
  if (eq.Is(id, ECode::HS))
    sinks += slots;
  else if (eq.Is(id, ECode::DoubleHS))
    sinks += id == eq.Id(techClan, ECode::DoubleHS) ? slots / 2 : slots / 3;
  else if (eq.Is(id, ECode::CompactHS))
    sinks += static_cast<int>(Round(item.Tons * 2.0 / 3.0));
  else if (eq.Is(id, ECode::LaserHS))
    sinks += slots / 2;
  else if (eq.Is(id, ECode::Jump_Jet))
    jumps += slots;
  else if (eq.Is(id, ECode::Imprvd_JJ)) {
    jumps += slots / 2;
    improved = true;
  }
}

template <typename F>
void ForEachItem(const TConfiguration& c, bool alternate, F&& visit) {
  if (alternate)
    for (const auto& item : c.Parent->Items) visit(*item, false);
  for (const auto& item : c.Items) visit(*item, alternate);
}

int MovementHeat(const TMech& m, int jumps) {
  if (jumps <= 0) return 2;
  if (m.JumpJetType == jjImproved) return jumps <= 6 ? 3 : static_cast<int>(Round(jumps * 0.5));
  return std::max(jumps, 3);
}

// Fire control: a targeting computer serves the direct-fire weapons it is
// sized for (those of its own list, and a pod computer the fixed weapons too);
// an Artemis system serves one launcher mounted in the same place, the
// launchers taking them in list order.
struct TFireControl {
  bool FixedTargeting = false, PodTargeting = false;
  std::array<int, kMountKeys> Artemis{};  // systems not yet taken, by mount
};

TFireControl FindFireControl(const TConfiguration& c, bool alternate, const TEquipmentIndex& eq) {
  TFireControl fc;
  ForEachItem(c, alternate, [&](const TWeapon& item, bool pod) {
    if (eq.Is(item.SaveNum, ECode::Targ_Comp)) (pod ? fc.PodTargeting : fc.FixedTargeting) = true;
    if (eq.Is(item.SaveNum, ECode::Artemis_IV) || eq.Is(item.SaveNum, ECode::Artemis_V)) {
      const int key = MountKey(item.Location);
      if (key >= 0) ++fc.Artemis[static_cast<std::size_t>(key)];
    }
  });
  return fc;
}

// What the items add up to: heat fired, the weapons' rating with the shares
// fire control gives, defensive equipment, explosive ammunition where it is
// exposed, pod heat sinks and jets, and the movement boosters carried.
struct TItemSums {
  bool Tsm = false, Masc = false, ImprovedPods = false;
  int Sinks = 0, Jumps = 0;
  long Heat = 0;
  double Weapons = 0.0, Defensive = 0.0, Explosive = 0.0, Artemis = 0.0, TargetingShare = 0.0;
};

long HeatFired(const TWeapon& item) {
  if (item.Location & lcRear) return 0;
  if (item.Options & woUltra) return 2L * item.Heat;
  if (item.Options & woStreak) return Round(item.Heat * 0.5);
  return item.Heat;
}

void AddOffensiveItem(const TWeapon& item, bool pod, TFireControl& fc, TItemSums& sum) {
  const double rated = (item.Location & lcRear) ? item.BV * 0.5 : item.BV;
  sum.Weapons += rated;
  if (item.IsAmmo()) return;
  const bool served = fc.PodTargeting || (fc.FixedTargeting && !pod);
  if (served && (item.Options & woDirectFire)) sum.TargetingShare += rated * kFireControlShare;
  if (item.Options & woUsesArtemis) {
    const int key = MountKey(item.Location);
    if (key >= 0 && fc.Artemis[static_cast<std::size_t>(key)] > 0) {
      --fc.Artemis[static_cast<std::size_t>(key)];
      sum.Artemis += rated * kFireControlShare;
    }
  }
}

TItemSums SumItems(const TConfiguration& c, const TMech& m, bool alternate, TFireControl fc) {
  const TEquipmentIndex& eq = *m.Equipment;
  const auto exposed = ExposedLocations(c, m);
  TItemSums sum;
  sum.Sinks = m.HeatSinks;
  sum.Jumps = m.JumpMP;
  ForEachItem(c, alternate, [&](const TWeapon& item, bool pod) {
    if (eq.Is(item.SaveNum, ECode::TSM)) sum.Tsm = true;
    if (eq.Is(item.SaveNum, ECode::MASC)) sum.Masc = true;
    sum.Heat += HeatFired(item);
    if (item.Options & woOffensive)
      AddOffensiveItem(item, pod, fc, sum);
    else
      sum.Defensive += item.BV;
    if (pod) CountPod(item, eq, sum.Sinks, sum.Jumps, sum.ImprovedPods);
    if ((item.Options & woExplosive) && IsExposed(item.Location, exposed))
      sum.Explosive += item.IsAmmo() ? kExplosivePoints * std::max<int>(0, item.Slots) : kExplosivePoints;
  });
  return sum;
}

// Heat beyond what the sinks take away costs defence, and the weapons fired
// past that point count at half.
void RateHeat(TConfiguration& c) {
  const double generated = static_cast<double>(c.WeaponHeat) + c.MovementHeat;
  const double dissipated = c.HeatEfficiency;
  const double base = c.BaseWeaponRating;
  if (dissipated < generated) {
    c.HeatModifier = (generated - dissipated) * 5.0;
    const double sustained = base * std::max(0.0, dissipated) / generated;
    c.ModifiedWeaponRating = sustained + (base - sustained) * 0.5;
  } else {
    c.HeatModifier = 0.0;
    c.ModifiedWeaponRating = base;
  }
}

// Movement: the better of running and jumping for defence, both for offence.
void RateMovement(TConfiguration& c, const TMech& m, int jumps, bool tsm, bool masc) {
  const bool level3 = IsLevel3(m.RulesLevel);
  const int walk = m.WalkMP;
  const int jump = std::max(jumps, static_cast<int>(m.JumpBoosterMP));
  const int run = tsm    ? static_cast<int>(Round((walk + 1) * 1.5))
                  : masc ? walk * 2
                         : static_cast<int>(Round(walk * 1.5));
  const int jumpModifier = jump > 0 ? TargetMovementModifier(jump, level3) + 1 : 0;
  c.MovementFactor = 1.0 + 0.1 * std::max(TargetMovementModifier(run, level3), jumpModifier);
  const int sprintBonus = (tsm || masc) ? 1 : 0;
  const double speed = (static_cast<double>(Round(walk * 1.5)) + jump + sprintBonus + 5) * 0.1;
  c.SpeedFactor = static_cast<double>(Round(std::pow(speed, 1.2) * 100.0)) * 0.01;
}

}  // namespace

TLoadoutCounts BattleFigures(TConfiguration& c, const TMech& m) {
  const bool alternate = IsAlternate(c, m);
  const TItemSums sum = SumItems(c, m, alternate, FindFireControl(c, alternate, *m.Equipment));

  // The jets carried are priced; the design jumps only as far as the rules
  // pass would let its own jump MP go.
  const int jumps = std::min(sum.Jumps, JumpMPCap(m, m.JumpJetType == jjImproved || sum.ImprovedPods));

  c.DefensiveEquipment = sum.Defensive;
  c.ExplosivePenalty = sum.Explosive;
  c.ArtemisRating = sum.Artemis;
  c.TargetingRating = sum.TargetingShare;
  // The two fire-control shares are part of the base weapon rating, so the
  // window's "Offensive Equipment" line is the weapons' own rating.
  c.BaseWeaponRating = sum.Weapons + sum.TargetingShare + sum.Artemis;
  c.WeaponHeat = ToWord(sum.Heat);
  c.HeatSinkCount = ToWord(sum.Sinks);
  c.JumpCount = ToWord(jumps);
  c.HeatEfficiency = ToWord(HeatSinksDissipateTwice(m.HeatSinkType) ? 2L * sum.Sinks : sum.Sinks);
  c.MovementHeat = ToWord(MovementHeat(m, jumps));
  RateHeat(c);
  RateMovement(c, m, jumps, sum.Tsm, sum.Masc);

  // A design cannot be worth less than nothing on defence.
  const double defence = m.BVArmorFactor + m.BVStructureFactor + m.Tonnage + c.DefensiveEquipment -
                         (c.ExplosivePenalty + c.HeatModifier);
  c.DefensiveRating = std::max(0.0, defence * c.MovementFactor);
  c.OffensiveRating = c.ModifiedWeaponRating * c.SpeedFactor;

  return {sum.Sinks, sum.Jumps};
}

}  // namespace tfd
