// What a custom-drawn control paints on. A renderer implements it over its drawing
// surface; tests implement it with a recording fake. Coordinates are the control's own:
// (0, 0) is its left-top corner, and nothing is drawn outside the control.
#pragma once

#include <string>

#include "platform/ui/bitmap.h"
#include "platform/ui/types.h"

class TCanvas {
 public:
  TCanvas() = default;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  virtual ~TCanvas() = default;

  // Draws `picture` unscaled with its left-top corner at x, y.
  virtual void Draw(int x, int y, const TBitmap& picture) = 0;
  // Draws `picture` scaled to fill `rect` (right and bottom exclusive).
  virtual void StretchDraw(const TRect& rect, const TBitmap& picture) = 0;
  // The size of one line of `text` in the canvas's current font, in pixels.
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  // Draws one line of text, its left-top corner at x, y, in the canvas's current font over
  // a transparent background.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
};
