// The shipped equipment table and pick lists against the contract the
// program relies on.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "EquipmentTestKit.h"
#include "equipment/Database.h"
#include "equipment/EquipmentLists.h"
#include "equipment/Specs.h"
#include "model/Mech.h"
#include "model/Weapon.h"
#include "rules/Formula.h"

namespace tfd {
namespace {

struct Shipped {
  std::unique_ptr<IDatabase> db = test::ShippedDb();
  TEquipmentLists lists;
  std::vector<const TWepInfoStruct*> rows;  // every row, in identifier order
  Shipped() {
    lists.LoadAll(*db);
    for (std::int16_t start = 100; start < 3400; start += 100)
      for (const auto& r : lists.Block(start)) rows.push_back(&r->Info);
  }
};

const Shipped& Data() {
  static const Shipped s;
  return s;
}

int BlockOf(const TWepInfoStruct& r) { return r.IdNum / 100 * 100; }
bool IsCustom(const TWepInfoStruct& r) { return r.IdNum >= 2300; }
bool IsClan(const TWepInfoStruct& r) { return !IsCustom(r) && BlockOf(r) % 200 == 0; }
// Category 0 (energy) .. 10 (miscellaneous ammunition).
int CategoryOf(const TWepInfoStruct& r) {
  return IsCustom(r) ? (r.IdNum - 2300) / 100 : (r.IdNum / 100 - 1) / 2;
}

TEST(ShippedData, EveryRowLoadsAndEveryBlockHoldsWhatItShould) {
  const auto& d = Data();
  ASSERT_GT(d.rows.size(), 250u);
  for (std::int16_t start : TEquipmentLists::LoadOrder()) {
    EXPECT_LE(d.lists.Count(start), TEquipmentLists::kMaxRecords - 1);
    if (start < 2300) {
      EXPECT_GE(d.lists.Count(start), 0) << "Inner Sphere and Clan block " << start << " is empty";
      EXPECT_LE(d.lists.Count(start), 49) << "block " << start << " outgrows its half of the older numbering";
    }
  }
  std::set<int> ids;
  for (const auto* r : d.rows) {
    EXPECT_TRUE(ids.insert(r->IdNum).second) << r->IdNum;
    EXPECT_EQ(r->SaveNum, r->IdNum) << r->Name;
    EXPECT_FALSE(r->Name.empty()) << r->IdNum;
    EXPECT_FALSE(r->Abbrev.empty()) << r->Name;
  }
}

TEST(ShippedData, OlderNumbersAreUniqueInTheirCategoryHundredAndTechnologyHalf) {
  const auto& d = Data();
  std::set<int> seen;
  for (const auto* r : d.rows) {
    if (IsCustom(*r)) {
      EXPECT_EQ(r->Save97, 0) << r->Name;
      EXPECT_EQ(d.lists.Save97Of(r->SaveNum), 0) << r->Name;
      continue;
    }
    const int hundred = 100 * (CategoryOf(*r) + 1);
    EXPECT_EQ(r->Save97 / 100 * 100, hundred) << r->Name;
    EXPECT_EQ(r->Save97 % 100 >= 50, IsClan(*r)) << r->Name << " " << r->Save97;
    EXPECT_TRUE(seen.insert(r->Save97).second) << r->Save97;
    EXPECT_EQ(d.lists.BySave97(r->Save97), d.lists.BySaveNum(r->SaveNum)) << r->Name;
    EXPECT_EQ(d.lists.Save97Of(r->SaveNum), r->Save97);
  }
}

TEST(ShippedData, TechnologyAndLocationBitsAreSensible) {
  for (const auto* r : Data().rows) {
    const int t = r->Tech;
    if (IsCustom(*r)) {
      EXPECT_EQ(t, 32) << r->Name;
    } else if (IsClan(*r)) {
      EXPECT_EQ(t & 7, 0) << r->Name << ": Clan equipment at an Inner Sphere level";
      EXPECT_TRUE(t & 16) << r->Name << ": every Clan item is offered at Clan Level 3";
      EXPECT_TRUE(t & 32) << r->Name;
    } else {
      EXPECT_EQ(t & 24, 0) << r->Name << ": Inner Sphere equipment at a Clan level";
      EXPECT_TRUE(t & 4) << r->Name << ": every Inner Sphere item is offered at Level 3";
      if (t & 1) {
        EXPECT_TRUE(t & 2) << r->Name << ": a Level 1 item stays at Level 2";
      }
      EXPECT_TRUE(t & 32) << r->Name;
    }
    EXPECT_NE(r->Locs, 0) << r->Name << " can go nowhere";
  }
}

TEST(ShippedData, AmmunitionNamesItsWeaponAndCarriesShotsPerTon) {
  const auto& d = Data();
  for (const auto* r : d.rows) {
    if (!IsAmmunition(r->SaveNum)) continue;
    ASSERT_EQ(r->Name.substr(0, 1), "@") << r->IdNum;
    EXPECT_EQ(r->Name.find('('), std::string::npos)
        << r->Name << ": readouts drop bracketed text after an \"@\"";
    EXPECT_GT(r->Damage, 0) << r->Name;
    EXPECT_FLOAT_EQ(r->Tons, 1.0f) << r->Name;
    EXPECT_GT(r->Cost, 0.0) << r->Name;
    EXPECT_TRUE(r->Options & woOffensive || r->Abbrev == "@AMS") << r->Name;
    // The weapon: same technology, the matching weapon category (the
    // miscellaneous ammunition also serves electronics). An alternative lot
    // adds the kind of round after a blank ("@LB 10-X AC Cluster").
    auto feeds = [&](const std::string& weapon) {
      return r->Name == "@" + weapon || r->Name.rfind("@" + weapon + " ", 0) == 0;
    };
    const int cat = CategoryOf(*r) - 7 + 1;  // ballistic ammunition -> ballistic, ...
    const ETechColumn tech = IsCustom(*r) ? tcCustom : (IsClan(*r) ? tcClan : tcInnerSphere);
    std::vector<int> blocks = {BlockStart(static_cast<ECategory>(cat), tech)};
    if (cat == catMiscellaneous) blocks.push_back(BlockStart(catElectronics, tech));
    bool found = false;
    for (int b : blocks)
      for (const auto& w : d.lists.Block(b)) found |= feeds(w->Info.Name);
    EXPECT_TRUE(found) << r->Name << " has no weapon";
  }
}

// Validation reads the TECH bits and "fires ammunition" from the index.
TEST(ShippedData, TheIndexKnowsEachRowsTechnologyAndWhetherItFiresAmmunition) {
  const auto& d = Data();
  const TEquipmentIndex& index = d.lists.Index();
  int firing = 0;
  for (const auto* r : d.rows) {
    EXPECT_EQ(index.Tech(r->SaveNum), r->Tech) << r->Name;
    firing += index.UsesAmmo(r->SaveNum);
    if (IsAmmunition(r->SaveNum) || r->SaveNum < 300) {
      EXPECT_FALSE(index.UsesAmmo(r->SaveNum)) << r->Name;
    }
  }
  EXPECT_GT(firing, 40);
  auto byName = [&](const char* name) {
    for (const auto* r : d.rows)
      if (r->Name == name) return static_cast<int>(r->SaveNum);
    return 0;
  };
  EXPECT_TRUE(index.UsesAmmo(byName("LRM 10")));
  EXPECT_TRUE(index.UsesAmmo(byName("Gauss Rifle")));
  EXPECT_FALSE(index.UsesAmmo(byName("Hatchet")));
}

TEST(ShippedData, NamesAreUniquePerTechnologyInEquipmentAndInAmmunition) {
  std::map<std::pair<int, bool>, std::set<std::string>> names;  // (technology, ammunition)
  for (const auto* r : Data().rows) {
    const int tech = IsCustom(*r) ? 2 : (IsClan(*r) ? 1 : 0);
    auto& seen = names[std::make_pair(tech, IsAmmunition(r->SaveNum))];
    EXPECT_TRUE(seen.insert(r->Name).second) << r->Name;
  }
}

TEST(ShippedData, EveryCodeNameStandsExactlyOnceInItsBlock) {
  using C = ECode;
  const std::vector<std::pair<int, std::vector<C>>> table = {
      {300, {C::Gauss, C::LightGauss}},
      {400, {C::Gauss}},
      {900, {C::Hatchet, C::Sword, C::Arrow_IV, C::A_Pod}},
      {1000, {C::Arrow_IV, C::A_Pod}},
      {1100, {C::TAG, C::Artemis_IV, C::C3Computer, C::C3Slave, C::Laser_AMS, C::Targ_Comp}},
      {1200, {C::TAG, C::Artemis_IV, C::Artemis_V, C::Targ_Comp, C::Laser_AMS}},
      {1300, {C::HS, C::DoubleHS, C::FF, C::ES, C::TSM, C::MASC, C::Jump_Jet, C::CompactHS, C::Imprvd_JJ}},
      {1400, {C::HS, C::DoubleHS, C::FF, C::ES, C::MASC, C::Jump_Jet, C::LaserHS, C::Imprvd_JJ}},
      {1500, {C::AmmoMG, C::AmmoLtGauss, C::AmmoGauss}},
      {1600, {C::AmmoMG, C::AmmoGauss}},
  };
  const auto& d = Data();
  for (const auto& [start, codes] : table) {
    const ETech tech = start % 200 == 0 ? techClan : techInnerSphere;
    for (C code : codes) {
      int count = 0;
      for (const auto& r : d.lists.Block(start)) count += r->Info.Abbrev == CodeNameText(code);
      EXPECT_EQ(count, 1) << CodeNameText(code) << " in block " << start;
      const int id = d.lists.Index().Id(tech, code);
      EXPECT_GE(id, start) << CodeNameText(code);
      EXPECT_LT(id, start + 100) << CodeNameText(code);
    }
  }
}

TEST(ShippedData, HeatSinksAndJumpJetsLieFromHSToJumpJetAndNothingElseDoes) {
  const std::set<std::string> kinds = {"HS", "DoubleHS", "CompactHS", "LaserHS", "Jump_Jet", "Imprvd_JJ"};
  const auto& d = Data();
  for (int start : {1300, 1400}) {
    const ETech tech = start == 1400 ? techClan : techInnerSphere;
    const int first = d.lists.Index().Id(tech, ECode::HS);
    const int last = d.lists.Index().Id(tech, ECode::Jump_Jet);
    ASSERT_LT(first, last);
    for (const auto& rec : d.lists.Block(start)) {
      const auto& r = rec->Info;
      const bool inside = r.SaveNum >= first && r.SaveNum <= last;
      EXPECT_EQ(inside, kinds.count(r.Abbrev) == 1) << r.Name;
      if (inside) {
        EXPECT_GT(r.InList, 0) << r.Name;
        EXPECT_TRUE(r.Options & woAppendNumber) << r.Name;
        EXPECT_GE(r.Crits, 2 * r.InList) << r.Name << ": room for more than one unit per placement";
      }
      if (r.Abbrev == "FF" || r.Abbrev == "ES") {
        EXPECT_EQ(r.Tons, 0.0f) << r.Name;
      }
    }
  }
}

// Every variable letter in a formula (the first character is the rounding mode).
std::set<char> Letters(const std::string& f) {
  std::set<char> s;
  for (std::size_t i = 1; i < f.size(); ++i)
    if (std::isalpha(static_cast<unsigned char>(f[i]))) s.insert(f[i]);
  return s;
}

TEST(ShippedData, FormulasUseOnlyKnownValuesAndGiveFiniteValuesForEveryDesign) {
  const auto& d = Data();
  int withFormulas = 0;
  for (const auto* r : d.rows) {
    const std::vector<std::string> formulas = {r->CalcTons, r->CalcCrits, r->CalcHeat,
                                               r->CalcDmg,  r->CalcCost,  r->CalcBV};
    bool any = false;
    for (const auto& f : formulas) {
      if (f.empty()) continue;
      any = true;
      EXPECT_NE(std::string("HQWRN").find(f[0]), std::string::npos) << r->Name << ": " << f;
      for (char c : Letters(f))
        EXPECT_NE(std::string("MEDT").find(c), std::string::npos) << r->Name << ": " << f;
    }
    if (!any) continue;
    ++withFormulas;
    const int block = BlockOf(*r);
    EXPECT_TRUE(block == 900 || block == 1000 || block == 1300 || block == 1400)
        << r->Name << ": formulas are only evaluated for miscellaneous and structure rows";
    TMech design;
    for (int tons = 10; tons <= 100; tons += 5) {
      for (int rating = 10; rating <= 500; rating += 5) {
        design.Tonnage = static_cast<std::uint8_t>(tons);
        design.EngineRating = static_cast<std::int16_t>(rating);
        for (const auto& f : formulas) {
          if (f.empty()) continue;
          const double v = EvalFormula(design, f, 0.0, r->Damage, 5.0, 0.0);
          ASSERT_TRUE(std::isfinite(v)) << r->Name << ": " << f << " at " << tons << " t";
          ASSERT_GE(v, 0.0) << r->Name << ": " << f << " at " << tons << " t";
        }
        TWepInfoStruct copy = *r;
        RecomputeRecord(design, copy);
        ASSERT_LE(copy.Crits, 12) << r->Name << " at " << tons << " t takes more than a location";
        ASSERT_LT(copy.Tons, 100.0f) << r->Name;
      }
    }
  }
  EXPECT_GE(withFormulas, 10);
}

TEST(ShippedData, JumpJetsWeighWhatTheRulesSayAtEveryTonnage) {
  const auto& d = Data();
  TMech design;
  for (ETech tech : {techInnerSphere, techClan}) {
    TWepInfoStruct jet = d.lists.BySaveNum(d.lists.Index().Id(tech, ECode::Jump_Jet))->Info;
    TWepInfoStruct improved = d.lists.BySaveNum(d.lists.Index().Id(tech, ECode::Imprvd_JJ))->Info;
    for (int tons = 10; tons <= 100; tons += 5) {
      design.Tonnage = static_cast<std::uint8_t>(tons);
      RecomputeRecord(design, jet);
      RecomputeRecord(design, improved);
      const float expected = tons <= 55 ? 0.5f : (tons <= 85 ? 1.0f : 2.0f);
      EXPECT_EQ(jet.Tons, expected) << tons << " t";
      EXPECT_EQ(improved.Tons, 2 * expected) << tons << " t";
      EXPECT_DOUBLE_EQ(jet.Cost, 200.0 * tons) << tons << " t";
      EXPECT_DOUBLE_EQ(improved.Cost, 500.0 * tons) << tons << " t";
    }
  }
}

TEST(ShippedData, DesignDependentWeaponsFollowTheTonnage) {
  const auto& d = Data();
  TMech design;
  design.Tonnage = 55;
  design.EngineRating = 275;
  auto get = [&](ETech tech, ECode code) {
    TWepInfoStruct r = d.lists.BySaveNum(d.lists.Index().Id(tech, code))->Info;
    RecomputeRecord(design, r);
    return r;
  };
  const auto hatchet = get(techInnerSphere, ECode::Hatchet);
  EXPECT_EQ(hatchet.Tons, 4.0f);
  EXPECT_EQ(hatchet.Crits, 4);
  EXPECT_EQ(hatchet.Damage, 11);
  const auto sword = get(techInnerSphere, ECode::Sword);
  EXPECT_EQ(sword.Tons, 3.0f);
  EXPECT_EQ(sword.Crits, 4);
  EXPECT_EQ(sword.Damage, 7);
  const auto masc = get(techInnerSphere, ECode::MASC);
  EXPECT_EQ(masc.Tons, 3.0f);
  EXPECT_EQ(masc.Crits, 3);
  EXPECT_EQ(get(techClan, ECode::MASC).Tons, 2.0f);  // 2.2 to the nearest ton
  const auto tsm = get(techInnerSphere, ECode::TSM);
  EXPECT_EQ(tsm.Crits, 6);
  EXPECT_DOUBLE_EQ(tsm.Cost, 55 * 16000.0);
}

TEST(ShippedData, MascWeighsItsShareOfTheTonnageToTheNearestTon) {
  const auto& d = Data();
  TMech design;
  for (ETech tech : {techInnerSphere, techClan}) {
    TWepInfoStruct masc = d.lists.BySaveNum(d.lists.Index().Id(tech, ECode::MASC))->Info;
    const double share = tech == techClan ? 25.0 : 20.0;
    for (int tons = 10; tons <= 100; tons += 5) {
      design.Tonnage = static_cast<std::uint8_t>(tons);
      RecomputeRecord(design, masc);
      EXPECT_EQ(masc.Tons, static_cast<float>(std::floor(tons / share + 0.5))) << tons << " t";
      EXPECT_EQ(masc.Crits, masc.Tons) << tons << " t";
    }
  }
  design.Tonnage = 45;
  TWepInfoStruct masc = d.lists.BySaveNum(d.lists.Index().Id(techInnerSphere, ECode::MASC))->Info;
  RecomputeRecord(design, masc);
  EXPECT_EQ(masc.Tons, 2.0f);
}

// The weapon an ammunition row feeds: same technology, the matching weapon
// category (miscellaneous ammunition also serves electronics). An alternative
// lot adds the kind of round after a blank ("@LB 10-X AC Cluster").
const TWepInfoStruct* WeaponFedBy(const TWepInfoStruct& ammo) {
  auto feeds = [&](const std::string& weapon) {
    return ammo.Name == "@" + weapon || ammo.Name.rfind("@" + weapon + " ", 0) == 0;
  };
  const int cat = CategoryOf(ammo) - 7 + 1;  // ballistic ammunition -> ballistic, ...
  const ETechColumn tech = IsCustom(ammo) ? tcCustom : (IsClan(ammo) ? tcClan : tcInnerSphere);
  std::vector<int> blocks = {BlockStart(static_cast<ECategory>(cat), tech)};
  if (cat == catMiscellaneous) blocks.push_back(BlockStart(catElectronics, tech));
  for (int b : blocks)
    for (const auto& w : Data().lists.Block(b))
      if (feeds(w->Info.Name)) return &w->Info;
  return nullptr;
}

TEST(ShippedData, AmmunitionIsWorthAnEighthOfItsWeaponPerTon) {
  int checked = 0;
  for (const auto* r : Data().rows) {
    if (!IsAmmunition(r->SaveNum)) continue;
    const TWepInfoStruct* weapon = WeaponFedBy(*r);
    ASSERT_NE(weapon, nullptr) << r->Name;
    // Anti-missile ammunition has values of its own; beacons carry none.
    if (r->Abbrev == "@AMS" || r->BV == 0) continue;
    EXPECT_EQ(r->BV, static_cast<int>(std::floor(weapon->BV / 8.0 + 0.5)))
        << r->Name << " feeds " << weapon->Name << " of battle value " << weapon->BV;
    ++checked;
  }
  EXPECT_GT(checked, 100);
}

// The Clan and Inner Sphere weapon of one name, where both exist.
std::vector<std::pair<const TWepInfoStruct*, const TWepInfoStruct*>> SameNamedWeapons() {
  std::vector<std::pair<const TWepInfoStruct*, const TWepInfoStruct*>> pairs;
  const auto& d = Data();
  for (int cat = catEnergy; cat <= catSRM; ++cat)
    for (const auto& clan : d.lists.Block(BlockStart(static_cast<ECategory>(cat), tcClan)))
      for (const auto& is : d.lists.Block(BlockStart(static_cast<ECategory>(cat), tcInnerSphere)))
        if (clan->Info.Name == is->Info.Name) pairs.emplace_back(&clan->Info, &is->Info);
  return pairs;
}

TEST(ShippedData, ClanWeaponsWithRangesOfTheirOwnCarryABattleValueOfTheirOwn) {
  int differing = 0;
  for (const auto& [clan, is] : SameNamedWeapons()) {
    const bool sameRanges = clan->MinRange == is->MinRange && clan->ShortRange == is->ShortRange &&
                            clan->MediumRange == is->MediumRange && clan->LongRange == is->LongRange;
    if (sameRanges || clan->Damage == 0) continue;  // a beacon's value is not its reach
    ++differing;
    EXPECT_NE(clan->BV, is->BV) << clan->Name << ": the Clan row carries the Inner Sphere value";
  }
  EXPECT_GT(differing, 10);
}

TEST(ShippedData, StreakLaunchersCostHalfAsMuchAgainAsTheirPlainKind) {
  const auto& d = Data();
  int streaks = 0;
  for (ETechColumn tech : {tcInnerSphere, tcClan})
    for (const auto& s : d.lists.Block(BlockStart(catSRM, tech))) {
      const auto& streak = s->Info;
      if (streak.Name.rfind("Streak SRM ", 0) != 0) continue;
      const std::string plain = streak.Name.substr(std::string("Streak ").size());
      const TWepInfoStruct* srm = nullptr;
      for (const auto& p : d.lists.Block(BlockStart(catSRM, tech)))
        if (p->Info.Name == plain) srm = &p->Info;
      ASSERT_NE(srm, nullptr) << streak.Name;
      EXPECT_DOUBLE_EQ(streak.Cost, 1.5 * srm->Cost) << streak.Name;
      ++streaks;
    }
  EXPECT_EQ(streaks, 6);
}

const TWepInfoStruct* Find(ECategory category, ETechColumn tech, const std::string& name) {
  for (const auto& r : Data().lists.Block(BlockStart(category, tech)))
    if (r->Info.Name == name) return &r->Info;
  return nullptr;
}

TEST(ShippedData, ArtilleryAndItsAmmunitionStandWhereverTheArrowIVDoes) {
  for (ETechColumn tech : {tcInnerSphere, tcClan}) {
    const TWepInfoStruct* arrow = Find(catMiscellaneous, tech, "Arrow IV System");
    ASSERT_NE(arrow, nullptr);
    for (const std::string name : {"Long Tom Artillery", "Sniper Artillery", "Thumper Artillery"}) {
      const TWepInfoStruct* piece = Find(catMiscellaneous, tech, name);
      ASSERT_NE(piece, nullptr) << name << " in technology " << tech;
      EXPECT_EQ(piece->Tech, arrow->Tech) << name;
      EXPECT_EQ(piece->Options, arrow->Options) << name;
      EXPECT_EQ(piece->Crits, piece->Tons) << name << ": a slot per ton";
      EXPECT_GT(piece->LongRange, 0) << name;
      const TWepInfoStruct* ammo = Find(catMiscAmmo, tech, "@" + name);
      ASSERT_NE(ammo, nullptr) << name;
      EXPECT_EQ(ammo->Tech, piece->Tech) << name;
    }
  }
  for (const std::string name : {"Small X-Pulse Laser", "Medium X-Pulse Laser", "Large X-Pulse Laser"})
    EXPECT_NE(Find(catEnergy, tcInnerSphere, name), nullptr) << name;
}

TEST(ShippedData, WeaponsAreOffensiveWithAPositiveBattleValue) {
  for (const auto* r : Data().rows) {
    const int cat = CategoryOf(*r);
    if (cat > catSRM || IsCustom(*r)) continue;
    EXPECT_TRUE(r->Options & woOffensive) << r->Name;
    EXPECT_GT(r->BV, 0) << r->Name;
    EXPECT_GT(r->Tons, 0.0f) << r->Name;
    EXPECT_GT(r->Crits, 0) << r->Name;
    EXPECT_LE(r->MinRange, r->ShortRange) << r->Name;
    EXPECT_LE(r->ShortRange, r->MediumRange) << r->Name;
    EXPECT_LE(r->MediumRange, r->LongRange) << r->Name;
    if (r->Options & woUsesArtemis) {
      EXPECT_TRUE(cat == catLRM || cat == catSRM) << r->Name;
    }
    EXPECT_EQ(r->InList, 0) << r->Name;
  }
}

TEST(ShippedData, PickListsOfferEveryEngineMakerAndBrandsForRealArmament) {
  const auto& d = Data();
  auto q = d.db->NewQuery();
  TPickList list;
  for (int type = 0; type <= spManufacturer; ++type) {
    FillPickList(*q, list, type, "", "");
    EXPECT_FALSE(list.Entries.empty()) << "TYPE " << type;
  }
  FillPickList(*q, list, spPowerPlant, "", "Unknown");
  TEngineMakers makers;
  makers.Locate(list.Entries);
  for (const char* name : EngineMakerNames())
    EXPECT_NE(std::find(list.Entries.begin(), list.Entries.end(), name), list.Entries.end()) << name;
  EXPECT_EQ(makers.NameFor(255), "Strand");

  q->Close();
  q->ClearText();
  q->AddLine("SELECT * FROM SPECS WHERE TYPE>17 ORDER BY TYPE");
  q->Open();
  int brands = 0;
  for (; !q->Eof(); q->Next(), ++brands) {
    const auto* item = d.lists.BySaveNum(static_cast<int>(q->AsInteger("TYPE")));
    ASSERT_NE(item, nullptr) << q->AsInteger("TYPE");
    EXPECT_TRUE(item->Info.Options & woInventory) << item->Info.Name;
  }
  EXPECT_GT(brands, 20);
}

}  // namespace
}  // namespace tfd
