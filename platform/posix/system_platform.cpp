#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_process_runner.h"
#include "platform/posix/posix_shell.h"
#include "platform/posix/wine_special_folders.h"

namespace platform {

Platform& SystemPlatform() {
  static posix::PosixFileSystem files{posix::WinePrefix(posix::WinePrefix::DefaultPrefixDir())};
  static posix::PosixShell shell{files, files.prefix().prefix_dir()};
  static posix::PosixProcessRunner processes{files, files.prefix().prefix_dir()};
  static Platform platform{&files, &shell, &processes, [] {
                             return posix::NewWineSpecialFolders(files, posix::WineUserName());
                           }};
  return platform;
}

std::string ProgramPath(const char* argv0) {
  std::string host_path = argv0 != nullptr ? argv0 : "";
  if (host_path.find('/') == std::string::npos) {
    // Started through the search path: ask the system where the program lies.
    char buffer[4096];
    ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length > 0) host_path.assign(buffer, static_cast<size_t>(length));
  }
  return SystemPlatform().files->WindowsPath(host_path);
}

bool HasDisplay() {
  const char* display = std::getenv("DISPLAY");
  return display != nullptr && *display != '\0';
}

}  // namespace platform
