// The host used where there is no display: nothing is drawn, message boxes and errors go
// to standard error (a box's default answer, its first button, is taken), and the message
// loop runs the timers until the main form closes. An unattended start thus works on a
// machine without a display.
#pragma once

#include <iosfwd>

#include "platform/ui/host.h"

class HeadlessHost final : public UiHost {
 public:
  // Messages are written to `log` (standard error in the programs).
  explicit HeadlessHost(std::ostream& log) : log_(log) {}

  int MessageBox(const std::string& text, const std::string& caption,
                 unsigned flags) override;
  void ShowError(const std::string& message) override;
  // Shows the form, then sleeps until the next timer is due and ticks it, until the form
  // closes. Returns 0; returns at once when no timer is enabled, since nothing can then
  // happen any more.
  int Run(TApplication& application, TForm& main_form) override;

 private:
  std::ostream& log_;
};
