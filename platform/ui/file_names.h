// File names as the file, folder and drive lists show them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::ui {

// Whether a file name matches one of the ";"-separated patterns ("*.ele;*.mix").
// "*" stands for any run of characters, "?" for one; letters compare without
// regard to case ("*.csv" matches "RESULT.CSV"), as the old desktop did; "*.*"
// matches every name.
bool MatchesPattern(std::string_view fileName, std::string_view patterns);

// The order a user expects in a list of names: letters without regard to case,
// runs of digits by their value ("run2" before "run10"); names that differ only
// in case keep a fixed order.
bool NaturalLess(std::string_view a, std::string_view b);

// The visible files of a folder (regular files, or links to them; names that
// start with "." are hidden) that match the patterns, in natural order. An
// unreadable or missing folder gives an empty list.
std::vector<std::string> ListFiles(const std::filesystem::path& folder, std::string_view patterns);

// The visible sub-folders of a folder, in natural order.
std::vector<std::string> ListFolders(const std::filesystem::path& folder);

// Where the drive list looks for the places a user keeps files.
struct DriveRoots {
  std::filesystem::path workingFolder;  // the program's working folder
  std::filesystem::path home;           // the user's home folder
  // The system's table of mounted file systems (the format of /proc/self/mounts).
  std::filesystem::path mountTable = "/proc/self/mounts";
  // Where the desktop and the administrator mount removable media.
  std::vector<std::filesystem::path> mediaFolders{"/media", "/run/media", "/mnt"};
};

// The places of this machine: the working folder, $HOME and the mount table.
DriveRoots SystemDriveRoots(const std::filesystem::path& workingFolder);

// The drive list: the working folder, the home folder, then in natural order
// the removable media (a device mounted in one of the media folders) and the
// network shares (NFS, SMB, SSHFS ...) wherever they are mounted; only folders
// that exist, each once. The system's own mounts (/, /proc, /sys, /run ...)
// are not places to keep files.
std::vector<std::string> FindDrives(const DriveRoots& roots);

}  // namespace vorn::ui
