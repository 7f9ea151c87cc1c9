#include "equipment/EquipmentLists.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "equipment/Database.h"
#include "model/Enums.h"
#include "rules/Formula.h"
#include "rules/Validation.h"

namespace tfd {

namespace {

constexpr int kFirstId = 100;
constexpr int kEndId = 3400;      // first identifier after the custom blocks
constexpr int kFirstOldId = 100;  // the older numbering: 100 .. 1199
constexpr int kEndOldId = 1200;

// Which code names each Inner Sphere or Clan block is searched for.
struct CodeBlock {
  int start;
  ETech tech;
  std::vector<ECode> codes;
};

const std::vector<CodeBlock>& CodeBlocks() {
  using C = ECode;
  static const std::vector<CodeBlock> blocks = {
      {300, techInnerSphere, {C::Gauss, C::LightGauss}},
      {400, techClan, {C::Gauss}},
      {900, techInnerSphere, {C::Hatchet, C::Sword, C::Arrow_IV, C::A_Pod}},
      {1000, techClan, {C::Arrow_IV, C::A_Pod}},
      {1100, techInnerSphere, {C::TAG, C::Artemis_IV, C::C3Computer, C::C3Slave, C::Laser_AMS, C::Targ_Comp}},
      {1200, techClan, {C::TAG, C::Artemis_IV, C::Artemis_V, C::Targ_Comp, C::Laser_AMS}},
      {1300,
       techInnerSphere,
       {C::HS, C::DoubleHS, C::FF, C::ES, C::TSM, C::MASC, C::Jump_Jet, C::CompactHS, C::Imprvd_JJ}},
      {1400, techClan, {C::HS, C::DoubleHS, C::FF, C::ES, C::MASC, C::Jump_Jet, C::LaserHS, C::Imprvd_JJ}},
      {1500, techInnerSphere, {C::AmmoMG, C::AmmoLtGauss, C::AmmoGauss}},
      {1600, techClan, {C::AmmoMG, C::AmmoGauss}},
  };
  return blocks;
}

const CodeBlock* CodeBlockOf(int start) {
  for (const auto& b : CodeBlocks())
    if (b.start == start) return &b;
  return nullptr;
}

// The columns of a row, found once per block.
struct Columns {
  int idnum, savenum, save97, name, abbr, tech, tons, crits, dmg, heat, minrng, srt, med, lng, bv, cost,
      options, inlist, locs, dmgtxt, calccost, calctons, calccrits, calcdmg, calcbv, calcheat;

  explicit Columns(const IQuery& q)
      : idnum(q.Require("IDNUM")),
        savenum(q.Require("SAVENUM")),
        save97(q.Require("SAVE97")),
        name(q.Require("NAME")),
        abbr(q.Require("ABBR")),
        tech(q.Require("TECH")),
        tons(q.Require("TONS")),
        crits(q.Require("CRITS")),
        dmg(q.Require("DMG")),
        heat(q.Require("HEAT")),
        minrng(q.Require("MINRNG")),
        srt(q.Require("SRT")),
        med(q.Require("MED")),
        lng(q.Require("LNG")),
        bv(q.Require("BV")),
        cost(q.Require("COST")),
        options(q.Require("OPTIONS")),
        inlist(q.Require("INLIST")),
        locs(q.Require("LOCS")),
        dmgtxt(q.Require("DMGTXT")),
        calccost(q.Require("CALCCOST")),
        calctons(q.Require("CALCTONS")),
        calccrits(q.Require("CALCCRITS")),
        calcdmg(q.Require("CALCDMG")),
        calcbv(q.Require("CALCBV")),
        calcheat(q.Require("CALCHEAT")) {}
};

// A small integer column that fills a byte of the record.
std::uint8_t Byte(const IQuery& q, int column, std::string_view name, std::int16_t id) {
  const std::int16_t v = q.AsSmallInt(column);
  if (v < 0 || v > 255)
    throw TDatabaseError("Field '" + std::string(name) + "' of equipment " + std::to_string(id) + " holds " +
                         std::to_string(v) + ", outside 0 to 255");
  return static_cast<std::uint8_t>(v);
}

double Finite(const IQuery& q, int column, std::string_view name, std::int16_t id, double limit) {
  const double v = q.AsFloat(column);
  if (!std::isfinite(v) || std::fabs(v) > limit)
    throw TDatabaseError("Field '" + std::string(name) + "' of equipment " + std::to_string(id) +
                         " holds a value out of range");
  return v;
}

}  // namespace

int BlockStart(ECategory category, ETechColumn column) {
  const int c = static_cast<int>(category);
  switch (column) {
    case tcInnerSphere: return 100 + 200 * c;
    case tcClan: return 200 + 200 * c;
    default: return kFirstCustomId + 100 * c;
  }
}

ETechColumn TechColumnOfFilter(std::uint8_t filter) {
  if (IsClanLevel(filter)) return tcClan;
  if (filter & rlMixed3) return tcCustom;
  return tcInnerSphere;
}

const std::array<std::int16_t, TEquipmentLists::kBlockCount>& TEquipmentLists::LoadOrder() {
  static const auto order = [] {
    std::array<std::int16_t, kBlockCount> o{};
    int k = 0;
    for (ETechColumn t : {tcInnerSphere, tcClan, tcCustom})
      for (int c = 0; c < kCategoryCount; ++c)
        o[static_cast<std::size_t>(k++)] =
            static_cast<std::int16_t>(BlockStart(static_cast<ECategory>(c), t));
    return o;
  }();
  return order;
}

int TEquipmentLists::Slot(int start) {
  if (start < kFirstId || start >= kEndId || start % 100 != 0) return -1;
  return start / 100 - 1;
}

const TEquipmentLists::List& TEquipmentLists::Block(int start) const {
  static const List empty;
  const int s = Slot(start);
  return s < 0 ? empty : lists_[static_cast<std::size_t>(s)];
}

const TEquipmentLists::List& TEquipmentLists::For(ECategory category, std::uint8_t filter,
                                                  bool ammunition) const {
  if (ammunition) {
    switch (category) {
      case catBallistic: category = catBallisticAmmo; break;
      case catLRM: category = catLRMAmmo; break;
      case catSRM: category = catSRMAmmo; break;
      case catMiscellaneous: category = catMiscAmmo; break;
      default: break;
    }
  }
  return Block(BlockStart(category, TechColumnOfFilter(filter)));
}

void TEquipmentLists::ReadBlock(IQuery& q, int start, List& into, TEquipmentIndex& index) {
  q.Close();
  q.ClearText();
  q.AddLine("SELECT * ");
  q.AddLine("FROM WepTable ");
  q.AddLine("WHERE IDNUM>=" + std::to_string(start) + " AND IDNUM<" + std::to_string(start + 100));
  q.AddLine("ORDER BY IDNUM");
  q.Open();
  const Columns col(q);
  const CodeBlock* codes = CodeBlockOf(start);
  into.clear();
  // A store that lets two rows share an identifier could offer more than a
  // list holds: the list stops at its size.
  for (; !q.Eof() && static_cast<int>(into.size()) < kMaxRecords; q.Next()) {
    auto rec = std::make_unique<TWepInfo>();
    TWepInfoStruct& r = rec->Info;
    r.IdNum = q.AsSmallInt(col.idnum);
    const std::int16_t id = r.IdNum;
    r.SaveNum = q.AsSmallInt(col.savenum);
    r.Save97 = q.AsSmallInt(col.save97);
    r.Name = q.AsString(col.name);
    r.Abbrev = q.AsString(col.abbr);
    r.Tech = Byte(q, col.tech, "TECH", id);
    r.Tons = static_cast<float>(Finite(q, col.tons, "TONS", id, 1e30));
    r.Crits = Byte(q, col.crits, "CRITS", id);
    r.Damage = Byte(q, col.dmg, "DMG", id);
    r.Heat = Byte(q, col.heat, "HEAT", id);
    r.MinRange = Byte(q, col.minrng, "MINRNG", id);
    r.ShortRange = Byte(q, col.srt, "SRT", id);
    r.MediumRange = Byte(q, col.med, "MED", id);
    r.LongRange = Byte(q, col.lng, "LNG", id);
    r.BV = q.AsSmallInt(col.bv);
    r.Cost = Finite(q, col.cost, "COST", id, 1e300);
    r.Options = q.AsSmallInt(col.options);
    r.InList = Byte(q, col.inlist, "INLIST", id);
    r.Locs = Byte(q, col.locs, "LOCS", id);
    r.DamageText = q.AsString(col.dmgtxt);
    r.CalcCost = q.AsString(col.calccost);
    r.CalcTons = q.AsString(col.calctons);
    r.CalcCrits = q.AsString(col.calccrits);
    r.CalcDmg = q.AsString(col.calcdmg);
    r.CalcBV = q.AsString(col.calcbv);
    r.CalcHeat = q.AsString(col.calcheat);
    if (codes) {
      for (ECode c : codes->codes)
        if (r.Abbrev == CodeNameText(c)) index.Remember(codes->tech, c, r.IdNum);  // later rows win
    }
    if (start < kFirstCustomId) index.SetAbbrev(r.SaveNum, r.Abbrev);
    into.push_back(std::move(rec));
  }
  q.Close();
}

void TEquipmentLists::LoadAll(IDatabase& db) {
  std::array<List, kBlockCount> lists;
  TEquipmentIndex index;
  auto query = db.NewQuery();
  for (std::int16_t start : LoadOrder())
    ReadBlock(*query, start, lists[static_cast<std::size_t>(Slot(start))], index);
  lists_ = std::move(lists);
  index_ = std::move(index);
  Reindex();
  RememberFacts();
}

void TEquipmentLists::RememberFacts() {
  std::vector<std::string_view> ammunition;
  for (const auto& list : lists_)
    for (const auto& rec : list)
      if (IsAmmunition(rec->Info.SaveNum)) ammunition.push_back(rec->Info.Name);
  for (const auto& list : lists_)
    for (const auto& rec : list) {
      const TWepInfoStruct& r = rec->Info;
      const bool usesAmmo =
          !IsAmmunition(r.SaveNum) && std::any_of(ammunition.begin(), ammunition.end(),
                                                  [&r](std::string_view a) { return AmmoFeeds(a, r.Name); });
      index_.SetFacts(r.SaveNum, r.Tech, usesAmmo);
    }
}

void TEquipmentLists::Reindex() {
  bySaveNum_.assign(kEndId - kFirstId, nullptr);
  bySave97_.assign(kEndOldId - kFirstOldId, nullptr);
  for (std::int16_t start : LoadOrder()) {
    for (const auto& rec : Block(start)) {
      const TWepInfoStruct& r = rec->Info;
      if (r.SaveNum >= kFirstId && r.SaveNum < kEndId) {
        auto& slot = bySaveNum_[static_cast<std::size_t>(r.SaveNum - kFirstId)];
        if (!slot) slot = rec.get();  // the first match, as the readers take it
      }
      if (start < kFirstCustomId && r.Save97 >= kFirstOldId && r.Save97 < kEndOldId) {
        auto& slot = bySave97_[static_cast<std::size_t>(r.Save97 - kFirstOldId)];
        if (!slot) slot = rec.get();
      }
    }
  }
}

const TWepInfo* TEquipmentLists::BySaveNum(int saveNum) const {
  if (saveNum < kFirstId || saveNum >= kEndId || bySaveNum_.empty()) return nullptr;
  return bySaveNum_[static_cast<std::size_t>(saveNum - kFirstId)];
}

const TWepInfo* TEquipmentLists::BySave97(int save97) const {
  if (save97 < kFirstOldId || save97 >= kEndOldId || bySave97_.empty()) return nullptr;
  return bySave97_[static_cast<std::size_t>(save97 - kFirstOldId)];
}

std::int16_t TEquipmentLists::Save97Of(int saveNum) const {
  const TWepInfo* rec = BySaveNum(saveNum);
  if (!rec || BySave97(rec->Info.Save97) != rec) return 0;
  return rec->Info.Save97;
}

void TEquipmentLists::UpdateDesignDependent(const TMech& design) {
  for (int start : {900, 1000, 1300, 1400})
    for (auto& rec : lists_[static_cast<std::size_t>(Slot(start))]) RecomputeRecord(design, rec->Info);
}

}  // namespace tfd
