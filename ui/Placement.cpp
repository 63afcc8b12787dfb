#include "ui/Placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ui::internal {

namespace {

QMargins lastFrame;

// A window manager that keeps a frame off the area gets this many moves,
// not a tug of war.
constexpr int kMoves = 2;

// Looks at the window's frame after each exposure, move and resize of its
// platform window until the frame is known and lies within the work area.
// A window manager that frames a window where it stands reports no move of
// it, but the window is exposed once it is framed and mapped.
//
// Each look comes once the events at hand have been handled and judges the
// window as it is then, not as an event said: while the window manager
// takes a window in, the platform window reports a position it held before
// it was placed, or margins of a frame not yet grown around it, and the
// events of a single change arrive in twos and threes. The widget's own
// geometry is what was asked and then confirmed, and a move is judged by
// the look after it, not used up by the events already on their way.
class FrameWatch : public QObject {
 public:
  FrameWatch(QWindow* handle, QWidget* window, std::function<void(const QMargins&)> fit)
      : QObject(handle), handle_(handle), window_(window), fit_(std::move(fit)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    const QEvent::Type type = e->type();
    if (type == QEvent::Expose || type == QEvent::Move || type == QEvent::Resize)
      QMetaObject::invokeMethod(this, [this] { Look(); }, Qt::QueuedConnection);
    return QObject::eventFilter(watched, e);
  }

 private:
  void Look() {
    if (window_.isNull()) return End();
    // Until the window manager has mapped the framed window, its platform
    // window may still hold the position it had before it was placed, which
    // a resize would send it back to.
    if (!handle_->isExposed()) return;
    const QMargins frame = handle_->frameMargins();
    if (!Framed(frame)) return;  // not framed yet, or never
    lastFrame = frame;
    fit_(frame);  // sizes the window for its frame; nothing changes the second time
    const QRect client = window_->geometry();
    const QPoint corner(frame.left(), frame.top());
    const QPoint now = client.topLeft() - corner;
    const QPoint at = FrameTopLeft(now, client.size(), frame, WorkArea(window_));
    if (at == now || moves_ == kMoves) return End();
    ++moves_;
    window_->setGeometry(QRect(at + corner, client.size()));
  }

  void End() {
    handle_->removeEventFilter(this);
    deleteLater();
  }

  QWindow* handle_;
  QPointer<QWidget> window_;
  std::function<void(const QMargins&)> fit_;
  int moves_ = 0;
};

}  // namespace

QRect WorkArea(const QRect& available, qreal scale) {
  if (scale == std::floor(scale)) return available;
  return available.adjusted(1, 1, -2, -2);
}

QRect WorkArea(const QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? WorkArea(screen->availableGeometry(), screen->devicePixelRatio())
                           : QRect();
}

QPoint FrameTopLeft(QPoint wanted, QSize client, const QMargins& frame, const QRect& area) {
  const auto along = [](int want, int size, int start, int length) {
    return std::max(start, std::min(want, start + length - size));
  };
  const QSize outer = client.grownBy(frame);
  return {along(wanted.x(), outer.width(), area.left(), area.width()),
          along(wanted.y(), outer.height(), area.top(), area.height())};
}

void PlaceFrame(QWidget* window, QPoint wanted, const QMargins& frame, const QRect& area) {
  const QPoint corner(frame.left(), frame.top());
  window->setGeometry(QRect(FrameTopLeft(wanted, window->size(), frame, area) + corner, window->size()));
}

QSize ClientSize(QSize content, const QMargins& frame, const QRect& area, int bar) {
  const QSize room = area.size().shrunkBy(frame);
  // A scroll bar along the bottom takes room from the height, one down the
  // side from the width (whichever is not cut already).
  const bool across = content.width() > room.width();
  const bool down = content.height() > room.height();
  if (!across && !down) return content;
  const QSize wanted(content.width() + (down ? bar : 0), content.height() + (across ? bar : 0));
  return wanted.boundedTo(room).expandedTo(QSize(1, 1));
}

int RoundingSpare(qreal scale) { return scale == std::floor(scale) ? 0 : 1; }

WindowSizes Sizes(QSize full, const QMargins& frame, const QRect& area, int bar, qreal scale,
                  bool resizeable, QSize least, QSize most) {
  const int spare = RoundingSpare(scale);
  const QSize client = ClientSize(full, frame, area, bar + spare);
  if (resizeable) return {client, least.boundedTo(client), most.expandedTo(client)};
  if (client == full) return {full, full, full};
  return {client, client, (full + QSize(spare, spare)).expandedTo(client)};
}

bool Framed(const QMargins& frame) {
  return !frame.isNull() && frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 &&
         frame.bottom() >= 0;
}

QMargins LastFrameMargins() { return lastFrame; }

void KeepFrameInside(QWidget* window, std::function<void(const QMargins&)> fit) {
  if (QWindow* handle = window->windowHandle())
    handle->installEventFilter(new FrameWatch(handle, window, std::move(fit)));
}

}  // namespace ui::internal
