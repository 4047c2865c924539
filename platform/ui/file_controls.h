// The file, folder and drive lists of the file dialogs.
//
//   materialFileList.SetPattern("*.ele;*.mix");
//   materialFileList.SetPath(program.app.WorkingFolder());   // lists the folder
//   ... materialFileList.FileName()                           // the selected name, or ""
//
// A dialog chains them as the old runtime's did: driveList's Change routine sets
// folderList's path, folderList's Change routine sets fileList's path.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/file_names.h"
#include "platform/ui/list_controls.h"

namespace vorn::ui {

// The files of one folder that match a pattern, in the order a user expects.
class FileListBox final : public ItemListControl {
public:
  FileListBox(Container& parent, std::string name, Rect bounds = {});

  ui::Kind Kind() const override { return ui::Kind::FileListBox; }

  // The folder listed; empty until set (the list is then empty).
  const std::filesystem::path& Path() const { return path_; }
  // Lists the folder. Throws vorn::FileError when it is not a folder (the
  // list is left as it was).
  void SetPath(const std::filesystem::path& folder);
  // ";"-separated patterns ("*.csv", "*.ele;*.mix"); "*.*" at first.
  const std::string& Pattern() const { return pattern_; }
  void SetPattern(std::string pattern);
  // Reads the folder again; nothing is selected afterwards.
  void Refresh();
  // The selected file's name (without folder), or "" when none is selected.
  std::string FileName() const { return List(ListIndex()); }

private:
  std::filesystem::path path_;
  std::string pattern_ = "*.*";
};

// One line of a folder list: the folders from the root down to the open
// folder, then the open folder's sub-folders.
struct FolderRow {
  std::filesystem::path path;
  std::string label;  // the folder's own name ("/" for the root)
  int depth = 0;      // indentation
  bool open = false;  // the open folder or one above it
};

class DirListBox final : public Control {
public:
  DirListBox(Container& parent, std::string name, Rect bounds = {});

  ui::Kind Kind() const override { return ui::Kind::DirListBox; }
  bool TakesFocus() const override { return true; }

  // The open folder; empty until set.
  const std::filesystem::path& Path() const { return path_; }
  // Opens a folder: raises Change when it differs. Throws vorn::FileError when
  // it is not a folder (nothing changes then).
  void SetPath(const std::filesystem::path& folder);
  // Reads the open folder's sub-folders again.
  void Refresh();
  const std::vector<FolderRow>& Rows() const { return rows_; }
  int ListIndex() const { return listIndex_; }

  Event<> Change;

  // The user clicks a row (selects it: Click).
  void UserChoose(int row);
  // The user double-clicks a row: the folder opens (DblClick, then Change).
  // A folder that has gone meanwhile only refreshes the list.
  void UserOpen(int row);

private:
  void Rebuild();
  void RequireRow(int row) const;

  std::filesystem::path path_;
  std::vector<FolderRow> rows_;
  int listIndex_ = -1;
};

// The places a user keeps files: the working folder, the home folder,
// removable media and network shares (see FindDrives). A drive is a folder
// path.
class DriveListBox final : public Control {
public:
  DriveListBox(Container& parent, std::string name, Rect bounds = {});
  // With the places to look given (tests).
  DriveListBox(Container& parent, std::string name, Rect bounds, DriveRoots roots);

  ui::Kind Kind() const override { return ui::Kind::DriveListBox; }
  bool TakesFocus() const override { return true; }

  const std::string& Drive() const { return drive_; }
  // Chooses a drive (any existing folder): raises Change when it differs.
  // Throws vorn::FileError when it is not a folder.
  void SetDrive(const std::string& drive);
  int ListCount() const { return static_cast<int>(drives_.size()); }
  std::string List(int index) const;
  int ListIndex() const;
  // Looks for volumes again.
  void Refresh();

  Event<> Change;

  // The user picks a drive from the list (Change). A volume that has gone
  // meanwhile only refreshes the list.
  void UserChoose(int index);

private:
  DriveRoots roots_;
  std::vector<std::string> drives_;
  std::string drive_;
};

}  // namespace vorn::ui
