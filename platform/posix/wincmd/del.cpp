#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/posix/wincmd/commands.h"
#include "platform/posix/wincmd/wildcard.h"

namespace wincmd {
namespace {

// Deletes one entry of `folder` when it is a file its owner may write. Returns the
// errorlevel: 0 deleted, 1 refused or failed (reported).
int DeleteEntry(FolderListing& folder, const std::string& name, const std::string& shown,
                const Reporter& report) {
  struct stat st;
  if (::fstatat(folder.fd(), name.c_str(), &st, 0) != 0) {
    report("del: Could Not Find " + shown);
    return 1;
  }
  if (S_ISDIR(st.st_mode)) {
    report("del: refused: " + shown + " is a folder; deleting all its files would need a "
           "confirmation that a script cannot give");
    return 1;
  }
  if (!S_ISREG(st.st_mode)) {
    report("del: Access is denied. (" + shown + " is no plain file)");
    return 1;
  }
  if ((st.st_mode & S_IWUSR) == 0) {
    report("del: Access is denied. (" + shown + " is read-only)");
    return 1;
  }
  if (::unlinkat(folder.fd(), name.c_str(), 0) != 0) {
    report("del: Access is denied. (" + shown + ": " + std::strerror(errno) + ")");
    return 1;
  }
  folder.Forget(name);
  return 0;
}

int DeleteOne(const std::string& path, CommandContext& context) {
  const Reporter& report = context.report;
  const PathParts parts = SplitPath(path);
  if (HasWildcards(parts.folder)) {
    report("del: The filename, directory name, or volume label syntax is incorrect. (" + path +
           ")");
    return 1;
  }
  if (parts.name.empty() || SelectsEveryName(parts.name)) {
    report("del: refused: " + path + " would delete every file of a folder, which needs a "
           "confirmation that a script cannot give");
    return 1;
  }
  FolderListing* folder = context.paths.Folder(parts.folder);
  if (folder == nullptr) {
    report("del: The system cannot find the path specified. (" + path + ")");
    return 1;
  }
  if (!HasWildcards(parts.name)) {
    const std::optional<std::string> stored = folder->Find(parts.name);
    if (!stored) {
      report("del: Could Not Find " + path);
      return 1;
    }
    return DeleteEntry(*folder, *stored, path, report);
  }
  const std::vector<std::string> names = folder->MatchingFiles(parts.name);
  if (names.empty()) {
    report("del: Could Not Find " + path);
    return 0;
  }
  int errorlevel = 0;
  for (const std::string& name : names) {
    if (DeleteEntry(*folder, name, parts.folder + name, report) != 0) errorlevel = 1;
  }
  return errorlevel;
}

}  // namespace

int RunDel(const std::vector<Word>& args, CommandContext& context) {
  if (args.empty()) {
    context.report("del: The syntax of the command is incorrect.");
    return 1;
  }
  for (const Word& arg : args) {
    if (arg.IsSwitch()) {
      context.report("del: the switch " + arg.text + " is not supported");
      return 1;
    }
  }
  int errorlevel = 0;
  for (const Word& arg : args) {
    if (DeleteOne(arg.text, context) != 0) errorlevel = 1;
  }
  return errorlevel;
}

}  // namespace wincmd
