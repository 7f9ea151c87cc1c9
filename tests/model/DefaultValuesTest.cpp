#include "model/DefaultValues.h"

#include <gtest/gtest.h>

#include "model/Enums.h"
#include "model/Mech.h"

namespace tfd {
namespace {

TEST(DefaultValues, TonnageGoesToTheNearestMultipleOfFive) {
  EXPECT_EQ(NearestMultipleOfFive(47), 45);
  EXPECT_EQ(NearestMultipleOfFive(48), 50);
  EXPECT_EQ(NearestMultipleOfFive(12), 10);
  EXPECT_EQ(NearestMultipleOfFive(13), 15);
  EXPECT_EQ(NearestMultipleOfFive(100), 100);
  EXPECT_EQ(NearestMultipleOfFive(0), 0);
}

TEST(DefaultValues, ANewDesignTakesThemOnlyOnceChosen) {
  TMech m;
  TDefaultValues values{dtClan2, 55, 5, src3050, false};
  ApplyDefaultValues(m, values);
  EXPECT_EQ(m.Tonnage, 20);
  EXPECT_EQ(m.RulesLevel, rlIS1);

  values.Chosen = true;
  ApplyDefaultValues(m, values);
  EXPECT_EQ(m.RulesLevel, rlClan2);
  EXPECT_EQ(m.Tonnage, 55);
  EXPECT_EQ(m.WalkMP, 5);
  EXPECT_EQ(m.Source, src3050);

  // Values out of their ranges (never from the window) stay within the design's.
  values = {9, 250, 0, 200, true};
  ApplyDefaultValues(m, values);
  EXPECT_EQ(m.RulesLevel, rlClan2);
  EXPECT_EQ(m.Tonnage, 100);
  EXPECT_EQ(m.WalkMP, 1);
  EXPECT_EQ(m.Source, srcOther);
}

}  // namespace
}  // namespace tfd
