#pragma once
// The plain-text technical readout (".txt"): a fixed layout read line by line
// and position by position. Also the parts the HTML readout shares: the
// special lines of heat sinks, Endo Steel and Ferro-Fibrous slot groups.

#include <string>
#include <string_view>

namespace tfd {

class TMech;
class TEquipmentLists;

// Reads a readout into a freshly reset design. Throws TReadError when the
// layout does not match (what was read stays).
void ImportTextReadout(std::string_view text, TMech& design, TEquipmentLists& lists);

// The slot groups of a special line ("HS: CT2 LA1"), read from `tokens` (the
// text after the keyword): one item per token in configuration `k`.
enum class ESlotGroup { HeatSinks, FerroFibrous, EndoSteel };
void AddSlotGroups(std::string_view tokens, ESlotGroup kind, TMech& design, const TEquipmentLists& lists,
                   int k);

// Source code of a source word ("3025" is 2, "Custom" 0, anything else 7).
int SourceOfWord(std::string_view word);

}  // namespace tfd
