#include "rules/MenuRules.h"

#include <array>
#include <initializer_list>
#include <string>

#include "model/Configuration.h"
#include "model/Enums.h"
#include "model/Mech.h"
#include "rules/ComponentRules.h"
#include "rules/RulesPass.h"

namespace tfd {

namespace {

struct TCodeCaption {
  std::uint8_t Code;
  std::string_view Caption;
};

// A menu over the kinds of one component. Each entry stores what the rules
// level makes of its kind (so "XL Fusion" stores the Clan kind at a Clan
// level); an entry whose value an earlier entry already stores is hidden, so
// every value the level keeps is offered exactly once. `allowed` enables the
// entries the design's other components leave room for. The first shown
// entry storing the current value is marked.
template <typename AtLevel, typename Allowed>
TMenu LevelMenu(const std::vector<TCodeCaption>& kinds, AtLevel atLevel, Allowed allowed, int current) {
  TMenu menu;
  for (const TCodeCaption& kind : kinds) {
    const int tag = atLevel(kind.Code);
    bool first = true;
    for (const TMenuEntry& e : menu) first = first && !(e.Shown && e.Tag == tag);
    menu.push_back({kind.Caption, tag, first, allowed(static_cast<std::uint8_t>(tag)), false});
  }
  for (TMenuEntry& e : menu)
    if (e.Shown && e.Tag == current) {
      e.Checked = true;
      break;
    }
  return menu;
}

// Kinds whose captions are the enumeration's display names, in code order.
template <typename NameOf>
std::vector<TCodeCaption> NamedKinds(std::uint8_t first, std::uint8_t last, NameOf name) {
  std::vector<TCodeCaption> kinds;
  for (int code = first; code <= last; ++code)
    kinds.push_back({static_cast<std::uint8_t>(code), name(static_cast<std::uint8_t>(code))});
  return kinds;
}

constexpr auto kAlways = [](std::uint8_t) { return true; };

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

// Each entry toggles its bit: a set bit may always be cleared, a clear one
// is offered where the design may hold it.
TMenu OptionsMenu(const TMech& m) {
  TMenu menu;
  for (std::uint8_t bit : {optLAM, optOmni, optQuad, optUtility}) {
    const bool set = (m.Options & bit) != 0;
    menu.push_back({OptionName(bit), bit, true, set || OptionAllowed(m, bit), set});
  }
  return menu;
}

TMenu StructureMenu(const TMech& m) {
  const std::uint8_t lv = m.RulesLevel;
  return LevelMenu(
      NamedKinds(stStandard, stClanEndoSteel, StructureTypeName),
      [lv](std::uint8_t t) { return StructureAtLevel(lv, t); }, kAlways, m.StructureType);
}

TMenu EngineMenu(const TMech& m) {
  const std::uint8_t lv = m.RulesLevel, options = m.Options;
  return LevelMenu(
      NamedKinds(etFusion, etClanXXL, EngineTypeName),
      [lv, options](std::uint8_t t) { return EngineAtLevel(lv, options, t); },
      [&m](std::uint8_t t) { return EngineAllowed(m, t); }, m.EngineType);
}

TMenu HeatSinkMenu(const TMech& m) {
  const std::uint8_t lv = m.RulesLevel;
  // The menu lists "Clan Double" before "Laser".
  return LevelMenu(
      {{hsSingle, HeatSinkTypeName(hsSingle)},
       {hsDouble, HeatSinkTypeName(hsDouble)},
       {hsCompact, HeatSinkTypeName(hsCompact)},
       {hsClanDouble, HeatSinkTypeName(hsClanDouble)},
       {hsLaser, HeatSinkTypeName(hsLaser)}},
      [lv](std::uint8_t t) { return HeatSinkAtLevel(lv, t); }, kAlways, m.HeatSinkType);
}

TMenu GyroMenu(const TMech& m) {
  const std::uint8_t lv = m.RulesLevel;
  return LevelMenu(
      NamedKinds(gyStandard, gyXL, GyroTypeName), [lv](std::uint8_t t) { return GyroAtLevel(lv, t); },
      [&m](std::uint8_t t) { return GyroAllowed(m, t) && GyroFits(m, t); }, m.GyroType);
}

TMenu CockpitMenu(const TMech& m) {
  const std::uint8_t lv = m.RulesLevel;
  return LevelMenu(
      NamedKinds(cpStandard, cpTorsoMounted, CockpitTypeName),
      [lv](std::uint8_t t) { return CockpitAtLevel(lv, t); },
      [&m](std::uint8_t t) { return CockpitAllowed(m, t) && CockpitFits(m, t); }, m.CockpitType);
}

TMenu TargetingMenu(const TMech& m) {
  const std::uint8_t lv = m.RulesLevel;
  return LevelMenu(
      NamedKinds(tgStandard, tgMultiTrac2, TargetingTypeName),
      [lv](std::uint8_t t) { return TargetingAtLevel(lv, t); },
      [&m](std::uint8_t t) { return TargetingAllowed(m, t); }, m.TargetingType);
}

TMenu JumpJetMenu(const TMech& m) {
  const std::uint8_t lv = m.RulesLevel;
  return LevelMenu(
      NamedKinds(jjStandard, jjImproved, JumpJetTypeName),
      [lv](std::uint8_t t) { return JumpJetAtLevel(lv, t); }, kAlways, m.JumpJetType);
}

TMenu ArmorMenu(const TMech& m, int target) {
  const bool section = target > kWholeDesignArmorTag && target <= kLastArmorSectionTag;
  const int current =
      section ? m.ArmorTypes[static_cast<std::size_t>(ArmorSectionOfTag(target))] : m.ArmorType;
  const std::uint8_t lv = m.RulesLevel;
  TMenu menu = LevelMenu(
      {{atStandard, "Standard"},
       {atFerroFibrous, "Ferro-Fibrous"},
       {atLightFF, "Light Ferro-Fibrous"},
       {atHeavyFF, "Heavy Ferro-Fibrous"},
       {atLaserReflective, "Laser Reflective"},
       {atReactive, "Reactive"},
       {atHardened, "Hardened"},
       {atClanFF, "Clan Ferro-Fibrous"},
       {atClanLaserReflective, "Clan Laser Reflective"},
       {atClanReactive, "Clan Reactive"},
       {atPatchwork, "Patchwork"}},
      [lv](std::uint8_t t) { return ArmorAtLevel(lv, t); },
      [&m](std::uint8_t t) { return ArmorAllowed(m, t); }, current);
  // One section cannot be patchwork.
  if (section) menu[atPatchwork].Shown = false;
  return menu;
}

TMenu TurretMenu(const TMech& m) {
  const std::uint8_t lv = m.RulesLevel;
  return LevelMenu(
      NamedKinds(trNone, trDualTorso, TurretName), [lv](std::uint8_t k) { return TurretAtLevel(lv, k); },
      [&m](std::uint8_t k) { return TurretAllowed(m, k); }, m.Config->Turret);
}

TMenu SuperchargerMenu(const TMech& m) {
  const std::uint8_t lv = m.RulesLevel;
  return LevelMenu(
      NamedKinds(scNone, scLeftTorso, SuperchargerName),
      [lv](std::uint8_t l) { return SuperchargerAtLevel(lv, l); },
      [&m](std::uint8_t l) { return SuperchargerAllowed(m, l); }, m.Config->SuperchargerLocation());
}

TMenu ConfigMenu(const TMech& m) {
  // Captions are the menu labels; their texts live as long as the program.
  static const std::array<std::string, kConfigCount> labels = [] {
    std::array<std::string, kConfigCount> l;
    for (int i = 0; i < kConfigCount; ++i) l[static_cast<std::size_t>(i)] = ConfigMenuLabel(i);
    return l;
  }();
  TMenu menu;
  // A design without the Omni option has the fixed configuration only.
  for (int i = 0; i < kConfigCount; ++i)
    menu.push_back({labels[static_cast<std::size_t>(i)], i, true, m.IsOmni() || i == 0});
  CheckTag(menu, m.ConfigIndex);
  return menu;
}

// 2 and 8 at Level 2, 1 and 8 at Level 1, 4 and 16 at Level 3.
TWeaponFilterTags WeaponFilterTags(std::uint8_t lv) {
  const bool level2 = lv == rlIS2 || lv == rlClan2;
  const bool level1 = lv == rlIS1;
  return {level2 ? rlIS2 : level1 ? rlIS1 : rlIS3, level2 || level1 ? rlClan2 : rlClan3};
}

// The filter's tags follow the rules level (the Weapons refresh sets them).
TMenu WeaponFilterMenu(const TMech& m) {
  const std::uint8_t lv = m.RulesLevel;
  const TWeaponFilterTags tags = WeaponFilterTags(lv);
  TMenu menu = {{"Inner Sphere", tags.InnerSphere}, {"Clan", tags.Clan}, {"Custom", rlMixed3}};
  const std::uint8_t f = m.WeaponFilter;
  const bool innerSphere = (f & (rlIS1 | rlIS2 | rlIS3)) != 0;
  const bool clan = !innerSphere && (f & (rlClan2 | rlClan3)) != 0;
  menu[0].Checked = innerSphere;
  menu[1].Checked = clan;
  menu[2].Checked = !innerSphere && !clan;
  menu[2].Enabled = lv == rlMixed3;
  return menu;
}

TMenu MenuOf(EMenu menu, const TMech& m, int armorTarget) {
  switch (menu) {
    case EMenu::Tech: return TechMenu(m);
    case EMenu::Options: return OptionsMenu(m);
    case EMenu::Structure: return StructureMenu(m);
    case EMenu::Engine: return EngineMenu(m);
    case EMenu::HeatSink: return HeatSinkMenu(m);
    case EMenu::Gyro: return GyroMenu(m);
    case EMenu::Cockpit: return CockpitMenu(m);
    case EMenu::Targeting: return TargetingMenu(m);
    case EMenu::JumpJet: return JumpJetMenu(m);
    case EMenu::Armor: return ArmorMenu(m, armorTarget);
    case EMenu::Turret: return TurretMenu(m);
    case EMenu::Supercharger: return SuperchargerMenu(m);
  }
  return {};
}

namespace {

template <typename T>
TMenuChoice Store(T& field, int tag, int request) {
  const T before = field;
  field = static_cast<T>(tag);
  return {request, before != field};
}

TMenuChoice StoreArmorChoice(TMech& m, std::uint8_t value, int target) {
  const auto before = m.ArmorTypes;
  const std::uint8_t typeBefore = m.ArmorType;
  if (target <= kWholeDesignArmorTag) {
    // Patchwork keeps the sections' own types.
    m.ArmorType = value;
    if (value != atPatchwork) m.ArmorTypes.fill(value);
  } else if (target <= kLastArmorSectionTag) {
    m.ArmorTypes[static_cast<std::size_t>(ArmorSectionOfTag(target))] = value;
  }
  return {rqChassis | rqArmor, m.ArmorType != typeBefore || m.ArmorTypes != before};
}

}  // namespace

TMenuChoice StoreMenuChoice(TMech& m, EMenu menu, int tag, int armorTarget) {
  const auto value = static_cast<std::uint8_t>(tag);
  TConfiguration& c = *m.Config;
  switch (menu) {
    case EMenu::Tech: return Store(m.RulesLevel, tag, rqAll);
    case EMenu::Options:
      m.Options = static_cast<std::uint8_t>(m.Options ^ value);
      c.Crits.SetQuad(m.IsQuad());
      return {rqChassis, true};
    case EMenu::Structure: return Store(m.StructureType, tag, rqChassis);
    case EMenu::Engine:
      c.Crits.SetEngine(value, m.EngineRating > 400);
      return Store(m.EngineType, tag, rqChassis);
    case EMenu::HeatSink: return Store(m.HeatSinkType, tag, rqChassis);
    case EMenu::Gyro: c.Crits.SetGyro(value); return Store(m.GyroType, tag, rqChassis);
    case EMenu::Cockpit: c.Crits.SetCockpit(value); return Store(m.CockpitType, tag, rqChassis);
    case EMenu::Targeting: c.Crits.SetTargeting(value); return Store(m.TargetingType, tag, rqChassis);
    case EMenu::JumpJet: return Store(m.JumpJetType, tag, rqChassis);
    case EMenu::Armor: return StoreArmorChoice(m, value, armorTarget);
    case EMenu::Turret: c.Crits.SetTurret(value); return Store(c.Turret, tag, rqChassis);
    case EMenu::Supercharger:
      // Only the location bits of the configuration's supercharger byte change.
      return Store(c.Supercharger, (c.Supercharger & ~3) | (tag & 3), rqChassis);
  }
  return {};
}

}  // namespace tfd
