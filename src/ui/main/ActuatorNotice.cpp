#include "ui/main/ActuatorNotice.h"

#include <QMainWindow>
#include <QStatusBar>
#include <QStringList>
#include <QWidget>

namespace tfd {

void ReportDisplacedActuators(QWidget* page, const std::array<std::uint8_t, 4>& before,
                              const std::array<std::uint8_t, 4>& after) {
  static const char* const kNames[4] = {"right hand", "right lower arm", "left hand", "left lower arm"};
  QStringList gone;
  for (std::size_t i = 0; i < 4; ++i)
    if (before[i] && !after[i]) gone << kNames[i];
  if (gone.isEmpty() || !page) return;
  auto* window = qobject_cast<QMainWindow*>(page->window());
  if (!window) return;
  window->statusBar()->showMessage(
      QObject::tr("Actuators removed, their slots being taken by equipment: %1").arg(gone.join(", ")), 10000);
}

}  // namespace tfd
