#include "platform/fltk/fltk_draw.h"

#include <FL/fl_draw.H>

#include <vector>

#include "platform/ui/forms.h"

namespace fltk_ui {

Fl_Color ToFlColor(TColor color) {
  return fl_rgb_color(static_cast<uchar>(color & 0xFF), static_cast<uchar>((color >> 8) & 0xFF),
                      static_cast<uchar>((color >> 16) & 0xFF));
}

Fl_Font ToFlFont(const TFont& font) { return font.Bold ? FL_HELVETICA_BOLD : FL_HELVETICA; }

int ToFlSize(const TFont& font) { return font.Height < 0 ? -font.Height : font.Height; }

void SetDrawFont(const TFont& font) {
  fl_font(ToFlFont(font), ToFlSize(font));
  fl_color(ToFlColor(font.Color));
}

std::string EscapeLabel(const std::string& caption) {
  std::string escaped;
  for (char c : caption) {
    escaped += c;
    if (c == '@') escaped += '@';
  }
  return escaped;
}

void DrawPicture(const TBitmap& picture, int x, int y) {
  if (picture.Empty()) return;
  fl_draw_image(picture.Pixels().data(), x, y, picture.Width(), picture.Height(), 3);
}

void DrawPictureStretched(const TBitmap& picture, int x, int y, int width, int height) {
  if (picture.Empty() || width <= 0 || height <= 0) return;
  if (width == picture.Width() && height == picture.Height()) {
    DrawPicture(picture, x, y);
    return;
  }
  std::vector<uchar> scaled(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  const std::vector<uint8_t>& source = picture.Pixels();
  for (int row = 0; row < height; ++row) {
    const int source_row = row * picture.Height() / height;
    for (int column = 0; column < width; ++column) {
      const int source_column = column * picture.Width() / width;
      const size_t from = (static_cast<size_t>(source_row) * static_cast<size_t>(picture.Width()) +
                           static_cast<size_t>(source_column)) * 3;
      const size_t to = (static_cast<size_t>(row) * static_cast<size_t>(width) +
                         static_cast<size_t>(column)) * 3;
      scaled[to] = source[from];
      scaled[to + 1] = source[from + 1];
      scaled[to + 2] = source[from + 2];
    }
  }
  fl_draw_image(scaled.data(), x, y, width, height, 3);
}

namespace {
bool g_painting = false;
}  // namespace

bool PaintingNow() { return g_painting; }
PaintingScope::PaintingScope() : previous_(g_painting) { g_painting = true; }
PaintingScope::~PaintingScope() { g_painting = previous_; }

void RunEvent(const std::function<void()>& handler) {
  if (TApplication* application = TApplication::Current()) application->HandleEvent(handler);
}

}  // namespace fltk_ui
