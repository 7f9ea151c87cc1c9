#pragma once
// Equipment: a row of the equipment table in memory (TWepInfoStruct), the items
// a configuration carries (TWeapon) in their ordered list (TWeaponList), and the
// design's brand list of "Inventory" equipment (TWeaponNameList).

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <string>

namespace tfd {

// Option bits of an equipment row.
enum EWeaponOption : std::int16_t {
  woOffensive = 1,
  woDirectFire = 2,
  woCanSplit = 4,
  woUsesArtemis = 8,
  woRemovesActuators = 16,
  woAppendNumber = 32,
  woUltra = 64,
  woStreak = 128,
  woLBX = 256,
  woInventory = 512,
  woExplosive = 2048,
};

// Save identifiers from this value on are ammunition; 1300..1499 are structure items.
constexpr std::int16_t kFirstAmmoId = 1500;
constexpr std::int16_t kFirstStructureId = 1300;
constexpr std::int16_t kLastStructureId = 1499;
constexpr std::int16_t kFirstBallisticId = 300;  // below: energy weapons

struct TWepInfoStruct {
  std::string Name;    // NAME; ammunition names begin with "@"
  std::string Abbrev;  // ABBR, the code name
  std::int16_t IdNum = 0;
  std::int16_t SaveNum = 0;
  std::int16_t Save97 = 0;  // the older save identifier of the design files
  std::uint8_t MinRange = 0;
  std::uint8_t ShortRange = 0;
  std::uint8_t MediumRange = 0;
  std::uint8_t LongRange = 0;
  std::uint8_t Heat = 0;
  std::uint8_t Damage = 0;  // for ammunition: shots per ton
  std::uint8_t Crits = 0;
  float Tons = 0.0f;  // for ammunition: the weight of one lot
  std::int16_t BV = 0;
  std::uint8_t InList = 0;
  std::uint8_t Tech = 0;
  double Cost = 0.0;  // for ammunition: the cost of one ton
  std::int16_t Options = 0;
  std::uint8_t Locs = 0;
  std::string DamageText;
  std::string CalcCost;
  std::string CalcTons;
  std::string CalcCrits;
  std::string CalcDmg;
  std::string CalcBV;
  std::string CalcHeat;
};

class TWepInfo {
 public:
  TWepInfoStruct Info;
};

// Ammunition: the Inner Sphere and Clan ammunition blocks (1500..2299) and the
// custom ammunition blocks (3000..3399). The custom equipment blocks
// (2300..2999) lie above 1500 but hold weapons and equipment, not ammunition.
constexpr std::int16_t kFirstCustomId = 2300;
constexpr std::int16_t kFirstCustomAmmoId = 3000;
constexpr std::int16_t kEndCustomId = 3400;
inline bool IsAmmunition(std::int16_t saveNum) {
  return (saveNum >= kFirstAmmoId && saveNum < kFirstCustomId) ||
         (saveNum >= kFirstCustomAmmoId && saveNum < kEndCustomId);
}
inline bool IsStructureItem(std::int16_t saveNum) {
  return saveNum >= kFirstStructureId && saveNum <= kLastStructureId;
}

class TWeapon {
 public:
  std::string Name;
  std::string Abbrev;
  std::int16_t IdNum = 0;
  std::int16_t SaveNum = 0;
  std::int16_t Location = 0;  // location code: base 0..7, +8 rear, +16 split, 32..35 turret, 64 BIN
  std::int16_t Slots = 0;
  // Until the item is allocated: how many of a split item's slots lie in the
  // location of the location code (equal to Slots otherwise). Once allocated:
  // the link to its first occupied slot (location x 256 + slot), 0 for none.
  std::int16_t SlotsFirst = 0;
  std::int16_t Heat = 0;
  std::int16_t Damage = 0;
  double BV = 0.0;
  std::array<std::uint8_t, 4> Ranges{};  // minimum, short, medium, long
  double Tons = 0.0;
  double Cost = 0.0;
  std::int16_t Options = 0;

  bool IsAmmo() const { return IsAmmunition(SaveNum); }
};

// Where an item made from an equipment row comes from. An item the user adds
// is whole at once: all its slots lie in its first location, and ammunition
// carries the battle value and cost of its lot (the row's values times its
// tons). An item a reader makes is not placed yet and keeps the row's values
// as listed (per ton for ammunition) until the file tells its slots and tons.
enum class EItemSource { Added, Read };

// An item from a row: name, abbreviation, identifiers, slots, option bits and
// the row's values (TakeRowValues), as `source` gives them.
std::unique_ptr<TWeapon> MakeWeapon(const TWepInfoStruct& row, EItemSource source = EItemSource::Added);
// The row's values that may depend on the design: tons, heat, damage, ranges,
// battle value and cost.
void TakeRowValues(TWeapon& item, const TWepInfoStruct& row);

// The items of one configuration in the order they were added. Owns its items.
class TWeaponList {
 public:
  using Items = std::list<std::unique_ptr<TWeapon>>;

  TWeaponList() = default;
  TWeaponList(const TWeaponList&) = delete;
  TWeaponList& operator=(const TWeaponList&) = delete;

  void Clear();
  TWeapon* Insert(std::unique_ptr<TWeapon> item);
  // Removes and destroys that very item; a cursor on it moves to the next item.
  void Delete(const TWeapon* item);
  bool Empty() const { return items_.empty(); }
  bool Full() const { return false; }
  std::int16_t Size() const { return static_cast<std::int16_t>(items_.size()); }
  TWeapon* FirstEntry();
  TWeapon* NextEntry();
  bool Last() const;
  int IndexOf(const TWeapon* item) const;
  TWeapon* AddrOf(int index) const;

  // Plain iteration for the calculations (does not touch the cursor).
  Items::const_iterator begin() const { return items_.begin(); }
  Items::const_iterator end() const { return items_.end(); }

 private:
  Items items_;
  Items::iterator cursor_ = items_.end();
};

struct TWepName {
  std::int16_t Id = 0;
  std::int16_t Uses = 0;
  std::string Brand;
  std::string Name;
};

// One entry per kind of "Inventory" equipment in the design, in ascending
// identifier order, with its use count and the brand the user gave it.
class TWeaponNameList {
 public:
  TWeaponNameList() = default;
  // A copy holds the same entries; its cursor starts afresh.
  TWeaponNameList(const TWeaponNameList& other) : entries_(other.entries_) {}
  TWeaponNameList& operator=(const TWeaponNameList& other) {
    if (this != &other) {
      entries_ = other.entries_;
      cursor_ = entries_.end();
    }
    return *this;
  }

  void Clear();
  // Counts one more use of `id`; true when a new entry was made.
  bool Insert(std::int16_t id, const std::string& name);
  // Counts one use less; the entry (and its brand) goes with its last use.
  void Delete(std::int16_t id);
  bool Empty() const { return entries_.empty(); }
  bool Full() const { return false; }
  std::int16_t Size() const { return static_cast<std::int16_t>(entries_.size()); }
  TWepName* FirstEntry();
  TWepName* NextEntry();
  bool Last() const;
  void ChangeBrand(std::int16_t id, const std::string& brand);
  const TWepName* Find(std::int16_t id) const;

  std::list<TWepName>::const_iterator begin() const { return entries_.begin(); }
  std::list<TWepName>::const_iterator end() const { return entries_.end(); }

 private:
  std::list<TWepName> entries_;
  std::list<TWepName>::iterator cursor_ = entries_.end();
};

}  // namespace tfd
