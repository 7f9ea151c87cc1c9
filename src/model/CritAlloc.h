#pragma once
// The critical-slot grid of one configuration: eight body locations of up to
// twelve slots, what occupies each slot, the armoured-component flags, and the
// laying-in of the fixed items (cockpit, engine, gyro, actuators, ...).

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "model/EquipmentIndex.h"

namespace tfd {

class TWeapon;

// Slot codes 1..24 are fixed items; any other non-zero code is the save
// identifier of the equipment item in the slot.
enum ESlotCode : std::int16_t {
  ciEmpty = 0,
  ciCockpit = 1,
  ciGunner = 2,
  ciPilot = 3,
  ciSensors = 4,
  ciLifeSupport = 5,
  ciEngine = 6,
  ciGyro = 7,
  ciShoulder = 8,
  ciUpperArm = 9,
  ciLowerArm = 10,
  ciHand = 11,
  ciHip = 12,
  ciUpperLeg = 13,
  ciLowerLeg = 14,
  ciFoot = 15,
  ciCommandConsole = 16,
  ciTurretRing = 17,
  ciCase = 18,
  ciCase2 = 19,
  ciVariableRange = 20,
  ciMultiTrac2 = 21,
  ciSupercharger = 22,
  ciJumpBoosters = 23,
  ciNullSignature = 24,
};
constexpr std::int16_t kLastFixedCode = 24;

struct TSlot {
  std::int16_t Code = ciEmpty;
  TWeapon* Item = nullptr;  // the equipment item occupying the slot (not owned)
  std::int16_t Link = 0;    // next slot of the same item: location x 256 + slot; 0 ends
};

// Slot-limit classes: head, centre torso, each side torso, each arm, each leg.
enum ELimitClass : std::uint8_t { slHead, slCenterTorso, slSideTorso, slArm, slLeg };
int LimitClass(int location);

// Usable slots per limit class (head, centre torso, side torso, arm, leg):
// all of them, or fewer by tonnage with the Limiting flag.
std::array<std::int32_t, 5> SlotLimitsOf(int tonnage, bool limiting, bool quad);

// Link value of a slot and its parts.
constexpr std::int16_t SlotLink(int location, int slot) {
  return static_cast<std::int16_t>(location * 256 + slot);
}

// Name of a slot code; fixed items use the quad names on a four-legged design,
// equipment codes the abbreviation table of the loaded equipment.
std::string CritName(std::int16_t code, bool quad, const TEquipmentIndex& index);

class TCritAlloc {
 public:
  static constexpr int kMaxSlots = 12;
  static constexpr int kMaxEvicted = 8 * kMaxSlots;

  // Copies the parent's cockpit, engine, quad, Limiting and supercharger
  // settings (all 0 without a parent) and lays the default layout.
  explicit TCritAlloc(const TCritAlloc* parent = nullptr);
  TCritAlloc& operator=(const TCritAlloc&) = delete;

  // A copy to try changes on: it never writes to the equipment items its
  // slots point to, so trying leaves the design as it was.
  TCritAlloc Scratch() const;

  // Back to the state of a new allocation made from the parent.
  void Reset();

  // Takes every setting and slot of `from` (the parent link stays this
  // grid's own); `item` gives the item of this design that stands for each
  // item `from` points to, so a copied design never points into its original.
  void AssignRemapped(const TCritAlloc& from, const std::function<TWeapon*(const TWeapon*)>& item);

  // Each stores its argument and re-lays its items; false when something did not fit.
  bool SetCockpit(std::uint8_t type);
  bool SetGyro(std::uint8_t type);
  bool SetEngine(std::uint8_t type, bool large);
  bool SetTargeting(std::uint8_t type);
  bool SetSupercharger(std::uint8_t location);
  bool SetJumpBoosters(bool on);
  bool SetTurret(std::uint8_t kind);
  // Also evicts equipment from the slots beyond the new limits.
  bool SetLimiting(bool on);
  bool SetQuad(bool on);
  // Flags in the order right hand, right lower arm, left hand, left lower arm.
  bool SetActuators(const std::array<std::uint8_t, 4>& flags);
  bool SetNullSignature(bool on);
  bool SetCase(int location, std::uint8_t kind);
  // An armless design has no arm slots: equipment there is evicted and the
  // arms take none (a quad's front legs are never armless).
  void SetArmless(bool on);
  bool Armless() const { return armless_ && !Quad; }
  // Lays again, into free slots only, the fixed items of the default layout a
  // grid may lack (a file that stores only its equipment): sensors, the
  // cockpit's head slots, shoulders and upper arms, and the leg actuators.
  void LayMissingFixedItems();
  // Removes the items that take the first free slot of a location
  // (supercharger, turret ring, Null-Signature System, CASE), so the items with
  // fixed places are laid before them.
  void ClearFirstFreeItems();

  // Places an equipment item from `start` (1-based) in the primary location of
  // `locationCode`, the rest of a split item in the secondary location from
  // slot 1. Takes empty slots, and displaces lower-arm and hand actuators of an
  // arm only when the item does not fit in empty ones. On failure nothing is
  // changed.
  bool Allocate(TWeapon* item, int locationCode, int start);
  // Empties every slot of the item's chain and clears its first-slot link.
  void Release(TWeapon* item);
  // For the design-file readers: sets one slot as the file holds it, a code
  // and the item in it (no chain yet). An equipment code without an item is
  // kept as it is; Link builds the chains afterwards.
  void LoadSlot(int location, int slot, std::int16_t code, TWeapon* item);
  // Chains the slots that hold `item` as Allocate would have laid them: those
  // of its primary location in ascending order, then those of the secondary
  // location of a split item; slots holding it elsewhere lose it. Sets the
  // item's first-slot link (0 when no slot holds it). Returns the slots chained.
  int Link(TWeapon* item);
  // The location that takes the rest of a split item placed in `primary`.
  static int SecondaryOf(int primary);

  // Moves a placed (or BIN) item whole to `start` of the location code's
  // location; the old slots are given up only when the new ones are taken, so
  // a refusal leaves the item where it was.
  bool Move(TWeapon* item, int locationCode, int start);
  // An Omni alternate carries the fixed configuration's equipment where the
  // fixed configuration has it: those slots are copied from the parent's grid
  // (an own item in the way is evicted), and copies of equipment that is no
  // longer there are cleared. `own` tells an own item from a fixed one.
  template <typename IsOwn>
  void LayParentEquipment(IsOwn own);

  TSlot SlotAt(int location, int slot) const;
  bool ArmouredAt(int location, int slot) const;
  void SetArmoured(int location, int slot, bool on);
  double ArmouredWeight() const;

  // Slots of a location that exist on this body shape (6 for head and legs,
  // 12 for torsos, 12 for arms or 6 for a quad's front legs).
  int SlotCount(int location) const;
  // Usable slots of a location by the slot limits (never above SlotCount).
  int UsableSlots(int location) const;

  // Equipment items that a fixed item pushed out of their slots since the last
  // call; their slots are released whole and the caller decides where they go.
  int EvictedCount() const { return evictedCount_; }
  TWeapon* Evicted(int i) const { return i >= 0 && i < evictedCount_ ? evicted_[i] : nullptr; }
  void ClearEvicted() { evictedCount_ = 0; }
  // Frees a slot for a fixed item: an equipment item there is released whole
  // and recorded as evicted; a fixed item there is simply overwritten later.
  void Evict(int location, int slot);
  // Empties a slot whatever holds it (an equipment item there is evicted).
  void ClearSlot(int location, int slot);

  // Header, in the order of the stored layout.
  std::uint8_t CockpitType = 0;
  std::uint8_t EngineType = 0;
  std::uint8_t LargeEngine = 0;
  std::uint8_t GyroType = 0;
  std::uint8_t TargetingType = 0;
  std::uint8_t JumpBoosters = 0;
  std::uint8_t Quad = 0;
  std::uint8_t Limiting = 0;
  std::uint8_t Supercharger = 0;
  const TCritAlloc* Parent = nullptr;
  std::array<std::int32_t, 5> Limits{6, 12, 12, 12, 6};
  std::int32_t Tonnage = 0;

 private:
  TCritAlloc(const TCritAlloc&) = default;

  static bool Valid(int location, int slot) {
    return location >= 0 && location < 8 && slot >= 1 && slot <= kMaxSlots;
  }
  TSlot& At(int location, int slot) { return grid_[location][slot - 1]; }
  const TSlot& At(int location, int slot) const { return grid_[location][slot - 1]; }

  void LayDefault();
  // Writes a fixed item into a slot, evicting equipment that held it.
  void Put(int location, int slot, std::int16_t code);
  // Empties a slot when it holds `code`.
  void RemoveAt(int location, int slot, std::int16_t code);
  // Removes every `code` from a location, from slot `from` on.
  void RemoveFrom(int location, std::int16_t code, int from = 1);
  // First empty slot of a location, 0 when full.
  int FirstFree(int location) const;
  // Puts `code` in the first empty slot of the location; false when full.
  bool PutFirstFree(int location, std::int16_t code);
  bool IsDisplaceable(int location, int slot) const;

  std::array<std::array<TSlot, kMaxSlots>, 8> grid_{};
  std::array<std::array<std::uint8_t, kMaxSlots>, 8> armoured_{};
  std::array<TWeapon*, kMaxEvicted> evicted_{};
  int evictedCount_ = 0;
  bool armless_ = false;
  bool scratch_ = false;
};

template <typename IsOwn>
void TCritAlloc::LayParentEquipment(IsOwn own) {
  if (!Parent) return;
  for (int loc = 0; loc < 8; ++loc)
    for (int s = 1; s <= kMaxSlots; ++s) {
      TSlot& mine = At(loc, s);
      if (mine.Item && !own(mine.Item)) {
        mine = TSlot{};
        armoured_[loc][s - 1] = 0;
      }
    }
  for (int loc = 0; loc < 8; ++loc)
    for (int s = 1; s <= kMaxSlots; ++s) {
      const TSlot& theirs = Parent->At(loc, s);
      if (!theirs.Item) continue;
      Evict(loc, s);
      At(loc, s) = theirs;
      armoured_[loc][s - 1] = 0;
    }
}

}  // namespace tfd
