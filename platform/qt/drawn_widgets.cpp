#include "platform/qt/drawn_widgets.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "platform/qt/painting.h"

namespace vorn::qt {

// ---------------------------------------------------------------- PictureWidget

PictureWidget::PictureWidget(ui::PictureBox& picture, QWidget* parent) : QFrame(parent), picture_(&picture)
{
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAutoFillBackground(true);
  ApplyBorder();
}

void PictureWidget::ApplyBorder()
{
  if (picture_ != nullptr && picture_->BorderStyle() == ui::BorderStyle::FixedSingle) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
  } else {
    setFrameStyle(QFrame::NoFrame);
    setLineWidth(0);
  }
}

void PictureWidget::paintEvent(QPaintEvent* event)
{
  QFrame::paintEvent(event);
  if (picture_ == nullptr) return;
  QPainter painter(this);
  painter.setClipRect(contentsRect());
  PaintItems(painter, picture_->Items(), DeviceMap{1.0 / 15.0, QPointF(contentsRect().topLeft()), false});
}

// ---------------------------------------------------------------- LineWidget

LineWidget::LineWidget(QWidget* parent) : QWidget(parent)
{
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void LineWidget::Set(QPointF from, QPointF to, QPen pen)
{
  // The widget covers the line and its pen, so that no neighbour is hidden.
  const double margin = pen.widthF() / 2.0 + 1.0;
  const QRectF box = QRectF(from, to).normalized().adjusted(-margin, -margin, margin, margin);
  const QRect covered = box.toAlignedRect();
  from_ = from - QPointF(covered.topLeft());
  to_ = to - QPointF(covered.topLeft());
  pen_ = pen;
  setGeometry(covered);
  update();
}

void LineWidget::paintEvent(QPaintEvent*)
{
  QPainter painter(this);
  painter.setPen(pen_);
  painter.drawLine(from_, to_);
}

// ---------------------------------------------------------------- ShapeWidget

ShapeWidget::ShapeWidget(ui::Shape& shape, QWidget* parent) : QWidget(parent), shape_(&shape)
{
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
  if (shape_ == nullptr) return;
  QPainter painter(this);
  const double half = shape_->BorderWidth() / 2.0;
  QRectF box = QRectF(rect()).adjusted(half, half, -half, -half);
  const ui::ShapeType type = shape_->Type();
  if (type == ui::ShapeType::Square || type == ui::ShapeType::Circle || type == ui::ShapeType::RoundedSquare) {
    const double side = std::min(box.width(), box.height());
    box = QRectF(box.center().x() - side / 2.0, box.center().y() - side / 2.0, side, side);
  }
  auto draw = [&] {
    switch (type) {
      case ui::ShapeType::Rectangle:
      case ui::ShapeType::Square: painter.drawRect(box); break;
      case ui::ShapeType::Oval:
      case ui::ShapeType::Circle: painter.drawEllipse(box); break;
      case ui::ShapeType::RoundedRectangle:
      case ui::ShapeType::RoundedSquare: {
        const double r = std::min(box.width(), box.height()) / 8.0;
        painter.drawRoundedRect(box, r, r);
        break;
      }
    }
  };
  painter.setPen(Qt::NoPen);
  if (shape_->Opaque()) {
    painter.setBrush(ToQColor(shape_->BackColor()));
    draw();
  }
  if (shape_->FillStyle() != ui::FillStyle::Transparent) {
    painter.setBrush(QBrush(ToQColor(shape_->FillColor()), ToBrushStyle(shape_->FillStyle())));
    draw();
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(ToQPen(ui::Pen{shape_->BorderColor(), shape_->BorderWidth(), shape_->BorderStyle()}));
  draw();
}

}  // namespace vorn::qt
