#include "ui/Frames.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

#include "ui/Palette.h"

namespace ui::internal {

LineWidget::LineWidget(QWidget* parent, const ControlLayout& line) : QWidget(parent) {
  // The box around the two points leaves room for the pen on every side.
  const int pen = std::max(1, line.borderWidth);
  const QRect box = QRect(QPoint(std::min(line.x1, line.x2), std::min(line.y1, line.y2)),
                          QPoint(std::max(line.x1, line.x2), std::max(line.y1, line.y2)))
                        .adjusted(-pen, -pen, pen, pen);
  setGeometry(box);
  from_ = QPoint(line.x1, line.y1) - box.topLeft();
  to_ = QPoint(line.x2, line.y2) - box.topLeft();
  colour_ = ToQColor(line.lineColor);
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
