// A window once built: showing it, finding its controls by name, the Return
// key and the Activate event, and closing (which only hides).
#include "ui/Window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>

#include "ui/WindowImpl.h"

namespace ui {

Window::Window() : QWidget(nullptr), impl_(new Impl(this)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
}

Window::~Window() {
  // A window deleted on its own leaves the registry, so the accessor builds
  // a fresh one instead of returning a dangling pointer.
  internal::ForgetShared(this);
  delete impl_;
}

void Window::Show() {
  if (isMinimized()) showNormal(); else show();
  // The focus mark shows from the start, not only after a first Tab (the
  // style draws it only for a window marked so; showing clears the mark).
  setAttribute(Qt::WA_KeyboardFocusChange);
  // The offscreen platform of the tests has no stacking order (and says so).
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
  activateWindow();
}

QWidget* Window::Control(const char* name, int index) const {
  if (name == nullptr) return nullptr;
  for (const auto& c : impl_->controls)
    if (c.index == index && c.name == name) return c.widget;
  return nullptr;
}

StaticText* Window::Label(const char* name, int index) const { return Find<StaticText>(name, index); }
EditField* Window::Field(const char* name, int index) const { return Find<EditField>(name, index); }
PushButton* Window::Button(const char* name, int index) const { return Find<PushButton>(name, index); }
RadioButton* Window::Radio(const char* name, int index) const { return Find<RadioButton>(name, index); }
Listbox* Window::List(const char* name, int index) const { return Find<Listbox>(name, index); }

std::vector<QWidget*> Window::AllControls() const {
  std::vector<QWidget*> all;
  all.reserve(impl_->controls.size());
  for (const auto& c : impl_->controls) all.push_back(c.widget);
  return all;
}

QString Window::NameOf(const QWidget* control, int* index) const {
  for (const auto& c : impl_->controls) {
    if (c.widget == control) {
      if (index != nullptr) *index = c.index;
      return QString::fromStdString(c.name);
    }
  }
  if (index != nullptr) *index = NoIndex;
  return {};
}

bool Window::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::WindowActivate:
      Event_Activate();
      break;
    case QEvent::KeyPress: {
      // Return that no control used presses the focused field's own button,
      // or else the default button.
      auto* key = static_cast<QKeyEvent*>(e);
      const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      const auto mods = key->modifiers() & ~Qt::KeypadModifier;
      QPushButton* button = impl_->defaultButton;
      for (const auto& [field, own] : impl_->returnButtons)
        if (field == focusWidget()) button = own;
      if (isReturn && mods == Qt::NoModifier && button != nullptr && button->isEnabled() &&
          button->isVisible()) {
        button->click();
        e->accept();
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QWidget::event(e);
}

void Window::closeEvent(QCloseEvent* e) {
  // Closing only hides: the instance stays, for the next accessor call and
  // for any handler of this window still running inside a background yield.
  e->accept();
}

}  // namespace ui
