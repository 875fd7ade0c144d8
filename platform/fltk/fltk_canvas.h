// The canvas on which custom-drawn controls paint, over FLTK's drawing functions. It is
// made for one drawing of one control and clips everything to the control.
#pragma once

#include "platform/ui/canvas.h"

namespace fltk_ui {

class FltkCanvas final : public TCanvas {
 public:
  // The control lies at x, y (window coordinates) with the given size; text is drawn in
  // `font`. Pushes a clip area that the destructor pops.
  FltkCanvas(int x, int y, int width, int height, const TFont& font);
  ~FltkCanvas() override;

  void Draw(int x, int y, const TBitmap& picture) override;
  void StretchDraw(const TRect& rect, const TBitmap& picture) override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text) override;

 private:
  int origin_x_;
  int origin_y_;
  TFont font_;
};

}  // namespace fltk_ui
