// The registry of shared window instances by full class name.
#include <map>
#include <string>
#include <vector>

#include "ui/WindowImpl.h"

namespace ui {

namespace {

std::map<std::string, Window*>& Registry() {
  static std::map<std::string, Window*> registry;
  return registry;
}

}  // namespace

Window* FindShared(const char* className) {
  if (className == nullptr) return nullptr;
  auto& registry = Registry();
  const auto it = registry.find(className);
  return it != registry.end() ? it->second : nullptr;
}

void RegisterShared(const char* className, Window* window) {
  if (className == nullptr) return;
  Registry()[className] = window;
}

void ReleaseAllShared() {
  // Take the list first: each window's destructor removes itself.
  std::vector<Window*> windows;
  for (auto& [name, window] : Registry()) windows.push_back(window);
  Registry().clear();
  for (Window* w : windows) delete w;
}

void internal::ForgetShared(const Window* window) {
  auto& registry = Registry();
  for (auto it = registry.begin(); it != registry.end();) {
    if (it->second == window) it = registry.erase(it); else ++it;
  }
}

}  // namespace ui
