// The base of every control: name, place in its container, the common
// properties, focus, the common events and what the user can do to it.
//
// A control is a member of its form, constructed with its container (the form,
// a frame or a picture box), its name and its place:
//   ui::TextBox cylinderRadiusBox{*this, "Text1", {1320, 2040, 1095, 465}};
// A container must be declared before the controls inside it.
//
// Property changes are announced to the window binding through the form
// (setters never paint). The User... functions are what the window system
// reports when the user acts; tests call them the same way. They throw
// std::logic_error when the user could not do that (a hidden window, a disabled
// control), so a test that forgets to show a dialog fails with a clear message.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/color.h"
#include "platform/ui/display_list.h"
#include "platform/ui/event.h"
#include "platform/ui/font.h"
#include "platform/ui/geometry.h"

namespace vorn::ui {

class Form;
class Container;

enum class Kind {
  Label,
  TextBox,
  CommandButton,
  OptionButton,
  CheckBox,
  ComboBox,
  ListBox,
  FileListBox,
  DirListBox,
  DriveListBox,
  Frame,
  PictureBox,
  Line,
  Shape
};

// What changed, as announced to the window binding.
enum class Prop {
  Caption,
  Text,
  Enabled,
  Visible,
  Geometry,
  Font,
  ForeColor,
  BackColor,
  ToolTip,
  TabOrder,
  Value,
  List,
  ListIndex,
  Drawing,
  Scale,
  Style,
  Front,
  KeyPreview
};

enum class Alignment { Left = 0, Right = 1, Center = 2 };

class Control {
public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  virtual ui::Kind Kind() const = 0;
  const std::string& Name() const { return name_; }
  Container& Parent() const { return parent_; }
  Form& OwnerForm() const;

  // ---- place, in the container's units ----
  double Left() const { return bounds_.left; }
  double Top() const { return bounds_.top; }
  double Width() const { return bounds_.width; }
  double Height() const { return bounds_.height; }
  Rect Bounds() const { return bounds_; }
  void SetLeft(double left);
  void SetTop(double top);
  void SetWidth(double width);
  void SetHeight(double height);
  void Move(double left, double top);
  void Move(double left, double top, double width, double height);

  // ---- common properties ----
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(std::string text);
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool stop);

  // The font: the control's own, or else its container's.
  FontSpec Font() const;
  void SetFont(const FontSpec& font);
  std::string FontName() const { return Font().name; }
  void SetFontName(std::string name);
  double FontSize() const { return Font().size; }
  void SetFontSize(double points);
  bool FontBold() const { return Font().bold; }
  void SetFontBold(bool bold);
  bool FontItalic() const { return Font().italic; }
  void SetFontItalic(bool italic);
  bool HasOwnFont() const { return font_.has_value(); }

  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color color);

  // ---- focus ----
  // True for kinds that can hold the focus (boxes, buttons, lists, pictures).
  virtual bool TakesFocus() const { return false; }
  // Visible and enabled, up through its containers, on a shown form of a
  // running program: the user can reach it.
  bool Usable() const;
  // Visible and enabled, up through its containers (the form may be hidden).
  bool Reachable() const;
  // Moves the focus of its form here: LostFocus of the control that had it,
  // then GotFocus of this one. Does nothing for a control that cannot take the
  // focus now (disabled or hidden), as a sound stand-in for the old runtime's
  // error there.
  void SetFocus();
  bool HasFocus() const;

  // ---- events ----
  Event<> Click;
  Event<> DblClick;
  Event<> GotFocus;
  Event<> LostFocus;
  Event<int, int> KeyDown;  // key code (keys.h), shift state
  Event<int> KeyPress;      // character code (13 for Enter)
  Event<int, int, double, double> MouseDown;  // button, shift, x, y in the control's units
  Event<int, int, double, double> MouseMove;
  Event<int, int, double, double> MouseUp;

  // ---- what the user does ----
  // A mouse click: the focus moves here first (for kinds that take it), then
  // the kind's own click behaviour runs (a button's Click, an option's selection).
  void UserClick();
  void UserDblClick();
  // A key pressed while this control has the focus (it takes the focus first):
  // the form's KeyDown first when its KeyPreview is on, then this control's
  // KeyDown, then KeyPress for keys that type a character.
  void UserKeyDown(int keyCode, int shift = 0);
  // The user moves the focus here (mouse or Tab).
  void UserFocus();
  void UserMouseDown(int button, int shift, double x, double y);
  void UserMouseMove(int button, int shift, double x, double y);
  void UserMouseUp(int button, int shift, double x, double y);

protected:
  Control(Container& parent, std::string name, Rect bounds);

  // Announces a change to the window binding.
  void Changed(Prop what);
  // Raises an event unless the program has ended.
  template <class... A>
  void Raise(const Event<A...>& event, A... args) const
  {
    if (Live()) event.Raise(args...);
  }
  bool Live() const;
  // Throws std::logic_error naming the control when the user could not act on it.
  void RequireUsable(const char* action) const;
  // Runs a user action as one event of the program (see Application::RunEvent).
  void RunUserEvent(const std::function<void()>& action);

  // The kind's response to a click, after the focus has moved.
  virtual void OnUserClick();
  // Kinds whose place is not a rectangle (lines) keep it themselves.
  void SetBoundsQuietly(Rect bounds) { bounds_ = bounds; }

private:
  friend class Form;

  Container& parent_;
  std::string name_;
  Rect bounds_;
  bool enabled_ = true;
  bool visible_ = true;
  std::string toolTip_;
  int tabIndex_ = 0;
  bool tabStop_ = true;
  std::optional<FontSpec> font_;
  Color foreColor_ = colors::ButtonText;
  Color backColor_ = colors::ButtonFace;
};

// A form, a frame or a picture box: holds controls and gives them their font
// and their units.
class Container {
public:
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;
  virtual ~Container() = default;

  // The controls placed directly in this container, in declaration order.
  const std::vector<Control*>& Children() const { return children_; }
  virtual Form& OwnerForm() const = 0;
  // The font that children without their own font show.
  virtual FontSpec ChildFont() const = 0;
  // Maps the children's units to twips inside this container.
  virtual UserScale ChildScale() const;
  // Visible and enabled, up through the containers to the form (whether the
  // form itself is shown does not count here).
  virtual bool ChildrenReachable() const = 0;

protected:
  Container() = default;

private:
  friend class Control;
  void Adopt(Control* child) { children_.push_back(child); }
  void Release(Control* child);

  std::vector<Control*> children_;
};

}  // namespace vorn::ui
