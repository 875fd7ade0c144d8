#include "components/picbutton.h"

TPicButton::TPicButton(TComponent* owner, std::string name)
    : TControl(owner, std::move(name), ControlKind::kCustom) {}

void TPicButton::SetBitmapNormal(const TBitmap& picture) {
  bitmap_normal_ = picture;
  Repaint();
}

void TPicButton::SetBitmapOver(const TBitmap& picture) {
  bitmap_over_ = picture;
  Repaint();
}

void TPicButton::SetBitmapDown(const TBitmap& picture) {
  bitmap_down_ = picture;
  Repaint();
}
