#pragma once
// The binary design file (".TFI", ".TFC"): format version 2311, little-endian.

#include <cstdint>
#include <string_view>

namespace tfd {

class TMech;
class TEquipmentLists;
class TLoadLog;

inline constexpr std::int16_t kDesignFileVersion = 2311;

// Value of a 6-byte real: exponent byte biased by 129 (0 means 0), a 39-bit
// fraction in bytes 1 to 5, least significant first, the sign in the top bit.
double Real6(const unsigned char* bytes);

// Reads a whole file, version word included, into a freshly reset design; an
// item the equipment table does not know becomes a warning in `log`, and the
// items' values wait there for the corrected design. Throws TReadError ("Read
// beyond end of file" for a file that ends early, the wrong-version message
// for another version; what was read stays), TLimitError past what a design
// may hold.
void ReadDesignFile(std::string_view bytes, TMech& design, TEquipmentLists& lists, TLoadLog& log);

}  // namespace tfd
