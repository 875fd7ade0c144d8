#include "tests/manager/activation_fixture.h"

#include <filesystem>

#include "manager/scenery_library.h"

namespace testing_support {

const std::string ActivationTest::kP3dWithout =
    "\xEF\xBB\xBF[General]\r\nTitle=Prepar3D Scenery\r\n\r\n" + Titled(1, 6);

std::string ActivationTest::Titled(int from, int to) {
  std::string text;
  for (int n = from; n <= to; ++n) {
    text += "[" + manager::AreaSectionName(n) + "]\r\nTitle=Area " + std::to_string(n) +
            "\r\nTexture_ID=1\r\nLayer=" + std::to_string(n) + "\r\n\r\n";
  }
  return text;
}

std::string ActivationTest::Enabled(int number) {
  return CrLfLines({"[" + manager::AreaSectionName(number) + "]", std::string("Title=") + kTitle,
                    "Local=C:\\Products\\Demo\\", "Active=TRUE",
                    "Layer=" + std::to_string(number), "Required=FALSE"});
}

std::string ActivationTest::InstallFsx(const std::string& extra) {
  const std::string bytes = "[General]\r\nTitle=FS9 World Scenery\r\n\r\n" + Titled(1, 1) + extra;
  prefix.Write(kFsxLibrary, bytes);
  return bytes;
}

std::string ActivationTest::InstallP3d(const std::string& extra) {
  const std::string bytes = kP3dWithout + extra;
  prefix.Write(kP3dLibrary, bytes);
  return bytes;
}

void ActivationTest::WriteProductManifest(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::string> lines = {"Demo Manager", "Corvane", kTitle, "A demo",
                                    "http://updates.example/demo/",
                                    std::to_string(rows.size())};
  for (const auto& row : rows) lines.insert(lines.end(), row.begin(), row.end());
  lines.insert(lines.end(), {"1", "1", "0"});
  WriteManifest(lines);
  manifest_written_ = true;
}

void ActivationTest::MakeReadOnly(const std::string& path) {
  std::filesystem::permissions(prefix.Host(path), std::filesystem::perms(0444));
}

manager::TForm1& ActivationTest::Show(const std::string& argument) {
  if (!manifest_written_) {
    WriteProductManifest({{"FSX", "Microsoft\\FSX", "Flight Simulator X Files",
                           "Microsoft Flight Simulator X"},
                          {"P3D", "Lockheed Martin\\Prepar3D v4", "Prepar3D v4 Files",
                           "Lockheed Martin Prepar3D v4"}});
  }
  manager::TForm1& window = Start(argument);
  application.Run(window);
  return window;
}

void ActivationTest::Click(TControl& control) {
  application.HandleEvent([&control] { control.Click(); });
}

void ActivationTest::DoubleClick(TControl& control) {
  application.HandleEvent([&control] { control.DblClick(); });
}

}  // namespace testing_support
