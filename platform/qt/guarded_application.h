// The QApplication of the programs. Qt cannot pass an exception through its
// event loop: one that leaves a handler outside the control model's own
// events (a paint, a timer, a window-system event) would end the process and
// lose the user's data. It is caught here, at the event dispatch, and told
// through the program's ui::Application; the program goes on.
//
//   qt::GuardedApplication qapp(argc, argv);
//   MainProgram program(edition, services);
//   qt::WidgetBinding binding(program.app);
//   qt::ErrorReporting reporting(program.app);   // while the program lives
#pragma once

#include <QApplication>
#include <exception>

#include "platform/ui/application.h"

namespace vorn::qt {

class GuardedApplication final : public QApplication {
public:
  GuardedApplication(int& argc, char** argv);

  // Where caught errors are told; none: to the log only.
  void ReportTo(ui::Application* app) { app_ = app; }

  bool notify(QObject* receiver, QEvent* event) override;

private:
  void Report(std::exception_ptr error);

  ui::Application* app_ = nullptr;
  bool reporting_ = false;
};

// Tells the errors caught at the dispatch through app while it lives (when
// the running QApplication is a GuardedApplication).
class ErrorReporting {
public:
  explicit ErrorReporting(ui::Application& app);
  ~ErrorReporting();
  ErrorReporting(const ErrorReporting&) = delete;
  ErrorReporting& operator=(const ErrorReporting&) = delete;

private:
  GuardedApplication* guarded_;
};

}  // namespace vorn::qt
