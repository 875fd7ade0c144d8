#include "platform/posix/wine_prefix.h"

#include <dirent.h>
#include <limits.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace platform::posix {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::vector<std::string> SplitComponents(const std::string& path) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : path) {
    if (IsSeparator(c)) {
      if (!current.empty()) parts.push_back(std::move(current));
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  if (!current.empty()) parts.push_back(std::move(current));
  return parts;
}

bool PathExists(const std::string& host_path) {
  struct stat st;
  return lstat(host_path.c_str(), &st) == 0;
}

std::string RealPath(const std::string& host_path) {
  char resolved[PATH_MAX];
  if (realpath(host_path.c_str(), resolved) == nullptr) return "";
  return resolved;
}

std::string JoinHost(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

// The stored name in `folder` that equals `name` without regard to case; empty if none.
std::string FindEntryIgnoringCase(const std::string& folder, const std::string& name) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.empty() ? "." : folder.c_str()),
                                          closedir);
  if (!dir) return "";
  while (dirent* entry = readdir(dir.get())) {
    if (NamesEqualIgnoringCase(entry->d_name, name)) return entry->d_name;
  }
  return "";
}

std::string CurrentFolder() {
  char buffer[PATH_MAX];
  if (getcwd(buffer, sizeof buffer) == nullptr) return "/";
  return buffer;
}

// Lexically normalised absolute form of a host path ("." and ".." folded, no "//").
std::string AbsoluteHostPath(const std::string& host_path) {
  std::string full = host_path.empty() || host_path[0] != '/'
                         ? JoinHost(CurrentFolder(), host_path)
                         : host_path;
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= full.size()) {
    size_t end = full.find('/', start);
    if (end == std::string::npos) end = full.size();
    std::string part = full.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string result;
  for (const std::string& part : parts) result += "/" + part;
  return result.empty() ? "/" : result;
}

// Resolves symbolic links in the longest existing leading part of an absolute path.
std::string ResolveExistingPart(const std::string& absolute) {
  std::string head = absolute;
  std::string tail;
  while (true) {
    std::string real = RealPath(head);
    if (!real.empty()) return tail.empty() ? real : JoinHost(real, tail);
    size_t slash = head.rfind('/');
    if (slash == std::string::npos || head == "/") return absolute;
    std::string name = head.substr(slash + 1);
    tail = tail.empty() ? name : name + "/" + tail;
    head = slash == 0 ? "/" : head.substr(0, slash);
  }
}

bool IsUnderFolder(const std::string& path, const std::string& folder) {
  if (folder == "/") return true;
  return path.size() >= folder.size() && path.compare(0, folder.size(), folder) == 0 &&
         (path.size() == folder.size() || path[folder.size()] == '/');
}

}  // namespace

bool NamesEqualIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x < 128 && y < 128) {
      if (std::tolower(x) != std::tolower(y)) return false;
    } else if (x != y) {
      return false;
    }
  }
  return true;
}

bool EndsWithIgnoringCase(const std::string& name, const std::string& ending) {
  return name.size() >= ending.size() &&
         NamesEqualIgnoringCase(name.substr(name.size() - ending.size()), ending);
}

WinePrefix::WinePrefix(std::string prefix_dir) : prefix_dir_(std::move(prefix_dir)) {}

std::string WinePrefix::DefaultPrefixDir() {
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0') {
    return prefix;
  }
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') {
    const passwd* user = getpwuid(getuid());
    home = user != nullptr ? user->pw_dir : "/";
  }
  return JoinHost(home, ".wine");
}

std::string WinePrefix::DriveRoot(char letter) const {
  char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  if (lower < 'a' || lower > 'z') return "";
  std::string link = prefix_dir_ + "/dosdevices/" + lower + ":";
  if (PathExists(link)) return RealPath(link);
  if (lower == 'c') return RealPath(prefix_dir_ + "/drive_c");
  if (lower == 'z') return "/";
  return "";
}

std::string WinePrefix::ToHost(const std::string& windows_path) const {
  std::string host;
  std::string rest;
  if (windows_path.size() >= 2 && windows_path[1] == ':' &&
      std::isalpha(static_cast<unsigned char>(windows_path[0]))) {
    host = DriveRoot(windows_path[0]);
    if (host.empty()) return "";
    rest = windows_path.substr(2);
  } else if (windows_path.size() >= 2 && IsSeparator(windows_path[0]) &&
             IsSeparator(windows_path[1])) {
    return "";  // network paths have no place in a prefix
  } else if (!windows_path.empty() && IsSeparator(windows_path[0])) {
    std::string current = ToWindows(CurrentFolder());
    if (current.empty()) return "";
    host = DriveRoot(current[0]);
    if (host.empty()) return "";
    rest = windows_path;
  } else {
    host = "";  // relative to the current working folder
    rest = windows_path;
  }

  const std::string root = host;
  std::vector<std::string> resolved;
  bool parent_exists = true;
  for (const std::string& part : SplitComponents(rest)) {
    if (part == ".") continue;
    if (part == "..") {
      if (!resolved.empty()) resolved.pop_back();
      parent_exists = true;  // look again from the folder gone back to
      continue;
    }
    std::string folder = root;
    for (const std::string& r : resolved) folder = JoinHost(folder, r);
    std::string name = part;
    if (parent_exists && !PathExists(JoinHost(folder.empty() ? "." : folder, part))) {
      std::string found = FindEntryIgnoringCase(folder, part);
      if (found.empty()) {
        parent_exists = false;  // nothing below a missing entry can exist either
      } else {
        name = found;
      }
    }
    resolved.push_back(name);
  }
  std::string result = root;
  for (const std::string& r : resolved) result = JoinHost(result, r);
  if (result.empty()) result = ".";
  return result;
}

std::string WinePrefix::ToWindows(const std::string& host_path) const {
  const std::string path = ResolveExistingPart(AbsoluteHostPath(host_path));

  std::vector<std::pair<char, std::string>> drives;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    std::string root = DriveRoot(letter);
    if (!root.empty()) drives.emplace_back(letter, root);
  }
  const std::pair<char, std::string>* best = nullptr;
  for (const auto& drive : drives) {
    if (!IsUnderFolder(path, drive.second)) continue;
    if (best == nullptr || drive.second.size() > best->second.size()) best = &drive;
  }
  if (best == nullptr) return "";

  std::string rest = best->second == "/" ? path : path.substr(best->second.size());
  for (char& c : rest) {
    if (c == '/') c = '\\';
  }
  if (rest.empty() || rest == "\\") rest = "\\";
  std::string result(1, static_cast<char>(std::toupper(static_cast<unsigned char>(best->first))));
  return result + ":" + rest;
}

}  // namespace platform::posix
