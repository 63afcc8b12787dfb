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

// Looks at the window's frame at every exposure, move and resize of its
// platform window until the frame is known: a window manager that frames a
// window where it stands reports no move of it, but the window is exposed
// once it is framed and mapped.
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
    handle->removeEventFilter(this);
    deleteLater();
    // Moved after the event that told of the frame has been handled, not
    // in the middle of it.
    QMetaObject::invokeMethod(
        window_,
        [window = window_, frame] {
          const QScreen* screen = window->screen();
          if (screen == nullptr) return;
          const QRect client = window->geometry();
          const QPoint corner(frame.left(), frame.top());
          const QPoint now = client.topLeft() - corner;
          const QPoint at = FrameTopLeft(now, client.size(), frame, screen->availableGeometry());
          if (at != now) window->setGeometry(QRect(at + corner, client.size()));
        },
        Qt::QueuedConnection);
  }

  QPointer<QWidget> window_;
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
