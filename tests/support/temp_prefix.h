// A temporary Wine-style prefix for tests: a host folder with drive C: (drive_c) that is
// removed again with everything in it, and the file service over it.
#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/posix/posix_file_system.h"

namespace testing_support {

class TempPrefix {
 public:
  TempPrefix();
  TempPrefix(const TempPrefix&) = delete;
  TempPrefix& operator=(const TempPrefix&) = delete;
  ~TempPrefix();

  // The host folder of the prefix.
  const std::string& dir() const { return dir_; }
  platform::FileSystem& files() { return *files_; }

  // The host path of a Windows-form path inside the prefix.
  std::string Host(const std::string& windows_path);
  // Creates a file (and its folders) with exactly `bytes`.
  void Write(const std::string& windows_path, const std::string& bytes);
  // The whole content of a file; empty when it does not exist.
  std::string Read(const std::string& windows_path);
  // Creates a folder and its parents.
  void MakeFolder(const std::string& windows_path);

 private:
  std::string dir_;
  std::unique_ptr<platform::posix::PosixFileSystem> files_;
};

// Reads a whole host file; empty when missing.
std::string ReadHostFile(const std::string& host_path);
// Writes a whole host file, creating its folders.
void WriteHostFile(const std::string& host_path, const std::string& bytes);

}  // namespace testing_support
