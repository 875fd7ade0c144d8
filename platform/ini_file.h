// The private-profile ("INI") service: a file read once, edited in memory with the rules
// of the Windows private-profile functions (ini_document.h), and written back in one
// crash-safe replacement. One IniFile serves one operation; nothing stays open between.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/ini_document.h"

namespace platform {

// Raised when a profile cannot be written. Its text is "Unable to write to " followed by
// the file's path, as the window framework's INI-file writer words it; the application's
// error box shows it.
class IniWriteError : public std::runtime_error {
 public:
  explicit IniWriteError(std::string path);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

class IniFile {
 public:
  // Reads and parses the file at `path` (Windows form). A missing file or folder reads as
  // an empty document. `files` must outlive this object.
  IniFile(FileSystem& files, std::string path);
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  const std::string& path() const { return path_; }
  const IniDocument& document() const { return document_; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const {
    return document_.ReadString(section, key, fallback);
  }
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const {
    return document_.ReadInteger(section, key, fallback);
  }
  // Edits in memory; UpdateFile() writes them.
  void WriteString(std::string_view section, std::string_view key, std::string_view value) {
    document_.WriteString(section, key, value);
  }
  bool EraseSection(std::string_view section) { return document_.EraseSection(section); }

  // Writes the edited text over the file: into a temporary file in the same folder,
  // flushed, then renamed over it, so that a crash leaves the old or the new library and
  // never half of one. Does nothing when nothing was edited. Throws IniWriteError, leaving
  // the file as it was and no temporary file behind, when the file cannot be written: a
  // read-only file, a missing or unwritable folder, or a file that exists but could not be
  // read (its content must not be replaced by what little this object knows of it).
  void UpdateFile();

 private:
  FileSystem& files_;
  std::string path_;
  IniDocument document_;
  bool unreadable_ = false;
};

}  // namespace platform
