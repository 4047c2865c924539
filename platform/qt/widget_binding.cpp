#include "platform/qt/widget_binding.h"

#include <QApplication>
#include <QStyleFactory>
#include <QThread>

#include "platform/qt/fonts.h"

namespace vorn::qt {

WidgetBinding::WidgetBinding(ui::Application& app) : app_(app)
{
  app_.SetBinding(this);
  for (ui::Form* form : app_.Forms())
    if (form->Visible()) EnsureWindow(*form)->FormChanged(ui::Prop::Visible);
}

WidgetBinding::~WidgetBinding()
{
  if (app_.Binding() == this) app_.SetBinding(nullptr);
  for (auto& [form, window] : windows_) delete window;
}

FormWindow* WidgetBinding::WindowOf(const ui::Form& form) const
{
  const auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second;
}

FormWindow* WidgetBinding::EnsureWindow(ui::Form& form)
{
  if (FormWindow* window = WindowOf(form)) return window;
  auto* window = new FormWindow(form);
  windows_.emplace(&form, window);
  return window;
}

void WidgetBinding::FormChanged(ui::Form& form, ui::Prop what)
{
  // A window is made the first time its form is shown; until then there is
  // nothing to keep in step (the window reads everything when it is made).
  if (what == ui::Prop::Visible && form.Visible()) {
    EnsureWindow(form)->FormChanged(what);
    return;
  }
  if (FormWindow* window = WindowOf(form)) window->FormChanged(what);
}

void WidgetBinding::ControlChanged(ui::Control& control, ui::Prop what)
{
  if (FormWindow* window = WindowOf(control.OwnerForm())) window->ControlChanged(control, what);
}

void WidgetBinding::FocusChanged(ui::Form& form, ui::Control* now)
{
  if (FormWindow* window = WindowOf(form)) window->FocusChanged(now);
}

void WidgetBinding::ControlDestroyed(ui::Control& control)
{
  if (FormWindow* window = WindowOf(control.OwnerForm())) window->ControlDestroyed(control);
}

void WidgetBinding::FormDestroyed(ui::Form& form)
{
  const auto it = windows_.find(&form);
  if (it == windows_.end()) return;
  FormWindow* window = it->second;
  windows_.erase(it);
  window->Detach();
  // Not deleted at once: the form may go while one of its window's events is
  // still being handled.
  window->deleteLater();
}

void WidgetBinding::ProgramEnded()
{
  for (auto& [form, window] : windows_) window->hide();
  // Only a running event loop is told to stop: Qt would otherwise refuse
  // every later loop (a message box's) of the process.
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void PrepareApplication()
{
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
  RegisterFontSubstitutions();
}

int RunEventLoop(ui::Application& app)
{
  if (app.Ended()) return 0;
  QApplication::setQuitOnLastWindowClosed(false);
  return QApplication::exec();
}

}  // namespace vorn::qt
