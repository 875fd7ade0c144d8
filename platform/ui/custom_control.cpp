#include "platform/ui/custom_control.h"

#include <utility>

TCustomControl::TCustomControl(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name), ControlKind::kCustom) {}

bool TCustomControl::ContainsPoint(int x, int y) const {
  return x >= 0 && y >= 0 && x < Width() && y < Height();
}

void TCustomControl::MouseMessageDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    mouse_capture_ = true;
    clicked_ = true;
  }
  MouseDown(button, shift, x, y);
}

void TCustomControl::MouseMessageMove(TShiftState shift, int x, int y) {
  if (!mouse_capture_ && !ContainsPoint(x, y)) return;
  MouseMove(shift, x, y);
}

void TCustomControl::MouseMessageUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (!mouse_capture_ && !ContainsPoint(x, y)) return;
  if (button == TMouseButton::mbLeft) {
    mouse_capture_ = false;
    if (clicked_) {
      clicked_ = false;
      if (ContainsPoint(x, y)) Click();
    }
  }
  MouseUp(button, shift, x, y);
}

void TCustomControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TCustomControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TCustomControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}
