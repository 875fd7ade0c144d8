// The FLTK widgets that mirror the controls of the model. Each widget reads everything it
// draws from its control (the model is the only state) and hands the user's input back to
// the model as the original framework would raise it: a click through the application's
// event handling, a check box by Toggle(), a list selection by SelectByUser(), the mouse
// messages of a custom-drawn control to the control.
#pragma once

#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

#include <memory>

#include "platform/ui/types.h"

class TControl;

namespace fltk_ui {

// Where a control lies in its window, in window coordinates.
struct Placement {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Placement&) const = default;
};

class Mirror {
 public:
  explicit Mirror(TControl& control) : control_(&control) {}
  Mirror(const Mirror&) = delete;
  Mirror& operator=(const Mirror&) = delete;
  virtual ~Mirror() = default;

  // The control drawn; null once the control is gone (the widget is then being deleted).
  TControl* control() const { return control_; }
  void Forget() { control_ = nullptr; }

  virtual Fl_Widget& widget() = 0;
  // The group that holds the widgets of the control's children; null when it has none.
  virtual Fl_Group* container() { return nullptr; }
  // Drawn by its parent, beneath the parent's windowed controls (labels, pictures,
  // shapes), as the original framework draws graphic controls.
  virtual bool graphic() const { return false; }
  // The size the widget takes: the control's own, or its text's for labels sized to it.
  virtual Placement Measure(Placement designed) { return designed; }
  // Takes over everything but the placement from the control, and redraws.
  virtual void SyncState() = 0;

 private:
  TControl* control_;
};

// Makes the widget that mirrors `control` (not yet in any group). Forms are made by the
// host itself.
std::unique_ptr<Mirror> NewMirror(TControl& control);

// Finds the mirror a widget belongs to; null for widgets that mirror nothing.
Mirror* MirrorOf(Fl_Widget* widget);

}  // namespace fltk_ui
