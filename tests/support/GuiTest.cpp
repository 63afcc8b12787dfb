#include "tests/support/GuiTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QVariant>
#include <QWindow>

namespace guitest {

void GuiTest::SetUp() { ui::ReleaseAllShared(); }

void GuiTest::TearDown() {
  ui::ReleaseAllShared();
  Settle();
}

QWidget* FindControl(const ui::Window* window, const char* name, int index) {
  if (window == nullptr) {
    ADD_FAILURE() << "no window to look for " << name << " in";
    return nullptr;
  }
  QWidget* control = window->Control(name, index);
  if (control == nullptr) ADD_FAILURE() << "window has no control " << name;
  return control;
}

bool ShowAndWait(ui::Window* window) {
  window->Show();
  const bool exposed = QTest::qWaitForWindowExposed(window, 2000);
  const bool active = QTest::qWaitForWindowActive(window, 2000);
  Settle();
  return exposed && active;
}

void Settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

std::vector<const ui::Window*> VisibleWindows() {
  std::vector<const ui::Window*> windows;
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (const auto* window = dynamic_cast<const ui::Window*>(w); window != nullptr && w->isVisible())
      windows.push_back(window);
  return windows;
}

QScreen* SmallScreen() {
  for (QScreen* screen : QGuiApplication::screens())
    if (screen->name() == QLatin1String("small")) return screen;
  ADD_FAILURE() << "no small screen on the platform " << QGuiApplication::platformName().toStdString();
  return QGuiApplication::primaryScreen();
}

void ExpectCutInHeightToTheSmallScreen(const ui::Window* window) {
  const QRect area = SmallScreen()->availableGeometry();
  EXPECT_TRUE(area.contains(window->frameGeometry())) << "the frame lies off the small screen";
  const auto* scroller = window->findChild<QScrollArea*>();
  ASSERT_NE(scroller, nullptr) << "no scroll area";
  EXPECT_TRUE(scroller->verticalScrollBar()->isVisible()) << "no vertical scroll bar: not cut";
  EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible()) << "a horizontal scroll bar";
}

void TypeInto(QWidget* control, const QString& text) {
  if (control == nullptr) return;
  control->setFocus(Qt::OtherFocusReason);
  QTest::keyClicks(control, text);
}

void ClearByKeys(QWidget* control) {
  if (control == nullptr) return;
  control->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(control, Qt::Key_Delete);
}

void ClickAt(ui::Window* window, QPoint point) {
  if (window == nullptr) return;
  if (QWindow* handle = window->windowHandle(); handle != nullptr && window->isVisible()) {
    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, point);
  } else {
    QWidget* target = window->childAt(point);
    if (target == nullptr) target = window;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(window, point));
  }
  Settle();
}

void Click(QWidget* control) {
  if (control == nullptr) return;
  auto* window = dynamic_cast<ui::Window*>(control->window());
  if (window == nullptr) {
    QTest::mouseClick(control, Qt::LeftButton);
    return;
  }
  ClickAt(window, control->mapTo(window, control->rect().center()));
}

void PressReturn(QWidget* control) {
  if (control == nullptr) return;
  control->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(control, Qt::Key_Return);
  Settle();
}

QString FocusName(const ui::Window* window) {
  return window != nullptr ? window->NameOf(QApplication::focusWidget()) : QString();
}

QStringList TabStops(const ui::Window* window, int presses, bool backwards) {
  QStringList stops;
  for (int i = 0; i < presses; ++i) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) break;
    QTest::keyClick(focus, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
    stops << FocusName(window);
  }
  Settle();
  return stops;
}

QString LabelText(const QWidget* label) {
  const auto* l = dynamic_cast<const QLabel*>(label);
  return l != nullptr ? l->text() : QString();
}

QColor LabelColour(const QWidget* label) {
  return label != nullptr ? label->palette().color(QPalette::Active, QPalette::WindowText)
                          : QColor();
}

int LabelSize(const QWidget* label) {
  const auto* l = dynamic_cast<const ui::StaticText*>(label);
  return l != nullptr ? l->TextSize() : -1;
}

int LabelDrawnSize(const QWidget* label) { return label != nullptr ? label->font().pixelSize() : -1; }

namespace {

QString Plain(QString caption) {
  caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
  return caption;
}

// Width of the widest line and height of all lines, one line per "\n".
QSize LinesSize(const QFontMetrics& fm, const QString& text) {
  int width = 0;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (const QString& line : lines) width = std::max(width, fm.horizontalAdvance(line));
  return {width, fm.height() * static_cast<int>(lines.size())};
}

std::string Describe(const QString& name, const QString& text, QSize need, QSize room) {
  return QStringLiteral("%1 \"%2\": needs %3 x %4, has %5 x %6")
      .arg(name, text)
      .arg(need.width())
      .arg(need.height())
      .arg(room.width())
      .arg(room.height())
      .toStdString();
}

}  // namespace

std::vector<std::string> TextsThatDoNotFit(const ui::Window* window) {
  std::vector<std::string> misfits;
  if (window == nullptr) return misfits;
  for (QWidget* control : window->AllControls()) {
    const QString name = window->NameOf(control);
    const QFontMetrics fm(control->font());
    QString text;
    QSize need, room;
    if (const auto* label = dynamic_cast<const QLabel*>(control)) {
      text = label->text();
      room = label->contentsRect().size();
      if (label->wordWrap()) {
        need = fm.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, text).size();
      } else {
        need = LinesSize(fm, text);
      }
    } else if (const auto* button = dynamic_cast<const QAbstractButton*>(control)) {
      // A radio button or push button: the room its style leaves the caption.
      const QStyle::SubElement contents = dynamic_cast<const QRadioButton*>(control) != nullptr
                                              ? QStyle::SE_RadioButtonContents
                                              : QStyle::SE_PushButtonContents;
      QStyleOptionButton opt;
      opt.initFrom(button);
      opt.text = button->text();
      text = Plain(button->text());
      room = button->style()->subElementRect(contents, &opt, button).size();
      need = LinesSize(fm, text);
    } else if (const auto* box = dynamic_cast<const QGroupBox*>(control)) {
      text = Plain(box->title());
      if (text.isEmpty()) continue;
      room = QSize(box->width() - 16, box->height());
      need = LinesSize(fm, text);
    } else {
      continue;
    }
    if (text.isEmpty()) continue;
    if (need.width() > room.width() || need.height() > room.height())
      misfits.push_back(Describe(name, text, need, room));
    // A text is drawn smaller where it would not fit at its own size; far
    // smaller means its rectangle is too small for it.
    const auto* label = dynamic_cast<const ui::StaticText*>(control);
    const QVariant asked = control->property("textSize");
    if (label != nullptr || asked.isValid()) {
      const int nominal = label != nullptr
                              ? (label->TextSize() > 0 ? label->TextSize() : ui::DefaultTextSize)
                              : asked.toInt();
      const int drawn = control->font().pixelSize();
      if (4 * drawn < 3 * nominal)
        misfits.push_back(QStringLiteral("%1 \"%2\": drawn at %3 px of its %4")
                              .arg(name, text)
                              .arg(drawn)
                              .arg(nominal)
                              .toStdString());
    }
  }
  return misfits;
}

void ExpectTextsFit(const ui::Window* window) {
  for (const std::string& misfit : TextsThatDoNotFit(window))
    ADD_FAILURE() << (window != nullptr ? window->windowTitle().toStdString() : std::string())
                  << ": " << misfit;
}

QString SaveScreenshot(QWidget* window, const QString& name) {
  const QString folder = qEnvironmentVariable("TARVO_SCREENSHOTS");
  if (folder.isEmpty() || window == nullptr) return {};
  if (!QDir().mkpath(folder)) {
    ADD_FAILURE() << "cannot create the screenshot folder " << folder.toStdString();
    return {};
  }
  QString file = name;
  file.replace(QLatin1Char('/'), QLatin1Char('_'));
  const QString path = QDir(folder).filePath(file + QStringLiteral(".png"));
  if (!window->grab().save(path, "PNG")) {
    ADD_FAILURE() << "cannot write " << path.toStdString();
    return {};
  }
  return path;
}

}  // namespace guitest
