#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/posix/file_descriptor.h"
#include "platform/posix/wincmd/commands.h"
#include "platform/posix/wincmd/wildcard.h"

namespace wincmd {
namespace {

using platform::posix::FileDescriptor;

bool CopyBytes(int from, int to) {
  char buffer[128 * 1024];
  while (true) {
    const ssize_t got = ::read(from, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    if (!platform::posix::WriteAll(to, std::string_view(buffer, static_cast<size_t>(got)))) {
      return false;
    }
  }
}

enum class CopyResult { kCopied, kSameFile, kReadOnly, kFailed };

// Replaces `target` in `to` by a copy of `source` in `from`: the bytes go to a temporary
// file in the target's folder, which is flushed and renamed over the target. A running
// program keeps its old file, a failure leaves the target as it was. A replaced file keeps
// its permissions (a program stays runnable) and, where allowed, its owner; a new one
// takes the source's permissions. `writable` adds the owner's write permission, as xcopy
// drops the read-only attribute.
CopyResult CopyReplacing(FolderListing& from, const std::string& source, FolderListing& to,
                         const std::string& target, bool writable) {
  FileDescriptor in(::openat(from.fd(), source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
  struct stat source_stat;
  if (in.get() < 0 || ::fstat(in.get(), &source_stat) != 0 || !S_ISREG(source_stat.st_mode)) {
    return CopyResult::kFailed;
  }
  struct stat old;
  const bool replacing = ::fstatat(to.fd(), target.c_str(), &old, 0) == 0;
  if (replacing) {
    if (old.st_dev == source_stat.st_dev && old.st_ino == source_stat.st_ino) {
      return CopyResult::kSameFile;
    }
    if (!S_ISREG(old.st_mode)) {
      errno = EISDIR;
      return CopyResult::kFailed;
    }
    if ((old.st_mode & S_IWUSR) == 0) return CopyResult::kReadOnly;
  }
  mode_t mode = (replacing ? old.st_mode : source_stat.st_mode) & 07777;
  if (writable) mode |= S_IWUSR;

  std::string temp_path = to.host_path() + "/.wincmd-XXXXXX";
  FileDescriptor out(::mkostemp(temp_path.data(), O_CLOEXEC));
  if (out.get() < 0) return CopyResult::kFailed;
  const std::string temp_name = temp_path.substr(temp_path.rfind('/') + 1);
  if (replacing && ::fchown(out.get(), old.st_uid, old.st_gid) != 0) {
    // Not allowed for an ordinary user; the copy then belongs to whoever runs the script.
  }
  bool ok = CopyBytes(in.get(), out.get()) && ::fchmod(out.get(), mode) == 0 &&
            ::fsync(out.get()) == 0;
  ok = out.Close() && ok;
  if (ok && ::renameat(to.fd(), temp_name.c_str(), to.fd(), target.c_str()) == 0) {
    to.Remember(target, EntryKind::kFile);
    return CopyResult::kCopied;
  }
  const int error = errno;
  ::unlinkat(to.fd(), temp_name.c_str(), 0);
  errno = error;
  return CopyResult::kFailed;
}

bool EndsWithSeparator(const std::string& path) {
  return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

}  // namespace

int RunCopy(const std::vector<Word>& args, CommandContext& context) {
  const Reporter& report = context.report;
  for (const Word& arg : args) {
    if (arg.IsSwitch()) {
      report("copy: the switch " + arg.text + " is not supported");
      return 1;
    }
  }
  if (args.size() != 2) {
    report("copy: The syntax of the command is incorrect.");
    return 1;
  }
  const std::string& source = args[0].text;
  const std::string& target = args[1].text;
  if (HasWildcards(source) || HasWildcards(target)) {
    report("copy: copying by wildcards is not supported");
    return 1;
  }
  const PathParts source_parts = SplitPath(source);
  FolderListing* source_folder = context.paths.Folder(source_parts.folder);
  const std::optional<std::string> source_name =
      source_folder ? source_folder->Find(source_parts.name) : std::nullopt;
  if (source_parts.name.empty() || !source_name ||
      source_folder->KindOf(*source_name) != EntryKind::kFile) {
    report("copy: The system cannot find the file specified. (" + source + ")");
    return 1;
  }

  // B is a folder when it says so or when one of that name exists; then A keeps its name.
  FolderListing* target_folder = nullptr;
  std::string target_name;
  const PathParts target_parts = SplitPath(target);
  FolderListing* parent = context.paths.Folder(target_parts.folder);
  const std::optional<std::string> existing =
      parent && !target_parts.name.empty() ? parent->Find(target_parts.name) : std::nullopt;
  if (target_parts.name.empty() || EndsWithSeparator(target) ||
      (existing && parent->KindOf(*existing) == EntryKind::kFolder)) {
    target_folder = context.paths.Folder(target);
    if (target_folder != nullptr) {
      target_name = target_folder->Find(*source_name).value_or(*source_name);
    }
  } else if (parent != nullptr) {
    target_folder = parent;
    target_name = existing.value_or(target_parts.name);
  }
  if (target_folder == nullptr) {
    report("copy: The system cannot find the path specified. (" + target + ")");
    return 1;
  }

  switch (CopyReplacing(*source_folder, *source_name, *target_folder, target_name, false)) {
    case CopyResult::kCopied:
      return 0;
    case CopyResult::kSameFile:
      report("copy: The file cannot be copied onto itself. (" + source + ")");
      return 1;
    case CopyResult::kReadOnly:
      report("copy: Access is denied. (" + target + " is read-only)");
      return 1;
    case CopyResult::kFailed:
      report("copy: Access is denied. (" + source + " -> " + target + ": " +
             std::strerror(errno) + ")");
      return 1;
  }
  return 1;
}

int RunXcopy(const std::vector<Word>& args, CommandContext& context) {
  const Reporter& report = context.report;
  std::vector<std::string> paths;
  bool overwrite_confirmed = false;
  for (const Word& arg : args) {
    if (!arg.IsSwitch()) {
      paths.push_back(arg.text);
    } else if (arg.text == "/y" || arg.text == "/Y") {
      overwrite_confirmed = true;
    } else {
      report("xcopy: Invalid switch - " + arg.text);
      return 4;
    }
  }
  if (paths.size() != 2 || !overwrite_confirmed) {
    // Without /y xcopy would ask before replacing a file, and nobody can answer.
    report("xcopy: only the form xcopy \"SOURCE\" \"FOLDER\\\" /y is supported");
    return 4;
  }
  const std::string& source = paths[0];
  const std::string& target = paths[1];
  const PathParts source_parts = SplitPath(source);
  if (HasWildcards(source_parts.folder) || HasWildcards(target) || source_parts.name.empty()) {
    report("xcopy: Invalid path - " + source);
    return 4;
  }

  FolderListing* source_folder = context.paths.Folder(source_parts.folder);
  std::vector<std::string> names;
  if (source_folder != nullptr) {
    if (HasWildcards(source_parts.name)) {
      names = source_folder->MatchingFiles(source_parts.name);
    } else if (auto name = source_folder->Find(source_parts.name);
               name && source_folder->KindOf(*name) == EntryKind::kFile) {
      names.push_back(*name);
    }
  }
  if (names.empty()) {
    report("xcopy: File not found - " + source_parts.name + " (" + source + ")");
    return 1;
  }

  // Without a trailing backslash xcopy would ask whether a missing DST names a file or a
  // folder; an existing folder needs no answer.
  FolderListing* target_folder = nullptr;
  if (EndsWithSeparator(target)) {
    if (!context.paths.CreateFolders(target)) {
      report("xcopy: Invalid path - " + target);
      return 4;
    }
    target_folder = context.paths.Folder(target);
  } else {
    target_folder = context.paths.Folder(target);
    if (target_folder == nullptr) {
      report("xcopy: refused: " + target + " must end with \"\\\" to name a folder");
      return 4;
    }
  }
  if (target_folder == nullptr) {
    report("xcopy: Invalid path - " + target);
    return 4;
  }

  int errorlevel = 0;
  for (const std::string& name : names) {
    const std::string target_name = target_folder->Find(name).value_or(name);
    switch (CopyReplacing(*source_folder, name, *target_folder, target_name, true)) {
      case CopyResult::kCopied:
        break;
      case CopyResult::kSameFile:
        report("xcopy: File cannot be copied onto itself - " + name);
        errorlevel = std::max(errorlevel, 4);
        break;
      case CopyResult::kReadOnly:
        report("xcopy: Access denied - " + target_name);
        errorlevel = std::max(errorlevel, 5);
        break;
      case CopyResult::kFailed:
        report("xcopy: File creation error - " + name + ": " + std::strerror(errno));
        errorlevel = std::max(errorlevel, 5);
        break;
    }
  }
  return errorlevel;
}

}  // namespace wincmd
