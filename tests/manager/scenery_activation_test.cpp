// The activation operations on real library files and add-on folders in a temporary
// prefix: byte-exact libraries after enabling and disabling, the scripts they run, and
// what happens when the library cannot be written.
#include "manager/scenery_activation.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "manager/addon_description.h"
#include "tests/manager/manager_fixture.h"
#include "tests/support/faulty_file_system.h"

namespace {

using testing_support::ManagerTest;

constexpr char kTitle[] = "Demo Airfield";
constexpr char kFsx[] = "C:\\ProgramData\\Microsoft\\FSX\\scenery.cfg";
constexpr char kFsxFlights[] = "C:\\users\\pilot\\Documents\\Flight Simulator X Files";
constexpr char kAddOn[] = "C:\\users\\pilot\\Documents\\Prepar3D v4 Add-ons\\Demo Airfield\\";

// Lines joined with `end`, each one ended.
std::string Lines(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

// Flight Simulator X style: single-byte text with bytes above 127, CR LF.
const std::string kFsxLibrary = Lines({
    "[General]", "Title=FS9 World Scenery", "Description=FS9 World Scenery Data",
    "Clean_on_Exit=TRUE", "",
    "[Area.001]", "Title=Default Terrain", "Local=Scenery\\World", "Remote=", "Active=TRUE",
    "Required=TRUE", "Layer=1", "",
    "[Area.002]", "Title=Z\xFCrich Airport", "Local=Addon Scenery\\Z\xFCrich", "Active=TRUE",
    "Required=FALSE", "Layer=2", "",
    "[Area.003]", "Title=Default Scenery", "Local=Scenery\\BASE", "Active=TRUE",
    "Required=TRUE", "Layer=3"});

// The product's area as enabling writes it.
std::string ProductArea(int number, int layer, const std::string& end = "\r\n") {
  return Lines({"[" + manager::AreaSectionName(number) + "]", std::string("Title=") + kTitle,
                "Local=C:\\Products\\Demo\\", "Active=TRUE", "Layer=" + std::to_string(layer),
                "Required=FALSE"},
               end);
}

// Prepar3D v4 style: UTF-8 with a byte-order mark, unknown keys, comments, gaps, names in
// other letter case, and the product at area 037 followed by area 038.
const std::string kP3dHead = "\xEF\xBB\xBF" + Lines({
    "[General]", "Title=Prepar3D Scenery", "Clean_on_Exit=TRUE", "",
    "; Areas added by installers", "[Area.001]", "Title=Default Terrain", "Texture_ID=1",
    "Local=Scenery\\World", "Layer=1", "Active=TRUE", "Required=TRUE", "",
    "[AREA.010]", "TITLE=Mountains \xC3\xA9t\xC3\xA9", "Local=Addon Scenery\\Mountains",
    "LAYER=10", "Active=TRUE", "Required=FALSE", "Flatten.0=-122.5,47.5", ""});
const std::string kP3dProduct = Lines({"[area.037]", " title = Demo Airfield ",
                                       "Local=C:\\Products\\Demo\\", "layer=37", "Active=TRUE",
                                       "Required=FALSE", ""});
const std::string kP3dTail = Lines({"[Area.038]", "Title=Harbour", "Local=Addon Scenery\\Harbour",
                                    "Layer=38", "Active=FALSE", "Required=FALSE"});

class SceneryActivationTest : public ManagerTest {
 protected:
  manager::SceneryActivation Activation() {
    return manager::SceneryActivation(services, app_dir, displayed_title, scan);
  }
  std::vector<std::string> Scripts() const {
    std::vector<std::string> scripts;
    for (const auto& run : processes.runs) {
      EXPECT_EQ(run.command_line, "temp.bat");
      scripts.push_back(run.script);
    }
    return scripts;
  }
  std::string CopyScript(const std::string& flights = kFsxFlights) const {
    return "xcopy \"C:\\Products\\Demo\\Flights\\*.*\" \"" + flights + "\\\" /y\r\ndel temp.bat\r\n";
  }
  std::string DeleteScript(const std::string& flights = kFsxFlights) const {
    return "for %%a in (\"C:\\Products\\Demo\\Flights\\*.*\") do (\r\ndel  \"" + flights +
           "\\%%~nxa\"\r\n)\r\ndel temp.bat\r\n";
  }

  std::string app_dir = kAppDir;
  std::string displayed_title = kTitle;
  manager::AreaScan scan;
};

TEST_F(SceneryActivationTest, EnablingAndDisablingChangeOnlyTheProductsAreaByteForByte) {
  const struct {
    const char* why;
    std::string before;
    std::string enabled;
  } cases[] = {
      {"Flight Simulator X, CR LF", kFsxLibrary, kFsxLibrary + ProductArea(4, 4)},
      {"no line end after the last line", kFsxLibrary.substr(0, kFsxLibrary.size() - 2),
       kFsxLibrary + ProductArea(4, 4)},
      {"Prepar3D v4, UTF-8 with byte-order mark", kP3dHead + kP3dTail,
       kP3dHead + kP3dTail + ProductArea(39, 39)},
      {"LF only, duplicates, an untitled area at the next number",
       Lines({"[Area.001]", "Title=A", "Layer=5", "", "[Area.002]", "Title=???", "Layer=90", "",
              "[Area.003]", "Local=untitled", "Layer=80", "", "[Area.001]", "Title=Duplicate",
              "Layer=70"}, "\n"),
       Lines({"[Area.001]", "Title=A", "Layer=5", "", "[Area.002]", "Title=???", "Layer=90", "",
              "[Area.003]", "Local=untitled", "Layer=80", "", "[Area.001]", "Title=Duplicate",
              "Layer=70"}, "\n") + ProductArea(4, 6, "\n")},
      {"an empty library", "", ProductArea(1, 1)},
  };
  for (const auto& c : cases) {
    prefix.Write(kFsx, c.before);
    Activation().EnableScenery(kFsx, kTitle, kFsxFlights);
    EXPECT_EQ(prefix.Read(kFsx), c.enabled) << c.why;
    EXPECT_TRUE(Activation().IsSceneryEnabled(kFsx, kTitle)) << c.why;
    Activation().DisableScenery(kFsx, kTitle, kFsxFlights);
    // The appended area goes again with every line of it; a library that lacked its last
    // line end keeps the one it was given.
    std::string expected = c.before;
    if (!expected.empty() && expected.back() != '\n') expected += "\r\n";
    EXPECT_EQ(prefix.Read(kFsx), expected) << c.why;
  }
}

TEST_F(SceneryActivationTest, DisablingErasesExactlyTheProductsSection) {
  prefix.Write(kFsx, kP3dHead + kP3dProduct + kP3dTail);
  EXPECT_TRUE(Activation().IsSceneryEnabled(kFsx, kTitle));
  EXPECT_EQ(scan.FoundArea, 37);
  Activation().DisableScenery(kFsx, kTitle, kFsxFlights);
  EXPECT_EQ(prefix.Read(kFsx), kP3dHead + kP3dTail);
  EXPECT_EQ(Scripts(), std::vector<std::string>{DeleteScript()});
}

TEST_F(SceneryActivationTest, EnablingWritesTheAreaAfterTheHighestAndCopiesTheFlights) {
  std::string library;
  for (int n = 1; n <= 120; ++n) {
    library += Lines({"[" + manager::AreaSectionName(n) + "]", "Title=Area " + std::to_string(n),
                      "Layer=" + std::to_string(n > 2 ? n - 2 : n)});
  }
  prefix.Write(kFsx, library);
  Activation().EnableScenery(kFsx, kTitle, kFsxFlights);
  EXPECT_EQ(prefix.Read(kFsx), library + ProductArea(121, 119));
  EXPECT_EQ(Scripts(), std::vector<std::string>{CopyScript()});
  EXPECT_FALSE(prefix.files().FileExists("C:\\Products\\Demo\\temp.bat"));

  EXPECT_TRUE(Activation().IsSceneryEnabled(kFsx, kTitle));
  EXPECT_EQ(scan.HighestArea, 121);
  EXPECT_EQ(scan.FoundArea, 121);
}

TEST_F(SceneryActivationTest, AnAreaInAnotherLetterCaseIsNotTheProducts) {
  const std::string library = Lines({"[Area.045]", "Title=DEMO AIRFIELD", "Layer=3"});
  prefix.Write(kFsx, library);
  Activation().EnableScenery(kFsx, kTitle, kFsxFlights);
  EXPECT_EQ(prefix.Read(kFsx), library + ProductArea(46, 4));
  EXPECT_TRUE(Activation().IsSceneryEnabled(kFsx, kTitle));
  EXPECT_EQ(scan.FoundArea, 46);
}

TEST_F(SceneryActivationTest, SwitchingToTheStateItIsInChangesNothingAndRunsNoScript) {
  prefix.Write(kFsx, kP3dHead + kP3dProduct + kP3dTail);
  Activation().EnableScenery(kFsx, kTitle, kFsxFlights);
  Activation().EnableScenery(kFsx, kTitle, kFsxFlights);
  EXPECT_EQ(prefix.Read(kFsx), kP3dHead + kP3dProduct + kP3dTail);
  prefix.Write(kFsx, kFsxLibrary);
  Activation().DisableScenery(kFsx, kTitle, kFsxFlights);
  EXPECT_EQ(prefix.Read(kFsx), kFsxLibrary);
  EXPECT_TRUE(processes.runs.empty());
}

TEST_F(SceneryActivationTest, AProductRegisteredOnlyFromArea500UpIsNotEnabled) {
  const std::string library = Lines({"[Area.500]", std::string("Title=") + kTitle, "Layer=9"});
  prefix.Write(kFsx, library);
  EXPECT_FALSE(Activation().IsSceneryEnabled(kFsx, kTitle));
  Activation().DisableScenery(kFsx, kTitle, kFsxFlights);
  EXPECT_EQ(prefix.Read(kFsx), library);
  EXPECT_TRUE(processes.runs.empty());
}

TEST_F(SceneryActivationTest, AMissingLibraryIsNotEnabledAndScansAsEmpty) {
  scan = {5, 6, true, 7};
  EXPECT_FALSE(Activation().IsSceneryEnabled("C:\\ProgramData\\None\\scenery.cfg", kTitle));
  EXPECT_EQ(scan.HighestArea, 0);
  EXPECT_EQ(scan.HighestLayer, 0);
  EXPECT_FALSE(scan.Found);
  EXPECT_EQ(scan.FoundArea, 7);
}

TEST_F(SceneryActivationTest, AReadOnlyLibraryStopsEnablingWithTheError) {
  prefix.Write(kFsx, kFsxLibrary);
  std::filesystem::permissions(prefix.Host(kFsx), std::filesystem::perms(0444));
  try {
    Activation().EnableScenery(kFsx, kTitle, kFsxFlights);
    ADD_FAILURE() << "no error";
  } catch (const platform::IniWriteError& error) {
    EXPECT_STREQ(error.what(), "Unable to write to C:\\ProgramData\\Microsoft\\FSX\\scenery.cfg");
  }
  EXPECT_EQ(prefix.Read(kFsx), kFsxLibrary);
  EXPECT_TRUE(processes.runs.empty()) << "no flights are copied";
}

TEST_F(SceneryActivationTest, ALibraryThatCannotBeWrittenStillLosesTheFlightsWhenDisabling) {
  // Erasing fails silently; the flights are deleted all the same and the area stays.
  prefix.Write(kFsx, kP3dHead + kP3dProduct + kP3dTail);
  testing_support::FaultyFileSystem faulty(prefix.files());
  faulty.unwritable_folders.insert("C:\\ProgramData\\Microsoft\\FSX");
  services.files = &faulty;
  Activation().DisableScenery(kFsx, kTitle, kFsxFlights);
  EXPECT_EQ(prefix.Read(kFsx), kP3dHead + kP3dProduct + kP3dTail);
  EXPECT_EQ(faulty.replacements[kFsx], 1);
  EXPECT_EQ(Scripts(), std::vector<std::string>{DeleteScript()});
  EXPECT_TRUE(Activation().IsSceneryEnabled(kFsx, kTitle));
}

TEST_F(SceneryActivationTest, EachOperationReadsTheLibraryOnce) {
  std::string library;
  for (int n = 1; n <= 499; n += 2) {
    library += Lines({"[" + manager::AreaSectionName(n) + "]", "Title=Area " + std::to_string(n),
                      "Layer=" + std::to_string(n)});
  }
  prefix.Write(kFsx, library);
  testing_support::FaultyFileSystem counting(prefix.files());
  services.files = &counting;
  Activation().IsSceneryEnabled(kFsx, kTitle);
  EXPECT_EQ(counting.reads[kFsx], 1);
  Activation().EnableScenery(kFsx, kTitle, kFsxFlights);
  EXPECT_EQ(counting.reads[kFsx], 2);
  EXPECT_EQ(counting.replacements[kFsx], 1) << "the whole area in one write";
  Activation().DisableScenery(kFsx, kTitle, kFsxFlights);
  EXPECT_EQ(counting.reads[kFsx], 3);
}

TEST_F(SceneryActivationTest, TheAddOnFormWritesTheDescriptionAndCopiesTheFlights) {
  prefix.MakeFolder("C:\\users\\pilot\\Documents\\Prepar3D v4 Add-ons");
  displayed_title = "Docks & Piers";
  scan = {5, 6, true, 7};
  Activation().EnableScenery(kAddOn, "Docks & Piers", kFsxFlights);
  EXPECT_EQ(prefix.Read(std::string(kAddOn) + "add-on.xml"),
            manager::AddOnDescription("Docks & Piers", kAppDir, "Docks & Piers"));
  EXPECT_NE(prefix.Read(std::string(kAddOn) + "add-on.xml")
                .find("<AddOn.Name>Docks &amp; Piers</AddOn.Name>"),
            std::string::npos);
  EXPECT_EQ(Scripts(), std::vector<std::string>{CopyScript()});
  EXPECT_TRUE(Activation().IsSceneryEnabled(kAddOn, "any title at all"));
  EXPECT_EQ(scan.HighestArea, 0);
  EXPECT_EQ(scan.HighestLayer, 0);
  EXPECT_FALSE(scan.Found);
}

TEST_F(SceneryActivationTest, TheAddOnFormLeavesAnExistingDescriptionAlone) {
  const std::string description = std::string(kAddOn) + "add-on.xml";
  prefix.Write(description, "<mine/>");
  Activation().EnableScenery(kAddOn, kTitle, kFsxFlights);
  EXPECT_EQ(prefix.Read(description), "<mine/>");
  EXPECT_TRUE(processes.runs.empty());
}

TEST_F(SceneryActivationTest, DisablingAnAddOnRemovesItsFilesButNotTheFlights) {
  const std::string description = std::string(kAddOn) + "add-on.xml";
  prefix.Write(description, "<x/>");
  Activation().DisableScenery(kAddOn, kTitle, kFsxFlights);
  EXPECT_FALSE(prefix.files().FileExists(description));
  EXPECT_FALSE(prefix.files().FolderExists(kAddOn));
  EXPECT_TRUE(processes.runs.empty());

  // A folder holding other files stays; the product counts as disabled all the same.
  prefix.Write(description, "<x/>");
  prefix.Write(std::string(kAddOn) + "notes.txt", "mine");
  Activation().DisableScenery(kAddOn, kTitle, kFsxFlights);
  EXPECT_TRUE(prefix.files().FileExists(std::string(kAddOn) + "notes.txt"));
  EXPECT_FALSE(Activation().IsSceneryEnabled(kAddOn, kTitle));
}

TEST_F(SceneryActivationTest, AnAddOnFolderThatCannotBeMadeStillCopiesTheFlights) {
  // The "Prepar3D v4 Add-ons" folder itself is missing: one level is created at most.
  Activation().EnableScenery(kAddOn, kTitle, kFsxFlights);
  EXPECT_FALSE(prefix.files().FolderExists(kAddOn));
  EXPECT_EQ(Scripts(), std::vector<std::string>{CopyScript()});
  EXPECT_FALSE(Activation().IsSceneryEnabled(kAddOn, kTitle));
}

TEST_F(SceneryActivationTest, TheMarkerInOtherLetterCaseDoesNotSelectTheAddOnForm) {
  const std::string folder = "C:\\users\\pilot\\Documents\\prepar3d v4 add-ons\\Demo\\";
  prefix.Write(folder + "add-on.xml", "<x/>");
  EXPECT_FALSE(Activation().IsSceneryEnabled(folder, kTitle));
  EXPECT_FALSE(manager::SceneryActivation::IsAddOnFolder(folder));
  EXPECT_TRUE(manager::SceneryActivation::IsAddOnFolder(kAddOn));
}

}  // namespace
