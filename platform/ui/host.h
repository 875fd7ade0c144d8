// What draws the control model and speaks with the user: a renderer on a display, the
// headless host, or a test's fake. The model tells it of every change; it never calls
// the programs' handlers except through the model (a click, a timer, a close).
#pragma once

#include <string>

#include "platform/ui/types.h"

class TApplication;
class TControl;
class TForm;
class TPopupMenu;
class TTimer;

class UiHost {
 public:
  UiHost() = default;
  UiHost(const UiHost&) = delete;
  UiHost& operator=(const UiHost&) = delete;
  virtual ~UiHost() = default;

  // A property of `control` changed, or it got a parent; draw it when the loop next runs.
  virtual void ControlChanged(TControl& /*control*/) {}
  // `control` is being destroyed; forget it.
  virtual void ControlDestroyed(TControl& /*control*/) {}
  // Draw `control` now: a handler is about to keep the window busy.
  virtual void RepaintNow(TControl& /*control*/) {}
  // The application-wide mouse cursor changed.
  virtual void CursorChanged(TCursor /*cursor*/) {}
  // A timer was enabled, disabled or given another interval.
  virtual void TimerChanged(TTimer& /*timer*/) {}

  // Shows a modal message box (MB_* flags) and returns the answer (IDOK, IDCANCEL).
  virtual int MessageBox(const std::string& text, const std::string& caption,
                         unsigned flags) = 0;
  // Drops `menu` down at the point x, y of `control` and waits until it closes. Returns the
  // index of the item the user chose, -1 when none (the default: no display, no choice).
  virtual int PopupMenu(const TPopupMenu& /*menu*/, TControl& /*control*/, int /*x*/,
                        int /*y*/) {
    return -1;
  }
  // Shows the application's error box for an error that escaped a handler.
  virtual void ShowError(const std::string& message) = 0;
  // Shows `main_form` (raising its OnShow) and runs the message loop until it closes.
  // Returns the program's exit code.
  virtual int Run(TApplication& application, TForm& main_form) = 0;
};
