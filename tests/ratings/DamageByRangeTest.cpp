// Damage and heat against range, with the graph switches.

#include <gtest/gtest.h>

#include "RatingsKit.h"
#include "ratings/DamageByRange.h"
#include "rules/RulesPass.h"

using namespace tfd;
using namespace tfd::kit;

namespace {

class DamageByRange : public ::testing::Test {
 protected:
  void SetUp() override {
    m.Equipment = &index;
    Place(c, kMediumLaser, locRightArm);              // 5 / 3 to range 9
    Place(c, kLRM10, locLeftTorso);                   // 10 / 4, minimum 6, to 21
    Place(c, kLRM10Ammo, locLeftTorso);               // ammunition does not fire
    Place(c, kMediumLaser, locCenterTorso + lcRear);  // faces rear
    Place(c, kUltraAC5, locRightTorso);               // 5 / 1, minimum 2, to 20
    Place(c, kStreakSRM2, locLeftArm);                // 4 / 2 to 9
    Place(c, kAMS, locCenterTorso);                   // defensive
  }
  // Damage and heat at range r.
  int D(int r) const { return m.DamageByRange[static_cast<std::size_t>(r - 1)]; }
  int H(int r) const { return m.HeatByRange[static_cast<std::size_t>(r - 1)]; }
  TEquipmentIndex index = MakeIndex();
  TMech m;
  TConfiguration& c = *m.Configs[0];
};

}  // namespace

TEST_F(DamageByRange, Switches) {
  ComputeDamageByRange(m, 0);
  EXPECT_EQ(D(1), 24);
  EXPECT_EQ(H(1), 10);
  EXPECT_EQ(D(10), 15);
  EXPECT_EQ(H(21), 4);
  EXPECT_EQ(D(22) + H(30), 0);
  const auto damage = m.DamageByRange;

  ComputeDamageByRange(m, kGraphOptionsMask);
  EXPECT_EQ(D(1), 5 + 2);  // LRM and Ultra too close, Streak half
  EXPECT_EQ(H(1), 3 + 1);
  EXPECT_EQ(D(3), 5 + 10 + 2);      // Ultra twice
  EXPECT_EQ(D(7), 5 + 6 + 10 + 2);  // six of ten missiles land on a 7
  EXPECT_EQ(H(7), 3 + 4 + 2 + 1);
  EXPECT_EQ(D(21), 6);

  // The heat switches leave damage alone.
  ComputeDamageByRange(m, goHeatUltra | goHeatStreak | goHeatMinRange);
  EXPECT_EQ(m.DamageByRange, damage);
  ComputeDamageByRange(m, goDamageMinRange);
  EXPECT_EQ(D(1), 9);
  EXPECT_EQ(H(1), 10);
}

TEST_F(DamageByRange, ClustersMountsAndAlternates) {
  c.Items.Clear();
  Place(c, kSRM6, locLeftTorso);        // six missiles of 2: four land
  Place(c, kLBX10, locRightTorso);      // ten pellets: six land
  Place(c, kAC20, lcTurret + locHead);  // a turret fires forward
  Place(c, kLargeLaser, lcBin);         // the BIN does not
  ComputeDamageByRange(m, goDamageCluster);
  EXPECT_EQ(D(1), 8 + 6 + 20);
  EXPECT_EQ(ClusterHitsOnSeven(15), 9);
  EXPECT_EQ(ClusterHitsOnSeven(40), 24);

  // An alternate fires the fixed configuration's weapons with its own.
  m.RulesLevel = rlIS3;
  m.Options = optOmni;
  Place(*m.Configs[2], kMediumLaser, locRightArm);
  m.SelectConfig(2);
  Recalculate(m, rqAll);
  ComputeDamageByRange(m, 0);
  EXPECT_EQ(D(1), 12 + 10 + 20 + 5);
}
