// The file service on POSIX systems, over a Wine prefix (see wine_prefix.h).
//
// The Windows read-only attribute is the missing write permission of the file's owner:
// such a file cannot be opened for writing, replaced or deleted, even by root, as on
// Windows an administrator cannot either; renaming it is allowed.
#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/posix/wine_prefix.h"

namespace platform::posix {

class PosixFileSystem final : public FileSystem {
 public:
  explicit PosixFileSystem(WinePrefix prefix);

  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  std::unique_ptr<ReadableFile> OpenForReading(const std::string& path,
                                               FileMode mode) override;
  std::unique_ptr<WritableFile> OpenForWriting(const std::string& path,
                                               FileMode mode) override;
  bool ReplaceFileContents(const std::string& path, std::string_view bytes) override;
  bool DeleteFile(const std::string& path) override;
  bool CopyFile(const std::string& from, const std::string& to) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  bool CreateFolder(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
  std::vector<FolderEntry> ListFolder(const std::string& path) override;
  std::string HostPath(const std::string& path) override;
  std::string WindowsPath(const std::string& host_path) override;

  const WinePrefix& prefix() const { return prefix_; }

 private:
  WinePrefix prefix_;
};

// Host-level helpers shared by the POSIX services.
namespace host {
// True when the host file exists and its owner may not write it.
bool IsReadOnly(const std::string& host_path);
// Writes `bytes` to a temporary file in the folder of `host_path`, flushes it, gives it
// `mode` and renames it over `host_path`. On failure removes the temporary file.
bool WriteAtomically(const std::string& host_path, std::string_view bytes, unsigned mode);
}  // namespace host

}  // namespace platform::posix
