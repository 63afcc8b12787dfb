#include "ui/Frames.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

#include "ui/Palette.h"

namespace ui::internal {

LineWidget::LineWidget(QWidget* parent, const ControlLayout& spec) : QWidget(parent) {
  // The box around the two points leaves room for the pen on every side.
  const int pen = std::max(1, spec.borderWidth);
  const QRect box = QRect(QPoint(std::min(spec.x1, spec.x2), std::min(spec.y1, spec.y2)),
                          QPoint(std::max(spec.x1, spec.x2), std::max(spec.y1, spec.y2)))
                        .adjusted(-pen, -pen, pen, pen);
  setGeometry(box);
  from_ = QPoint(spec.x1, spec.y1) - box.topLeft();
  to_ = QPoint(spec.x2, spec.y2) - box.topLeft();
  colour_ = ToQColor(spec.lineColor);
  width_ = pen;
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(from_, to_);
}

GroupBoxWidget::GroupBoxWidget(QWidget* parent) : QGroupBox(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

}  // namespace ui::internal
