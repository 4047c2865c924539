// How a caption or a message is broken into lines where Qt would wrap it by
// itself, or would not wrap it at all (a push button's caption).
#pragma once

#include <QFontMetricsF>
#include <QString>
#include <QStringList>

namespace vorn::qt {

// The lines of a paragraph too wide for `width` (pixels): broken where the
// script allows a break (between words, and between most Japanese
// characters), in as few lines as filling each line allows, and those lines
// as even as that number allows, so that no line is left with a word or a
// character alone ("下さ" / "い"). A paragraph that fits is one line; a piece
// without a break that is wider than `width` keeps a line of its own.
QStringList EvenLines(const QString& paragraph, const QFontMetricsF& metrics, double width);

// The text with each of its paragraphs ('\n' apart) broken as EvenLines does.
QString EvenText(const QString& text, const QFontMetricsF& metrics, double width);

// The lines a push button shows its caption on, as the old desktop laid them
// out: the blanks around the caption only centred it; a run of three or more
// blanks inside it stands where the designer broke the line (the blanks pushed
// the rest onto the next line: "         Show         the result table"),
// where the button is high enough for those lines; a line wider than the
// button breaks as EvenLines does. A caption that needs none of this is
// returned as it is, blanks and all.
QString ButtonCaptionText(const QString& caption, const QFontMetricsF& metrics, double width, double height);

}  // namespace vorn::qt
