#include "ui/Placement.h"

#include <QEvent>
#include <QMetaObject>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace ui::internal {

namespace {

QMargins lastFrame;

// Where the frame of a window goes within the free area of the screen it
// is on, the window's client at `client` and its frame as given.
QPoint FrameInside(const QScreen* screen, const QRect& client, const QMargins& frame) {
  const QPoint now = client.topLeft() - QPoint(frame.left(), frame.top());
  return screen != nullptr ? FrameTopLeft(now, client.size(), frame, screen->availableGeometry())
                           : now;
}

// Looks at the window's frame at every exposure, move and resize of its
// platform window until the frame is known and lies within the free area: a
// window manager that frames a window where it stands reports no move of
// it, but the window is exposed once it is framed and mapped. A frame off
// the area is moved on, and looked at again after the move; a window
// manager that keeps it off gets two tries, not a tug of war.
class FrameWatch : public QObject {
 public:
  FrameWatch(QWindow* handle, QWidget* window) : QObject(handle), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    const QEvent::Type type = e->type();
    if (type == QEvent::Expose || type == QEvent::Move || type == QEvent::Resize)
      Look(static_cast<QWindow*>(watched));
    return QObject::eventFilter(watched, e);
  }

 private:
  void Look(QWindow* handle) {
    const QMargins frame = handle->frameMargins();
    if (frame.isNull()) return;  // not framed yet, or never
    lastFrame = frame;
    const QRect client = handle->geometry();
    const QPoint corner(frame.left(), frame.top());
    const bool inside = FrameInside(handle->screen(), client, frame) == client.topLeft() - corner;
    if (inside || moves_ == 2 || window_.isNull()) {
      handle->removeEventFilter(this);
      deleteLater();
      return;
    }
    ++moves_;
    // Moved after the event that told of the frame has been handled, not
    // in the middle of it.
    QMetaObject::invokeMethod(
        window_,
        [window = window_, frame, corner] {
          const QRect now = window->geometry();
          const QPoint at = FrameInside(window->screen(), now, frame);
          window->setGeometry(QRect(at + corner, now.size()));
        },
        Qt::QueuedConnection);
  }

  QPointer<QWidget> window_;
  int moves_ = 0;
};

}  // namespace

QPoint FrameTopLeft(QPoint wanted, QSize client, const QMargins& frame, const QRect& area) {
  const auto along = [](int want, int size, int start, int length) {
    return std::max(start, std::min(want, start + length - size));
  };
  const QSize outer = client.grownBy(frame);
  return {along(wanted.x(), outer.width(), area.left(), area.width()),
          along(wanted.y(), outer.height(), area.top(), area.height())};
}

QMargins LastFrameMargins() { return lastFrame; }

void KeepFrameInside(QWidget* window) {
  if (QWindow* handle = window->windowHandle())
    handle->installEventFilter(new FrameWatch(handle, window));
}

}  // namespace ui::internal
