#include "platform/ui/file_controls.h"

#include <stdexcept>
#include <system_error>

#include "platform/errors.h"
#include "platform/ui/application.h"

namespace fs = std::filesystem;

namespace vorn::ui {

namespace {

bool IsFolder(const fs::path& p)
{
  std::error_code ec;
  return fs::is_directory(p, ec);
}

fs::path Absolute(const fs::path& p)
{
  std::error_code ec;
  fs::path a = fs::absolute(p, ec);
  if (ec) a = p;
  a = a.lexically_normal();
  // "/a/b/" and "/a/b" name the same folder.
  if (a.has_relative_path() && a.filename().empty()) a = a.parent_path();
  return a;
}

}  // namespace

// ---------------------------------------------------------------- FileListBox

FileListBox::FileListBox(Container& parent, std::string name, Rect bounds)
    : ItemListControl(parent, std::move(name), bounds)
{
}

void FileListBox::SetPath(const fs::path& folder)
{
  if (!IsFolder(folder)) throw FileError(folder.string() + ": folder not found", FileFault::NotFound, folder);
  path_ = Absolute(folder);
  Refresh();
}

void FileListBox::SetPattern(std::string pattern)
{
  pattern_ = std::move(pattern);
  Refresh();
}

void FileListBox::Refresh()
{
  ReplaceItems(path_.empty() ? std::vector<std::string>{} : ListFiles(path_, pattern_));
}

// ---------------------------------------------------------------- DirListBox

DirListBox::DirListBox(Container& parent, std::string name, Rect bounds) : Control(parent, std::move(name), bounds)
{
  SetBackColor(colors::WindowBackground);
  SetForeColor(colors::WindowText);
}

void DirListBox::SetPath(const fs::path& folder)
{
  if (!IsFolder(folder)) throw FileError(folder.string() + ": folder not found", FileFault::NotFound, folder);
  const fs::path next = Absolute(folder);
  const bool changed = next != path_;
  path_ = next;
  Rebuild();
  if (changed) Raise(Change);
}

void DirListBox::Refresh() { Rebuild(); }

void DirListBox::Rebuild()
{
  rows_.clear();
  if (!path_.empty()) {
    std::vector<fs::path> chain;
    for (fs::path p = path_;; p = p.parent_path()) {
      chain.insert(chain.begin(), p);
      if (p == p.parent_path() || p.parent_path().empty()) break;
    }
    int depth = 0;
    for (const fs::path& p : chain) {
      const std::string label = p.has_filename() ? p.filename().string() : p.string();
      rows_.push_back(FolderRow{p, label, depth++, true});
    }
    for (const std::string& sub : ListFolders(path_)) rows_.push_back(FolderRow{path_ / sub, sub, depth, false});
  }
  // The open folder is the selected row, as the list shows it highlighted.
  listIndex_ = -1;
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].open && rows_[i].path == path_) listIndex_ = static_cast<int>(i);
  Changed(Prop::List);
  Changed(Prop::ListIndex);
}

void DirListBox::RequireRow(int row) const
{
  if (row < 0 || row >= static_cast<int>(rows_.size()))
    throw std::out_of_range(Name() + ": no folder row " + std::to_string(row));
}

void DirListBox::UserChoose(int row)
{
  RequireUsable("choose from");
  RequireRow(row);
  RunUserEvent([this, row] {
    SetFocus();
    listIndex_ = row;
    Changed(Prop::ListIndex);
    Raise(Click);
  });
}

void DirListBox::UserOpen(int row)
{
  RequireUsable("open a folder in");
  RequireRow(row);
  RunUserEvent([this, row] {
    SetFocus();
    const fs::path target = rows_[static_cast<std::size_t>(row)].path;
    Raise(DblClick);
    if (IsFolder(target)) {
      SetPath(target);
    } else {
      Rebuild();
    }
  });
}

// ---------------------------------------------------------------- DriveListBox

DriveListBox::DriveListBox(Container& parent, std::string name, Rect bounds)
    : DriveListBox(parent, std::move(name), bounds, SystemDriveRoots(parent.OwnerForm().App().WorkingFolder()))
{
}

DriveListBox::DriveListBox(Container& parent, std::string name, Rect bounds, DriveRoots roots)
    : Control(parent, std::move(name), bounds), roots_(std::move(roots))
{
  SetBackColor(colors::WindowBackground);
  SetForeColor(colors::WindowText);
  drives_ = FindDrives(roots_);
  if (!drives_.empty()) drive_ = drives_.front();
}

void DriveListBox::SetDrive(const std::string& drive)
{
  if (!IsFolder(drive)) throw FileError(drive + ": drive not ready", FileFault::NotFound, drive);
  if (drive_ == drive) return;
  drive_ = drive;
  Changed(Prop::ListIndex);
  Raise(Change);
}

std::string DriveListBox::List(int index) const
{
  if (index < 0 || index >= ListCount()) return {};
  return drives_[static_cast<std::size_t>(index)];
}

int DriveListBox::ListIndex() const
{
  for (std::size_t i = 0; i < drives_.size(); ++i)
    if (drives_[i] == drive_) return static_cast<int>(i);
  return -1;
}

void DriveListBox::Refresh()
{
  drives_ = FindDrives(roots_);
  Changed(Prop::List);
  Changed(Prop::ListIndex);
}

void DriveListBox::UserChoose(int index)
{
  RequireUsable("choose from");
  if (index < 0 || index >= ListCount()) throw std::out_of_range(Name() + ": no drive " + std::to_string(index));
  RunUserEvent([this, index] {
    SetFocus();
    const std::string drive = drives_[static_cast<std::size_t>(index)];
    if (IsFolder(drive)) {
      SetDrive(drive);
    } else {
      Refresh();
    }
  });
}

}  // namespace vorn::ui
