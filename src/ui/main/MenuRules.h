#pragma once
// What each component menu offers for a design: which entries are shown,
// enabled and checked, and the value (tag) each entry stores. The menus of the
// main window apply these when they pop up; kept free of widgets so the rules
// read as tables and are tested as such.

#include <array>
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

// The section of TMech::ArmorTypes an armour button's tag (2..12) addresses.
constexpr int ArmorSectionOfTag(int tag) { return tag - 2; }

}  // namespace tfd
