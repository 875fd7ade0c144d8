#include "platform/posix/wincmd/folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "platform/posix/wincmd/wildcard.h"

namespace wincmd {
namespace {

std::string CurrentFolder() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return "/";
  return buffer;
}

EntryKind KindOfStat(const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return EntryKind::kFolder;
  if (S_ISREG(st.st_mode)) return EntryKind::kFile;
  return EntryKind::kOther;
}

}  // namespace

PathParts SplitPath(const std::string& windows_path) {
  size_t cut = windows_path.find_last_of("\\/");
  if (cut == std::string::npos && windows_path.size() >= 2 && windows_path[1] == ':') cut = 1;
  PathParts parts;
  if (cut == std::string::npos) {
    parts.name = windows_path;
  } else {
    parts.folder = windows_path.substr(0, cut + 1);
    parts.name = windows_path.substr(cut + 1);
  }
  if (parts.name == "." || parts.name == "..") {
    parts.folder = windows_path;
    parts.name.clear();
  }
  return parts;
}

FolderListing::FolderListing(int fd, std::string host_path, dev_t device, ino_t inode)
    : fd_(fd), host_path_(std::move(host_path)), device_(device), inode_(inode) {}

FolderListing::~FolderListing() { ::close(fd_); }

std::unique_ptr<FolderListing> FolderListing::Open(const std::string& host_folder) {
  int fd = ::open(host_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    return nullptr;
  }
  std::unique_ptr<FolderListing> listing(
      new FolderListing(fd, host_folder, st.st_dev, st.st_ino));
  if (!listing->Read()) return nullptr;
  return listing;
}

bool FolderListing::Read() {
  // The directory stream gets a descriptor of its own; fd_ stays for the *at() calls.
  int stream_fd = ::dup(fd_);
  if (stream_fd < 0) return false;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::fdopendir(stream_fd), ::closedir);
  if (!dir) {
    ::close(stream_fd);
    return false;
  }
  while (dirent* entry = ::readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    EntryKind kind = EntryKind::kOther;
    if (entry->d_type == DT_REG) {
      kind = EntryKind::kFile;
    } else if (entry->d_type == DT_DIR) {
      kind = EntryKind::kFolder;
    } else if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
      struct stat st;
      if (::fstatat(fd_, name.c_str(), &st, 0) == 0) kind = KindOfStat(st);
    }
    Remember(name, kind);
  }
  return true;
}

std::vector<std::string> FolderListing::MatchingFiles(const std::string& mask) const {
  const CompiledMask compiled(mask);
  std::vector<std::pair<const std::string*, const std::string*>> found;  // folded, stored
  for (const auto& [folded, group] : by_folded_name_) {
    for (const Stored& entry : group) {
      if (entry.kind == EntryKind::kFile && compiled.Matches(entry.name)) {
        found.emplace_back(&folded, &entry.name);
      }
    }
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return *a.first != *b.first ? *a.first < *b.first : *a.second < *b.second;
  });
  std::vector<std::string> names;
  names.reserve(found.size());
  for (const auto& entry : found) names.push_back(*entry.second);
  return names;
}

const FolderListing::Stored* FolderListing::InGroup(Index::const_iterator it, const Index& index,
                                                    const std::string& name) {
  if (it == index.end()) return nullptr;
  for (const Stored& entry : it->second) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

std::optional<std::string> FolderListing::Find(const std::string& name) const {
  auto it = by_folded_name_.find(FoldCase(name));
  if (it == by_folded_name_.end() || it->second.empty()) return std::nullopt;
  if (InGroup(it, by_folded_name_, name) != nullptr) return name;
  const Stored* first = &it->second.front();
  for (const Stored& entry : it->second) {
    if (entry.name < first->name) first = &entry;
  }
  return first->name;
}

EntryKind FolderListing::KindOf(const std::string& stored_name) const {
  const Stored* entry =
      InGroup(by_folded_name_.find(FoldCase(stored_name)), by_folded_name_, stored_name);
  return entry == nullptr ? EntryKind::kOther : entry->kind;
}

FolderListing::RenameResult FolderListing::Rename(const std::string& from, const std::string& to) {
  const std::string folded_to = FoldCase(to);
  auto to_group = by_folded_name_.find(folded_to);
  if (to_group != by_folded_name_.end()) {
    for (const Stored& holder : to_group->second) {
      if (holder.name != from) return RenameResult::kExists;
    }
  }
  // The kernel refuses to replace an entry that appeared behind our back.
  if (::renameat2(fd_, from.c_str(), fd_, to.c_str(), RENAME_NOREPLACE) != 0) {
    if (errno == EEXIST) return RenameResult::kExists;
    if (errno != EINVAL && errno != ENOSYS) return RenameResult::kFailed;
    // A file system without the no-replace flag.
    struct stat st;
    if (::fstatat(fd_, to.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) return RenameResult::kExists;
    if (::renameat(fd_, from.c_str(), fd_, to.c_str()) != 0) return RenameResult::kFailed;
  }
  if (to_group != by_folded_name_.end()) {
    // A change of letter case only: the entry is `from`, in the same group.
    for (Stored& entry : to_group->second) {
      if (entry.name == from) entry.name = to;
    }
    return RenameResult::kRenamed;
  }
  EntryKind kind = EntryKind::kOther;
  if (auto from_group = by_folded_name_.find(FoldCase(from)); from_group != by_folded_name_.end()) {
    std::vector<Stored>& group = from_group->second;
    for (auto entry = group.begin(); entry != group.end(); ++entry) {
      if (entry->name == from) {
        kind = entry->kind;
        group.erase(entry);
        break;
      }
    }
    if (group.empty()) by_folded_name_.erase(from_group);
  }
  by_folded_name_[folded_to].push_back({to, kind});
  return RenameResult::kRenamed;
}

void FolderListing::Forget(const std::string& name) {
  auto it = by_folded_name_.find(FoldCase(name));
  if (it == by_folded_name_.end()) return;
  std::erase_if(it->second, [&](const Stored& entry) { return entry.name == name; });
  if (it->second.empty()) by_folded_name_.erase(it);
}

void FolderListing::Remember(const std::string& name, EntryKind kind) {
  std::vector<Stored>& group = by_folded_name_[FoldCase(name)];
  for (Stored& entry : group) {
    if (entry.name == name) {
      entry.kind = kind;
      return;
    }
  }
  group.push_back({name, kind});
}

std::string PathResolver::HostPath(const std::string& windows_path) const {
  std::string host = prefix_.ToHost(windows_path);
  if (host.empty() || host[0] == '/') return host;
  return CurrentFolder() + "/" + host;
}

FolderListing* PathResolver::Folder(const std::string& windows_folder) {
  if (auto it = by_text_.find(windows_folder); it != by_text_.end()) return it->second;
  const std::string host = HostPath(windows_folder);
  if (host.empty()) return nullptr;
  std::unique_ptr<FolderListing> listing = FolderListing::Open(host);
  if (!listing) return nullptr;  // not remembered: a later command may create it
  auto key = std::make_pair(listing->device(), listing->inode());
  auto [it, added] = by_identity_.try_emplace(key, std::move(listing));
  (void)added;  // the same folder under another spelling shares the first listing
  by_text_[windows_folder] = it->second.get();
  return it->second.get();
}

bool PathResolver::CreateFolders(const std::string& windows_folder) {
  const std::string host = HostPath(windows_folder);
  if (host.empty()) return false;
  for (size_t slash = host.find('/', 1);; slash = host.find('/', slash + 1)) {
    const std::string part = slash == std::string::npos ? host : host.substr(0, slash);
    if (::mkdir(part.c_str(), 0777) == 0) {
      NoteCreatedFolder(part);
    } else if (errno != EEXIST) {
      return false;
    }
    if (slash == std::string::npos) break;
  }
  struct stat st;
  return ::stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void PathResolver::NoteCreatedFolder(const std::string& host_folder) {
  const size_t slash = host_folder.rfind('/');
  const std::string parent = slash == 0 ? "/" : host_folder.substr(0, slash);
  struct stat st;
  if (::stat(parent.c_str(), &st) != 0) return;
  auto it = by_identity_.find(std::make_pair(st.st_dev, st.st_ino));
  if (it != by_identity_.end()) {
    it->second->Remember(host_folder.substr(slash + 1), EntryKind::kFolder);
  }
}

}  // namespace wincmd
