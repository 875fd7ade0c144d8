#include "manager/manifest.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/manager/manager_fixture.h"

namespace {

using testing_support::ManagerTest;

// Manifest lines up to the simulator count.
std::vector<std::string> Head(const std::string& update_url = "http://updates.example/p/") {
  return {"Caption", "Corvane", "Demo Airfield", "A demo", update_url};
}

std::vector<std::string> SimulatorRow(const std::string& name) {
  return {name, "Sims\\" + name, name + " Files", name + " details"};
}

std::vector<std::string> OptionRow(const std::string& name) {
  return {name, name + " hint", name + ".bgl", name, ".bgl", ".bg_"};
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class ManifestTest : public ManagerTest {
 protected:
  manager::ProductManifest Read() {
    return manager::ReadProductManifest(prefix.files(), std::string(kAppDir) + "lumvek.ini",
                                        kCommonData, kDocuments);
  }
};

TEST_F(ManifestTest, KeepsInstalledSimulatorsPackedToTheFront) {
  InstallSimulator("Sims\\B");
  InstallSimulator("Sims\\C");
  WriteManifest(Join({Head(), {"3"}, SimulatorRow("A"), SimulatorRow("B"), SimulatorRow("C"),
                      {"1", "0", "0"}}));
  manager::ProductManifest manifest = Read();
  ASSERT_EQ(manifest.SimulatorCount, 2);
  const manager::SimulatorEntry& first = manifest.Simulators[0];
  EXPECT_EQ(first.Name, "B");
  EXPECT_EQ(first.LibraryPath, "C:\\ProgramData\\Sims\\B\\scenery.cfg");
  EXPECT_EQ(first.FlightsFolder, "C:\\users\\pilot\\Documents\\B Files");
  EXPECT_EQ(first.Details, "B details");
  EXPECT_EQ(manifest.Simulators[1].Name, "C");
  EXPECT_TRUE(manifest.OptionsPageShown);
}

TEST_F(ManifestTest, ALibraryThatIsAFolderOrMissingIsNotInstalled) {
  prefix.MakeFolder("C:\\ProgramData\\Sims\\A\\scenery.cfg");
  WriteManifest(Join({Head(), {"2"}, SimulatorRow("A"), SimulatorRow("B"), {"0", "0", "0"}}));
  manager::ProductManifest manifest = Read();
  EXPECT_EQ(manifest.SimulatorCount, 0);
  EXPECT_FALSE(manifest.OptionsPageShown);
}

TEST_F(ManifestTest, ReadsOptionRowsInOrder) {
  WriteManifest(Join({Head(), {"0", "1", "1", "2"}, OptionRow("Trees"), OptionRow("Lights")}));
  manager::ProductManifest manifest = Read();
  ASSERT_EQ(manifest.OptionCount, 2);
  const manager::OptionEntry& lights = manifest.Options[1];
  EXPECT_EQ(lights.Caption, "Lights");
  EXPECT_EQ(lights.Hint, "Lights hint");
  EXPECT_EQ(lights.MarkerFile, "Lights.bgl");
  EXPECT_EQ(lights.FileStem, "Lights");
  EXPECT_EQ(lights.OnSuffix, ".bgl");
  EXPECT_EQ(lights.OffSuffix, ".bg_");
  EXPECT_TRUE(manifest.AutogenShown);
}

TEST_F(ManifestTest, ALongLineShiftsEveryLaterValue) {
  const std::string long_title(300, 'T');
  WriteManifest({"Caption", "Corvane", long_title, "A demo", "http://updates.example/p/", "0", "0",
                 "0", "0"});
  manager::ProductManifest manifest = Read();
  EXPECT_EQ(manifest.Title, std::string(254, 'T'));
  EXPECT_EQ(manifest.Description, std::string(46, 'T'));
  EXPECT_EQ(manifest.UpdateUrl, "A demo");
}

TEST_F(ManifestTest, LinesMissingAtTheEndRepeatTheLastLineRead) {
  WriteManifest({"Caption", "Corvane", "Title", "Description", "short", "2"});
  manager::ProductManifest manifest = Read();
  // Every later read repeats "2": two simulator rows "2" (not installed), both flags 2,
  // and two options whose every field reads "2".
  EXPECT_EQ(manifest.SimulatorCount, 0);
  EXPECT_TRUE(manifest.OptionsPageShown);
  EXPECT_TRUE(manifest.AutogenShown);
  ASSERT_EQ(manifest.OptionCount, 2);
  EXPECT_EQ(manifest.Options[1].Caption, "2");
  EXPECT_EQ(manifest.Options[1].OffSuffix, "2");
}

TEST_F(ManifestTest, ExtraRowsAreReadAndDiscardedSoLaterLinesKeepTheirPlaces) {
  std::vector<std::string> lines = Join({Head(), {"12"}});
  for (int i = 0; i < 12; ++i) {
    std::string name = "S" + std::to_string(i);
    InstallSimulator("Sims\\" + name);
    lines = Join({lines, SimulatorRow(name)});
  }
  lines = Join({lines, {"1", "0", "18"}});
  for (int j = 0; j < 18; ++j) lines = Join({lines, OptionRow("O" + std::to_string(j))});
  lines.push_back("anything after the rows");
  WriteManifest(lines);
  manager::ProductManifest manifest = Read();
  EXPECT_EQ(manifest.SimulatorCount, manager::kMaxSimulators);
  EXPECT_EQ(manifest.Simulators[9].Name, "S9");
  EXPECT_TRUE(manifest.OptionsPageShown);
  EXPECT_FALSE(manifest.AutogenShown);
  ASSERT_EQ(manifest.OptionCount, manager::kMaxOptions);
  EXPECT_EQ(manifest.Options[15].Caption, "O15");
}

TEST_F(ManifestTest, BadCountsGiveNoRows) {
  struct Case {
    const char* count;
    int rows;
  } cases[] = {{"-2", 0}, {"none", 0}, {"", 0}, {" 1 row", 1}};
  InstallSimulator("Sims\\A");
  for (const Case& c : cases) {
    WriteManifest(Join({Head(), {c.count}, SimulatorRow("A"), {"0", "0", c.count}, OptionRow("X")}));
    manager::ProductManifest manifest = Read();
    EXPECT_EQ(manifest.OptionCount, c.rows) << c.count;
    if (c.rows == 0) {
      EXPECT_EQ(manifest.SimulatorCount, 0) << c.count;
      EXPECT_FALSE(manifest.OptionsPageShown) << c.count << ": the next line reads as the flag";
    }
  }
}

TEST_F(ManifestTest, HugeCountsInAShortFileEndQuickly) {
  InstallSimulator("Sims\\A");
  WriteManifest(Join({Head(), {"2147483647"}, SimulatorRow("A"), {"1", "1", "999999999"}}));
  manager::ProductManifest manifest = Read();
  EXPECT_EQ(manifest.SimulatorCount, 1);
  EXPECT_EQ(manifest.OptionCount, manager::kMaxOptions);
}

TEST_F(ManifestTest, ARowPastTheEndThatNamesAnInstalledLibraryFillsTheTableAndStops) {
  // Past the end every row reads "S": name, folder, flights and details alike.
  InstallSimulator("S");
  WriteManifest(Join({Head(), {"1000000", "S"}}));
  manager::ProductManifest manifest = Read();
  EXPECT_EQ(manifest.SimulatorCount, manager::kMaxSimulators);
  EXPECT_EQ(manifest.Simulators[9].LibraryPath, "C:\\ProgramData\\S\\scenery.cfg");
}

TEST_F(ManifestTest, BinaryAndEnormousFilesNeitherCrashNorHang) {
  std::string binary;
  for (int i = 0; i < 5000; ++i) binary.push_back(static_cast<char>((i * 7919) % 256));
  prefix.Write(std::string(kAppDir) + "lumvek.ini", binary);
  manager::ProductManifest manifest = Read();
  EXPECT_TRUE(manifest.Loaded);
  EXPECT_LE(manifest.OptionCount, manager::kMaxOptions);

  prefix.Write(std::string(kAppDir) + "lumvek.ini", std::string(8 << 20, '9'));
  manifest = Read();
  EXPECT_EQ(manifest.WindowCaption, std::string(254, '9'));
  EXPECT_LE(manifest.SimulatorCount, manager::kMaxSimulators);
}

TEST_F(ManifestTest, AMissingFileAppliesNothing) {
  manager::ProductManifest manifest = Read();
  EXPECT_FALSE(manifest.Loaded);
  EXPECT_EQ(manifest.SimulatorCount, 0);
  EXPECT_EQ(manifest.OptionCount, 0);
}

}  // namespace

TEST_F(ManifestTest, APrepar3DAddOnRowNamesTheProductsFolderAmongTheUsersAddOns) {
  WriteManifest(Join({Head(), {"3"},
                      {"P3D add-on", "Prepar3D v4 Add-ons\\Demo Airfield", "Prepar3D v4 Files",
                       "Lockheed Martin Prepar3D v4"},
                      SimulatorRow("Prepar3D v5 Add-ons"),
                      {"lower case", "prepar3d v4 add-ons\\Demo", "F", "D"}, {"0", "0", "0"}}));
  EXPECT_EQ(Read().SimulatorCount, 0) << "no add-ons folder yet";

  prefix.MakeFolder(std::string(kDocuments) + "\\Prepar3D v4 Add-ons");
  manager::ProductManifest manifest = Read();
  ASSERT_EQ(manifest.SimulatorCount, 1) << "the other rows name libraries that do not exist";
  const manager::SimulatorEntry& add_on = manifest.Simulators[0];
  EXPECT_EQ(add_on.Name, "P3D add-on");
  EXPECT_EQ(add_on.LibraryPath,
            "C:\\users\\pilot\\Documents\\Prepar3D v4 Add-ons\\Demo Airfield\\");
  EXPECT_EQ(add_on.FlightsFolder, "C:\\users\\pilot\\Documents\\Prepar3D v4 Files");
  EXPECT_EQ(add_on.Details, "Lockheed Martin Prepar3D v4");
}
