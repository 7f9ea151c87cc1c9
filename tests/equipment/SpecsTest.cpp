#include "equipment/Specs.h"

#include <gtest/gtest.h>

#include "EquipmentTestKit.h"
#include "model/Enums.h"
#include "model/Mech.h"

namespace tfd {
namespace {

std::unique_ptr<IDatabase> SpecsDb() {
  auto db = test::SchemaDb();
  db->Execute(
      "INSERT INTO SPECS VALUES (17, 'Zeta Works'); INSERT INTO SPECS VALUES (17, 'Alpha Yards');"
      "INSERT INTO SPECS VALUES (17, 'Mid Foundry'); INSERT INTO SPECS VALUES (16, 'Other List');"
      "INSERT INTO SPECS VALUES (5, 'Vlar'); INSERT INTO SPECS VALUES (5, 'Pitban');"
      "INSERT INTO SPECS VALUES (5, 'Hermes'); INSERT INTO SPECS VALUES (5, 'Magna');");
  return db;
}

TEST(PickList, FillsOneTypeInNameOrderAfterTheFirstEntryAndPicksTheCurrentText) {
  auto db = SpecsDb();
  auto q = db->NewQuery();
  TPickList list;
  EXPECT_EQ(list.Tag, 99) << "a list starts unfilled";
  FillPickList(*q, list, spManufacturer, "Mid Foundry", "");
  EXPECT_EQ(list.Tag, spManufacturer);
  EXPECT_EQ(list.Entries, (std::vector<std::string>{"Alpha Yards", "Mid Foundry", "Zeta Works"}));
  EXPECT_EQ(list.ItemIndex, 1);

  FillPickList(*q, list, spManufacturer, "Typed by hand", "Unknown");
  EXPECT_EQ(list.Entries.front(), "Unknown");
  EXPECT_EQ(list.Entries.size(), 4u);
  EXPECT_EQ(list.ItemIndex, -1) << "nothing picked";
  EXPECT_EQ(list.Text, "Typed by hand") << "the text stays shown";

  FillPickList(*q, list, 1234, "", "");
  EXPECT_TRUE(list.Entries.empty()) << "a TYPE without rows";
  EXPECT_EQ(list.Tag, 1234);
}

TEST(EngineMakers, EachRatingMapsToItsMakersPositionAndEveryOtherToTheFirstEntry) {
  EXPECT_EQ(DefaultEngineMaker(5), -1);
  EXPECT_EQ(DefaultEngineMaker(405), -1);
  EXPECT_EQ(DefaultEngineMaker(242), -1);

  auto db = SpecsDb();
  auto q = db->NewQuery();
  TPickList list;
  FillPickList(*q, list, spPowerPlant, "", "Unknown");  // Unknown, Hermes, Magna, Pitban, Vlar
  TEngineMakers makers;
  makers.Locate(list.Entries);
  EXPECT_EQ(makers.PositionFor(240), 3);
  EXPECT_EQ(makers.PositionFor(100), 1);
  EXPECT_EQ(makers.PositionFor(243), 0);
  EXPECT_EQ(makers.PositionFor(255), 0) << "Strand is not in this list: the first entry stands in";
  EXPECT_EQ(makers.NameFor(255), "Unknown");
  EXPECT_EQ(makers.NameFor(300), "Vlar");
}

class PowerPlant : public ::testing::Test {
 protected:
  void SetUp() override {
    auto db = SpecsDb();
    auto q = db->NewQuery();
    TPickList list;
    FillPickList(*q, list, spPowerPlant, "", "Unknown");
    makers_.Locate(list.Entries);
    design_.RulesLevel = rlIS2;
    design_.EngineType = etXL;
    design_.EngineRating = 300;
  }
  std::string Rebuild(const std::string& text) { return RebuildPowerPlant(text, design_, makers_); }
  TEngineMakers makers_;
  TMech design_;
};

TEST_F(PowerPlant, ADefaultMakerFollowsTheRatingAndATypedOneStays) {
  EXPECT_EQ(Rebuild("Pitban 240 XL"), "Vlar 300 XL");
  EXPECT_EQ(Rebuild("Hermes 240 XL"), "Hermes 300 XL");
  EXPECT_EQ(Rebuild("pitban 240 xl"), "pitban 300 XL") << "the maker comparison minds case";
  EXPECT_EQ(Rebuild("Core Tek"), "Core Tek 300 XL");
  EXPECT_EQ(Rebuild("Unknown 250"), "300 XL");
  EXPECT_EQ(Rebuild(""), "Vlar 300 XL") << "an empty box takes the default maker";
  EXPECT_EQ(Rebuild("240"), "Vlar 300 XL");
  EXPECT_EQ(Rebuild("  Pitban   240   XL  "), "Vlar 300 XL") << "extra blanks";
  EXPECT_EQ(Rebuild("XL"), "Vlar 300 XL");
}

TEST_F(PowerPlant, RebuildingAgainChangesNothingEvenAtRatingZero) {
  for (int rating : {0, 300}) {
    design_.EngineRating = static_cast<std::int16_t>(rating);
    for (const std::string typed : {"Hermes 240 XL", "Pitban 240 XL", "", "Core Tek"}) {
      const std::string once = Rebuild(typed);
      EXPECT_EQ(Rebuild(once), once) << rating << " " << typed;
    }
  }
  design_.EngineRating = 0;
  EXPECT_EQ(Rebuild("Hermes 0 XL"), "Hermes 0 XL");
}

TEST_F(PowerPlant, TheEngineWordFollowsTheEngine) {
  design_.EngineType = etFusion;
  EXPECT_EQ(Rebuild("Hermes 240 XL"), "Hermes 300");
  design_.EngineType = etCompact;
  EXPECT_EQ(Rebuild("Hermes 240 I.C.E."), "Hermes 300 Compact");
  design_.EngineType = etICE;
  EXPECT_EQ(Rebuild("Hermes 240 compact"), "Hermes 300 I.C.E.");
  design_.EngineType = etClanXXL;
  EXPECT_EQ(Rebuild("Hermes 240"), "Hermes 300 XXL");
}

TEST_F(PowerPlant, AtClanAndMixedLevelsTheMakerIsNeverReplaced) {
  design_.RulesLevel = rlClan2;
  design_.EngineType = etClanXL;
  EXPECT_EQ(Rebuild(""), "300 XL");
  EXPECT_EQ(Rebuild("Pitban 240 XL"), "Pitban 300 XL");
  EXPECT_EQ(Rebuild("Unknown 240"), "300 XL");
  design_.RulesLevel = rlMixed3;
  EXPECT_EQ(Rebuild("Pitban 240 XL"), "Pitban 300 XL");
}

TEST_F(PowerPlant, ARatingWithoutAMakerUsesTheFirstEntry) {
  design_.EngineRating = 255;  // Strand, missing from this list
  EXPECT_EQ(Rebuild("Pitban 240 XL"), "255 XL") << "the stand-in is Unknown, which is dropped";
  EXPECT_EQ(Rebuild("Vlar 999999999 XL"), "Vlar 999999999 255 XL") << "no rating that long";
}

}  // namespace
}  // namespace tfd
