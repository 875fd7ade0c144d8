// The unattended mode: the argument's words, in any letter case, each with its action,
// the close after a matching action, and the window left open otherwise.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/manager/activation_fixture.h"

namespace {

using testing_support::ActivationTest;

class UnattendedModeTest : public ActivationTest {
 protected:
  // Starts with `argument` and runs the tick that Timer1 gives one second after showing.
  manager::TForm1& RunWith(const std::string& argument) {
    manager::TForm1& window = Show(argument);
    EXPECT_TRUE(window.Timer1.Enabled());
    EXPECT_FALSE(window.InteractiveStart);
    application.HandleEvent([&window] { window.Timer1.Tick(); });
    EXPECT_FALSE(window.Timer1.Enabled()) << "the mode runs once";
    return window;
  }
};

TEST_F(UnattendedModeTest, EveryArgumentHoldingAddEnablesEverywhereAndCloses) {
  for (const char* argument : {"ADD", "/add", "readd", "addfirst"}) {
    const std::string fsx = InstallFsx();
    InstallP3d();
    processes.runs.clear();
    manager::TForm1& window = RunWith(argument);
    EXPECT_EQ(prefix.Read(kFsxLibrary), fsx + Enabled(2)) << argument;
    EXPECT_EQ(prefix.Read(kP3dLibrary), kP3dWithout + Enabled(7)) << argument;
    EXPECT_EQ(processes.runs.size(), 2u) << argument << ": one flights copy per simulator";
    EXPECT_TRUE(window.Closed()) << argument;
    EXPECT_TRUE(host.errors.empty()) << argument;
  }
}

TEST_F(UnattendedModeTest, RemoveDisablesEverywhereShowsTheOptionsAndCloses) {
  const std::string fsx = InstallFsx();
  InstallFsx(Enabled(2));
  InstallP3d(Enabled(7));
  manager::TForm1& window = RunWith("remove");
  EXPECT_EQ(prefix.Read(kFsxLibrary), fsx);
  EXPECT_EQ(prefix.Read(kP3dLibrary), kP3dWithout);
  EXPECT_EQ(window.ListBox1.Items(), (std::vector<std::string>{"FSX", "P3D"}));
  EXPECT_EQ(window.PageControl1.ActivePage(), &window.TabSheet3);
  EXPECT_TRUE(window.Closed());
}

TEST_F(UnattendedModeTest, FirstEnablesTheFirstSimulatorOnly) {
  const std::string fsx = InstallFsx();
  const std::string p3d = InstallP3d();
  manager::TForm1& window = RunWith("First");
  EXPECT_EQ(prefix.Read(kFsxLibrary), fsx + Enabled(2));
  EXPECT_EQ(prefix.Read(kP3dLibrary), p3d);
  EXPECT_EQ(window.ListBox1.Items()[0], "FSX") << "the list is not refreshed before closing";
  EXPECT_TRUE(window.Closed());
}

TEST_F(UnattendedModeTest, FirstWhenTheFirstIsEnabledChangesNothingAndCloses) {
  const std::string fsx = InstallFsx(Enabled(2));
  const std::string p3d = InstallP3d();
  manager::TForm1& window = RunWith("first");
  EXPECT_EQ(prefix.Read(kFsxLibrary), fsx);
  EXPECT_EQ(prefix.Read(kP3dLibrary), p3d);
  EXPECT_TRUE(processes.runs.empty());
  EXPECT_TRUE(window.Closed());
}

TEST_F(UnattendedModeTest, ASimulatorsNameInOtherLetterCaseEnablesThatOneOnly) {
  const std::string fsx = InstallFsx();
  InstallP3d();
  manager::TForm1& window = RunWith("p3d");
  EXPECT_EQ(prefix.Read(kFsxLibrary), fsx);
  EXPECT_EQ(prefix.Read(kP3dLibrary), kP3dWithout + Enabled(7));
  EXPECT_TRUE(window.Closed());
}

TEST_F(UnattendedModeTest, AnEnabledSimulatorCannotBeNamedByItsPlainName) {
  // Its entry reads "P3D (enabled)", which the plain name does not equal.
  InstallFsx();
  const std::string p3d = InstallP3d(Enabled(7));
  manager::TForm1& window = RunWith("P3D");
  EXPECT_EQ(prefix.Read(kP3dLibrary), p3d);
  EXPECT_FALSE(window.Closed());
}

TEST_F(UnattendedModeTest, WithoutSimulatorsFirstOnlyClosesAndRemoveStillCloses) {
  for (const char* argument : {"first", "remove", "add"}) {
    WriteProductManifest({});
    processes.runs.clear();
    manager::TForm1& window = RunWith(argument);
    EXPECT_TRUE(window.Closed()) << argument;
    // No flights are copied or deleted; "remove" still switches Autogen on.
    if (std::string(argument) == "remove") {
      ASSERT_EQ(processes.runs.size(), 1u);
      EXPECT_EQ(processes.runs[0].script.substr(0, processes.runs[0].script.find('\r')),
                "ren \"C:\\Products\\Demo\\texture\\*.ag_\" *.agn");
    } else {
      EXPECT_TRUE(processes.runs.empty()) << argument;
    }
  }
}

TEST_F(UnattendedModeTest, AnArgumentMatchingNothingLeavesTheWindowOpen) {
  const std::string fsx = InstallFsx();
  const std::string p3d = InstallP3d();
  manager::TForm1& window = RunWith("install");
  EXPECT_FALSE(window.Closed());
  EXPECT_EQ(prefix.Read(kFsxLibrary), fsx);
  EXPECT_EQ(prefix.Read(kP3dLibrary), p3d);
}

TEST_F(UnattendedModeTest, AnErrorWhileEnablingLeavesTheWindowOpenWithTheErrorShown) {
  const std::string fsx = InstallFsx();
  const std::string p3d = InstallP3d();
  MakeReadOnly(kFsxLibrary);
  manager::TForm1& window = RunWith("add");
  EXPECT_EQ(host.errors,
            std::vector<std::string>{"Unable to write to C:\\ProgramData\\Microsoft\\FSX\\scenery.cfg"});
  EXPECT_FALSE(window.Closed());
  EXPECT_EQ(prefix.Read(kFsxLibrary), fsx);
  EXPECT_EQ(prefix.Read(kP3dLibrary), p3d);
}

}  // namespace
