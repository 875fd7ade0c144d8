#include "tests/wincmd/script_fixture.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "common/batch_script.h"
#include "platform/posix/script_interpreter.h"

namespace testing_support {

namespace fs = std::filesystem;

ScriptTest::ScriptTest() {
  // The wincmd of this build, whatever may be installed.
  ::setenv(platform::posix::kInterpreterVariable, LUMVEK_TEST_WINCMD, 1);
  prefix.MakeFolder(kAppDir);
  services.files = &prefix.files();
  services.shell = &shell;
  services.processes = &runner;
  previous_folder_ = fs::current_path().string();
  WorkIn(kAppDir);
}

ScriptTest::~ScriptTest() { fs::current_path(previous_folder_); }

void ScriptTest::TearDown() {
  EXPECT_FALSE(fs::exists("temp.bat")) << "a temp.bat is left in the working folder";
}

std::string ScriptTest::Here(const std::string& name) {
  return (fs::current_path() / name).string();
}

void ScriptTest::WorkIn(const std::string& windows_folder) {
  prefix.MakeFolder(windows_folder);
  fs::current_path(prefix.Host(windows_folder));
}

int ScriptTest::RunScript(const std::vector<std::string>& lines) {
  EXPECT_TRUE(common::WriteScript(prefix.files(), lines));
  common::RunAndWait(services, common::kScriptName, platform::ShowMode::kHidden);
  return common::LastExitCode();
}

int ScriptTest::RunRaw(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  WriteHostFile(Here("temp.bat"), text);
  common::RunAndWait(services, common::kScriptName, platform::ShowMode::kHidden);
  fs::remove("temp.bat");
  return common::LastExitCode();
}

std::vector<std::string> ScriptTest::Names(const std::string& windows_folder) {
  std::vector<std::string> names;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(prefix.Host(windows_folder), ignored)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool ScriptTest::Exists(const std::string& windows_path) {
  return fs::exists(prefix.Host(windows_path));
}

void ScriptTest::MakeReadOnly(const std::string& windows_path) {
  fs::permissions(prefix.Host(windows_path),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

bool ScriptTest::IsReadOnly(const std::string& windows_path) {
  struct stat st;
  return ::stat(prefix.Host(windows_path).c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
}

}  // namespace testing_support
