#include "ui/main/MenuRules.h"

#include <string>

#include "model/Configuration.h"

#include "model/Enums.h"
#include "model/Mech.h"

namespace tfd {

namespace {

// Index of a single rules-level bit: 1 -> 0, 2 -> 1, 4 -> 2, 8 -> 3, 16 -> 4, 32 -> 5.
int LevelIndex(std::uint8_t level) {
  for (int i = 0; i < 6; ++i)
    if (level == (1 << i)) return i;
  return 0;
}

// A row per rules level (in the order 1, 2, 4, 8, 16, 32).
using LevelRow = std::array<bool, 6>;
bool Row(const LevelRow& row, std::uint8_t level) { return row[LevelIndex(level)]; }

void CheckTag(TMenu& menu, int value) {
  for (auto& e : menu) e.Checked = e.Tag == value;
}

}  // namespace

TMenu TechMenu(const TMech& m) {
  TMenu menu;
  for (std::uint8_t bit : {rlIS1, rlIS2, rlIS3, rlClan2, rlClan3, rlMixed3})
    menu.push_back({RulesLevelName(bit), bit});
  CheckTag(menu, m.RulesLevel);
  return menu;
}

TMenu OptionsMenu(const TMech& m) {
  const bool lam = m.Options & optLAM;
  const bool level3 = IsLevel3(m.RulesLevel);
  TMenu menu = {{"LAM", optLAM}, {"Omni", optOmni}, {"Quad", optQuad}, {"Utility", optUtility}};
  for (auto& e : menu) e.Checked = (m.Options & e.Tag) != 0;
  menu[0].Enabled = m.Tonnage <= 55 && !(m.Options & (optOmni | optQuad | optUtility)) && level3;
  menu[1].Enabled = !lam && m.RulesLevel != rlIS1;
  menu[2].Enabled = !lam;
  menu[3].Enabled = !lam && level3;
  return menu;
}

TMenu StructureMenu(const TMech& m) {
  TMenu menu;
  for (std::uint8_t code = stStandard; code <= stClanEndoSteel; ++code)
    menu.push_back({StructureTypeName(code), code});
  const std::uint8_t lv = m.RulesLevel;
  menu[1].Shown = Row({false, true, true, true, true, true}, lv);
  menu[2].Shown = menu[3].Shown = Row({false, false, true, false, true, true}, lv);
  menu[4].Shown = lv == rlMixed3;
  // A Clan structure is marked as plain Endo Steel outside a Mixed design.
  const int marked = m.StructureType == stClanEndoSteel && !m.IsMixed() ? int{stEndoSteel} : int{m.StructureType};
  for (std::size_t i = 0; i < menu.size(); ++i) menu[i].Checked = static_cast<int>(i) == marked;
  return menu;
}

TMenu EngineMenu(const TMech& m) {
  TMenu menu;
  for (std::uint8_t code = etFusion; code <= etClanXXL; ++code)
    menu.push_back({EngineTypeName(code), code});
  const std::uint8_t lv = m.RulesLevel;
  const bool clan = lv == rlClan2 || lv == rlClan3;
  menu[etXL].Tag = clan ? etClanXL : etXL;
  menu[etXXL].Tag = clan ? etClanXXL : etXXL;
  menu[etXL].Shown = Row({false, true, true, true, true, true}, lv);
  menu[etXXL].Shown = Row({false, false, true, false, true, true}, lv);
  menu[etCompact].Shown = Row({false, false, true, false, true, true}, lv);
  menu[etICE].Shown = Row({false, false, true, false, false, true}, lv) ||
                      (lv == rlClan3 && (m.Options & optUtility));
  menu[etClanXL].Shown = menu[etClanXXL].Shown = lv == rlMixed3;
  menu[etICE].Enabled = !(m.Options & optLAM);
  // Clan engines are marked on the plain entries outside a Mixed design.
  int marked = m.EngineType;
  if (!m.IsMixed() && marked == etClanXL) marked = etXL;
  if (!m.IsMixed() && marked == etClanXXL) marked = etXXL;
  for (std::size_t i = 0; i < menu.size(); ++i) menu[i].Checked = static_cast<int>(i) == marked;
  return menu;
}

TMenu HeatSinkMenu(const TMech& m) {
  // The menu lists "Clan Double" before "Laser"; the codes stay 4 and 3.
  TMenu menu = {{"Single", hsSingle},
                {"Double", hsDouble},
                {"Compact", hsCompact},
                {"Clan Double", hsClanDouble},
                {"Laser", hsLaser}};
  const std::uint8_t lv = m.RulesLevel;
  const bool clan = lv == rlClan2 || lv == rlClan3;
  menu[1].Tag = clan ? hsClanDouble : hsDouble;
  menu[1].Shown = Row({false, true, true, true, true, true}, lv);
  menu[2].Shown = Row({false, false, true, false, false, true}, lv);
  menu[3].Shown = lv == rlMixed3;
  menu[4].Shown = Row({false, false, false, false, true, true}, lv);
  const std::uint8_t t = m.HeatSinkType;
  menu[0].Checked = t == hsSingle;
  menu[1].Checked = t == hsDouble || (t == hsClanDouble && !m.IsMixed());
  menu[2].Checked = t == hsCompact;
  menu[3].Checked = t == hsClanDouble && m.IsMixed();
  menu[4].Checked = t == hsLaser;
  return menu;
}

TMenu GyroMenu(const TMech& m) {
  TMenu menu;
  for (std::uint8_t code = gyStandard; code <= gyXL; ++code) menu.push_back({GyroTypeName(code), code});
  menu[gyXL].Enabled = m.EngineRating <= 400;
  CheckTag(menu, m.GyroType);
  return menu;
}

TMenu CockpitMenu(const TMech& m) {
  TMenu menu;
  for (std::uint8_t code = cpStandard; code <= cpTorsoMounted; ++code)
    menu.push_back({CockpitTypeName(code), code});
  const std::uint8_t lv = m.RulesLevel;
  menu[cpCommandConsole].Shown = Row({false, false, true, false, false, true}, lv);
  menu[cpEnhancedImaging].Shown = Row({false, false, false, false, true, true}, lv);
  menu[cpSmall].Shown = menu[cpTorsoMounted].Shown = Row({false, false, true, false, true, true}, lv);
  menu[cpCommandConsole].Enabled = m.TargetingType != tgVariableRange &&
                                   m.TargetingType != tgMultiTrac2 && m.Tonnage >= 60;
  CheckTag(menu, m.CockpitType);
  return menu;
}

TMenu TargetingMenu(const TMech& m) {
  TMenu menu;
  for (std::uint8_t code = tgStandard; code <= tgMultiTrac2; ++code)
    menu.push_back({TargetingTypeName(code), code});
  const bool console = m.CockpitType == cpCommandConsole;
  menu[tgVariableRange].Enabled = menu[tgMultiTrac2].Enabled = !console;
  CheckTag(menu, m.TargetingType);
  return menu;
}

TMenu JumpJetMenu(const TMech& m) {
  TMenu menu = {{"Standard", jjStandard}, {"Improved", jjImproved}};
  CheckTag(menu, m.JumpJetType);
  return menu;
}

TMenu ArmorMenu(const TMech& m, int target) {
  TMenu menu = {{"Standard", atStandard},
                {"Ferro-Fibrous", atFerroFibrous},
                {"Light Ferro-Fibrous", atLightFF},
                {"Heavy Ferro-Fibrous", atHeavyFF},
                {"Laser Reflective", atLaserReflective},
                {"Reactive", atReactive},
                {"Hardened", atHardened},
                {"Clan Ferro-Fibrous", atClanFF},
                {"Clan Laser Reflective", atClanLaserReflective},
                {"Clan Reactive", atClanReactive},
                {"Patchwork", atPatchwork}};
  const std::uint8_t lv = m.RulesLevel;
  const bool clan = lv == rlClan2 || lv == rlClan3;
  menu[1].Tag = clan ? atClanFF : atFerroFibrous;
  menu[4].Tag = clan ? atClanLaserReflective : atLaserReflective;
  menu[5].Tag = clan ? atClanReactive : atReactive;
  menu[1].Shown = Row({false, true, true, true, true, true}, lv);
  menu[2].Shown = menu[3].Shown = Row({false, false, true, false, false, true}, lv);
  menu[4].Shown = menu[5].Shown = menu[6].Shown = Row({false, false, true, false, true, true}, lv);
  menu[7].Shown = menu[8].Shown = menu[9].Shown = lv == rlMixed3;
  menu[10].Shown = Row({false, false, true, false, true, true}, lv) && target <= 1;
  const bool omni = m.IsOmni();
  menu[5].Enabled = menu[6].Enabled = menu[9].Enabled = !omni;

  int value = m.ArmorType;
  if (target >= 2 && target <= 12) value = m.ArmorTypes[static_cast<std::size_t>(ArmorSectionOfTag(target))];
  // Clan kinds are marked on the plain entries outside a Mixed design.
  if (!m.IsMixed() && value >= atClanFF && value <= atClanReactive) {
    static constexpr int plain[] = {atFerroFibrous, atLaserReflective, atReactive};
    value = plain[value - atClanFF];
  }
  for (std::size_t i = 0; i < menu.size(); ++i) menu[i].Checked = static_cast<int>(i) == value;
  return menu;
}

TMenu TurretMenu(const TMech& m) {
  TMenu menu;
  for (std::uint8_t code = trNone; code <= trDualTorso; ++code) menu.push_back({TurretName(code), code});
  const bool large = m.EngineRating > 400;
  const bool compactGyro = m.GyroType == gyCompact;
  const bool compactEngine = m.EngineType == etCompact;
  bool head;
  if (m.CockpitType == cpTorsoMounted)
    head = !large && (compactEngine || compactGyro);
  else if (large)
    head = compactGyro;
  else
    head = m.GyroType == gyXL || compactEngine;
  menu[trHead].Enabled = head;
  menu[trDualTorso].Enabled = !m.IsQuad();
  CheckTag(menu, m.Config->Turret);
  return menu;
}

TMenu SuperchargerMenu(const TMech& m) {
  TMenu menu;
  for (std::uint8_t code = scNone; code <= scLeftTorso; ++code)
    menu.push_back({SuperchargerName(code), code});
  const bool xlKind = m.EngineType == etXL || m.EngineType == etXXL || m.EngineType == etClanXL ||
                      m.EngineType == etClanXXL;
  menu[scCenterTorso].Enabled =
      (m.EngineRating <= 400 && m.GyroType != gyXL && m.CockpitType != cpTorsoMounted) ||
      m.EngineType == etCompact || m.GyroType == gyCompact;
  menu[scRightTorso].Enabled = menu[scLeftTorso].Enabled = xlKind;
  CheckTag(menu, m.Config->SuperchargerLocation());
  return menu;
}

TMenu ConfigMenu(const TMech& m) {
  // Captions are the menu labels; their texts live as long as the program.
  static const std::array<std::string, kConfigCount> labels = [] {
    std::array<std::string, kConfigCount> l;
    for (int i = 0; i < kConfigCount; ++i) l[static_cast<std::size_t>(i)] = ConfigMenuLabel(i);
    return l;
  }();
  TMenu menu;
  for (int i = 0; i < kConfigCount; ++i) menu.push_back({labels[static_cast<std::size_t>(i)], i});
  for (auto& e : menu) e.Enabled = m.IsOmni();
  CheckTag(menu, m.ConfigIndex);
  return menu;
}

// The filter's tags follow the rules level (the Weapons refresh sets them):
// 2 and 8 at Level 2, 1 and 8 at Level 1, 4 and 16 at Level 3.
TMenu WeaponFilterMenu(const TMech& m) {
  const std::uint8_t lv = m.RulesLevel;
  const bool level2 = lv == rlIS2 || lv == rlClan2;
  const bool level1 = lv == rlIS1;
  TMenu menu = {{"Inner Sphere", level2 ? rlIS2 : level1 ? rlIS1 : rlIS3},
                {"Clan", level2 || level1 ? rlClan2 : rlClan3},
                {"Custom", rlMixed3}};
  const std::uint8_t f = m.WeaponFilter;
  menu[0].Checked = (f & (rlIS1 | rlIS2 | rlIS3)) != 0;
  menu[1].Checked = !menu[0].Checked && (f & (rlClan2 | rlClan3)) != 0;
  menu[2].Checked = !menu[0].Checked && !menu[1].Checked;
  menu[2].Enabled = lv == rlMixed3;
  return menu;
}

}  // namespace tfd
