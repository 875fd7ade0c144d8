// TCustomControl: the base of controls that paint themselves and handle the mouse
// themselves (the programs' own components). Whatever draws the window calls Paint() with
// a canvas, and hands the mouse messages over as the window system delivers them.
//
// The base keeps the window system's rules, so that components behave the same with any
// renderer and in tests:
//   - a press of the left button takes the mouse capture; its release gives it back;
//   - a move or a release reaches the control only while the pointer is over it
//     (0 <= x < Width, 0 <= y < Height) or while the control holds the capture;
//   - a left press followed by a left release over the control raises OnClick, before the
//     release's own handling (MouseUp);
//   - the right and middle buttons take no capture and raise no click.
#pragma once

#include <functional>
#include <string>

#include "platform/ui/canvas.h"
#include "platform/ui/controls.h"

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Keys and buttons held during a mouse message.
struct TShiftState {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
  bool operator==(const TShiftState&) const = default;
};

using TMouseEvent =
    std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;

class TCustomControl : public TWinControl {
 public:
  TCustomControl(TComponent* owner, std::string name);

  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

  // Paints the control; the area it leaves alone shows the control's Color.
  virtual void Paint(TCanvas& /*canvas*/) {}

  // The mouse messages, in the control's coordinates. A renderer calls them for every
  // press on the control, for every move over it or while it is pressed, for the pointer
  // leaving it, and for the release of a press that began on it; the rules above decide
  // what reaches the control.
  void MouseMessageDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMessageMove(TShiftState shift, int x, int y);
  void MouseMessageUp(TMouseButton button, TShiftState shift, int x, int y);

  // Whether the control holds the mouse capture (it then receives every move and release).
  bool MouseCapture() const { return mouse_capture_; }
  void SetMouseCapture(bool capture) { mouse_capture_ = capture; }

  // The point lies over the control.
  bool ContainsPoint(int x, int y) const;

 protected:
  // The control's own handling of the messages; the base raises the events.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

 private:
  bool mouse_capture_ = false;
  bool clicked_ = false;  // a left press began on the control and its release is awaited
};
