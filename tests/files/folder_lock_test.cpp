// One program copy per working folder: a live owner keeps the lock, a dead
// owner's lock is taken over, and the lock file goes with its owner; for every
// user who may write the folder, never through a link, and without flock by
// the file alone.
#include "platform/files/folder_lock.h"
#include "tests/files/temp_folder.h"
#include "tests/support/second_account.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

namespace vorn {
namespace {

namespace fs = std::filesystem;
using FolderLockTest = vorn::testing::TempFolder;
using Outcome = FolderLock::Outcome;

std::string OwnerLine(long pid) { return std::to_string(pid) + " " + HostName() + "\n"; }

// A copy in a child process (as the account when one is given): takes the
// lock, says whether it did, and waits to be killed.
pid_t OtherCopy(const fs::path& file, const vorn::testing::Account* account, char& taken)
{
  int ready[2];
  if (pipe(ready) != 0) return -1;
  const pid_t owner = fork();
  if (owner == 0) {
    char answer = 'X';
    FolderLock lock(file);  // held until the kill
    if (account == nullptr || vorn::testing::Become(*account)) {
      umask(077);  // the lock file is still readable for everyone
      answer = lock.Take() == Outcome::Taken ? 'y' : 'n';
    }
    if (write(ready[1], &answer, 1) != 1 || answer != 'y') _exit(1);
    pause();
    _exit(0);
  }
  close(ready[1]);
  if (read(ready[0], &taken, 1) != 1) taken = 'X';
  close(ready[0]);
  return owner;
}

void Kill(pid_t pid)
{
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

TEST_F(FolderLockTest, ALiveOwnerKeepsItADeadOnesIsTakenOver)
{
  const fs::path file = folder_ / "vorn.lock";
  char taken = 0;
  const pid_t owner = OtherCopy(file, nullptr, taken);
  ASSERT_EQ(taken, 'y');

  FolderLock second(file);
  EXPECT_EQ(second.Take(), Outcome::HeldByAnother);
  EXPECT_EQ(second.OwnerPid(), owner);
  EXPECT_EQ(second.OwnerHost(), HostName());
  EXPECT_FALSE(second.Held());

  // Killed, it cannot remove its file: the file stays, the lock on it does not.
  Kill(owner);
  ASSERT_TRUE(fs::exists(file));
  EXPECT_EQ(second.Take(), Outcome::Taken);
  EXPECT_EQ(Slurp(file), OwnerLine(getpid()));

  // In one process too, a second copy finds it held; released, it is gone.
  FolderLock third(file);
  EXPECT_EQ(third.Take(), Outcome::HeldByAnother);
  second.Release();
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(third.Take(), Outcome::Taken);
}

TEST_F(FolderLockTest, AFolderWhereNoFileCanBeMadeHasNoLock)
{
  FolderLock lock(folder_ / "missing" / "vorn.lock");
  EXPECT_EQ(lock.Take(), Outcome::Unavailable);
  EXPECT_EQ(lock.Error(), ENOENT);
  EXPECT_FALSE(lock.Held());
}

// A link at the name is never followed (its target is neither emptied nor
// written), and a folder or a pipe there is refused at once.
TEST_F(FolderLockTest, NothingButAnOrdinaryFileAtItsNameIsTaken)
{
  const fs::path precious = Make("precious.txt", "keep me\n");
  fs::create_symlink(precious, folder_ / "link.lock");
  fs::create_directory(folder_ / "folder.lock");
  ASSERT_EQ(mkfifo((folder_ / "pipe.lock").c_str(), 0644), 0);
  for (const char* name : {"link.lock", "folder.lock", "pipe.lock"}) {
    for (const FolderLock::Method method : {FolderLock::Method::Flock, FolderLock::Method::ExclusiveCreate}) {
      FolderLock lock(folder_ / name, method);
      EXPECT_EQ(lock.Take(), Outcome::NotAFile) << name;
      EXPECT_FALSE(lock.Held());
    }
  }
  EXPECT_EQ(Slurp(precious), "keep me\n");
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.lock"));
}

// Where the file system has no flock, the file made with an exclusive create
// is the lock. A file naming a process of this host that has ended is taken
// over; one naming a live process, or another host, cannot be checked: it is
// refused, and left exactly as it was.
TEST_F(FolderLockTest, WithoutFlockTheFileItselfIsTheLock)
{
  const fs::path file = folder_ / "vorn.lock";
  constexpr auto kExclusive = FolderLock::Method::ExclusiveCreate;
  {
    FolderLock first(file, kExclusive);
    ASSERT_EQ(first.Take(), Outcome::Taken);
    EXPECT_EQ(Slurp(file), OwnerLine(getpid()));
    FolderLock second(file, kExclusive);
    EXPECT_EQ(second.Take(), Outcome::Unconfirmed);
    EXPECT_EQ(second.OwnerPid(), getpid());
    EXPECT_EQ(second.OwnerHost(), HostName());
    first.Release();
    EXPECT_EQ(second.Take(), Outcome::Taken);
  }
  EXPECT_FALSE(fs::exists(file));

  Make("vorn.lock", "999999999 " + HostName() + "\n");  // ended long ago
  {
    FolderLock lock(file, kExclusive);
    EXPECT_EQ(lock.Take(), Outcome::Taken);
    EXPECT_EQ(Slurp(file), OwnerLine(getpid()));
  }
  const std::string unrelated = OwnerLine(getppid());          // alive, whatever it is
  const std::string elsewhere = "4242 another-workstation\n";  // cannot be checked from here
  for (const std::string& content : {unrelated, elsewhere}) {
    Make("vorn.lock", content);
    FolderLock lock(file, kExclusive);
    EXPECT_EQ(lock.Take(), Outcome::Unconfirmed) << content;
    EXPECT_EQ(Slurp(file), content);
  }
}

// With flock, a file that nobody on this host holds may still be held by a
// copy on another host whose lock does not reach this one.
TEST_F(FolderLockTest, AnUnheldLockOfAnotherHostIsNotTakenOver)
{
  const fs::path file = Make("vorn.lock", "4242 another-workstation\n");
  FolderLock lock(file);
  EXPECT_EQ(lock.Take(), Outcome::Unconfirmed);
  EXPECT_EQ(lock.OwnerPid(), 4242);
  EXPECT_EQ(lock.OwnerHost(), "another-workstation");
  EXPECT_EQ(Slurp(file), "4242 another-workstation\n");
}

// Two accounts sharing a folder: the lock file of either (made under a umask
// of 077) can be opened by the other, which honours it while its owner lives
// and takes it over once the owner has died, without writing into it where it
// cannot remove it (a folder that keeps files to their owners).
TEST_F(FolderLockTest, EveryUserWhoMayWriteTheFolderTakesAndHonoursTheLock)
{
  const auto peer = vorn::testing::SecondAccount();
  if (!peer) GTEST_SKIP() << vorn::testing::kNoSecondAccount;
  ASSERT_EQ(chmod(folder_.c_str(), 0777), 0);
  const fs::path file = folder_ / "vorn.lock";

  char taken = 0;
  pid_t owner = OtherCopy(file, &*peer, taken);
  ASSERT_EQ(taken, 'y');
  struct stat info {};
  ASSERT_EQ(stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, peer->uid);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
  {
    FolderLock mine(file);
    EXPECT_EQ(mine.Take(), Outcome::HeldByAnother);
    EXPECT_EQ(mine.OwnerPid(), owner);
    Kill(owner);
    EXPECT_EQ(mine.Take(), Outcome::Taken);  // the dead copy's file, made anew as this user's

    // Now the other account finds it held by this one.
    EXPECT_EQ(vorn::testing::RunAs(*peer, [&] {
                FolderLock theirs(file);
                return theirs.Take() == Outcome::HeldByAnother ? 'h' : 'n';
              }),
              'h');
  }

  // A folder with the sticky bit: the other account cannot remove this
  // account's left file, so it holds the lock on it as it is.
  ASSERT_EQ(chmod(folder_.c_str(), 01777), 0);
  owner = OtherCopy(file, nullptr, taken);
  ASSERT_EQ(taken, 'y');
  Kill(owner);
  const std::string left = Slurp(file);
  EXPECT_EQ(vorn::testing::RunAs(*peer, [&] {
              FolderLock theirs(file);
              return theirs.Take() == Outcome::Taken ? 'y' : 'n';
            }),
            'y');
  EXPECT_EQ(Slurp(file), left);
}

}  // namespace
}  // namespace vorn
