// Counts the calls of the equation of state's background-task hook: a
// HookCounter installs the counting hook and zeroes the count, and removes
// the hook again however the test ends.
#pragma once

#include "eos/Globals.h"

namespace eostest {

inline long hookCalls = 0;

inline void CountHook() { ++hookCalls; }

struct HookCounter {
  HookCounter() {
    hookCalls = 0;
    Globals::SetBackgroundTask(&CountHook);
  }
  ~HookCounter() { Globals::SetBackgroundTask(nullptr); }
  HookCounter(const HookCounter&) = delete;
  HookCounter& operator=(const HookCounter&) = delete;
};

}  // namespace eostest
