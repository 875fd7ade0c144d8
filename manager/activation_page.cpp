// The activation page: the list of installed simulators with the product's state in each,
// the Information box for the selected one, and enabling and disabling in one simulator
// or in all. The work itself is done by the activation operations.
#include <string>

#include "manager/form1.h"
#include "manager/scenery_activation.h"

namespace manager {
namespace {

constexpr char kEnabledMark[] = " (enabled)";

// The simulator the list selects; -1 when nothing (or no table row) is selected.
int SelectedSimulator(const TForm1& form) {
  const int index = form.ListBox1.ItemIndex();
  return index >= 0 && index < form.SimulatorCount() ? index : -1;
}

const SimulatorEntry& Simulator(const TForm1& form, int index) {
  return form.Manifest.Simulators[static_cast<size_t>(index)];
}

}  // namespace

bool TForm1::IsSceneryEnabled(const std::string& library_path, const std::string& title) {
  return SceneryActivation(services_, AppDir, Label2.Caption(), Scan)
      .IsSceneryEnabled(library_path, title);
}

void TForm1::EnableScenery(const std::string& library_path, const std::string& title,
                           const std::string& flights_folder) {
  SceneryActivation(services_, AppDir, Label2.Caption(), Scan)
      .EnableScenery(library_path, title, flights_folder);
}

void TForm1::DisableScenery(const std::string& library_path, const std::string& title,
                            const std::string& flights_folder) {
  SceneryActivation(services_, AppDir, Label2.Caption(), Scan)
      .DisableScenery(library_path, title, flights_folder);
}

void TForm1::Button3Click(TComponent* /*sender*/) {
  const int selected = ListBox1.ItemIndex();
  for (int k = 0; k < SimulatorCount(); ++k) {
    const SimulatorEntry& simulator = Simulator(*this, k);
    const bool enabled = IsSceneryEnabled(simulator.LibraryPath, Label2.Caption());
    ListBox1.SetItem(k, enabled ? simulator.Name + kEnabledMark : simulator.Name);
  }
  ListBox1.SetItemIndex(selected);
  ListBox1Click(this);
}

void TForm1::ListBox1Click(TComponent* /*sender*/) {
  const int i = SelectedSimulator(*this);
  if (i < 0) {
    // Nothing to show: the Information box keeps its texts and offers no switch.
    Activate.SetEnabled(false);
    Deactivate.SetEnabled(false);
    return;
  }
  const SimulatorEntry& simulator = Simulator(*this, i);
  Label6.SetCaption(simulator.Details);
  const bool enabled = IsSceneryEnabled(simulator.LibraryPath, Label2.Caption());
  if (enabled) {
    Label7.SetCaption("Scenery is currently enabled in this simulator");
    Label8.SetCaption("Scenery Area " + std::to_string(Scan.HighestArea));
  } else {
    Label7.SetCaption("Scenery is currently not enabled in this simulator");
    Label8.SetCaption("");
  }
  Activate.SetEnabled(!enabled);
  Deactivate.SetEnabled(enabled);
}

void TForm1::ActivateClick(TComponent* /*sender*/) {
  const int i = SelectedSimulator(*this);
  if (i < 0) return;
  const SimulatorEntry& simulator = Simulator(*this, i);
  EnableScenery(simulator.LibraryPath, Label2.Caption(), simulator.FlightsFolder);
  ListBox1Click(this);
  Button3Click(this);
}

void TForm1::DeactivateClick(TComponent* /*sender*/) {
  const int i = SelectedSimulator(*this);
  if (i < 0) return;
  const SimulatorEntry& simulator = Simulator(*this, i);
  DisableScenery(simulator.LibraryPath, Label2.Caption(), simulator.FlightsFolder);
  ListBox1Click(this);
  Button3Click(this);
}

void TForm1::ListBox1DblClick(TComponent* /*sender*/) {
  if (Activate.Enabled()) {
    ActivateClick(this);
  } else {
    DeactivateClick(this);
  }
}

void TForm1::Button2Click(TComponent* /*sender*/) {
  for (int k = 0; k < SimulatorCount(); ++k) {
    const SimulatorEntry& simulator = Simulator(*this, k);
    if (!IsSceneryEnabled(simulator.LibraryPath, Label2.Caption())) {
      EnableScenery(simulator.LibraryPath, Label2.Caption(), simulator.FlightsFolder);
    }
  }
  Button3Click(this);
}

void TForm1::Button4Click(TComponent* /*sender*/) {
  for (int k = 0; k < SimulatorCount(); ++k) {
    const SimulatorEntry& simulator = Simulator(*this, k);
    if (IsSceneryEnabled(simulator.LibraryPath, Label2.Caption())) {
      DisableScenery(simulator.LibraryPath, Label2.Caption(), simulator.FlightsFolder);
    }
  }
  Button3Click(this);
}

}  // namespace manager
