// The background task that long calculations call once per pass: it lets
// pending events run, at most about every 20 ms, so the windows stay
// responsive while a loop runs. The application installs BackgroundTask as
// the equation of state's hook; handlers of any window may run inside it.
#pragma once

#include <chrono>

namespace ui {

// Lets pending events run when 20 ms have passed since they last ran. The
// call is very cheap: the clock is read only every 256th call.
void BackgroundTask();

// Where the background task reads the time: the steady clock, or a test's
// own clock.
using BackgroundClock = std::chrono::steady_clock::time_point (*)();

// Starts the 20 ms anew from now, reading the time from `clock` from here
// on (nullptr: the steady clock), and forgets an earlier Quit. The
// application calls it once when it installs the task.
void ResetBackgroundTask(BackgroundClock clock = nullptr);

// Ends the application's event loop with `status` (File > Quit, a
// termination signal). A quit asked for from inside a long loop (its
// handler ran in the background task) ends the event loop only once that
// loop returns. Only the isochore's rows, its table and its export, ask
// Quitting() after each row and stop there: an export under way is
// abandoned rather than finished, and the program ends at once. Every other
// loop that lets events run (a search of the equation, a zero-function
// listing of at most 1,001 rows) runs to its end first, and the program
// ends when it returns.
void Quit(int status);
// Whether Quit has been called since the application installed the task.
bool Quitting();

}  // namespace ui
