// The mirror of custom-drawn controls (TCustomControl): the control paints itself on an
// FltkCanvas, and FLTK's pointer events become the control's mouse messages.
#pragma once

#include <memory>

#include "platform/fltk/fltk_widgets.h"

namespace fltk_ui {

std::unique_ptr<Mirror> NewCustomMirror(TControl& control);

}  // namespace fltk_ui
