// File name patterns and order, and the file, folder and drive lists.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/ui/ui.h"
#include "platform/ui/utf8.h"
#include "tests/ui/ui_test_support.h"

namespace fs = std::filesystem;

namespace vorn::ui {
namespace {

using Names = std::vector<std::string>;

TEST(FileNameTest, PatternsMatchLikeTheOldDesktop)
{
  EXPECT_TRUE(MatchesPattern("result.csv", "*.csv"));
  EXPECT_TRUE(MatchesPattern("RESULT.CSV", "*.csv"));
  EXPECT_FALSE(MatchesPattern("result.csv.bak", "*.csv"));
  EXPECT_FALSE(MatchesPattern("resultcsv", "*.csv"));
  EXPECT_TRUE(MatchesPattern("Al.ele", "*.ele;*.mix"));
  EXPECT_TRUE(MatchesPattern("PMMA.mix", "*.ele; *.mix"));
  EXPECT_FALSE(MatchesPattern("readme.txt", "*.ele;*.mix"));
  EXPECT_TRUE(MatchesPattern("noext", "*.*"));
  EXPECT_TRUE(MatchesPattern("a.op", "?.op"));
  EXPECT_FALSE(MatchesPattern("ab.op", "?.op"));
  EXPECT_TRUE(MatchesPattern("撮影.op", "??.op"));  // ? is one character, not one byte
  EXPECT_TRUE(MatchesPattern("a.b.c", "*.c"));
  EXPECT_FALSE(MatchesPattern("x.csv", ""));
  EXPECT_FALSE(MatchesPattern("x.csv", ";"));
}

TEST(FileNameTest, NamesSortAsAUserExpects)
{
  Names names{"run10.csv", "Run2.csv", "b.csv", "A.csv", "run1.csv", "run02.csv", "日本.csv", "a.csv"};
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
  // Names equal but for case or leading zeros keep their byte order.
  EXPECT_EQ(names, (Names{"A.csv", "a.csv", "b.csv", "run1.csv", "Run2.csv", "run02.csv", "run10.csv", "日本.csv"}));
  EXPECT_FALSE(NaturalLess("x", "x"));
  EXPECT_TRUE(NaturalLess("x", "x1"));
  EXPECT_FALSE(NaturalLess("x1", "x"));
}

TEST(FileNameTest, Utf8DecodesAndKeepsStrayBytes)
{
  EXPECT_EQ(DecodeUtf8("aé照"), (std::u32string{U'a', U'é', U'照'}));
  EXPECT_EQ(DecodeUtf8(std::string("\xFF" "a\xE7", 3)), (std::u32string{0xFF, U'a', 0xE7}));
  EXPECT_TRUE(IsFullWidth(U'照'));
  EXPECT_TRUE(IsFullWidth(U'　'));
  EXPECT_FALSE(IsFullWidth(U'ｱ'));  // half-width katakana
  EXPECT_FALSE(IsFullWidth(U'A'));
}

TEST(FileNameTest, Utf8IsValidOnlyWhenWellFormed)
{
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("a\r\n―照\xF0\x9F\x98\x80"));  // 1 to 4 bytes
  EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBF\xF4\x8F\xBF\xBF"));  // U+FFFF, U+10FFFF
  for (const char* bad : {"\x8b\xb9\x95\x94",  // "胸部" in Shift-JIS
                          "caf\xE9",            // Latin-1
                          "\xE7\x85",          // cut short at the end
                          "\xE7\x85" "a",     // cut short before a letter
                          "\xC0\xAF",          // overlong "/"
                          "\xE0\x80\xAF",      // overlong "/" in three bytes
                          "\xED\xA0\x80",      // a surrogate
                          "\xF4\x90\x80\x80",  // above U+10FFFF
                          "\xF8\x88\x80\x80\x80"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  }
}

class FileDialog : public Form {
public:
  explicit FileDialog(Application& app, DriveRoots roots)
      : Form(app, "FileDialog"), driveList{*this, "Drive1", {}, std::move(roots)}
  {
    driveList.Change = [this] {
      log.push_back("Drive1 " + driveList.Drive());
      try {
        folderList.SetPath(driveList.Drive());
      } catch (const FileError&) {
      }
    };
    folderList.Change = [this] {
      log.push_back("Dir1 " + folderList.Path().filename().string());
      fileList.SetPath(folderList.Path());
    };
    fileList.Click = [this] { log.push_back("File1 " + fileList.FileName()); };
  }
  DriveListBox driveList;
  DirListBox folderList{*this, "Dir1"};
  FileListBox fileList{*this, "File1"};
  std::vector<std::string> log;
};

class FileListTest : public testing::UiTest {
protected:
  DriveRoots roots;
  FileListTest()
  {
    roots.workingFolder = folder.MakeFolder("work");
    roots.home = folder.MakeFolder("home/me");
    roots.mountTable = folder.path() / "mounts";
    roots.mediaFolders = {folder.MakeFolder("media"), folder.MakeFolder("run/media"), folder.MakeFolder("mnt")};
  }
  // A mount table naming these mount points (in the folder) after the system's own.
  void Mount(const std::vector<std::string>& lines)
  {
    std::string table = "proc /proc proc rw 0 0\nsysfs /sys sysfs rw 0 0\ntmpfs /run tmpfs rw 0 0\n"
                        "/dev/sda1 / ext4 rw 0 0\n";
    for (const std::string& line : lines) table += line + "\n";
    folder.Write("mounts", table);
  }
};

TEST_F(FileListTest, ListsMatchingVisibleFilesInNaturalOrder)
{
  for (const char* name : {"run10.csv", "run2.csv", "b.csv", "A.CSV", "notes.txt", ".hidden.csv"}) folder.Write(name);
  folder.MakeFolder("folder.csv");
  FileDialog dialog(app, roots);
  dialog.fileList.SetPattern("*.csv");
  dialog.fileList.SetPath(folder.path());
  EXPECT_EQ(dialog.fileList.Items(), (Names{"A.CSV", "b.csv", "run2.csv", "run10.csv"}));
  EXPECT_EQ(dialog.fileList.FileName(), "");

  dialog.Show();
  dialog.fileList.UserChoose(1);
  EXPECT_EQ(dialog.fileList.FileName(), "b.csv");
  EXPECT_EQ(dialog.log, (Names{"File1 b.csv"}));

  // A file saved meanwhile shows after a refresh, which drops the selection.
  folder.Write("new.csv");
  EXPECT_EQ(dialog.fileList.ListCount(), 4);
  dialog.fileList.Refresh();
  EXPECT_EQ(dialog.fileList.ListCount(), 5);
  EXPECT_EQ(dialog.fileList.FileName(), "");

  dialog.fileList.SetPattern("*.ele;*.mix;*.txt");
  EXPECT_EQ(dialog.fileList.Items(), (Names{"notes.txt"}));
}

TEST_F(FileListTest, AMissingFolderIsRefusedAndTheListKept)
{
  folder.Write("a.op");
  FileDialog dialog(app, roots);
  dialog.fileList.SetPath(folder.path());
  EXPECT_THROW(dialog.fileList.SetPath(folder.path() / "gone"), FileError);
  EXPECT_EQ(dialog.fileList.Path(), folder.path());
  EXPECT_EQ(dialog.fileList.Items(), (Names{"a.op"}));
  EXPECT_THROW(dialog.folderList.SetPath(folder.path() / "a.op"), FileError);
  FileListBox unset{dialog, "Unset"};
  EXPECT_EQ(unset.ListCount(), 0);  // no folder until one is set
}

TEST_F(FileListTest, FolderListShowsTheWayDownAndOpensSubFolders)
{
  folder.MakeFolder("data/Organ-data");
  folder.MakeFolder("data/PDS-data");
  folder.Write("data/PDS-data/10.dat");
  FileDialog dialog(app, roots);
  dialog.folderList.SetPath(folder.path() / "data/");
  EXPECT_EQ(dialog.log, (Names{"Dir1 data"}));
  const auto& rows = dialog.folderList.Rows();
  ASSERT_GE(rows.size(), 4u);
  EXPECT_EQ(rows.front().label, "/");
  EXPECT_EQ(rows[rows.size() - 3].label, "data");
  EXPECT_TRUE(rows[rows.size() - 3].open);
  EXPECT_EQ(dialog.folderList.ListIndex(), static_cast<int>(rows.size()) - 3);
  EXPECT_EQ(rows[rows.size() - 2].label, "Organ-data");
  EXPECT_EQ(rows.back().label, "PDS-data");
  EXPECT_EQ(rows.back().depth, rows[rows.size() - 3].depth + 1);

  dialog.folderList.SetPath(folder.path() / "data");  // the same folder: no Change
  EXPECT_EQ(dialog.log.size(), 1u);

  dialog.Show();
  dialog.folderList.UserOpen(static_cast<int>(rows.size()) - 1);
  EXPECT_EQ(dialog.folderList.Path(), folder.path() / "data" / "PDS-data");
  EXPECT_EQ(dialog.fileList.Items(), (Names{"10.dat"}));  // the file list followed
  EXPECT_EQ(dialog.log.back(), "Dir1 PDS-data");
}

TEST_F(FileListTest, OpeningAFolderThatWentAwayOnlyRefreshes)
{
  folder.MakeFolder("data/old");
  FileDialog dialog(app, roots);
  dialog.folderList.SetPath(folder.path() / "data");
  fs::remove(folder.path() / "data/old");
  dialog.Show();
  dialog.folderList.UserOpen(static_cast<int>(dialog.folderList.Rows().size()) - 1);
  EXPECT_EQ(dialog.folderList.Path(), folder.path() / "data");
  EXPECT_EQ(dialog.folderList.Rows().back().label, "data");  // the stale row is gone
}

TEST_F(FileListTest, DrivesAreTheWorkingFolderHomeRemovableMediaAndNetworkShares)
{
  const std::string base = folder.path().string();
  for (const char* place : {"media/me/USB STICK", "media/me/CDROM", "mnt/nfs", "mnt/sandbox", "home/me/share", "srv/data"})
    folder.MakeFolder(place);
  Mount({"/dev/sdb1 " + base + "/media/me/USB\\040STICK vfat rw 0 0",  // a blank, escaped
         "/dev/sr0 " + base + "/media/me/CDROM iso9660 ro 0 0",
         "/dev/sdc1 " + base + "/media/me/unplugged vfat rw 0 0",  // its folder is gone
         "tmpfs " + base + "/mnt/sandbox tmpfs rw 0 0",            // not a device
         "server:/export " + base + "/mnt/nfs nfs4 rw 0 0",
         "//nas/share " + base + "/home/me/share cifs rw 0 0",
         "/dev/sdd1 " + base + "/srv/data ext4 rw 0 0",  // a disk of the system's
         "/dev/sde1 " + base + "/media ext4 rw 0 0"});   // the media folder itself
  EXPECT_EQ(FindDrives(roots), (Names{base + "/work", base + "/home/me", base + "/home/me/share",
                                      base + "/media/me/CDROM", base + "/media/me/USB STICK", base + "/mnt/nfs"}));
  DriveRoots bare = roots;
  bare.home = folder.path() / "nobody";
  bare.mountTable = folder.path() / "no-such-table";
  EXPECT_EQ(FindDrives(bare), (Names{base + "/work"}));
}

TEST_F(FileListTest, ChoosingADriveChangesTheFolders)
{
  folder.MakeFolder("mnt/usb/results");
  Mount({"/dev/sdb1 " + (folder.path() / "mnt/usb").string() + " vfat rw 0 0"});
  FileDialog dialog(app, roots);
  EXPECT_EQ(dialog.driveList.Drive(), (folder.path() / "work").string());
  ASSERT_EQ(dialog.driveList.ListCount(), 3);
  dialog.Show();
  dialog.driveList.UserChoose(2);
  EXPECT_EQ(dialog.driveList.Drive(), (folder.path() / "mnt/usb").string());
  EXPECT_EQ(dialog.driveList.ListIndex(), 2);
  EXPECT_EQ(dialog.folderList.Path(), folder.path() / "mnt/usb");
  EXPECT_EQ(dialog.log, (Names{"Drive1 " + (folder.path() / "mnt/usb").string(), "Dir1 usb"}));

  // A volume removed meanwhile: the list refreshes and nothing else happens.
  fs::remove_all(folder.path() / "mnt/usb");
  dialog.driveList.UserChoose(2);
  EXPECT_EQ(dialog.driveList.ListCount(), 2);
  EXPECT_EQ(dialog.log.size(), 2u);
  EXPECT_THROW(dialog.driveList.SetDrive((folder.path() / "mnt/usb").string()), FileError);
}

}  // namespace
}  // namespace vorn::ui
