#include "app/MenuBar1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

#include "ui/BackgroundTask.h"
#include "ui/Window.h"

namespace app {

namespace {

// The shared instance. A window that shows the bar becomes its Qt parent;
// QPointer notices if that parent ever deletes it first.
QPointer<MenuBar1> shared;

// The text field the Edit items act on: the one that has the focus.
QLineEdit* FocusedField() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

enum class Edit { Undo, Cut, Copy, Paste, Delete, SelectAll };

void RunEdit(Edit item) {
  QLineEdit* field = FocusedField();
  if (field == nullptr) return;
  switch (item) {
    case Edit::Undo: field->undo(); break;
    case Edit::Cut: field->cut(); break;
    case Edit::Copy: field->copy(); break;
    case Edit::Paste: field->paste(); break;
    case Edit::Delete: field->del(); break;
    case Edit::SelectAll: field->selectAll(); break;
  }
}

// Whether an Edit item can do anything on the focused field right now.
bool EditApplies(Edit item) {
  const QLineEdit* field = FocusedField();
  if (field == nullptr) return false;
  const bool editable = !field->isReadOnly();
  switch (item) {
    case Edit::Undo: return editable && field->isUndoAvailable();
    case Edit::Cut: return editable && field->hasSelectedText() &&
                           field->echoMode() == QLineEdit::Normal;
    case Edit::Copy: return field->hasSelectedText() && field->echoMode() == QLineEdit::Normal;
    case Edit::Paste:
      return editable && QGuiApplication::clipboard() != nullptr &&
             !QGuiApplication::clipboard()->text().isEmpty();
    case Edit::Delete: return editable && field->hasSelectedText();
    case Edit::SelectAll: return !field->text().isEmpty();
  }
  return false;
}

struct EditRow {
  const char* name;
  const char* text;      // "-" for a separator
  const char* shortcut;  // nullptr: not set (separators); "" empty
  Edit item;
};

constexpr EditRow kEditRows[] = {
    {"EditUndo", "&Undo", "Cmd+Z", Edit::Undo},
    {"UntitledMenu1", "-", nullptr, Edit::Undo},
    {"EditCut", "Cu&t", "Cmd+X", Edit::Cut},
    {"EditCopy", "&Copy", "Cmd+C", Edit::Copy},
    {"EditPaste", "&Paste", "Cmd+V", Edit::Paste},
    {"EditClear", "&Delete", "", Edit::Delete},
    {"UntitledMenu0", "-", nullptr, Edit::Undo},
    {"EditSelectAll", "Select &All", "Cmd+A", Edit::SelectAll},
};

// Sets a shortcut that works in every window while the bar is on screen.
void SetShortcut(QAction* action, const char* text) {
  action->setShortcut(MenuBar1::Shortcut(QString::fromLatin1(text)));
  action->setShortcutContext(Qt::ApplicationShortcut);
}

}  // namespace

MenuBar1* MenuBar1::Shared() {
  if (shared.isNull()) shared = new MenuBar1();
  return shared.data();
}

MenuBar1* MenuBar1::Existing() { return shared.data(); }

void MenuBar1::Release() {
  delete shared.data();
  shared = nullptr;
}

QKeySequence MenuBar1::Shortcut(const QString& text) {
  QString keys = text;
  keys.replace(QStringLiteral("Cmd"), QStringLiteral("Ctrl"));
  return QKeySequence(keys, QKeySequence::PortableText);
}

MenuBar1::MenuBar1() {
  setObjectName(QStringLiteral("MenuBar1"));
  // The bar belongs to the start window on this desktop, never to a
  // global menu of the desktop session.
  setNativeMenuBar(false);
  Untitled0();
  Untitled1();
  // The shortcuts of Quit and the Edit items work in every window of the
  // program, also once the start window, which shows the bar, is closed.
  QList<QAction*> withShortcut;
  for (QAction* action : findChildren<QAction*>(Qt::FindDirectChildrenOnly))
    if (!action->shortcut().isEmpty()) withShortcut.append(action);
  ui::SetWindowActions(withShortcut);
}

MenuBar1::~MenuBar1() = default;

void MenuBar1::Untitled0() {
  auto* fileMenu = new QMenu(QStringLiteral("&File"), this);
  fileMenu->setObjectName(QStringLiteral("FileMenu"));
  fileMenu->menuAction()->setObjectName(QStringLiteral("FileMenu"));
  addMenu(fileMenu);

  // The quit item: ends the event loop, and with it the program. Of the
  // long loops, only the isochore's rows (its table and its export) stop
  // where they are; a search or a zero-function listing under way runs to
  // its end first.
  auto* quit = new QAction(QStringLiteral("&Quit"), this);
  quit->setObjectName(QStringLiteral("FileQuit"));
  quit->setMenuRole(QAction::QuitRole);
  SetShortcut(quit, "Cmd+Q");
  connect(quit, &QAction::triggered, [] { ui::Quit(0); });
  fileMenu->addAction(quit);
}

void MenuBar1::Untitled1() {
  auto* editMenu = new QMenu(QStringLiteral("&Edit"), this);
  editMenu->setObjectName(QStringLiteral("EditMenu"));
  editMenu->menuAction()->setObjectName(QStringLiteral("EditMenu"));
  addMenu(editMenu);

  for (const EditRow& row : kEditRows) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(row.name));
    if (QString::fromLatin1(row.text) == QStringLiteral("-")) {
      action->setSeparator(true);
    } else {
      action->setText(QString::fromLatin1(row.text));
      if (row.shortcut != nullptr && row.shortcut[0] != '\0') SetShortcut(action, row.shortcut);
      const Edit item = row.item;
      connect(action, &QAction::triggered, [item] { RunEdit(item); });
    }
    editMenu->addAction(action);
  }

  // Items are enabled while the menu is open only where they apply to the
  // focused field; once it closes they are all enabled again, so a shortcut
  // always reaches its item (which then does nothing where it cannot act).
  connect(editMenu, &QMenu::aboutToShow, this, [this] {
    for (const EditRow& row : kEditRows) {
      if (row.shortcut == nullptr) continue;  // separator
      if (auto* action = findChild<QAction*>(QString::fromLatin1(row.name))) {
        action->setEnabled(EditApplies(row.item));
      }
    }
  });
  connect(editMenu, &QMenu::aboutToHide, this, [this] {
    for (const EditRow& row : kEditRows) {
      if (auto* action = findChild<QAction*>(QString::fromLatin1(row.name))) {
        action->setEnabled(true);
      }
    }
  });
}

}  // namespace app
