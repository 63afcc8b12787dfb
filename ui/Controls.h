// The controls a window is made of. Each is created by the window from its
// layout table (Window.h) and found again by name; handlers set and read
// them through the functions below rather than through Qt's own setters, so
// that text fitting and colours stay as the layout meant them.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTreeWidget>
#include <QWidget>

#include "ui/Layout.h"

namespace ui {

class StaticText : public QLabel {
 public:
  explicit StaticText(QWidget* parent);
  QString Text() const;                // the text as set, CRs included
  void SetText(const QString& text);
  void SetTextColor(Rgb colour);
  void SetTextSize(int points);        // 0: DefaultTextSize
  Rgb TextColor() const;
  int TextSize() const;                // as set; the size drawn may be smaller to fit

  // Layout values: the font (its size is the TextSize) and whether CRs break lines.
  void SetFont(const Font& font);
  void SetMultiline(bool multiline);
  bool Multiline() const { return multiline_; }

 private:
  void Refit();
  QString text_;
  Rgb colour_ = Black;
  int size_ = 0;
  bool multiline_ = false;
};

class EditField : public QLineEdit {
 public:
  explicit EditField(QWidget* parent);
  QString Text() const;
  void SetText(const QString& text);  // raises TextChange; shown from its start
};

class PushButton : public QPushButton {
 public:
  explicit PushButton(QWidget* parent);
  // The caption as set ("&" a plain character), drawn at the largest size up
  // to the layout's text size that fits the button.
  QString Caption() const;
  void SetCaption(const QString& caption);
  // Layout value: the font, whose size is the largest the caption gets.
  void SetFont(const Font& font);

 private:
  QString caption_;
  Font font_{};
};

class RadioButton : public QRadioButton {
 public:
  explicit RadioButton(QWidget* parent);
  bool Value() const;
  void SetValue(bool on);  // on: turns the others of its group off and raises Action
};

// A picture painted at its natural size from the top-left corner, scaled
// down (keeping its proportions) when it is larger than the control.
class Canvas : public QWidget {
 public:
  explicit Canvas(QWidget* parent);
  void SetBackdrop(const QPixmap& picture);  // a null pixmap: blank
  const QPixmap& Backdrop() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  QPixmap picture_;
  bool centred_ = false;
};

// A picture centred in the control, scaled down when it is larger.
class ImageWell : public Canvas {
 public:
  explicit ImageWell(QWidget* parent);
  void SetImage(const QPixmap& picture) { SetBackdrop(picture); }
  const QPixmap& Image() const { return Backdrop(); }
};

// A filled box with a two-colour border: top-left and bottom-right, each
// changeable at run time (a red frame marks a chosen column, say).
class Rectangle : public QWidget {
 public:
  Rectangle(QWidget* parent, Rgb fill, Rgb topLeft, Rgb bottomRight, int borderWidth);
  Rgb TopLeftColor() const { return topLeft_; }
  Rgb BottomRightColor() const { return bottomRight_; }
  void SetTopLeftColor(Rgb colour);
  void SetBottomRightColor(Rgb colour);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  Rgb fill_, topLeft_, bottomRight_;
  int border_;
};

// Two columns with a heading row.
class Listbox : public QTreeWidget {
 public:
  explicit Listbox(QWidget* parent);
  void DeleteAllRows();
  void AddRow(const QString& text);  // new last row, text in column 0
  int LastIndex() const;             // index of the row added last, -1 when empty
  void Cell(int row, int column, const QString& text);
  QString CellText(int row, int column) const;
  void Heading(int column, const QString& text);
  QString HeadingText(int column) const;
  int RowCount() const;

 private:
  int lastIndex_ = -1;
};

// Shows or hides a control. Visible tells what was last set, whether or not
// the window itself is on screen at the moment.
void SetVisible(QWidget* control, bool visible);
bool Visible(const QWidget* control);

}  // namespace ui
