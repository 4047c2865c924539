// The program as the windows see it: its services, its printer, its forms and
// their lifetime rules, and the end of the program.
//
// A program object (MainProgram, DepthDoseProgram) holds one Application and,
// declared after it, one FormSlot per form:
//
//   ui::Application app{services, "Vorn-V18"};
//   ui::FormSlot<MeasuredExposureDialog> measuredExposureDialog{[this] { return std::make_unique<mainwin::MeasuredExposureDialog>(*this); }};
//   ...
//   program.measuredExposureDialog->measuredValueBox.SetText("");   // created and loaded on first use
//   program.measuredExposureDialog->Show();
#pragma once

#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/printer.h"
#include "platform/ui/services.h"

namespace vorn::ui {

// The window system's side (platform/qt): told of every change of the model.
class WindowBinding {
public:
  virtual ~WindowBinding() = default;
  virtual void FormChanged(Form& form, Prop what) = 0;  // Caption, Visible, Geometry, BackColor, Font, Front, KeyPreview
  virtual void ControlChanged(Control& control, Prop what) = 0;
  virtual void FocusChanged(Form& form, Control* now) = 0;
  virtual void ControlDestroyed(Control& control) = 0;
  virtual void FormDestroyed(Form& form) = 0;
  virtual void ProgramEnded() = 0;
};

class Application {
public:
  // The title names the program in message boxes that give none of their own.
  Application(Services& services, std::string title);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Services& services() const { return services_; }
  const std::string& Title() const { return title_; }
  ui::Printer& Printer() { return printer_; }

  // ---- services, with the program's title where none is given ----
  MsgAnswer MsgBox(const std::string& text, int style = vbOKOnly, const std::string& title = {});
  void Beep() { services_.Beep(); }
  long long Shell(const std::string& program) { return services_.Shell(program); }
  bool ProgramEnded(long long process) const { return services_.ProgramEnded(process); }
  void DoEvents() { services_.DoEvents(); }
  std::string DateText() { return services_.DateText(); }
  const std::filesystem::path& WorkingFolder() const { return services_.WorkingFolder(); }

  // ---- the end of the program ----
  // Every window closes and no further event runs. The routine that calls End
  // goes on to its own end, so it should return right after.
  void End();
  bool Ended() const { return ended_; }

  // Runs code as one event of the program. An exception that leaves the
  // outermost event, trapped by no routine, is told in a message with the
  // critical icon (ReportUntrappedError) and the program goes on: its data,
  // the result table among them, are kept. Inside an event (nested calls)
  // exceptions pass on to the caller's error trap. Does nothing once the
  // program has ended.
  void RunEvent(const std::function<void()>& code);
  bool InEvent() const { return eventDepth_ > 0; }
  // Runs what the window system reports (a click, a key) as a new event of
  // its own, also when it arrives while another routine yields (DoEvents):
  // an error in it is that event's run-time error, not the yielding routine's.
  void RunWindowEvent(const std::function<void()>& code);

  // The message for an error that no routine trapped, in the program's words;
  // without one the error's own message is shown.
  using ErrorTextFn = std::function<std::string(std::exception_ptr)>;
  void SetUntrappedErrorText(ErrorTextFn text) { untrappedErrorText_ = std::move(text); }
  // Tells the user of an error that no routine trapped (also one the window
  // system caught at its event dispatch); the program goes on.
  void ReportUntrappedError(std::exception_ptr error);

  // ---- forms ----
  // Every form alive, in creation order.
  const std::vector<Form*>& Forms() const { return forms_; }
  // The shown forms, back to front.
  const std::vector<Form*>& ZOrder() const { return zOrder_; }
  Form* FrontForm() const { return zOrder_.empty() ? nullptr : zOrder_.back(); }

  void SetBinding(WindowBinding* binding) { binding_ = binding; }
  WindowBinding* Binding() const { return binding_; }

private:
  friend class Form;
  void Register(Form& form);
  void Unregister(Form& form);
  void BringToFront(Form& form);
  void Hidden(Form& form);

  Services& services_;
  std::string title_;
  ui::Printer printer_;
  std::vector<Form*> forms_;
  std::vector<Form*> zOrder_;
  WindowBinding* binding_ = nullptr;
  bool ended_ = false;
  int eventDepth_ = 0;
  ErrorTextFn untrappedErrorText_;
};

// One program-wide form: created and loaded on first use; after the form was
// unloaded the next use creates it afresh, in its design state. Declare the
// slots after the Application they belong to.
template <class F>
class FormSlot {
public:
  using Factory = std::function<std::unique_ptr<F>()>;
  explicit FormSlot(Factory make) : make_(std::move(make)) {}
  FormSlot(const FormSlot&) = delete;
  FormSlot& operator=(const FormSlot&) = delete;

  F& get()
  {
    if (form_ && form_->Unloaded()) form_.reset();
    if (!form_) {
      form_ = make_();
      form_->EnsureLoaded();
    }
    return *form_;
  }
  F* operator->() { return &get(); }
  F& operator*() { return get(); }
  // Whether the form exists and is loaded, without creating it.
  bool Exists() const { return form_ && !form_->Unloaded(); }

private:
  Factory make_;
  std::unique_ptr<F> form_;
};

}  // namespace vorn::ui
