// The window of one form: a QWidget at the form's size (15 twips a pixel)
// holding one widget per control, kept in step with the model. A window
// keeps inside the available area of its screen: one larger than that shows
// the form in a scrolled area. Its size is fixed, so it offers no maximize
// button.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include <QHash>
#include <QMargins>
#include <QWidget>

#include "platform/qt/control_views.h"
#include "platform/ui/form.h"
#include "platform/ui/picture_box.h"

class QScreen;
class QScrollArea;

namespace vorn::qt {

class FormWindow final : public QWidget {
public:
  explicit FormWindow(ui::Form& form);
  ~FormWindow() override;

  ui::Form* Form() const { return form_; }
  // The widget of a control (null for none), for tests and screenshots.
  QWidget* WidgetOf(const ui::Control& control) const;

  // ---- model -> widgets ----
  void FormChanged(ui::Prop what);
  void ControlChanged(ui::Control& control, ui::Prop what);
  void FocusChanged(ui::Control* now);
  void ControlDestroyed(ui::Control& control);
  // The form object is gone: the window only waits to be deleted.
  void Detach();

  // ---- for the control views ----
  // Runs a user action on the model unless the window is applying the model's
  // own changes (so nothing echoes back) or the control cannot be used. An
  // exception escaping the model (it should not) is reported and stopped
  // here: it must not unwind through Qt.
  void User(const ControlView& view, const std::function<void()>& action);
  bool Applying() const { return applying_ > 0; }
  // Places in pixels of the container's widget.
  QRect PlaceRect(const ui::Control& control) const;
  QPointF ContainerPoint(const ui::Container& container, ui::Point p) const;
  // A point of a picture widget in the picture's scale.
  ui::Point PicturePoint(const ui::PictureBox& picture, QPointF widgetPixels) const;
  // Places again the controls inside a picture whose scale or size changed.
  void PlaceInside(const ui::Container& container);
  void ApplyFontsInside(const ui::Container& container);
  void TabOrderChanged();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

private:
  class ApplyScope;
  void Build(const ui::Container& container, QWidget* parent);
  ControlView* ViewOf(const ui::Control& control) const;
  QWidget* ContainerWidget(const ui::Container& container) const;
  void ApplyTabOrder();
  // The window at its fitted size on the screen it is on or goes to.
  void Fit();
  // Where the window goes when it is first shown: inside its screen, beside
  // the window it belongs to when the form has no place of its own, at the
  // screen's top left when it belongs to none (a program's first window).
  void PlaceOnFirstShow();
  FormWindow* OwnerWindow() const;
  QScreen* TargetScreen() const;
  // The frame around the inside: this window's own once the desktop has
  // framed it, else one of the program's framed windows', else a guess.
  QMargins FrameMargins() const;

  ui::Form* form_;
  QScrollArea* scroll_;
  QWidget* surface_;  // the form's inside, the controls' parent
  bool shownBefore_ = false;
  std::map<const ui::Control*, std::unique_ptr<ControlView>> views_;
  std::vector<ControlView*> order_;  // creation order
  QHash<QObject*, ControlView*> byWidget_;
  int applying_ = 0;
  bool building_ = false;
};

}  // namespace vorn::qt
