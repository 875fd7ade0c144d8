// The process runner and the script convention around it.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/batch_script.h"
#include "platform/posix/posix_process_runner.h"
#include "platform/posix/script_interpreter.h"
#include "tests/wincmd/script_fixture.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ScriptTest;

TEST(InterpreterCandidates, TheOverrideAloneElseTheInstalledCopyThenTheBuildTree) {
  EXPECT_EQ(platform::posix::InterpreterCandidates("/opt/x/wincmd"),
            (std::vector<std::string>{"/opt/x/wincmd"}));
  const std::vector<std::string> recorded = platform::posix::InterpreterCandidates("");
  ASSERT_EQ(recorded.size(), 2u);
  EXPECT_EQ(fs::path(recorded[0]).filename(), "wincmd");
  EXPECT_EQ(recorded[1], LUMVEK_TEST_WINCMD);
}

TEST(FirstExecutable, SkipsWhatCannotBeRun) {
  testing_support::TempPrefix prefix;
  const std::string dir = prefix.dir();
  testing_support::WriteHostFile(dir + "/plain", "not runnable");
  testing_support::WriteHostFile(dir + "/runnable", "#!/bin/sh\n");
  fs::permissions(dir + "/runnable", fs::perms::owner_all);
  EXPECT_EQ(platform::posix::FirstExecutable(
                {dir + "/missing", dir + "/plain", dir, dir + "/runnable"}),
            dir + "/runnable");
  EXPECT_EQ(platform::posix::FirstExecutable({dir + "/missing", dir}), "");
}

TEST(SplitCommandLine, GroupsQuotedWords) {
  EXPECT_EQ(platform::posix::SplitCommandLine("temp.bat"), (std::vector<std::string>{"temp.bat"}));
  EXPECT_EQ(platform::posix::SplitCommandLine(R"("C:\a b\x.exe" one "two three")"),
            (std::vector<std::string>{R"(C:\a b\x.exe)", "one", "two three"}));
}

class Runner : public ScriptTest {};

TEST_F(Runner, WriteScriptWritesCrLfLinesEndingWithItsOwnDeletion) {
  testing_support::WriteHostFile(Here("temp.bat"), std::string(500, 'x'));
  ASSERT_TRUE(common::WriteScript(prefix.files(), {"ren \"C:\\a\\*.agn\" *.ag_"}));
  EXPECT_EQ(testing_support::ReadHostFile(Here("temp.bat")),
            "ren \"C:\\a\\*.agn\" *.ag_\r\ndel temp.bat\r\n");
  fs::remove("temp.bat");
}

TEST_F(Runner, AMissingScriptIsAProcessThatCannotBeCreated) {
  common::RunAndWait(services, "temp.bat", platform::ShowMode::kHidden);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "Error Creating process");
  EXPECT_EQ(host.boxes[0].caption, "Run Process");
  EXPECT_EQ(host.boxes[0].flags, unsigned{MB_OK | MB_ICONERROR});
  EXPECT_EQ(common::LastExitCode(), -1);
}

TEST_F(Runner, AnInterpreterThatCannotBeFoundLeavesTheScriptUnrun) {
  prefix.MakeFolder(std::string(kAppDir) + "texture");
  testing_support::WriteHostFile(prefix.Host(std::string(kAppDir) + "texture") + "/a.agn", "");
  ::setenv(platform::posix::kInterpreterVariable, "/nonexistent/wincmd", 1);
  ASSERT_TRUE(
      common::WriteScript(prefix.files(), {R"(ren "C:\Products\Demo\texture\*.agn" *.ag_)"}));
  common::RunAndWait(services, "temp.bat", platform::ShowMode::kHidden);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "Error Creating process");
  EXPECT_EQ(Names(std::string(kAppDir) + "texture"), (std::vector<std::string>{"a.agn"}));
  fs::remove("temp.bat");  // left, as by a failed run
}

TEST_F(Runner, AProgramIsRunDirectlyAndItsExitCodeKept) {
  prefix.Write("C:\\Tools\\three.exe", "#!/bin/sh\nread line\nexit 3\n");
  fs::permissions(prefix.Host("C:\\Tools\\three.exe"), fs::perms::owner_all);
  // Reads nothing: standard input is empty, so the read ends at once.
  EXPECT_EQ(runner.RunAndWait("\"C:\\Tools\\three.exe\" ignored", platform::ShowMode::kHidden), 3);
  EXPECT_EQ(runner.RunAndWait("C:\\Tools\\missing.exe", platform::ShowMode::kHidden), std::nullopt);
}

TEST_F(Runner, TheScriptSeesTheFileServicesPrefix) {
  ::setenv("WINEPREFIX", "/nonexistent-prefix", 1);
  prefix.MakeFolder(std::string(kAppDir) + "texture");
  testing_support::WriteHostFile(prefix.Host(std::string(kAppDir) + "texture") + "/a.agn", "");
  EXPECT_EQ(RunScript({R"(ren "C:\Products\Demo\texture\*.agn" *.ag_)"}), 0);
  EXPECT_EQ(Names(std::string(kAppDir) + "texture"), (std::vector<std::string>{"a.ag_"}));
  ::unsetenv("WINEPREFIX");
}

}  // namespace
