// TPicButton: a button drawn entirely from three pictures (normal, pointer over, pressed).
//
// This holds the button's pictures and flags; its painting and mouse handling arrive with
// the renderer that draws it.
#pragma once

#include <string>

#include "platform/ui/controls.h"

class TPicButton : public TControl {
 public:
  TPicButton(TComponent* owner, std::string name);

  const TBitmap& BitmapNormal() const { return bitmap_normal_; }
  const TBitmap& BitmapOver() const { return bitmap_over_; }
  const TBitmap& BitmapDown() const { return bitmap_down_; }
  // Each setter copies the picture (the caller keeps its own) and redraws.
  void SetBitmapNormal(const TBitmap& picture);
  void SetBitmapOver(const TBitmap& picture);
  void SetBitmapDown(const TBitmap& picture);

  // The caption drawn over the picture; shows at the next drawing.
  std::string Text;
  bool Latch = false;
  bool Down = false;
  bool Stretch = false;
  bool Highlight = true;
  bool Autosize = true;

 private:
  TBitmap bitmap_normal_;
  TBitmap bitmap_over_;
  TBitmap bitmap_down_;
};
