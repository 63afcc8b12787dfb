// The program's menu bar: File > Quit and the Edit menu. One shared instance,
// built on first use; it is the application's menu bar and is shown on the
// start window. Its keyboard shortcuts (Ctrl+Q, the Edit items) work in every
// window of the program.
#pragma once

#include <QKeySequence>
#include <QMenuBar>
#include <QString>

namespace app {

class MenuBar1 : public QMenuBar {
 public:
  // The shared instance, built on first use.
  static MenuBar1* Shared();
  // The shared instance if it has been built, else nullptr.
  static MenuBar1* Existing();
  // Drops the shared instance (shutdown); the next Shared() builds anew.
  static void Release();

  // The key sequence of a shortcut text of the menu table: "Cmd" is the
  // desktop's command modifier, Ctrl here ("Cmd+Q" gives Ctrl+Q).
  static QKeySequence Shortcut(const QString& text);

  ~MenuBar1() override;

 private:
  MenuBar1();
  void Untitled0();  // File menu
  void Untitled1();  // Edit menu
};

}  // namespace app
