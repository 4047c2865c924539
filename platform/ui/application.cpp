#include "platform/ui/application.h"

#include <algorithm>
#include <exception>

namespace vorn::ui {

Application::Application(Services& services, std::string title)
    : services_(services), title_(std::move(title)), printer_(services)
{
}

Application::~Application() = default;

MsgAnswer Application::MsgBox(const std::string& text, int style, const std::string& title)
{
  CheckMsgStyle(style);
  return services_.MsgBox(text, style, title.empty() ? title_ : title);
}

void Application::End()
{
  if (ended_) return;
  ended_ = true;
  for (Form* form : forms_) form->HideForEnd();
  zOrder_.clear();
  if (binding_ != nullptr) binding_->ProgramEnded();
}

void Application::RunEvent(const std::function<void()>& code)
{
  if (ended_) return;
  if (eventDepth_ > 0) {
    code();
    return;
  }
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  };
  std::exception_ptr error;
  {
    Depth depth(eventDepth_);
    try {
      code();
      return;
    } catch (...) {
      error = std::current_exception();
    }
  }
  // An error that no routine trapped: tell the user and go on. Ending, as the
  // old runtime did, would throw away the unsaved result table with it. A
  // failing message box (a test's unexpected box) ends the program before its
  // exception goes on.
  try {
    ReportUntrappedError(error);
  } catch (...) {
    End();
    throw;
  }
}

void Application::ReportUntrappedError(std::exception_ptr error)
{
  std::string text;
  if (untrappedErrorText_) {
    text = untrappedErrorText_(error);
  } else {
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      text = e.what();
    } catch (...) {
      text = "unknown error";
    }
  }
  services_.MsgBox(text, vbCritical | vbOKOnly, title_);
}

void Application::RunWindowEvent(const std::function<void()>& code)
{
  const int outer = eventDepth_;
  eventDepth_ = 0;
  try {
    code();
  } catch (...) {
    eventDepth_ = outer;
    throw;
  }
  eventDepth_ = outer;
}

void Application::Register(Form& form) { forms_.push_back(&form); }

void Application::Unregister(Form& form)
{
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
  zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &form), zOrder_.end());
  if (binding_ != nullptr) binding_->FormDestroyed(form);
}

void Application::BringToFront(Form& form)
{
  zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &form), zOrder_.end());
  zOrder_.push_back(&form);
  form.Notify(Prop::Front);
}

void Application::Hidden(Form& form)
{
  zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &form), zOrder_.end());
}

}  // namespace vorn::ui
