#include "mainwin/dialog_layout.h"

#include <string>

#include "text/mainwin_texts.h"

namespace vorn::mainwin {

void UseDialogFont(ui::Form& form, Edition edition)
{
  const MainWinTexts& t = MainWinTextsFor(edition);
  form.SetFont(ui::FontSpec{std::string(t.FormFont), t.FormFontSize});
}

void MoveUp(std::initializer_list<ui::Control*> controls, double dy)
{
  for (ui::Control* c : controls) c->SetTop(c->Top() - dy);
}

}  // namespace vorn::mainwin
