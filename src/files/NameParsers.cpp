#include "files/NameParsers.h"

#include <array>
#include <cctype>
#include <string>

#include "equipment/EquipmentLists.h"
#include "files/TextInput.h"
#include "model/CritAlloc.h"
#include "model/Enums.h"

namespace tfd {

namespace {

struct LocationName {
  const char* name;
  int code;
};

// A split item's name gives its first location, a slash and its second.
constexpr std::array<LocationName, 44> kLocationNames = {{
    {"H", locHead},
    {"CT", locCenterTorso},
    {"RT", locRightTorso},
    {"LT", locLeftTorso},
    {"RA", locRightArm},
    {"RFL", locRightArm},
    {"LA", locLeftArm},
    {"LFL", locLeftArm},
    {"RL", locRightLeg},
    {"RRL", locRightLeg},
    {"LL", locLeftLeg},
    {"LRL", locLeftLeg},
    {"HR", locHead | lcRear},
    {"CTR", locCenterTorso | lcRear},
    {"RTR", locRightTorso | lcRear},
    {"LTR", locLeftTorso | lcRear},
    {"RFLR", locRightArm | lcRear},
    {"LFLR", locLeftArm | lcRear},
    {"RRLR", locRightLeg | lcRear},
    {"RLR", locRightLeg | lcRear},
    {"LRLR", locLeftLeg | lcRear},
    {"LLR", locLeftLeg | lcRear},
    {"H/CT", locHead | lcSplit},
    {"CT/H", locCenterTorso | lcSplit},
    {"R/CT", locRightTorso | lcSplit},
    {"L/CT", locLeftTorso | lcSplit},
    {"RA/T", locRightArm | lcSplit},
    {"RFL/T", locRightArm | lcSplit},
    {"LA/T", locLeftArm | lcSplit},
    {"LFL/T", locLeftArm | lcSplit},
    {"RL/T", locRightLeg | lcSplit},
    {"RRL/T", locRightLeg | lcSplit},
    {"LL/T", locLeftLeg | lcSplit},
    {"LRL/T", locLeftLeg | lcSplit},
    {"H/CTR", locHead | lcSplit | lcRear},
    {"CT/HR", locCenterTorso | lcSplit | lcRear},
    {"R/CTR", locRightTorso | lcSplit | lcRear},
    {"L/CTR", locLeftTorso | lcSplit | lcRear},
    {"RFL/TR", locRightArm | lcSplit | lcRear},
    {"LFL/TR", locLeftArm | lcSplit | lcRear},
    {"RL/TR", locRightLeg | lcSplit | lcRear},
    {"RRL/TR", locRightLeg | lcSplit | lcRear},
    {"LL/TR", locLeftLeg | lcSplit | lcRear},
    {"LRL/TR", locLeftLeg | lcSplit | lcRear},
}};

}  // namespace

int ParseLocationCode(std::string_view name) {
  const std::string t = TrimText(name);
  for (const auto& n : kLocationNames)
    if (SameText(t, n.name)) return n.code;
  return -1;
}

TParsedName ParseEquipmentName(std::string_view nameIn, char marker, bool clanDesign,
                               const TEquipmentLists& lists) {
  std::string name(nameIn);
  // Leading counts ("2 Medium Laser") go, except a count such as "2x".
  std::size_t scan = 0;
  if (!(name.size() >= 2 && name[0] == '3' && name[1] == 'x')) {
    while (scan < name.size()) {
      const char c = name[scan];
      const bool digit = std::isdigit(static_cast<unsigned char>(c)) != 0;
      if (c == ' ' || (digit && !(scan + 1 < name.size() && name[scan + 1] == 'x'))) {
        name[scan++] = ' ';
        continue;
      }
      break;
    }
  }
  // Ammunition: the bracketed shot count goes.
  if (scan < name.size() && name[scan] == '@') {
    const std::size_t open = name.find('(', scan);
    if (open != std::string::npos) {
      const std::size_t close = name.find(')', open);
      const std::size_t end = close == std::string::npos ? name.size() : close + 1;
      for (std::size_t i = open; i < end; ++i) name[i] = ' ';
    }
  }
  // CASE and the two arm actuators are slot items of their own, not equipment.
  const std::string parsed = TrimText(name);
  TParsedName result;
  if (parsed.empty()) return result;
  if (SameText(parsed, "CASE")) return {ciCase, nullptr};
  if (SameText(parsed, "Lower Arm Actuator")) return {ciLowerArm, nullptr};
  if (SameText(parsed, "Hand Actuator")) return {ciHand, nullptr};
  // The rows of the chosen side, in category order.
  const bool clan = clanDesign != (marker == '*');
  const int offset = clan ? 100 : 0;
  static constexpr int kEquipment[] = {100, 300, 500, 700, 900, 1100, 1300};
  static constexpr int kAmmunition[] = {1500, 1700, 1900, 2100};
  auto search = [&](const auto& starts) -> const TWepInfoStruct* {
    for (int start : starts)
      for (const auto& rec : lists.Block(start + offset))
        if (SameText(rec->Info.Name, parsed)) return &rec->Info;
    return nullptr;
  };
  result.Row = parsed[0] == '@' ? search(kAmmunition) : search(kEquipment);
  return result;
}

}  // namespace tfd
