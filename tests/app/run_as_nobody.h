// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a stretch of a test with the calling thread's effective user switched from root to
// "nobody", so that file permissions apply to it as to an ordinary user. The raw system
// call changes only the calling thread (the C library's wrapper would change every thread
// of the process); the saved user id stays 0, which lets the guard switch back.
#pragma once

#include <sys/syscall.h>
#include <unistd.h>

namespace skorlin::app::testing {

class RunAsNobody {
 public:
  static constexpr long kNobody = 65534;

  // Does nothing unless the effective user is root.
  RunAsNobody() {
    if (::geteuid() != 0) return;
    switched_ = ::syscall(SYS_setresuid, kNobody, kNobody, 0L) == 0;
    failed_ = !switched_;
  }
  ~RunAsNobody() {
    if (switched_) ::syscall(SYS_setresuid, 0L, 0L, 0L);
  }
  RunAsNobody(const RunAsNobody&) = delete;
  RunAsNobody& operator=(const RunAsNobody&) = delete;

  // Whether the switch away from root was needed and could not be made (no CAP_SETUID):
  // a permission test then has nothing to test.
  bool Failed() const { return failed_; }
  // Whether this thread now runs as nobody (and so other users need access to the tree).
  bool Switched() const { return switched_; }
  static bool AsRoot() { return ::geteuid() == 0; }

 private:
  bool switched_ = false;
  bool failed_ = false;
};

}  // namespace skorlin::app::testing
