// The shell service on POSIX systems: programs (".exe") are started directly, scripts
// (".bat", ".cmd") run through wincmd, the stand-in for the Windows command interpreter
// (script_interpreter.h), everything else is handed to the desktop's opener, xdg-open.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "platform/shell.h"

namespace platform::posix {

class PosixShell final : public Shell {
 public:
  // `prefix_dir` is the Wine prefix handed to a script's interpreter as WINEPREFIX (empty:
  // it inherits this process's environment as is).
  explicit PosixShell(FileSystem& files, std::string prefix_dir = "")
      : files_(files), prefix_dir_(std::move(prefix_dir)) {}
  bool Execute(const std::string& verb, const std::string& file,
               const std::string& parameters, const std::string& folder,
               ShowMode show) override;

 private:
  bool OpenScript(const std::string& file, const std::string& host_file,
                  const std::string& host_folder);

  FileSystem& files_;
  std::string prefix_dir_;
};

// Starts `argv` as a process of its own in host folder `host_folder` (empty: the current
// one), detached from this one so that it outlives it and leaves no zombie. Returns
// whether the program could be started.
bool StartDetached(const std::vector<std::string>& argv, const std::string& host_folder);
// The same with the environment `environment` ("NAME=value" entries) instead of this
// process's.
bool StartDetached(const std::vector<std::string>& argv, const std::string& host_folder,
                   const std::vector<std::string>& environment);

}  // namespace platform::posix
