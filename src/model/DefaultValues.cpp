#include "model/DefaultValues.h"

#include <algorithm>

#include "model/Enums.h"
#include "model/Mech.h"

namespace tfd {

int NearestMultipleOfFive(int tons) {
  if (tons <= 0) return 0;
  return static_cast<int>(tons * 0.2 + 0.5) * 5;
}

void ApplyDefaultValues(TMech& design, const TDefaultValues& values) {
  if (!values.Chosen) return;
  static constexpr std::uint8_t kRulesLevel[] = {rlIS1, rlIS2, rlClan2};
  design.RulesLevel = kRulesLevel[std::min<int>(values.Technology, dtClan2)];
  design.Tonnage = static_cast<std::uint8_t>(std::clamp(NearestMultipleOfFive(values.Tonnage), 10, 100));
  design.WalkMP = std::clamp<std::uint8_t>(values.WalkMP, 1, 35);
  design.Source = std::min<std::uint8_t>(values.Source, srcOther);
}

}  // namespace tfd
