#pragma once
// The manufacturer pick lists of the design-description tab (table SPECS), the
// default engine maker for a rating, and the rebuild of the power-plant text.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tfd {

class IQuery;
class TMech;

// Pick-list numbers of SPECS.TYPE. Armament brands use the item's SAVENUM.
enum ESpecsList : int {
  spPatchworkArmor = 0,
  spChassisStandard = 1,
  spChassisEndo = 2,
  spChassisComposite = 3,
  spChassisReinforced = 4,
  spPowerPlant = 5,
  spJumpJets = 6,
  spImprovedJumpJets = 7,
  spArmorStandard = 8,
  spArmorFerro = 9,
  spArmorLightFerro = 10,
  spArmorHeavyFerro = 11,
  spArmorHardened = 12,
  spArmorReflective = 13,
  spArmorReactive = 14,
  spComSystem = 15,
  spTTSystem = 16,
  spManufacturer = 17
};

// A combo box's contents: its entries, the picked one, the shown text, and the
// TYPE it was last filled for (99 before the first fill). FirstEntry is the
// entry put before the TYPE's names (none when empty); Revision counts the
// changes of Entries, so a view copies them only when they changed.
struct TPickList {
  int Tag = 99;
  std::vector<std::string> Entries;
  int ItemIndex = -1;
  std::string Text;
  std::string FirstEntry;
  unsigned Revision = 0;
};

// Fills a pick list with the names of one TYPE in name order, after the first
// entry when that is not empty, and picks the entry equal to the current text
// (none when there is none; the text is shown all the same).
void FillPickList(IQuery& query, TPickList& list, int type, const std::string& currentText,
                  const std::string& firstEntry);

// The thirteen engine makers that a rating defaults to.
inline constexpr int kEngineMakerCount = 13;
const std::array<const char*, kEngineMakerCount>& EngineMakerNames();

// Positions of the engine makers in the power-plant pick list, looked up afresh
// each time the list is filled. A maker missing from the list has no position;
// a rating that defaults to it then falls back to position 0, the first entry.
class TEngineMakers {
 public:
  void Locate(const std::vector<std::string>& entries);
  // Position in the list of the default maker for a rating; 0 for a rating
  // that has none.
  int PositionFor(int rating) const;
  // The name at that position, empty when the list is empty.
  std::string NameFor(int rating) const;

 private:
  std::vector<std::string> entries_;
  std::array<int, kEngineMakerCount> positions_{};  // -1: not in the list
};

// The maker whose position a rating maps to, -1 for a rating without one.
int DefaultEngineMaker(int rating);

// The power-plant text rebuilt for the design's engine: a default maker
// follows the rating, a maker the user typed stays; "Unknown" is dropped; the
// engine's rating and kind are appended.
std::string RebuildPowerPlant(const std::string& text, const TMech& design, const TEngineMakers& makers);

}  // namespace tfd
