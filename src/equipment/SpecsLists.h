#pragma once
// What the design-description tab shows, decided without the window: which
// SPECS pick list each box needs for the design, the lists themselves (queried
// only when the TYPE a box needs changes), the armament entries' texts, the
// source entries, and clearing the description.
//
// The boxes are views of the design's own texts: a refill offers the
// category's name ("Endo Steel", "Unknown") as the first entry but never puts
// it in place of the text the design holds.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "equipment/Specs.h"

namespace tfd {

class IQuery;
class TMech;
struct TWepName;

// A pick list a box needs: the SPECS TYPE and the entry offered before its names.
struct TSpecsCategory {
  int Type = 0;
  std::string FirstEntry;
};

TSpecsCategory ChassisCategory(std::uint8_t structureType);
TSpecsCategory ArmorCategory(std::uint8_t armorType);
// None while the design has no jumping MP.
std::optional<TSpecsCategory> JumpJetCategory(const TMech& design);
// "Unknown" for the standard system, else the targeting system's name.
std::string TargetingDefault(std::uint8_t targetingType);

// Keeps a list on the category it needs: the query runs only when the TYPE
// differs from the one the list holds; a changed first entry is put in place
// without one. Then the entry equal to `text` is picked. True when it queried.
bool KeepPickList(IQuery& query, TPickList& list, const TSpecsCategory& category, const std::string& text);

// The single disabled "None" of a design that cannot jump; the list forgets
// its category, so jumping again refills it.
void ShowNoJumpJets(TPickList& list);

// An armament entry as the list shows it: the count, a blank, then the brand,
// or the equipment name and "(s)" while it has none.
std::string ArmamentEntryText(const TWepName& entry);
// Every entry of the design's brand list so.
std::vector<std::string> ArmamentLines(const TMech& design);

// Gives the brand-list entries the brands named by the armament lines a file
// held (TMech::Armament). A line "[count ]name: brand" names its entry (a
// plural "s", "es" or "(s)" on the name is allowed); lines without a name, as
// the list itself shows them, go to the entries in order when there is one
// line per entry, and one that only repeats "name(s)" leaves its entry
// without brand. A brand already given is kept; a line naming no entry is
// ignored.
void TakeArmamentBrands(TMech& design);

// The ten entries of the source box, and the design's source code for each.
const std::vector<std::string>& SourceEntries();
int SourceEntryOf(std::uint8_t source);
std::uint8_t SourceOfEntry(int entry);

// Empties the description: type name, the makers of chassis, jump jets,
// armour, communications and targeting (the power plant is rebuilt from the
// engine, so it stays), manufacturers, overview, every brand, and the source
// back to a custom design. Construction values are untouched.
void ClearSpecifications(TMech& design);

// The pick lists of the tab with the engine makers found in the power-plant
// list. Refresh brings every list to what the design needs and rebuilds the
// design's power-plant text; JumpJetsEnabled tells whether that box is usable.
class TSpecsLists {
 public:
  void Refresh(IQuery& query, TMech& design);
  // The brands offered for one armament entry, queried only when the entry's
  // identifier differs from the one the list holds.
  void ShowBrands(IQuery& query, const TWepName& entry);
  // The power-plant text rebuilt from `text` for the design's engine.
  std::string RebuildPowerPlant(const std::string& text, const TMech& design) const;
  const TEngineMakers& Makers() const { return makers_; }

  TPickList Chassis, PowerPlant, JumpJets, Armor, ComSystem, TTSystem, Manufacturer, Brand;
  bool JumpJetsEnabled = false;

 private:
  TEngineMakers makers_;
};

}  // namespace tfd
