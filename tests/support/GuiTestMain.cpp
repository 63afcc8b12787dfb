// main() of every GUI test program: one QApplication for all its tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include <clocale>
#include <cstdlib>

#include "ui/Window.h"

int main(int argc, char** argv) {
  // Offscreen unless told otherwise, also when ctest lists the tests.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Reproducible metrics: no scaling, 96 DPI, C locale.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qunsetenv("QT_SCALE_FACTOR");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
  qputenv("QT_FONT_DPI", "96");
  setenv("LC_ALL", "C", 1);

  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  std::setlocale(LC_ALL, "C");
  QLocale::setDefault(QLocale::c());
  QApplication::setQuitOnLastWindowClosed(false);

  const int result = RUN_ALL_TESTS();
  ui::ReleaseAllShared();
  return result;
}
