// The application object.
#pragma once

#include <QApplication>

#include <exception>
#include <stdexcept>
#include <string>

namespace app {

// The nil-object exception: a control, window or menu the program asked for
// does not exist. With the program's fixed names it does not occur.
class NilObjectException : public std::runtime_error {
 public:
  explicit NilObjectException(const std::string& what)
      : std::runtime_error("nil object: " + what) {}
};

// The application base: Qt's application with the event dispatch the program
// relies on. An exception that escapes an event handler is not let through
// Qt's own code: the dispatch keeps the first one, ends the event loop and
// hands it to the start-up routine, which reports it once; shutdown then
// runs as after a normal quit.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The exception that ended the event loop, or null; taking it clears it.
  std::exception_ptr TakeUnhandledException();

 private:
  std::exception_ptr unhandled_;
};

// The program's application class. It adds nothing to its base.
class App : public Application {
 public:
  using Application::Application;
};

}  // namespace app
