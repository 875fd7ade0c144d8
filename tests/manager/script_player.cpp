#include "tests/manager/script_player.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <vector>

namespace testing_support {
namespace {

bool SameLetter(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool MatchFrom(const std::string& name, size_t n, const std::string& mask, size_t m) {
  if (m == mask.size()) return n == name.size();
  if (mask[m] == '*') {
    for (size_t k = n; k <= name.size(); ++k) {
      if (MatchFrom(name, k, mask, m + 1)) return true;
    }
    return false;
  }
  if (mask[m] == '?') {
    if (MatchFrom(name, n, mask, m + 1)) return true;
    return n < name.size() && name[n] != '.' && MatchFrom(name, n + 1, mask, m + 1);
  }
  return n < name.size() && SameLetter(name[n], mask[m]) && MatchFrom(name, n + 1, mask, m + 1);
}

std::string Unescape(const std::string& text) {
  std::string plain;
  for (size_t k = 0; k < text.size(); ++k) {
    plain += text[k];
    if (text[k] == '%' && k + 1 < text.size() && text[k + 1] == '%') ++k;
  }
  return plain;
}

// Splits `"DIR\MASK"` (quotes optional) into the folder with its backslash and the mask.
void SplitPattern(const std::string& quoted, std::string& folder, std::string& mask) {
  std::string path = quoted;
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
    path = path.substr(1, path.size() - 2);
  }
  size_t cut = path.find_last_of('\\');
  folder = cut == std::string::npos ? "" : path.substr(0, cut + 1);
  mask = cut == std::string::npos ? path : path.substr(cut + 1);
}

std::vector<std::string> MatchingFiles(platform::FileSystem& files, const std::string& folder,
                                       const std::string& mask) {
  std::vector<std::string> names;
  for (const platform::FolderEntry& entry : files.ListFolder(folder.empty() ? "." : folder)) {
    if (!entry.is_folder && MatchesMask(entry.name, mask)) names.push_back(entry.name);
  }
  return names;
}

std::string NewName(const std::string& name, const std::string& target_mask) {
  // target_mask is "*" followed by the ending.
  const std::string ending = target_mask.substr(1);
  if (ending.empty()) return name;
  size_t last = name.find_last_of(ending[0]);
  if (last == std::string::npos) return name + ending;
  return name.substr(0, last) + ending;
}

void PlayRename(platform::FileSystem& files, const std::string& args) {
  size_t close = args.find('"', 1);
  ASSERT_TRUE(args.starts_with("\"") && close != std::string::npos) << args;
  std::string folder, mask;
  SplitPattern(args.substr(0, close + 1), folder, mask);
  const std::string target_mask = args.substr(close + 2);
  ASSERT_TRUE(args.substr(close + 1, 2) == " *") << args;
  for (const std::string& name : MatchingFiles(files, folder, mask)) {
    const std::string renamed = NewName(name, target_mask);
    if (renamed == name || files.FileExists(folder + renamed)) continue;
    files.RenameFile(folder + name, folder + renamed);
  }
}

void PlayDelete(platform::FileSystem& files, const std::string& args) {
  std::string folder, mask;
  SplitPattern(args, folder, mask);
  for (const std::string& name : MatchingFiles(files, folder, mask)) {
    files.DeleteFile(folder + name);
  }
}

}  // namespace

bool MatchesMask(const std::string& name, const std::string& mask) {
  return MatchFrom(name, 0, mask, 0);
}

void PlayScript(platform::FileSystem& files, const std::string& script) {
  std::istringstream lines(script);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = Unescape(line);
    if (line.starts_with("ren ")) {
      PlayRename(files, line.substr(4));
    } else if (line.starts_with("del ")) {
      PlayDelete(files, line.substr(4));
    } else if (!line.empty()) {
      ADD_FAILURE() << "script line not played: " << line;
    }
  }
}

}  // namespace testing_support
