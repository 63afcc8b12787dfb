// The menu bar: its tree, its shortcuts, and the Edit items acting on the
// text field that has the focus.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

#include "tests/support/GuiTest.h"
#include "app/MenuBar1.h"

namespace {

using app::MenuBar1;

struct Entry {
  QString name, text, shortcut;
  bool separator;
};

std::vector<Entry> Entries(const QList<QAction*>& actions) {
  std::vector<Entry> entries;
  for (const QAction* a : actions)
    entries.push_back({a->objectName(), a->text(), a->shortcut().toString(QKeySequence::PortableText),
                       a->isSeparator()});
  return entries;
}

class MenuBarTest : public guitest::GuiTest {
 protected:
  void TearDown() override {
    guitest::GuiTest::TearDown();
    MenuBar1::Release();
  }
};

TEST_F(MenuBarTest, OneSharedInstanceBuiltOnFirstUse) {
  MenuBar1::Release();
  EXPECT_EQ(MenuBar1::Existing(), nullptr);
  MenuBar1* bar = MenuBar1::Shared();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(MenuBar1::Shared(), bar);
  EXPECT_EQ(MenuBar1::Existing(), bar);
  MenuBar1::Release();
  EXPECT_EQ(MenuBar1::Existing(), nullptr);
}

TEST_F(MenuBarTest, FileAndEditMenusInTheirOrder) {
  const QList<QAction*> top = MenuBar1::Shared()->actions();
  ASSERT_EQ(top.size(), 2);
  EXPECT_EQ(top[0]->objectName(), "FileMenu");
  EXPECT_EQ(top[0]->text(), "&File");
  EXPECT_EQ(top[1]->objectName(), "EditMenu");
  EXPECT_EQ(top[1]->text(), "&Edit");
  ASSERT_NE(top[0]->menu(), nullptr);
  ASSERT_NE(top[1]->menu(), nullptr);

  const auto file = Entries(top[0]->menu()->actions());
  ASSERT_EQ(file.size(), 1u);
  EXPECT_EQ(file[0].name, "FileQuit");
  EXPECT_EQ(file[0].text, "&Quit");
  EXPECT_EQ(file[0].shortcut, "Ctrl+Q");

  const auto edit = Entries(top[1]->menu()->actions());
  const std::vector<Entry> expected = {
      {"EditUndo", "&Undo", "Ctrl+Z", false},     {"UntitledMenu1", "", "", true},
      {"EditCut", "Cu&t", "Ctrl+X", false},       {"EditCopy", "&Copy", "Ctrl+C", false},
      {"EditPaste", "&Paste", "Ctrl+V", false},   {"EditClear", "&Delete", "", false},
      {"UntitledMenu0", "", "", true},            {"EditSelectAll", "Select &All", "Ctrl+A", false},
  };
  ASSERT_EQ(edit.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(edit[i].name, expected[i].name) << i;
    EXPECT_EQ(edit[i].text, expected[i].text) << i;
    EXPECT_EQ(edit[i].shortcut, expected[i].shortcut) << i;
    EXPECT_EQ(edit[i].separator, expected[i].separator) << i;
  }
}

// A window with one text field for the Edit items to act on.
class FieldWindow : public ui::Window {
 public:
  static constexpr const char* ClassName = "FieldWindow.FieldWindow";

 protected:
  const ui::WindowLayout& Layout() const override {
    static const ui::WindowLayout layout{.className = ClassName, .title = "Field",
                                     .width = 200, .height = 60, .visible = false};
    return layout;
  }
  std::span<const ui::ControlLayout> Controls() const override {
    static const ui::ControlLayout controls[] = {
        {.kind = ui::Kind::EditField, .name = "dataEntry", .left = 10, .top = 10,
         .width = 150, .height = 22},
    };
    return controls;
  }
};

QAction* Item(const char* name) {
  auto* action = MenuBar1::Shared()->findChild<QAction*>(name);
  if (action == nullptr) ADD_FAILURE() << "no menu item " << name;
  return action;
}

TEST_F(MenuBarTest, EditItemsActOnTheFocusedField) {
  auto* window = ui::Shared<FieldWindow>();
  ASSERT_TRUE(guitest::ShowAndWait(window));
  auto* field = guitest::Find<ui::EditField>(window, "dataEntry");
  ASSERT_NE(field, nullptr);
  guitest::TypeInto(field, "647.1");
  ASSERT_EQ(QApplication::focusWidget(), field);

  Item("EditSelectAll")->trigger();
  EXPECT_EQ(field->selectedText(), "647.1");
  Item("EditCopy")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "647.1");
  Item("EditClear")->trigger();
  EXPECT_EQ(field->text(), "");
  Item("EditPaste")->trigger();
  EXPECT_EQ(field->text(), "647.1");
  Item("EditSelectAll")->trigger();
  Item("EditCut")->trigger();
  EXPECT_EQ(field->text(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), "647.1");
  Item("EditUndo")->trigger();
  EXPECT_EQ(field->text(), "647.1");
}

TEST_F(MenuBarTest, EditItemsWithoutAFocusedFieldDoNothing) {
  QApplication::clipboard()->setText("kept");
  auto* window = ui::Shared<FieldWindow>();
  ASSERT_TRUE(guitest::ShowAndWait(window));
  window->setFocus();
  ASSERT_EQ(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
  for (const char* name :
       {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
    Item(name)->trigger();
  auto* field = guitest::Find<ui::EditField>(window, "dataEntry");
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->text(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), "kept");
}

TEST_F(MenuBarTest, OpenEditMenuEnablesOnlyWhatAppliesAndClosingEnablesAllAgain) {
  auto* window = ui::Shared<FieldWindow>();
  ASSERT_TRUE(guitest::ShowAndWait(window));
  auto* field = guitest::Find<ui::EditField>(window, "dataEntry");
  ASSERT_NE(field, nullptr);
  QApplication::clipboard()->clear();
  guitest::TypeInto(field, "12");
  field->deselect();

  QMenu* edit = MenuBar1::Shared()->findChild<QMenu*>("EditMenu");
  ASSERT_NE(edit, nullptr);
  emit edit->aboutToShow();
  EXPECT_TRUE(Item("EditUndo")->isEnabled());
  EXPECT_FALSE(Item("EditCut")->isEnabled());
  EXPECT_FALSE(Item("EditCopy")->isEnabled());
  EXPECT_FALSE(Item("EditPaste")->isEnabled());
  EXPECT_FALSE(Item("EditClear")->isEnabled());
  EXPECT_TRUE(Item("EditSelectAll")->isEnabled());

  emit edit->aboutToHide();
  for (const char* name :
       {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
    EXPECT_TRUE(Item(name)->isEnabled()) << name;
}

}  // namespace
