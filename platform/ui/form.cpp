#include "platform/ui/form.h"

#include <cmath>
#include <optional>
#include <stdexcept>

#include "platform/ui/application.h"
#include "platform/ui/buttons.h"
#include "platform/ui/keys.h"

namespace vorn::ui {

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)) { app_.Register(*this); }

Form::~Form() { app_.Unregister(*this); }

void Form::Notify(Prop what)
{
  if (WindowBinding* binding = app_.Binding()) binding->FormChanged(*this, what);
}

void Form::NotifyControl(Control& control, Prop what)
{
  if (WindowBinding* binding = app_.Binding()) binding->ControlChanged(control, what);
}

void Form::SetCaption(std::string caption)
{
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Notify(Prop::Caption);
}

void Form::Move(double left, double top)
{
  if (!std::isfinite(left) || !std::isfinite(top)) throw std::invalid_argument(name_ + ": a position must be finite");
  left_ = left;
  top_ = top;
  positioned_ = true;
  Notify(Prop::Geometry);
}

void Form::Move(double left, double top, double width, double height)
{
  SetSize(width, height);
  Move(left, top);
}

void Form::MoveBeside(const Form& other)
{
  if (!other.HasPosition()) return;
  // Room for the two frames, which Width leaves out, and a little air.
  constexpr double kGap = 240.0;
  const double right = other.Left() + other.Width() + kGap;
  const double leftOf = other.Left() - width_ - kGap;
  double left = right;
  if (const std::optional<Rect> screen = app_.services().ScreenArea()) {
    const double screenRight = screen->left + screen->width;
    const double roomRight = screenRight - right;
    const double roomLeft = leftOf - screen->left;
    if (roomRight < width_ + kGap) {
      if (roomLeft >= 0.0) {
        left = leftOf;
      } else {
        left = roomRight >= roomLeft ? screenRight - width_ - kGap : screen->left;
      }
    }
  }
  Move(left, other.Top());
}

void Form::DesktopMoved(double left, double top)
{
  left_ = left;
  top_ = top;
  positioned_ = true;
}

void Form::SetSize(double width, double height)
{
  if (!(width >= 0.0) || !(height >= 0.0) || !std::isfinite(width) || !std::isfinite(height))
    throw std::invalid_argument(name_ + ": a width or height must be a number of 0 or more");
  width_ = width;
  height_ = height;
  Notify(Prop::Geometry);
}

void Form::SetBackColor(Color color)
{
  backColor_ = color;
  Notify(Prop::BackColor);
}

void Form::SetFont(const FontSpec& font)
{
  if (!(font.size > 0.0) || !std::isfinite(font.size))
    throw std::invalid_argument(name_ + ": a font size must be above 0");
  font_ = font;
  Notify(Prop::Font);
}

void Form::SetFontName(std::string name)
{
  FontSpec f = font_;
  f.name = std::move(name);
  SetFont(f);
}

void Form::SetFontSize(double points)
{
  FontSpec f = font_;
  f.size = points;
  SetFont(f);
}

void Form::SetFontBold(bool bold)
{
  FontSpec f = font_;
  f.bold = bold;
  SetFont(f);
}

void Form::SetKeyPreview(bool preview)
{
  keyPreview_ = preview;
  Notify(Prop::KeyPreview);
}

bool Form::Shown() const { return loaded_ && visible_ && !app_.Ended(); }

void Form::EnsureLoaded()
{
  if (loaded_ || app_.Ended()) return;
  // Loaded before the Load routine runs, so that the routine may show the
  // form or use its controls without loading it twice.
  loaded_ = true;
  unloaded_ = false;
  Load.Raise();
}

void Form::Show()
{
  if (app_.Ended()) return;
  EnsureLoaded();
  if (app_.Ended()) return;  // the Load routine ended the program
  const bool wasVisible = visible_;
  visible_ = true;
  if (!wasVisible) Notify(Prop::Visible);
  app_.BringToFront(*this);
  if (!wasVisible && active_ == nullptr) FocusFirst();
}

namespace {

// The control of the lowest tab index that can take the focus (the earlier
// declared one of equal indexes), searching frames and pictures too.
void FindFirst(const Container& container, Control*& best)
{
  for (Control* c : container.Children()) {
    if (c->TakesFocus() && c->TabStop() && c->Reachable() && (best == nullptr || c->TabIndex() < best->TabIndex()))
      best = c;
    if (const auto* inner = dynamic_cast<const Container*>(c); inner != nullptr && c->Reachable()) FindFirst(*inner, best);
  }
}

}  // namespace

void Form::FocusFirst()
{
  Control* first = nullptr;
  FindFirst(*this, first);
  if (first != nullptr) MoveFocus(first);
}

void Form::Hide()
{
  if (!visible_) return;
  visible_ = false;
  app_.Hidden(*this);
  Notify(Prop::Visible);
}

void Form::HideForEnd()
{
  if (!visible_) return;
  visible_ = false;
  Notify(Prop::Visible);
}

void Form::ZOrder()
{
  if (visible_ && !app_.Ended()) app_.BringToFront(*this);
}

bool Form::UnloadWith(UnloadMode mode)
{
  if (!loaded_ || app_.Ended()) return false;
  bool cancel = false;
  QueryUnload.Raise(cancel, mode);
  if (cancel || app_.Ended()) return false;
  Unload.Raise(cancel);
  if (cancel || app_.Ended()) return false;
  Hide();
  MoveFocus(nullptr);
  loaded_ = false;
  unloaded_ = true;
  return true;
}

bool Form::Close() { return UnloadWith(UnloadMode::Code); }

bool Form::UserClose()
{
  if (!Shown()) throw std::logic_error("cannot close " + name_ + ": the window is not shown");
  bool closed = false;
  app_.RunEvent([this, &closed] {
    closed = UnloadWith(UnloadMode::ControlMenu);
    // Closing the last window of the program ends it: a program without a
    // window could only be stopped from outside.
    if (closed && app_.ZOrder().empty()) app_.End();
  });
  return closed;
}

void Form::UserKeyDown(int keyCode, int shift)
{
  if (!Shown()) throw std::logic_error("cannot press a key in " + name_ + ": the window is not shown");
  app_.RunEvent([=, this] { DeliverKey(keyCode, shift, KeyCharacter(keyCode, shift)); });
}

void Form::SetDefaultButton(CommandButton& button)
{
  if (&button.OwnerForm() != this) throw std::invalid_argument(button.Name() + " is not a button of " + name_);
  defaultButton_ = &button;
}

void Form::SetCancelButton(CommandButton& button)
{
  if (&button.OwnerForm() != this) throw std::invalid_argument(button.Name() + " is not a button of " + name_);
  cancelButton_ = &button;
}

CommandButton* Form::ButtonForKey(int keyCode, int shift, const Control* target) const
{
  if (shift != 0) return nullptr;
  CommandButton* button = nullptr;
  if (keyCode == vbKeyEscape) {
    button = cancelButton_;
  } else if (keyCode == vbKeyReturn) {
    const bool targetKeepsEnter =
        target != nullptr && (target->KeyDown || target->Kind() == ui::Kind::CommandButton);
    if (!targetKeepsEnter) button = defaultButton_;
  }
  return button != nullptr && button->Reachable() ? button : nullptr;
}

void Form::DeliverKey(int keyCode, int shift, int ascii)
{
  Control* target = active_ != nullptr && active_->Reachable() ? active_ : nullptr;
  if (keyPreview_ && !app_.Ended()) KeyDown.Raise(keyCode, shift);
  if (CommandButton* button = ButtonForKey(keyCode, shift, target); button != nullptr && Shown()) {
    // As a click: LostFocus of the box being left stores its value first.
    Control& pressed = *button;
    pressed.SetFocus();
    if (pressed.Usable()) pressed.OnUserClick();
    return;
  }
  if (target != nullptr && active_ == target && !app_.Ended()) target->KeyDown.Raise(keyCode, shift);
  if (ascii == 0) return;
  if (keyPreview_ && !app_.Ended()) KeyPress.Raise(ascii);
  if (target != nullptr && !app_.Ended()) target->KeyPress.Raise(ascii);
}

void Form::MoveFocus(Control* to)
{
  if (active_ == to) return;
  Control* from = active_;
  active_ = to;
  if (WindowBinding* binding = app_.Binding()) binding->FocusChanged(*this, to);
  if (app_.Ended()) return;
  if (from != nullptr) from->LostFocus.Raise();
  // A LostFocus routine may already have moved the focus on.
  if (to != nullptr && active_ == to && !app_.Ended()) to->GotFocus.Raise();
}

void Form::ControlGone(Control* control)
{
  if (active_ == control) active_ = nullptr;
  if (defaultButton_ == control) defaultButton_ = nullptr;
  if (cancelButton_ == control) cancelButton_ = nullptr;
  if (WindowBinding* binding = app_.Binding()) binding->ControlDestroyed(*control);
}

}  // namespace vorn::ui
