// Modal dialogs of the FLTK renderer: the message box, the error box and popup menus.
#pragma once

#include <string>
#include <vector>

class Fl_Window;

namespace fltk_ui {

// Shows a modal message box with `text`, `caption`, the buttons and icon of `flags`
// (MB_* values) over `owner` (may be null) and waits for the answer: IDOK or IDCANCEL.
// Enter answers OK; Escape and the close box answer Cancel where there is one, else OK.
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags,
                   Fl_Window* owner);

// Drops a menu of `captions` down at x, y of `window` and waits until it closes. Returns
// the index chosen, -1 when none.
int ShowPopupMenu(const std::vector<std::string>& captions, Fl_Window& window, int x, int y);

}  // namespace fltk_ui
