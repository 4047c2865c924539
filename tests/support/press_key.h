// Presses a key in a shown window as the user does: to the focused control's
// widget, or to the window when no control holds the focus.
#pragma once

#include <QTest>

#include <gtest/gtest.h>

#include "platform/qt/widget_binding.h"

namespace vorn::testing {

inline void PressKey(qt::WidgetBinding& binding, ui::Form& form, Qt::Key key)
{
  qt::FormWindow* window = binding.WindowOf(form);
  ASSERT_NE(window, nullptr) << form.Name();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << form.Name();
  QWidget* target = form.ActiveControl() != nullptr ? window->WidgetOf(*form.ActiveControl()) : window;
  QTest::keyClick(target, key);
}

}  // namespace vorn::testing
