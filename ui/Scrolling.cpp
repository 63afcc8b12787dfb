// The page every window's controls lie on, in a scroll area that fills the
// window below its menu bar; how large the window is on its screen; and
// bringing a calculation's figures into view.
#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QMetaObject>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/Placement.h"
#include "ui/WindowImpl.h"

namespace ui {

namespace {

// Room kept round the figures brought into view, so that they do not sit
// on the very edge of the view.
constexpr int kFigureMargin = 8;

// Scrolls the control that has the focus into view whenever the view
// changes size: a window cut once its frame is known, or made smaller by
// the user, still shows where the keyboard is. It looks once the scroll
// area has taken in the new size.
class FocusInView : public QObject {
 public:
  FocusInView(QScrollArea* scroller, QWidget* page) : QObject(scroller), scroller_(scroller), page_(page) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Resize)
      QMetaObject::invokeMethod(this, [this] { Look(); }, Qt::QueuedConnection);
    return QObject::eventFilter(watched, e);
  }

 private:
  // The page's control that has the focus, or had it last while the window
  // was active; none passes over nothing.
  void Look() { scroller_->ensureWidgetVisible(page_->focusWidget()); }

  QScrollArea* scroller_;
  QWidget* page_;
};

}  // namespace

void Window::MakePage() {
  auto* page = new QWidget;
  page->setFixedSize(impl_->content);
  page->setAutoFillBackground(true);
  auto* scroller = new QScrollArea(this);
  scroller->setFrameShape(QFrame::NoFrame);
  // Not a Tab stop of its own: the controls on it are.
  scroller->setFocusPolicy(Qt::NoFocus);
  scroller->viewport()->setBackgroundRole(QPalette::Window);
  scroller->setWidget(page);
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  // The window's size is the window's own business (FitToArea), not the
  // layout's.
  box->setSizeConstraint(QLayout::SetNoConstraint);
  box->addWidget(scroller);

  // However the focus comes (Tab, a click, code), the control that gets it
  // is scrolled into view, and kept there as the view changes size.
  QObject::connect(qApp, &QApplication::focusChanged, scroller,
                   [scroller, page](QWidget*, QWidget* now) {
                     if (now != nullptr && page->isAncestorOf(now)) scroller->ensureWidgetVisible(now);
                   });
  scroller->viewport()->installEventFilter(new FocusInView(scroller, page));
  impl_->scroller = scroller;
  impl_->page = page;
}

void Window::FitToArea(const QMargins& frame) {
  const QRect area = internal::WorkArea(this);
  if (area.isEmpty()) return;
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const QScreen* shownOn = screen();
  // A window that fits has its full size, fixed unless resizeable, and no
  // scroll bar shows. One that is cut opens no larger than the area, and
  // the user may make it as large as on a large screen, where the scroll
  // bars go; cut one way only, it is wider (or taller) by the scroll bar,
  // which its largest size keeps, beside the whole page. At a fractional
  // scale a cut window keeps a spare pixel for the window manager's steps
  // (RoundingSpare), so that no bar for one pixel shows.
  const WindowLayout& ws = Layout();
  const internal::WindowSizes sizes = internal::Sizes(
      impl_->content + QSize(0, impl_->barHeight), frame, area, bar,
      shownOn != nullptr ? shownOn->devicePixelRatio() : 1.0, ws.resizeable,
      QSize(ws.minWidth, ws.minHeight), QSize(ws.maxWidth, ws.maxHeight));
  setMinimumSize(sizes.smallest);
  setMaximumSize(sizes.largest);
  resize(sizes.opening);
}

void Window::PlaceBarOnTop(QWidget* bar) {
  layout()->setMenuBar(bar);
  impl_->barHeight = bar->sizeHint().height();
  // Sized and placed again as it was built, for the frame last seen.
  const QMargins frame = internal::LastFrameMargins();
  FitToArea(frame);
  if (const QRect area = internal::WorkArea(this); !area.isEmpty())
    internal::PlaceFrame(this, geometry().topLeft() - QPoint(frame.left(), frame.top()), frame, area);
  bar->show();
  layout()->activate();
}

void Window::BringFiguresIntoView() {
  // The figures in the order of their importance, each added to what is
  // shown while the whole still fits the view; the first is shown anyway.
  const QSize view = impl_->scroller->viewport()->size();
  QRect shown;
  for (const char* name : Layout().figures) {
    const QWidget* figure = Control(name);
    if (figure == nullptr || figure->isHidden()) continue;
    const QRect wanted =
        figure->geometry().marginsAdded(QMargins(kFigureMargin, kFigureMargin, kFigureMargin, kFigureMargin));
    const QRect both = shown.isNull() ? wanted : shown.united(wanted);
    if (!shown.isNull() && (both.width() > view.width() || both.height() > view.height())) break;
    shown = both;
  }
  if (shown.isNull()) return;
  // The least scrolling that shows that rectangle; the focus stays where
  // it is.
  const QPoint centre = shown.center();
  impl_->scroller->ensureVisible(centre.x(), centre.y(), shown.width() / 2, shown.height() / 2);
}

void Window::FollowTheFigures() {
  if (impl_->defaultButton == nullptr) return;
  // Connected after the button's own handler, so it runs once the handler
  // has filled the figures.
  QObject::connect(impl_->defaultButton, &QAbstractButton::clicked, this,
                   [this] { BringFiguresIntoView(); });
}

}  // namespace ui
