#include "resources/artwork.h"

#include <string>

#include "resources/artwork_files.h"

namespace resources {

TBitmap LoadArtwork(Artwork picture) {
  const std::string_view name = ArtworkFileName(picture);
  TBitmap bitmap;
  for (size_t i = 0; i < kArtworkFileCount; ++i) {
    const ArtworkFile& file = kArtworkFiles[i];
    if (name != file.name) continue;
    bitmap.LoadFromBytes(
        std::string_view(reinterpret_cast<const char*>(file.bytes), file.size));
  }
  return bitmap;
}

}  // namespace resources
