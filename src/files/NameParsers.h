#pragma once
// The two name parsers the text and HTML readouts share: a location name
// ("RT", "LA/T", "CTR" ...) to a location code, and an equipment name to its
// row of the equipment table.

#include <cstdint>
#include <string_view>

namespace tfd {

class TEquipmentLists;
struct TWepInfoStruct;

// The location code of a name (compared without regard to case); -1 for a
// name that names no location.
int ParseLocationCode(std::string_view name);

// What an equipment name stands for: one of the special codes 10 (lower arm
// actuator), 11 (hand actuator), 18 (CASE), or an equipment row; neither when
// the name is unknown.
struct TParsedName {
  int Special = 0;
  const TWepInfoStruct* Row = nullptr;
};

// `clanDesign` chooses the side searched; a marker "*" chooses the other side.
TParsedName ParseEquipmentName(std::string_view name, char marker, bool clanDesign,
                               const TEquipmentLists& lists);

}  // namespace tfd
