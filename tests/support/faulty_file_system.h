// A file service for tests that passes every call to a real one, counts the files opened
// for reading, and fails the calls a test names: reading a file, or writing anything into
// a folder (as a folder without the right to write would).
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace testing_support {

class FaultyFileSystem final : public platform::FileSystem {
 public:
  explicit FaultyFileSystem(platform::FileSystem& real) : real_(real) {}

  // Windows-form paths, compared as given.
  std::set<std::string> unreadable_files;
  // Windows-form folders (without trailing "\"): no file in them can be created,
  // replaced or deleted.
  std::set<std::string> unwritable_folders;
  // How often each path was opened for reading.
  std::map<std::string, int> reads;
  // How often ReplaceFileContents was asked for each path.
  std::map<std::string, int> replacements;

  bool FileExists(const std::string& path) override { return real_.FileExists(path); }
  bool FolderExists(const std::string& path) override { return real_.FolderExists(path); }
  std::unique_ptr<platform::ReadableFile> OpenForReading(const std::string& path,
                                                         platform::FileMode mode) override {
    ++reads[path];
    if (unreadable_files.count(path) != 0) return nullptr;
    return real_.OpenForReading(path, mode);
  }
  std::unique_ptr<platform::WritableFile> OpenForWriting(const std::string& path,
                                                         platform::FileMode mode) override {
    if (InUnwritableFolder(path)) return nullptr;
    return real_.OpenForWriting(path, mode);
  }
  bool ReplaceFileContents(const std::string& path, std::string_view bytes) override {
    ++replacements[path];
    if (InUnwritableFolder(path)) return false;
    return real_.ReplaceFileContents(path, bytes);
  }
  bool DeleteFile(const std::string& path) override {
    return !InUnwritableFolder(path) && real_.DeleteFile(path);
  }
  bool CopyFile(const std::string& from, const std::string& to) override {
    return !InUnwritableFolder(to) && real_.CopyFile(from, to);
  }
  bool RenameFile(const std::string& from, const std::string& to) override {
    return !InUnwritableFolder(from) && !InUnwritableFolder(to) && real_.RenameFile(from, to);
  }
  bool CreateFolder(const std::string& path) override {
    return !InUnwritableFolder(path) && real_.CreateFolder(path);
  }
  bool RemoveFolder(const std::string& path) override {
    return !InUnwritableFolder(path) && real_.RemoveFolder(path);
  }
  std::vector<platform::FolderEntry> ListFolder(const std::string& path) override {
    return real_.ListFolder(path);
  }
  std::string HostPath(const std::string& path) override { return real_.HostPath(path); }
  std::string WindowsPath(const std::string& host_path) override {
    return real_.WindowsPath(host_path);
  }

 private:
  bool InUnwritableFolder(std::string path) const {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    const size_t cut = path.rfind('\\');
    return cut != std::string::npos && unwritable_folders.count(path.substr(0, cut)) != 0;
  }

  platform::FileSystem& real_;
};

}  // namespace testing_support
