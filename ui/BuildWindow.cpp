// Building a window from its tables: the window's own properties, then each
// control in list order (create, register, picture, properties, handlers),
// then the frames sent below what they frame, then the keyboard focus.
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPointer>

#include <algorithm>
#include <string>

#include "ui/Frames.h"
#include "ui/Palette.h"
#include "ui/Placement.h"
#include "ui/TextFit.h"
#include "ui/WindowImpl.h"

namespace ui {

namespace {

using internal::FromUtf8;
using internal::ToQColor;

// Calls a handler for every key pressed in the control; the key then goes
// on as if there were no handler (a KeyDown handler never takes the key).
class KeyDownFilter : public QObject {
 public:
  KeyDownFilter(QObject* parent, std::function<void()> run)
      : QObject(parent), run_(std::move(run)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::KeyPress && run_) run_();
    return QObject::eventFilter(watched, e);
  }

 private:
  std::function<void()> run_;
};

PictureSource pictureSource = nullptr;

QList<QPointer<QAction>>& WindowActions() {
  static QList<QPointer<QAction>> actions;
  return actions;
}

int cascadeCount = 0;

QWidget* CreateControl(QWidget* window, const ControlLayout& cs) {
  switch (cs.kind) {
    case Kind::StaticText: return new StaticText(window);
    case Kind::EditField: return new EditField(window);
    case Kind::PushButton: return new PushButton(window);
    case Kind::RadioButton: return new RadioButton(window);
    case Kind::GroupBox: return new internal::GroupBoxWidget(window);
    case Kind::Canvas: return new Canvas(window);
    case Kind::ImageWell: return new ImageWell(window);
    case Kind::Line: return new internal::LineWidget(window, cs);
    case Kind::Rectangle:
      return new Rectangle(window, cs.fillColor, cs.topLeftColor, cs.bottomRightColor,
                           cs.borderWidth);
    case Kind::Listbox: return new Listbox(window);
  }
  return nullptr;
}

// Attaches the handler to its control for its event.
void Attach(QWidget* window, QWidget* w, const Handler& h) {
  std::function<void()> run = h.run;
  switch (h.event) {
    case Event::Action:
      if (auto* radio = dynamic_cast<QRadioButton*>(w)) {
        QObject::connect(radio, &QAbstractButton::toggled, window,
                         [run](bool on) { if (on) run(); });
      } else if (auto* button = dynamic_cast<QAbstractButton*>(w)) {
        QObject::connect(button, &QAbstractButton::clicked, window, [run] { run(); });
      }
      break;
    case Event::TextChange:
      if (auto* field = dynamic_cast<QLineEdit*>(w))
        QObject::connect(field, &QLineEdit::textChanged, window, [run] { run(); });
      break;
    case Event::KeyDown:
      w->installEventFilter(new KeyDownFilter(w, run));
      break;
  }
}

// A control that takes the keyboard focus, where the layout put it.
struct FocusStop {
  const char* name;
  QWidget* widget;
  int left, top, height;
  int line = 0;  // in reading order
};

bool TakesFocus(Kind kind) {
  return kind == Kind::EditField || kind == Kind::PushButton || kind == Kind::RadioButton ||
         kind == Kind::Listbox;
}

// The stops in reading order: lines from top to bottom, each left to right.
// A stop belongs to the line of the stop above it when its top lies within
// the upper half of that line's first stop (an entry and the radio beside
// it are seldom drawn at exactly the same height).
void SortInReadingOrder(std::vector<FocusStop>& stops) {
  std::stable_sort(stops.begin(), stops.end(),
                   [](const FocusStop& a, const FocusStop& b) { return a.top < b.top; });
  int lineTop = 0, lineHalf = -1, line = -1;
  for (FocusStop& stop : stops) {
    if (line < 0 || stop.top >= lineTop + lineHalf) {
      ++line;
      lineTop = stop.top;
      lineHalf = std::max(1, stop.height / 2);
    }
    stop.line = line;
  }
  std::stable_sort(stops.begin(), stops.end(), [](const FocusStop& a, const FocusStop& b) {
    return a.line != b.line ? a.line < b.line : a.left < b.left;
  });
}

// Chains the stops for the Tab key: first those the layout names, in its
// order (a name the window lacks is passed over, so one order serves the
// windows built on a common skeleton), then the rest in reading order. The
// window opens with the focus in the first shown entry field of the chain,
// or in the first stop when it has none.
void SetFocusOrder(const WindowLayout& ws, std::vector<FocusStop> stops) {
  SortInReadingOrder(stops);
  std::vector<QWidget*> chain;
  for (const char* name : ws.focusOrder) {
    for (FocusStop& stop : stops) {
      if (stop.widget != nullptr && name != nullptr && std::string(name) == stop.name) {
        chain.push_back(stop.widget);
        stop.widget = nullptr;
      }
    }
  }
  for (const FocusStop& stop : stops)
    if (stop.widget != nullptr) chain.push_back(stop.widget);
  if (chain.empty()) return;

  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
  QWidget* first = chain.front();
  for (QWidget* w : chain) {
    if (qobject_cast<QLineEdit*>(w) != nullptr && !w->isHidden()) {
      first = w;
      break;
    }
  }
  first->setFocus(Qt::OtherFocusReason);
}

}  // namespace

void Window::Build() {
  if (impl_->built) return;
  impl_->built = true;

  // The window's own properties.
  const WindowLayout& ws = Layout();
  setWindowTitle(FromUtf8(ws.title));
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint;
  setWindowFlags(flags);
  if (ws.resizeable) {
    setMinimumSize(ws.minWidth, ws.minHeight);
    setMaximumSize(ws.maxWidth, ws.maxHeight);
    resize(ws.width, ws.height);
  } else {
    setFixedSize(ws.width, ws.height);
  }
  setPalette(internal::WindowPalette(ws.backColor));
  setAutoFillBackground(true);

  // The application's shortcuts work from this window too.
  for (const QPointer<QAction>& action : WindowActions())
    if (!action.isNull()) addAction(action.data());

  // Size and placement: Default cascades from the top-left of the screen's
  // work area (its free area, the desktop's panels left out), Centred
  // centres on it. Either way the frame is then moved as little as needed
  // to lie within that area, and one larger than it is cut to it, the
  // page scrolling (Placement.h). The window manager frames the window
  // only when it is shown; until then the frame last seen stands in for
  // its own, which is looked at again once known.
  impl_->content = size();
  MakePage();
  const QMargins frame = internal::LastFrameMargins();
  FitToArea(frame);
  if (const QRect area = internal::WorkArea(this); !area.isEmpty()) {
    const QSize outer = size().grownBy(frame);
    QPoint wanted;
    if (ws.placement == Placement::Centred) {
      wanted = area.center() - QPoint(outer.width() / 2, outer.height() / 2);
    } else {
      const int step = 24 * (cascadeCount++ % 10);
      wanted = area.topLeft() + QPoint(40 + step, 40 + step);
    }
    // The platform window exists from here on, for the frame to be watched.
    create();
    internal::PlaceFrame(this, wanted, frame, area);
    internal::KeepFrameInside(this, [this](const QMargins& seen) { FitToArea(seen); });
  }

  // Handlers by control name (and index).
  std::vector<Handler> handlers = Handlers();
  std::vector<bool> attached(handlers.size(), false);

  // The controls, in list order: create, register, picture, properties, handlers.
  std::vector<QWidget*> frames;
  std::vector<FocusStop> stops;
  for (const ControlLayout& cs : Controls()) {
    QWidget* w = CreateControl(impl_->page, cs);
    if (TakesFocus(cs.kind))
      stops.push_back({cs.name != nullptr ? cs.name : "", w, cs.left, cs.top, cs.height});
    impl_->controls.push_back({cs.name != nullptr ? cs.name : "", cs.index, w});
    w->setObjectName(FromUtf8(cs.name));

    if ((cs.kind == Kind::Canvas || cs.kind == Kind::ImageWell) && cs.picture != 0 &&
        pictureSource != nullptr) {
      if (const QPixmap* picture = pictureSource(cs.picture))
        static_cast<Canvas*>(w)->SetBackdrop(*picture);
    }

    if (cs.kind != Kind::Line) w->setGeometry(cs.left, cs.top, cs.width, cs.height);
    switch (cs.kind) {
      case Kind::StaticText: {
        auto* label = static_cast<StaticText*>(w);
        label->SetFont(cs.font);
        label->SetTextColor(cs.textColor);
        label->setAlignment(Qt::AlignTop | (cs.textAlign == TextAlign::Centre  ? Qt::AlignHCenter
                                            : cs.textAlign == TextAlign::Right ? Qt::AlignRight
                                                                : Qt::AlignLeft));
        label->SetMultiline(cs.multiline);
        label->SetText(FromUtf8(cs.text));
        break;
      }
      case Kind::EditField: {
        auto* field = static_cast<EditField*>(w);
        internal::ApplyFont(field, cs.kind, cs.font, QString());
        QPalette p = field->palette();
        internal::SetRole(p, QPalette::Text, ToQColor(cs.textColor));
        field->setPalette(p);
        field->setText(FromUtf8(cs.text));
        break;
      }
      case Kind::PushButton: {
        auto* button = static_cast<PushButton*>(w);
        button->SetFont(cs.font);
        button->SetCaption(FromUtf8(cs.text));
        if (cs.isDefault) {
          button->setDefault(true);
          impl_->defaultButton = button;
        }
        break;
      }
      case Kind::RadioButton: {
        auto* radio = static_cast<RadioButton*>(w);
        radio->setText(internal::Caption(FromUtf8(cs.text)));
        internal::ApplyFont(radio, cs.kind, cs.font, FromUtf8(cs.text));
        impl_->radios.Join(radio, cs.parent);
        radio->SetValue(cs.value);
        break;
      }
      case Kind::GroupBox: {
        auto* box = static_cast<QGroupBox*>(w);
        box->setTitle(internal::Caption(FromUtf8(cs.text)));
        internal::ApplyFont(box, cs.kind, cs.font, FromUtf8(cs.text));
        frames.push_back(w);
        break;
      }
      case Kind::Rectangle:
        frames.push_back(w);
        break;
      case Kind::Listbox:
        internal::ApplyFont(w, cs.kind, cs.font, QString());
        break;
      case Kind::Canvas:
      case Kind::ImageWell:
      case Kind::Line:
        break;
    }
    if (!cs.visible) w->setVisible(false);

    for (std::size_t i = 0; i < handlers.size(); ++i) {
      const Handler& h = handlers[i];
      if (h.control != nullptr && cs.name != nullptr && h.index == cs.index &&
          std::string(h.control) == cs.name) {
        attached[i] = true;
        if (h.run) Attach(this, w, h);
      }
    }
  }

  FollowTheFigures();

  // Fields with a button of their own for Return; the button may come later
  // in the list than its field. A name the list lacks is a mistake in the
  // window's tables, said once like a handler's.
  for (const ControlLayout& cs : Controls()) {
    if (cs.kind != Kind::EditField || cs.returnButton == nullptr || *cs.returnButton == '\0')
      continue;
    if (auto* button = Button(cs.returnButton))
      impl_->returnButtons.emplace_back(Control(cs.name, cs.index), button);
    else
      qWarning("%s: no button %s for the Return key", ws.className, cs.returnButton);
  }

  // A handler whose control is not in the list is a mistake in the window's
  // tables; say so once, when the window is built.
  for (std::size_t i = 0; i < handlers.size(); ++i)
    if (!attached[i])
      qWarning("%s: no control %s for a handler", ws.className,
               handlers[i].control != nullptr ? handlers[i].control : "(null)");

  // Frames go below the other controls (keeping their own order among
  // themselves), so what they frame is drawn on top and takes the clicks.
  for (auto it = frames.rbegin(); it != frames.rend(); ++it) (*it)->lower();

  SetFocusOrder(ws, std::move(stops));

  if (ws.visible) Show();
}

void SetPictureSource(PictureSource source) { pictureSource = source; }

void SetWindowActions(const QList<QAction*>& actions) {
  QList<QPointer<QAction>>& kept = WindowActions();
  kept.clear();
  for (QAction* action : actions) kept.append(action);
}

}  // namespace ui
