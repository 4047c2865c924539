// One generic binder per control kind: makes the kind's widget, keeps it in
// step with the model (model -> widget on every change notice) and reports
// what the user does to the model (widget -> model).
#pragma once

#include <memory>
#include <vector>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/ui/control.h"

namespace vorn::qt {

class FormWindow;

class ControlView {
public:
  ControlView(FormWindow& window, ui::Control& control, QWidget* widget);
  virtual ~ControlView() = default;
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  // Null once the model control is gone.
  ui::Control* Control() const { return control_; }
  QWidget* Widget() const { return widget_; }
  // The widgets that take keys and focus for the control (a combo box's edit line too).
  virtual std::vector<QWidget*> InputWidgets() const { return {widget_}; }
  // Graphical controls lie under the windowed ones, as on the old desktop.
  virtual bool Graphical() const { return false; }

  // Model -> widget.
  void ApplyAll();
  virtual void Apply(ui::Prop what);
  virtual void Forget();

  // The program moved the focus here (not a click or Tab).
  virtual void FocusArrived() {}

  // Widget -> model, from the window's event filter; true consumes the event.
  bool Key(QKeyEvent* event);
  virtual bool Mouse(QMouseEvent*) { return false; }

protected:
  // After the model's KeyDown, with the focus still here: the kind's own use of
  // the key (a command button is pressed by Enter). True consumes the key.
  virtual bool KeyAfterModel(int) { return false; }
  void ApplyGeometry();
  void ApplyFont();
  void ApplyColors();

  FormWindow& window_;
  ui::Control* control_;
  QWidget* widget_;
};

std::unique_ptr<ControlView> MakeView(FormWindow& window, ui::Control& control, QWidget* parent);

}  // namespace vorn::qt
