// The shell service on POSIX systems: programs (".exe") are started directly, everything
// else is handed to the desktop's opener, xdg-open.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/shell.h"

namespace platform::posix {

class PosixShell final : public Shell {
 public:
  explicit PosixShell(FileSystem& files) : files_(files) {}
  bool Execute(const std::string& verb, const std::string& file,
               const std::string& parameters, const std::string& folder,
               ShowMode show) override;

 private:
  FileSystem& files_;
};

// Starts `argv` as a process of its own in host folder `host_folder` (empty: the current
// one), detached from this one so that it outlives it and leaves no zombie. Returns
// whether the program could be started.
bool StartDetached(const std::vector<std::string>& argv, const std::string& host_folder);

}  // namespace platform::posix
