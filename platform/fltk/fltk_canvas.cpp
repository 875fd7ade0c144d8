#include "platform/fltk/fltk_canvas.h"

#include <FL/fl_draw.H>

#include "platform/fltk/fltk_draw.h"

namespace fltk_ui {

FltkCanvas::FltkCanvas(int x, int y, int width, int height, const TFont& font)
    : origin_x_(x), origin_y_(y), font_(font) {
  fl_push_clip(x, y, width, height);
}

FltkCanvas::~FltkCanvas() { fl_pop_clip(); }

void FltkCanvas::Draw(int x, int y, const TBitmap& picture) {
  DrawPicture(picture, origin_x_ + x, origin_y_ + y);
}

void FltkCanvas::StretchDraw(const TRect& rect, const TBitmap& picture) {
  DrawPictureStretched(picture, origin_x_ + rect.Left, origin_y_ + rect.Top, rect.Width(),
                       rect.Height());
}

int FltkCanvas::TextWidth(const std::string& text) {
  SetDrawFont(font_);
  return static_cast<int>(fl_width(text.c_str(), static_cast<int>(text.size())) + 0.5);
}

int FltkCanvas::TextHeight(const std::string& /*text*/) {
  SetDrawFont(font_);
  return fl_height();
}

void FltkCanvas::TextOut(int x, int y, const std::string& text) {
  SetDrawFont(font_);
  fl_draw(text.c_str(), static_cast<int>(text.size()), origin_x_ + x,
          origin_y_ + y + fl_height() - fl_descent());
}

}  // namespace fltk_ui
