#include "ui/TextFit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace ui::internal {

namespace {

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

}  // namespace

QString FromUtf8(const char* text) { return QString::fromUtf8(text != nullptr ? text : ""); }

QString ShownText(const QString& text, bool multiline) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (!multiline) shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return shown;
}

QString Caption(const QString& text) {
  QString caption = text;
  caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return caption;
}

QFont MakeFont(const Font& layoutFont) {
  QFont font = QApplication::font();
  const QString family = FromUtf8(layoutFont.family).trimmed();
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
  font.setPixelSize(layoutFont.size > 0 ? layoutFont.size : DefaultTextSize);
  font.setBold(layoutFont.bold);
  font.setItalic(layoutFont.italic);
  font.setUnderline(layoutFont.underline);
  return font;
}

int FittingSize(QFont font, int nominal, const QString& text, QSize box, bool wrap) {
  int size = nominal > 0 ? nominal : DefaultTextSize;
  for (; size > MinTextSize; --size) {
    font.setPixelSize(size);
    if (Fits(font, text, box, wrap)) break;
  }
  return size;
}

void ApplyFont(QWidget* w, Kind kind, const Font& layoutFont, const QString& text) {
  QFont font = MakeFont(layoutFont);
  font.setPixelSize(FittingSize(font, layoutFont.size, text.isEmpty() ? QStringLiteral("Xg") : text,
                                CaptionBox(w, kind), false));
  w->setFont(font);
  // The size the layout asked for, beside the one the text got to fit.
  w->setProperty("textSize", layoutFont.size > 0 ? layoutFont.size : DefaultTextSize);
}

}  // namespace ui::internal
