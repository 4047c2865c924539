// Shows a program's forms as Qt windows: one FormWindow per form, created when
// the form is first shown, kept in step with the model until the form goes.
//
//   QApplication qapp(argc, argv);
//   qt::PrepareApplication();
//   qt::QtServices services(workingFolder);
//   MainProgram program(edition, workingFolder, services);
//   qt::WidgetBinding binding(program.app);
//   program.app.RunEvent([&] { program.mainWindow->Show(); });
//   return qt::RunEventLoop(program.app);
#pragma once

#include <map>

#include "platform/qt/form_window.h"
#include "platform/ui/application.h"

namespace vorn::qt {

class WidgetBinding final : public ui::WindowBinding {
public:
  // Binds to the application (and makes windows for the forms shown already).
  explicit WidgetBinding(ui::Application& app);
  ~WidgetBinding() override;
  WidgetBinding(const WidgetBinding&) = delete;
  WidgetBinding& operator=(const WidgetBinding&) = delete;

  // The form's window, or null while the form has never been shown.
  FormWindow* WindowOf(const ui::Form& form) const;

  void FormChanged(ui::Form& form, ui::Prop what) override;
  void ControlChanged(ui::Control& control, ui::Prop what) override;
  void FocusChanged(ui::Form& form, ui::Control* now) override;
  void ControlDestroyed(ui::Control& control) override;
  void FormDestroyed(ui::Form& form) override;
  void ProgramEnded() override;

private:
  FormWindow* EnsureWindow(ui::Form& form);

  ui::Application& app_;
  std::map<const ui::Form*, FormWindow*> windows_;  // owned
};

// Sets up the QApplication for the programs' windows: the Fusion style (it
// shows the buttons' colours) and the font look-alikes.
void PrepareApplication();

// Runs the window system until the program ends; returns the exit code.
int RunEventLoop(ui::Application& app);

}  // namespace vorn::qt
