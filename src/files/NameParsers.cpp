#include "files/NameParsers.h"

#include <array>
#include <cctype>
#include <string>

#include "equipment/EquipmentLists.h"
#include "files/TextInput.h"
#include "model/CritAlloc.h"

namespace tfd {

namespace {

struct LocationName {
  const char* name;
  int code;
};

constexpr std::array<LocationName, 44> kLocationNames = {{
    {"H", 0},       {"CT", 1},      {"RT", 2},       {"LT", 3},       {"RA", 4},      {"RFL", 4},
    {"LA", 5},      {"LFL", 5},     {"RL", 6},       {"RRL", 6},      {"LL", 7},      {"LRL", 7},
    {"HR", 8},      {"CTR", 9},     {"RTR", 10},     {"LTR", 11},     {"RFLR", 12},   {"LFLR", 13},
    {"RRLR", 14},   {"RLR", 14},    {"LRLR", 15},    {"LLR", 15},     {"H/CT", 16},   {"CT/H", 17},
    {"R/CT", 18},   {"L/CT", 19},   {"RA/T", 20},    {"RFL/T", 20},   {"LA/T", 21},   {"LFL/T", 21},
    {"RL/T", 22},   {"RRL/T", 22},  {"LL/T", 23},    {"LRL/T", 23},   {"H/CTR", 24},  {"CT/HR", 25},
    {"R/CTR", 26},  {"L/CTR", 27},  {"RFL/TR", 28},  {"LFL/TR", 29},  {"RL/TR", 30},  {"RRL/TR", 30},
    {"LL/TR", 31},  {"LRL/TR", 31},
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
