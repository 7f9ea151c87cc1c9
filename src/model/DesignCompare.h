#pragma once
// Tells whether two designs hold the same values: every chassis value, text,
// configuration, item, slot and brand. Items are compared by value and slots
// by which item of their design they hold, never by address, so a design and
// its copy compare equal.

#include <string>

namespace tfd {

class TMech;

// The name of the first value in which the designs differ ("Tonnage",
// "Configs[3].Items[2].Location", "Configs[0].Crits[1][4]"); empty when they
// are the same.
std::string DesignDifference(const TMech& a, const TMech& b);

}  // namespace tfd
