#pragma once
// Equipment formulas: the CALC... columns of the equipment table, evaluated for
// the current design ("H0.05*M" is a hatchet-like tonnage rule, say).

#include <string_view>

namespace tfd {

class TMech;
struct TWepInfoStruct;

// The value of a formula. The first character is the rounding mode ("H" up to
// the half, "Q" up to the quarter, "W" up to the whole number, "R" to the
// nearest whole number with halves up, anything else none); the rest is read
// left to right with no precedence. Variables: M the
// tonnage, E the engine rating, and the arguments B, D, T and F. A number
// directly followed by a variable is dropped. Never NaN or infinite: a division
// by zero gives 0, and so does a result that is not finite.
double EvalFormula(const TMech& design, std::string_view formula, double B, double D, double T, double F);

// Brings a record's design-dependent values up to date from its formulas:
// tons first (T = 0), then slots, heat, damage, cost and battle value (T = the
// tons), each with D = the record's damage at that moment. Slots, heat, damage
// and battle value are rounded and kept within their field widths.
void RecomputeRecord(const TMech& design, TWepInfoStruct& record);

}  // namespace tfd
