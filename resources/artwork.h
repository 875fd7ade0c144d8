// The pictures of the programs' window designs: the default product picture, the bottom
// bar's background, the exit button's three states and the window icon. They are painted
// by paint_artwork.cpp while the project is built and carried inside the programs as
// Windows bitmap files, as a window design carries its pictures.
#pragma once

#include <string_view>

#include "platform/ui/bitmap.h"

namespace resources {

enum class Artwork {
  kProductPicture,  // 180 x 238, shown until the product's own picture is loaded
  kBottomBar,       // background of the bottom bar, stretched to fill it
  kExitNormal,      // 78 x 26, 24 bits per pixel: the exit button at rest
  kExitOver,        // ... while the pointer is over it
  kExitDown,        // ... while it is pressed
  kWindowIcon,      // 32 x 32
};

inline constexpr Artwork kAllArtwork[] = {Artwork::kProductPicture, Artwork::kBottomBar,
                                          Artwork::kExitNormal,     Artwork::kExitOver,
                                          Artwork::kExitDown,       Artwork::kWindowIcon};

// The file name under which the picture is painted and carried.
std::string_view ArtworkFileName(Artwork picture);

// The picture, decoded from the carried bitmap file.
TBitmap LoadArtwork(Artwork picture);

}  // namespace resources
