#include "platform/ini_file.h"

#include <optional>
#include <utility>

namespace platform {
namespace {

// The whole content of a file; nothing when it cannot be opened.
std::optional<std::string> ReadAllBytes(FileSystem& files, const std::string& path) {
  auto file = files.OpenForReading(path, FileMode::kBinary);
  if (!file) return std::nullopt;
  std::string bytes;
  char chunk[64 * 1024];
  while (const size_t got = file->Read(chunk, sizeof chunk)) bytes.append(chunk, got);
  return bytes;
}

}  // namespace

IniWriteError::IniWriteError(std::string path)
    : std::runtime_error("Unable to write to " + path), path_(std::move(path)) {}

IniFile::IniFile(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {
  if (std::optional<std::string> bytes = ReadAllBytes(files_, path_)) {
    document_ = IniDocument(std::move(*bytes));
  } else {
    unreadable_ = files_.FileExists(path_);
  }
}

void IniFile::UpdateFile() {
  if (!document_.Modified()) return;
  if (unreadable_ || !files_.ReplaceFileContents(path_, document_.Bytes())) {
    throw IniWriteError(path_);
  }
}

}  // namespace platform
