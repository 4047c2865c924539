#include "platform/qt/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QPalette>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>

#include "platform/qt/fonts.h"
#include "platform/qt/key_map.h"
#include "platform/qt/painting.h"
#include "platform/qt/window_placement.h"
#include "platform/ui/application.h"
#include "platform/ui/keys.h"

namespace vorn::qt {

namespace {

constexpr double kPixelsPerTwip = 1.0 / ui::kTwipsPerPixel;

int Pixels(double twips) { return static_cast<int>(std::lround(twips * kPixelsPerTwip)); }

// A frame that the desktop has not drawn yet is taken to be about as large as
// a common title bar and border.
const QMargins kGuessedFrame(4, 36, 4, 4);

QMargins FrameOf(const QWidget& window)
{
  const QRect frame = window.frameGeometry();
  const QRect inside = window.geometry();
  return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
          frame.bottom() - inside.bottom()};
}

// The border of a picture box lies inside its widget; its controls start within.
double InsetOf(const ui::Container& container)
{
  const auto* picture = dynamic_cast<const ui::PictureBox*>(&container);
  return picture != nullptr && picture->BorderStyle() == ui::BorderStyle::FixedSingle ? 2.0 : 0.0;
}

}  // namespace

// While the window applies the model's changes, what the widgets report is
// the model's own doing and must not go back to it.
class FormWindow::ApplyScope {
public:
  explicit ApplyScope(FormWindow& window) : window_(window) { ++window_.applying_; }
  ~ApplyScope() { --window_.applying_; }
  ApplyScope(const ApplyScope&) = delete;
  ApplyScope& operator=(const ApplyScope&) = delete;

private:
  FormWindow& window_;
};

FormWindow::FormWindow(ui::Form& form)
    : QWidget(nullptr), form_(&form), scroll_(new QScrollArea(this)), surface_(new QWidget)
{
  setObjectName(QString::fromStdString(form.Name()));
  // The form's size is fixed: a maximize button would do nothing.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setAutoFillBackground(true);
  surface_->setObjectName(QStringLiteral("surface"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setFocusPolicy(Qt::NoFocus);
  scroll_->setWidget(surface_);  // scroll bars appear only where the screen cuts the form off
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);
  const ApplyScope scope(*this);
  building_ = true;
  Build(form, surface_);
  for (ControlView* view : order_) view->ApplyAll();
  // Lines, shapes and labels lie under boxes and buttons, as on the old desktop.
  for (auto it = order_.rbegin(); it != order_.rend(); ++it)
    if ((*it)->Graphical()) (*it)->Widget()->lower();
  building_ = false;
  ApplyTabOrder();
  for (const ui::Prop p : {ui::Prop::Caption, ui::Prop::Geometry, ui::Prop::BackColor}) FormChanged(p);
  setFont(ScreenFont(form.Font()));
  if (ui::Control* active = form.ActiveControl()) FocusChanged(active);
}

FormWindow::~FormWindow()
{
  ++applying_;  // nothing reaches the model from here on
  for (ControlView* view : order_) view->Forget();
  for (QWidget* child : findChildren<QWidget*>()) child->removeEventFilter(this);
  // The control widgets go before the views their signals call.
  delete scroll_;
}

void FormWindow::Build(const ui::Container& container, QWidget* parent)
{
  for (ui::Control* control : container.Children()) {
    std::unique_ptr<ControlView> view = MakeView(*this, *control, parent);
    ControlView* v = view.get();
    for (QWidget* input : v->InputWidgets()) {
      input->installEventFilter(this);
      byWidget_.insert(input, v);
    }
    order_.push_back(v);
    views_.emplace(control, std::move(view));
    if (const auto* inner = dynamic_cast<const ui::Container*>(control)) Build(*inner, v->Widget());
  }
}

ControlView* FormWindow::ViewOf(const ui::Control& control) const
{
  const auto it = views_.find(&control);
  return it == views_.end() ? nullptr : it->second.get();
}

QWidget* FormWindow::WidgetOf(const ui::Control& control) const
{
  const ControlView* view = ViewOf(control);
  return view != nullptr ? view->Widget() : nullptr;
}

QWidget* FormWindow::ContainerWidget(const ui::Container& container) const
{
  if (const auto* control = dynamic_cast<const ui::Control*>(&container)) return WidgetOf(*control);
  return surface_;
}

void FormWindow::FormChanged(ui::Prop what)
{
  if (form_ == nullptr) return;
  const ApplyScope scope(*this);
  switch (what) {
    case ui::Prop::Caption: setWindowTitle(QString::fromStdString(form_->Caption())); break;
    case ui::Prop::Geometry:
      surface_->setFixedSize(Pixels(form_->Width()), Pixels(form_->Height()));
      Fit();
      if (form_->HasPosition()) {
        const QPoint wanted(Pixels(form_->Left()), Pixels(form_->Top()));
        const QScreen* screen = TargetScreen();
        move(screen != nullptr ? KeepInside(wanted, size().grownBy(FrameMargins()), screen->availableGeometry())
                               : wanted);
      }
      break;
    case ui::Prop::BackColor: {
      QPalette p = palette();
      p.setColor(QPalette::Window, ToQColor(form_->BackColor()));
      setPalette(p);
      break;
    }
    case ui::Prop::Font:
      setFont(ScreenFont(form_->Font()));
      ApplyFontsInside(*form_);
      break;
    case ui::Prop::Visible:
      if (form_->Visible()) {
        if (!shownBefore_) {
          shownBefore_ = true;
          Fit();
          PlaceOnFirstShow();
        }
        show();
        if (ui::Control* active = form_->ActiveControl()) FocusChanged(active);
      } else {
        hide();
      }
      break;
    case ui::Prop::Front:
      raise();
      activateWindow();
      break;
    default: break;
  }
}

void FormWindow::ControlChanged(ui::Control& control, ui::Prop what)
{
  ControlView* view = ViewOf(control);
  if (view == nullptr || view->Control() == nullptr) return;
  const ApplyScope scope(*this);
  view->Apply(what);
}

void FormWindow::FocusChanged(ui::Control* now)
{
  const ApplyScope scope(*this);
  if (now == nullptr) {
    if (QWidget* focused = focusWidget()) focused->clearFocus();
    return;
  }
  ControlView* view = ViewOf(*now);
  QWidget* w = view != nullptr ? view->Widget() : nullptr;
  if (w == nullptr) return;
  // The program moved the focus (an Enter chain, a dialog's first box): the
  // box's text is selected, so that typing replaces it, as after Tab. A click
  // or Tab has moved Qt's focus already and placed the cursor itself.
  const bool fromProgram = !w->hasFocus();
  w->setFocus(Qt::OtherFocusReason);
  if (fromProgram) view->FocusArrived();
  scroll_->ensureWidgetVisible(w);
}

void FormWindow::ControlDestroyed(ui::Control& control)
{
  ControlView* view = ViewOf(control);
  if (view == nullptr) return;
  for (QWidget* input : view->InputWidgets()) byWidget_.remove(input);
  view->Forget();
  view->Widget()->hide();
  // The view stays until the window goes: its widget's signals still name it.
}

void FormWindow::Detach()
{
  form_ = nullptr;
  for (ControlView* view : order_) view->Forget();
  byWidget_.clear();
  hide();
}

void FormWindow::User(const ControlView& view, const std::function<void()>& action)
{
  if (Applying() || form_ == nullptr || view.Control() == nullptr || !view.Control()->Usable()) return;
  try {
    form_->App().RunWindowEvent(action);
  } catch (const std::exception& e) {
    // The model reports its own errors (Application::RunEvent); this is a
    // fault of the binding, which must not unwind through Qt.
    qWarning("vorn: %s", e.what());
  }
}

QPointF FormWindow::ContainerPoint(const ui::Container& container, ui::Point p) const
{
  const ui::Point t = container.ChildScale().ToTwips(p);
  const double inset = InsetOf(container);
  return {t.x * kPixelsPerTwip + inset, t.y * kPixelsPerTwip + inset};
}

QRect FormWindow::PlaceRect(const ui::Control& control) const
{
  const ui::Container& parent = control.Parent();
  const QPointF topLeft = ContainerPoint(parent, {control.Left(), control.Top()});
  const ui::UserScale scale = parent.ChildScale();
  const double w = control.Width() * scale.TwipsPerUnitX() * kPixelsPerTwip;
  const double h = control.Height() * scale.TwipsPerUnitY() * kPixelsPerTwip;
  return {static_cast<int>(std::lround(topLeft.x())), static_cast<int>(std::lround(topLeft.y())),
          static_cast<int>(std::lround(w)), static_cast<int>(std::lround(h))};
}

ui::Point FormWindow::PicturePoint(const ui::PictureBox& picture, QPointF px) const
{
  const double inset = InsetOf(picture);
  return picture.CurrentScale().FromTwips({(px.x() - inset) * ui::kTwipsPerPixel, (px.y() - inset) * ui::kTwipsPerPixel});
}

void FormWindow::PlaceInside(const ui::Container& container)
{
  for (ui::Control* child : container.Children()) {
    if (ControlView* view = ViewOf(*child); view != nullptr && view->Control() != nullptr) {
      view->Apply(ui::Prop::Geometry);
      if (const auto* inner = dynamic_cast<const ui::Container*>(child)) PlaceInside(*inner);
    }
  }
}

void FormWindow::ApplyFontsInside(const ui::Container& container)
{
  for (ui::Control* child : container.Children()) {
    if (ControlView* view = ViewOf(*child); view != nullptr && view->Control() != nullptr) {
      view->Apply(ui::Prop::Font);
      if (const auto* inner = dynamic_cast<const ui::Container*>(child)) ApplyFontsInside(*inner);
    }
  }
}

void FormWindow::TabOrderChanged()
{
  if (!building_) ApplyTabOrder();
}

void FormWindow::ApplyTabOrder()
{
  std::vector<std::pair<int, std::size_t>> keys;
  for (std::size_t i = 0; i < order_.size(); ++i) {
    const ui::Control* c = order_[i]->Control();
    if (c != nullptr && c->TakesFocus()) keys.emplace_back(c->TabIndex(), i);
  }
  std::sort(keys.begin(), keys.end());
  for (std::size_t k = 1; k < keys.size(); ++k)
    QWidget::setTabOrder(order_[keys[k - 1].second]->Widget(), order_[keys[k].second]->Widget());
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
  const auto it = byWidget_.constFind(watched);
  if (it == byWidget_.constEnd() || form_ == nullptr) return QWidget::eventFilter(watched, event);
  ControlView* view = it.value();
  ui::Control* control = view->Control();
  if (control == nullptr) return false;
  switch (event->type()) {
    case QEvent::FocusIn:
      if (control->TakesFocus() && !control->HasFocus()) User(*view, [control] { control->UserFocus(); });
      return false;
    case QEvent::KeyPress:
      // A key a child widget passed on to its parent (a combo's edit line) was seen already.
      if (Applying() || watched != QApplication::focusWidget()) return false;
      return view->Key(static_cast<QKeyEvent*>(event));
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      if (Applying()) return false;
      return view->Mouse(static_cast<QMouseEvent*>(event));
    default: return false;
  }
}

QMargins FormWindow::FrameMargins() const
{
  if (isVisible()) {
    if (const QMargins own = FrameOf(*this); !own.isNull()) return own;
  }
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (dynamic_cast<FormWindow*>(w) == nullptr || !w->isVisible()) continue;
    if (const QMargins other = FrameOf(*w); !other.isNull()) return other;
  }
  return kGuessedFrame;
}

FormWindow* FormWindow::OwnerWindow() const
{
  // The window the user was in when this one opened: the program's front
  // window (this one is not in front before it is shown).
  const ui::Form* front = form_ != nullptr ? form_->App().FrontForm() : nullptr;
  if (front == nullptr || front == form_) return nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* window = dynamic_cast<FormWindow*>(w);
    if (window != nullptr && window->Form() == front && window->isVisible()) return window;
  }
  return nullptr;
}

QScreen* FormWindow::TargetScreen() const
{
  if (isVisible()) return screen();
  if (form_ != nullptr && form_->HasPosition()) {
    if (QScreen* at = QGuiApplication::screenAt(QPoint(Pixels(form_->Left()), Pixels(form_->Top())))) return at;
  }
  if (const FormWindow* owner = OwnerWindow()) return owner->screen();
  return QGuiApplication::primaryScreen();
}

void FormWindow::Fit()
{
  const QSize content = surface_->size();
  const QScreen* screen = TargetScreen();
  if (screen == nullptr) {
    setFixedSize(content);
    return;
  }
  const QMargins frame = FrameMargins();
  const QRect area = screen->availableGeometry();
  const QSize room(area.width() - frame.left() - frame.right(), area.height() - frame.top() - frame.bottom());
  const int bar = scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
  setFixedSize(FittedSize(content, room, bar));
}

void FormWindow::PlaceOnFirstShow()
{
  const QScreen* screen = TargetScreen();
  if (form_ == nullptr || screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize frame = size().grownBy(FrameMargins());
  if (form_->HasPosition()) {
    move(KeepInside(QPoint(Pixels(form_->Left()), Pixels(form_->Top())), frame, area));
  } else if (const FormWindow* owner = OwnerWindow()) {
    QRect ownerFrame = owner->frameGeometry();
    if (FrameOf(*owner).isNull()) ownerFrame = owner->geometry().marginsAdded(FrameMargins());
    move(PlaceBeside(ownerFrame, frame, area));
  } else {
    // A program's first window: at the screen's top left corner, as the old
    // desktop placed windows, leaving the room beside it to the windows it
    // opens (a desktop's own placement may leave part of it beyond the edge).
    move(area.topLeft());
  }
}

void FormWindow::closeEvent(QCloseEvent* event)
{
  if (form_ == nullptr || !form_->Shown()) {
    event->accept();
    return;
  }
  // The model decides: its Unload hides this window, QueryUnload may keep it.
  event->ignore();
  try {
    form_->App().RunWindowEvent([this] { form_->UserClose(); });
  } catch (const std::exception& e) {
    qWarning("vorn: %s", e.what());
  }
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
  // Keys go to the focused widget first. One that a control's widget left
  // unused climbs up here after the model had it (the form's key preview and
  // the control's KeyDown, in the event filter): it must not count twice.
  // Only keys pressed while no control holds the focus are the form's own.
  QWidget* focused = QApplication::focusWidget();
  const bool fromControl = focused != nullptr && focused != this && byWidget_.contains(focused);
  const int code = VbKeyCode(event->key(), event->modifiers());
  if (form_ == nullptr || !form_->Shown() || fromControl || code == 0 || code == ui::vbKeyTab) {
    QWidget::keyPressEvent(event);
    return;
  }
  try {
    form_->App().RunWindowEvent([this, code, event] { form_->UserKeyDown(code, VbShift(event->modifiers())); });
  } catch (const std::exception& e) {
    qWarning("vorn: %s", e.what());
  }
}

void FormWindow::moveEvent(QMoveEvent* event)
{
  QWidget::moveEvent(event);
  if (form_ == nullptr || !isVisible()) return;
  // Where the desktop put the window (or the user dragged it) becomes the
  // form's Left and Top, so that windows placed beside it land beside it.
  const QPoint at = pos();  // the frame's top-left corner, as Left and Top
  if (form_->HasPosition() && at == QPoint(Pixels(form_->Left()), Pixels(form_->Top()))) return;
  form_->DesktopMoved(at.x() * ui::kTwipsPerPixel, at.y() * ui::kTwipsPerPixel);
}

}  // namespace vorn::qt
