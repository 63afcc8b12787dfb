// The program's start-up, event loop and shutdown.
//
// Start-up: the saturation arrays; the window layer's picture source and
// background-task hook; the application object App; the shared menu bar
// MenuBar1; the start window Start, which shows itself. Then the event loop,
// until File > Quit, SIGTERM, SIGINT or SIGHUP (all alike), or the last
// window closes. Shutdown: the 22 pictures in ID order, the shared windows,
// the menu bar, the saturation arrays.
//
// An exception that escapes a start-up step or an event handler is caught
// once, reported on standard error, and shutdown runs all the same.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace app {

// Runs the program and returns the process exit status: 0 after a normal
// quit (a termination signal included), 1 after an unhandled exception. The
// handlers of the termination signals, installed as it starts, stay until
// the process exits, so that a signal at the very end cannot turn that
// status into a kill. `whileRunning`, when given, is called once from
// inside the event loop as soon as it runs (the tests drive the program
// through it).
int Run(int& argc, char** argv, const std::function<void()>& whileRunning = {});

// The steps of the last Run so far, in the order they happened, one word or
// two each ("saturation arrays", "App", "MenuBar1", "Start", "event loop",
// "release picture 168", ...). Nothing of it is shown to the user.
const std::vector<std::string>& Steps();

}  // namespace app
