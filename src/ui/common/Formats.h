#pragma once
// How figures are shown: the platform's decimal separator; a thousands
// separator only in costs, whose many digits a reader counts otherwise.

#include <QString>
#include <cstdint>
#include <string_view>

namespace tfd {

// The core's text (UTF-8) as the windows show it.
QString Text(std::string_view utf8);

// Tons with 2 decimals at a level-3 rules level, 1 otherwise.
QString FormatTonnage(double tons, std::uint8_t rulesLevel);
// Tons with 1 decimal whatever the level (the critical sheet's figures).
QString FormatSlotSheetTonnage(double tons);
QString FormatFixed(double value, int decimals);
// With the locale's thousands separators (costs, and the battle-value and cost windows).
QString FormatGrouped(double value, int decimals);
QString FormatSpeed(double kmh);               // "10.8 km/h"
QString FormatJumpDistance(double m);          // "90 m"
QString FormatBoostedMP(int mp, int boosted);  // "8", or "8 [10]" with a boost
QString FormatDissipation(int points);         // "[10]"

}  // namespace tfd
