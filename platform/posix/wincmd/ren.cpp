#include <cerrno>
#include <cstring>

#include "platform/posix/wincmd/commands.h"
#include "platform/posix/wincmd/wildcard.h"

namespace wincmd {

int RunRen(const std::vector<Word>& args, CommandContext& context) {
  const Reporter& report = context.report;
  if (args.size() != 2 || args[0].IsSwitch() || args[1].IsSwitch()) {
    report("ren: The syntax of the command is incorrect.");
    return 1;
  }
  const std::string& source = args[0].text;
  const std::string& target_mask = args[1].text;
  const PathParts parts = SplitPath(source);
  if (target_mask.find_first_of("\\/:") != std::string::npos || parts.name.empty()) {
    report("ren: The syntax of the command is incorrect.");
    return 1;
  }
  if (HasWildcards(parts.folder)) {
    report("ren: The filename, directory name, or volume label syntax is incorrect. (" +
           source + ")");
    return 1;
  }
  FolderListing* folder = context.paths.Folder(parts.folder);
  if (folder == nullptr) {
    report("ren: The system cannot find the path specified. (" + source + ")");
    return 1;
  }
  const std::vector<std::string> names = folder->MatchingFiles(parts.name);
  if (names.empty()) {
    report("ren: The system cannot find the file specified. (" + source + ")");
    return 1;
  }
  int errorlevel = 0;
  for (const std::string& name : names) {
    const std::optional<std::string> new_name = RenameTarget(name, target_mask);
    if (!new_name) {
      report("ren: The syntax of the command is incorrect. (" + name + " -> " + target_mask + ")");
      errorlevel = 1;
      continue;
    }
    if (*new_name == name) continue;
    switch (folder->Rename(name, *new_name)) {
      case FolderListing::RenameResult::kRenamed:
        break;
      case FolderListing::RenameResult::kExists:
        report("ren: A duplicate file name exists, or the file cannot be found. (" + name +
               " -> " + *new_name + ")");
        errorlevel = 1;
        break;
      case FolderListing::RenameResult::kFailed:
        report("ren: Access is denied. (" + name + " -> " + *new_name + ": " +
               std::strerror(errno) + ")");
        errorlevel = 1;
        break;
    }
  }
  return errorlevel;
}

}  // namespace wincmd
