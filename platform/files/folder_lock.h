// One copy of a program per working folder. The exchange files have fixed
// names, so two copies in one folder would read each other's answers.
//
// The lock is a file in the folder holding the owner's process id and locked
// (flock) for as long as the owner keeps it open. The system drops that lock
// when the owner ends in any way, so a lock file left by a process that died
// is taken over; a live owner keeps it.
//
//   FolderLock lock(folder / "vorn.lock");
//   if (lock.Take() == FolderLock::Outcome::HeldByAnother) { tell the user; end; }
//   ...                                  // the destructor releases and removes it
#pragma once

#include <filesystem>

namespace vorn {

class FolderLock {
public:
  enum class Outcome {
    Taken,          // this object holds the lock now
    HeldByAnother,  // another live copy holds it (OwnerPid says which)
    Unavailable,    // no lock file can be made here (a read-only folder)
  };

  explicit FolderLock(std::filesystem::path file);
  ~FolderLock();  // Release()
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  Outcome Take();
  // Removes the lock file and lets go of it; nothing when not held.
  void Release();

  bool Held() const { return fd_ >= 0; }
  // The process id written by the owner that Take found, 0 when unknown.
  long OwnerPid() const { return owner_; }
  const std::filesystem::path& File() const { return file_; }

private:
  std::filesystem::path file_;
  int fd_ = -1;
  long owner_ = 0;
};

}  // namespace vorn
