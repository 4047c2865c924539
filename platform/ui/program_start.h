// Where Shell finds a program. The system's programs call each other by names
// that carry ".exe" ("Tubrin.exe"); on this platform the file has no extension.
#pragma once

#include <filesystem>
#include <string_view>

namespace vorn::ui {

// Looks in the working folder, then in each folder of the PATH value (":"
// separated; empty entries are skipped, as the process's own current folder
// is never used implicitly), and in each place tries the name as given, then
// without a final ".exe" (any case). A name with a "/" is a path, taken from
// the working folder when relative. The program must be an executable file.
// Throws vorn::FileError naming the program when none is found.
std::filesystem::path FindProgram(std::string_view name, const std::filesystem::path& workingFolder,
                                  std::string_view pathVariable);

}  // namespace vorn::ui
