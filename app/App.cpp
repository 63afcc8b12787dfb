#include "app/App.h"

namespace app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    // Only the first exception is kept; later ones (while the loop winds
    // down) add nothing the report needs.
    if (!unhandled_) unhandled_ = std::current_exception();
    QCoreApplication::exit(1);
    return true;
  }
}

std::exception_ptr Application::TakeUnhandledException() {
  std::exception_ptr taken = unhandled_;
  unhandled_ = nullptr;
  return taken;
}

}  // namespace app
