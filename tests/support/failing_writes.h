// Makes every write to a file of this process fail while it lives: a file can
// still be created, but not given a byte (the file-size limit is 0; the
// signal that limit raises is ignored, so the write fails with EFBIG). Unlike a
// read-only folder this stops root too. Each test runs in a process of its
// own, and the limit is restored at the end of the scope.
//
//   { testing::FailingWrites full; dialog.okButton.UserClick(); }  // the save fails
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <stdexcept>

namespace vorn::testing {

class FailingWrites {
public:
  FailingWrites() : handler_(std::signal(SIGXFSZ, SIG_IGN))
  {
    if (getrlimit(RLIMIT_FSIZE, &saved_) != 0) throw std::runtime_error("getrlimit failed");
    struct rlimit none = saved_;
    none.rlim_cur = 0;
    if (setrlimit(RLIMIT_FSIZE, &none) != 0) throw std::runtime_error("setrlimit failed");
  }
  ~FailingWrites()
  {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }
  FailingWrites(const FailingWrites&) = delete;
  FailingWrites& operator=(const FailingWrites&) = delete;

private:
  struct rlimit saved_ {};
  void (*handler_)(int);
};

}  // namespace vorn::testing
