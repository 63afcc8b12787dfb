// The controls: labels that fit their text, fields, buttons, picture
// controls, rectangles and two-column lists.
#include "ui/Controls.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

#include "ui/Palette.h"
#include "ui/TextFit.h"

namespace ui {

using internal::ToQColor;

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
  internal::SetRole(pal, QPalette::WindowText, ToQColor(colour));
  internal::SetRole(pal, QPalette::Text, ToQColor(colour));
  setPalette(pal);
}

void StaticText::SetTextSize(int points) {
  size_ = std::max(0, points);
  Refit();
}

Rgb StaticText::TextColor() const { return colour_; }
int StaticText::TextSize() const { return size_; }

void StaticText::SetFont(const Font& font) {
  QLabel::setFont(internal::MakeFont(font));
  size_ = std::max(0, font.size);
  Refit();
}

void StaticText::SetMultiline(bool multiline) {
  multiline_ = multiline;
  setWordWrap(multiline);
  Refit();
}

void StaticText::Refit() {
  const QString shown = internal::ShownText(text_, multiline_);
  QFont f = font();
  f.setPixelSize(internal::FittingSize(f, size_, shown, contentsRect().size(), multiline_));
  if (f != font()) QLabel::setFont(f);
  QLabel::setText(shown);
}

EditField::EditField(QWidget* parent) : QLineEdit(parent) {}
QString EditField::Text() const { return text(); }
// A text the program writes is shown from its first character: a long
// number (a state taken with all its digits) would otherwise show only
// its last digits.
void EditField::SetText(const QString& text) {
  setText(text);
  setCursorPosition(0);
}

PushButton::PushButton(QWidget* parent) : QPushButton(parent) { setAutoDefault(false); }

QString PushButton::Caption() const { return caption_; }

void PushButton::SetCaption(const QString& caption) {
  caption_ = caption;
  setText(internal::Caption(caption));
  internal::ApplyFont(this, Kind::PushButton, font_, caption);
}

void PushButton::SetFont(const Font& font) {
  font_ = font;
  internal::ApplyFont(this, Kind::PushButton, font_, caption_);
}

RadioButton::RadioButton(QWidget* parent) : QRadioButton(parent) { setAutoExclusive(false); }

bool RadioButton::Value() const { return isChecked(); }

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

Rectangle::Rectangle(QWidget* parent, Rgb fill, Rgb topLeft, Rgb bottomRight, int borderWidth)
    : QWidget(parent),
      fill_(fill),
      topLeft_(topLeft),
      bottomRight_(bottomRight),
      border_(std::max(0, borderWidth)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Rectangle::SetTopLeftColor(Rgb colour) {
  topLeft_ = colour;
  update();
}

void Rectangle::SetBottomRightColor(Rgb colour) {
  bottomRight_ = colour;
  update();
}

void Rectangle::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  p.fillRect(r, ToQColor(fill_));
  for (int i = 0; i < border_ && 2 * i < std::min(r.width(), r.height()); ++i) {
    // QRect's right() and bottom() are already the last pixel column and row.
    const QRect b = r.adjusted(i, i, -i, -i);
    p.setPen(ToQColor(topLeft_));
    p.drawLine(b.topLeft(), b.topRight());
    p.drawLine(b.topLeft(), b.bottomLeft());
    p.setPen(ToQColor(bottomRight_));
    p.drawLine(b.bottomLeft(), b.bottomRight());
    p.drawLine(b.topRight(), b.bottomRight());
  }
}

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
  // The two columns share the visible width exactly (a stretched last
  // section keeps its own width, and the style's minimum section size can
  // exceed half a narrow list), and the list never scrolls sideways: there is no
  // horizontal scroll bar to undo it, and a click or an arrow key that moved
  // the view would hide the first digits of the left column.
  header()->setStretchLastSection(false);
  header()->setMinimumSectionSize(1);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
    if (value != 0) horizontalScrollBar()->setValue(0);
  });
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

void SetVisible(QWidget* control, bool visible) {
  if (control != nullptr) control->setVisible(visible);
}

bool Visible(const QWidget* control) { return control != nullptr && !control->isHidden(); }

}  // namespace ui
