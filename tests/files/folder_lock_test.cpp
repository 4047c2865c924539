// One program copy per working folder: a live owner keeps the lock, a dead
// owner's lock is taken over, and the lock file goes with its owner.
#include "platform/files/folder_lock.h"
#include "tests/files/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

namespace vorn {
namespace {

namespace fs = std::filesystem;
using FolderLockTest = vorn::testing::TempFolder;

TEST_F(FolderLockTest, ALiveOwnerKeepsItADeadOnesIsTakenOver)
{
  const fs::path file = folder_ / "vorn.lock";
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t owner = fork();
  ASSERT_GE(owner, 0);
  if (owner == 0) {  // another copy: takes the lock, says so, and waits to be killed
    FolderLock lock(file);
    const char taken = lock.Take() == FolderLock::Outcome::Taken ? 'y' : 'n';
    if (write(ready[1], &taken, 1) != 1) _exit(1);
    pause();
    _exit(0);
  }
  char taken = 0;
  ASSERT_EQ(read(ready[0], &taken, 1), 1);
  ASSERT_EQ(taken, 'y');

  FolderLock second(file);
  EXPECT_EQ(second.Take(), FolderLock::Outcome::HeldByAnother);
  EXPECT_EQ(second.OwnerPid(), owner);
  EXPECT_FALSE(second.Held());

  // Killed, it cannot remove its file: the file stays, the lock on it does not.
  kill(owner, SIGKILL);
  waitpid(owner, nullptr, 0);
  ASSERT_TRUE(fs::exists(file));
  EXPECT_EQ(second.Take(), FolderLock::Outcome::Taken);
  EXPECT_EQ(Slurp(file), std::to_string(getpid()) + "\n");

  // In one process too, a second copy finds it held; released, it is gone.
  FolderLock third(file);
  EXPECT_EQ(third.Take(), FolderLock::Outcome::HeldByAnother);
  second.Release();
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(third.Take(), FolderLock::Outcome::Taken);
  close(ready[0]);
  close(ready[1]);
}

TEST_F(FolderLockTest, AFolderWhereNoFileCanBeMadeHasNoLock)
{
  FolderLock lock(folder_ / "missing" / "vorn.lock");
  EXPECT_EQ(lock.Take(), FolderLock::Outcome::Unavailable);
  EXPECT_FALSE(lock.Held());
}

}  // namespace
}  // namespace vorn
