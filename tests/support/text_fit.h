// Whether the texts of a real window fit their controls in the fonts the
// desktop actually draws them with: each caption's width and height against
// the room its widget gives it.
#pragma once

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/qt/form_window.h"
#include "platform/ui/form.h"

namespace vorn::testing {

struct TextFit {
  std::string control;
  QString text;
  int need = 0;
  int have = 0;
  int needHeight = 0;
  int haveHeight = 0;
  bool Fits() const { return need <= have && needHeight <= haveHeight; }
};

// The caption of a label, button or check box.
inline std::vector<TextFit> WidgetTextFits(QWidget* widget, const std::string& name)
{
  std::vector<TextFit> fits;
  const QFontMetrics fm(widget->font());
  auto add = [&](const QString& text, int margin, int have, int haveHeight) {
    if (!text.trimmed().isEmpty())
      fits.push_back({name, text, fm.horizontalAdvance(text) + margin, have, fm.height(), haveHeight});
  };
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    // What must fit a label is its glyphs' ink (a CJK font's line is far
    // taller than its glyphs).
    const QString text = label->text();
    if (!text.trimmed().isEmpty()) {
      QPainterPath outline;
      outline.addText(0.0, 0.0, label->font(), text);
      const QRectF ink = outline.boundingRect();
      // Centred by its advance, the ink fits where neither end leaves the label.
      const double advance = fm.horizontalAdvance(text);
      const bool centred = (label->alignment() & Qt::AlignHCenter) != 0;
      const double width = centred ? std::max(advance - 2.0 * ink.left(), 2.0 * ink.right() - advance) : ink.right();
      // Down: the line from the top, or centred (a label's single line is).
      const double height = label->contentsRect().height();
      const double top = (label->alignment() & Qt::AlignVCenter) != 0 ? (height - fm.height()) / 2.0 : 0.0;
      const double inkTop = top + fm.ascent() + ink.top();
      const double inkBottom = top + fm.ascent() + ink.bottom();
      // (A glyph's edge less than half a pixel over shows no difference.)
      fits.push_back({name, text, static_cast<int>(std::lround(width)), label->contentsRect().width(),
                      static_cast<int>(std::lround(std::max(inkBottom, height - inkTop))), static_cast<int>(height)});
    }
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    const QStyle* style = button->style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) / 2 +
                             style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    add(button->text(), margins, button->width(), button->height() - 2);
  } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
    QStyleOptionButton option;  // the room beside the box
    option.initFrom(check);
    option.text = check->text();
    add(check->text(), 0, check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width(),
        check->height());
  }
  return fits;
}

// A text as a message box or label shows it, broken into lines where it was
// too wide, with its line breaks and blanks left out: the same words as the
// text given to it.
inline QString WordsOf(QString shown) { return shown.remove(QLatin1Char('\n')).remove(QLatin1Char(' ')); }

// Every visible control's caption of a shown form; returns how many were measured.
inline int ExpectCaptionsFit(const qt::FormWindow& window, const ui::Container& container, const std::string& tag)
{
  int measured = 0;
  for (ui::Control* control : container.Children()) {
    if (!control->Visible()) continue;
    if (QWidget* widget = window.WidgetOf(*control)) {
      for (const TextFit& fit : WidgetTextFits(widget, control->Name())) {
        ++measured;
        EXPECT_TRUE(fit.Fits()) << tag << " " << fit.control << " \"" << fit.text.toStdString() << "\" needs "
                                << fit.need << " x " << fit.needHeight << " px, has " << fit.have << " x "
                                << fit.haveHeight;
      }
    }
    if (const auto* inner = dynamic_cast<const ui::Container*>(control)) measured += ExpectCaptionsFit(window, *inner, tag);
  }
  return measured;
}

}  // namespace vorn::testing
