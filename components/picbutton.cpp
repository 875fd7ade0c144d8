#include "components/picbutton.h"

#include <utility>

TPicButton::TPicButton(TComponent* owner, std::string name)
    : TCustomControl(owner, std::move(name)) {}

void TPicButton::SetBitmapNormal(const TBitmap& picture) {
  bitmap_normal_ = picture;
  Redraw();
}

void TPicButton::SetBitmapOver(const TBitmap& picture) {
  bitmap_over_ = picture;
  Redraw();
}

void TPicButton::SetBitmapDown(const TBitmap& picture) {
  bitmap_down_ = picture;
  Redraw();
}

void TPicButton::SetBooleanProperty(int index, bool value) {
  switch (index) {
    case kLatchIndex: latch_ = value; break;
    case kDownIndex: down_ = value; break;
    case kStretchIndex: stretch_ = value; break;
    case kHighlightIndex: highlight_ = value; break;
    case kAutosizeIndex: autosize_ = value; break;
    default: break;
  }
  Redraw();
}

void TPicButton::Redraw() {
  Changed();
  Repaint();
}

const TBitmap& TPicButton::StatePicture() const {
  if (down_) return bitmap_down_;
  if (mouse_over_ && highlight_) return bitmap_over_;
  return bitmap_normal_;
}

void TPicButton::Paint(TCanvas& canvas) {
  work_picture_ = StatePicture();
  if (stretch_) {
    canvas.StretchDraw({2, 2, Width() - 4, Height() - 4}, work_picture_);
  } else {
    if (autosize_) SetBounds(Left(), Top(), work_picture_.Width(), work_picture_.Height());
    canvas.Draw((Width() - work_picture_.Width()) / 2, (Height() - work_picture_.Height()) / 2,
                work_picture_);
  }
  if (!text_.empty()) PaintCaption(canvas);
}

std::string ShortenCaption(std::string text, int x, int available,
                           const std::function<int(const std::string&)>& text_width) {
  while (text_width(text) + x > available && !text.empty()) {
    text.pop_back();
    if (text.size() > 4) text.replace(text.size() - 2, 2, "..");
  }
  return text;
}

void TPicButton::PaintCaption(TCanvas& canvas) const {
  const int available = Width() - 8;
  const int y = (Height() - canvas.TextHeight(text_)) / 2;
  int x = (available - canvas.TextWidth(text_)) / 2;
  if (x < 0) x = 0;
  const std::string shown = ShortenCaption(
      text_, x, available, [&canvas](const std::string& text) { return canvas.TextWidth(text); });
  if (!shown.empty()) canvas.TextOut(x + 4, y, shown);
}

void TPicButton::MouseMove(TShiftState shift, int x, int y) {
  if (!mouse_captured_) {
    SetMouseCapture(true);
    mouse_captured_ = true;
    mouse_over_ = true;
    Redraw();
  }
  if (x < 0 || y < 0 || x > Width() || y > Height()) {
    SetMouseCapture(false);
    mouse_captured_ = false;
    mouse_over_ = false;
    if (pressed_) down_ = down_before_press_;
    Redraw();
    return;
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TPicButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button == TMouseButton::mbRight) return;
  down_before_press_ = down_;
  down_ = latch_ ? !down_ : true;
  pressed_ = true;
  Redraw();
  if (drop_down_menu_ != nullptr && down_) {
    drop_down_menu_->Popup(*this, 0, Height());
    down_ = false;
    mouse_over_ = false;
    SetMouseCapture(false);
    mouse_captured_ = false;
    Redraw();
  }
}

void TPicButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (button == TMouseButton::mbRight) return;
  pressed_ = false;
  if (!latch_) down_ = false;
  mouse_captured_ = false;
  Redraw();
}
