// A manager with two simulators, Flight Simulator X (CR LF library) and Prepar3D v4
// (UTF-8 library with a byte-order mark), for the tests of the activation page and the
// unattended mode. The product is "Demo Airfield" in "C:\Products\Demo\".
#pragma once

#include <string>
#include <vector>

#include "tests/manager/manager_fixture.h"

namespace testing_support {

class ActivationTest : public ManagerTest {
 protected:
  static constexpr char kTitle[] = "Demo Airfield";
  static constexpr char kFsxLibrary[] = "C:\\ProgramData\\Microsoft\\FSX\\scenery.cfg";
  static constexpr char kP3dLibrary[] =
      "C:\\ProgramData\\Lockheed Martin\\Prepar3D v4\\scenery.cfg";
  // The Prepar3D v4 library as InstallP3d() writes it without extra areas.
  static const std::string kP3dWithout;

  // Areas `from` to `to`, each titled "Area <n>" with layer n, CR LF.
  static std::string Titled(int from, int to);
  // The product's area `number` with layer `number`, as enabling writes it.
  static std::string Enabled(int number);

  // Writes a library with area 001 followed by `extra`; returns its bytes.
  std::string InstallFsx(const std::string& extra = "");
  // Writes kP3dWithout (areas 001 to 006) followed by `extra`; returns its bytes.
  std::string InstallP3d(const std::string& extra = "");
  // Writes the manifest with these simulator rows (name, folder, flights, details).
  void WriteProductManifest(const std::vector<std::vector<std::string>>& rows);
  // Takes away the owner's write permission: read-only, even for root.
  void MakeReadOnly(const std::string& path);

  // Starts the manager (with the two simulators' manifest unless one was written) and
  // shows its window.
  manager::TForm1& Show(const std::string& argument = "");
  // A click or double click as the message loop delivers it: an error escaping the
  // handler goes to the error box.
  void Click(TControl& control);
  void DoubleClick(TControl& control);

 private:
  bool manifest_written_ = false;
};

}  // namespace testing_support
