#include "platform/posix/posix_process_runner.h"

namespace platform::posix {

// No command interpreter is built yet, so no script can be started.
std::optional<int> PosixProcessRunner::RunAndWait(const std::string& /*command_line*/,
                                                  ShowMode /*show*/) {
  (void)files_;
  return std::nullopt;
}

}  // namespace platform::posix
