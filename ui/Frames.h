// Controls that only draw: a straight line and a group box's frame and
// caption. Both let clicks through to the controls they lie under.
#pragma once

#include <QColor>
#include <QGroupBox>
#include <QPoint>
#include <QWidget>

#include "ui/Layout.h"

namespace ui::internal {

// A straight line between two points given in window coordinates.
class LineWidget : public QWidget {
 public:
  LineWidget(QWidget* parent, const ControlLayout& line);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QPoint from_, to_;
  QColor colour_;
  int width_ = 1;
};

// A group box only draws a frame and caption around controls that lie on
// top of it; clicks go through it.
class GroupBoxWidget : public QGroupBox {
 public:
  explicit GroupBoxWidget(QWidget* parent);
};

}  // namespace ui::internal
