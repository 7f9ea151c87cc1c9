#pragma once
// The binary design file (".TFI", ".TFC"): format version 2311, little-endian.

#include <array>
#include <cstdint>
#include <string_view>

#include "model/Configuration.h"
#include "model/Enums.h"

namespace tfd {

class TMech;
class TEquipmentLists;
class TLoadLog;

inline constexpr std::int16_t kDesignFileVersion = 2311;

// The layout both the reader and the writer keep to.
// A configuration's slot table holds every slot of kLocationSlots; an Omni
// design has kSavedConfigCount configuration blocks, any other design one.
// Items of one configuration block (a byte counts them).
inline constexpr int kFileMaxItems = 255;
// Strings of one text list (a word counts them).
inline constexpr std::size_t kFileMaxListLines = 32767;
// Torsos whose CASE a configuration block records, two bits each, from the
// centre torso on.
inline constexpr int kFileCaseTorsos = 3;
// The armour points, one byte each; each side's left twin takes the right's.
inline constexpr std::array<std::uint8_t, 7> kFileArmorSections = {
    asHead, asCenterTorso, asCenterTorsoRear, asRightTorso, asRightTorsoRear, asRightArm, asRightLeg};

// The design flags byte: the technology base in the top two bits, then flags.
enum EDesignFileFlag : std::uint8_t {
  dfEndoSteel = 2,
  dfXLEngine = 4,
  dfOmni = 8,
  dfQuad = 16,
  dfFerroFibrous = 32
};
inline constexpr int kFileTechBaseShift = 6;
enum EFileTechBase : std::uint8_t { tbInnerSphere1, tbInnerSphere2, tbClan };

// The file numbers (the older identifiers) of ammunition, whose items carry
// their shots in the name and are valued by the ton.
inline constexpr int kFirstAmmoFileNumber = 800;
inline constexpr int kLastAmmoFileNumber = 1199;
// Each block of a hundred file numbers gives the Inner Sphere its first fifty
// and the Clans the rest.
constexpr bool IsClanFileNumber(int number) { return number % 100 >= 50; }

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
