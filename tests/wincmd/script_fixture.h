// A fixture that runs real scripts through the built wincmd, the way the programs do
// (common::WriteScript, then common::RunAndWait with the POSIX process runner), in a
// temporary prefix whose product folder "C:\Products\Demo\" is the working folder.
// After every test no "temp.bat" may be left in the working folder.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "platform/posix/posix_process_runner.h"
#include "platform/posix/posix_shell.h"
#include "platform/ui/forms.h"
#include "tests/support/fake_host.h"
#include "tests/support/temp_prefix.h"

namespace testing_support {

class ScriptTest : public ::testing::Test {
 protected:
  static constexpr char kAppDir[] = "C:\\Products\\Demo\\";

  ScriptTest();
  ~ScriptTest() override;
  void TearDown() override;

  // Writes `lines` as the programs do (followed by "del temp.bat") and runs "temp.bat".
  // Returns the exit code kept by RunAndWait.
  int RunScript(const std::vector<std::string>& lines);
  // Writes exactly `lines` (CR LF) as "temp.bat", without the line that deletes it, runs
  // it and removes it. Returns the exit code: the errorlevel of the last line.
  int RunRaw(const std::vector<std::string>& lines);

  // The host path of `name` in the working folder.
  static std::string Here(const std::string& name);
  // Makes `windows_folder` the working folder.
  void WorkIn(const std::string& windows_folder);
  // The names in a folder, sorted; empty when it does not exist.
  std::vector<std::string> Names(const std::string& windows_folder);
  bool Exists(const std::string& windows_path);
  // Gives a file the read-only attribute: no write permission for anyone.
  void MakeReadOnly(const std::string& windows_path);
  bool IsReadOnly(const std::string& windows_path);

  TempPrefix prefix;
  FakeHost host;
  TApplication application{host};
  platform::posix::PosixProcessRunner runner{prefix.files(), prefix.dir()};
  platform::posix::PosixShell shell{prefix.files(), prefix.dir()};
  platform::Platform services;

 private:
  std::string previous_folder_;
};

}  // namespace testing_support
