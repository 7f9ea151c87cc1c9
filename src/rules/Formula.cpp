#include "rules/Formula.h"

#include <charconv>
#include <cmath>
#include <string>

#include "model/Mech.h"
#include "model/Rounding.h"
#include "model/Weapon.h"

namespace tfd {

namespace {

double Apply(double acc, char op, double value) {
  switch (op) {
    case '+': return acc + value;
    case '-': return acc - value;
    case '*': return acc * value;
    case '/': return value == 0.0 ? 0.0 : acc / value;  // a division by zero gives 0
    default: return acc;
  }
}

// The number text as far as it reads as a number ("1.2.3" reads 1.2; "." reads 0).
double ToNumber(std::string_view text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

template <typename Int>
Int Saturate(double x, Int lo, Int hi) {
  const long r = Round(x);
  return static_cast<Int>(r < lo ? lo : (r > hi ? hi : r));
}

}  // namespace

double EvalFormula(const TMech& design, std::string_view formula, double B, double D, double T, double F) {
  if (formula.size() < 2) return 0.0;
  const char mode = formula[0];
  double acc = 0.0;
  char op = '+';
  std::size_t numberStart = 0, numberLength = 0;  // the pending number text

  auto flushNumber = [&] {
    if (numberLength > 0) acc = Apply(acc, op, ToNumber(formula.substr(numberStart, numberLength)));
    numberLength = 0;
  };

  for (std::size_t i = 1; i < formula.size(); ++i) {
    const char c = formula[i];
    if ((c >= '0' && c <= '9') || c == '.') {
      if (numberLength == 0) numberStart = i;
      ++numberLength;
      continue;
    }
    double variable;
    switch (c) {
      case '*':
      case '+':
      case '-':
      case '/':
        flushNumber();
        op = c;
        continue;
      case 'M': variable = design.Tonnage; break;
      case 'E': variable = design.EngineRating; break;
      case 'D': variable = D; break;
      case 'T': variable = T; break;
      case 'B': variable = B; break;
      case 'F': variable = F; break;
      default: continue;  // anything else is skipped
    }
    numberLength = 0;  // a number followed by a variable is dropped
    acc = Apply(acc, op, variable);
  }
  flushNumber();

  if (!std::isfinite(acc)) return 0.0;
  switch (mode) {
    case 'H': return static_cast<double>(Ceil(2.0 * acc)) / 2.0;
    case 'Q': return static_cast<double>(Ceil(4.0 * acc)) / 4.0;
    case 'W': return static_cast<double>(Ceil(acc));
    case 'R': return static_cast<double>(Round(acc));
    default: return acc;
  }
}

void RecomputeRecord(const TMech& design, TWepInfoStruct& r) {
  auto eval = [&](const std::string& f, double tons) {
    return EvalFormula(design, f, 0.0, r.Damage, tons, 0.0);
  };
  if (!r.CalcTons.empty()) {
    const double t = eval(r.CalcTons, 0.0);
    r.Tons = static_cast<float>(std::fabs(t) < 1e9 ? t : 0.0);  // stays within a float
  }
  const double tons = r.Tons;
  if (!r.CalcCrits.empty()) r.Crits = Saturate<std::uint8_t>(eval(r.CalcCrits, tons), 0, 255);
  if (!r.CalcHeat.empty()) r.Heat = Saturate<std::uint8_t>(eval(r.CalcHeat, tons), 0, 255);
  if (!r.CalcDmg.empty()) {
    r.Damage = Saturate<std::uint8_t>(eval(r.CalcDmg, tons), 0, 255);
    r.DamageText = std::to_string(r.Damage);
  }
  if (!r.CalcCost.empty()) r.Cost = eval(r.CalcCost, tons);
  if (!r.CalcBV.empty()) r.BV = Saturate<std::int16_t>(eval(r.CalcBV, tons), -32768, 32767);
}

}  // namespace tfd
