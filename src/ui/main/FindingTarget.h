#pragma once
// Where the user fixes what a finding reports: the tab it belongs to, and on
// it the control that shows the problem (the item chosen in its list, the
// armour edit of the section).

class QWidget;

namespace tfd {

class TMech;
struct TFinding;

// Shows the tab of the finding inside `window` (the main window, whose tab
// control and controls are found by name) and chooses what it concerns there.
// `useBin`: whether the Critical Sheet shows the BIN list.
void ShowFinding(QWidget& window, const TMech& design, const TFinding& finding, bool useBin);

}  // namespace tfd
