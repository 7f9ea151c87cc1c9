// Test main of the GUI tests: offscreen, a pinned locale, one QApplication.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include "ui/common/ColorDialogSeam.h"
#include "ui/common/FileDialogSeam.h"
#include "ui/common/MessageSeam.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  // The program started by a test never meets a copy a developer has open,
  // nor one another test started at the same time.
  if (!qEnvironmentVariableIsSet("TFD_LOAD_INFO_KEY"))
    qputenv("TFD_LOAD_INFO_KEY", "tfd-test-" + QByteArray::number(QCoreApplication::applicationPid()));
  // Their lock files and sockets go with the test.
  QTemporaryDir runtime;
  if (runtime.isValid()) qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  // The user's colour schemes too.
  QTemporaryDir userData;
  if (userData.isValid()) qputenv("XDG_DATA_HOME", userData.path().toUtf8());
  QApplication app(argc, argv);
  QApplication::setApplicationName("Titanframe Designer");
  // A test never waits on a message box, whichever test runs alone.
  tfd::TMessageSeam::NeverShow();
  tfd::TFileDialogSeam::NeverShow();
  tfd::TColorDialogSeam::NeverShow();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
