// A UiHost for tests: answers message boxes from a script, and records what the model
// asked of it (boxes, errors, explicit repaints, cursor changes).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/ui/forms.h"

namespace testing_support {

class FakeHost final : public UiHost {
 public:
  struct Box {
    std::string text;
    std::string caption;
    unsigned flags;
  };
  struct Repaint {
    std::string control;  // the control's name
    std::string caption;  // its caption when it was repainted
  };

  // Answers given to the next message boxes, in order; IDOK when none is left.
  std::deque<int> answers;

  std::vector<Box> boxes;
  std::vector<std::string> errors;
  std::vector<Repaint> repaints;
  std::vector<TCursor> cursors;

  void RepaintNow(TControl& control) override;
  void CursorChanged(TCursor cursor) override { cursors.push_back(cursor); }
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  void ShowError(const std::string& message) override { errors.push_back(message); }
  // Shows the form and ticks no timer: tests drive the handlers themselves.
  int Run(TApplication& application, TForm& main_form) override;
};

}  // namespace testing_support
