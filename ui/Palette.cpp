#include "ui/Palette.h"

#include <QApplication>

namespace ui::internal {

QPalette WindowPalette(Rgb backColor) {
  QPalette pal = QApplication::palette();
  SetRole(pal, QPalette::Window, ToQColor(backColor));
  SetRole(pal, QPalette::WindowText, Qt::black);
  SetRole(pal, QPalette::Base, Qt::white);
  SetRole(pal, QPalette::AlternateBase, QColor(245, 245, 245));
  SetRole(pal, QPalette::Text, Qt::black);
  SetRole(pal, QPalette::Button, QColor(240, 240, 240));
  SetRole(pal, QPalette::ButtonText, Qt::black);
  SetRole(pal, QPalette::ToolTipBase, QColor(255, 255, 220));
  SetRole(pal, QPalette::ToolTipText, Qt::black);
  SetRole(pal, QPalette::PlaceholderText, QColor(128, 128, 128));
  SetRole(pal, QPalette::Light, Qt::white);
  SetRole(pal, QPalette::Midlight, QColor(227, 227, 227));
  SetRole(pal, QPalette::Mid, QColor(160, 160, 160));
  SetRole(pal, QPalette::Dark, QColor(120, 120, 120));
  SetRole(pal, QPalette::Shadow, QColor(40, 40, 40));
  pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
  pal.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
  pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
  return pal;
}

}  // namespace ui::internal
