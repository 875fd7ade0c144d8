#include "platform/fltk/fltk_custom.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "platform/fltk/fltk_canvas.h"
#include "platform/fltk/fltk_draw.h"
#include "platform/ui/custom_control.h"

namespace fltk_ui {
namespace {

TShiftState ShiftState() {
  TShiftState shift;
  shift.Shift = Fl::event_state(FL_SHIFT) != 0;
  shift.Ctrl = Fl::event_state(FL_CTRL) != 0;
  shift.Alt = Fl::event_state(FL_ALT) != 0;
  return shift;
}

TMouseButton Button() {
  switch (Fl::event_button()) {
    case FL_RIGHT_MOUSE: return TMouseButton::mbRight;
    case FL_MIDDLE_MOUSE: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
  }
}

class CustomWidget final : public Fl_Widget, public Mirror {
 public:
  CustomWidget(TControl& control, TCustomControl* custom)
      : Fl_Widget(0, 0, 0, 0), Mirror(control), custom_(custom) {}
  Fl_Widget& widget() override { return *this; }
  void SyncState() override {
    if (control() == nullptr) return;
    copy_tooltip(control()->Hint().empty() ? nullptr : control()->Hint().c_str());
    redraw();
  }
  void draw() override {
    if (control() == nullptr) return;
    fl_rectf(x(), y(), w(), h(), ToFlColor(control()->Color()));
    if (custom_ == nullptr) return;
    PaintingScope painting;
    FltkCanvas canvas(x(), y(), w(), h(), custom_->Font());
    custom_->Paint(canvas);
  }
  int handle(int event) override {
    if (control() == nullptr || custom_ == nullptr) return Fl_Widget::handle(event);
    TCustomControl* custom = custom_;
    const int ex = Fl::event_x() - x();
    const int ey = Fl::event_y() - y();
    const TShiftState shift = ShiftState();
    switch (event) {
      case FL_ENTER:
      case FL_MOVE:
      case FL_DRAG:
        RunEvent([=] { custom->MouseMessageMove(shift, ex, ey); });
        return 1;
      case FL_LEAVE: {
        // The pointer has left; the point given must lie outside whatever the edge pixel.
        const bool outside = ex < 0 || ey < 0 || ex > w() || ey > h();
        const int lx = outside ? ex : -1;
        const int ly = outside ? ey : -1;
        RunEvent([=] { custom->MouseMessageMove(shift, lx, ly); });
        return 1;
      }
      case FL_PUSH: {
        const TMouseButton button = Button();
        RunEvent([=] { custom->MouseMessageDown(button, shift, ex, ey); });
        return 1;
      }
      case FL_RELEASE: {
        const TMouseButton button = Button();
        RunEvent([=] { custom->MouseMessageUp(button, shift, ex, ey); });
        return 1;
      }
      default:
        return Fl_Widget::handle(event);
    }
  }

 private:
  TCustomControl* custom_;
};

}  // namespace

std::unique_ptr<Mirror> NewCustomMirror(TControl& control) {
  return std::make_unique<CustomWidget>(control, dynamic_cast<TCustomControl*>(&control));
}

}  // namespace fltk_ui
