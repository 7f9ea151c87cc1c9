#pragma once
// The unit roster laid out for paper: the unit's name, organisation,
// affiliation and parent unit, then one line for every position its
// organisation uses (the design, its tonnage and battle value, the pilot and
// the skills) and the totals, in black on white.

#include <QString>

namespace tfd {

class TUnitRoster;
class TRosterPositions;

// `positions` null (no equipment database): the positions print empty.
QString RosterHtml(const TUnitRoster& roster, const TRosterPositions* positions);

}  // namespace tfd
