// The Reports page's own figures: physical attacks, battle value per price,
// heat potential and free critical slots.

#include <gtest/gtest.h>

#include "RatingsKit.h"
#include "ratings/Ratings.h"
#include "ratings/ReportFigures.h"
#include "rules/RulesPass.h"

using namespace tfd;
using namespace tfd::kit;

TEST(PhysicalDamage, ByTonnageArmsAndHands) {
  TMech m;
  m.Tonnage = 75;
  TPhysicalDamage d = PhysicalDamage(m);
  EXPECT_EQ(d.Punch, 8);  // 7.5 rounds up
  EXPECT_EQ(d.Kick, 15);
  EXPECT_EQ(d.Club, 15);

  // One hand is enough to hold a club; none is not.
  m.Config->Actuators = {0, 1, 1, 1};
  EXPECT_EQ(PhysicalDamage(m).Club, 15);
  m.Config->Actuators = {0, 1, 0, 1};
  d = PhysicalDamage(m);
  EXPECT_EQ(d.Club, 0);
  EXPECT_EQ(d.Punch, 8);
  m.Config->ResetActuators();

  m.Options = optQuad;
  d = PhysicalDamage(m);
  EXPECT_EQ(d.Punch, 0);
  EXPECT_EQ(d.Club, 0);
  EXPECT_EQ(d.Kick, 15);

  m.Options = 0;
  m.MiscFlags = mfArmless;
  d = PhysicalDamage(m);
  EXPECT_EQ(d.Punch, 0);
  EXPECT_EQ(d.Club, 0);
  EXPECT_EQ(d.Kick, 15);

  m.MiscFlags = 0;
  m.Tonnage = 20;
  d = PhysicalDamage(m);
  EXPECT_EQ(d.Punch, 2);
  EXPECT_EQ(d.Kick, 4);
}

TEST(BangPerBuck, PointsPerHundredThousandAndNoDivisionByZero) {
  EXPECT_DOUBLE_EQ(BangPerBuck(1000, 5000000.0), 20.0);
  EXPECT_DOUBLE_EQ(BangPerBuck(1027, 18093451.0), 1027 / 180.93451);
  EXPECT_EQ(BangPerBuck(1000, 0.0), 0.0);
  EXPECT_EQ(BangPerBuck(1000, -5.0), 0.0);
}

TEST(HeatPotential, WeaponHeatPlusMovementHeat) {
  TEquipmentIndex index = MakeIndex();
  TMech m;
  m.Equipment = &index;
  m.Tonnage = 50;
  m.WalkMP = 4;
  TConfiguration& c = *m.Config;
  Place(c, kLargeLaser, locRightArm);
  Place(c, kMediumLaser, locLeftArm);
  Place(c, kMediumLaser, locCenterTorso + lcRear);  // fires backwards: no heat
  ComputeRatings(m);
  EXPECT_EQ(HeatPotential(c), 8 + 3 + 2);  // running heats 2
  m.JumpMP = 4;                            // jumping heats a point per MP, at least 3
  ComputeRatings(m);
  EXPECT_EQ(HeatPotential(c), 8 + 3 + 4);
}

TEST(FreeCriticalSlots, UsableSlotsOfTheLoadoutWithoutAnArmlessDesignsArms) {
  TEquipmentIndex index = MakeIndex();
  TMech m;
  m.Equipment = &index;
  Recalculate(m, rqAll);
  const TSlotCount all = FreeCriticalSlots(m);
  EXPECT_EQ(all.Total, 6 + 5 * 12 + 2 * 6);  // head, torsos and arms, legs
  EXPECT_GT(all.Free, 0);
  EXPECT_LT(all.Free, all.Total);  // cockpit, engine, gyro, actuators

  int armFree = 0;
  for (int loc : {locRightArm, locLeftArm})
    for (int s = 1; s <= m.Config->Crits.UsableSlots(loc); ++s)
      armFree += m.Config->Crits.SlotAt(loc, s).Code == ciEmpty;
  m.MiscFlags = mfArmless;
  const TSlotCount armless = FreeCriticalSlots(m);
  EXPECT_EQ(armless.Total, all.Total - 24);
  EXPECT_EQ(armless.Free, all.Free - armFree);
}
