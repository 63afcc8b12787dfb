// What a window keeps about its controls, shared by the files that build,
// look up and register windows.
#pragma once

#include <QPushButton>
#include <QScrollArea>
#include <QSize>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

#include "ui/RadioGroups.h"
#include "ui/Window.h"

namespace ui {

struct Window::Impl {
  explicit Impl(QObject* owner) : radios(owner) {}
  struct Entry {
    std::string name;
    int index;
    QWidget* widget;
  };
  std::vector<Entry> controls;  // in creation order
  internal::RadioGroups radios;
  QPushButton* defaultButton = nullptr;
  // Fields whose Return presses a button of their own, not the default one.
  std::vector<std::pair<const QWidget*, QPushButton*>> returnButtons;
  bool built = false;
  // The size the layout gives the window's content, the page of that size
  // that is the controls' parent, and the scroll area that holds it.
  QSize content;
  QScrollArea* scroller = nullptr;
  QWidget* page = nullptr;
  // The height of the menu bar above the scroll area; 0 without one.
  int barHeight = 0;
};

namespace internal {

// Removes the window from the registry of shared instances, wherever it is
// registered (a window deleted on its own).
void ForgetShared(const Window* window);

}  // namespace internal

}  // namespace ui
