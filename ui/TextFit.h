// Texts in controls: layout texts to Qt texts, fonts from their layout
// names, and the largest text size at which a text fits its control.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QWidget>

#include "ui/Layout.h"

namespace ui::internal {

// Smallest text size the fitting goes down to; below it text is unreadable
// anyway, and the search needs a floor to end.
inline constexpr int MinTextSize = 6;

QString FromUtf8(const char* text);

// CR (and CR LF) in a layout text: a line break in a multi-line label, a
// blank elsewhere.
QString ShownText(const QString& text, bool multiline);

// Caption of a button or group box: "&" is a plain character, not a shortcut mark.
QString Caption(const QString& text);

// The layout's font: its family with fallbacks, its size in pixels (0 is
// DefaultTextSize), bold, italic, underline.
QFont MakeFont(const Font& layoutFont);

// The largest pixel size up to `nominal` at which the text fits the box
// (word-wrapped when `wrap`), but not below MinTextSize.
int FittingSize(QFont font, int nominal, const QString& text, QSize box, bool wrap);

// Gives a button, radio, group box, field or list the layout's font at the
// largest size that fits its caption (or a sample line for an empty one).
void ApplyFont(QWidget* w, Kind kind, const Font& layoutFont, const QString& text);

}  // namespace ui::internal
