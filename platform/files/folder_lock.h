// One copy of a program per working folder. The exchange files have fixed
// names, so two copies in one folder would read each other's answers.
//
// The lock is a file in the folder holding the owner's process id and host
// ("1234 workstation-3"), locked (flock) for as long as the owner keeps it
// open. The system drops that lock when the owner ends in any way, so a lock
// file left by a copy that died is taken over; a live owner keeps it. flock
// works on a file opened for reading, so every user who may write the folder
// can take and honour the lock, whoever made the file (it is made readable for
// all).
//
// Where the file system has no flock (some network shares), the lock is the
// file itself, made with an exclusive create: it stands for a live owner
// until that owner removes it. One that names a process of this host that has
// ended is taken over; one that names a live process or another host cannot
// be checked, and is refused with its file named so that the user can remove
// it when no copy runs there.
//
// The name is never followed as a symbolic link, and a file this object did
// not make is never written or emptied.
//
//   FolderLock lock(folder / "vorn.lock");
//   if (lock.Take() != FolderLock::Outcome::Taken) { tell the user (FolderLockMessage); end; }
//   ...                                  // the destructor releases and removes it
#pragma once

#include <filesystem>
#include <string>

namespace vorn {

class FolderLock {
public:
  enum class Outcome {
    Taken,          // this object holds the lock now
    HeldByAnother,  // another live copy holds it (OwnerPid and OwnerHost say which, when known)
    Unconfirmed,    // without flock: the file names an owner that cannot be checked
    NotAFile,       // a folder, link, pipe or device stands at the lock's name
    Unavailable,    // no lock can be taken here (Error says why: a read-only folder, ...)
  };
  // How the lock is held: flock where the file system has it, else the
  // exclusive create alone. Tests choose the second directly.
  enum class Method { Flock, ExclusiveCreate };

  explicit FolderLock(std::filesystem::path file, Method method = Method::Flock);
  ~FolderLock();  // Release()
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  Outcome Take();
  // Removes the lock file (when it is still the one held) and lets go of it;
  // nothing when not held.
  void Release();

  bool Held() const { return fd_ >= 0; }
  // The owner written in the file that Take found: process id (0 when
  // unknown) and host (empty when unknown).
  long OwnerPid() const { return owner_; }
  const std::string& OwnerHost() const { return ownerHost_; }
  // The system's error number of an Unavailable outcome.
  int Error() const { return error_; }
  Method UsedMethod() const { return method_; }
  const std::filesystem::path& File() const { return file_; }

private:
  Outcome TakeWithFlock();
  Outcome TakeByExclusiveCreate();
  // Makes the file anew, holding this process's id and host; -1 when another
  // copy made it first (EEXIST) or it cannot be made (error_ set).
  int Create(bool lock);
  Outcome Unavailable(int error);
  void ReadOwner(int fd);

  std::filesystem::path file_;
  Method method_;
  int fd_ = -1;
  long owner_ = 0;
  std::string ownerHost_;
  int error_ = 0;
};

// This machine's name, as a lock file records it.
std::string HostName();

}  // namespace vorn
