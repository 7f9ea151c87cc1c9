#include <gtest/gtest.h>

#include <cmath>

#include "model/Mech.h"
#include "model/Weapon.h"
#include "rules/Formula.h"

using namespace tfd;

class Formula : public ::testing::Test {
 protected:
  void SetUp() override {
    design.Tonnage = 65;
    design.EngineRating = 325;
  }
  double Eval(const char* f, double B = 0, double D = 0, double T = 0, double F = 0) {
    return EvalFormula(design, f, B, D, T, F);
  }
  TMech design;
};

TEST_F(Formula, RoundingModes) {
  EXPECT_DOUBLE_EQ(Eval("HM/15"), 4.5);  // 4.33 up to the half
  EXPECT_DOUBLE_EQ(Eval("QM/15"), 4.5);  // 4.33 up to the quarter
  EXPECT_DOUBLE_EQ(Eval("WM/15"), 5.0);
  EXPECT_DOUBLE_EQ(Eval("RM/15"), 4.0);  // 4.33 to the nearest
  EXPECT_DOUBLE_EQ(Eval("RM/26"), 3.0);  // 2.5: halves go up
  EXPECT_DOUBLE_EQ(Eval("RM/27"), 2.0);  // 2.41
  EXPECT_NEAR(Eval("NM/15"), 65.0 / 15.0, 1e-12);
  EXPECT_DOUBLE_EQ(Eval("Q1.1"), 1.25);
  EXPECT_DOUBLE_EQ(Eval("H"), 0.0);  // shorter than two characters
  EXPECT_DOUBLE_EQ(Eval(""), 0.0);
}

TEST_F(Formula, LeftToRightWithoutPrecedence) {
  EXPECT_DOUBLE_EQ(Eval("N2+3*4"), 20.0);
  EXPECT_DOUBLE_EQ(Eval("N10-4/2"), 3.0);
  EXPECT_DOUBLE_EQ(Eval("NE*0.05"), 16.25);
  EXPECT_DOUBLE_EQ(Eval("N0.1*M"), 6.5);
  EXPECT_DOUBLE_EQ(Eval("NT*10000+D", 0, 7, 2), 20007.0);
  EXPECT_DOUBLE_EQ(Eval("NB+F", 3, 0, 0, 4), 7.0);
}

TEST_F(Formula, NumberBeforeVariableIsDropped) {
  EXPECT_DOUBLE_EQ(Eval("N2M"), 65.0);
  EXPECT_DOUBLE_EQ(Eval("N5+2M"), 70.0);      // the 5 is combined by "+", the 2 dropped
  EXPECT_DOUBLE_EQ(Eval("N M * 2 "), 130.0);  // blanks are skipped
  EXPECT_DOUBLE_EQ(Eval("N1.2.3"), 1.2);
}

TEST_F(Formula, DivisionByZeroGivesZeroNotInfinity) {
  EXPECT_DOUBLE_EQ(Eval("NM/0"), 0.0);
  EXPECT_DOUBLE_EQ(Eval("WM/D", 0, 0), 0.0);
  EXPECT_DOUBLE_EQ(Eval("NM/0+5"), 5.0);
  double big = Eval(
      "N99999999999*99999999999*99999999999*99999999999*99999999999*99999999999"
      "*99999999999*99999999999*99999999999*99999999999*99999999999*99999999999"
      "*99999999999*99999999999*99999999999*99999999999*99999999999*99999999999"
      "*99999999999*99999999999*99999999999*99999999999*99999999999*99999999999"
      "*99999999999*99999999999*99999999999*99999999999*99999999999*99999999999");
  EXPECT_TRUE(std::isfinite(big));
}

TEST_F(Formula, RecomputeRecordInOrder) {
  TWepInfoStruct hatchet;
  hatchet.Damage = 0;
  hatchet.CalcTons = "WM/15";
  hatchet.CalcCrits = "WM/15";
  hatchet.CalcDmg = "NM/5";
  hatchet.CalcCost = "NT*5000";
  hatchet.CalcBV = "ND*1.5";
  RecomputeRecord(design, hatchet);
  EXPECT_FLOAT_EQ(hatchet.Tons, 5.0f);
  EXPECT_EQ(hatchet.Crits, 5);
  EXPECT_EQ(hatchet.Damage, 13);
  EXPECT_EQ(hatchet.DamageText, "13");
  EXPECT_DOUBLE_EQ(hatchet.Cost, 25000.0);
  EXPECT_EQ(hatchet.BV, 20);  // 13 x 1.5 = 19.5, rounded half up

  TWepInfoStruct plain;  // no formulas: nothing changes
  plain.Tons = 2.0f;
  plain.Crits = 3;
  plain.DamageText = "5/hit";
  RecomputeRecord(design, plain);
  EXPECT_FLOAT_EQ(plain.Tons, 2.0f);
  EXPECT_EQ(plain.Crits, 3);
  EXPECT_EQ(plain.DamageText, "5/hit");

  TWepInfoStruct huge;
  huge.CalcCrits = "NM*1000";
  huge.CalcBV = "N0-M*1000";
  RecomputeRecord(design, huge);
  EXPECT_EQ(huge.Crits, 255);  // kept within the field
  EXPECT_EQ(huge.BV, -32768);
}
