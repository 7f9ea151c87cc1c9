#include "rules/Validation.h"

#include <algorithm>
#include <cstdio>

#include "model/Mech.h"
#include "rules/TargetingComputer.h"

namespace tfd {

namespace {

// Weights are sums of halves and quarters, or unrounded thirds at level 3;
// this keeps a design that is exactly at its tonnage from being flagged.
constexpr double kWeightEpsilon = 1e-9;

// Tons as the tonnage labels show them: two decimals at level 3, one below.
std::string Tons(double tons, std::uint8_t rulesLevel) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", IsLevel3(rulesLevel) ? 2 : 1, tons);
  return text;
}

std::string Number(long n) { return std::to_string(n); }

bool IsAlternateOf(const TConfiguration& c, const TMech& m) { return m.IsOmni() && c.Parent; }

// A finding about an item names the item and where it sits.
void Concerns(TFinding& f, const TWeapon& item, const TMech& m) {
  f.Item = &item;
  if (item.Location == lcBin) {
    f.Location = lcBin;
    f.Place = "BIN";
  } else {
    f.Location = item.Location & lcLocationMask;
    f.Place = LocationName(f.Location, m.IsQuad());
  }
}

template <typename F>
void ForEachCarried(const TConfiguration& c, const TMech& m, F&& visit) {
  if (IsAlternateOf(c, m))
    for (const auto& item : c.Parent->Items) visit(*item);
  for (const auto& item : c.Items) visit(*item);
}

// Weight: over the tonnage, or more than half a ton unused. An Omni alternate
// tells the fixed configuration's own excess from what its pods add.
void CheckWeight(const TMech& m, TFindings& out) {
  const TConfiguration& c = *m.Config;
  const double free = m.Weights[wFree];
  if (!IsAlternateOf(c, m)) {
    if (free < -kWeightEpsilon) {
      out.Add("weight.over", svError, EFindingKind::Weight).Message =
          "Overweight by " + Tons(-free, m.RulesLevel) + " tons.";
    } else if (free > kUnusedTonnageMargin + kWeightEpsilon && !m.IsOmni()) {
      // What the fixed configuration of an Omni design leaves is pod space.
      out.Add("weight.unused", svWarning, EFindingKind::Weight).Message =
          Tons(free, m.RulesLevel) + " tons left unused.";
    }
    return;
  }
  double fixedItems = 0.0;
  for (const auto& item : c.Parent->Items) fixedItems += item->Tons;
  const double pods = c.TotalWeight - fixedItems;
  const double fixedLeaves = free + pods;
  const std::string name = ConfigMenuLabel(m.ConfigIndex);
  if (fixedLeaves < -kWeightEpsilon) {
    out.Add("weight.over", svError, EFindingKind::Weight).Message =
        "Overweight by " + Tons(-fixedLeaves, m.RulesLevel) + " tons without the pods.";
  } else if (free < -kWeightEpsilon) {
    out.Add("pods.over", svError, EFindingKind::Weight).Message =
        name + ": the pods weigh " + Tons(-free, m.RulesLevel) +
        " tons more than the fixed configuration leaves.";
  } else if (free > kUnusedTonnageMargin + kWeightEpsilon) {
    out.Add("pods.unused", svWarning, EFindingKind::Weight).Message =
        name + " leaves " + Tons(free, m.RulesLevel) + " tons of pod space unused.";
  }
}

// Armour: each section within its own limit (a torso's front and rear
// together), and at least half the maximum on the whole.
void CheckArmor(const TMech& m, TFindings& out) {
  const auto& a = m.Armor;
  const auto& s = m.Structure;
  struct Part {
    int front, rear, body, cap;
  };
  const int arm = 2 * s[bsArm], leg = 2 * s[bsLeg], side = 2 * s[bsSideTorso];
  const Part parts[] = {
      {asHead, -1, locHead, 3 * s[bsHead]},
      {asCenterTorso, asCenterTorsoRear, locCenterTorso, 2 * s[bsCenterTorso]},
      {asRightTorso, asRightTorsoRear, locRightTorso, side},
      {asLeftTorso, asLeftTorsoRear, locLeftTorso, side},
      {asRightArm, -1, locRightArm, arm},
      {asLeftArm, -1, locLeftArm, arm},
      {asRightLeg, -1, locRightLeg, leg},
      {asLeftLeg, -1, locLeftLeg, leg},
  };
  long total = 0, max = 0;
  for (const Part& p : parts) {
    const int points =
        a[static_cast<std::size_t>(p.front)] + (p.rear >= 0 ? a[static_cast<std::size_t>(p.rear)] : 0);
    total += points;
    max += p.cap;
    if (points <= p.cap) continue;
    TFinding& f = out.Add("armor.section", svError, EFindingKind::Armor);
    f.Location = p.body;
    f.ArmorSection = p.front;
    f.Place = LocationName(p.body, m.IsQuad());
    f.Message = f.Place + ": " + Number(points) +
                (p.rear >= 0 ? " armor points front and rear" : " armor points") + ", at most " +
                Number(p.cap) + ".";
  }
  // Half the maximum, rounded down, as a half allocation may leave it.
  if (total < max / 2) {
    out.Add("armor.low", svWarning, EFindingKind::Armor).Message =
        "Armor: " + Number(total) + " of " + Number(max) + " points, less than half the maximum.";
  }
}

// The slot grid: nothing beyond a location's usable slots, armoured components
// only at level 3, nothing left in the BIN. (Equipment in the arms of an
// armless design is moved to the BIN by the rules pass.)
void CheckSlots(const TMech& m, TFindings& out) {
  const TConfiguration& c = *m.Config;
  const TCritAlloc& crits = c.Crits;
  const bool level3 = IsLevel3(m.RulesLevel);
  for (int loc = 0; loc < kLocationCount; ++loc) {
    const int limit = crits.UsableSlots(loc), count = crits.SlotCount(loc);
    int used = 0, beyond = 0;
    bool armoured = false;
    for (int s = 1; s <= count; ++s) {
      const TSlot slot = crits.SlotAt(loc, s);
      if (slot.Code == ciEmpty) continue;
      ++used;
      if (s > limit && beyond == 0) beyond = s;
      armoured = armoured || crits.ArmouredAt(loc, s);
    }
    const std::string_view place = LocationName(loc, m.IsQuad());
    if (beyond != 0) {
      TFinding& f = out.Add("slots.over", svError, EFindingKind::Slots);
      f.Location = loc;
      f.Place = place;
      f.Message = used > limit ? f.Place + ": " + Number(used) + " of " + Number(limit) + " slots used."
                               : f.Place + ": slot " + Number(beyond) + " lies beyond the " + Number(limit) +
                                     " usable slots.";
    }
    if (armoured && !level3) {
      TFinding& f = out.Add("armored.level", svError, EFindingKind::Slots);
      f.Location = loc;
      f.Place = place;
      f.Message = f.Place + ": armored components need a Level 3 rules level.";
    }
  }
  for (const auto& item : c.Items) {
    if (item->Location != lcBin) continue;
    TFinding& f = out.Add("bin.item", svError, EFindingKind::Slots);
    Concerns(f, *item, m);
    f.Message = item->Name + " is in the BIN: place it or delete it.";
  }
}

// A targeting computer is sized by the weapons it serves; a change of weapons
// leaves its slots as placed, so they may no longer match its weight.
void CheckTargetingComputers(const TMech& m, TFindings& out) {
  for (const TTargetingSlotMismatch& mismatch : TargetingSlotMismatches(*m.Config, m)) {
    TFinding& f = out.Add("targeting.slots", svError, EFindingKind::Slots);
    Concerns(f, *mismatch.Item, m);
    f.Message = TargetingSlotMessage(mismatch) + ".";
  }
}

// Equipment the design's rules level does not offer.
void CheckTechnology(const TMech& m, TFindings& out) {
  const std::uint8_t offered = OfferedEquipmentFilters(m);
  for (const auto& item : m.Config->Items) {
    const std::uint8_t tech = m.Equipment->Tech(item->SaveNum);
    if (tech == 0 || (tech & offered) != 0) continue;
    TFinding& f = out.Add("tech.level", svError, EFindingKind::Equipment);
    Concerns(f, *item, m);
    f.Message = item->Name + " is not available at " + std::string(RulesLevelName(m.RulesLevel)) + ".";
  }
}

// Ammunition with no weapon to fire it, and weapons with no ammunition. Pods
// may feed the fixed configuration's weapons and the other way round.
void CheckAmmunition(const TMech& m, TFindings& out) {
  const TConfiguration& c = *m.Config;
  auto carriesWeapon = [&](std::string_view name) {
    bool found = false;
    ForEachCarried(c, m,
                   [&](const TWeapon& w) { found = found || (!w.IsAmmo() && AmmoFeeds(name, w.Name)); });
    return found;
  };
  auto carriesAmmoFor = [&](std::string_view name) {
    bool found = false;
    ForEachCarried(c, m, [&](const TWeapon& w) { found = found || (w.IsAmmo() && AmmoFeeds(w.Name, name)); });
    return found;
  };
  for (auto it = c.Items.begin(); it != c.Items.end(); ++it) {
    const TWeapon& item = **it;
    if (item.IsAmmo()) {
      if (carriesWeapon(item.Name)) continue;
      TFinding& f = out.Add("ammo.unused", svWarning, EFindingKind::Equipment);
      Concerns(f, item, m);
      f.Message = item.Name + " has no weapon to fire it.";
      continue;
    }
    if (!m.Equipment->UsesAmmo(item.SaveNum) || carriesAmmoFor(item.Name)) continue;
    // One line per kind of weapon.
    const bool reported =
        std::any_of(c.Items.begin(), it, [&item](const auto& before) { return before->Name == item.Name; });
    if (reported) continue;
    TFinding& f = out.Add("ammo.missing", svWarning, EFindingKind::Equipment);
    Concerns(f, item, m);
    f.Message = item.Name + " has no ammunition.";
  }
}

// Heat and jumping from the figures of the ratings pass: every forward weapon
// fired while moving, and the jump MP that pod jump jets add.
void CheckHeatAndJump(const TMech& m, TFindings& out) {
  const TConfiguration& c = *m.Config;
  const int built = c.WeaponHeat + c.MovementHeat;
  if (built - c.HeatEfficiency > kHeatMargin) {
    out.Add("heat.over", svWarning, EFindingKind::Heat).Message =
        "Firing every forward weapon while moving builds " + Number(built) + " heat against " +
        Number(c.HeatEfficiency) + " dissipated.";
  }
  const int cap = m.JumpJetType == jjImproved ? m.RunMP : m.WalkMP;
  if (c.JumpCount > cap) {
    out.Add("jump.over", svError, EFindingKind::Movement).Message =
        "Jump MP " + Number(c.JumpCount) + " with the pod jump jets, at most " + Number(cap) + ".";
  }
}

}  // namespace

TFinding& TFindings::Add(std::string_view rule, std::uint8_t severity, EFindingKind kind) {
  TFinding& f = list_.emplace_back();
  f.Rule = rule;
  f.Severity = severity;
  f.Kind = kind;
  return f;
}

std::uint8_t TFindings::Status() const {
  std::uint8_t status = svNone;
  for (const TFinding& f : list_) status = std::max(status, f.Severity);
  return status;
}

int TFindings::Count(std::uint8_t severity) const {
  return static_cast<int>(std::count_if(list_.begin(), list_.end(),
                                        [severity](const TFinding& f) { return f.Severity == severity; }));
}

std::uint8_t OfferedEquipmentFilters(const TMech& m) {
  const std::uint8_t level = m.RulesLevel;
  if (!m.IsMixed() && !m.IsOmni() && !m.MixedTech) return level;
  if (IsLevel3(level)) return m.IsMixed() ? rlIS3 | rlClan3 | rlMixed3 : rlIS3 | rlClan3;
  if (level == rlIS1) return rlIS1 | rlClan2;
  return rlIS2 | rlClan2;
}

bool AmmoFeeds(std::string_view ammo, std::string_view weapon) {
  if (weapon.empty() || ammo.size() < weapon.size() + 1 || ammo.front() != '@') return false;
  ammo.remove_prefix(1);
  if (ammo.substr(0, weapon.size()) != weapon) return false;
  return ammo.size() == weapon.size() || ammo[weapon.size()] == ' ';
}

void Validate(const TMech& m, TFindings& out) {
  out.Clear();
  if (!m.Config) return;
  CheckWeight(m, out);
  CheckArmor(m, out);
  CheckSlots(m, out);
  CheckTargetingComputers(m, out);
  CheckTechnology(m, out);
  CheckAmmunition(m, out);
  CheckHeatAndJump(m, out);
}

}  // namespace tfd
