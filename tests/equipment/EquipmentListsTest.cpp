#include "equipment/EquipmentLists.h"

#include <gtest/gtest.h>

#include "EquipmentTestKit.h"
#include "equipment/Database.h"
#include "model/Mech.h"

namespace tfd {
namespace {

using test::AddRow;

std::vector<int> Ids(const TEquipmentLists::List& list) {
  std::vector<int> ids;
  for (const auto& r : list) ids.push_back(r->Info.IdNum);
  return ids;
}

TEST(EquipmentLists, BlocksLoadInTheirOrderSortedWithTheLastIndexAsCount) {
  auto db = test::SchemaDb();
  AddRow(*db, 102, "Laser B");
  AddRow(*db, 100, "Laser A");
  AddRow(*db, 199, "Laser Z");
  AddRow(*db, 99, "Below every block");
  AddRow(*db, 3399, "Last custom");
  AddRow(*db, 3400, "Beyond every block");
  TEquipmentLists lists;
  lists.LoadAll(*db);
  EXPECT_EQ(Ids(lists.Block(100)), (std::vector<int>{100, 102, 199}));
  EXPECT_EQ(lists.Count(100), 2);
  EXPECT_EQ(lists.Count(200), -1) << "an empty block";
  EXPECT_TRUE(lists.Block(200).empty());
  EXPECT_EQ(lists.Count(3300), 0);
  EXPECT_EQ(lists.BySaveNum(99), nullptr);
  EXPECT_EQ(lists.BySaveNum(3400), nullptr);
  EXPECT_EQ(lists.BySaveNum(102)->Info.Name, "Laser B");
}

TEST(EquipmentLists, TheWeaponsTabListFollowsCategoryFilterAndAmmunition) {
  TEquipmentLists lists;
  EXPECT_EQ(&lists.For(catBallistic, 1, false), &lists.Block(300));
  EXPECT_EQ(&lists.For(catBallistic, 16, true), &lists.Block(1600));
  EXPECT_EQ(&lists.For(catMiscellaneous, 4, true), &lists.Block(2100));
  EXPECT_EQ(&lists.For(catSRM, 32, true), &lists.Block(3200));
  EXPECT_EQ(&lists.For(catEnergy, 8, true), &lists.Block(200)) << "energy has no ammunition";
  EXPECT_EQ(&lists.For(catStructure, 32, false), &lists.Block(2900));
}

TEST(EquipmentLists, CodeNamesAreRememberedOnlyInTheBlocksSearchedForThem) {
  auto db = test::SchemaDb();
  AddRow(*db, 1300, "Heat Sink", "HS");
  AddRow(*db, 1303, "Jump Jet", "Jump_Jet");
  AddRow(*db, 1304, "Jump Jet too", "Jump_Jet");
  AddRow(*db, 1400, "Clan Heat Sink", "HS");
  AddRow(*db, 1401, "Clan TSM", "TSM");         // TSM is not searched in the Clan block
  AddRow(*db, 2900, "Custom Heat Sink", "HS");  // custom blocks are never searched
  AddRow(*db, 900, "Misplaced", "Laser_AMS");   // searched in electronics only
  AddRow(*db, 1210, "Clan Laser AMS", "Laser_AMS");
  AddRow(*db, 1500, "@Machine Gun", "@MG");
  AddRow(*db, 1501, "@Gauss Rifle", "@gauss");  // the comparison minds case
  TEquipmentLists lists;
  lists.LoadAll(*db);
  const TEquipmentIndex& ix = lists.Index();
  EXPECT_EQ(ix.Id(techInnerSphere, ECode::HS), 1300);
  EXPECT_EQ(ix.Id(techInnerSphere, ECode::Jump_Jet), 1304) << "the later row wins";
  EXPECT_EQ(ix.Id(techClan, ECode::HS), 1400);
  EXPECT_EQ(ix.Id(techClan, ECode::TSM), 0);
  EXPECT_EQ(ix.Id(techInnerSphere, ECode::Laser_AMS), 0);
  EXPECT_EQ(ix.Id(techClan, ECode::Laser_AMS), 1210);
  EXPECT_EQ(ix.Id(techInnerSphere, ECode::AmmoMG), 1500);
  EXPECT_EQ(ix.Id(techInnerSphere, ECode::AmmoGauss), 0);
  EXPECT_EQ(ix.Abbrev(1304), "Jump_Jet") << "abbreviations by identifier";
  EXPECT_EQ(ix.Abbrev(1210), "Laser_AMS");
  EXPECT_EQ(ix.Abbrev(1211), "");
}

TEST(EquipmentLists, TheOlderNumberFindsInnerSphereAndClanRowsButNeverCustomOnes) {
  auto db = test::SchemaDb();
  AddRow(*db, 100, "IS Laser", "", 100);
  AddRow(*db, 200, "Clan Laser", "", 150);
  AddRow(*db, 1500, "@IS Ammo", "", 800);
  AddRow(*db, 2300, "Custom Laser", "", 101);  // a stray number in a custom row
  TEquipmentLists lists;
  lists.LoadAll(*db);
  EXPECT_EQ(lists.BySave97(150)->Info.Name, "Clan Laser");
  EXPECT_EQ(lists.BySave97(800)->Info.IdNum, 1500);
  EXPECT_EQ(lists.BySave97(101), nullptr);
  EXPECT_EQ(lists.BySave97(0), nullptr);
  EXPECT_EQ(lists.BySave97(-1), nullptr);
  EXPECT_EQ(lists.Save97Of(200), 150);
  EXPECT_EQ(lists.Save97Of(2300), 0);
  EXPECT_EQ(lists.Save97Of(555), 0) << "an unknown identifier";
}

// A database whose WepTable is the shipped one with one column declared anew.
std::unique_ptr<IDatabase> DbWithColumn(const std::string& column, const std::string& declaration) {
  auto db = OpenSqliteDatabase(":memory:", EOpenMode::Create);
  std::string schema = test::ReadText(TFD_SCHEMA_SQL);
  const auto at = schema.find("\n  " + column + " ");
  const auto end = schema.find('\n', at + 1);
  const bool last = schema[end - 1] != ',';
  schema.replace(at, end - at,
                 declaration.empty() ? "" : "\n  " + column + " " + declaration + (last ? "" : ","));
  if (declaration.empty() && last) schema.erase(schema.rfind(',', at), 1);  // the comma before goes too
  db->Execute(schema);
  return db;
}

std::string LoadError(IDatabase& db, TEquipmentLists& lists) {
  try {
    lists.LoadAll(db);
  } catch (const TDatabaseError& e) {
    return e.what();
  }
  return "";
}

TEST(EquipmentLists, ACorruptTableIsOneClearErrorAndTheListsStayAsTheyWere) {
  TEquipmentLists lists;
  {
    auto good = test::SchemaDb();
    AddRow(*good, 100, "Kept Laser", "", 100);
    lists.LoadAll(*good);
  }

  auto missing = DbWithColumn("CALCBV", "");
  AddRow(*missing, 100, "Laser");
  EXPECT_NE(LoadError(*missing, lists).find("CALCBV"), std::string::npos);

  auto wrongClass = DbWithColumn("TONS", "TEXT NOT NULL DEFAULT ''");
  AddRow(*wrongClass, 100, "Laser");
  EXPECT_NE(LoadError(*wrongClass, lists).find("TONS"), std::string::npos);

  auto wide = test::SchemaDb();
  AddRow(*wide, 1300, "Too many slots", "", 0, ", CRITS", ", 300");
  EXPECT_NE(LoadError(*wide, lists).find("CRITS"), std::string::npos);

  auto noTable = OpenSqliteDatabase(":memory:", EOpenMode::Create);
  EXPECT_NE(LoadError(*noTable, lists).find("WepTable"), std::string::npos);

  ASSERT_EQ(lists.Count(100), 0) << "a failed load changes nothing";
  EXPECT_EQ(lists.Block(100)[0]->Info.Name, "Kept Laser");
  EXPECT_EQ(lists.BySave97(100)->Info.Name, "Kept Laser");
}

TEST(EquipmentLists, AStoreWithDuplicateKeysStopsAtAHundredRowsPerList) {
  auto db = DbWithColumn("IDNUM", "SMALLINT NOT NULL");  // no primary key
  for (int i = 0; i < 120; ++i) AddRow(*db, 500 + i % 2, "Launcher " + std::to_string(i));
  TEquipmentLists lists;
  lists.LoadAll(*db);
  EXPECT_EQ(lists.Count(500), TEquipmentLists::kMaxRecords - 1);
}

TEST(EquipmentLists, DesignDependentValuesFollowTheDesignInMiscellaneousAndStructureOnly) {
  auto db = test::SchemaDb();
  const std::string cols = ", TONS, CRITS, DMG, CALCTONS, CALCCRITS, CALCDMG, CALCBV";
  AddRow(*db, 900, "Chopper", "Hatchet", 0, cols, ", 0, 0, 0, 'WM/15', 'WM/15', 'NM/5', 'ND*1.5'");
  AddRow(*db, 1400, "Clan Booster", "MASC", 0, ", CALCTONS, CALCCRITS, CALCCOST",
         ", 'WM/25', 'NT', 'NE*T*1000'");
  AddRow(*db, 100, "Odd Laser", "", 0, ", TONS, CALCTONS", ", 1, 'NM'");
  AddRow(*db, 2700, "Custom Chopper", "", 0, ", TONS, CALCTONS", ", 2, 'NM'");
  TEquipmentLists lists;
  lists.LoadAll(*db);

  TMech design;
  design.Tonnage = 55;
  design.EngineRating = 275;
  lists.UpdateDesignDependent(design);
  const TWepInfoStruct& hatchet = lists.Block(900)[0]->Info;
  EXPECT_FLOAT_EQ(hatchet.Tons, 4.0f);
  EXPECT_EQ(hatchet.Crits, 4);
  EXPECT_EQ(hatchet.Damage, 11);
  EXPECT_EQ(hatchet.DamageText, "11");
  EXPECT_EQ(hatchet.BV, 17) << "16.5 rounds up";
  const TWepInfoStruct& masc = lists.Block(1400)[0]->Info;
  EXPECT_FLOAT_EQ(masc.Tons, 3.0f);
  EXPECT_EQ(masc.Crits, 3);
  EXPECT_DOUBLE_EQ(masc.Cost, 275.0 * 3 * 1000);
  EXPECT_FLOAT_EQ(lists.Block(100)[0]->Info.Tons, 1.0f) << "energy rows keep their values";
  EXPECT_FLOAT_EQ(lists.Block(2700)[0]->Info.Tons, 2.0f) << "custom rows keep their values";

  design.Tonnage = 100;
  lists.UpdateDesignDependent(design);
  EXPECT_FLOAT_EQ(hatchet.Tons, 7.0f);
  EXPECT_EQ(hatchet.Damage, 20);
}

}  // namespace
}  // namespace tfd
