#pragma once
// The four values a user may choose as the start of every new design:
// technology, tonnage, walking MP and source. Each is one byte; all are 0
// until the user chooses them.

#include <cstdint>

namespace tfd {

class TMech;

// Technology choices, in the order the window lists them.
enum EDefaultTechnology : std::uint8_t { dtIS1, dtIS2, dtClan2 };

struct TDefaultValues {
  std::uint8_t Technology = dtIS1;
  std::uint8_t Tonnage = 0;
  std::uint8_t WalkMP = 0;
  std::uint8_t Source = 0;  // the design file's source coding
  // Set once the user has confirmed the values; until then a new design is
  // the plain default design.
  bool Chosen = false;
};

// The nearest multiple of 5 (halves go up: 12 gives 10, 13 gives 15).
int NearestMultipleOfFive(int tons);

// Puts the chosen values into a freshly cleared design: the rules level of
// the technology, the tonnage, walking MP and source. The rules pass that
// follows settles what they imply.
void ApplyDefaultValues(TMech& design, const TDefaultValues& values);

}  // namespace tfd
