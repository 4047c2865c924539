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

// Where the drive list looks for volumes a user would pick from.
struct DriveRoots {
  std::filesystem::path root = "/";
  std::filesystem::path home;                      // the user's home folder
  std::vector<std::filesystem::path> mountFolders;  // each sub-folder is a volume ("/mnt")
  std::vector<std::filesystem::path> userMountFolders;  // volumes lie one level down, under the user's name ("/media")
  std::string userName;
};

// The roots of this machine: "/", $HOME, the folders in /mnt, and the volumes
// that the desktop mounts in /media/<user>, /run/media/<user> and /media.
DriveRoots SystemDriveRoots();

// The drive list: the root, the home folder, then the mounted volumes in
// natural order; only folders that exist, each once.
std::vector<std::string> FindDrives(const DriveRoots& roots);

}  // namespace vorn::ui
