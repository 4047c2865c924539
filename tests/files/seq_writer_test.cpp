// The writer, atomic saves, and round trips through the reader.
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"
#include "tests/files/temp_folder.h"
#include "tests/support/second_account.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace vorn {
namespace {

namespace fs = std::filesystem;
using Writer = vorn::testing::TempFolder;
using AtomicSave = vorn::testing::TempFolder;

TEST_F(Writer, WritesExactBytesWithCrLfLineEnds)
{
  const fs::path path = folder_ / "out.txt";
  SeqWriter w(path);
  w.Write("a,");
  w.Write("b");
  w.WriteLine("");
  w.WriteLine("照射部位");
  w.Close();
  EXPECT_EQ(Slurp(path), "a,b\r\n照射部位\r\n");
}

TEST_F(Writer, ReplacesAnExistingFile)
{
  const fs::path path = Make("out.txt", "old content that is longer\r\n");
  SeqWriter w(path);
  w.WriteLine("new");
  w.Close();
  EXPECT_EQ(Slurp(path), "new\r\n");
}

TEST_F(Writer, DestructorClosesTheFile)
{
  const fs::path path = folder_ / "out.txt";
  {
    SeqWriter w(path);
    w.WriteLine("kept");
  }
  EXPECT_EQ(Slurp(path), "kept\r\n");
}

TEST_F(Writer, MissingFolderIsAFileErrorNamingTheFile)
{
  try {
    SeqWriter w(folder_ / "no-such-folder" / "result.csv");
    FAIL() << "no FileError thrown";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("result.csv"), std::string::npos) << e.what();
  }
  EXPECT_THROW(SeqWriter{folder_}, FileError);  // a folder is no file
}

TEST_F(Writer, WritingAfterCloseIsAFileError)
{
  SeqWriter w(folder_ / "out.txt");
  w.Close();
  EXPECT_NO_THROW(w.Close());
  EXPECT_THROW(w.Write("late"), FileError);
}

TEST_F(Writer, AFullDeviceIsReportedAtClose)
{
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  SeqWriter w("/dev/full");
  bool thrown = false;
  try {
    w.WriteLine("a line that the device has no room for");
    w.Close();
  } catch (const FileError& e) {
    thrown = true;
    EXPECT_NE(std::string(e.what()).find("/dev/full"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(thrown);
}

TEST_F(Writer, FormattedItemsReadBackAsWritten)
{
  // A file in the shape the system writes: a comment line, numbers through
  // patterns with blank separators, plain print numbers one a line, and
  // comma-separated text and number cells.
  const std::vector<double> voltages = {40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150};
  const std::vector<double> outputs = {1.23e-6, 2.5e-6, 4.07e-6, 9.99e-6, 1.1e-5, 0.0};
  const fs::path path = folder_ / "round.dat";
  {
    SeqWriter w(path);
    w.WriteLine("comment, with a comma");
    for (const double v : voltages) w.Write(Format(v, "###.# "));
    w.WriteLine("");
    for (const double x : outputs) w.Write(Format(x, "0.00E+00 "));
    w.Write(Format(2.5, "#0.00 "));
    w.WriteLine(Format(0.1, "#0.00"));
    w.WriteLine(PrintNumberText(75));
    w.WriteLine(PrintNumberText(-0.05));
    w.WriteLine(PrintNumberText(1.0 / 3.0));
    w.WriteLine("腹部正面," + NumberText(100) + "," + Format(0.123456, "##0.00%"));
    w.Close();
  }
  SeqReader r(path);
  EXPECT_EQ(r.ReadLine(), "comment, with a comma");
  for (const double v : voltages) EXPECT_EQ(r.ReadNumber(), v);
  for (const double x : outputs) EXPECT_EQ(r.ReadNumber(), x);
  EXPECT_EQ(r.ReadNumber(), 2.5);
  EXPECT_EQ(r.ReadNumber(), 0.1);
  EXPECT_EQ(r.ReadNumber(), 75.0);
  EXPECT_EQ(r.ReadNumber(), -0.05);
  EXPECT_EQ(r.ReadNumber(), 0.333333333333333);  // 15 digits survive
  EXPECT_EQ(r.ReadText(), "腹部正面");
  EXPECT_EQ(r.ReadNumber(), 100.0);
  EXPECT_EQ(Val(r.ReadText()), 12.35);
  EXPECT_TRUE(r.Eof());
}

// Every name in the folder.
std::vector<std::string> Names(const fs::path& folder)
{
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(AtomicSave, WritesAndReplacesWithoutLeavingATemporaryFile)
{
  const fs::path target = folder_ / "table.csv";
  WriteFileAtomically(target, "first\r\n");
  EXPECT_EQ(Slurp(target), "first\r\n");
  WriteFileAtomically(target, "second\r\nline two\r\n");
  EXPECT_EQ(Slurp(target), "second\r\nline two\r\n");
  EXPECT_EQ(Names(folder_), std::vector<std::string>{"table.csv"});
  EXPECT_EQ(ReadAllLines(target), (std::vector<std::string>{"second", "line two"}));
  WriteFileAtomically(target, "");
  EXPECT_EQ(Slurp(target), "");
  // A name near the longest a file may have still finds a temporary name.
  const fs::path longName = folder_ / (std::string(200, 'x') + "頭部.csv");
  WriteFileAtomically(longName, "long");
  EXPECT_EQ(Slurp(longName), "long");
}

TEST_F(AtomicSave, FailureLeavesTheOldFileIntact)
{
  // A file-size limit makes the write fail, even for root (unlike a
  // read-only folder); each test runs in its own process.
  const fs::path target = Make("table.csv", "old\r\n");
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool thrown = false;
  try {
    WriteFileAtomically(target, std::string(4096, 'n'));
  } catch (const FileError& e) {
    thrown = true;
    EXPECT_NE(std::string(e.what()).find("table.csv"), std::string::npos) << e.what();
    EXPECT_EQ(e.file(), target);
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_TRUE(thrown);
  EXPECT_EQ(Slurp(target), "old\r\n");
  EXPECT_EQ(Names(folder_), std::vector<std::string>{"table.csv"});  // the temporary file is gone
}

// Two writers at once never tear the file: a reader beside them always finds
// one writer's content whole.
TEST_F(AtomicSave, ConcurrentWritersNeverTearTheFile)
{
  const fs::path target = folder_ / "X_SPCTL.dat";
  std::vector<std::string> contents;
  for (char c : {'a', 'b', 'c', 'd'}) contents.push_back(std::string(1, c) + std::string(50000, c) + "\r\n");
  std::atomic<bool> done{false};
  std::vector<std::thread> writers;
  for (const std::string& content : contents) {
    writers.emplace_back([&target, &content] {
      for (int i = 0; i < 100; ++i) WriteFileAtomically(target, content);
    });
  }
  int torn = 0, reads = 0;
  std::thread reader([&] {
    while (!done) {
      if (!fs::exists(target)) continue;
      const std::string seen = Slurp(target);
      ++reads;
      if (std::find(contents.begin(), contents.end(), seen) == contents.end()) ++torn;
    }
  });
  for (std::thread& w : writers) w.join();
  done = true;
  reader.join();
  EXPECT_EQ(torn, 0) << "of " << reads << " reads";
  EXPECT_NE(std::find(contents.begin(), contents.end(), Slurp(target)), contents.end());
  EXPECT_EQ(Names(folder_), std::vector<std::string>{"X_SPCTL.dat"});
}

// A writer killed at any moment leaves the old file or the new one, and at
// most a hidden ".part" file that no reader's pattern lists.
TEST_F(AtomicSave, AKilledWriterLeavesTheOldOrTheNewFile)
{
  const fs::path target = folder_ / "joken.txt";
  const std::string first(20000, '1'), second(30000, '2');
  WriteFileAtomically(target, first);
  std::mt19937 random(7);
  for (int trial = 0; trial < 40; ++trial) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) WriteFileAtomically(target, i % 2 == 0 ? second : first);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200 + random() % 3000));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string seen = Slurp(target);
    EXPECT_TRUE(seen == first || seen == second) << "trial " << trial << ": " << seen.size() << " bytes";
  }
  for (const std::string& name : Names(folder_)) {
    if (name == "joken.txt") continue;
    EXPECT_EQ(name.front(), '.') << name;
    EXPECT_TRUE(name.ends_with(".part")) << name;
  }
}

TEST_F(AtomicSave, TargetThatIsAFolderIsAFileError)
{
  const fs::path target = folder_ / "sub";
  fs::create_directory(target);
  Make("sub/inside.txt", "x");
  EXPECT_THROW(WriteFileAtomically(target, "content"), FileError);
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(Slurp(target / "inside.txt"), "x");
  EXPECT_EQ(Names(folder_), std::vector<std::string>{"sub"});
}

TEST_F(AtomicSave, MissingFolderIsAFileError)
{
  EXPECT_THROW(WriteFileAtomically(folder_ / "missing" / "table.csv", "x"), FileError);
  EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

// The save replaces the file, not what the user made of it: its mode stays,
// and a link stays a link with the file it leads to replaced (one that leads
// nowhere yet gets its file).
TEST_F(AtomicSave, KeepsTheModeAndWritesThroughALink)
{
  for (const fs::perms mode : {fs::perms(0600), fs::perms(0640)}) {
    const fs::path file = Make("private.csv", "old");
    fs::permissions(file, mode);
    WriteFileAtomically(file, "new");
    EXPECT_EQ(Slurp(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), mode);
  }
  fs::create_directory(folder_ / "store");
  Make("store/results.csv", "old");
  fs::create_symlink("store/results.csv", folder_ / "results.csv");
  fs::create_symlink("store/later.csv", folder_ / "later.csv");
  WriteFileAtomically(folder_ / "results.csv", "new");
  WriteFileAtomically(folder_ / "later.csv", "made");
  EXPECT_TRUE(fs::is_symlink(folder_ / "results.csv"));
  EXPECT_EQ(Slurp(folder_ / "store/results.csv"), "new");
  EXPECT_EQ(Slurp(folder_ / "store/later.csv"), "made");
  EXPECT_EQ(Names(folder_), (std::vector<std::string>{"later.csv", "private.csv", "results.csv", "store"}));
}

// A write-protected file, and a pipe or device at the name, are refused and
// left as they were; the refusal says why.
TEST_F(AtomicSave, AWriteProtectedFileOrNoFileIsRefused)
{
  const fs::path file = Make("vorn_default.op", "old");
  fs::permissions(file, fs::perms(0444));
  ASSERT_EQ(mkfifo((folder_ / "Vorn2PDD.dat").c_str(), 0644), 0);
  const std::pair<fs::path, FileFault> cases[] = {{file, FileFault::WriteProtected},
                                                  {folder_ / "Vorn2PDD.dat", FileFault::NotRegular}};
  for (const auto& [path, fault] : cases) {
    try {
      WriteFileAtomically(path, "new");
      ADD_FAILURE() << path << ": no FileError thrown";
    } catch (const FileError& e) {
      EXPECT_EQ(e.fault(), fault) << e.what();
      EXPECT_EQ(e.file(), path);
    }
  }
  EXPECT_EQ(Slurp(file), "old");
  EXPECT_EQ(fs::status(file).permissions(), fs::perms(0444));
  EXPECT_EQ(Names(folder_), (std::vector<std::string>{"Vorn2PDD.dat", "vorn_default.op"}));
}

// In a folder two accounts share: another user's file keeps its owner where
// the system allows it (the administrator's save), and is otherwise left as
// it was with a message; a link another user put there is not followed.
TEST_F(AtomicSave, AnotherUsersFileKeepsItsOwnerOrIsLeftAsItWas)
{
  const auto peer = vorn::testing::SecondAccount();
  if (!peer) GTEST_SKIP() << vorn::testing::kNoSecondAccount;
  ASSERT_EQ(chmod(folder_.c_str(), 0777), 0);

  const fs::path theirs = Make("theirs.csv", "old");
  ASSERT_EQ(chown(theirs.c_str(), peer->uid, peer->gid), 0);
  fs::permissions(theirs, fs::perms(0664));
  WriteFileAtomically(theirs, "new");
  struct stat info {};
  ASSERT_EQ(stat(theirs.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, peer->uid);
  EXPECT_EQ(info.st_gid, peer->gid);
  EXPECT_EQ(info.st_mode & 07777, 0664u);

  const fs::path mine = Make("mine.csv", "old");
  fs::permissions(mine, fs::perms(0666));
  const auto attempt = [&](const fs::path& path) {
    try {
      WriteFileAtomically(path, "new");
    } catch (const FileError& e) {
      return e.fault() == FileFault::OtherOwner ? 'o' : 'f';
    }
    return 'w';
  };
  EXPECT_EQ(vorn::testing::RunAs(*peer, [&] { return attempt(mine); }), 'o');
  EXPECT_EQ(vorn::testing::RunAs(*peer, [&] {
              return symlink(mine.c_str(), (folder_ / "planted.csv").c_str()) == 0 ? 'y' : 'n';
            }),
            'y');
  EXPECT_EQ(attempt(folder_ / "planted.csv"), 'o');
  EXPECT_EQ(Slurp(mine), "old");
  EXPECT_EQ(Names(folder_), (std::vector<std::string>{"mine.csv", "planted.csv", "theirs.csv"}));
}

// Only this program's own temporary files go, by their exact name and age: a
// save still under way, a name that merely looks alike, a link or a folder of
// that name stay.
TEST_F(AtomicSave, StaleTemporaryFilesOfKilledSavesAreRemoved)
{
  const auto aged = [&](const std::string& name) {
    Make(name, "x");
    fs::last_write_time(folder_ / name, fs::file_time_type::clock::now() - std::chrono::hours(2));
  };
  aged(".results.csv.4242-0123456789abcdef.part");
  aged(".撮影部位.txt.7-fedcba9876543210.part");
  for (const char* name : {".results.csv.4242-0123456789ABCDEF.part", ".results.csv.4242-0123456789abcde.part",
                           ".results.csv.x-0123456789abcdef.part", "results.csv.4242-0123456789abcdef.part",
                           "..4242-0123456789abcdef.part"}) {
    aged(name);
  }
  Make(".now.csv.4242-0123456789abcdef.part", "a save under way");
  fs::create_symlink("results.csv", folder_ / ".link.csv.1-0123456789abcdef.part");
  fs::create_directory(folder_ / ".dir.csv.1-0123456789abcdef.part");
  EXPECT_EQ(RemoveStaleTemporaryFiles(folder_, std::chrono::hours(1)), 2);
  EXPECT_EQ(Names(folder_).size(), 8u);
  EXPECT_FALSE(fs::exists(folder_ / ".results.csv.4242-0123456789abcdef.part"));
  EXPECT_EQ(RemoveStaleTemporaryFiles(folder_ / "missing", std::chrono::hours(1)), 0);
}

}  // namespace
}  // namespace vorn
