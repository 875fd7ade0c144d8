#include "tests/support/fake_host.h"

namespace testing_support {

void FakeHost::RepaintNow(TControl& control) {
  repaints.push_back({control.Name(), control.Caption()});
}

int FakeHost::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  boxes.push_back({text, caption, flags});
  if (answers.empty()) return IDOK;
  int answer = answers.front();
  answers.pop_front();
  return answer;
}

int FakeHost::Run(TApplication& application, TForm& main_form) {
  application.HandleEvent([&main_form] { main_form.Show(); });
  return 0;
}

}  // namespace testing_support
