// The process service on POSIX systems.
#pragma once

#include "platform/file_system.h"
#include "platform/process.h"

namespace platform::posix {

class PosixProcessRunner final : public ProcessRunner {
 public:
  explicit PosixProcessRunner(FileSystem& files) : files_(files) {}
  std::optional<int> RunAndWait(const std::string& command_line, ShowMode show) override;

 private:
  FileSystem& files_;
};

}  // namespace platform::posix
