// Radios with one parent form an exclusive QButtonGroup. Each radio is its
// own button with auto-exclusivity off, so code can also turn the last one
// of a group off (RadioButton::SetValue lifts the group's exclusivity for
// that one step).
#include "ui/RadioGroups.h"

namespace ui {

void RadioButton::SetValue(bool on) {
  if (on || !isChecked()) {
    setChecked(on);
    return;
  }
  // An exclusive group refuses to turn its checked button off.
  QButtonGroup* g = group();
  const bool exclusive = g != nullptr && g->exclusive();
  if (exclusive) g->setExclusive(false);
  setChecked(false);
  if (exclusive) g->setExclusive(true);
}

namespace internal {

void RadioGroups::Join(RadioButton* radio, const char* parent) {
  QButtonGroup*& group = groups_[parent != nullptr ? parent : ""];
  if (group == nullptr) {
    group = new QButtonGroup(owner_);
    group->setExclusive(true);
  }
  group->addButton(radio);
}

}  // namespace internal

}  // namespace ui
