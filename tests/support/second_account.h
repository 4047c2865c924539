// A second user account for the tests of shared working folders, and a way to
// run a step as that user. The account ("vorn-test-peer", no home, no login)
// is made on first use; that needs the administrator, as CI runs. Elsewhere
// the tests that need it skip, saying why.
//
//   const auto peer = testing::SecondAccount();
//   if (!peer) GTEST_SKIP() << testing::kNoSecondAccount;
//   const char answer = testing::RunAs(*peer, [&] { return lock.Take() == Taken ? 'y' : 'n'; });
#pragma once

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

namespace vorn::testing {

inline constexpr const char* kNoSecondAccount =
    "needs a second user account: run as root (as CI does) so that the test can make one";

struct Account {
  uid_t uid;
  gid_t gid;
};

inline std::optional<Account> SecondAccount()
{
  constexpr const char* kName = "vorn-test-peer";
  if (::geteuid() != 0) return std::nullopt;
  if (const passwd* entry = ::getpwnam(kName)) return Account{entry->pw_uid, entry->pw_gid};
  // Tests run in parallel processes: one at a time makes the account, the
  // others wait on the lock and then find it.
  const int guard = ::open("/tmp/vorn-test-peer.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (guard >= 0) ::flock(guard, LOCK_EX);
  if (::getpwnam(kName) == nullptr &&
      std::system("useradd --system --no-create-home --shell /usr/sbin/nologin vorn-test-peer >/dev/null 2>&1") != 0) {
    // Not made: the look-up below says so.
  }
  if (guard >= 0) ::close(guard);
  if (const passwd* entry = ::getpwnam(kName)) return Account{entry->pw_uid, entry->pw_gid};
  return std::nullopt;
}

// In a child process: becomes the account for good.
inline bool Become(const Account& account)
{
  return ::setgroups(0, nullptr) == 0 && ::setgid(account.gid) == 0 && ::setuid(account.uid) == 0;
}

// Runs step (returning a char) in a child process that has become the
// account, with the given umask, and returns what it returned; 'X' when the
// child could not become the account or ended otherwise.
template <class Step>
char RunAs(const Account& account, Step step, mode_t mask = 022)
{
  int answer[2];
  if (::pipe(answer) != 0) return 'X';
  const pid_t child = ::fork();
  if (child < 0) return 'X';
  if (child == 0) {
    ::close(answer[0]);
    char result = 'X';
    if (Become(account)) {
      ::umask(mask);
      result = step();
    }
    const ssize_t written = ::write(answer[1], &result, 1);
    ::_exit(written == 1 ? 0 : 1);
  }
  ::close(answer[1]);
  char result = 'X';
  if (::read(answer[0], &result, 1) != 1) result = 'X';
  ::close(answer[0]);
  ::waitpid(child, nullptr, 0);
  return result;
}

}  // namespace vorn::testing
