// Registering and showing the user name: what the registration dialog, the
// change dialog and a cancelled registration share.
#pragma once

#include <string>

namespace vorn::mainwin {

class MainProgram;

// Keeps the name in the edition's name file (its data lines unchanged, the
// name after them). When the file is missing, short or cannot be written the
// user is told why and false is returned: the file and the name in use stay.
bool SaveUserName(MainProgram& program, const std::string& name);

// Makes the name the one in use and shows it: the title and the name on the
// result window (the picture is cleared first), the result window's name
// label and the main window's caption; the welcome button goes and
// calculation is enabled.
void ApplyUserName(MainProgram& program, const std::string& name);

}  // namespace vorn::mainwin
