// The background-task hook of the equation of state's long loops: lets
// pending events run when about 20 ms have passed since the last time.
//
// The hook is called very often (about 1200 times in one volume search,
// once per term of the sums), so it reads the clock only every 256th call:
// a clock read costs about 18 ns, which on every call would make a search
// take 2.6 times as long; a countdown costs nothing measurable. Even the
// lightest pass does some work, so 256 calls come well within the 20 ms.
#include <QCoreApplication>

#include <chrono>

#include "Globals.h"
#include "Window.h"

namespace ui {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Interval = std::chrono::milliseconds(20);
constexpr int CallsPerClockRead = 256;
Clock::time_point lastRun{};
int callsToClockRead = CallsPerClockRead;

void LetEventsRun() {
  if (--callsToClockRead > 0) return;
  callsToClockRead = CallsPerClockRead;
  const Clock::time_point now = Clock::now();
  if (now - lastRun < Interval) return;
  lastRun = now;
  if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

}  // namespace

void InstallBackgroundTask() {
  lastRun = Clock::now();
  callsToClockRead = CallsPerClockRead;
  Globals::SetBackgroundTask(&LetEventsRun);
}

}  // namespace ui
