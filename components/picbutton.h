// TPicButton: a button drawn entirely from three pictures: one at rest (BitmapNormal), one
// while the pointer is over it (BitmapOver), one while it is down (BitmapDown). It tracks
// the pointer itself (taking the mouse capture while the pointer is over it), works as a
// push button or as a latching button, can drop down a popup menu, and can draw a one-line
// caption over the picture, shortened with dots when it does not fit.
//
// Painting goes through a TCanvas; the mouse messages come from whatever draws the window
// (see TCustomControl). Events fall in the order OnMouseDown, OnClick, OnMouseUp; OnClick
// runs while a push button still shows BitmapDown.
#pragma once

#include <functional>
#include <string>

#include "platform/ui/custom_control.h"
#include "platform/ui/menus.h"

class TPicButton : public TCustomControl {
 public:
  // Indexes of the shared Boolean setter.
  static constexpr int kLatchIndex = 1;
  static constexpr int kDownIndex = 2;
  static constexpr int kStretchIndex = 5;
  static constexpr int kHighlightIndex = 8;
  static constexpr int kAutosizeIndex = 9;

  TPicButton(TComponent* owner, std::string name);

  // The menu dropped down when the button goes down; not owned, may be null.
  TPopupMenu* DropDownMenu() const { return drop_down_menu_; }
  // Stores the menu only; it is used at the next press.
  void SetDropDownMenu(TPopupMenu* menu) { drop_down_menu_ = menu; }

  const TBitmap& BitmapNormal() const { return bitmap_normal_; }
  const TBitmap& BitmapOver() const { return bitmap_over_; }
  const TBitmap& BitmapDown() const { return bitmap_down_; }
  // Each setter copies the picture (the caller keeps its own) and redraws.
  virtual void SetBitmapNormal(const TBitmap& picture);
  virtual void SetBitmapOver(const TBitmap& picture);
  virtual void SetBitmapDown(const TBitmap& picture);

  // The caption drawn over the picture. Setting it stores it only: it shows at the next
  // drawing.
  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }

  bool Latch() const { return latch_; }
  bool Down() const { return down_; }
  bool Stretch() const { return stretch_; }
  bool Highlight() const { return highlight_; }
  bool Autosize() const { return autosize_; }
  void SetLatch(bool value) { SetBooleanProperty(kLatchIndex, value); }
  // Setting Down raises no event.
  void SetDown(bool value) { SetBooleanProperty(kDownIndex, value); }
  void SetStretch(bool value) { SetBooleanProperty(kStretchIndex, value); }
  void SetHighlight(bool value) { SetBooleanProperty(kHighlightIndex, value); }
  void SetAutosize(bool value) { SetBooleanProperty(kAutosizeIndex, value); }

  // The shared setter: stores `value` in the flag of `index` (see the k...Index values),
  // then redraws. Any other index only redraws.
  virtual void SetBooleanProperty(int index, bool value);
  // Invalidates the whole button and paints it at once.
  virtual void Redraw();

  // Internal state, readable for whoever draws or tests the button.
  bool MouseOver() const { return mouse_over_; }
  bool MouseCaptured() const { return mouse_captured_; }
  bool Pressed() const { return pressed_; }
  bool DownBeforePress() const { return down_before_press_; }
  // The picture of the last drawing.
  const TBitmap& WorkPicture() const { return work_picture_; }

  void Paint(TCanvas& canvas) override;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  const TBitmap& StatePicture() const;
  void PaintCaption(TCanvas& canvas) const;

  TPopupMenu* drop_down_menu_ = nullptr;
  TBitmap work_picture_;
  TBitmap bitmap_normal_;
  TBitmap bitmap_over_;
  TBitmap bitmap_down_;
  bool latch_ = false;
  bool down_ = false;
  bool stretch_ = false;
  bool mouse_over_ = false;
  bool down_before_press_ = false;
  bool pressed_ = false;
  bool highlight_ = true;
  bool autosize_ = true;
  bool mouse_captured_ = false;
  std::string text_;
};

// The caption as the button draws it into `available` pixels: characters are taken from
// its end, and once it is longer than 4 characters its last two show as dots, until it
// fits. `x` is where the caption starts within the available width. Exposed for tests.
std::string ShortenCaption(std::string text, int x, int available,
                           const std::function<int(const std::string&)>& text_width);
