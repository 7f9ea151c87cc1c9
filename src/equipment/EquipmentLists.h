#pragma once
// The equipment table in memory: 33 lists of equipment records, one per block
// of one hundred identifiers (eleven categories, each for the Inner Sphere, the
// Clans and custom equipment), the identifiers of the special items remembered
// by code name, the abbreviation of every identifier, and the look-ups by the
// identifier the rules use and by the older one the design files use.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "equipment/Database.h"
#include "model/EquipmentIndex.h"
#include "model/Weapon.h"

namespace tfd {

class IQuery;
class TMech;

enum ECategory : std::uint8_t {
  catEnergy,
  catBallistic,
  catLRM,
  catSRM,
  catMiscellaneous,
  catElectronics,
  catStructure,
  catBallisticAmmo,
  catLRMAmmo,
  catSRMAmmo,
  catMiscAmmo
};
constexpr int kCategoryCount = 11;

enum ETechColumn : std::uint8_t { tcInnerSphere, tcClan, tcCustom };

// The first identifier of a block (100 Inner Sphere energy ... 3300 custom
// miscellaneous ammunition); the block ends before that value plus 100.
int BlockStart(ECategory category, ETechColumn column);
// The technology column whose equipment a filter bit shows (1, 2, 4 Inner
// Sphere; 8, 16 Clan; 32 custom).
ETechColumn TechColumnOfFilter(std::uint8_t filter);

class TEquipmentLists {
 public:
  static constexpr int kBlockCount = 33;
  static constexpr int kMaxRecords = 100;
  using List = std::vector<std::unique_ptr<TWepInfo>>;

  // The order in which the blocks are read: the Inner Sphere blocks, the Clan
  // blocks, then the custom blocks, each from energy to miscellaneous ammunition.
  static const std::array<std::int16_t, kBlockCount>& LoadOrder();

  // Reads every block. Any failure (no such table, a missing column, a column
  // of another class, a value outside its field) throws TDatabaseError with
  // the reason; the lists are then as they were before.
  void LoadAll(IDatabase& db);

  // Runs the query for one block and fills `into` with its rows (at most a
  // list's worth), remembering code names and abbreviations in `index`.
  static void ReadBlock(IQuery& query, int start, List& into, TEquipmentIndex& index);

  // The list of the block that starts at `start` (empty for an unknown start).
  const List& Block(int start) const;
  // The index of the last record of a block, -1 when it is empty.
  int Count(int start) const { return static_cast<int>(Block(start).size()) - 1; }
  // The list for the Weapons tab.
  const List& For(ECategory category, std::uint8_t filter, bool ammunition) const;

  const TEquipmentIndex& Index() const { return index_; }

  // A record by the identifier the rules use (SAVENUM), null when unknown.
  const TWepInfo* BySaveNum(int saveNum) const;
  // A record of the Inner Sphere or Clan blocks by the older identifier of the
  // design files and readouts (SAVE97), null when unknown; custom records have
  // none and are never found this way.
  const TWepInfo* BySave97(int save97) const;
  // The older identifier of a record, 0 when it has none.
  std::int16_t Save97Of(int saveNum) const;

  // Brings the design-dependent values (tons, slots, heat, damage, cost, battle
  // value) of the Inner Sphere and Clan miscellaneous and structure records up
  // to date for the design, from their formulas.
  void UpdateDesignDependent(const TMech& design);

  // The database the lists came from, kept connected for the run: the
  // manufacturer pick lists are read from it as they are needed. Null when the
  // lists were filled without keeping it.
  void KeepDatabase(std::unique_ptr<IDatabase> db) { db_ = std::move(db); }
  IDatabase* Database() const { return db_.get(); }

 private:
  static int Slot(int start);
  void Reindex();
  // What validation needs of each identifier: its TECH bits, and whether it
  // fires ammunition of the table.
  void RememberFacts();

  std::array<List, kBlockCount> lists_;
  TEquipmentIndex index_;
  std::vector<const TWepInfo*> bySaveNum_;  // identifiers 100..3399
  std::vector<const TWepInfo*> bySave97_;   // older identifiers 100..1199
  std::unique_ptr<IDatabase> db_;
};

}  // namespace tfd
