// The background task: lets pending events run when about 20 ms have passed
// since the last time.
//
// The task is called very often (about 1200 times in one volume search,
// once per term of the sums), so it reads the clock only every 256th call:
// a clock read costs about 18 ns, which on every call would make a search
// take 2.6 times as long; a countdown costs nothing measurable. Even the
// lightest pass does some work, so 256 calls come well within the 20 ms.
#include "ui/BackgroundTask.h"

#include <QCoreApplication>

namespace ui {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Interval = std::chrono::milliseconds(20);
constexpr int CallsPerClockRead = 256;

Clock::time_point SteadyNow() { return Clock::now(); }

BackgroundClock now = &SteadyNow;
Clock::time_point lastRun{};
int callsToClockRead = CallsPerClockRead;
bool quitting = false;

}  // namespace

void BackgroundTask() {
  if (--callsToClockRead > 0) return;
  callsToClockRead = CallsPerClockRead;
  const Clock::time_point t = now();
  if (t - lastRun < Interval) return;
  lastRun = t;
  if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

void ResetBackgroundTask(BackgroundClock clock) {
  now = clock != nullptr ? clock : &SteadyNow;
  lastRun = now();
  callsToClockRead = CallsPerClockRead;
  quitting = false;
}

void Quit(int status) {
  quitting = true;
  QCoreApplication::exit(status);
}

bool Quitting() { return quitting; }

}  // namespace ui
