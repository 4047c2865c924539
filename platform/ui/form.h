// A window of the program. A form class declares its controls as members,
// sets their properties and connects their events in its constructor, and
// keeps its event routines as member functions (see README.md):
//
//   class MeasuredExposureDialog : public ui::Form {
//   public:
//     explicit MeasuredExposureDialog(MainProgram& program);
//     ui::TextBox measuredValueBox{*this, "Text1", {240, 600, 1695, 375}};
//     ui::CommandButton okButton{*this, "Command1", {240, 1200, 975, 375}};
//   private:
//     void OkButton_Click();
//   };
//
// Sizes and positions are in twips. Width and Height are the inside of the
// window (the desktop adds its frame around it); Left and Top place the frame.
#pragma once

#include <string>

#include "platform/ui/color.h"
#include "platform/ui/control.h"
#include "platform/ui/event.h"
#include "platform/ui/font.h"

namespace vorn::ui {

class Application;
class CommandButton;

// Why a form is being unloaded (the QueryUnload event's second argument).
enum class UnloadMode { ControlMenu = 0, Code = 1 };

class Form : public Container {
public:
  Form(Application& app, std::string name);
  ~Form() override;

  const std::string& Name() const { return name_; }
  Application& App() const { return app_; }
  Form& OwnerForm() const override { return const_cast<Form&>(*this); }

  // ---- window properties ----
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  // False until Move places the window; the desktop then chooses the place.
  bool HasPosition() const { return positioned_; }
  void Move(double left, double top);
  void Move(double left, double top, double width, double height);
  void SetSize(double width, double height);
  // Moves the window beside another one that has a position: to its right
  // where the screen has room, else to its left, else against the screen's
  // edge on the side with more room. Does nothing while the other window has
  // no position.
  void MoveBeside(const Form& other);
  // The desktop placed the window, or the user moved it: Left and Top follow
  // (nothing is moved again).
  void DesktopMoved(double left, double top);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color color);
  // The font of the controls that set none of their own.
  FontSpec Font() const { return font_; }
  void SetFont(const FontSpec& font);
  void SetFontName(std::string name);
  void SetFontSize(double points);
  void SetFontBold(bool bold);
  // With KeyPreview the form's KeyDown sees every key before the control does.
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool preview);

  // ---- life ----
  bool Loaded() const { return loaded_; }
  // True once the form was unloaded; the program's form slot then makes a
  // fresh instance (in its design state) on the next use.
  bool Unloaded() const { return unloaded_; }
  // Runs the Load event the first time (the form's first use).
  void EnsureLoaded();
  // Loads the form if needed, shows it modeless and brings it to the front
  // (also when it was already shown). A form shown with no control holding
  // the focus gives it to the first control in tab order (GotFocus runs).
  // Ignored once the program has ended.
  void Show();
  void Hide();
  bool Visible() const { return visible_; }
  // Brings the window in front of the program's other windows.
  void ZOrder();
  // Unloads the form from code (the old runtime's Unload statement):
  // QueryUnload, then Unload, either of which may cancel; then the window
  // closes. Returns true when the form was unloaded.
  bool Close();
  // The user closes the window through its frame: the same as Close with the
  // unload mode ControlMenu. When no window of the program is left visible
  // afterwards, the program ends.
  bool UserClose();

  // ---- focus and keys ----
  Control* ActiveControl() const { return active_; }
  // A key pressed in the window: to the form first when KeyPreview is on, then
  // to the active control.
  void UserKeyDown(int keyCode, int shift = 0);
  // The buttons that Enter and Escape press, as a click would (the focus moves
  // to the button first). Escape presses the cancel button wherever the focus
  // is. Enter presses the default button unless the focused control has a
  // KeyDown routine of its own (a box's Enter chain keeps the key) or is a
  // command button (which Enter presses itself). A button that cannot be
  // used (disabled, hidden) leaves the key to the focused control. The
  // button must be one of this form's.
  void SetDefaultButton(CommandButton& button);
  void SetCancelButton(CommandButton& button);
  CommandButton* DefaultButton() const { return defaultButton_; }
  CommandButton* CancelButton() const { return cancelButton_; }

  // ---- events ----
  Event<> Load;
  Event<bool&, UnloadMode> QueryUnload;  // set cancel to keep the form
  Event<bool&> Unload;                   // set cancel to keep the form
  Event<int, int> KeyDown;               // key code, shift (with KeyPreview)
  Event<int> KeyPress;

  // ---- Container ----
  FontSpec ChildFont() const override { return font_; }
  bool ChildrenReachable() const override { return true; }
  // Shown, loaded, and the program still running.
  bool Shown() const;

private:
  friend class Control;
  friend class Application;

  void Notify(Prop what);
  void NotifyControl(Control& control, Prop what);
  void MoveFocus(Control* to);
  void FocusFirst();
  void ControlGone(Control* control);
  int NextTabIndex() { return nextTabIndex_++; }
  void DeliverKey(int keyCode, int shift, int ascii);
  CommandButton* ButtonForKey(int keyCode, int shift, const Control* target) const;
  bool UnloadWith(UnloadMode mode);
  void HideForEnd();

  Application& app_;
  std::string name_;
  std::string caption_;
  double left_ = 0.0;
  double top_ = 0.0;
  double width_ = 4800.0;
  double height_ = 3600.0;
  bool positioned_ = false;
  Color backColor_ = colors::ButtonFace;
  FontSpec font_;
  bool keyPreview_ = false;
  bool loaded_ = false;
  bool unloaded_ = false;
  bool visible_ = false;
  Control* active_ = nullptr;
  CommandButton* defaultButton_ = nullptr;
  CommandButton* cancelButton_ = nullptr;
  int nextTabIndex_ = 0;
};

}  // namespace vorn::ui
