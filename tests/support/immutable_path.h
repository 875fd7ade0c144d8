// Makes a host file or folder immutable for the life of a guard, so that even root can
// neither change nor replace it, nor create anything in a folder: the way for tests that
// run as root to meet a library that really cannot be written.
#pragma once

#include <string>

namespace testing_support {

class ImmutablePath {
 public:
  // Sets the immutable flag on `host_path`; Active() tells whether the file system and
  // the process's rights allowed it.
  explicit ImmutablePath(std::string host_path);
  ImmutablePath(const ImmutablePath&) = delete;
  ImmutablePath& operator=(const ImmutablePath&) = delete;
  // Clears the flag again, so that the path can be removed.
  ~ImmutablePath();

  bool Active() const { return active_; }

 private:
  std::string host_path_;
  bool active_ = false;
};

}  // namespace testing_support
