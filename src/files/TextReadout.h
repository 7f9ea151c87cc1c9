#pragma once
// The plain-text technical readout (".txt"): a fixed layout read line by line
// and position by position. Also the parts the HTML readout shares: the
// special lines of heat sinks, Endo Steel and Ferro-Fibrous slot groups.

#include <string>
#include <string_view>

namespace tfd {

class TMech;
class TEquipmentLists;
class TLoadLog;

// Reads a readout into a freshly reset design; what it cannot read becomes a
// warning in `log`, and the items' values wait there for the corrected
// design. Throws TReadError when the layout does not match (what was read
// stays), TLimitError past what a design may hold.
void ImportTextReadout(std::string_view text, TMech& design, TEquipmentLists& lists, TLoadLog& log);

// The slot groups of a special line ("HS: CT2 LA1") on line `line`, read from
// `tokens` (the text after the keyword): one item per token in configuration
// `k`; a token that names no location is a warning.
enum class ESlotGroup { HeatSinks, FerroFibrous, EndoSteel };
void AddSlotGroups(std::string_view tokens, ESlotGroup kind, TMech& design, const TEquipmentLists& lists,
                   int k, TLoadLog& log, int line);

// Source code of a source word ("3025" is 2, "Custom" 0, anything else 7).
int SourceOfWord(std::string_view word);
// The first source named anywhere in a text (the HTML readout's technology cell).
int SourceNamedIn(std::string_view text);

}  // namespace tfd
