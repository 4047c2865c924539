// Widgets for the controls that Qt has no widget for: picture boxes painted
// from their display lists, line controls and shapes.
#pragma once

#include <QFrame>
#include <QPen>
#include <QWidget>

#include "platform/ui/line_shape.h"
#include "platform/ui/picture_box.h"

namespace vorn::qt {

// Paints a picture box's display list inside a sunken 2-pixel border. Its
// setters only schedule a repaint: everything is drawn from the model.
class PictureWidget final : public QFrame {
public:
  PictureWidget(ui::PictureBox& picture, QWidget* parent);
  void Forget() { picture_ = nullptr; }
  void ApplyBorder();

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  ui::PictureBox* picture_;
};

// A straight line between two points of its parent; passes the mouse through.
class LineWidget final : public QWidget {
public:
  explicit LineWidget(QWidget* parent);
  // Ends in the parent's pixels.
  void Set(QPointF from, QPointF to, QPen pen);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QPointF from_;
  QPointF to_;
  QPen pen_;
};

class ShapeWidget final : public QWidget {
public:
  ShapeWidget(ui::Shape& shape, QWidget* parent);
  void Forget() { shape_ = nullptr; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  ui::Shape* shape_;
};

}  // namespace vorn::qt
