#pragma once
// Writing the plain-text technical readout (".txt"): the fixed layout that
// ImportTextReadout walks, line by line and position by position.

#include <string>

#include "files/ReadoutParts.h"

namespace tfd {

class TMech;
class TEquipmentLists;

// The readout of the design in UTF-8 (for the screen and the clipboard):
// every configuration for kAllConfigs, else the one given (after the fixed
// one of an Omni design). Battle value and cost are the design's last ratings.
std::string TextReadout(const TMech& design, const TEquipmentLists& lists, int configIndex = kAllConfigs);

// The readout as a file holds it: 8-bit Windows text, CR LF line ends.
std::string WriteTextReadout(const TMech& design, const TEquipmentLists& lists);

}  // namespace tfd
