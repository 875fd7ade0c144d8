// The mirrors of the controls that hold others: panels, group boxes, pages, the page
// control and the form's window.
#pragma once

#include <memory>

#include "platform/fltk/fltk_widgets.h"

class TForm;

namespace fltk_ui {

std::unique_ptr<Mirror> NewContainerMirror(TControl& control);

// The window of a form: its client area is the form's, fixed in size; the close box
// closes the form (Escape does not).
std::unique_ptr<Mirror> NewFormWindow(TForm& form);

}  // namespace fltk_ui
