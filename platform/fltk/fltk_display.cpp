// Opens the X display for the FLTK renderer. Without a display (or one that does not
// answer) there is no renderer, and programs fall back to the headless host.
#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>
#include <FL/x.H>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/fltk/fltk_host.h"
#include "platform/ui/display.h"

namespace {

// The application's title: the program's file name without its extension.
std::string ApplicationTitle() {
  std::string name = program_invocation_short_name;
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

// Reports an X error on standard error and lets the program go on. Xlib's own handler
// would end the program, for instance for a request on a window that the window system
// has just destroyed (a close box, or a window killed from outside).
int ReportXError(Display* display, XErrorEvent* event) {
  char text[256];
  XGetErrorText(display, event->error_code, text, sizeof text);
  std::fprintf(stderr, "X error: %s (request %d, resource 0x%lx)\n", text,
               static_cast<int>(event->request_code), event->resourceid);
  return 0;
}

}  // namespace

std::unique_ptr<UiHost> OpenDisplay() {
  // FLTK ends the program when it cannot open the display; ask first. The display is
  // opened once for the program's life.
  if (fl_display == nullptr) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return nullptr;
    // Opening FLTK on a display of our own skips the error handler it would install.
    XSetErrorHandler(ReportXError);
    fl_open_display(display);
  }
  Fl::background(212, 208, 200);  // the button face of the original windows
  Fl::visible_focus(1);
  Fl_Tooltip::size(11);
  Fl_Tooltip::font(FL_HELVETICA);
  return std::make_unique<fltk_ui::FltkHost>(ApplicationTitle());
}
