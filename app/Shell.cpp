#include "app/Shell.h"

#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Start.h"
#include "catalogue/Pictures.h"
#include "eos/Globals.h"
#include "ui/BackgroundTask.h"
#include "ui/Window.h"

namespace app {

namespace {

std::vector<std::string> steps;

void Step(std::string what) { steps.push_back(std::move(what)); }

// The unhandled-exception report: one line on standard error.
void ReportUnhandled(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tarvo-hgk: unhandled exception: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "tarvo-hgk: unhandled exception of unknown type\n");
  }
  std::fflush(stderr);
}

// What Qt says while the application object connects to the window system,
// held back until it is known whether the connection came about. Without a
// display Qt's platform plugin warns ("could not connect to display :99")
// and then ends the process with a fatal error that suggests reinstalling;
// instead the program says in one line which display it could not reach and
// exits with status 1. Once connected, what was held back is passed on as
// it would have been.
class WindowSystemConnection {
 public:
  WindowSystemConnection() { previous = qInstallMessageHandler(&Hold); }
  ~WindowSystemConnection() {
    std::vector<Held> messages;
    {
      const std::lock_guard<std::mutex> lock(mutex);
      qInstallMessageHandler(previous);
      messages.swap(held);
    }
    for (const Held& m : messages) {
      if (previous == nullptr) break;
      const QMessageLogContext context(m.file.c_str(), m.line, m.function.c_str(),
                                       m.category.c_str());
      previous(m.type, context, m.text);
    }
  }
  WindowSystemConnection(const WindowSystemConnection&) = delete;
  WindowSystemConnection& operator=(const WindowSystemConnection&) = delete;

 private:
  struct Held {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
  };

  static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // Qt may start threads of its own while it connects.
    const std::lock_guard<std::mutex> lock(mutex);
    if (type == QtFatalMsg) NoDisplay(message);
    const auto text = [](const char* s) { return std::string(s != nullptr ? s : ""); };
    held.push_back({type, text(context.file), text(context.function), text(context.category),
                    context.line, message});
  }

  // The one line, in the platform plugin's own words where it gave any
  // (they name the display it tried), and the exit. The application object
  // is half built, so nothing of the program's shutdown can run.
  [[noreturn]] static void NoDisplay(const QString& fatal) {
    std::string reason = fatal.section(QLatin1Char('\n'), 0, 0).trimmed().toStdString();
    for (const Held& m : held) {
      if (m.category.starts_with("qt.qpa.") && m.type == QtWarningMsg) {
        reason = m.text.trimmed().toStdString();
        break;
      }
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
      reason += " (DISPLAY is not set)";
    std::fprintf(stderr, "tarvo-hgk: no display: %s\n", reason.c_str());
    std::fflush(stderr);
    std::_Exit(1);
  }

  static inline QtMessageHandler previous = nullptr;
  static inline std::mutex mutex;
  static inline std::vector<Held> held;
};

// The termination signals, SIGTERM (a logout, kill), SIGINT (Ctrl+C in the
// terminal the program was started from) and SIGHUP (that terminal
// closed), end the program as File > Quit does: an isochore export under
// way is abandoned and its temporary file removed, shutdown runs, and the
// exit status is Quit's. A signal handler can safely do next to nothing,
// so it only writes a byte to a pipe; the event loop reads the pipe through
// a socket notifier (also while a long loop lets events run) and quits.
//
// Once installed, the handlers stay until the process exits, and the pipe
// stays open with them: a signal while the program is ending, shutdown
// done or not, adds a byte nobody reads and changes nothing, neither the
// exit status nor how far shutdown gets. Putting the default actions back
// at the end would let a signal in the last instant kill the program after
// its shutdown had run; closing the pipe under a handler could make it
// write into whatever file took the descriptor next. A signal the program
// was started with ignored (nohup) stays ignored.
class TerminationSignals {
 public:
  // Makes the pipe on the first call and installs the handlers. A run of
  // the program in a process that has run it before (the tests do) starts
  // with the pipe emptied: what an earlier run's end left there is no
  // request to end this one. Without a pipe the signals keep their
  // defaults.
  static void Install() {
    if (readEnd < 0) {
      int ends[2];
      if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
      readEnd = ends[0];
      writeEnd.store(ends[1]);
    }
    // The bytes in the pipe now, counted and taken in one read (a pipe's
    // read takes all it is asked for that is there): a flood of signals
    // meanwhile cannot keep this going, and a signal after the count asks
    // this run to end.
    int left = 0;  // stays 0 where the count fails, and nothing is read
    [[maybe_unused]] const int counted = ::ioctl(readEnd, FIONREAD, &left);
    std::vector<char> bytes(static_cast<std::size_t>(std::max(left, 0)));
    [[maybe_unused]] const ssize_t n = ::read(readEnd, bytes.data(), bytes.size());
    for (const int number : kSignals) {
      struct sigaction previous {};
      struct sigaction action {};
      action.sa_handler = &Handler;
      sigemptyset(&action.sa_mask);
      action.sa_flags = SA_RESTART;
      if (::sigaction(number, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
        ::sigaction(number, &action, nullptr);
    }
  }

  // The notifier that quits the program, as File > Quit does, once a signal
  // has come; it needs the application object and reads in its loop. A
  // signal that came before is read as soon as the loop runs.
  static std::unique_ptr<QSocketNotifier> Watch() {
    if (readEnd < 0) return nullptr;
    auto notifier = std::make_unique<QSocketNotifier>(readEnd, QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, [end = readEnd] {
      char bytes[64];  // what is left makes the notifier call again: Quit once more
      [[maybe_unused]] const ssize_t n = ::read(end, bytes, sizeof bytes);
      ui::Quit(0);
    });
    return notifier;
  }

 private:
  static constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

  static void Handler(int) {
    const int saved = errno;
    if (const int end = writeEnd.load(); end >= 0) {
      // A full pipe refuses the byte: the quit has been asked for already.
      const char byte = 1;
      [[maybe_unused]] const ssize_t n = ::write(end, &byte, 1);
    }
    errno = saved;
  }

  static inline std::atomic<int> writeEnd{-1};
  static inline int readEnd = -1;
};

// Start-up steps and the event loop; the exit status of the loop.
int Main(std::unique_ptr<App>& application, int& argc, char** argv,
         const std::function<void()>& whileRunning) {
  pictures::Install();
  ui::ResetBackgroundTask();
  Globals::SetBackgroundTask(&ui::BackgroundTask);
  Step("picture source and background task");

  {
    WindowSystemConnection connecting;
    application = std::make_unique<App>(argc, argv);
  }
  Step("App");

  MenuBar1::Shared();
  Step("MenuBar1");

  ui::Shared<Start>();
  Step("Start");

  const std::unique_ptr<QSocketNotifier> quitOnSignal = TerminationSignals::Watch();
  if (whileRunning) QTimer::singleShot(0, application.get(), whileRunning);
  Step("event loop");
  const int status = application->exec();
  Step("event loop ended");
  if (std::exception_ptr error = application->TakeUnhandledException()) {
    std::rethrow_exception(error);
  }
  return status;
}

void Finalise() {
  pictures::ReleaseAll([](int id) { Step("release picture " + std::to_string(id)); });
  ui::ReleaseAllShared();
  Step("release windows");
  MenuBar1::Release();
  Step("release MenuBar1");
  Globals::ExitSaturationArrays();
  Step("release saturation arrays");
}

}  // namespace

int Run(int& argc, char** argv, const std::function<void()>& whileRunning) {
  steps.clear();
  // From here until the process exits: a signal before the event loop
  // runs quits the program as soon as it does, one during shutdown or
  // after it changes nothing.
  TerminationSignals::Install();

  // The arrays exist before any window can be built.
  Globals::InitSaturationArrays();
  Step("saturation arrays");

  // The application object outlives shutdown: it goes last, as the run ends.
  std::unique_ptr<App> application;
  int status = 0;
  try {
    status = Main(application, argc, argv, whileRunning);
  } catch (...) {
    ReportUnhandled(std::current_exception());
    Step("unhandled exception");
    status = 1;
  }

  Finalise();
  application.reset();
  return status;
}

const std::vector<std::string>& Steps() { return steps; }

}  // namespace app
