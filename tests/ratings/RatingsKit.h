#pragma once
// Equipment rows and a remembered-identifier index for the ratings tests,
// built by hand: the tests never depend on the shipped equipment table.

#include <array>
#include <cstdint>
#include <memory>

#include "model/Mech.h"
#include "model/Weapon.h"

namespace tfd::kit {

// Identifiers of the special items, as a loaded table would remember them.
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
  idClanHS = 1401,
  idClanDoubleHS = 1402,
  idLaserHS = 1403,
  idClanJumpJet = 1404,
  idClanImprovedJJ = 1405,
  idClanMASC = 1411,
};

inline TEquipmentIndex MakeIndex(bool innerSphereTargeting = false) {
  TEquipmentIndex x;
  x.Remember(techInnerSphere, ECode::Artemis_IV, idArtemisIS);
  x.Remember(techClan, ECode::Artemis_IV, idArtemisClan);
  x.Remember(techClan, ECode::Artemis_V, idArtemisV);
  x.Remember(techClan, ECode::Targ_Comp, idTargCompClan);
  if (innerSphereTargeting) x.Remember(techInnerSphere, ECode::Targ_Comp, idTargCompIS);
  x.Remember(techInnerSphere, ECode::HS, idHS);
  x.Remember(techInnerSphere, ECode::DoubleHS, idDoubleHS);
  x.Remember(techInnerSphere, ECode::CompactHS, idCompactHS);
  x.Remember(techInnerSphere, ECode::Jump_Jet, idJumpJet);
  x.Remember(techInnerSphere, ECode::Imprvd_JJ, idImprovedJJ);
  x.Remember(techInnerSphere, ECode::TSM, idTSM);
  x.Remember(techInnerSphere, ECode::MASC, idMASC);
  x.Remember(techClan, ECode::HS, idClanHS);
  x.Remember(techClan, ECode::DoubleHS, idClanDoubleHS);
  x.Remember(techClan, ECode::LaserHS, idLaserHS);
  x.Remember(techClan, ECode::Jump_Jet, idClanJumpJet);
  x.Remember(techClan, ECode::Imprvd_JJ, idClanImprovedJJ);
  x.Remember(techClan, ECode::MASC, idClanMASC);
  return x;
}

constexpr std::int16_t kOff = woOffensive;
constexpr std::int16_t kDF = woOffensive | woDirectFire;
constexpr std::int16_t kBoom = woOffensive | woExplosive;

inline TWepInfoStruct Row(std::int16_t id, int heat, int damage, int slots, double tons, int bv,
                          double cost, std::int16_t options,
                          std::array<std::uint8_t, 4> ranges = {0, 0, 0, 0}) {
  TWepInfoStruct r;
  r.IdNum = r.SaveNum = id;
  r.Heat = static_cast<std::uint8_t>(heat);
  r.Damage = static_cast<std::uint8_t>(damage);
  r.Crits = static_cast<std::uint8_t>(slots);
  r.Tons = static_cast<float>(tons);
  r.BV = static_cast<std::int16_t>(bv);
  r.Cost = cost;
  r.Options = options;
  r.MinRange = ranges[0];
  r.ShortRange = ranges[1];
  r.MediumRange = ranges[2];
  r.LongRange = ranges[3];
  return r;
}

// Inner Sphere weapons and equipment.
inline TWepInfoStruct MediumLaser() { return Row(104, 3, 5, 1, 1, 46, 40000, kDF, {0, 3, 6, 9}); }
inline TWepInfoStruct LargeLaser() { return Row(103, 8, 8, 2, 5, 124, 100000, kDF, {0, 5, 10, 15}); }
inline TWepInfoStruct AC20() { return Row(304, 7, 20, 10, 14, 178, 300000, kDF, {0, 3, 6, 9}); }
inline TWepInfoStruct LBX10() {
  return Row(310, 2, 10, 6, 11, 148, 400000, kDF | woLBX, {0, 6, 12, 18});
}
inline TWepInfoStruct UltraAC5() {
  return Row(306, 1, 5, 5, 9, 113, 200000, kDF | woUltra, {2, 6, 13, 20});
}
inline TWepInfoStruct Gauss() {
  return Row(307, 1, 15, 7, 15, 321, 300000, kDF | woExplosive, {2, 7, 15, 22});
}
inline TWepInfoStruct LRM10() {
  return Row(502, 4, 10, 2, 5, 90, 100000, kOff | woUsesArtemis, {6, 7, 14, 21});
}
inline TWepInfoStruct SRM6() {
  return Row(703, 4, 12, 2, 3, 59, 80000, kOff | woUsesArtemis, {0, 3, 6, 9});
}
inline TWepInfoStruct StreakSRM2() {
  return Row(710, 2, 4, 1, 1.5, 30, 15000, kOff | woStreak, {0, 3, 6, 9});
}
inline TWepInfoStruct AMS() { return Row(905, 1, 0, 1, 0.5, 32, 100000, 0, {0, 1, 1, 1}); }
inline TWepInfoStruct ArtemisIV() { return Row(idArtemisIS, 0, 0, 1, 1, 0, 100000, 0); }
inline TWepInfoStruct TargetingComputerIS() { return Row(idTargCompIS, 0, 0, 3, 3, 0, 30000, 0); }
inline TWepInfoStruct TSM(double cost) { return Row(idTSM, 0, 0, 6, 0, 0, cost, 0); }
inline TWepInfoStruct MASC() { return Row(idMASC, 0, 0, 2, 2, 0, 40000, 0); }
inline TWepInfoStruct HeatSink() { return Row(idHS, 0, 0, 1, 1, 0, 2000, 0); }
inline TWepInfoStruct JumpJet() { return Row(idJumpJet, 0, 0, 1, 0.5, 0, 10000, 0); }

// Ammunition: one lot of `tons`; the item carries the lot's battle value and cost.
inline TWepInfoStruct LRM10Ammo(double tons = 1) { return Row(1702, 0, 12, 1, tons, 11, 30000, kBoom); }
inline TWepInfoStruct SRM6Ammo(double tons = 1) { return Row(1903, 0, 15, 1, tons, 7, 27000, kBoom); }
inline TWepInfoStruct AC20Ammo(double tons = 1) {
  return Row(1504, 0, 5, static_cast<int>(tons), tons, 20, 10000, kBoom);
}
inline TWepInfoStruct AMSAmmo() { return Row(2105, 0, 12, 1, 1, 11, 20000, woExplosive); }

// Clan weapons and equipment.
inline TWepInfoStruct ClanERMediumLaser() { return Row(202, 5, 7, 1, 1, 108, 80000, kDF, {0, 5, 10, 15}); }
inline TWepInfoStruct ClanERPPC() { return Row(204, 15, 15, 2, 6, 412, 300000, kDF, {0, 7, 14, 23}); }
inline TWepInfoStruct ClanLRM15() {
  return Row(603, 5, 15, 2, 3.5, 164, 175000, kOff | woUsesArtemis, {0, 7, 14, 21});
}
inline TWepInfoStruct ClanLRM15Ammo() { return Row(1803, 0, 8, 1, 1, 21, 30000, kBoom); }
inline TWepInfoStruct ClanUltraAC5() {
  return Row(403, 1, 5, 3, 7, 122, 200000, kDF | woUltra, {0, 7, 14, 21});
}
inline TWepInfoStruct ClanUltraAC5Ammo() { return Row(1603, 0, 20, 1, 1, 15, 9000, kBoom); }
inline TWepInfoStruct ClanStreakSRM4() {
  return Row(802, 3, 8, 1, 2, 79, 90000, kOff | woStreak, {0, 4, 8, 12});
}
inline TWepInfoStruct ClanArtemisIV() { return Row(idArtemisClan, 0, 0, 1, 1, 0, 100000, 0); }
inline TWepInfoStruct ClanTargetingComputer() { return Row(idTargCompClan, 0, 0, 2, 2, 0, 20000, 0); }
inline TWepInfoStruct ClanDoubleHeatSink() { return Row(idClanDoubleHS, 0, 0, 2, 1, 0, 6000, 0); }
inline TWepInfoStruct ClanJumpJet() { return Row(idClanJumpJet, 0, 0, 1, 0.5, 0, 10000, 0); }

// Puts an item made from `row` into a configuration's list at a location code.
// The ratings read the location code only, so no slots are taken.
inline TWeapon* Place(TConfiguration& c, const TWepInfoStruct& row, int location) {
  auto item = MakeWeapon(row);
  item->Location = static_cast<std::int16_t>(location);
  return c.Items.Insert(std::move(item));
}

// Armour points in the order of the armour sections.
inline void SetArmor(TMech& m, std::array<std::uint8_t, kArmorSectionCount> points) { m.Armor = points; }

}  // namespace tfd::kit
