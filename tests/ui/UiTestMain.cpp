// Test main of the GUI tests: offscreen, a pinned locale, one QApplication.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QApplication app(argc, argv);
  QApplication::setApplicationName("Titanframe Designer");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
