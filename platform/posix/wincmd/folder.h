// Folders as the commands see them: a Windows-form folder is mapped to its host folder
// once, read once, and then looked up by name without regard to case in memory, so that a
// command over tens of thousands of files never scans a folder per file. Changes made
// through a listing keep it up to date.
#pragma once

#include <sys/types.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/posix/wine_prefix.h"

namespace wincmd {

// A Windows-form path cut before its last component.
struct PathParts {
  std::string folder;  // up to and including the last separator ("C:\x\", "C:", "" for
                       // the working folder)
  std::string name;    // the last component; empty when the path ends with a separator
                       // or its last component is "." or ".."
};
PathParts SplitPath(const std::string& windows_path);

enum class EntryKind { kFile, kFolder, kOther };

class FolderListing {
 public:
  // Opens and reads the folder at the absolute host path; nullptr when that is no folder.
  static std::unique_ptr<FolderListing> Open(const std::string& host_folder);

  FolderListing(const FolderListing&) = delete;
  FolderListing& operator=(const FolderListing&) = delete;
  ~FolderListing();

  // The open folder, for the *at() calls on its entries.
  int fd() const { return fd_; }
  const std::string& host_path() const { return host_path_; }
  dev_t device() const { return device_; }
  ino_t inode() const { return inode_; }

  // The files (not folders) whose names `mask` selects, in the order Windows lists them:
  // by name without regard to case.
  std::vector<std::string> MatchingFiles(const std::string& mask) const;
  // The stored name equal to `name` without regard to case, the exact spelling first.
  std::optional<std::string> Find(const std::string& name) const;
  // The kind of a stored entry; kOther when there is none.
  EntryKind KindOf(const std::string& stored_name) const;

  enum class RenameResult { kRenamed, kExists, kFailed };
  // Renames entry `from` to `to` unless an entry other than `from` has the name `to`
  // without regard to case; an entry is never replaced. kFailed leaves errno set.
  RenameResult Rename(const std::string& from, const std::string& to);
  // Records that the caller removed or created an entry.
  void Forget(const std::string& name);
  void Remember(const std::string& name, EntryKind kind);

 private:
  FolderListing(int fd, std::string host_path, dev_t device, ino_t inode);
  bool Read();

  struct Stored {
    std::string name;
    EntryKind kind;
  };
  // The entries whose folded names equal the key (more than one only where the host's
  // file system tells letter cases apart).
  using Index = std::unordered_map<std::string, std::vector<Stored>>;
  // The entry stored as `name` in `it`'s group; nullptr when it is not there.
  static const Stored* InGroup(Index::const_iterator it, const Index& index,
                               const std::string& name);

  int fd_;
  std::string host_path_;
  dev_t device_;
  ino_t inode_;
  Index by_folded_name_;
};

// Resolves the paths of one statement, each folder once. The listings it hands out live
// as long as the resolver.
class PathResolver {
 public:
  explicit PathResolver(const platform::posix::WinePrefix& prefix) : prefix_(prefix) {}

  // The absolute host path of a Windows-form path, through the prefix's mapping (with
  // its lookup without regard to case); empty when the drive is unknown.
  std::string HostPath(const std::string& windows_path) const;
  // The listing of a Windows-form folder ("" is the working folder); nullptr when it is
  // missing or no folder.
  FolderListing* Folder(const std::string& windows_folder);
  // Creates a Windows-form folder and its missing parents. False when that fails or a
  // file stands in the way.
  bool CreateFolders(const std::string& windows_folder);

 private:
  // Adds a folder just created to its parent's listing, when that was read.
  void NoteCreatedFolder(const std::string& host_folder);

  const platform::posix::WinePrefix& prefix_;
  std::unordered_map<std::string, FolderListing*> by_text_;
  std::map<std::pair<dev_t, ino_t>, std::unique_ptr<FolderListing>> by_identity_;
};

}  // namespace wincmd
