#include "common/text_lines.h"

#include <algorithm>
#include <utility>

namespace common {

LineReader::LineReader(std::unique_ptr<platform::ReadableFile> file) : file_(std::move(file)) {}

int LineReader::NextByte() {
  if (chunk_pos_ == chunk_size_) {
    chunk_size_ = file_ ? file_->Read(chunk_, sizeof chunk_) : 0;
    chunk_pos_ = 0;
    if (chunk_size_ == 0) return -1;
  }
  return static_cast<unsigned char>(chunk_[chunk_pos_++]);
}

bool LineReader::ReadLine(std::string& buffer) {
  std::string line;
  while (line.size() < kLineBufferCharacters) {
    int c = NextByte();
    if (c < 0) {
      at_end_ = true;
      break;
    }
    line.push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  if (line.empty()) return false;
  size_t cut = line.find_first_of(std::string("\r\n\0", 3));
  if (cut != std::string::npos) line.resize(cut);
  buffer = std::move(line);
  return true;
}

int32_t Atol(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Saturates at the ends of the 32-bit range, as strtol does.
  constexpr int64_t kLimit = int64_t{INT32_MAX} + 1;
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min<int64_t>(value * 10 + (text[i] - '0'), kLimit);
  }
  if (negative) return static_cast<int32_t>(-value);
  return static_cast<int32_t>(std::min<int64_t>(value, INT32_MAX));
}

int32_t ReadNumberFile(platform::FileSystem& files, const std::string& path) {
  auto file = files.OpenForReading(path, platform::FileMode::kText);
  if (!file) return 0;
  LineReader reader(std::move(file));
  std::string line;
  if (!reader.ReadLine(line)) return 0;
  return Atol(line);
}

bool CanOpenFile(platform::FileSystem& files, const std::string& path) {
  return files.OpenForReading(path, platform::FileMode::kBinary) != nullptr;
}

}  // namespace common
