#include <gtest/gtest.h>

#include "model/Configuration.h"
#include "model/Enums.h"

using namespace tfd;

TEST(LocationAbbrev, FollowsBodyShape) {
  EXPECT_EQ(LocationAbbrev(4, false), "RA");
  EXPECT_EQ(LocationAbbrev(4, true), "RFL");
  EXPECT_EQ(LocationAbbrev(12, false), "XXX");
  EXPECT_EQ(LocationAbbrev(12, true), "RFLR");
  EXPECT_EQ(LocationAbbrev(20, false), "RA/T");
  EXPECT_EQ(LocationAbbrev(20, true), "RFL/T");
  EXPECT_EQ(LocationAbbrev(31, true), "LRL/TR");
  EXPECT_EQ(LocationAbbrev(34, false), "RTT");
  EXPECT_EQ(LocationAbbrev(33, false), "XXX");
  EXPECT_EQ(LocationAbbrev(64, true), "BIN");
  EXPECT_EQ(LocationAbbrev(100, false), "XXX");
  EXPECT_EQ(LocationAbbrev(128, false), "XXX");
  EXPECT_EQ(LocationAbbrev(200, false), "00C8");
  EXPECT_EQ(LocationAbbrev(-3, false), "XXX");
}

TEST(ArmorTypeName, ClanPrefixOnlyInMixedDesigns) {
  EXPECT_EQ(ArmorTypeName(atClanFF, false, false), "Ferro-Fibrous");
  EXPECT_EQ(ArmorTypeName(atClanFF, false, true), "Clan Ferro-Fibrous");
  EXPECT_EQ(ArmorTypeName(atClanFF, true, false), "FF");
  EXPECT_EQ(ArmorTypeName(atClanFF, true, true), "Cl FF");
  EXPECT_EQ(ArmorTypeName(atClanReactive, true, true), "Cl React");
  EXPECT_EQ(ArmorTypeName(atPatchwork, true, false), "ERROR");
  std::string kept = "unchanged";
  ArmorTypeName(11, false, false, kept);
  EXPECT_EQ(kept, "unchanged");
}

TEST(EnumerationNames, QuotedTextsAndUnknownCodes) {
  EXPECT_EQ(RulesLevelName(rlMixed3), "Mixed/Custom Level 3");
  EXPECT_EQ(RulesLevelName(3), "");
  EXPECT_EQ(OptionsSummary(optLAM | optQuad | optUtility), "LAM, Quad, Utility, ");
  EXPECT_EQ(HeatSinkTypeName(hsLaser), "Laser");
  EXPECT_EQ(HeatSinkTypeName(hsClanDouble), "Clan Double");
  EXPECT_EQ(EngineTypeName(etICE), "I.C.E.");
  EXPECT_EQ(EngineTypeName(7), "");
  EXPECT_EQ(TargetingTypeName(tgMultiTrac2), "Multi-Trac II");
  EXPECT_EQ(CaseName(caseIS2, true), "iCASE II");
  EXPECT_EQ(CaseName(caseClan, true), "cCASE");
  EXPECT_EQ(CaseName(caseClan2, false), "CASE II");
  EXPECT_EQ(LocationName(6, true), "Right Rear Leg");
  EXPECT_EQ(LocationName(8, false), "");
}

TEST(ConfigName, FixedPrimaryAndAlternates) {
  EXPECT_EQ(ConfigName(0, false), "Default Configuration");
  EXPECT_EQ(ConfigName(0, true), "Fixed Configuration");
  EXPECT_EQ(ConfigName(1, true), "Primary Configuration");
  EXPECT_EQ(ConfigName(2, true), "Alt. A Configuration");
  EXPECT_EQ(ConfigName(4, true), "Alt. C Configuration");
  EXPECT_EQ(ConfigName(27, true), "Alt. Z Configuration");
  EXPECT_EQ(ConfigName(28, true), "");
  EXPECT_EQ(ConfigMenuLabel(27), "Alternate Z");
}
