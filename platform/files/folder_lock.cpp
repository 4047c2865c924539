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

long ReadPid(int fd)
{
  char text[32] = {};
  const ssize_t got = ::pread(fd, text, sizeof text - 1, 0);
  if (got <= 0) return 0;
  return std::strtol(text, nullptr, 10);
}

// Whether fd is still the file that path names: the owner before may have
// removed it between our open and our lock.
bool StillNamed(int fd, const std::filesystem::path& path)
{
  struct stat opened {}, named {};
  if (::fstat(fd, &opened) != 0 || ::stat(path.c_str(), &named) != 0) return false;
  return opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

}  // namespace

FolderLock::FolderLock(std::filesystem::path file) : file_(std::move(file)) {}

FolderLock::~FolderLock() { Release(); }

FolderLock::Outcome FolderLock::Take()
{
  if (Held()) return Outcome::Taken;
  owner_ = 0;
  for (int attempt = 0; attempt < 10; ++attempt) {
    const int fd = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return Outcome::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      if (error == EINTR) {
        ::close(fd);
        continue;
      }
      if (error == EWOULDBLOCK) {
        owner_ = ReadPid(fd);
        ::close(fd);
        return Outcome::HeldByAnother;
      }
      // A file system without locks: the process id alone must tell.
      const long pid = ReadPid(fd);
      if (pid > 0 && pid != ::getpid() && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM)) {
        owner_ = pid;
        ::close(fd);
        return Outcome::HeldByAnother;
      }
    }
    if (!StillNamed(fd, file_)) {
      ::close(fd);
      continue;
    }
    const std::string pid = std::to_string(static_cast<long>(::getpid())) + "\n";
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, pid.data(), pid.size(), 0) != static_cast<ssize_t>(pid.size())) {
      ::close(fd);
      return Outcome::Unavailable;
    }
    fd_ = fd;
    return Outcome::Taken;
  }
  return Outcome::Unavailable;
}

void FolderLock::Release()
{
  if (!Held()) return;
  // Removed while still locked: a copy that opens the name meanwhile finds
  // it locked, or finds it gone and makes a new one.
  ::unlink(file_.c_str());
  ::close(fd_);
  fd_ = -1;
}

}  // namespace vorn
