// Line and number reading as the programs do it with the C library: a line is read into a
// 255-byte buffer (at most 254 characters per read, so a longer line comes in several
// pieces) and the text is cut at its first CR, LF or NUL; numbers convert like atol.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace common {

// The number of characters one read delivers at most.
inline constexpr size_t kLineBufferCharacters = 254;

// Reads lines from a file. Owns the file.
class LineReader {
 public:
  explicit LineReader(std::unique_ptr<platform::ReadableFile> file);

  // Reads the next line into `buffer`: up to and including the next "\n", at most 254
  // characters, then cut at the first CR, LF or NUL. At the end of the file returns false
  // and leaves `buffer` as it was, as a read into a line buffer that is not cleared does.
  bool ReadLine(std::string& buffer);
  // True once a read has found the end of the file.
  bool AtEnd() const { return at_end_; }

 private:
  int NextByte();  // -1 at the end

  std::unique_ptr<platform::ReadableFile> file_;
  char chunk_[4096];
  size_t chunk_size_ = 0;
  size_t chunk_pos_ = 0;
  bool at_end_ = false;
};

// Converts like the C library's atol: white space skipped, an optional sign, decimal
// digits up to the first other character; no digits give 0. Values beyond the 32-bit
// range give the nearest end of the range, as strtol does.
int32_t Atol(const std::string& text);

// The first line of a text file as a number (Atol); 0 when the file cannot be opened or
// is empty.
int32_t ReadNumberFile(platform::FileSystem& files, const std::string& path);

// True when the file can be opened for reading.
bool CanOpenFile(platform::FileSystem& files, const std::string& path);

}  // namespace common
