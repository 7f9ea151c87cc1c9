// Titanframe Designer: the splash, the main window with the loaded equipment,
// and the message loop. A copy started while another runs hands its file
// over to that one and ends.

#include <QApplication>
#include <QDir>
#include <memory>

#include "app/LoadRequests.h"
#include "app/LoadServing.h"
#include "app/Startup.h"
#include "equipment/Database.h"
#include "equipment/EquipmentLists.h"
#include "ui/Splash/Splash.h"
#include "ui/common/MessageSeam.h"
#include "ui/main/TfrmTFD.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Titanframe Designer");
  QApplication::setApplicationDisplayName("Titanframe Designer");
  QApplication::setApplicationVersion(TFD_VERSION);

  // The file named on the command line goes through the shared block, to
  // this copy's window or to the copy that already runs. A later copy ends
  // here, before its splash or database.
  tfd::TLoadRequests requests;
  try {
    requests.Attach(tfd::CommandLineRequest(QApplication::arguments().mid(1), QDir::currentPath()));
  } catch (const tfd::TLoadInfoError& e) {
    tfd::TMessageSeam::Error(nullptr, e.what());
  }
  if (requests.Role() == tfd::TLoadRequests::ERole::Later) {
    requests.HandOver();
    // Unless the running copy ended meanwhile and this one took its place.
    if (!requests.IsOwner()) return 0;
  }

  auto splash = std::make_unique<tfd::TfrmSplash>();
  splash->showAndPaint();

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

  int code = 0;
  {
    tfd::TfrmTFD window(std::move(equipment));
    // After the window, so that it ends first.
    tfd::TLoadServing serving(window);
    serving.SetRequests(&requests);
    window.show();
    // The splash stays over the window a moment longer if its line needs it.
    splash.release()->finish(&window);
    code = app.exec();
  }
  try {
    requests.Detach();
  } catch (const tfd::TLoadInfoError& e) {
    tfd::TMessageSeam::Error(nullptr, e.what());
  }
  return code;
}
