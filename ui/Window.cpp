#include "Window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <map>
#include <string>

namespace ui {

namespace {

// Smallest text size the fitting goes down to; below it text is unreadable
// anyway, and the search needs a floor to end.
constexpr int MinTextSize = 6;

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Sets a colour role in every colour group, so an active, inactive or
// disabled widget all use it.
void SetRole(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
  palette.setColor(QPalette::Active, role, colour);
  palette.setColor(QPalette::Inactive, role, colour);
  palette.setColor(QPalette::Disabled, role, colour);
}

QString FromUtf8(const char* text) { return QString::fromUtf8(text != nullptr ? text : ""); }

// CR (and CR LF) in a layout text: a line break in a multi-line label, a
// blank elsewhere.
QString ShownText(const QString& text, bool multiline) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (!multiline) shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return shown;
}

// Caption of a button or group box: "&" is a plain character, not a shortcut mark.
QString Caption(const char* text) {
  QString caption = FromUtf8(text);
  caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return caption;
}

QFont MakeFont(const Font& spec) {
  QFont font = QApplication::font();
  const QString family = FromUtf8(spec.family).trimmed();
  const QString key = family.toLower();
  if (key.isEmpty() || key == QLatin1String("system")) {
    // the desktop's interface font, as the application has it
  } else if (key == QLatin1String("arial")) {
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arimo"), QStringLiteral("Helvetica"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
  } else if (key == QLatin1String("palatino")) {
    font.setFamilies({QStringLiteral("Palatino"), QStringLiteral("Palatino Linotype"),
                      QStringLiteral("P052"), QStringLiteral("URW Palladio L"),
                      QStringLiteral("TeX Gyre Pagella"), QStringLiteral("Book Antiqua"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
  } else {
    font.setFamilies({family, QApplication::font().family()});
  }
  font.setPixelSize(spec.size > 0 ? spec.size : DefaultTextSize);
  font.setBold(spec.bold);
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  return font;
}

// Whether the text, drawn in that font, fits the box: one line (or, when
// wrap is on, word-wrapped lines) no wider than the box and no higher.
bool Fits(const QFont& font, const QString& text, QSize box, bool wrap) {
  const QFontMetrics fm(font);
  if (wrap) {
    const QRect r = fm.boundingRect(QRect(0, 0, box.width(), 1 << 20),
                                    Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return r.width() <= box.width() && r.height() <= box.height();
  }
  int width = 0;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (const QString& line : lines) width = std::max(width, fm.horizontalAdvance(line));
  return width <= box.width() && fm.height() * static_cast<int>(lines.size()) <= box.height();
}

// The largest pixel size up to `nominal` at which the text fits the box.
int FittingSize(QFont font, int nominal, const QString& text, QSize box, bool wrap) {
  int size = nominal > 0 ? nominal : DefaultTextSize;
  for (; size > MinTextSize; --size) {
    font.setPixelSize(size);
    if (Fits(font, text, box, wrap)) break;
  }
  return size;
}

// The room a button or radio leaves for its caption.
QSize CaptionBox(const QWidget* w, Kind kind) {
  const QStyle* style = w->style();
  QSize box = w->size();
  if (kind == Kind::RadioButton || kind == Kind::PushButton) {
    QStyleOptionButton opt;
    opt.initFrom(w);
    box = style
              ->subElementRect(kind == Kind::RadioButton ? QStyle::SE_RadioButtonContents
                                                         : QStyle::SE_PushButtonContents,
                               &opt, w)
              .size();
  } else if (kind == Kind::GroupBox) {
    box.rwidth() -= 16;
  } else if (kind == Kind::EditField) {
    box.rheight() -= 6;  // frame and inner margins of a line edit
    box.setWidth(1 << 20);
  }
  return box;
}

void ApplyFont(QWidget* w, Kind kind, const Font& spec, const QString& text) {
  QFont font = MakeFont(spec);
  font.setPixelSize(FittingSize(font, spec.size, text.isEmpty() ? QStringLiteral("Xg") : text,
                                CaptionBox(w, kind), false));
  w->setFont(font);
  // The size the layout asked for, beside the one the text got to fit.
  w->setProperty("textSize", spec.size > 0 ? spec.size : DefaultTextSize);
}

// Calls a handler for every key pressed in the control; the key then goes
// on as if there were no handler (the program's KeyDown handlers return False).
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

// A straight line between two points given in window coordinates.
class LineWidget : public QWidget {
 public:
  LineWidget(QWidget* parent, const ControlSpec& spec) : QWidget(parent) {
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

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from_, to_);
  }

 private:
  QPoint from_, to_;
  QColor colour_;
  int width_ = 1;
};

// A filled box with a two-colour border (top-left, bottom-right).
class RectangleWidget : public QWidget {
 public:
  RectangleWidget(QWidget* parent, const ControlSpec& spec)
      : QWidget(parent),
        fill_(ToQColor(spec.fillColor)),
        topLeft_(ToQColor(spec.topLeftColor)),
        bottomRight_(ToQColor(spec.bottomRightColor)),
        border_(std::max(0, spec.borderWidth)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, fill_);
    for (int i = 0; i < border_ && 2 * i < std::min(r.width(), r.height()); ++i) {
      const QRect b = r.adjusted(i, i, -i - 1, -i - 1);
      p.setPen(topLeft_);
      p.drawLine(b.topLeft(), b.topRight());
      p.drawLine(b.topLeft(), b.bottomLeft());
      p.setPen(bottomRight_);
      p.drawLine(b.bottomLeft(), b.bottomRight());
      p.drawLine(b.topRight(), b.bottomRight());
    }
  }

 private:
  QColor fill_, topLeft_, bottomRight_;
  int border_;
};

// A group box only draws a frame and caption around controls that lie on
// top of it; clicks go through it.
class GroupBoxWidget : public QGroupBox {
 public:
  explicit GroupBoxWidget(QWidget* parent) : QGroupBox(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
};

PictureSource pictureSource = nullptr;

QList<QPointer<QAction>>& WindowActions() {
  static QList<QPointer<QAction>> actions;
  return actions;
}

std::map<std::string, Window*>& Registry() {
  static std::map<std::string, Window*> registry;
  return registry;
}

int cascadeCount = 0;

}  // namespace

// ------------------------------------------------------------- controls

StaticText::StaticText(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QString StaticText::Text() const { return text_; }

void StaticText::SetText(const QString& text) {
  text_ = text;
  Refit();
}

void StaticText::SetTextColor(Rgb colour) {
  colour_ = colour;
  QPalette pal = palette();
  SetRole(pal, QPalette::WindowText, ToQColor(colour));
  SetRole(pal, QPalette::Text, ToQColor(colour));
  setPalette(pal);
}

void StaticText::SetTextSize(int points) {
  size_ = std::max(0, points);
  Refit();
}

Rgb StaticText::TextColor() const { return colour_; }
int StaticText::TextSize() const { return size_; }

void StaticText::SetFont(const Font& font) {
  QLabel::setFont(MakeFont(font));
  size_ = std::max(0, font.size);
  Refit();
}

void StaticText::SetMultiline(bool multiline) {
  multiline_ = multiline;
  setWordWrap(multiline);
  Refit();
}

void StaticText::Refit() {
  const QString shown = ShownText(text_, multiline_);
  QFont f = font();
  f.setPixelSize(FittingSize(f, size_, shown, contentsRect().size(), multiline_));
  if (f != font()) QLabel::setFont(f);
  QLabel::setText(shown);
}

EditField::EditField(QWidget* parent) : QLineEdit(parent) {}
QString EditField::Text() const { return text(); }
void EditField::SetText(const QString& text) { setText(text); }

PushButton::PushButton(QWidget* parent) : QPushButton(parent) { setAutoDefault(false); }

RadioButton::RadioButton(QWidget* parent) : QRadioButton(parent) { setAutoExclusive(false); }

bool RadioButton::Value() const { return isChecked(); }

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

Canvas::Canvas(QWidget* parent) : QWidget(parent) {}

void Canvas::SetBackdrop(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void Canvas::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  QSize size = picture_.deviceIndependentSize().toSize();
  if (size.width() > width() || size.height() > height())
    size.scale(this->size(), Qt::KeepAspectRatio);
  QPoint at(0, 0);
  if (centred_) at = QPoint((width() - size.width()) / 2, (height() - size.height()) / 2);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(QRect(at, size), picture_);
}

ImageWell::ImageWell(QWidget* parent) : Canvas(parent) { centred_ = true; }

Listbox::Listbox(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(2);
  setRootIsDecorated(false);
  setHeaderHidden(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  header()->setSectionResizeMode(QHeaderView::Stretch);  // "50%, 50%"
  header()->setSectionsMovable(false);
  setHeaderLabels({QString(), QString()});
}

void Listbox::DeleteAllRows() {
  clear();
  lastIndex_ = -1;
}

void Listbox::AddRow(const QString& text) {
  auto* item = new QTreeWidgetItem(this);
  item->setText(0, text);
  lastIndex_ = topLevelItemCount() - 1;
}

int Listbox::LastIndex() const { return lastIndex_; }

void Listbox::Cell(int row, int column, const QString& text) {
  if (column < 0 || column >= columnCount()) return;
  if (QTreeWidgetItem* item = topLevelItem(row)) item->setText(column, text);
}

QString Listbox::CellText(int row, int column) const {
  if (column < 0 || column >= columnCount()) return {};
  const QTreeWidgetItem* item = topLevelItem(row);
  return item != nullptr ? item->text(column) : QString();
}

void Listbox::Heading(int column, const QString& text) {
  if (column >= 0 && column < columnCount()) headerItem()->setText(column, text);
}

QString Listbox::HeadingText(int column) const {
  if (column < 0 || column >= columnCount()) return {};
  return headerItem()->text(column);
}

int Listbox::RowCount() const { return topLevelItemCount(); }

// ------------------------------------------------------------- windows

struct Window::Impl {
  struct Entry {
    std::string name;
    int index;
    QWidget* widget;
  };
  std::vector<Entry> controls;
  std::map<std::string, QButtonGroup*> radioGroups;  // by InitialParent
  QPushButton* defaultButton = nullptr;
  bool built = false;
};

Window::Window() : QWidget(nullptr), impl_(new Impl) {
  setAttribute(Qt::WA_DeleteOnClose, false);
}

Window::~Window() {
  // A window deleted on its own leaves the registry, so the accessor builds
  // a fresh one instead of returning a dangling pointer.
  auto& registry = Registry();
  for (auto it = registry.begin(); it != registry.end();) {
    if (it->second == this) it = registry.erase(it); else ++it;
  }
  delete impl_;
}

void Window::Show() {
  if (isMinimized()) showNormal(); else show();
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

void Window::Build() {
  if (impl_->built) return;
  impl_->built = true;

  // The window's own properties.
  const WindowSpec& ws = Spec();
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
  // Explicit colours throughout, so a dark desktop theme cannot hide text.
  QPalette pal = QApplication::palette();
  SetRole(pal, QPalette::Window, ToQColor(ws.backColor));
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
  setPalette(pal);
  setAutoFillBackground(true);

  // The application's shortcuts work from this window too.
  for (const QPointer<QAction>& action : WindowActions())
    if (!action.isNull()) addAction(action.data());

  // Placement: 0 cascades from the top-left of the screen, 2 centres.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect avail = screen->availableGeometry();
    if (ws.placement == 2) {
      move(avail.center() - QPoint(ws.width / 2, ws.height / 2));
    } else {
      const int step = 24 * (cascadeCount++ % 10);
      move(avail.topLeft() + QPoint(40 + step, 40 + step));
    }
  }

  // Handlers by control name (and index).
  std::vector<Handler> handlers = Handlers();
  std::vector<bool> attached(handlers.size(), false);
  auto handlersFor = [&](const ControlSpec& cs) {
    std::vector<const Handler*> found;
    for (std::size_t i = 0; i < handlers.size(); ++i) {
      const Handler& h = handlers[i];
      if (h.control != nullptr && cs.name != nullptr && h.index == cs.index &&
          std::string(h.control) == cs.name) {
        found.push_back(&h);
        attached[i] = true;
      }
    }
    return found;
  };

  // The controls, in list order: create, register, picture, properties, handlers.
  std::vector<QWidget*> frames;
  for (const ControlSpec& cs : Controls()) {
    QWidget* w = nullptr;
    switch (cs.kind) {
      case Kind::StaticText: w = new StaticText(this); break;
      case Kind::EditField: w = new EditField(this); break;
      case Kind::PushButton: w = new PushButton(this); break;
      case Kind::RadioButton: w = new RadioButton(this); break;
      case Kind::GroupBox: w = new GroupBoxWidget(this); break;
      case Kind::Canvas: w = new Canvas(this); break;
      case Kind::ImageWell: w = new ImageWell(this); break;
      case Kind::Line: w = new LineWidget(this, cs); break;
      case Kind::Rectangle: w = new RectangleWidget(this, cs); break;
      case Kind::Listbox: w = new Listbox(this); break;
    }
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
        label->setAlignment(Qt::AlignTop | (cs.textAlign == 1   ? Qt::AlignHCenter
                                            : cs.textAlign == 2 ? Qt::AlignRight
                                                                : Qt::AlignLeft));
        label->SetMultiline(cs.multiline);
        label->SetText(FromUtf8(cs.text));
        break;
      }
      case Kind::EditField: {
        auto* field = static_cast<EditField*>(w);
        ApplyFont(field, cs.kind, cs.font, QString());
        QPalette p = field->palette();
        SetRole(p, QPalette::Text, ToQColor(cs.textColor));
        field->setPalette(p);
        field->setText(FromUtf8(cs.text));
        break;
      }
      case Kind::PushButton: {
        auto* button = static_cast<PushButton*>(w);
        button->setText(Caption(cs.text));
        ApplyFont(button, cs.kind, cs.font, FromUtf8(cs.text));
        if (cs.isDefault) {
          button->setDefault(true);
          impl_->defaultButton = button;
        }
        break;
      }
      case Kind::RadioButton: {
        auto* radio = static_cast<RadioButton*>(w);
        radio->setText(Caption(cs.text));
        ApplyFont(radio, cs.kind, cs.font, FromUtf8(cs.text));
        QButtonGroup*& group = impl_->radioGroups[cs.parent != nullptr ? cs.parent : ""];
        if (group == nullptr) {
          group = new QButtonGroup(this);
          group->setExclusive(true);
        }
        group->addButton(radio);
        radio->SetValue(cs.value);
        break;
      }
      case Kind::GroupBox: {
        auto* box = static_cast<QGroupBox*>(w);
        box->setTitle(Caption(cs.text));
        ApplyFont(box, cs.kind, cs.font, FromUtf8(cs.text));
        frames.push_back(w);
        break;
      }
      case Kind::Rectangle:
        frames.push_back(w);
        break;
      case Kind::Listbox:
        ApplyFont(w, cs.kind, cs.font, QString());
        break;
      case Kind::Canvas:
      case Kind::ImageWell:
      case Kind::Line:
        break;
    }
    if (!cs.visible) w->setVisible(false);

    for (const Handler* h : handlersFor(cs)) {
      if (!h->run) continue;
      std::function<void()> run = h->run;
      switch (h->event) {
        case Event::Action:
          if (auto* radio = dynamic_cast<QRadioButton*>(w)) {
            QObject::connect(radio, &QAbstractButton::toggled, this,
                             [run](bool on) { if (on) run(); });
          } else if (auto* button = dynamic_cast<QAbstractButton*>(w)) {
            QObject::connect(button, &QAbstractButton::clicked, this, [run] { run(); });
          }
          break;
        case Event::TextChange:
          if (auto* field = dynamic_cast<QLineEdit*>(w))
            QObject::connect(field, &QLineEdit::textChanged, this, [run] { run(); });
          break;
        case Event::KeyDown:
          w->installEventFilter(new KeyDownFilter(w, run));
          break;
      }
    }
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

  if (ws.visible) Show();
}

bool Window::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::WindowActivate:
      Event_Activate();
      break;
    case QEvent::KeyPress: {
      // Return that no control used presses the default button.
      auto* key = static_cast<QKeyEvent*>(e);
      const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      const auto mods = key->modifiers() & ~Qt::KeypadModifier;
      QPushButton* button = impl_->defaultButton;
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

// ------------------------------------------------------------- registry

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

void SetPictureSource(PictureSource source) { pictureSource = source; }

void SetWindowActions(const QList<QAction*>& actions) {
  QList<QPointer<QAction>>& kept = WindowActions();
  kept.clear();
  for (QAction* action : actions) kept.append(action);
}

}  // namespace ui
