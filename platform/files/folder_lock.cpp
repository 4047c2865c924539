#include "platform/files/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>
#include <utility>

namespace vorn {
namespace {

// Never through a link (O_NOFOLLOW), never waiting for a pipe's writer
// (O_NONBLOCK), never a terminal taken over (O_NOCTTY). Read only: flock
// needs no more, and another user's file opens so too.
constexpr int kOpenExisting = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// The errors with which a file system says it has no flock.
bool FlockUnsupported(int error)
{
  return error == EOPNOTSUPP || error == ENOLCK || error == EINVAL || error == ENOSYS;
}

// Whether fd is still the file that path names: the owner before may have
// removed it between our open and our lock.
bool StillNamed(int fd, const std::filesystem::path& path)
{
  struct stat opened {}, named {};
  if (::fstat(fd, &opened) != 0 || ::lstat(path.c_str(), &named) != 0) return false;
  return opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

bool ProcessAlive(long pid)
{
  return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

}  // namespace

std::string HostName()
{
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

FolderLock::FolderLock(std::filesystem::path file, Method method) : file_(std::move(file)), method_(method) {}

FolderLock::~FolderLock() { Release(); }

FolderLock::Outcome FolderLock::Take()
{
  if (Held()) return Outcome::Taken;
  owner_ = 0;
  ownerHost_.clear();
  error_ = 0;
  return method_ == Method::Flock ? TakeWithFlock() : TakeByExclusiveCreate();
}

FolderLock::Outcome FolderLock::Unavailable(int error)
{
  error_ = error;
  return Outcome::Unavailable;
}

void FolderLock::ReadOwner(int fd)
{
  char text[300] = {};
  const ssize_t got = ::pread(fd, text, sizeof text - 1, 0);
  if (got <= 0) return;
  char* end = nullptr;
  const long pid = std::strtol(text, &end, 10);
  owner_ = pid > 0 ? pid : 0;
  // The host: the word after the process id, printable characters only.
  std::string host;
  for (const char* c = end; c != nullptr && *c != '\0' && c < text + got; ++c) {
    if (*c == ' ' && host.empty()) continue;
    if (*c <= ' ' || *c == 0x7F) break;
    host += *c;
  }
  ownerHost_ = host;
}

int FolderLock::Create(bool lock)
{
  // 0644, then set again below whatever the umask: other users open it to
  // honour the lock and to read whose it is.
  const int fd = ::open(file_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) {
    error_ = errno;
    return -1;
  }
  if (lock && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    if (FlockUnsupported(error)) {
      method_ = Method::ExclusiveCreate;  // made with O_EXCL: the file itself is the lock
    } else {
      // Another copy found the new file before it was locked and took it;
      // the caller looks again.
      ::close(fd);
      error_ = error == EINTR ? EAGAIN : error;
      return -1;
    }
  }
  if (method_ == Method::Flock && !StillNamed(fd, file_)) {
    ::close(fd);
    error_ = EAGAIN;
    return -1;
  }
  const std::string owner = std::to_string(static_cast<long>(::getpid())) + " " + HostName() + "\n";
  if (::fchmod(fd, 0644) != 0 ||
      ::pwrite(fd, owner.data(), owner.size(), 0) != static_cast<ssize_t>(owner.size())) {
    error_ = errno;
    ::unlink(file_.c_str());
    ::close(fd);
    return -1;
  }
  return fd;
}

FolderLock::Outcome FolderLock::TakeWithFlock()
{
  for (int attempt = 0; attempt < 20; ++attempt) {
    const int fd = ::open(file_.c_str(), kOpenExisting);
    if (fd < 0) {
      const int error = errno;
      if (error == ELOOP) return Outcome::NotAFile;  // a symbolic link
      if (error != ENOENT) return Unavailable(error);
      fd_ = Create(true);
      if (fd_ >= 0) return Outcome::Taken;
      if (error_ == EEXIST || error_ == EAGAIN || error_ == EWOULDBLOCK) continue;  // another copy came first
      return Unavailable(error_);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      ::close(fd);
      return Outcome::NotAFile;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      if (error == EWOULDBLOCK) ReadOwner(fd);
      ::close(fd);
      if (error == EINTR) continue;
      if (error == EWOULDBLOCK) return Outcome::HeldByAnother;
      if (FlockUnsupported(error)) {
        method_ = Method::ExclusiveCreate;
        return TakeByExclusiveCreate();
      }
      return Unavailable(error);
    }
    if (!StillNamed(fd, file_)) {  // removed by its owner meanwhile: look again
      ::close(fd);
      continue;
    }
    // Nobody holds the file. A copy on this machine that held it would hold
    // it still, so it was left by one that ended. A copy on another machine
    // may hold it where its lock does not reach this one (network file
    // systems differ there): that cannot be told apart from one that ended.
    ReadOwner(fd);
    if (!ownerHost_.empty() && ownerHost_ != HostName()) {
      ::close(fd);
      return Outcome::Unconfirmed;
    }
    // Made anew rather than written: this copy never writes a file it did
    // not make. Our lock on the old file keeps other copies out meanwhile.
    if (::unlink(file_.c_str()) == 0) {
      fd_ = Create(true);
      ::close(fd);
      if (fd_ >= 0) {
        owner_ = 0;
        ownerHost_.clear();
        return Outcome::Taken;
      }
      if (error_ == EEXIST || error_ == EAGAIN || error_ == EWOULDBLOCK) continue;
      return Unavailable(error_);
    }
    // It cannot be removed (another user's file in a folder that keeps its
    // files to their owners): held as it is, the lock holds just as well.
    fd_ = fd;
    return Outcome::Taken;
  }
  return Unavailable(EBUSY);
}

FolderLock::Outcome FolderLock::TakeByExclusiveCreate()
{
  for (int attempt = 0; attempt < 20; ++attempt) {
    fd_ = Create(false);
    if (fd_ >= 0) return Outcome::Taken;
    if (error_ != EEXIST) return Unavailable(error_);
    error_ = 0;
    const int fd = ::open(file_.c_str(), kOpenExisting);
    if (fd < 0) {
      const int error = errno;
      if (error == ENOENT) continue;  // removed meanwhile
      if (error == ELOOP) return Outcome::NotAFile;
      return Unavailable(error);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      ::close(fd);
      return Outcome::NotAFile;
    }
    ReadOwner(fd);
    // Only a process of this machine that has ended shows the file stale;
    // a live one may be the owner or an unrelated process that got its id.
    const bool thisHost = ownerHost_.empty() || ownerHost_ == HostName();
    if (thisHost && owner_ > 0 && !ProcessAlive(owner_) && StillNamed(fd, file_)) {
      ::unlink(file_.c_str());
      ::close(fd);
      continue;
    }
    ::close(fd);
    return Outcome::Unconfirmed;
  }
  return Unavailable(EBUSY);
}

void FolderLock::Release()
{
  if (!Held()) return;
  // Removed while still locked: a copy that opens the name meanwhile finds
  // it locked, or finds it gone and makes a new one. A file that is no longer
  // the one held is another copy's and stays.
  if (StillNamed(fd_, file_)) ::unlink(file_.c_str());
  ::close(fd_);
  fd_ = -1;
}

}  // namespace vorn
