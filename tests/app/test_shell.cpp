// The program's start-up, event loop and shutdown, run for real: each test
// runs the whole program (its own application object included) and drives it
// from inside the event loop.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/PictureFiles.h"
#include "app/MenuBar1.h"
#include "app/Shell.h"
#include "app/Start.h"
#include "catalogue/Pictures.h"
#include "eos/Globals.h"
#include "thermo/StatePoint.h"
#include "ui/BackgroundTask.h"
#include "windows/state/Isochore.h"

namespace {

// The status a test's watchdog ends a stuck event loop with.
constexpr int Stuck = 99;

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(guitest::WritePicture(dir.path(), pictures::Logo10, 368, 87));
    ASSERT_TRUE(guitest::WritePicture(dir.path(), pictures::helmholtz, 383, 28));
    ASSERT_TRUE(guitest::WritePicture(dir.path(), pictures::cv, 100, 40));
    pictures::SetFolder(dir.path());
  }
  void TearDown() override { pictures::SetFolder(QString()); }

  // Runs the program; `drive` runs inside its event loop. A watchdog ends a
  // loop that does not end by itself, with the status Stuck.
  int RunProgram(const std::function<void()>& drive) {
    int argc = 1;
    char name[] = "app_test_shell";
    char* argv[] = {name, nullptr};
    return app::Run(argc, argv, [drive] {
      QTimer::singleShot(10000, [] { QCoreApplication::exit(Stuck); });
      drive();
    });
  }

  static std::vector<std::string> Shutdown() {
    std::vector<std::string> steps;
    for (int id = 168; id <= 189; ++id) steps.push_back("release picture " + std::to_string(id));
    steps.insert(steps.end(), {"release windows", "release MenuBar1", "release saturation arrays"});
    return steps;
  }
  static std::vector<std::string> Tail(std::size_t n) {
    const auto& steps = app::Steps();
    return {steps.end() - static_cast<std::ptrdiff_t>(std::min(n, steps.size())), steps.end()};
  }
  static void ExpectAllReleased() {
    EXPECT_EQ(ui::FindShared(app::Start::ClassName), nullptr);
    EXPECT_EQ(app::MenuBar1::Existing(), nullptr);
    for (int id = pictures::FirstId; id <= pictures::LastId; ++id) EXPECT_FALSE(pictures::Loaded(id));
  }

  QTemporaryDir dir;
};

app::Start* StartWindow() { return static_cast<app::Start*>(ui::FindShared(app::Start::ClassName)); }

std::vector<QWidget*> VisibleWindows() {
  std::vector<QWidget*> windows;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) windows.push_back(w);
  return windows;
}

TEST_F(ShellTest, StartsInOrderAndFileQuitShutsDownInOrder) {
  Globals::Fugacity[0] = 1.5;  // left over: start-up creates the arrays afresh
  std::vector<std::string> atLoop;
  bool arraysFresh = false, hookInstalled = false, onlyStart = false, barOnStart = false;
  bool loadedForStart = false;
  const int status = RunProgram([&] {
    atLoop = app::Steps();
    arraysFresh = Globals::Fugacity[0] == 0.0;
    hookInstalled = Globals::detail::backgroundTask != nullptr;
    app::Start* start = StartWindow();
    onlyStart = start != nullptr && VisibleWindows() == std::vector<QWidget*>{start};
    barOnStart = start != nullptr && start->MenuBar() != nullptr &&
                 start->MenuBar() == app::MenuBar1::Existing();
    loadedForStart = true;
    for (int id = pictures::FirstId; id <= pictures::LastId; ++id)
      loadedForStart &= pictures::Loaded(id) == (id == pictures::Logo10 || id == pictures::helmholtz);
    app::MenuBar1::Existing()->findChild<QAction*>("FileQuit")->trigger();
  });

  EXPECT_EQ(status, 0);
  const std::vector<std::string> startUp = {"saturation arrays", "picture source and background task",
                                            "App", "MenuBar1", "Start", "event loop"};
  EXPECT_EQ(atLoop, startUp);
  EXPECT_TRUE(arraysFresh);
  EXPECT_TRUE(hookInstalled);
  EXPECT_TRUE(onlyStart);
  EXPECT_TRUE(barOnStart);
  EXPECT_TRUE(loadedForStart);

  std::vector<std::string> all = startUp;
  all.push_back("event loop ended");
  const auto shutdown = Shutdown();
  all.insert(all.end(), shutdown.begin(), shutdown.end());
  EXPECT_EQ(app::Steps(), all);
  ExpectAllReleased();
}

TEST_F(ShellTest, ControlQQuitsAlsoFromAnotherWindow) {
  const int status = RunProgram([] {
    app::Start* start = StartWindow();
    ASSERT_NE(start, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(start, 2000));
    start->Button("continue1")->click();
    ui::Window* selection = ui::FindShared("Selection.Selection");
    ASSERT_NE(selection, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(selection, 2000));
    QTest::keyClick(selection, Qt::Key_Q, Qt::ControlModifier);
  });
  EXPECT_EQ(status, 0);
}

TEST_F(ShellTest, ControlQQuitsAfterTheStartWindowIsClosed) {
  const int status = RunProgram([] {
    app::Start* start = StartWindow();
    ASSERT_NE(start, nullptr);
    start->Button("continue1")->click();
    ui::Window* selection = ui::FindShared("Selection.Selection");
    ASSERT_NE(selection, nullptr);
    start->close();
    ASSERT_TRUE(QTest::qWaitForWindowActive(selection, 2000));
    QTest::keyClick(selection, Qt::Key_Q, Qt::ControlModifier);
  });
  EXPECT_EQ(status, 0);
}

TEST_F(ShellTest, WindowsOpenedDuringUseAreReleasedAtShutdown) {
  const int status = RunProgram([] {
    app::Start* start = StartWindow();
    ASSERT_NE(start, nullptr);
    start->Button("continue1")->click();
    ASSERT_NE(ui::FindShared("Selection.Selection"), nullptr);
    QCoreApplication::exit(0);
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ui::FindShared("Selection.Selection"), nullptr);
  EXPECT_EQ(Tail(Shutdown().size()), Shutdown());
  ExpectAllReleased();
}

TEST_F(ShellTest, ClosingTheLastWindowEndsTheProgram) {
  const int status = RunProgram([] {
    app::Start* start = StartWindow();
    ASSERT_NE(start, nullptr);
    start->close();
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Tail(Shutdown().size()), Shutdown());
}

TEST_F(ShellTest, AnExceptionFromAHandlerIsReportedOnceAndShutdownStillRuns) {
  testing::internal::CaptureStderr();
  const int status = RunProgram([] {
    // A button whose handler throws, clicked like a user would.
    auto* button = new QPushButton("throw", StartWindow());
    QObject::connect(button, &QPushButton::clicked, [] { throw std::runtime_error("boom"); });
    button->show();
    QTest::mouseClick(button, Qt::LeftButton);
  });
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 1);
  const std::string report = "tarvo-hgk: unhandled exception: boom";
  EXPECT_NE(err.find(report), std::string::npos) << err;
  EXPECT_EQ(err.find(report), err.rfind(report)) << "reported more than once: " << err;

  std::vector<std::string> expected = {"event loop ended", "unhandled exception"};
  const auto shutdown = Shutdown();
  expected.insert(expected.end(), shutdown.begin(), shutdown.end());
  EXPECT_EQ(Tail(expected.size()), expected);
  ExpectAllReleased();
}

TEST_F(ShellTest, AnExceptionOfAnyTypeIsCaughtToo) {
  testing::internal::CaptureStderr();
  const int status = RunProgram([] { QTimer::singleShot(0, [] { throw 42; }); });
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.find("unhandled exception"), std::string::npos) << err;
  EXPECT_EQ(Tail(Shutdown().size()), Shutdown());
}

// Counts the activations of socket notifiers: on the offscreen platform only
// the program's own, which reads the signals' pipe, is there.
struct NotifierCalls : QObject {
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::SockAct && qobject_cast<QSocketNotifier*>(watched) != nullptr) ++count;
    return false;
  }
  int count = 0;
};

// No temporary is left, the older file stays and the status is Quit's; a SIGHUP ignored from the
// start (nohup) stays so. Each signal asks to quit once: events that run after it do not ask again.
TEST_F(ShellTest, AQuitOrSignalDuringAnExportAbandonsIt) {
  struct Row { const char* how; std::vector<int> sent; bool ignored; };
  const Row rows[] = {{"SIGHUP ignored from the start", {SIGHUP}, true}, {"File > Quit", {}, false},
                      {"SIGTERM", {SIGTERM}, false}, {"SIGINT", {SIGINT}, false},
                      {"SIGHUP", {SIGHUP}, false}, {"SIGINT twice", {SIGINT, SIGINT}, false}};
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  const auto temps = [] { return QDir().entryList({".18.txt.*"}, QDir::Hidden | QDir::Files).size(); };
  const auto quit = [] { app::MenuBar1::Existing()->findChild<QAction*>("FileQuit")->trigger(); };
  for (const Row& row : rows) {
    QFile older("18.txt");
    ASSERT_TRUE(older.open(QIODevice::WriteOnly) && older.write("older\n") == 6);
    older.close();
    std::signal(SIGHUP, row.ignored ? SIG_IGN : SIG_DFL);
    qsizetype during = -1;
    NotifierCalls asks;
    const int status = RunProgram([&] {
      QCoreApplication::instance()->installEventFilter(&asks);
      thermo::StatePoint::Set(0, 0, 18);
      Isochore* w = ui::Shared<Isochore>();
      w->Show();
      // A window that never becomes active ends the run at once; the row
      // then fails on what was not exported.
      const bool active = QTest::qWaitForWindowActive(w, 2000);
      EXPECT_TRUE(active) << row.how << ": the isochore window never became active";
      if (!active) return quit();
      for (auto [name, text] : {std::pair{"minimum", "0"}, {"maximum", "999.99"}, {"interval", "0.01"}})
        w->Field(name)->SetText(text);  // 100,000 rows
      QTimer::singleShot(0, [&] {  // runs inside the export's loop
        during = temps();
        if (row.sent.empty()) quit();
        for (int sent : row.sent) { std::raise(sent); QCoreApplication::processEvents(); }
        QCoreApplication::processEvents();  // what a signal left unread asks again here
      });
      w->Button("Export")->click();
      if (!ui::Quitting()) quit();  // the ignored SIGHUP; a later Quit would hide a signal's status
    });
    for (int sent : row.sent) std::raise(sent);  // after the end: changes nothing, kills nothing
    ASSERT_TRUE(older.open(QIODevice::ReadOnly)) << row.how;
    EXPECT_EQ(std::tuple(status, during, temps(), older.readAll() == "older\n"),
              std::tuple(0, qsizetype{1}, qsizetype{0}, !row.ignored)) << row.how;
    EXPECT_EQ(asks.count, row.ignored ? 0 : std::ssize(row.sent)) << row.how << ": quits asked";
  }
  QDir::setCurrent(previous);
}

// Without a display the program says which one it could not reach, in one
// line, and exits with status 1 (Qt by itself aborts).
TEST(NoDisplay, OneLineNamesTheDisplayAndTheStatusIsOne) {
  const char* rows[][2] = {  // DISPLAY, what the program says
      {nullptr, "tarvo-hgk: no display: could not connect to display (DISPLAY is not set)\n"},
      {":7391", "tarvo-hgk: no display: could not connect to display :7391\n"},
  };
  for (const auto& [display, line] : rows) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"})
      env.remove(v);
    if (display != nullptr) env.insert("DISPLAY", display);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(TARVO_PROGRAM, {});
    ASSERT_TRUE(program.waitForFinished(60000)) << line;
    EXPECT_EQ(program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, 1) << line;
    EXPECT_EQ(program.readAllStandardError().toStdString(), line);
  }
}

}  // namespace
