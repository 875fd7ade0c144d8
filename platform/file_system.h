// The file service. Every path given to it is in Windows form ("C:\Products\X\lumvek.ini",
// or relative to the current working folder), exactly as the programs build them; each
// operating system's implementation maps such paths onto its own files.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Text mode writes every "\n" as CR LF and reads CR LF back as "\n", on every platform.
// Binary mode passes bytes through unchanged.
enum class FileMode { kText, kBinary };

// A file open for reading. Closed when destroyed.
class ReadableFile {
 public:
  ReadableFile() = default;
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;
  virtual ~ReadableFile() = default;

  // Reads up to `size` bytes into `buffer`. Returns the number read; 0 at the end of the
  // file or on a read error.
  virtual size_t Read(char* buffer, size_t size) = 0;
};

// A file open for writing. Closed when destroyed; Close() reports whether everything
// written reached the file.
class WritableFile {
 public:
  WritableFile() = default;
  WritableFile(const WritableFile&) = delete;
  WritableFile& operator=(const WritableFile&) = delete;
  virtual ~WritableFile() = default;

  // Appends `data`. False when it could not be written.
  virtual bool Write(std::string_view data) = 0;
  // Flushes and closes. False when an earlier write or the flush failed.
  virtual bool Close() = 0;
};

struct FolderEntry {
  std::string name;     // the name as stored, without folder
  bool is_folder = false;
  bool read_only = false;
};

class FileSystem {
 public:
  FileSystem() = default;
  FileSystem(const FileSystem&) = delete;
  FileSystem& operator=(const FileSystem&) = delete;
  virtual ~FileSystem() = default;

  // True when `path` names an existing file (a folder does not count).
  virtual bool FileExists(const std::string& path) = 0;
  // True when `path` names an existing folder.
  virtual bool FolderExists(const std::string& path) = 0;

  // Opens an existing file for reading; nullptr when it cannot be opened.
  virtual std::unique_ptr<ReadableFile> OpenForReading(const std::string& path,
                                                       FileMode mode) = 0;
  // Creates the file, or empties an existing one, and opens it for writing; nullptr when
  // that fails (missing folder, read-only file, no right to write).
  virtual std::unique_ptr<WritableFile> OpenForWriting(const std::string& path,
                                                       FileMode mode) = 0;
  // Replaces the whole content of `path` with `bytes` so that a crash leaves either the
  // old or the new content: the bytes go to a temporary file in the same folder, are
  // flushed, and the temporary file is renamed over `path`. Fails, leaving the old file
  // and no temporary file behind, when the folder is missing or not writable or when an
  // existing file is read-only. A missing file is created.
  virtual bool ReplaceFileContents(const std::string& path, std::string_view bytes) = 0;

  // Deletes a file. False when it does not exist or cannot be deleted.
  virtual bool DeleteFile(const std::string& path) = 0;
  // Copies a file, replacing `to` when it exists.
  virtual bool CopyFile(const std::string& from, const std::string& to) = 0;
  // Renames (moves) a file or folder; fails when `to` exists.
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
  // Creates one folder; its parent must exist. False when it exists already or fails.
  virtual bool CreateFolder(const std::string& path) = 0;
  // Removes a folder; succeeds only when it is empty.
  virtual bool RemoveFolder(const std::string& path) = 0;
  // Lists a folder's entries ("." and ".." excluded), in no particular order. Empty when
  // the folder does not exist.
  virtual std::vector<FolderEntry> ListFolder(const std::string& path) = 0;

  // The name of `path` on the host system: where the file lies or would be created.
  // Empty when the path cannot be mapped (an unknown drive).
  virtual std::string HostPath(const std::string& path) = 0;
  // The Windows form of a host path (the inverse of HostPath).
  virtual std::string WindowsPath(const std::string& host_path) = 0;
};

}  // namespace platform
