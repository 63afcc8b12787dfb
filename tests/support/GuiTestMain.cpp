// main() of every GUI test program: one QApplication for all its tests,
// and a warning of the program's own fails the test that is running.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryFile>
#include <QLocale>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "ui/Window.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// The program is built with its messages' origin (QT_MESSAGELOGCONTEXT):
// a message from a file of the source or build tree is the program's. Qt's
// libraries give none, and their categories are named "qt.*", so what Qt's
// platform plugins and widgets say is not the program's.
bool FromTheProgram(const QMessageLogContext& context) {
  const std::string_view category = context.category != nullptr ? context.category : "";
  if (category.starts_with("qt.") || context.file == nullptr) return false;
  const std::string_view file = context.file;
  return file.starts_with(TARVO_SOURCE_DIR) || file.starts_with(TARVO_BINARY_DIR);
}

// A warning, critical message or fatal error of the program (a handler
// whose control the window lacks, say) fails the running test, or the run
// when no test is running; every message is still printed as before.
void FailOnTheProgramsWarnings(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
  if (type != QtDebugMsg && type != QtInfoMsg && FromTheProgram(context))
    ADD_FAILURE_AT(context.file, context.line) << "the program warned: " << message.toStdString();
  if (qtHandler != nullptr) qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  // Offscreen unless told otherwise, also when ctest lists the tests; its
  // own 800 x 800 screen, and beside it the small screen, what 800 x 600 at
  // scale 1.25 leaves (guitest::SmallScreen). Where the small screen cannot
  // be set up, the program says why, and the tests that need it fail.
  QTemporaryFile screens;
  const QByteArray screensJson = R"({"screens": [{"name": "main", "width": 800, "height": 800},
                                     {"name": "small", "x": 800, "width": 640, "height": 480}]})";
  if (const QByteArray platform = qgetenv("QT_QPA_PLATFORM"); platform != "" && platform != "offscreen")
    std::fprintf(stderr, "no small screen on the platform %s\n", platform.constData());
  else if (screens.open() && screens.write(screensJson) == screensJson.size() && screens.flush())
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toUtf8());
  else {
    std::fprintf(stderr, "no small screen: %s\n", qPrintable(screens.errorString()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // Reproducible metrics: no scaling, 96 DPI, C locale.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qunsetenv("QT_SCALE_FACTOR");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
  qputenv("QT_FONT_DPI", "96");
  setenv("LC_ALL", "C", 1);

  ::testing::InitGoogleTest(&argc, argv);
  qtHandler = qInstallMessageHandler(FailOnTheProgramsWarnings);
  QApplication app(argc, argv);
  std::setlocale(LC_ALL, "C");
  QLocale::setDefault(QLocale::c());
  QApplication::setQuitOnLastWindowClosed(false);

  const int result = RUN_ALL_TESTS();
  ui::ReleaseAllShared();
  return result;
}
