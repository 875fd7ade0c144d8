// The unattended mode: a product installer or uninstaller starts the manager with one
// argument ("add", "remove", "first" or a simulator's name); one second after the window
// shows, Timer1Timer performs the matching actions and closes the window.
//
// An argument that matches none of the tests leaves the window open (on a machine without
// a display the program then keeps running, as a window nobody closes would); so does an
// error while enabling, which the error box reports. An installer should pass one of the
// words above and not wait for the manager without a time limit.
#include <string>

#include "manager/form1.h"
#include "platform/text_case.h"

namespace manager {

void TForm1::Timer1Timer(TComponent* /*sender*/) {
  Timer1.SetEnabled(false);  // the mode runs once
  const std::string action = platform::LowerCase(LaunchArgument);
  auto contains = [&action](const char* word) { return action.find(word) != std::string::npos; };

  // The tests are independent: one argument can trigger several of them. Closing only
  // asks the window to close, so the later steps of this tick still run.
  if (contains("remove")) {
    Button4Click(this);
    PageControl1.SetActivePage(&TabSheet3);
    Button7Click(this);
    enablesaveClick(this);
    Close();
  }
  if (contains("add")) {
    Button2Click(this);
    Close();
  }
  if (contains("first")) {
    if (SimulatorCount() > 0) {
      const SimulatorEntry& first = Manifest.Simulators[0];
      EnableScenery(first.LibraryPath, Label2.Caption(), first.FlightsFolder);
    }
    Close();
  }
  for (int k = 0; k < SimulatorCount(); ++k) {
    if (action == platform::LowerCase(ListBox1.Items()[static_cast<size_t>(k)])) {
      const SimulatorEntry& simulator = Manifest.Simulators[static_cast<size_t>(k)];
      EnableScenery(simulator.LibraryPath, Label2.Caption(), simulator.FlightsFolder);
      Close();
    }
  }
}

}  // namespace manager
