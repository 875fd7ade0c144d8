// The manager's entry point: builds the window and runs it until it closes.
#include <exception>
#include <iostream>
#include <memory>

#include "manager/form1.h"
#include "platform/platform.h"
#include "platform/ui/display.h"
#include "platform/ui/headless_host.h"

int main(int argc, char** argv) {
  platform::Platform& services = platform::SystemPlatform();
  const std::string launch_argument = argc > 1 ? argv[1] : "";

  HeadlessHost headless(std::cerr);
  std::unique_ptr<UiHost> display = OpenDisplay();
  UiHost& host = display ? *display : headless;
  TApplication application(host);
  try {
    manager::TForm1 form(services, platform::ProgramPath(argv[0]), launch_argument);
    if (!display && form.InteractiveStart) {
      std::cerr << "lumvek: no display to show the window \"" << form.Caption()
                << "\" on. Start it on a desktop (DISPLAY is "
                << (platform::HasDisplay() ? "set, but no window system answered" : "not set")
                << "), or with an argument for the unattended mode.\n";
      return 2;
    }
    return application.Run(form);
  } catch (const std::exception& error) {
    application.ShowException(error);
    return 1;
  }
}
