// Paints a display list (picture box or printed page) with QPainter.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPointF>

#include "platform/ui/display_list.h"

namespace vorn::qt {

// How twips of the drawing area land on the device.
struct DeviceMap {
  double pixelsPerTwip = 1.0 / 15.0;  // a screen; a printer: dots per inch / 1440
  QPointF origin;                     // the drawing area's top-left corner on the device
  bool printer = false;               // fonts sized in points (printer) or pixels (screen)

  QPointF Map(const ui::UserScale& scale, ui::Point p) const
  {
    const ui::Point t = scale.ToTwips(p);
    return origin + QPointF(t.x * pixelsPerTwip, t.y * pixelsPerTwip);
  }
};

QColor ToQColor(ui::Color c);
Qt::BrushStyle ToBrushStyle(ui::FillStyle style);
// A pen of the old runtime: width in device pixels (printer dots), round ends.
QPen ToQPen(const ui::Pen& pen);

void PaintItems(QPainter& painter, const ui::DisplayList& items, const DeviceMap& map);

}  // namespace vorn::qt
