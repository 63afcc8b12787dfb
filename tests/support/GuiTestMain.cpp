// main() of every GUI test program: one QApplication for all its tests,
// and a warning of the program's own fails the test that is running.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "ui/Window.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform's own screen, and beside it a small one of the
// size 800 x 600 at scale 1.25 leaves (guitest::SmallScreen).
constexpr const char* kScreens = R"({"screens": [
  {"name": "main", "x": 0, "y": 0, "width": 800, "height": 800, "logicalDpi": 96, "dpr": 1},
  {"name": "small", "x": 800, "y": 0, "width": 640, "height": 480, "logicalDpi": 96, "dpr": 1}]})";

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
  // screens are the platform's own 800 x 800 and a small one beside it.
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  QTemporaryDir screens;
  if (platform.isEmpty() || platform == "offscreen") {
    QFile config(screens.filePath(QStringLiteral("screens.json")));
    if (config.open(QIODevice::WriteOnly) && config.write(kScreens) == qint64(std::strlen(kScreens)))
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
    else
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
