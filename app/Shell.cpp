#include "app/Shell.h"

#include <QTimer>

#include <cstdio>
#include <exception>
#include <memory>

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

// Start-up steps and the event loop; the exit status of the loop.
int Main(std::unique_ptr<App>& application, int& argc, char** argv,
         const std::function<void()>& whileRunning) {
  pictures::Install();
  ui::ResetBackgroundTask();
  Globals::SetBackgroundTask(&ui::BackgroundTask);
  Step("picture source and background task");

  application = std::make_unique<App>(argc, argv);
  Step("App");

  MenuBar1::Shared();
  Step("MenuBar1");

  ui::Shared<Start>();
  Step("Start");

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

  // The arrays exist before any window can be built.
  Globals::InitSaturationArrays();
  Step("saturation arrays");

  // The application object lives until the process ends, past shutdown.
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
