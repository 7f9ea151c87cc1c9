#pragma once
// Equipment rows, a remembered-identifier index and column checks for the
// ratings tests. Built by hand: the tests never read the shipped table.

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

#include "model/Mech.h"

namespace tfd::kit {

enum : std::int16_t {
  idArtemisIS = 1101,
  idTargCompIS = 1110,
  idArtemisClan = 1201,
  idArtemisV = 1202,
  idTargCompClan = 1210,
  idHS = 1301,
  idDoubleHS = 1302,
  idCompactHS = 1303,
  idJumpJet = 1304,
  idImprovedJJ = 1305,
  idTSM = 1310,
  idMASC = 1311,
  idClanDoubleHS = 1402,
  idLaserHS = 1403,
  idClanJumpJet = 1404,
};

inline TEquipmentIndex MakeIndex(bool innerSphereTargeting = false) {
  TEquipmentIndex x;
  const std::pair<ECode, std::int16_t> is[] = {{ECode::Artemis_IV, idArtemisIS},
                                               {ECode::HS, idHS},
                                               {ECode::DoubleHS, idDoubleHS},
                                               {ECode::CompactHS, idCompactHS},
                                               {ECode::Jump_Jet, idJumpJet},
                                               {ECode::Imprvd_JJ, idImprovedJJ},
                                               {ECode::TSM, idTSM},
                                               {ECode::MASC, idMASC}};
  const std::pair<ECode, std::int16_t> clan[] = {
      {ECode::Artemis_IV, idArtemisClan}, {ECode::Artemis_V, idArtemisV}, {ECode::Targ_Comp, idTargCompClan},
      {ECode::DoubleHS, idClanDoubleHS},  {ECode::LaserHS, idLaserHS},    {ECode::Jump_Jet, idClanJumpJet}};
  for (auto [code, id] : is) x.Remember(techInnerSphere, code, id);
  for (auto [code, id] : clan) x.Remember(techClan, code, id);
  if (innerSphereTargeting) x.Remember(techInnerSphere, ECode::Targ_Comp, idTargCompIS);
  return x;
}

constexpr std::int16_t kOff = woOffensive, kDF = woOffensive | woDirectFire,
                       kBoom = woOffensive | woExplosive;

inline TWepInfoStruct Row(std::int16_t id, int heat, int damage, int slots, double tons, int bv, double cost,
                          std::int16_t options, std::array<std::uint8_t, 4> r = {}) {
  TWepInfoStruct w;
  w.IdNum = w.SaveNum = id;
  w.Heat = static_cast<std::uint8_t>(heat);
  w.Damage = static_cast<std::uint8_t>(damage);
  w.Crits = static_cast<std::uint8_t>(slots);
  w.Tons = static_cast<float>(tons);
  w.BV = static_cast<std::int16_t>(bv);
  w.Cost = cost;
  w.Options = options;
  w.MinRange = r[0], w.ShortRange = r[1], w.MediumRange = r[2], w.LongRange = r[3];
  return w;
}

//                                 id  heat dmg slots tons  BV   cost    options           ranges
const auto kMediumLaser = Row(104, 3, 5, 1, 1, 46, 40000, kDF, {0, 3, 6, 9});
const auto kLargeLaser = Row(103, 8, 8, 2, 5, 124, 100000, kDF, {0, 5, 10, 15});
const auto kAC20 = Row(304, 7, 20, 10, 14, 178, 300000, kDF, {0, 3, 6, 9});
const auto kLBX10 = Row(310, 2, 10, 6, 11, 148, 400000, kDF | woLBX, {0, 6, 12, 18});
const auto kUltraAC5 = Row(306, 1, 5, 5, 9, 113, 200000, kDF | woUltra, {2, 6, 13, 20});
const auto kGauss = Row(307, 1, 15, 7, 15, 321, 300000, kDF | woExplosive, {2, 7, 15, 22});
const auto kLRM10 = Row(502, 4, 10, 2, 5, 90, 100000, kOff | woUsesArtemis, {6, 7, 14, 21});
const auto kSRM6 = Row(703, 4, 12, 2, 3, 59, 80000, kOff | woUsesArtemis, {0, 3, 6, 9});
const auto kStreakSRM2 = Row(710, 2, 4, 1, 1.5, 30, 15000, kOff | woStreak, {0, 3, 6, 9});
const auto kAMS = Row(905, 1, 0, 1, 0.5, 32, 100000, 0, {0, 1, 1, 1});
const auto kArtemisIV = Row(idArtemisIS, 0, 0, 1, 1, 0, 100000, 0);
const auto kMASC = Row(idMASC, 0, 0, 2, 2, 0, 40000, 0);
const auto kHeatSink = Row(idHS, 0, 0, 1, 1, 0, 2000, 0);
const auto kLRM10Ammo = Row(1702, 0, 12, 1, 1, 11, 30000, kBoom);  // per ton
const auto kSRM6Ammo = Row(1903, 0, 15, 1, 1, 7, 27000, kBoom);
const auto kAMSAmmo = Row(2105, 0, 12, 1, 1, 11, 20000, woExplosive);
inline TWepInfoStruct AC20Ammo(int tons) { return Row(1504, 0, 5, tons, tons, 20, 10000, kBoom); }
inline TWepInfoStruct TSM(double cost) { return Row(idTSM, 0, 0, 6, 0, 0, cost, 0); }
// Clan.
const auto kCERMediumLaser = Row(202, 5, 7, 1, 1, 108, 80000, kDF, {0, 5, 10, 15});
const auto kCERPPC = Row(204, 15, 15, 2, 6, 412, 300000, kDF, {0, 7, 14, 23});
const auto kCLRM15 = Row(603, 5, 15, 2, 3.5, 164, 175000, kOff | woUsesArtemis, {0, 7, 14, 21});
const auto kCLRM15Ammo = Row(1803, 0, 8, 1, 1, 21, 30000, kBoom);
const auto kCUltraAC5 = Row(403, 1, 5, 3, 7, 122, 200000, kDF | woUltra, {0, 7, 14, 21});
const auto kCUltraAC5Ammo = Row(1603, 0, 20, 1, 1, 15, 9000, kBoom);
const auto kCStreakSRM4 = Row(802, 3, 8, 1, 2, 79, 90000, kOff | woStreak, {0, 4, 8, 12});
const auto kCArtemisIV = Row(idArtemisClan, 0, 0, 1, 1, 0, 100000, 0);
const auto kCTargetingComp = Row(idTargCompClan, 0, 0, 2, 2, 0, 20000, 0);
const auto kCDoubleHS = Row(idClanDoubleHS, 0, 0, 2, 1, 0, 6000, 0);
const auto kCJumpJet = Row(idClanJumpJet, 0, 0, 1, 0.5, 0, 10000, 0);

// The ratings read only the location code, so items take no slots here.
inline TWeapon* Place(TConfiguration& c, const TWepInfoStruct& row, int location) {
  auto item = MakeWeapon(row);
  item->Location = static_cast<std::int16_t>(location);
  return c.Items.Insert(std::move(item));
}

inline void ExpectColumn(const char* column, std::initializer_list<double> got,
                         std::initializer_list<double> want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i)
    EXPECT_NEAR(got.begin()[i], want.begin()[i], 1e-6) << column << ", line " << i + 1;
}

// The battle-value window's defensive column: armour factor, structure
// factor, tonnage, defensive equipment, explosive penalty, heat modifier,
// movement factor, defensive rating.
inline void ExpectDefence(const TMech& m, const TConfiguration& c, std::initializer_list<double> want) {
  ExpectColumn("defence",
               {m.BVArmorFactor, m.BVStructureFactor, double(m.Tonnage), c.DefensiveEquipment,
                c.ExplosivePenalty, c.HeatModifier, c.MovementFactor, c.DefensiveRating},
               want);
}

// The offensive column: offensive equipment, targeting computer, Artemis,
// base weapon rating, modified weapon rating, speed factor, offensive rating.
inline void ExpectOffence(const TConfiguration& c, std::initializer_list<double> want) {
  ExpectColumn("offence",
               {c.BaseWeaponRating - c.TargetingRating - c.ArtemisRating, c.TargetingRating, c.ArtemisRating,
                c.BaseWeaponRating, c.ModifiedWeaponRating, c.SpeedFactor, c.OffensiveRating},
               want);
}

// The cost window from top to bottom: cockpit, life support, sensors,
// musculature, structure, arm actuators, leg actuators, engine, gyro, jump
// jets, heat sinks, armour, weapons and equipment, CASE, Omni, multiplier, total.
inline void ExpectCost(const TMech& m, const TConfiguration& c, std::initializer_list<double> want) {
  const auto& p = m.CostParts;
  const auto& l = c.CostLines;
  ExpectColumn(
      "cost",
      {p[cpCockpitCost], p[cpLifeSupport], p[cpSensors], p[cpMusculature], p[cpStructureCost],
       l[clArmActuators], p[cpLegActuators], p[cpEngineCost], p[cpGyroCost], l[clJumpJets], l[clHeatSinks],
       p[cpArmorCost], l[clEquipment], l[clCase], l[clOmni], p[cpMultiplier], m.Cost},
      want);
}

}  // namespace tfd::kit
