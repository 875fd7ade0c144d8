#include "platform/ui/headless_host.h"

#include <ostream>
#include <thread>

#include "platform/ui/forms.h"

int HeadlessHost::MessageBox(const std::string& text, const std::string& caption,
                             unsigned /*flags*/) {
  log_ << caption << ": " << text << std::endl;
  return IDOK;
}

void HeadlessHost::ShowError(const std::string& message) {
  log_ << "error: " << message << std::endl;
}

int HeadlessHost::Run(TApplication& application, TForm& main_form) {
  application.HandleEvent([&main_form] { main_form.Show(); });
  while (!main_form.Closed()) {
    TTimer* next = nullptr;
    for (TTimer* timer : application.Timers()) {
      if (timer->Enabled() && timer->Interval() > 0 && (next == nullptr || timer->Due() < next->Due())) {
        next = timer;
      }
    }
    if (next == nullptr) return 0;
    std::this_thread::sleep_until(next->Due());
    application.HandleEvent([next] { next->Tick(); });
  }
  return 0;
}
