#include "platform/ui/control.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/keys.h"

namespace vorn::ui {

namespace {

void RequireSize(const std::string& name, double width, double height)
{
  if (!std::isfinite(width) || !std::isfinite(height) || width < 0.0 || height < 0.0)
    throw std::invalid_argument(name + ": a width or height must be a number of 0 or more");
}

void RequirePosition(const std::string& name, double left, double top)
{
  if (!std::isfinite(left) || !std::isfinite(top))
    throw std::invalid_argument(name + ": a position must be a finite number");
}

}  // namespace

int KeyCharacter(int keyCode, int shift)
{
  if (keyCode == vbKeyReturn || keyCode == vbKeyEscape || keyCode == vbKeyBack || keyCode == vbKeySpace ||
      keyCode == vbKeyTab)
    return keyCode;
  if ((shift & (vbCtrlMask | vbAltMask)) != 0) return 0;
  if (keyCode >= vbKey0 && keyCode <= vbKey0 + 9) return (shift & vbShiftMask) ? 0 : keyCode;
  if (keyCode >= vbKeyA && keyCode <= vbKeyA + 25) return (shift & vbShiftMask) ? keyCode : keyCode + 32;
  if (keyCode >= vbKeyNumpad0 && keyCode <= vbKeyNumpad0 + 9) return keyCode - vbKeyNumpad0 + '0';
  return 0;
}

// ---------------------------------------------------------------- Control

Control::Control(Container& parent, std::string name, Rect bounds)
    : parent_(parent), name_(std::move(name)), bounds_(bounds)
{
  RequirePosition(name_, bounds.left, bounds.top);
  RequireSize(name_, bounds.width, bounds.height);
  parent_.Adopt(this);
  tabIndex_ = OwnerForm().NextTabIndex();
}

Control::~Control()
{
  OwnerForm().ControlGone(this);
  parent_.Release(this);
}

Form& Control::OwnerForm() const { return parent_.OwnerForm(); }

void Control::Changed(Prop what) { OwnerForm().NotifyControl(*this, what); }

bool Control::Live() const { return !OwnerForm().App().Ended(); }

void Control::SetLeft(double left) { Move(left, bounds_.top, bounds_.width, bounds_.height); }
void Control::SetTop(double top) { Move(bounds_.left, top, bounds_.width, bounds_.height); }
void Control::SetWidth(double width) { Move(bounds_.left, bounds_.top, width, bounds_.height); }
void Control::SetHeight(double height) { Move(bounds_.left, bounds_.top, bounds_.width, height); }
void Control::Move(double left, double top) { Move(left, top, bounds_.width, bounds_.height); }

void Control::Move(double left, double top, double width, double height)
{
  RequirePosition(name_, left, top);
  RequireSize(name_, width, height);
  const Rect next{left, top, width, height};
  if (next == bounds_) return;
  bounds_ = next;
  Changed(Prop::Geometry);
}

void Control::SetEnabled(bool enabled)
{
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed(Prop::Enabled);
}

void Control::SetVisible(bool visible)
{
  if (visible_ == visible) return;
  visible_ = visible;
  Changed(Prop::Visible);
}

void Control::SetToolTipText(std::string text)
{
  if (toolTip_ == text) return;
  toolTip_ = std::move(text);
  Changed(Prop::ToolTip);
}

void Control::SetTabIndex(int index)
{
  if (index < 0) throw std::invalid_argument(name_ + ": TabIndex must be 0 or more");
  tabIndex_ = index;
  Changed(Prop::TabOrder);
}

void Control::SetTabStop(bool stop)
{
  tabStop_ = stop;
  Changed(Prop::TabOrder);
}

FontSpec Control::Font() const { return font_ ? *font_ : parent_.ChildFont(); }

void Control::SetFont(const FontSpec& font)
{
  if (!(font.size > 0.0) || !std::isfinite(font.size))
    throw std::invalid_argument(name_ + ": a font size must be above 0");
  font_ = font;
  Changed(Prop::Font);
}

void Control::SetFontName(std::string name)
{
  FontSpec f = Font();
  f.name = std::move(name);
  SetFont(f);
}

void Control::SetFontSize(double points)
{
  FontSpec f = Font();
  f.size = points;
  SetFont(f);
}

void Control::SetFontBold(bool bold)
{
  FontSpec f = Font();
  f.bold = bold;
  SetFont(f);
}

void Control::SetFontItalic(bool italic)
{
  FontSpec f = Font();
  f.italic = italic;
  SetFont(f);
}

void Control::SetForeColor(Color color)
{
  if (foreColor_ == color) return;
  foreColor_ = color;
  Changed(Prop::ForeColor);
}

void Control::SetBackColor(Color color)
{
  if (backColor_ == color) return;
  backColor_ = color;
  Changed(Prop::BackColor);
}

bool Control::Reachable() const { return enabled_ && visible_ && parent_.ChildrenReachable(); }

bool Control::Usable() const { return Reachable() && OwnerForm().Shown(); }

void Control::SetFocus()
{
  if (!TakesFocus() || !Reachable()) return;
  OwnerForm().MoveFocus(this);
}

bool Control::HasFocus() const { return OwnerForm().ActiveControl() == this; }

void Control::RequireUsable(const char* action) const
{
  const Form& form = OwnerForm();
  std::string why;
  if (form.App().Ended())
    why = "the program has ended";
  else if (!form.Shown())
    why = "its window " + form.Name() + " is not shown";
  else if (!visible_ || !parent_.ChildrenReachable() || !enabled_)
    why = enabled_ ? "it is hidden" : "it is disabled";
  if (!why.empty())
    throw std::logic_error("cannot " + std::string(action) + " " + name_ + " of " + form.Name() + ": " + why);
}

void Control::RunUserEvent(const std::function<void()>& action) { OwnerForm().App().RunEvent(action); }

void Control::OnUserClick() { Raise(Click); }

void Control::UserClick()
{
  RequireUsable("click");
  RunUserEvent([this] {
    if (TakesFocus()) SetFocus();
    // A LostFocus routine may have disabled or hidden this control meanwhile.
    if (Usable()) OnUserClick();
  });
}

void Control::UserDblClick()
{
  RequireUsable("double-click");
  RunUserEvent([this] { Raise(DblClick); });
}

void Control::UserKeyDown(int keyCode, int shift)
{
  RequireUsable("press a key in");
  RunUserEvent([this, keyCode, shift] {
    if (TakesFocus()) SetFocus();
    OwnerForm().DeliverKey(keyCode, shift, KeyCharacter(keyCode, shift));
  });
}

void Control::UserFocus()
{
  RequireUsable("move the focus to");
  if (!TakesFocus()) throw std::logic_error(name_ + " cannot hold the focus");
  RunUserEvent([this] { SetFocus(); });
}

void Control::UserMouseDown(int button, int shift, double x, double y)
{
  RequireUsable("press the mouse on");
  RunUserEvent([=, this] {
    if (TakesFocus()) SetFocus();
    Raise(MouseDown, button, shift, x, y);
  });
}

void Control::UserMouseMove(int button, int shift, double x, double y)
{
  RequireUsable("move the mouse over");
  RunUserEvent([=, this] { Raise(MouseMove, button, shift, x, y); });
}

void Control::UserMouseUp(int button, int shift, double x, double y)
{
  RequireUsable("release the mouse on");
  RunUserEvent([=, this] { Raise(MouseUp, button, shift, x, y); });
}

// ---------------------------------------------------------------- Container

UserScale Container::ChildScale() const { return UserScale{}; }

void Container::Release(Control* child)
{
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

}  // namespace vorn::ui
