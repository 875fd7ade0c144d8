#include "resources/artwork.h"

namespace resources {

std::string_view ArtworkFileName(Artwork picture) {
  switch (picture) {
    case Artwork::kProductPicture: return "product_picture.bmp";
    case Artwork::kBottomBar: return "bottom_bar.bmp";
    case Artwork::kExitNormal: return "exit_normal.bmp";
    case Artwork::kExitOver: return "exit_over.bmp";
    case Artwork::kExitDown: return "exit_down.bmp";
    case Artwork::kWindowIcon: return "window_icon.bmp";
  }
  return "";
}

}  // namespace resources
