// A picture held as 24-bit pixels, loaded from Windows bitmap (.bmp) files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

class TBitmap {
 public:
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // Pixels row by row from the top, 3 bytes each: red, green, blue.
  const std::vector<uint8_t>& Pixels() const { return pixels_; }

  // Decodes a Windows bitmap file's bytes: uncompressed 1, 4, 8, 16, 24 or 32 bits per
  // pixel (with bit-field masks for 16 and 32), bottom-up or top-down. Returns false and
  // leaves the picture unchanged for anything else, including damaged or truncated files
  // and pictures of more than 16384 pixels a side.
  bool LoadFromBytes(std::string_view bytes);
  // Reads and decodes the file `path`. False, picture unchanged, when it cannot be read or
  // decoded.
  bool LoadFromFile(platform::FileSystem& files, const std::string& path);

  // Sets a picture of the given size from 24-bit pixels laid out as Pixels() describes.
  void Assign(int width, int height, std::vector<uint8_t> pixels);
  // Encodes the picture as a 24-bit Windows bitmap file.
  std::string SaveToBytes() const;

  bool operator==(const TBitmap&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> pixels_;
};
