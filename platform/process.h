// The process service: runs a command line as a process of its own and waits for it.
#pragma once

#include <optional>
#include <string>

#include "platform/shell.h"

namespace platform {

class ProcessRunner {
 public:
  ProcessRunner() = default;
  ProcessRunner(const ProcessRunner&) = delete;
  ProcessRunner& operator=(const ProcessRunner&) = delete;
  virtual ~ProcessRunner() = default;

  // Starts `command_line` as a new process in the current working folder, its window in
  // state `show`, and waits for it to end, without a time limit. A command line whose
  // first token names a ".bat" script is run by the system's command interpreter.
  // Returns the process's exit code, or nothing when the process cannot be created.
  virtual std::optional<int> RunAndWait(const std::string& command_line, ShowMode show) = 0;
};

}  // namespace platform
