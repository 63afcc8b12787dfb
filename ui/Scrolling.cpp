// A window larger than the screen: no larger than the screen's free area,
// its controls on the page of a scroll area.
#include <QApplication>
#include <QFrame>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/Placement.h"
#include "ui/WindowImpl.h"

namespace ui {

void Window::FitToArea(const QMargins& frame) {
  const QRect area = internal::WorkArea(this);
  if (area.isEmpty()) return;
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const QSize client = internal::ClientSize(impl_->content, frame, area, bar);
  if (client == impl_->content && impl_->scroller == nullptr) return;  // fits: as laid out
  if (impl_->scroller == nullptr) Scroll();
  const WindowLayout& ws = Layout();
  if (ws.resizeable) {
    setMinimumSize(QSize(ws.minWidth, ws.minHeight).boundedTo(client));
    setMaximumSize(QSize(ws.maxWidth, ws.maxHeight).boundedTo(client));
  } else {
    setFixedSize(client);
  }
}

void Window::PlaceBarOnTop(QWidget* bar) {
  const int height = bar->sizeHint().height();
  for (QWidget* control : AllControls()) control->move(control->x(), control->y() + height);
  bar->setParent(impl_->page != nullptr ? impl_->page : this);
  bar->setGeometry(0, 0, impl_->content.width(), height);
  impl_->content += QSize(0, height);
  if (impl_->page != nullptr) impl_->page->setFixedSize(impl_->content);
  setFixedSize(impl_->content);
  // Sized and placed again as it was built, for the frame last seen.
  const QMargins frame = internal::LastFrameMargins();
  FitToArea(frame);
  if (const QRect area = internal::WorkArea(this); !area.isEmpty())
    internal::PlaceFrame(this, geometry().topLeft() - QPoint(frame.left(), frame.top()), frame, area);
  bar->show();
}

void Window::Scroll() {
  auto* page = new QWidget;
  page->setFixedSize(impl_->content);
  page->setAutoFillBackground(true);
  auto* scroller = new QScrollArea(this);
  scroller->setFrameShape(QFrame::NoFrame);
  // Not a Tab stop of its own: the controls on it are.
  scroller->setFocusPolicy(Qt::NoFocus);
  scroller->viewport()->setBackgroundRole(QPalette::Window);
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->addWidget(scroller);

  // Controls already built move onto the page, stacked as they were
  // (children are listed bottom first), hidden ones staying hidden; the
  // Tab order stays, being the window's, and so does the focus.
  QWidget* focus = focusWidget();
  const QObjectList children = this->children();
  for (QObject* child : children) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w == nullptr || w == scroller || w->isWindow()) continue;
    const bool hidden = w->isHidden();
    w->setParent(page);
    if (!hidden) w->show();
  }
  scroller->setWidget(page);
  scroller->show();  // a child added to a window already shown stays hidden
  if (focus != nullptr) focus->setFocus(Qt::OtherFocusReason);

  // However the focus comes (Tab, a click, code), the control that gets it
  // is scrolled into view.
  QObject::connect(qApp, &QApplication::focusChanged, scroller,
                   [scroller, page](QWidget*, QWidget* now) {
                     if (now != nullptr && page->isAncestorOf(now)) scroller->ensureWidgetVisible(now);
                   });
  impl_->scroller = scroller;
  impl_->page = page;
}

}  // namespace ui
