// The background-task hook of the equation of state's long loops: lets
// pending events run, but only when about 20 ms have passed since the last
// time, so a loop of hundreds of passes costs a clock read per pass.
#include <QCoreApplication>

#include <chrono>

#include "Globals.h"
#include "Window.h"

namespace ui {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Interval = std::chrono::milliseconds(20);
Clock::time_point lastRun{};

void LetEventsRun() {
  const Clock::time_point now = Clock::now();
  if (now - lastRun < Interval) return;
  lastRun = now;
  if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

}  // namespace

void InstallBackgroundTask() {
  lastRun = Clock::now();
  Globals::SetBackgroundTask(&LetEventsRun);
}

}  // namespace ui
