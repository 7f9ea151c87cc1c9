#pragma once
// The status-bar notice that equipment took the slots of arm actuators, so a
// lost hand (and its club attack) never goes unseen.

#include <array>
#include <cstdint>

class QWidget;

namespace tfd {

// Compares a configuration's actuators (right hand, right lower arm, left
// hand, left lower arm) before and after an edit and tells the user in the
// status bar of `page`'s window which went; says nothing when none did.
void ReportDisplacedActuators(QWidget* page, const std::array<std::uint8_t, 4>& before,
                              const std::array<std::uint8_t, 4>& after);

}  // namespace tfd
