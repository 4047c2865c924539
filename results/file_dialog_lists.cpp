#include "results/file_dialog_lists.h"

#include <algorithm>
#include <string_view>

#include "platform/errors.h"
#include "platform/ui/utf8.h"

namespace vorn::results {
namespace {

namespace fs = std::filesystem;

// Whether `folder` lies in `root` (or is it).
bool Holds(const fs::path& root, const fs::path& folder)
{
  const fs::path relative = folder.lexically_relative(root);
  return !relative.empty() && *relative.begin() != "..";
}

}  // namespace

void OpenWorkingFolder(ui::DriveListBox& drive, ui::DirListBox& dir, const fs::path& folder)
{
  const fs::path absolute = fs::absolute(folder).lexically_normal();
  std::string best;
  for (int i = 0; i < drive.ListCount(); ++i) {
    const std::string candidate = drive.List(i);
    if (Holds(fs::path(candidate), absolute) && candidate.size() > best.size()) best = candidate;
  }
  if (!best.empty()) drive.SetDrive(best);
  dir.SetPath(absolute);
}

void FollowDrive(const ui::DriveListBox& drive, ui::DirListBox& dir)
{
  try {
    dir.SetPath(drive.Drive());
  } catch (const FileError&) {
    // Not ready: the folder list stays where it was.
  }
}

void ListFolderAgain(ui::DirListBox& dir, ui::FileListBox& files, const fs::path& workingFolder)
{
  try {
    files.SetPath(dir.Path());
  } catch (const FileError&) {
    dir.SetPath(workingFolder);  // its Change lists the folder
    files.SetPath(dir.Path());
  }
}

std::string WithoutExtension(const std::string& fileName)
{
  // Characters, not bytes: the name before the extension may be Japanese.
  std::size_t end = fileName.size();
  for (int dropped = 0; dropped < 4 && end > 0; ++dropped) {
    --end;
    while (end > 0 && (static_cast<unsigned char>(fileName[end]) & 0xC0) == 0x80) --end;
  }
  return fileName.substr(0, end);
}

std::string CsvFileName(const std::string& typedName)
{
  constexpr std::string_view kExtension = ".csv";
  if (typedName.size() > kExtension.size()) {
    const std::string_view tail = std::string_view(typedName).substr(typedName.size() - kExtension.size());
    const bool typed = std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
      return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
    if (typed) return typedName;
  }
  return typedName + std::string(kExtension);
}

}  // namespace vorn::results
