// Marks a window's loop as running for the length of a scope.
#pragma once

namespace ui {

// Sets the flag for the life of the scope and clears it however the scope
// ends. The windows whose loops let events run test the flag first and
// ignore a press of their buttons while it is set.
class BusyScope {
 public:
  explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~BusyScope() { flag_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace ui
