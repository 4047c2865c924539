#include "platform/ui/file_names.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>
#include <pwd.h>

#include "platform/ui/utf8.h"

namespace fs = std::filesystem;

namespace vorn::ui {

namespace {

char32_t Fold(char32_t c) { return (c >= U'A' && c <= U'Z') ? c + (U'a' - U'A') : c; }

bool Glob(const std::u32string& name, std::size_t n, const std::u32string& pattern, std::size_t p)
{
  // Iterative matching with one back-track point for the last "*".
  std::size_t starP = std::u32string::npos;
  std::size_t starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == U'?' || Fold(pattern[p]) == Fold(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == U'*') {
      starP = p++;
      starN = n;
    } else if (starP != std::u32string::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == U'*') ++p;
  return p == pattern.size();
}

std::string_view Trim(std::string_view s)
{
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool IsHidden(const fs::path& p)
{
  const std::string name = p.filename().string();
  return name.empty() || name.front() == '.';
}

template <class Keep>
std::vector<std::string> ListEntries(const fs::path& folder, Keep keep)
{
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  if (ec) return names;
  for (const fs::directory_entry& entry : it) {
    if (IsHidden(entry.path())) continue;
    if (keep(entry)) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
  return names;
}

bool IsFolder(const fs::path& p)
{
  std::error_code ec;
  return fs::is_directory(p, ec);
}

}  // namespace

bool MatchesPattern(std::string_view fileName, std::string_view patterns)
{
  const std::u32string name = DecodeUtf8(fileName);
  while (true) {
    const std::size_t cut = patterns.find(';');
    const std::string_view one = Trim(patterns.substr(0, cut));
    if (one == "*.*" || one == "*") return true;
    if (!one.empty() && Glob(name, 0, DecodeUtf8(one), 0)) return true;
    if (cut == std::string_view::npos) return false;
    patterns.remove_prefix(cut + 1);
  }
}

bool NaturalLess(std::string_view a, std::string_view b)
{
  const std::u32string x = DecodeUtf8(a);
  const std::u32string y = DecodeUtf8(b);
  std::size_t i = 0;
  std::size_t j = 0;
  auto isDigit = [](char32_t c) { return c >= U'0' && c <= U'9'; };
  while (i < x.size() && j < y.size()) {
    if (isDigit(x[i]) && isDigit(y[j])) {
      // Compare the digit runs by value: skip leading zeros, then length, then digits.
      std::size_t i0 = i;
      std::size_t j0 = j;
      while (i0 < x.size() && x[i0] == U'0') ++i0;
      while (j0 < y.size() && y[j0] == U'0') ++j0;
      std::size_t i1 = i0;
      std::size_t j1 = j0;
      while (i1 < x.size() && isDigit(x[i1])) ++i1;
      while (j1 < y.size() && isDigit(y[j1])) ++j1;
      if (i1 - i0 != j1 - j0) return i1 - i0 < j1 - j0;
      for (std::size_t k = 0; k < i1 - i0; ++k)
        if (x[i0 + k] != y[j0 + k]) return x[i0 + k] < y[j0 + k];
      i = i1;
      j = j1;
      continue;
    }
    const char32_t cx = Fold(x[i]);
    const char32_t cy = Fold(y[j]);
    if (cx != cy) return cx < cy;
    ++i;
    ++j;
  }
  if ((x.size() - i) != (y.size() - j)) return (x.size() - i) < (y.size() - j);
  return a < b;  // equal but for case or leading zeros: a fixed order
}

std::vector<std::string> ListFiles(const fs::path& folder, std::string_view patterns)
{
  return ListEntries(folder, [patterns](const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.is_regular_file(ec) && MatchesPattern(entry.path().filename().string(), patterns);
  });
}

std::vector<std::string> ListFolders(const fs::path& folder)
{
  return ListEntries(folder, [](const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.is_directory(ec);
  });
}

DriveRoots SystemDriveRoots(const fs::path& workingFolder)
{
  DriveRoots roots;
  roots.workingFolder = workingFolder;
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    roots.home = home;
  } else if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    roots.home = pw->pw_dir;
  }
  return roots;
}

namespace {

// The mount table writes blanks, tabs, line ends and backslashes in a path
// as octal escapes ("\040").
std::string UnescapeMountPath(std::string_view field)
{
  std::string path;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string_view digits = field.substr(i + 1, 3);
      if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        path.push_back(static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 + (digits[2] - '0')));
        i += 3;
        continue;
      }
    }
    path.push_back(field[i]);
  }
  return path;
}

bool IsNetworkFileSystem(std::string_view type)
{
  static constexpr std::array<std::string_view, 13> kNetwork{
      "nfs",  "nfs4",      "cifs",      "smb3",          "smbfs",         "ncpfs",        "afs",
      "ceph", "glusterfs", "fuse.sshfs", "fuse.glusterfs", "fuse.rclone",  "davfs"};
  return std::find(kNetwork.begin(), kNetwork.end(), type) != kNetwork.end();
}

// Whether `path` lies inside `folder` (not the folder itself).
bool Inside(const fs::path& path, const fs::path& folder)
{
  const fs::path relative = path.lexically_relative(folder);
  return !relative.empty() && relative != "." && *relative.begin() != "..";
}

}  // namespace

std::vector<std::string> FindDrives(const DriveRoots& roots)
{
  std::vector<std::string> drives;
  auto add = [&drives](const fs::path& p) {
    if (p.empty() || !IsFolder(p)) return;
    const std::string text = p.lexically_normal().string();
    if (std::find(drives.begin(), drives.end(), text) == drives.end()) drives.push_back(text);
  };
  add(roots.workingFolder);
  add(roots.home);
  std::vector<fs::path> places;
  std::ifstream table(roots.mountTable);
  std::string line;
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string source;
    std::string where;
    std::string type;
    if (!(fields >> source >> where >> type)) continue;
    const fs::path mountPoint = UnescapeMountPath(where);
    const bool removable =
        source.starts_with("/dev/") && std::any_of(roots.mediaFolders.begin(), roots.mediaFolders.end(),
                                                   [&](const fs::path& media) { return Inside(mountPoint, media); });
    if (removable || IsNetworkFileSystem(type)) places.push_back(mountPoint);
  }
  std::sort(places.begin(), places.end(),
            [](const fs::path& a, const fs::path& b) { return NaturalLess(a.string(), b.string()); });
  for (const fs::path& p : places) add(p);
  return drives;
}

}  // namespace vorn::ui
