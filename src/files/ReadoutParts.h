#pragma once
// What the text and HTML readout writers share: the names and figures the
// readers parse back (location names, equipment names with their technology
// marker, the technology line, the component words), in one place.

#include <string>
#include <string_view>
#include <vector>

namespace tfd {

class TMech;
class TConfiguration;
class TWeapon;
class TEquipmentLists;
struct TWepInfoStruct;

// The readouts' whole-design choice of configurations.
inline constexpr int kAllConfigs = -1;

// The configurations a readout lists: every one of the file's (one, or eight
// for an Omni design) for kAllConfigs; otherwise that one, after the fixed
// configuration whose equipment an Omni alternate carries.
std::vector<int> ReadoutConfigs(const TMech& design, int configIndex);

// "Fixed Configuration", "Primary Configuration", "Alternate Configuration A" ...
// as the text reader knows them.
std::string ReadoutConfigName(int k);

// The name the location-name parser reads back as `code`; "BIN" (no location)
// for the BIN and the turret mountings the readouts have no name for.
std::string ReadoutLocation(int code, bool quad);

// The armament lines a file holds: one per entry of the design's brand list
// ("2 Medium Laser: Brightline Mk1", or "2 Medium Laser(s)" while it has no
// brand), as the loading gives the brands back; the lines as they were read
// for a design without such equipment.
std::vector<std::string> ArmamentForFile(const TMech& design);

// One line of text: line ends and other control characters become blanks.
std::string OneLine(std::string_view text);

// The row an item was made from; null for an item of no known row.
const TWepInfoStruct* RowOf(const TWeapon& item, const TEquipmentLists& lists);
// "*" for equipment of the other technology base than the design's, else " ".
char TechnologyMarker(const TWeapon& item, const TMech& design);

// Slots a split item holds in its own location (the rest lie in the next one).
int PrimarySlots(const TConfiguration& config, const TWeapon& item);

// "Inner Sphere Level 1", "Inner Sphere Level 2" or "Clan".
std::string TechnologyText(const TMech& design);
// The source word ("3025", "Custom" ...); empty for any other source.
std::string SourceWord(const TMech& design);
// "Endo Steel", "Standard" ...; the readers look for the E of Endo.
std::string StructureWord(const TMech& design);
// "XL" for the XL engines; any other kind by a word that neither begins with X
// nor holds "XL" (the text reader looks at the first letter, the HTML reader
// for "XL" anywhere).
std::string EngineKindWord(const TMech& design);
// "Single", "Double", "Compact" or "Laser", as the readers take them back.
std::string HeatSinkWord(const TMech& design);
// The kinds the files record by one flag, of either technology: Endo Steel,
// the XL engine (not the XXL) and Ferro-Fibrous armour.
bool IsEndoSteel(const TMech& design);
bool IsXLEngine(const TMech& design);
bool IsFerroFibrous(const TMech& design);
// Heat dissipated: the sinks times two for double and laser ones.
int Dissipation(const TMech& design);

// A number with `decimals` decimals and a point (the readers read a point).
std::string Fixed(double value, int decimals);

}  // namespace tfd
