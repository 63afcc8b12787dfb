// Radio groups: the radios with one InitialParent turn each other off.
#pragma once

#include <QButtonGroup>
#include <QObject>

#include <map>
#include <string>

#include "ui/Controls.h"

namespace ui::internal {

// The groups of one window, one per InitialParent ("" for the window).
class RadioGroups {
 public:
  explicit RadioGroups(QObject* owner) : owner_(owner) {}
  // Adds the radio to the group of that parent, made on first need.
  void Join(RadioButton* radio, const char* parent);

 private:
  QObject* owner_;
  std::map<std::string, QButtonGroup*> groups_;
};

}  // namespace ui::internal
