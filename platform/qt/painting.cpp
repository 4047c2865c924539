#include "platform/qt/painting.h"

#include <cmath>
#include <variant>

#include <QBrush>
#include <QFontMetricsF>
#include <QRectF>

#include "platform/qt/fonts.h"

namespace vorn::qt {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kDegreesPerRadian = 57.29577951308232;

QBrush ToBrush(const std::optional<ui::Fill>& fill)
{
  if (!fill) return Qt::NoBrush;
  return QBrush(ToQColor(fill->color), ToBrushStyle(fill->style));
}

class ItemPainter {
public:
  ItemPainter(QPainter& painter, const DeviceMap& map) : p_(painter), map_(map) {}

  void operator()(const ui::TextItem& item) const
  {
    const QFont font = map_.printer ? PrinterFont(item.font) : ScreenFont(item.font);
    p_.setFont(font);
    p_.setPen(ToQColor(item.color));
    const QFontMetricsF metrics(font, p_.device());
    const QPointF topLeft = map_.Map(item.scale, item.at);
    p_.drawText(topLeft + QPointF(0.0, metrics.ascent()), QString::fromStdString(item.text));
  }

  void operator()(const ui::LineItem& item) const
  {
    p_.setPen(ToQPen(item.pen));
    p_.drawLine(map_.Map(item.scale, item.from), map_.Map(item.scale, item.to));
  }

  void operator()(const ui::BoxItem& item) const
  {
    p_.setPen(ToQPen(item.pen));
    p_.setBrush(ToBrush(item.fill));
    p_.drawRect(QRectF(map_.Map(item.scale, item.from), map_.Map(item.scale, item.to)).normalized());
    p_.setBrush(Qt::NoBrush);
  }

  void operator()(const ui::PointItem& item) const
  {
    const QPointF at = map_.Map(item.scale, item.at);
    if (item.width <= 1) {
      p_.setPen(QPen(ToQColor(item.color), 1));
      p_.drawPoint(at);
      return;
    }
    const double r = item.width / 2.0;
    p_.setPen(Qt::NoPen);
    p_.setBrush(ToQColor(item.color));
    p_.drawEllipse(at, r, r);
    p_.setBrush(Qt::NoBrush);
  }

  void operator()(const ui::ArcItem& item) const
  {
    const QPointF c = map_.Map(item.scale, item.centre);
    const ui::Size axes = item.SemiAxesTwips();
    const double rx = axes.width * map_.pixelsPerTwip;
    const double ry = axes.height * map_.pixelsPerTwip;
    const QRectF box(c.x() - rx, c.y() - ry, 2.0 * rx, 2.0 * ry);
    p_.setPen(ToQPen(item.pen));
    p_.setBrush(ToBrush(item.fill));
    if (!item.start && !item.end) {
      p_.drawEllipse(box);
    } else {
      // Counter-clockwise from the start to the end, as the old runtime drew.
      const double a0 = item.start.value_or(0.0);
      double span = item.end.value_or(kTwoPi) - a0;
      if (span <= 0.0) span += kTwoPi;
      const int start16 = static_cast<int>(std::lround(a0 * kDegreesPerRadian * 16.0));
      const int span16 = static_cast<int>(std::lround(span * kDegreesPerRadian * 16.0));
      if (item.fill && item.radiusToStart && item.radiusToEnd) {
        p_.drawPie(box, start16, span16);
      } else {
        p_.drawArc(box, start16, span16);
        auto rim = [&](double a) { return QPointF(c.x() + rx * std::cos(a), c.y() - ry * std::sin(a)); };
        if (item.radiusToStart) p_.drawLine(c, rim(a0));
        if (item.radiusToEnd) p_.drawLine(c, rim(a0 + span));
      }
    }
    p_.setBrush(Qt::NoBrush);
  }

private:
  QPainter& p_;
  const DeviceMap& map_;
};

}  // namespace

QColor ToQColor(ui::Color c) { return QColor(c.r, c.g, c.b); }

Qt::BrushStyle ToBrushStyle(ui::FillStyle style)
{
  switch (style) {
    case ui::FillStyle::Solid: return Qt::SolidPattern;
    case ui::FillStyle::Transparent: return Qt::NoBrush;
    case ui::FillStyle::HorizontalLine: return Qt::HorPattern;
    case ui::FillStyle::VerticalLine: return Qt::VerPattern;
    case ui::FillStyle::UpwardDiagonal: return Qt::BDiagPattern;
    case ui::FillStyle::DownwardDiagonal: return Qt::FDiagPattern;
    case ui::FillStyle::Cross: return Qt::CrossPattern;
    case ui::FillStyle::DiagonalCross: return Qt::DiagCrossPattern;
  }
  return Qt::NoBrush;
}


QPen ToQPen(const ui::Pen& pen)
{
  QPen q(ToQColor(pen.color));
  q.setWidth(pen.width);
  q.setCapStyle(Qt::RoundCap);
  q.setJoinStyle(Qt::RoundJoin);
  switch (pen.style) {
    case ui::DrawStyle::Solid:
    case ui::DrawStyle::InsideSolid: q.setStyle(Qt::SolidLine); break;
    case ui::DrawStyle::Dash: q.setStyle(Qt::DashLine); break;
    case ui::DrawStyle::Dot: q.setStyle(Qt::DotLine); break;
    case ui::DrawStyle::DashDot: q.setStyle(Qt::DashDotLine); break;
    case ui::DrawStyle::DashDotDot: q.setStyle(Qt::DashDotDotLine); break;
    case ui::DrawStyle::Transparent: q.setStyle(Qt::NoPen); break;
  }
  return q;
}

void PaintItems(QPainter& painter, const ui::DisplayList& items, const DeviceMap& map)
{
  const ItemPainter paint(painter, map);
  for (const ui::DrawItem& item : items) std::visit(paint, item);
}

}  // namespace vorn::qt
