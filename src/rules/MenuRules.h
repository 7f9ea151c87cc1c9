#pragma once
// What each component menu offers for a design: which entries are shown,
// enabled and checked, and the value (tag) each entry stores. Built from the
// same rules the rules pass corrects a design by, so an entry the menu offers
// keeps its value through the next pass and an entry it withholds would not.
// The window's menus apply these when they pop up.

#include <cstdint>
#include <string_view>
#include <vector>

namespace tfd {

class TMech;

struct TMenuEntry {
  std::string_view Caption;
  int Tag = 0;
  bool Shown = true;
  bool Enabled = true;
  bool Checked = false;
};

using TMenu = std::vector<TMenuEntry>;

// The menus that choose a design value.
enum class EMenu {
  Tech,
  Options,
  Structure,
  Engine,
  HeatSink,
  Gyro,
  Cockpit,
  Targeting,
  JumpJet,
  Armor,
  Turret,
  Supercharger
};

TMenu TechMenu(const TMech& m);
TMenu OptionsMenu(const TMech& m);
TMenu StructureMenu(const TMech& m);
TMenu EngineMenu(const TMech& m);
TMenu HeatSinkMenu(const TMech& m);
TMenu GyroMenu(const TMech& m);
TMenu CockpitMenu(const TMech& m);
TMenu TargetingMenu(const TMech& m);
TMenu JumpJetMenu(const TMech& m);
// `target` 1 is the whole design, 2..12 one armour section (the section button's tag).
TMenu ArmorMenu(const TMech& m, int target);
TMenu TurretMenu(const TMech& m);
TMenu SuperchargerMenu(const TMech& m);
TMenu ConfigMenu(const TMech& m);
TMenu WeaponFilterMenu(const TMech& m);

TMenu MenuOf(EMenu menu, const TMech& m, int armorTarget = 1);

// The equipment filter's values at a rules level: the Inner Sphere and the
// Clan technology of the level's own standing (level 1, 2 or 3).
struct TWeaponFilterTags {
  std::uint8_t InnerSphere;
  std::uint8_t Clan;
};
TWeaponFilterTags WeaponFilterTags(std::uint8_t rulesLevel);

// Stores a chosen entry's value in the design, with the slot changes the
// component needs at once (options toggle their bit). Returns the request for
// the rules pass that follows; `changed` tells whether the stored value moved.
struct TMenuChoice {
  int Request = 0;
  bool Changed = false;
};
TMenuChoice StoreMenuChoice(TMech& m, EMenu menu, int tag, int armorTarget = 1);

// The section of TMech::ArmorTypes an armour button's tag (2..12) addresses.
constexpr int ArmorSectionOfTag(int tag) { return tag - 2; }
constexpr int kWholeDesignArmorTag = 1;
constexpr int kLastArmorSectionTag = 12;

}  // namespace tfd
