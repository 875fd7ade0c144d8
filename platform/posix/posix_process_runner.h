// The process service on POSIX systems. A ".bat" or ".cmd" command line runs through
// wincmd, the stand-in for the Windows command interpreter (script_interpreter.h); any
// other names a program, started directly. The process gets a session of its own (no
// terminal, the counterpart of a hidden console), reads nothing (standard input is
// /dev/null), and inherits the working folder and the environment, with WINEPREFIX set
// to the file service's prefix. No text ever passes through a shell. The show mode has
// no meaning here: no window is ever made.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "platform/process.h"

namespace platform::posix {

class PosixProcessRunner final : public ProcessRunner {
 public:
  // `files` maps the command line's program; `prefix_dir` is the Wine prefix handed to
  // the process as WINEPREFIX (empty: the process inherits this one's environment as is).
  explicit PosixProcessRunner(FileSystem& files, std::string prefix_dir = "")
      : files_(files), prefix_dir_(std::move(prefix_dir)) {}

  // Nothing when the program (or the script) does not exist, when wincmd cannot be found
  // for a script, or when the process cannot be started. A process ended by a signal gives
  // 128 + the signal's number.
  std::optional<int> RunAndWait(const std::string& command_line, ShowMode show) override;

 private:
  FileSystem& files_;
  std::string prefix_dir_;
};

// Splits a command line into words at blanks and tabs; double quotes group and are
// removed.
std::vector<std::string> SplitCommandLine(const std::string& command_line);

}  // namespace platform::posix
