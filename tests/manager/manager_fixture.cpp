#include "tests/manager/manager_fixture.h"

#include <unistd.h>

#include <filesystem>

#include "platform/posix/wine_special_folders.h"

namespace testing_support {

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

ManagerTest::ManagerTest() {
  prefix.MakeFolder("C:\\ProgramData");
  prefix.MakeFolder(kDocuments);
  prefix.MakeFolder(kAppDir);
  services.files = &prefix.files();
  services.shell = &shell;
  services.processes = &processes;
  services.special_folders = [this] {
    return platform::posix::NewWineSpecialFolders(prefix.files(), kUser);
  };
  previous_folder_ = std::filesystem::current_path().string();
  std::filesystem::current_path(prefix.Host(kAppDir));
}

ManagerTest::~ManagerTest() {
  form.reset();
  std::filesystem::current_path(previous_folder_);
}

void ManagerTest::WriteManifest(const std::vector<std::string>& lines) {
  prefix.Write(std::string(kAppDir) + "lumvek.ini", CrLfLines(lines));
}

void ManagerTest::InstallSimulator(const std::string& folder, const std::string& content) {
  prefix.Write(std::string(kCommonData) + "\\" + folder + "\\scenery.cfg", content);
}

manager::TForm1& ManagerTest::Start(const std::string& argument, const std::string& exe_name) {
  form = std::make_unique<manager::TForm1>(services, std::string(kAppDir) + exe_name, argument);
  return *form;
}

}  // namespace testing_support
