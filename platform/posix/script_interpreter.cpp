#include "platform/posix/script_interpreter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/posix/wine_prefix.h"

extern char** environ;

namespace platform::posix {
namespace {

// Recorded by the build (see platform/CMakeLists.txt).
constexpr char kInstalledInterpreter[] = LUMVEK_WINCMD_INSTALLED;
constexpr char kBuiltInterpreter[] = LUMVEK_WINCMD_BUILT;

}  // namespace

std::vector<std::string> InterpreterCandidates(const std::string& override_path) {
  if (!override_path.empty()) return {override_path};
  return {kInstalledInterpreter, kBuiltInterpreter};
}

std::string FirstExecutable(const std::vector<std::string>& candidates) {
  for (const std::string& candidate : candidates) {
    struct stat st;
    if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
  }
  return "";
}

std::string FindInterpreter() {
  const char* override_path = std::getenv(kInterpreterVariable);
  return FirstExecutable(InterpreterCandidates(override_path != nullptr ? override_path : ""));
}

bool IsScriptName(const std::string& name) {
  return EndsWithIgnoringCase(name, ".bat") || EndsWithIgnoringCase(name, ".cmd");
}

std::vector<std::string> ChildEnvironment(const std::string& prefix_dir) {
  std::vector<std::string> environment;
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    if (!prefix_dir.empty() && std::strncmp(*entry, "WINEPREFIX=", 11) == 0) continue;
    environment.emplace_back(*entry);
  }
  if (!prefix_dir.empty()) environment.push_back("WINEPREFIX=" + prefix_dir);
  return environment;
}

}  // namespace platform::posix
