// The bitmap files that paint_artwork wrote at build time (artwork_files.cpp is generated).
#pragma once

#include <cstddef>

namespace resources {

struct ArtworkFile {
  const char* name;
  const unsigned char* bytes;
  size_t size;
};

extern const ArtworkFile kArtworkFiles[];
extern const size_t kArtworkFileCount;

}  // namespace resources
