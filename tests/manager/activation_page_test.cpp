// The activation page: the list marks, the Information box, the switches for one
// simulator and for all, and the error of a library that cannot be written.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/manager/activation_fixture.h"

namespace {

using testing_support::ActivationTest;

TEST_F(ActivationTest, StartMarksTheEnabledSimulatorsAndShowsTheFirst) {
  InstallFsx();
  InstallP3d(Enabled(7));
  manager::TForm1& window = Show();
  EXPECT_EQ(window.ListBox1.Items(), (std::vector<std::string>{"FSX", "P3D (enabled)"}));
  EXPECT_EQ(window.ListBox1.ItemIndex(), 0);
  EXPECT_EQ(window.Label6.Caption(), "Microsoft Flight Simulator X");
  EXPECT_EQ(window.Label7.Caption(), "Scenery is currently not enabled in this simulator");
  EXPECT_EQ(window.Label8.Caption(), "");
  EXPECT_TRUE(window.Activate.Enabled());
  EXPECT_FALSE(window.Deactivate.Enabled());
}

TEST_F(ActivationTest, EnablingShowsTheNewAreaAndMarksTheEntry) {
  InstallFsx(Titled(2, 120));
  InstallP3d();
  manager::TForm1& window = Show();
  Click(window.Activate);
  EXPECT_EQ(window.Label7.Caption(), "Scenery is currently enabled in this simulator");
  EXPECT_EQ(window.Label8.Caption(), "Scenery Area 121");
  EXPECT_EQ(window.ListBox1.Items(), (std::vector<std::string>{"FSX (enabled)", "P3D"}));
  EXPECT_EQ(window.ListBox1.ItemIndex(), 0);
  EXPECT_FALSE(window.Activate.Enabled());
  EXPECT_TRUE(window.Deactivate.Enabled());
  EXPECT_EQ(processes.runs.size(), 1u);
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(ActivationTest, ADoubleClickTogglesTheSelectedSimulator) {
  InstallFsx();
  const std::string p3d = InstallP3d(Enabled(7));
  manager::TForm1& window = Show();
  window.ListBox1.SelectByUser(1);
  EXPECT_EQ(window.Label8.Caption(), "Scenery Area 7");
  DoubleClick(window.ListBox1);
  EXPECT_EQ(prefix.Read(kP3dLibrary), kP3dWithout);
  EXPECT_EQ(window.ListBox1.Items()[1], "P3D");
  EXPECT_EQ(window.ListBox1.ItemIndex(), 1);
  DoubleClick(window.ListBox1);
  EXPECT_EQ(window.ListBox1.Items()[1], "P3D (enabled)");
  EXPECT_EQ(window.ListBox1.ItemIndex(), 1);
  EXPECT_EQ(window.Label8.Caption(), "Scenery Area 7") << "the freed number is taken again";
  EXPECT_EQ(prefix.Read(kP3dLibrary), p3d);
  EXPECT_EQ(window.ListBox1.Items()[0], "FSX");
}

TEST_F(ActivationTest, EnableAllAndDisableAllSwitchEverySimulatorInListOrder) {
  const std::string fsx = InstallFsx();
  InstallP3d();
  manager::TForm1& window = Show();
  Click(window.Button2);
  EXPECT_EQ(window.ListBox1.Items(), (std::vector<std::string>{"FSX (enabled)", "P3D (enabled)"}));
  ASSERT_EQ(processes.runs.size(), 2u);
  EXPECT_NE(processes.runs[0].script.find("Flight Simulator X Files"), std::string::npos);
  EXPECT_NE(processes.runs[1].script.find("Prepar3D v4 Files"), std::string::npos);

  Click(window.Button4);
  EXPECT_EQ(window.ListBox1.Items(), (std::vector<std::string>{"FSX", "P3D"}));
  EXPECT_EQ(prefix.Read(kFsxLibrary), fsx);
  EXPECT_EQ(prefix.Read(kP3dLibrary), kP3dWithout);
  EXPECT_EQ(processes.runs.size(), 4u);
}

TEST_F(ActivationTest, EnableAllWhenAllAreEnabledChangesNoFileAndRunsNoScript) {
  const std::string fsx = InstallFsx(Enabled(2));
  const std::string p3d = InstallP3d(Enabled(7));
  manager::TForm1& window = Show();
  Click(window.Button2);
  EXPECT_EQ(prefix.Read(kFsxLibrary), fsx);
  EXPECT_EQ(prefix.Read(kP3dLibrary), p3d);
  EXPECT_TRUE(processes.runs.empty());
  EXPECT_EQ(window.ListBox1.ItemIndex(), 0);
}

TEST_F(ActivationTest, AReadOnlyLibraryEndsTheHandlerWithTheErrorBox) {
  const std::string fsx = InstallFsx();
  InstallP3d();
  MakeReadOnly(kFsxLibrary);
  manager::TForm1& window = Show();
  window.Label7.SetCaption("before");
  Click(window.Activate);
  EXPECT_EQ(host.errors,
            std::vector<std::string>{"Unable to write to C:\\ProgramData\\Microsoft\\FSX\\scenery.cfg"});
  EXPECT_EQ(window.Label7.Caption(), "before") << "the status display does not run";
  EXPECT_EQ(prefix.Read(kFsxLibrary), fsx);
  EXPECT_TRUE(processes.runs.empty());

  // Enable All stops at the first failing simulator: the second stays off.
  Click(window.Button2);
  EXPECT_EQ(host.errors.size(), 2u);
  EXPECT_EQ(prefix.Read(kP3dLibrary), kP3dWithout);
  EXPECT_EQ(window.ListBox1.Items(), (std::vector<std::string>{"FSX", "P3D"}));
}

TEST_F(ActivationTest, WithNoSimulatorTheInformationBoxKeepsItsDesignAndNothingSwitches) {
  WriteProductManifest({});
  manager::TForm1& window = Show();
  EXPECT_EQ(window.ListBox1.ItemIndex(), -1);
  EXPECT_EQ(window.Label6.Caption(), "Click on an entry to see current status");
  EXPECT_EQ(window.Label7.Caption(), "Label7");
  EXPECT_EQ(window.Label8.Caption(), "Label8");
  EXPECT_FALSE(window.Activate.Enabled());
  EXPECT_FALSE(window.Deactivate.Enabled());
  DoubleClick(window.ListBox1);
  Click(window.Activate);
  Click(window.Deactivate);
  Click(window.Button2);
  Click(window.Button4);
  EXPECT_TRUE(processes.runs.empty());
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(ActivationTest, APrepar3DAddOnRowRegistersTheProductAsAnAddOn) {
  prefix.MakeFolder(std::string(kDocuments) + "\\Prepar3D v4 Add-ons");
  WriteProductManifest({{"P3D v4 add-on", "Prepar3D v4 Add-ons\\Demo Airfield", "Prepar3D v4 Files",
                         "Lockheed Martin Prepar3D v4"}});
  manager::TForm1& window = Show();
  ASSERT_EQ(window.ListBox1.Items(), std::vector<std::string>{"P3D v4 add-on"});
  Click(window.Activate);
  EXPECT_TRUE(prefix.files().FileExists(std::string(kDocuments) +
                                        "\\Prepar3D v4 Add-ons\\Demo Airfield\\add-on.xml"));
  EXPECT_EQ(window.ListBox1.Items(), std::vector<std::string>{"P3D v4 add-on (enabled)"});
  EXPECT_EQ(window.Label8.Caption(), "Scenery Area 0");
}

}  // namespace
