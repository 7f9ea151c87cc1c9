#include <gtest/gtest.h>

#include "model/Mech.h"
#include "model/UnitRoster.h"

using namespace tfd;

TEST(TUnitRoster, NewRosterUsesFirstFourPositions) {
  TUnitRoster roster;
  roster.UpdateTotals();
  for (int p = 1; p <= 4; ++p) EXPECT_TRUE(roster.PositionUsed(p));
  EXPECT_FALSE(roster.PositionUsed(5));
  EXPECT_FALSE(roster.PositionUsed(0));
  EXPECT_FALSE(roster.PositionUsed(46));
  EXPECT_EQ(roster.TotalBV, 0);
  EXPECT_EQ(roster.TotalTonnage, 0);
}

TEST(TUnitRoster, OrganisationDecidesUsedPositions) {
  TUnitRoster roster;
  roster.Organization = 36;
  roster.UpdateTotals();
  EXPECT_TRUE(roster.PositionUsed(45));
  roster.Organization = 16;
  roster.UpdateTotals();
  EXPECT_TRUE(roster.PositionUsed(4));
  EXPECT_FALSE(roster.PositionUsed(5));
  EXPECT_FALSE(roster.PositionUsed(45));

  roster.Organization = 67;
  roster.UpdateTotals();
  EXPECT_TRUE(roster.PositionUsed(12));
  EXPECT_FALSE(roster.PositionUsed(13));
  EXPECT_TRUE(roster.PositionUsed(16));
  EXPECT_TRUE(roster.PositionUsed(42));
  EXPECT_FALSE(roster.PositionUsed(43));

  roster.Organization = 99;  // unknown: the flags stay as they were
  roster.UpdateTotals();
  EXPECT_TRUE(roster.PositionUsed(42));
  EXPECT_EQ(OrganizationButtonText(20), "Inner Sphere Batalion");
  EXPECT_EQ(OrganizationName(20), "Inner Sphere Battalion");
}

TEST(TUnitRoster, TotalsCountUsedPositionsWithDesigns) {
  TUnitRoster roster;
  TMech heavy, light;
  heavy.Tonnage = 70;
  heavy.BattleValue = 1000;
  light.Tonnage = 20;
  light.BattleValue = 401;
  TPilot veteran;
  veteran.BVMultiplier = 1.5;
  roster.Assign(1, &heavy, &veteran);
  roster.Assign(3, &light, nullptr);
  roster.Assign(9, &heavy, nullptr);  // not used by a lance
  roster.Organization = 16;
  roster.UpdateTotals();
  EXPECT_EQ(roster.TotalBV, 1500 + 401);
  EXPECT_EQ(roster.TotalTonnage, 90);
  roster.UpdateTotals();  // totals start from zero every time
  EXPECT_EQ(roster.TotalTonnage, 90);
}
