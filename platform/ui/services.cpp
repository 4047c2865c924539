#include "platform/ui/services.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace vorn::ui {

void CheckMsgStyle(int style)
{
  const int buttons = MsgButtons(style);
  const int icon = MsgIcon(style);
  const bool buttonsKnown = buttons == vbOKOnly || buttons == vbOKCancel || buttons == vbYesNoCancel || buttons == vbYesNo;
  const bool iconKnown = icon == 0 || icon == vbCritical || icon == vbQuestion || icon == vbExclamation ||
                         icon == vbInformation;
  if (!buttonsKnown || !iconKnown || (style & ~0x77) != 0)
    throw std::invalid_argument("MsgBox: unsupported style " + std::to_string(style));
}

std::string ShortDateText(std::chrono::year_month_day date)
{
  char text[16];
  std::snprintf(text, sizeof text, "%04d/%02u/%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

}  // namespace vorn::ui
