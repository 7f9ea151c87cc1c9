#include "model/CritAlloc.h"

#include <algorithm>

#include "model/Enums.h"
#include "model/Weapon.h"

namespace tfd {

namespace {

constexpr std::array<std::string_view, 25> kFixedNames = {"",
                                                          "Cockpit",
                                                          "Gunner",
                                                          "Pilot",
                                                          "Sensors",
                                                          "Life Support",
                                                          "Engine",
                                                          "Gyro",
                                                          "Shoulder",
                                                          "Upper Arm Act",
                                                          "Lower Arm Act",
                                                          "Hand Actuator",
                                                          "Hip",
                                                          "Upper Leg Act",
                                                          "Lower Leg Act",
                                                          "Foot Actuator",
                                                          "Command Cons",
                                                          "Turret Ring",
                                                          "CASE",
                                                          "CASE II",
                                                          "Variable-Range",
                                                          "Muli-Track II",
                                                          "Supercharger",
                                                          "Jump Boosters",
                                                          "Null-Signature"};
constexpr std::array<std::string_view, 4> kQuadLimbNames = {"Hip", "Upper Leg Act", "Lower Leg Act",
                                                            "Foot Actuator"};

// The location that takes the rest of a split item: the one toward the body centre.
constexpr std::array<int, kLocationCount> kSecondary = {locCenterTorso, locHead,       locCenterTorso,
                                                        locCenterTorso, locRightTorso, locLeftTorso,
                                                        locRightTorso,  locLeftTorso};

bool IsArm(int location) { return location == locRightArm || location == locLeftArm; }

}  // namespace

int LimitClass(int location) {
  switch (location) {
    case locHead: return slHead;
    case locCenterTorso: return slCenterTorso;
    case locRightTorso:
    case locLeftTorso: return slSideTorso;
    case locRightArm:
    case locLeftArm: return slArm;
    default: return slLeg;
  }
}

std::string CritName(std::int16_t code, bool quad, const TEquipmentIndex& index) {
  if (code <= 0) return {};
  if (code <= kLastFixedCode) {
    if (quad && code >= ciShoulder && code <= ciHand)
      return std::string(kQuadLimbNames[static_cast<std::size_t>(code - ciShoulder)]);
    return std::string(kFixedNames[static_cast<std::size_t>(code)]);
  }
  return std::string(index.Abbrev(code));
}

TCritAlloc::TCritAlloc(const TCritAlloc* parent) : Parent(parent) { Reset(); }

TCritAlloc TCritAlloc::Scratch() const {
  TCritAlloc copy(*this);
  copy.scratch_ = true;
  return copy;
}

void TCritAlloc::AssignRemapped(const TCritAlloc& from, const std::function<TWeapon*(const TWeapon*)>& item) {
  CockpitType = from.CockpitType;
  EngineType = from.EngineType;
  LargeEngine = from.LargeEngine;
  GyroType = from.GyroType;
  TargetingType = from.TargetingType;
  JumpBoosters = from.JumpBoosters;
  Quad = from.Quad;
  Limiting = from.Limiting;
  Supercharger = from.Supercharger;
  Limits = from.Limits;
  Tonnage = from.Tonnage;
  grid_ = from.grid_;
  for (auto& location : grid_)
    for (TSlot& slot : location)
      if (slot.Item) slot.Item = item(slot.Item);
  armoured_ = from.armoured_;
  evictedCount_ = from.evictedCount_;
  for (int i = 0; i < kMaxEvicted; ++i) evicted_[i] = from.evicted_[i] ? item(from.evicted_[i]) : nullptr;
  armless_ = from.armless_;
  scratch_ = from.scratch_;
}

void TCritAlloc::Reset() {
  CockpitType = Parent ? Parent->CockpitType : 0;
  EngineType = Parent ? Parent->EngineType : 0;
  Quad = Parent ? Parent->Quad : 0;
  Limiting = Parent ? Parent->Limiting : 0;
  Supercharger = Parent ? Parent->Supercharger : 0;
  Tonnage = Parent ? Parent->Tonnage : 0;
  LargeEngine = GyroType = TargetingType = JumpBoosters = 0;
  grid_ = {};
  armoured_ = {};
  evictedCount_ = 0;
  armless_ = false;
  SetLimiting(Limiting != 0);
  LayDefault();
}

void TCritAlloc::LayDefault() {
  const std::int16_t head[6] = {ciLifeSupport, ciSensors, ciCockpit, ciEmpty, ciSensors, ciLifeSupport};
  for (int s = 1; s <= 6; ++s) At(locHead, s).Code = head[s - 1];
  for (int s = 1; s <= 10; ++s) At(locCenterTorso, s).Code = (s >= 4 && s <= 7) ? ciGyro : ciEngine;
  for (int arm : {locRightArm, locLeftArm}) {
    At(arm, 1).Code = ciShoulder;
    At(arm, 2).Code = ciUpperArm;
    At(arm, 3).Code = ciLowerArm;
    At(arm, 4).Code = ciHand;
  }
  for (int leg : {locRightLeg, locLeftLeg}) {
    At(leg, 1).Code = ciHip;
    At(leg, 2).Code = ciUpperLeg;
    At(leg, 3).Code = ciLowerLeg;
    At(leg, 4).Code = ciFoot;
  }
}

void TCritAlloc::LayMissingFixedItems() {
  auto lay = [this](int location, int slot, std::int16_t code) {
    if (At(location, slot).Code == ciEmpty) At(location, slot) = TSlot{code, nullptr, 0};
  };
  lay(locHead, 2, ciSensors);
  lay(locHead, 5, ciSensors);
  // A torso-mounted cockpit keeps its own places, laid with it.
  if (CockpitType != cpTorsoMounted) {
    lay(locHead, 1, ciLifeSupport);
    lay(locHead, 3, ciCockpit);
    if (CockpitType != cpSmall) lay(locHead, 6, ciLifeSupport);
    if (CockpitType == cpCommandConsole) lay(locHead, 4, ciCommandConsole);
  }
  if (!Armless())
    for (int arm : {locRightArm, locLeftArm}) {
      lay(arm, 1, ciShoulder);
      lay(arm, 2, ciUpperArm);
    }
  for (int leg : {locRightLeg, locLeftLeg}) {
    lay(leg, 1, ciHip);
    lay(leg, 2, ciUpperLeg);
    lay(leg, 3, ciLowerLeg);
    lay(leg, 4, ciFoot);
  }
}

int TCritAlloc::SlotCount(int location) const {
  if (location < 0 || location >= kLocationCount) return 0;
  if (IsArm(location) && Quad) return kLocationSlots[locRightLeg];  // a quad's arms are legs
  return kLocationSlots[static_cast<std::size_t>(location)];
}

int TCritAlloc::UsableSlots(int location) const {
  if (Armless() && IsArm(location)) return 0;
  const int limit = Limits[static_cast<std::size_t>(LimitClass(location))];
  const int count = SlotCount(location);
  return limit < 0 ? 0 : (limit < count ? limit : count);
}

// ---- slot primitives ----

void TCritAlloc::Evict(int location, int slot) {
  if (!Valid(location, slot)) return;
  TSlot& s = At(location, slot);
  if (s.Code <= kLastFixedCode) return;
  TWeapon* item = s.Item;
  if (!item) {
    s = TSlot{};
    armoured_[location][slot - 1] = 0;
    return;
  }
  Release(item);
  for (int i = 0; i < evictedCount_; ++i)
    if (evicted_[i] == item) return;
  if (evictedCount_ < kMaxEvicted) evicted_[evictedCount_++] = item;
}

void TCritAlloc::ClearSlot(int location, int slot) {
  if (!Valid(location, slot)) return;
  Evict(location, slot);
  At(location, slot) = TSlot{};
  armoured_[location][slot - 1] = 0;
}

void TCritAlloc::Put(int location, int slot, std::int16_t code) {
  if (!Valid(location, slot)) return;
  Evict(location, slot);
  TSlot& s = At(location, slot);
  if (s.Code != code) armoured_[location][slot - 1] = 0;
  s = TSlot{code, nullptr, 0};
}

void TCritAlloc::RemoveAt(int location, int slot, std::int16_t code) {
  if (!Valid(location, slot)) return;
  TSlot& s = At(location, slot);
  if (s.Code != code || s.Item) return;
  s = TSlot{};
  armoured_[location][slot - 1] = 0;
}

void TCritAlloc::RemoveFrom(int location, std::int16_t code, int from) {
  for (int s = from < 1 ? 1 : from; s <= kMaxSlots; ++s) RemoveAt(location, s, code);
}

int TCritAlloc::FirstFree(int location) const {
  const int n = SlotCount(location);
  for (int s = 1; s <= n; ++s)
    if (At(location, s).Code == ciEmpty) return s;
  return 0;
}

bool TCritAlloc::PutFirstFree(int location, std::int16_t code) {
  const int s = FirstFree(location);
  if (s == 0) return false;
  Put(location, s, code);
  return true;
}

// ---- fixed items ----

bool TCritAlloc::SetCockpit(std::uint8_t type) {
  CockpitType = type;
  if (type == cpTorsoMounted) {
    for (std::int16_t code : {ciLifeSupport, ciCockpit, ciCommandConsole}) RemoveFrom(locHead, code);
    RemoveFrom(locCenterTorso, ciCockpit);
    RemoveFrom(locCenterTorso, ciSensors);
    RemoveFrom(locRightTorso, ciLifeSupport);
    RemoveFrom(locLeftTorso, ciLifeSupport);
    bool ok = PutFirstFree(locCenterTorso, ciCockpit);
    ok = PutFirstFree(locCenterTorso, ciSensors) && ok;
    ok = PutFirstFree(locRightTorso, ciLifeSupport) && ok;
    ok = PutFirstFree(locLeftTorso, ciLifeSupport) && ok;
    return ok;
  }

  RemoveFrom(locCenterTorso, ciCockpit);
  RemoveFrom(locCenterTorso, ciSensors);
  RemoveFrom(locRightTorso, ciLifeSupport);
  RemoveFrom(locLeftTorso, ciLifeSupport);

  // The head slots this cockpit needs, and what goes in each.
  const bool console = type == cpCommandConsole;
  const bool small = type == cpSmall;
  struct Need {
    int slot;
    std::int16_t code;
  };
  Need needs[4] = {{1, ciLifeSupport}, {3, ciCockpit}, {6, ciLifeSupport}, {4, ciCommandConsole}};
  const int needCount = small ? 2 : (console ? 4 : 3);
  for (int i = 0; i < needCount; ++i) {
    const std::int16_t held = At(locHead, needs[i].slot).Code;
    if (held != ciEmpty && held != needs[i].code) return false;
  }
  for (int i = 0; i < needCount; ++i) Put(locHead, needs[i].slot, needs[i].code);
  if (!console) RemoveAt(locHead, 4, ciCommandConsole);
  if (small) RemoveAt(locHead, 6, ciLifeSupport);
  return true;
}

bool TCritAlloc::SetGyro(std::uint8_t type) {
  GyroType = type;
  Put(locCenterTorso, 4, ciGyro);
  Put(locCenterTorso, 5, ciGyro);
  if (type == gyCompact) {
    RemoveFrom(locCenterTorso, ciGyro, 6);
    return true;
  }
  Put(locCenterTorso, 6, ciGyro);
  Put(locCenterTorso, 7, ciGyro);
  if (type != gyXL) {
    RemoveFrom(locCenterTorso, ciGyro, 8);
    return true;
  }
  int placed = 0;
  int s = 8;
  for (; s <= kMaxSlots && placed < 2; ++s) {
    const std::int16_t held = At(locCenterTorso, s).Code;
    if (held == ciEmpty || held == ciGyro) {
      Put(locCenterTorso, s, ciGyro);
      ++placed;
    }
  }
  RemoveFrom(locCenterTorso, ciGyro, s);
  return placed == 2;
}

bool TCritAlloc::SetEngine(std::uint8_t type, bool large) {
  EngineType = type;
  LargeEngine = large ? 1 : 0;
  int sideSlots = 0;
  switch (type) {
    case etXL: sideSlots = 3; break;
    case etXXL: sideSlots = 6; break;
    case etClanXL: sideSlots = 2; break;
    case etClanXXL: sideSlots = 4; break;
    default: break;
  }
  const bool compact = type == etCompact;
  auto isEngineSlot = [&](int location, int slot) {
    if (location == locCenterTorso) {
      if (slot <= 3) return true;
      if (compact) return false;
      return slot <= 10 ? slot >= 8 : large;
    }
    if (location == locRightTorso || location == locLeftTorso) return slot <= sideSlots;
    return false;
  };
  for (int loc = 0; loc < kLocationCount; ++loc)
    for (int s = 1; s <= kMaxSlots; ++s) {
      if (isEngineSlot(loc, s))
        Put(loc, s, ciEngine);
      else
        RemoveAt(loc, s, ciEngine);
    }
  return true;
}

bool TCritAlloc::SetTargeting(std::uint8_t type) {
  TargetingType = type;
  std::int16_t code = ciEmpty;
  if (type == tgVariableRange) code = ciVariableRange;
  if (type == tgMultiTrac2) code = ciMultiTrac2;
  int target = 0;
  if (code != ciEmpty) {
    for (int s = 1; s <= 6 && target == 0; ++s) {
      const std::int16_t held = At(locHead, s).Code;
      if (held == ciEmpty || held == ciVariableRange || held == ciMultiTrac2) target = s;
    }
    if (target == 0) return false;
    Put(locHead, target, code);
  }
  for (int s = 1; s <= 6; ++s) {
    if (s == target) continue;
    RemoveAt(locHead, s, ciVariableRange);
    RemoveAt(locHead, s, ciMultiTrac2);
  }
  return true;
}

bool TCritAlloc::SetSupercharger(std::uint8_t location) {
  Supercharger = location;
  for (int loc : {locCenterTorso, locRightTorso, locLeftTorso}) RemoveFrom(loc, ciSupercharger);
  // The codes 1, 2, 3 are the centre, right and left torso's location indices.
  if (location >= scCenterTorso && location <= scLeftTorso) return PutFirstFree(location, ciSupercharger);
  return true;
}

bool TCritAlloc::SetJumpBoosters(bool on) {
  JumpBoosters = on ? 1 : 0;
  for (int loc = 0; loc < kLocationCount; ++loc) RemoveFrom(loc, ciJumpBoosters);
  if (!on) return true;
  for (int leg : {locRightLeg, locLeftLeg, locRightArm, locLeftArm}) {
    if (IsArm(leg) && !Quad) continue;
    Put(leg, 5, ciJumpBoosters);
    Put(leg, 6, ciJumpBoosters);
  }
  return true;
}

bool TCritAlloc::SetTurret(std::uint8_t kind) {
  for (int loc : {locCenterTorso, locRightTorso, locLeftTorso}) RemoveFrom(loc, ciTurretRing);
  switch (kind) {
    case trHead: return PutFirstFree(locCenterTorso, ciTurretRing);
    case trRightTorso: return PutFirstFree(locRightTorso, ciTurretRing);
    case trLeftTorso: return PutFirstFree(locLeftTorso, ciTurretRing);
    case trDualTorso: {
      const bool right = PutFirstFree(locRightTorso, ciTurretRing);
      const bool left = PutFirstFree(locLeftTorso, ciTurretRing);
      return right && left;
    }
    default: return true;
  }
}

std::array<std::int32_t, 5> SlotLimitsOf(int tonnage, bool limiting, bool quad) {
  std::int32_t side = 12, arm = 12, leg = 6;
  if (limiting) {
    if (tonnage < 20) {
      side = 9;
      arm = 9;
      leg = 5;
    } else if (tonnage < 40) {
      side = 10;
      arm = 10;
      leg = 6;
    } else if (tonnage < 60) {
      side = 11;
      arm = 11;
      leg = 6;
    } else if (tonnage < 80) {
      side = 12;
      arm = 11;
      leg = 6;
    }
  }
  if (quad) arm = leg;  // a quad's front legs are legs
  return {6, 12, side, arm, leg};
}

bool TCritAlloc::SetLimiting(bool on) {
  Limiting = on ? 1 : 0;
  Limits = SlotLimitsOf(Tonnage, on, Quad != 0);
  // Equipment in slots the location no longer has (a lower limit, a quad's
  // shorter front legs) leaves them whole.
  for (int loc = 0; loc < kLocationCount; ++loc)
    for (int s = UsableSlots(loc) + 1; s <= kMaxSlots; ++s)
      if (At(loc, s).Item) Evict(loc, s);
  return true;
}

bool TCritAlloc::SetQuad(bool on) {
  Quad = on ? 1 : 0;
  SetLimiting(Limiting != 0);  // a quad's front legs have the leg limit
  return SetJumpBoosters(JumpBoosters != 0);
}

bool TCritAlloc::SetActuators(const std::array<std::uint8_t, 4>& flags) {
  struct ArmFlags {
    int location;
    std::uint8_t hand, lower;
  };
  const ArmFlags arms[2] = {{locRightArm, flags[0], flags[1]}, {locLeftArm, flags[2], flags[3]}};
  for (const ArmFlags& a : arms) {
    // An equipment item that displaced an actuator keeps its slot.
    if (a.lower) {
      if (!At(a.location, 3).Item) Put(a.location, 3, ciLowerArm);
    } else {
      RemoveAt(a.location, 3, ciLowerArm);
    }
    if (a.hand) {
      if (!At(a.location, 4).Item) Put(a.location, 4, ciHand);
    } else {
      RemoveAt(a.location, 4, ciHand);
    }
  }
  return true;
}

bool TCritAlloc::SetNullSignature(bool on) {
  for (int loc = 0; loc < kLocationCount; ++loc) RemoveFrom(loc, ciNullSignature);
  if (!on) return true;
  bool ok = true;
  for (int loc = locCenterTorso; loc < kLocationCount; ++loc) ok = PutFirstFree(loc, ciNullSignature) && ok;
  return ok;
}

bool TCritAlloc::SetCase(int location, std::uint8_t kind) {
  if (location < 0 || location >= kLocationCount) return false;
  RemoveFrom(location, ciCase);
  RemoveFrom(location, ciCase2);
  switch (kind) {
    case caseIS: return PutFirstFree(location, ciCase);
    case caseIS2:
    case caseClan2: return PutFirstFree(location, ciCase2);
    default: return true;
  }
}

void TCritAlloc::SetArmless(bool on) {
  armless_ = on;
  if (!Armless()) return;
  for (int arm : {locRightArm, locLeftArm})
    for (int s = 1; s <= kMaxSlots; ++s)
      if (At(arm, s).Item) Evict(arm, s);
}

void TCritAlloc::ClearFirstFreeItems() {
  SetSupercharger(scNone);
  SetTurret(trNone);
  SetNullSignature(false);
  for (int loc = 0; loc < kLocationCount; ++loc) SetCase(loc, caseNone);
}

// ---- equipment ----

bool TCritAlloc::IsDisplaceable(int location, int slot) const {
  // A quad's limbs are legs: their lower-leg and foot actuators stay.
  if (!IsArm(location) || Quad) return false;
  const TSlot& s = At(location, slot);
  return !s.Item && (s.Code == ciLowerArm || s.Code == ciHand);
}

bool TCritAlloc::Allocate(TWeapon* item, int locationCode, int start) {
  if (!item) return false;
  if (locationCode < 0 || (locationCode & lcBin)) {
    item->SlotsFirst = 0;  // the BIN holds no slots
    return (locationCode & lcBin) != 0;
  }
  const int total = item->Slots < 0 ? 0 : item->Slots;
  int first = item->SlotsFirst;
  if (first < 0) first = 0;
  if (first > total) first = total;
  const int primary = locationCode & lcLocationMask;
  const int secondary = kSecondary[static_cast<std::size_t>(primary)];

  // Find every slot first, so that a refusal changes nothing. Free slots are
  // taken first: an arm's lower-arm and hand actuators give way only to an
  // item that cannot fit otherwise.
  std::array<std::int16_t, 2 * kMaxSlots> taken{};
  int n = 0;
  auto search = [&](int location, int from, int count, bool displace) {
    const int limit = UsableSlots(location);
    for (int s = from < 1 ? 1 : from; count > 0; ++s) {
      if (s > limit) return false;
      const TSlot& slot = At(location, s);
      if (slot.Code == ciEmpty || (displace && IsDisplaceable(location, s))) {
        taken[static_cast<std::size_t>(n++)] = SlotLink(location, s);
        --count;
      }
    }
    return true;
  };
  auto searchAll = [&](bool displace) {
    n = 0;
    return search(primary, start, first, displace) && search(secondary, 1, total - first, displace);
  };
  if (total > 2 * kMaxSlots || !(searchAll(false) || searchAll(true))) return false;

  for (int i = 0; i < n; ++i) {
    const int loc = taken[static_cast<std::size_t>(i)] >> 8;
    const int s = taken[static_cast<std::size_t>(i)] & 0xFF;
    const std::int16_t next = i + 1 < n ? taken[static_cast<std::size_t>(i + 1)] : 0;
    At(loc, s) = TSlot{item->SaveNum, item, next};
    armoured_[loc][s - 1] = 0;
  }
  item->SlotsFirst = n > 0 ? taken[0] : 0;
  return true;
}

void TCritAlloc::Release(TWeapon* item) {
  if (!item) return;
  std::int16_t link = item->SlotsFirst;
  // A chain visits each slot at most once; the bound guards against a broken one.
  for (int steps = 0; link != 0 && steps < 8 * kMaxSlots; ++steps) {
    const int loc = link >> 8;
    const int s = link & 0xFF;
    if (!Valid(loc, s) || At(loc, s).Item != item) break;
    link = At(loc, s).Link;
    At(loc, s) = TSlot{};
    armoured_[loc][s - 1] = 0;
  }
  if (!scratch_) item->SlotsFirst = 0;
}

void TCritAlloc::LoadSlot(int location, int slot, std::int16_t code, TWeapon* item) {
  if (!Valid(location, slot)) return;
  At(location, slot) = TSlot{code, item, 0};
  armoured_[location][slot - 1] = 0;
}

int TCritAlloc::SecondaryOf(int primary) {
  return kSecondary[static_cast<std::size_t>(primary & lcLocationMask)];
}

int TCritAlloc::Link(TWeapon* item) {
  if (!item) return 0;
  const int primary = item->Location & lcLocationMask;
  const bool split = (item->Location & lcSplit) != 0 && !(item->Location & (lcTurret | lcBin));
  const int secondary = split ? SecondaryOf(primary) : -1;
  const bool placed = !(item->Location & lcBin);
  std::array<std::int16_t, 2 * kMaxSlots> chain{};
  int n = 0;
  for (int loc = 0; loc < kLocationCount; ++loc)
    for (int s = 1; s <= kMaxSlots; ++s) {
      TSlot& cell = At(loc, s);
      if (cell.Item != item) continue;
      const bool own = placed && (loc == primary || loc == secondary);
      if (!own || n == static_cast<int>(chain.size())) {
        cell = TSlot{};
        continue;
      }
      cell.Link = 0;
      chain[static_cast<std::size_t>(n++)] = SlotLink(loc, s);
    }
  // Primary location first, then the secondary one, each in slot order.
  std::stable_partition(chain.begin(), chain.begin() + n,
                        [primary](std::int16_t link) { return (link >> 8) == primary; });
  for (int i = 0; i < n; ++i) {
    const std::int16_t link = chain[static_cast<std::size_t>(i)];
    At(link >> 8, link & 0xFF).Link = i + 1 < n ? chain[static_cast<std::size_t>(i + 1)] : 0;
  }
  item->SlotsFirst = n > 0 ? chain[0] : 0;
  return n;
}

bool TCritAlloc::Move(TWeapon* item, int locationCode, int start) {
  if (!item) return false;
  // Remember the old chain, give it up, and take it back if the new place refuses.
  struct Held {
    int loc, slot;
    TSlot cell;
    std::uint8_t armoured;
  };
  std::array<Held, 2 * kMaxSlots> held{};
  int n = 0;
  const std::int16_t oldFirst = item->SlotsFirst;
  for (std::int16_t link = oldFirst; link != 0 && n < static_cast<int>(held.size());) {
    const int loc = link >> 8, s = link & 0xFF;
    if (!Valid(loc, s) || At(loc, s).Item != item) break;
    held[static_cast<std::size_t>(n++)] = {loc, s, At(loc, s), armoured_[loc][s - 1]};
    link = At(loc, s).Link;
  }
  Release(item);
  const std::int16_t slotsFirst = item->SlotsFirst;
  item->SlotsFirst = item->Slots;  // the item moves whole
  if (Allocate(item, locationCode, start)) return true;
  for (int i = 0; i < n; ++i) {
    const Held& h = held[static_cast<std::size_t>(i)];
    At(h.loc, h.slot) = h.cell;
    armoured_[h.loc][h.slot - 1] = h.armoured;
  }
  item->SlotsFirst = n > 0 ? oldFirst : slotsFirst;
  return false;
}

TSlot TCritAlloc::SlotAt(int location, int slot) const {
  return Valid(location, slot) ? At(location, slot) : TSlot{};
}

bool TCritAlloc::ArmouredAt(int location, int slot) const {
  return Valid(location, slot) && armoured_[location][slot - 1] != 0;
}

void TCritAlloc::SetArmoured(int location, int slot, bool on) {
  if (!Valid(location, slot)) return;
  const TSlot target = At(location, slot);
  const bool refused =
      target.Code == ciEmpty || target.Code == ciCase || target.Code == ciCase2 || IsAmmunition(target.Code);
  if (target.Code >= ciShoulder && target.Code <= ciFoot) {
    armoured_[location][slot - 1] = on ? 1 : 0;  // each actuator is armoured alone
    return;
  }
  if (target.Code == ciEmpty) {
    armoured_[location][slot - 1] = 0;
    return;
  }
  for (int loc = 0; loc < kLocationCount; ++loc)
    for (int s = 1; s <= kMaxSlots; ++s) {
      const TSlot& other = At(loc, s);
      if (other.Code == target.Code && other.Item == target.Item)
        armoured_[loc][s - 1] = (on && !refused) ? 1 : 0;
    }
}

double TCritAlloc::ArmouredWeight() const {
  double w = 0.0;
  for (int loc = 0; loc < kLocationCount; ++loc) {
    const int n = SlotCount(loc);
    for (int s = 1; s <= n; ++s) {
      if (!armoured_[loc][s - 1]) continue;
      const std::int16_t code = At(loc, s).Code;
      w += (code == ciCockpit || code == ciCommandConsole) ? 1.0 : 0.5;
    }
  }
  return w;
}

}  // namespace tfd
