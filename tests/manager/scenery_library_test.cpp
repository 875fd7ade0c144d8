// The library scan, the choice of a new area's number, the flights scripts' lines and the
// add-on description, on texts in memory.
#include "manager/scenery_library.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "manager/addon_description.h"
#include "manager/flights_scripts.h"

namespace {

using manager::AreaScan;
using platform::IniDocument;

// A library with one area per (number, title, layer); an empty title leaves the key out.
struct Area {
  int number;
  std::string title;
  std::string layer;
};
IniDocument Library(const std::vector<Area>& areas) {
  std::string text = "[General]\r\nTitle=World\r\n";
  for (const Area& area : areas) {
    text += "[" + manager::AreaSectionName(area.number) + "]\r\n";
    if (!area.title.empty()) text += "Title=" + area.title + "\r\n";
    if (!area.layer.empty()) text += "Layer=" + area.layer + "\r\n";
  }
  return IniDocument(text);
}

std::vector<Area> Numbered(int from, int to, const std::string& layer_offset = "") {
  std::vector<Area> areas;
  for (int n = from; n <= to; ++n) {
    const int layer = layer_offset.empty() ? n : n - std::stoi(layer_offset);
    areas.push_back({n, "Area " + std::to_string(n), std::to_string(layer)});
  }
  return areas;
}

TEST(SceneryLibraryTest, NamesAreasWithThreeDigits) {
  EXPECT_EQ(manager::AreaSectionName(7), "Area.007");
  EXPECT_EQ(manager::AreaSectionName(121), "Area.121");
  EXPECT_EQ(manager::AreaSectionName(1000), "Area.1000");
}

TEST(SceneryLibraryTest, ScansForTheTitleAndTheHighestAreaAndLayer) {
  const struct {
    const char* why;
    std::vector<Area> areas;
    bool found;
    int highest_area;
    int highest_layer;
    int found_area;  // -1: FoundArea keeps its earlier value
  } cases[] = {
      {"areas 1 to 120 with layers up to 118", Numbered(1, 120, "2"), false, 120, 118, -1},
      {"the scan stops at the product", {{3, "X", "9"}, {5, "Demo", "4"}, {8, "Y", "20"}}, true, 5,
       9, 5},
      {"untitled sections do not count", {{2, "A", "2"}, {300, "", "900"}}, false, 2, 2, -1},
      {"a title of ??? is untitled", {{2, "A", "2"}, {9, "???", "50"}}, false, 2, 2, -1},
      {"another letter case is another product", {{4, "DEMO", "4"}}, false, 4, 4, -1},
      {"areas from 500 up are never read", {{10, "A", "1"}, {500, "Demo", "600"}}, false, 10, 1,
       -1},
      {"area 000 is read", {{0, "Demo", "3"}}, true, 0, 3, 0},
      {"a layer that is not a number reads as 0", {{6, "A", "high"}}, false, 6, 0, -1},
      {"negative layers leave the highest at 0", {{6, "A", "-5"}}, false, 6, 0, -1},
      {"an empty library", {}, false, 0, 0, -1},
  };
  for (const auto& c : cases) {
    AreaScan scan{77, 77, true, 99};
    EXPECT_EQ(manager::ScanAreas(Library(c.areas), "Demo", scan), c.found) << c.why;
    EXPECT_EQ(scan.Found, c.found) << c.why;
    EXPECT_EQ(scan.HighestArea, c.highest_area) << c.why;
    EXPECT_EQ(scan.HighestLayer, c.highest_layer) << c.why;
    EXPECT_EQ(scan.FoundArea, c.found_area < 0 ? 99 : c.found_area) << c.why;
  }
}

TEST(SceneryLibraryTest, ChoosesANumberNoSectionUses) {
  std::vector<Area> full = Numbered(1, 499);
  std::vector<Area> full_with_gap = full;
  full_with_gap.erase(full_with_gap.begin() + 249);  // area 250
  std::vector<Area> every_number = Numbered(0, 501);
  const struct {
    const char* why;
    IniDocument library;
    int chosen;
  } cases[] = {
      {"the number after the highest titled area", Library(Numbered(1, 120)), 121},
      {"past an untitled section at that number", Library({{45, "A", "1"}, {46, "", "9"}}), 47},
      {"past sections of any spelling of the number",
       IniDocument("[Area.045]\nTitle=A\n[AREA.046]\n[area.0047]\nTitle=???\n[Area.48]\n"), 49},
      {"past a section above 499 when the highest titled area is 499",
       Library({{499, "A", "1"}, {500, "B", "2"}, {1, "C", "1"}}), 2},
      {"in a gap below 500 when every number after the highest is used", Library(full_with_gap),
       250},
      {"above 499 only when every number up to 499 is used", Library(every_number), 502},
      {"the first area of an empty library", IniDocument(""), 1},
  };
  for (const auto& c : cases) {
    AreaScan scan;
    manager::ScanAreas(c.library, "Demo", scan);
    EXPECT_EQ(manager::ChooseNewArea(c.library, scan), c.chosen) << c.why;
  }
}

TEST(SceneryLibraryTest, FlightsScriptsAreWrittenExactly) {
  EXPECT_EQ(manager::CopyFlightsScript("C:\\Products\\Demo\\", "C:\\Docs\\FSX Files"),
            std::vector<std::string>{
                "xcopy \"C:\\Products\\Demo\\Flights\\*.*\" \"C:\\Docs\\FSX Files\\\" /y"});
  EXPECT_EQ(manager::DeleteFlightsScript("C:\\Products\\Demo\\", "C:\\Docs\\FSX Files"),
            (std::vector<std::string>{"for %%a in (\"C:\\Products\\Demo\\Flights\\*.*\") do (",
                                      "del  \"C:\\Docs\\FSX Files\\%%~nxa\"", ")"}));
}

TEST(SceneryLibraryTest, PercentSignsInPathsReachTheScriptDoubled) {
  EXPECT_EQ(manager::CopyFlightsScript("C:\\100%Demo\\", "C:\\%USERNAME%\\Flights"),
            std::vector<std::string>{
                "xcopy \"C:\\100%%Demo\\Flights\\*.*\" \"C:\\%%USERNAME%%\\Flights\\\" /y"});
  EXPECT_EQ(manager::DeleteFlightsScript("C:\\100%Demo\\", "C:\\F%")[1],
            "del  \"C:\\F%%\\%%~nxa\"");
}

TEST(SceneryLibraryTest, TheAddOnDescriptionHasNineLinesWithTheirBlanks) {
  EXPECT_EQ(manager::AddOnDescription("Demo Airfield", "C:\\Products\\Demo\\", "Demo Airfield"),
            "<SimBase.Document Type=\"AddOnXml\" version=\"4,0\" id=\"add-on\">\r\n"
            "     <AddOn.Name>Demo Airfield</AddOn.Name>\r\n"
            "     <AddOn.Description>Add-on developed by Corvane.</AddOn.Description>\r\n"
            "     <AddOn.Component>\r\n"
            "         <Category>Scenery</Category>\r\n"
            "         <Path>C:\\Products\\Demo\\</Path>\r\n"
            "         <Name>Demo Airfield</Name>\r\n"
            "     </AddOn.Component>\r\n"
            "     </SimBase.Document>\r\n");
}

TEST(SceneryLibraryTest, TheAddOnDescriptionEscapesMarkup) {
  const std::string text =
      manager::AddOnDescription("Docks & <Piers>", "C:\\A&B\\", "Docks & <Piers>");
  EXPECT_NE(text.find("     <AddOn.Name>Docks &amp; &lt;Piers&gt;</AddOn.Name>\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("         <Path>C:\\A&amp;B\\</Path>\r\n"), std::string::npos);
  EXPECT_NE(text.find("         <Name>Docks &amp; &lt;Piers&gt;</Name>\r\n"), std::string::npos);
  EXPECT_EQ(manager::EscapeXmlText("a&amp;\"'"), "a&amp;amp;\"'");
}

}  // namespace
