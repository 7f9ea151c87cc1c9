#pragma once
// The three roundings every weight, rating and total is built from.
// Round is "integer part of x + 0.5": halves go up for the positive values the
// construction tables deal in; the integer part truncates toward zero.
// A value that is not finite, or beyond the range of long, never reaches the
// conversion (that would be undefined): NaN gives 0, the rest saturates.

#include <cmath>
#include <limits>

namespace tfd {

inline long ToLong(double x) {
  if (std::isnan(x)) return 0;
  constexpr double hi = static_cast<double>(std::numeric_limits<long>::max() / 2);
  if (x >= hi) return std::numeric_limits<long>::max() / 2;
  if (x <= -hi) return -(std::numeric_limits<long>::max() / 2);
  return static_cast<long>(x);
}

inline long Round(double x) { return ToLong(std::trunc(x + 0.5)); }
inline long Ceil(double x) { return ToLong(std::ceil(x)); }
inline long Floor(double x) { return ToLong(std::floor(x)); }

// A weight to the nearest half ton, and up to the next half ton.
inline double RoundHalfTon(double w) { return static_cast<double>(Round(2.0 * w)) / 2.0; }
inline double CeilHalfTon(double w) { return static_cast<double>(Ceil(2.0 * w)) / 2.0; }

}  // namespace tfd
