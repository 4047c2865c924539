#include "platform/qt/text_layout.h"

#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <vector>

namespace vorn::qt {

namespace {

// Without the blanks at its end: they do not show where a line breaks.
QString WithoutTrailingBlanks(QString s)
{
  while (s.endsWith(QLatin1Char(' '))) s.chop(1);
  return s;
}

QString WithoutBlanksAround(QString s)
{
  while (s.startsWith(QLatin1Char(' '))) s.remove(0, 1);
  return WithoutTrailingBlanks(s);
}

// The paragraph cut where a line may start (after a word and its blanks,
// between two Japanese characters, ...).
QStringList Pieces(const QString& paragraph)
{
  QStringList pieces;
  QTextBoundaryFinder finder(QTextBoundaryFinder::Line, paragraph);
  qsizetype start = 0;
  for (qsizetype at = finder.toNextBoundary(); at != -1; at = finder.toNextBoundary()) {
    if (at <= start || at >= paragraph.size()) continue;
    if (!(finder.boundaryReasons() & QTextBoundaryFinder::BreakOpportunity)) continue;
    // Not inside a name or a word joined by a hyphen ("Vorn-V18").
    if (at >= 2 && paragraph[at - 1] == QLatin1Char('-') && paragraph[at - 2].isLetterOrNumber()) continue;
    pieces << paragraph.mid(start, at - start);
    start = at;
  }
  pieces << paragraph.mid(start);
  return pieces;
}

// Each line filled with as many pieces as fit `width`.
QStringList Fill(const QStringList& pieces, const QFontMetricsF& metrics, double width)
{
  QStringList lines;
  QString line;
  for (const QString& piece : pieces) {
    const QString longer = line + piece;
    if (line.isEmpty() || metrics.horizontalAdvance(WithoutTrailingBlanks(longer)) <= width) {
      line = longer;
    } else {
      lines << WithoutTrailingBlanks(line);
      line = piece;
    }
  }
  lines << WithoutTrailingBlanks(line);
  return lines;
}

}  // namespace

QStringList EvenLines(const QString& paragraph, const QFontMetricsF& metrics, double width)
{
  if (metrics.horizontalAdvance(paragraph) <= width) return {paragraph};
  const QStringList pieces = Pieces(paragraph);
  const qsizetype count = Fill(pieces, metrics, width).size();
  if (count <= 1) return {paragraph};
  // The narrowest width that still takes no more lines: the lines come out
  // about equally long. Fewer lines never come from a narrower width.
  double fits = width;
  double tooNarrow = 0.0;
  while (fits - tooNarrow > 0.5) {
    const double middle = (fits + tooNarrow) / 2.0;
    if (Fill(pieces, metrics, middle).size() <= count) {
      fits = middle;
    } else {
      tooNarrow = middle;
    }
  }
  return Fill(pieces, metrics, fits);
}

QString EvenText(const QString& text, const QFontMetricsF& metrics, double width)
{
  QStringList lines;
  for (const QString& paragraph : text.split(QLatin1Char('\n'))) lines << EvenLines(paragraph, metrics, width);
  return lines.join(QLatin1Char('\n'));
}

QString ButtonCaptionText(const QString& caption, const QFontMetricsF& metrics, double width, double height)
{
  static const QRegularExpression kLineBreakBlanks(QStringLiteral(" {3,}"));
  const QString inner = WithoutBlanksAround(caption);
  QStringList lines;
  for (const QString& part : inner.split(kLineBreakBlanks)) lines << EvenLines(part, metrics, width);
  // Not high enough for the lines the blanks ask for: they stay blanks.
  if (lines.size() > 1 && static_cast<double>(lines.size()) * metrics.lineSpacing() > height) {
    lines = EvenLines(inner, metrics, width);
  }
  if (lines.size() <= 1) return caption;
  return lines.join(QLatin1Char('\n'));
}

}  // namespace vorn::qt
