// Small layout helpers shared by the dialogs of the main program.
#pragma once

#include <initializer_list>

#include "platform/ui/ui.h"
#include "text/edition.h"

namespace vorn::mainwin {

// The main window's font, so that every dialog reads alike.
void UseDialogFont(ui::Form& form, Edition edition);

// Moves controls up by dy twips (to close the gap of a row an edition leaves out).
void MoveUp(std::initializer_list<ui::Control*> controls, double dy);

}  // namespace vorn::mainwin
