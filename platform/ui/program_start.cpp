#include "platform/ui/program_start.h"

#include <string>
#include <system_error>
#include <vector>
#include <unistd.h>

#include "platform/errors.h"

namespace fs = std::filesystem;

namespace vorn::ui {

namespace {

bool IsExecutableFile(const fs::path& p)
{
  std::error_code ec;
  return fs::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0;
}

std::vector<std::string> NamesToTry(std::string_view name)
{
  std::vector<std::string> names{std::string(name)};
  if (name.size() > 4) {
    std::string ext(name.substr(name.size() - 4));
    for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    if (ext == ".exe") names.emplace_back(name.substr(0, name.size() - 4));
  }
  return names;
}

}  // namespace

fs::path FindProgram(std::string_view name, const fs::path& workingFolder, std::string_view pathVariable)
{
  if (name.empty()) throw FileError("no program name given", FileFault::NotStarted, {});
  const std::vector<std::string> names = NamesToTry(name);

  std::vector<fs::path> places;
  if (name.find('/') == std::string_view::npos) {
    places.push_back(workingFolder);
    while (!pathVariable.empty()) {
      const std::size_t cut = pathVariable.find(':');
      const std::string_view dir = pathVariable.substr(0, cut);
      if (!dir.empty()) places.emplace_back(dir);
      if (cut == std::string_view::npos) break;
      pathVariable.remove_prefix(cut + 1);
    }
  } else {
    places.push_back(workingFolder);  // a relative path is taken from here; an absolute one replaces it
  }

  for (const fs::path& place : places)
    for (const std::string& candidate : names)
      if (const fs::path p = place / candidate; IsExecutableFile(p)) return p;
  throw FileError(std::string(name) + ": program not found in " + workingFolder.string() + " or on PATH",
                  FileFault::NotStarted, std::string(name));
}

}  // namespace vorn::ui
