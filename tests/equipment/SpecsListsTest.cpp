#include "equipment/SpecsLists.h"

#include <gtest/gtest.h>

#include "CountingQuery.h"
#include "EquipmentTestKit.h"
#include "equipment/Database.h"
#include "model/Enums.h"
#include "model/Mech.h"

namespace tfd {
namespace {

class SpecsListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_ = test::SchemaDb();
    db_->Execute(
        "INSERT INTO SPECS VALUES (1, 'Plain Frame'); INSERT INTO SPECS VALUES (2, 'Oskar Endo');"
        "INSERT INTO SPECS VALUES (2, 'Corvane Endo'); INSERT INTO SPECS VALUES (6, 'Lark Lifters');"
        "INSERT INTO SPECS VALUES (7, 'Heron Improved'); INSERT INTO SPECS VALUES (8, 'Plain Plate');"
        "INSERT INTO SPECS VALUES (15, 'Tellar Nine'); INSERT INTO SPECS VALUES (16, 'Vigil 2');"
        "INSERT INTO SPECS VALUES (17, 'Ostrava Frameworks'); INSERT INTO SPECS VALUES (5, 'Vlar');"
        "INSERT INTO SPECS VALUES (5, 'Pitban'); INSERT INTO SPECS VALUES (5, 'Hermes');"
        "INSERT INTO SPECS VALUES (102, 'Brightline Mk1'); INSERT INTO SPECS VALUES (102, 'Argent 3');");
    query_ = std::make_unique<test::TCountingQuery>(db_->NewQuery());
  }
  int Refresh() {
    const int before = query_->Opens;
    lists_.Refresh(*query_, m_);
    return query_->Opens - before;
  }

  std::unique_ptr<IDatabase> db_;
  std::unique_ptr<test::TCountingQuery> query_;
  TSpecsLists lists_;
  TMech m_;
};

TEST(SpecsCategories, ClanKindsShareTheListsAndADesignThatCannotJumpHasNone) {
  EXPECT_EQ(ChassisCategory(stClanEndoSteel).Type, spChassisEndo);
  EXPECT_EQ(ArmorCategory(atClanFF).Type, spArmorFerro);
  EXPECT_EQ(ArmorCategory(atClanLaserReflective).Type, spArmorReflective);
  EXPECT_EQ(ArmorCategory(atClanReactive).Type, spArmorReactive);
  EXPECT_EQ(ArmorCategory(atPatchwork).Type, spPatchworkArmor);

  TMech m;
  EXPECT_FALSE(JumpJetCategory(m));
  m.JumpMP = 5;
  EXPECT_EQ(JumpJetCategory(m)->FirstEntry, "5");
  m.JumpJetType = jjImproved;
  EXPECT_EQ(JumpJetCategory(m)->Type, spImprovedJumpJets);
  EXPECT_EQ(TargetingDefault(200), "Unknown") << "a code without a name";
}

TEST_F(SpecsListsTest, ListsAreQueriedOnlyWhenTheTypeTheyNeedChanges) {
  EXPECT_EQ(Refresh(), 6) << "chassis, armour, com, T&T, manufacturer, power plant; no jump jets";
  EXPECT_EQ(lists_.Chassis.Entries, (std::vector<std::string>{"Standard", "Plain Frame"}));
  EXPECT_EQ(lists_.PowerPlant.Entries.front(), "Unknown");
  EXPECT_EQ(Refresh(), 0) << "nothing changed";

  m_.StructureType = stEndoSteel;
  EXPECT_EQ(Refresh(), 1);
  EXPECT_EQ(lists_.Chassis.Entries, (std::vector<std::string>{"Endo Steel", "Corvane Endo", "Oskar Endo"}));
  m_.StructureType = stClanEndoSteel;
  EXPECT_EQ(Refresh(), 0) << "the same list";

  // A new first entry is put in place without a query.
  const unsigned revision = lists_.TTSystem.Revision;
  m_.TargetingType = tgLongRange;
  EXPECT_EQ(Refresh(), 0);
  EXPECT_EQ(lists_.TTSystem.Entries, (std::vector<std::string>{"Long-Range", "Vigil 2"}));
  EXPECT_NE(lists_.TTSystem.Revision, revision) << "the box must show the new entries";

  m_.JumpMP = 4;
  EXPECT_EQ(Refresh(), 1);
  EXPECT_TRUE(lists_.JumpJetsEnabled);
  EXPECT_EQ(lists_.JumpJets.Entries, (std::vector<std::string>{"4", "Lark Lifters"}));
  m_.JumpMP = 5;
  EXPECT_EQ(Refresh(), 0);
  EXPECT_EQ(lists_.JumpJets.Entries.front(), "5");
  m_.JumpJetType = jjImproved;
  EXPECT_EQ(Refresh(), 1);
  EXPECT_EQ(lists_.JumpJets.Entries, (std::vector<std::string>{"Improved", "Heron Improved"}));

  m_.JumpMP = 0;
  EXPECT_EQ(Refresh(), 0);
  EXPECT_FALSE(lists_.JumpJetsEnabled);
  EXPECT_EQ(lists_.JumpJets.Entries, (std::vector<std::string>{"None"}));
  EXPECT_EQ(lists_.JumpJets.ItemIndex, 0);
  m_.JumpMP = 3;
  EXPECT_EQ(Refresh(), 1) << "the list forgot its category while the design could not jump";
}

TEST_F(SpecsListsTest, ARefillNeverReplacesTheTextTheDesignHolds) {
  m_.Texts[txtChassis] = "Oskar Endo";
  m_.Texts[txtArmor] = "Hand-typed Plate";
  Refresh();
  EXPECT_EQ(lists_.Chassis.ItemIndex, -1) << "not a standard-structure chassis";
  EXPECT_EQ(lists_.Chassis.Text, "Oskar Endo");

  m_.StructureType = stEndoSteel;
  m_.ArmorType = atFerroFibrous;
  m_.JumpMP = 2;
  m_.Texts[txtJumpJets] = "Lark Lifters";
  Refresh();
  EXPECT_EQ(m_.Texts[txtChassis], "Oskar Endo");
  EXPECT_EQ(lists_.Chassis.Text, "Oskar Endo");
  EXPECT_EQ(lists_.Chassis.ItemIndex, 2);
  EXPECT_EQ(m_.Texts[txtArmor], "Hand-typed Plate");
  EXPECT_EQ(lists_.Armor.Text, "Hand-typed Plate");
  EXPECT_EQ(lists_.JumpJets.ItemIndex, 1);

  m_.JumpMP = 0;
  Refresh();
  EXPECT_EQ(lists_.JumpJets.Text, "None");
  EXPECT_EQ(m_.Texts[txtJumpJets], "Lark Lifters") << "showing None does not lose the jets' maker";
}

TEST_F(SpecsListsTest, RefreshRebuildsThePowerPlantTextWithTheMakersOfTheList) {
  m_.RulesLevel = rlIS2;
  m_.Tonnage = 60;
  m_.WalkMP = 5;
  m_.EngineType = etXL;
  m_.EngineRating = 300;
  m_.Texts[txtPowerPlant] = "Pitban 240 XL";
  Refresh();
  EXPECT_EQ(m_.Texts[txtPowerPlant], "Vlar 300 XL");
  EXPECT_EQ(lists_.PowerPlant.Text, "Vlar 300 XL");
  EXPECT_EQ(lists_.Makers().NameFor(240), "Pitban");

  m_.Texts[txtPowerPlant] = "Hermes 240 XL";
  Refresh();
  EXPECT_EQ(m_.Texts[txtPowerPlant], "Hermes 300 XL");
}

TEST_F(SpecsListsTest, BrandsOfAnEntryAreQueriedOnlyForANewEntry) {
  TWepName laser{102, 2, "Argent 3", "Medium Laser"};
  lists_.ShowBrands(*query_, laser);
  EXPECT_EQ(query_->Opens, 1);
  EXPECT_EQ(lists_.Brand.Entries, (std::vector<std::string>{"Argent 3", "Brightline Mk1"}));
  EXPECT_EQ(lists_.Brand.ItemIndex, 0);
  laser.Brand = "Own Make";
  lists_.ShowBrands(*query_, laser);
  EXPECT_EQ(query_->Opens, 1);
  EXPECT_EQ(lists_.Brand.Text, "Own Make");
  EXPECT_EQ(lists_.Brand.ItemIndex, -1);
}

TEST(Armament, EntriesShowTheCountThenTheBrandOrTheNameInThePlural) {
  EXPECT_EQ(ArmamentEntryText({102, 2, "", "Medium Laser"}), "2 Medium Laser(s)");
  EXPECT_EQ(ArmamentEntryText({102, 1, "Brightline Mk1", "Medium Laser"}), "1 Brightline Mk1");
}

class ArmamentBrands : public ::testing::Test {
 protected:
  void SetUp() override {
    m.Brands->Insert(101, "Large Laser");
    m.Brands->Insert(102, "Medium Laser");
    m.Brands->Insert(102, "Medium Laser");
    m.Brands->Insert(702, "SRM 6");
  }
  std::string Brand(int id) { return m.Brands->Find(static_cast<std::int16_t>(id))->Brand; }
  TMech m;
};

TEST_F(ArmamentBrands, ANamedLineGivesItsEntryTheBrand) {
  m.Armament = {"1 Large Laser: Brightline Mk2", "2 Medium Lasers: Brightline Mk1", "Unknown Gun: Nobody",
                "SRM 6: Tessel Six", "SRM 6: A Second Brand"};
  TakeArmamentBrands(m);
  EXPECT_EQ(Brand(101), "Brightline Mk2");
  EXPECT_EQ(Brand(102), "Brightline Mk1");
  EXPECT_EQ(Brand(702), "Tessel Six") << "the first brand given stays";
}

TEST_F(ArmamentBrands, LinesAsTheListShowsThemFollowTheEntriesOnlyOnePerEntry) {
  m.Armament = {"1 Argent Heavy", "2 Medium Laser(s)", "1 Tessel Six"};
  TakeArmamentBrands(m);
  EXPECT_EQ(Brand(101), "Argent Heavy");
  EXPECT_EQ(Brand(102), "") << "the name in the plural is no brand";
  EXPECT_EQ(Brand(702), "Tessel Six");

  TMech other;
  other.Brands->Insert(101, "Large Laser");
  other.Brands->Insert(702, "SRM 6");
  other.Armament = {"Varies by configuration"};
  TakeArmamentBrands(other);
  EXPECT_EQ(other.Brands->Find(101)->Brand, "") << "one line for two entries gives no brand";
}

TEST(SourceEntries, EveryEntryStandsForItsOwnSourceAndBack) {
  ASSERT_EQ(SourceEntries().size(), 10u);
  EXPECT_EQ(SourceEntries().front(), "Custom Design");
  EXPECT_EQ(SourceEntries().back(), "Unknown Origin");
  for (int entry = 0; entry < 10; ++entry) EXPECT_EQ(SourceEntryOf(SourceOfEntry(entry)), entry) << entry;
  EXPECT_EQ(SourceOfEntry(8), srcSourcebook);
  EXPECT_EQ(SourceOfEntry(9), srcOther);
  EXPECT_EQ(SourceEntries()[static_cast<std::size_t>(SourceEntryOf(src3050))], "3050");
  EXPECT_EQ(SourceEntryOf(250), 9) << "an unknown code is of unknown origin";
  EXPECT_EQ(SourceOfEntry(-1), srcOther);
}

TEST(ClearSpecifications, EmptiesTheDescriptionAndKeepsTheDesign) {
  TMech m;
  m.Tonnage = 55;
  m.WalkMP = 5;
  m.StructureType = stEndoSteel;
  for (int t = 1; t <= kTextCount; ++t) m.Texts[static_cast<std::size_t>(t)] = "text " + std::to_string(t);
  m.Manufacturers = {"Ostrava Frameworks"};
  m.Overview = {"A raider."};
  m.Armament = {"1 Large Laser: Brightline"};
  m.Source = src3050;
  m.Brands->Insert(101, "Large Laser");
  m.Brands->ChangeBrand(101, "Brightline");
  ClearSpecifications(m);
  for (int t : {txtModel, txtChassis, txtJumpJets, txtArmor, txtComSystem, txtTargetingSystem})
    EXPECT_EQ(m.Texts[static_cast<std::size_t>(t)], "") << t;
  EXPECT_EQ(m.Texts[txtPowerPlant], "text 4") << "rebuilt from the engine, not emptied";
  EXPECT_EQ(m.Texts[txtFilePath], "text 2");
  EXPECT_TRUE(m.Manufacturers.empty());
  EXPECT_TRUE(m.Overview.empty());
  EXPECT_TRUE(m.Armament.empty());
  EXPECT_EQ(m.Source, srcCustom);
  ASSERT_NE(m.Brands->Find(101), nullptr) << "the equipment stays in the list";
  EXPECT_EQ(m.Brands->Find(101)->Brand, "");
  EXPECT_EQ(m.Tonnage, 55);
  EXPECT_EQ(m.WalkMP, 5);
  EXPECT_EQ(m.StructureType, stEndoSteel);
}

}  // namespace
}  // namespace tfd
