// The background task that long loops call: pending events run inside the
// loop, but only once the hook's 20 ms period has passed, and the clock is
// read only every 256th call so that the task costs nothing measurable.
// Time comes from a clock the test moves by hand.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <type_traits>

#include "ui/BackgroundTask.h"

namespace {

using namespace std::chrono_literals;
// The time points the task reads, from the test's clock.
using TimePoint = std::invoke_result_t<ui::BackgroundClock>;

TimePoint handClock{};
int clockReads = 0;

TimePoint HandClock() {
  ++clockReads;
  return handClock;
}

class BackgroundTaskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QCoreApplication::processEvents();
    handClock = TimePoint{};
    ui::ResetBackgroundTask(&HandClock);
    clockReads = 0;
  }
  void TearDown() override { ui::ResetBackgroundTask(); }

  void PostEvent() {
    QTimer::singleShot(0, [this] { ++delivered; });
  }
  static void Call(int times) {
    for (int i = 0; i < times; ++i) ui::BackgroundTask();
  }

  int delivered = 0;
};

TEST_F(BackgroundTaskTest, EventsWaitUntilThePeriodHasPassed) {
  PostEvent();
  handClock += 19ms;
  Call(100000);
  EXPECT_EQ(delivered, 0) << "events ran before 20 ms had passed";
  handClock += 1ms;
  Call(256);
  EXPECT_EQ(delivered, 1);
}

TEST_F(BackgroundTaskTest, EventsRunAtMostOncePerPeriod) {
  handClock += 20ms;
  Call(256);  // the period's one run, with nothing pending
  PostEvent();
  Call(100000);
  EXPECT_EQ(delivered, 0) << "events ran twice within one period";
  handClock += 20ms;
  Call(256);
  EXPECT_EQ(delivered, 1);
}

TEST_F(BackgroundTaskTest, TheClockIsReadEvery256thCall) {
  Call(256 * 100 + 255);
  EXPECT_EQ(clockReads, 100);
}

}  // namespace
