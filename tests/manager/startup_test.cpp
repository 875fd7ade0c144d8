// The manager's start-up: paths, manifest applied to the window, option boxes, the frame.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/manager/manager_fixture.h"

namespace {

using testing_support::ManagerTest;

std::vector<std::string> Manifest(const std::string& update_url, const std::string& options_shown,
                                  const std::string& autogen_shown, int options) {
  std::vector<std::string> lines = {"Demo Manager", "Dev", "Demo Airfield", "Desc", update_url,
                                    "1", "FSX", "FSX", "FSX Files", "Microsoft FSX",
                                    options_shown, autogen_shown, std::to_string(options)};
  for (int j = 0; j < options; ++j) {
    std::string name = "Option " + std::to_string(j);
    lines.insert(lines.end(), {name, name + " hint", "m.bgl", "stem", ".bgl", ".bg_"});
  }
  return lines;
}

TBitmap Picture(int width, int height) {
  TBitmap picture;
  picture.Assign(width, height, std::vector<uint8_t>(static_cast<size_t>(width * height * 3), 90));
  return picture;
}

TEST_F(ManagerTest, DerivesItsPathsFromItsOwnName) {
  manager::TForm1& window = Start("", "Scenery Manager.exe");
  EXPECT_EQ(window.ExePath, "C:\\Products\\Demo\\Scenery Manager.exe");
  EXPECT_EQ(window.AppDir, "C:\\Products\\Demo\\");
  EXPECT_EQ(window.ExeBaseName, "Scenery Manager");
  EXPECT_EQ(window.ManifestPath, "C:\\Products\\Demo\\Scenery Manager.ini");
  EXPECT_EQ(window.PicturePath, "C:\\Products\\Demo\\Scenery Manager.bmp");
  EXPECT_EQ(window.UnzipLibraryPath, "C:\\Products\\Demo\\unzdll.dll");
  EXPECT_EQ(window.ManualPath, "C:\\Products\\Demo\\Manual.pdf");
  EXPECT_EQ(window.ChangesPath, "C:\\Products\\Demo\\Changes.txt");
  EXPECT_EQ(window.CommonDataDir, "C:\\ProgramData");
  EXPECT_EQ(window.DocumentsDir, "C:\\users\\pilot\\Documents");
  EXPECT_TRUE(window.InteractiveStart);
}

TEST_F(ManagerTest, AManagerUnderAnotherNameReadsItsOwnManifest) {
  prefix.Write(std::string(kAppDir) + "Other.ini", testing_support::CrLfLines(Manifest("u", "1", "1", 0)));
  WriteManifest({"Not this one"});
  EXPECT_EQ(Start("", "Other.exe").Caption(), "Demo Manager");
}

TEST_F(ManagerTest, AppliesTheManifestToTheWindow) {
  InstallSimulator("FSX");
  prefix.Write(std::string(kAppDir) + "version.txt", "4\r\n");
  WriteManifest(Manifest("http://a.b/c/", "1", "1", 0));
  manager::TForm1& window = Start();
  EXPECT_EQ(window.Caption(), "Demo Manager");
  EXPECT_EQ(window.Label1.Caption(), "Dev");
  EXPECT_EQ(window.Label2.Caption(), "Demo Airfield");
  EXPECT_EQ(window.Label23.Caption(), "Desc");
  EXPECT_EQ(window.Label11.Caption(), "Current Version 1.00.4");
  EXPECT_EQ(window.ListBox1.Items(), (std::vector<std::string>{"FSX"}));
  EXPECT_EQ(window.SimulatorCount(), 1);
}

TEST_F(ManagerTest, AMissingManifestLeavesTheDesign) {
  manager::TForm1& window = Start();
  EXPECT_EQ(window.Caption(), "Switcher");
  EXPECT_EQ(window.Label1.Caption(), "Corvane");
  EXPECT_EQ(window.Label2.Caption(), "Scenery Title");
  EXPECT_EQ(window.Label23.Caption(), "Scenery Description");
  EXPECT_TRUE(window.TabSheet2.TabVisible());
  EXPECT_EQ(window.ListBox1.Count(), 0);
  EXPECT_EQ(window.OptionCount(), 0);
  EXPECT_EQ(window.OptionCheckBoxes[0], nullptr);
}

TEST_F(ManagerTest, ManifestFlagsDecideWhichPagesAndGroupsShow) {
  struct Case {
    const char* update_url;
    const char* options_shown;
    const char* autogen_shown;
    bool updates_tab;
    bool options_tab;
    bool autogen_group;
  } cases[] = {
      {"http://a.b/", "1", "1", false, true, true},    // 11 characters
      {"http://a.bc/", "0", "0", true, false, false},  // 12 characters
      {"http://a.bc/", "2", "0", true, true, false},
      {"http://a.bc/", "-1", "7", true, true, true},
  };
  for (const Case& c : cases) {
    WriteManifest(Manifest(c.update_url, c.options_shown, c.autogen_shown, 0));
    manager::TForm1& window = Start();
    EXPECT_EQ(window.TabSheet2.TabVisible(), c.updates_tab) << c.update_url;
    EXPECT_EQ(window.TabSheet3.TabVisible(), c.options_tab) << c.options_shown;
    EXPECT_EQ(window.GroupBox1.Visible(), c.autogen_group) << c.autogen_shown;
    EXPECT_EQ(window.TabSheet1.TabVisible(), true);
  }
}

TEST_F(ManagerTest, OptionBoxesMoveUpIntoAHiddenAutogenGroupsPlace) {
  struct Case {
    const char* autogen_shown;
    std::vector<int> tops;
  } cases[] = {{"0", {8, 32, 56}}, {"1", {72, 96, 120}}};
  for (const Case& c : cases) {
    WriteManifest(Manifest("http://a.bc/", "1", c.autogen_shown, 3));
    manager::TForm1& window = Start();
    ASSERT_EQ(window.OptionCount(), 3);
    for (int j = 0; j < 3; ++j) {
      const TCheckBox& box = *window.OptionCheckBoxes[static_cast<size_t>(j)];
      EXPECT_EQ(box.Top(), c.tops[static_cast<size_t>(j)]) << "autogen " << c.autogen_shown;
      EXPECT_EQ(box.Left(), 32);
      EXPECT_EQ(box.Width(), 321);
      EXPECT_EQ(box.Tag, j);
      EXPECT_EQ(box.Parent(), &window.TabSheet3);
      EXPECT_EQ(box.Owner(), &window.TabSheet3);
      EXPECT_EQ(box.Caption(), "Option " + std::to_string(j));
      EXPECT_EQ(box.Hint(), "Option " + std::to_string(j) + " hint");
      EXPECT_TRUE(box.Visible());
    }
    EXPECT_EQ(window.OptionCheckBoxes[3], nullptr);
  }
}

TEST_F(ManagerTest, OptionalFilesShowTheirControls) {
  manager::TForm1& bare = Start();
  EXPECT_FALSE(bare.Label19.Visible());
  EXPECT_FALSE(bare.Label20.Visible());
  EXPECT_FALSE(bare.Button11.Visible());

  prefix.Write(std::string(kAppDir) + "Manual.pdf", "%PDF");
  prefix.Write(std::string(kAppDir) + "changes.TXT", "1.00.1");
  manager::TForm1& full = Start();
  EXPECT_TRUE(full.Label19.Visible());
  EXPECT_TRUE(full.Label20.Visible());
  EXPECT_TRUE(full.Button11.Visible());
}

TEST_F(ManagerTest, LoadsTheProductPictureAndKeepsTheDesignedOneOnFailure) {
  prefix.Write(std::string(kAppDir) + "lumvek.bmp", Picture(300, 400).SaveToBytes());
  manager::TForm1& window = Start();
  EXPECT_EQ(window.Image1.Width(), 300);
  EXPECT_EQ(window.Image1.Height(), 400);

  prefix.Write(std::string(kAppDir) + "lumvek.bmp", "<html>not a picture</html>");
  manager::TForm1& fallback = Start();
  EXPECT_EQ(fallback.Image1.Width(), 180);
  EXPECT_EQ(fallback.Image1.Height(), 238);
}

TEST_F(ManagerTest, TheFrameIsLaidOutAsDesigned) {
  manager::TForm1& window = Start();
  EXPECT_EQ(window.ClientWidth(), 746);
  EXPECT_EQ(window.ClientHeight(), 425);
  EXPECT_EQ(window.PageControl1.Left(), 273);
  EXPECT_EQ(window.PageControl1.Height(), 376);
  EXPECT_EQ(window.Panel2.Top(), 376);
  EXPECT_EQ(window.PicButton1.Left(), 746 - 78 - 12);
  EXPECT_EQ(window.PageControl1.ActivePage(), &window.TabSheet1);
  std::vector<TTabSheet*> order(window.PageControl1.Pages());
  EXPECT_EQ(order, (std::vector<TTabSheet*>{&window.TabSheet1, &window.TabSheet3, &window.TabSheet2}));
  EXPECT_TRUE(window.Timer2.Enabled());
  EXPECT_EQ(window.Timer2.Interval(), 30000);
  EXPECT_FALSE(window.Timer1.Enabled());
}

TEST_F(ManagerTest, RandomxShowsARandomPartOfThePicture) {
  // A picture exactly as large as the area left of the pages never moves.
  prefix.Write(std::string(kAppDir) + "lumvek.bmp", Picture(1, 1).SaveToBytes());
  manager::TForm1& window = Start();
  const int dx = window.Width() - window.PageControl1.Width();
  const int h = window.PageControl1.Height();
  TBitmap exact = Picture(dx, h);
  window.Image1.SetPicture(exact);
  window.Timer2Timer(&window.Timer2);
  EXPECT_EQ(window.Image1.Left(), 0);
  EXPECT_EQ(window.Image1.Top(), 0);

  window.Image1.SetPicture(Picture(dx + 40, h + 3));
  window.randomxClick(&window.randomx);
  EXPECT_GE(-window.Image1.Left(), 0);
  EXPECT_LE(-window.Image1.Left(), 39);
  EXPECT_GE(-window.Image1.Top(), 0);
  EXPECT_LE(-window.Image1.Top(), 2);

  // A smaller picture: the remainder keeps the sign of the random number.
  window.Image1.SetPicture(Picture(dx - 10, h - 5));
  window.randomxClick(&window.randomx);
  EXPECT_GE(-window.Image1.Left(), 0);
  EXPECT_LE(-window.Image1.Left(), 9);
}

TEST_F(ManagerTest, AnArgumentMakesTheStartUnattended) {
  manager::TForm1& interactive = Start();
  interactive.Show();
  EXPECT_TRUE(interactive.InteractiveStart);
  EXPECT_FALSE(interactive.Timer1.Enabled());

  manager::TForm1& unattended = Start("add");
  EXPECT_FALSE(unattended.InteractiveStart);
  EXPECT_EQ(unattended.LaunchArgument, "add");
  unattended.Show();
  EXPECT_TRUE(unattended.Timer1.Enabled());
  EXPECT_EQ(unattended.Timer1.Interval(), 1000);
}

TEST_F(ManagerTest, ShowingTheWindowSelectsTheFirstSimulator) {
  InstallSimulator("FSX");
  WriteManifest(Manifest("u", "1", "1", 0));
  manager::TForm1& window = Start();
  window.Show();
  EXPECT_EQ(window.ListBox1.ItemIndex(), 0);
}

TEST_F(ManagerTest, TheManualOpensThroughTheShellAndExitCloses) {
  manager::TForm1& window = Start();
  window.Label20.Click();
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].verb, "open");
  EXPECT_EQ(shell.requests[0].file, "C:\\Products\\Demo\\Manual.pdf");
  EXPECT_EQ(shell.requests[0].parameters, "");
  EXPECT_EQ(shell.requests[0].folder, "");
  EXPECT_EQ(shell.requests[0].show, platform::ShowMode::kNormal);

  EXPECT_FALSE(window.Closed());
  window.PicButton1.Click();
  EXPECT_TRUE(window.Closed());
}

TEST_F(ManagerTest, AMissingDocumentsFolderLeavesItsMarker) {
  std::filesystem::remove_all(prefix.Host(kDocuments));
  EXPECT_EQ(Start().DocumentsDir, "*CSIDL_PERSONAL Folder does not Exist");
}

}  // namespace
