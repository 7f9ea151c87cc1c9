#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/Mech.h"
#include "model/Weapon.h"
#include "rules/Formula.h"

// The formula evaluator promises a finite value for any text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static tfd::TMech* design = new tfd::TMech;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double v = tfd::EvalFormula(*design, text, 3.0, 5.0, 2.5, 1.0);
  if (!std::isfinite(v)) std::abort();
  tfd::TWepInfoStruct row;
  row.CalcTons = row.CalcCrits = row.CalcDmg = row.CalcCost = row.CalcBV = row.CalcHeat = std::string(text);
  tfd::RecomputeRecord(*design, row);
  if (!std::isfinite(row.Tons) || !std::isfinite(row.Cost)) std::abort();
  return 0;
}
