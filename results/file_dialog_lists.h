// The drive, folder and file lists of the result table's save and read
// dialogs, chained as the desktop's were: a drive opens its root in the
// folder list, a folder is listed in the file list.
#pragma once

#include <filesystem>
#include <string>

#include "platform/ui/file_controls.h"

namespace vorn::results {

// Opens the working folder, with the drive that holds it chosen.
void OpenWorkingFolder(ui::DriveListBox& drive, ui::DirListBox& dir, const std::filesystem::path& folder);

// The folder list follows a newly chosen drive; a drive that is not ready
// leaves it as it was.
void FollowDrive(const ui::DriveListBox& drive, ui::DirListBox& dir);

// Lists the folder list's folder again; when that folder has gone, the
// working folder instead.
void ListFolderAgain(ui::DirListBox& dir, ui::FileListBox& files, const std::filesystem::path& workingFolder);

// A listed file's name without its extension (".csv"): its last four characters.
std::string WithoutExtension(const std::string& fileName);

// The file a typed name saves to: the name with ".csv" added, unless the user
// typed the extension already (in any case: "ward.CSV").
std::string CsvFileName(const std::string& typedName);

}  // namespace vorn::results
