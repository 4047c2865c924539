#include "platform/qt/guarded_application.h"

#include <QtGlobal>
#include <string>

namespace vorn::qt {
namespace {

std::string Description(std::exception_ptr error)
{
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "an exception of unknown type";
  }
}

}  // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    Report(std::current_exception());
    return false;
  }
}

void GuardedApplication::Report(std::exception_ptr error)
{
  qWarning("vorn: caught at the event dispatch: %s", Description(error).c_str());
  // The message box runs an event loop of its own: a failure inside it (a
  // paint that fails again) goes to the log rather than to a second box.
  if (app_ == nullptr || app_->Ended() || reporting_) return;
  reporting_ = true;
  try {
    app_->ReportUntrappedError(error);
  } catch (...) {
    qWarning("vorn: the error could not be shown: %s", Description(std::current_exception()).c_str());
  }
  reporting_ = false;
}

ErrorReporting::ErrorReporting(ui::Application& app)
    : guarded_(dynamic_cast<GuardedApplication*>(QCoreApplication::instance()))
{
  if (guarded_ != nullptr) guarded_->ReportTo(&app);
}

ErrorReporting::~ErrorReporting()
{
  if (guarded_ != nullptr) guarded_->ReportTo(nullptr);
}

}  // namespace vorn::qt
