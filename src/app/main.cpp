// Titanframe Designer: the splash, the main window with the loaded equipment,
// and the message loop.

#include <QApplication>
#include <memory>

#include "equipment/Database.h"
#include "equipment/EquipmentLists.h"
#include "ui/Splash/Splash.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/Startup.h"
#include "ui/main/TfrmTFD.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  auto splash = std::make_unique<tfd::TfrmSplash>();
  splash->showAndPaint();
  QApplication::setApplicationName("Titanframe Designer");
  QApplication::setApplicationDisplayName("Titanframe Designer");
  QApplication::setApplicationVersion(TFD_VERSION);

  // A database that cannot be found, opened or read ends the program before
  // any window shows empty lists.
  std::unique_ptr<tfd::TEquipmentLists> equipment;
  try {
    equipment = tfd::LoadEquipmentLists();
  } catch (const std::exception& e) {
    splash.reset();
    tfd::TMessageSeam::Error(nullptr, QString::fromStdString(e.what()) + ".");
    tfd::TMessageSeam::ErrorTitled(nullptr, "File Error", "Weapon Database is corrupt!");
    return 1;
  }

  tfd::TfrmTFD window(std::move(equipment));
  splash.reset();
  window.show();
  return app.exec();
}
