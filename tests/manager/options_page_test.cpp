// The options page on temporary product folders: option switches and their marks, the
// Autogen switch, the reset and the saved option states. Scripts run through the command
// interpreter `wincmd` of this build and the real process runner.
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/posix/posix_process_runner.h"
#include "platform/posix/script_interpreter.h"
#include "tests/manager/manager_fixture.h"

namespace testing_support {
namespace {

struct Option {
  std::string caption;
  std::string marker;
  std::string stem;
  std::string on = ".bgl";
  std::string off = ".bg_";
};

// The state of the window while a script ran.
struct Seen {
  std::string script;
  std::string status;   // Label14
  std::string autogen;  // Label13
  TCursor cursor;
  bool button6_enabled;
  bool button7_enabled;
};

std::string FirstLine(const std::string& script) { return script.substr(0, script.find("\r\n")); }

class OptionsPageTest : public ManagerTest {
 protected:
  // A cascade that runs more scripts than this stops changing files, so that a runaway
  // ends and fails instead of running for ever.
  static constexpr size_t kMaxRuns = 20;

  void SetUp() override {
    // The wincmd of this build, whatever may be installed.
    ::setenv(platform::posix::kInterpreterVariable, LUMVEK_TEST_WINCMD, 1);
    interpreter_ =
        std::make_unique<platform::posix::PosixProcessRunner>(prefix.files(), prefix.dir());
    processes.on_run = [this] { PlayLastScript(); };
  }

  void PlayLastScript() {
    const std::string& script = processes.runs.back().script;
    seen.push_back({script, form ? form->Label14.Caption() : "",
                    form ? form->Label13.Caption() : "", application.Cursor(),
                    form && form->Button6.Enabled(), form && form->Button7.Enabled()});
    if (processes.runs.size() > kMaxRuns) return;
    EXPECT_TRUE(interpreter_->RunAndWait("temp.bat", platform::ShowMode::kHidden));
  }

  // Writes the product's manifest with these options (no simulators, no updates).
  void WriteProduct(const std::vector<Option>& options, bool autogen_shown = true) {
    std::vector<std::string> lines = {"Demo Switcher", "Corvane", "Demo Airfield",
                                      "A demo", "", "0", "1", autogen_shown ? "1" : "0",
                                      std::to_string(options.size())};
    for (const Option& option : options) {
      lines.insert(lines.end(), {option.caption, "Switches " + option.caption, option.marker,
                                 option.stem, option.on, option.off});
    }
    prefix.Write(app_dir + "lumvek.ini", CrLfLines(lines));
  }

  manager::TForm1& StartProduct() {
    return Start("", app_dir.substr(std::string(kAppDir).size()) + "lumvek.exe");
  }

  // Files relative to the product folder.
  void Put(const std::string& relative, const std::string& bytes = "x") {
    prefix.Write(app_dir + relative, bytes);
  }
  bool Has(const std::string& relative) {
    return std::filesystem::exists(prefix.Host(app_dir + relative));
  }
  std::string Content(const std::string& relative) { return prefix.Read(app_dir + relative); }

  TCheckBox& Box(int i) {
    TCheckBox* box = form->OptionCheckBoxes.at(static_cast<size_t>(i)).get();
    if (box == nullptr) throw std::runtime_error("no option box " + std::to_string(i));
    return *box;
  }

  std::vector<std::string> Statuses() const {
    std::vector<std::string> statuses;
    for (const Seen& run : seen) statuses.push_back(run.status);
    return statuses;
  }
  std::vector<std::string> FirstLines() const {
    std::vector<std::string> lines;
    for (const Seen& run : seen) lines.push_back(FirstLine(run.script));
    return lines;
  }
  std::vector<std::string> Repainted(const std::string& control) const {
    std::vector<std::string> captions;
    for (const FakeHost::Repaint& repaint : host.repaints) {
      if (repaint.control == control) captions.push_back(repaint.caption);
    }
    return captions;
  }

  std::string app_dir = kAppDir;
  std::vector<Seen> seen;

 private:
  std::unique_ptr<platform::posix::PosixProcessRunner> interpreter_;
};

// Tests that change files.
using OptionSwitchTest = OptionsPageTest;

const Option kJetways{"Jetways", "jetways.bgl", "jetways"};

// --- Option switches --------------------------------------------------------------------

TEST_F(OptionsPageTest, StartUpMarksComeFromMarkerFilesWithoutRunningAScript) {
  WriteProduct({kJetways, {"Trees", "trees.bgl", "trees"}, {"Lights", "lights.bgl", "lights"}});
  Put("scenery\\jetways.bgl");
  Put("scenery\\trees.bg_");
  Put("scenery\\lights.bgl");
  StartProduct();

  EXPECT_TRUE(Box(0).Checked());
  EXPECT_FALSE(Box(1).Checked());
  EXPECT_TRUE(Box(2).Checked());
  EXPECT_TRUE(processes.runs.empty());
  EXPECT_FALSE(Has("temp.bat"));
  EXPECT_EQ(form->Label14.Caption(), "");
  EXPECT_EQ(Box(1).Caption(), "Trees");
  EXPECT_EQ(Box(1).Hint(), "Switches Trees");
}

TEST_F(OptionSwitchTest, UncheckingAndCheckingRenameTheFilesAndShowTheStatusMeanwhile) {
  WriteProduct({kJetways});
  Put("scenery\\jetways.bgl", "JETWAYS\r\n\x01\xff");
  StartProduct();

  Box(0).Toggle();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(processes.runs[0].command_line, "temp.bat");
  EXPECT_EQ(seen[0].script,
            "ren \"C:\\Products\\Demo\\scenery\\jetways.bgl\" *.bg_\r\ndel temp.bat\r\n");
  EXPECT_EQ(seen[0].status, "Disabling Jetways");
  EXPECT_EQ(seen[0].cursor, TCursor::crHourGlass);
  EXPECT_EQ(Repainted("Label14"), std::vector<std::string>{"Disabling Jetways"});
  EXPECT_FALSE(Has("scenery\\jetways.bgl"));
  EXPECT_EQ(Content("scenery\\jetways.bg_"), "JETWAYS\r\n\x01\xff");
  EXPECT_FALSE(Box(0).Checked());
  EXPECT_EQ(form->Label14.Caption(), "");
  EXPECT_EQ(application.Cursor(), TCursor::crDefault);

  Box(0).Toggle();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(FirstLine(seen[1].script), "ren \"C:\\Products\\Demo\\scenery\\jetways.bg_\" *.bgl");
  EXPECT_EQ(seen[1].status, "Enabling Jetways");
  EXPECT_EQ(Content("scenery\\jetways.bgl"), "JETWAYS\r\n\x01\xff");
  EXPECT_FALSE(Has("scenery\\jetways.bg_"));
  EXPECT_TRUE(Box(0).Checked());
  EXPECT_EQ(form->Label14.Caption(), "");
  EXPECT_FALSE(Has("temp.bat"));
}

TEST_F(OptionSwitchTest, ASwitchThatFindsNoFilesFallsBackAndSwitchesTheOtherWayOnce) {
  WriteProduct({kJetways});
  Put("scenery\\other.bg_");
  StartProduct();

  Box(0).Toggle();
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Enabling Jetways", "Disabling Jetways"}));
  EXPECT_EQ(FirstLines(),
            (std::vector<std::string>{"ren \"C:\\Products\\Demo\\scenery\\jetways.bg_\" *.bgl",
                                      "ren \"C:\\Products\\Demo\\scenery\\jetways.bgl\" *.bg_"}));
  EXPECT_FALSE(Box(0).Checked());
  EXPECT_TRUE(Has("scenery\\other.bg_"));
  EXPECT_FALSE(Has("scenery\\jetways.bgl"));
  EXPECT_EQ(form->Label14.Caption(), "");
}

TEST_F(OptionSwitchTest, TwoOptionsSharingFilesSwitchThemTogetherAndEachMarkFollowsItsMarker) {
  WriteProduct({{"Buildings", "bld_main.bgl", "bld_*"}, {"Hangars", "bld_hangar.bgl", "bld_hangar"}});
  for (const char* name : {"bld_main.bgl", "bld_hangar.bgl", "bld_tower.bgl"}) {
    Put(std::string("scenery\\") + name);
  }
  StartProduct();

  Box(1).Toggle();  // Hangars off: only its own file.
  EXPECT_TRUE(Has("scenery\\bld_hangar.bg_"));
  EXPECT_TRUE(Has("scenery\\bld_main.bgl"));
  EXPECT_TRUE(Has("scenery\\bld_tower.bgl"));
  EXPECT_TRUE(Box(0).Checked());
  EXPECT_FALSE(Box(1).Checked());

  Box(0).Toggle();  // Buildings off, then on again: the hangar comes with them.
  Box(0).Toggle();
  for (const char* name : {"bld_main.bgl", "bld_hangar.bgl", "bld_tower.bgl"}) {
    EXPECT_TRUE(Has(std::string("scenery\\") + name)) << name;
  }
  EXPECT_TRUE(Box(0).Checked());

  // The next refresh shows the hangar's marker back; its switch finds nothing to rename.
  seen.clear();
  form->refreshbuttonClick(nullptr);
  EXPECT_TRUE(Box(1).Checked());
  EXPECT_EQ(Statuses(), std::vector<std::string>{"Enabling Hangars"});
  EXPECT_TRUE(Has("scenery\\bld_hangar.bgl"));
}

struct StemCase {
  const char* name;
  Option option;
  std::vector<std::string> switched;  // names without ending, relative to "scenery\"
  std::vector<std::string> untouched;
};

void PrintTo(const StemCase& stem_case, std::ostream* out) { *out << stem_case.name; }

class StemTest : public OptionsPageTest, public ::testing::WithParamInterface<StemCase> {};

TEST_P(StemTest, SwitchesExactlyTheFilesTheStemMatches) {
  const StemCase& stem_case = GetParam();
  const Option& option = stem_case.option;
  WriteProduct({option});
  for (const std::string& name : stem_case.switched) Put("scenery\\" + name + option.on, name);
  for (const std::string& name : stem_case.untouched) Put("scenery\\" + name, name);
  StartProduct();
  ASSERT_TRUE(Box(0).Checked());

  Box(0).Toggle();
  EXPECT_FALSE(Box(0).Checked());
  for (const std::string& name : stem_case.switched) {
    EXPECT_FALSE(Has("scenery\\" + name + option.on)) << name;
    EXPECT_EQ(Content("scenery\\" + name + option.off), name);
  }
  for (const std::string& name : stem_case.untouched) EXPECT_EQ(Content("scenery\\" + name), name);
  EXPECT_EQ(seen.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Stems, StemTest,
        ::testing::Values(
            StemCase{"Plain", kJetways, {"jetways"}, {"jetways2.bgl", "jetways.bgx", "xjetways.bgl"}},
            StemCase{"Star",
                     {"Trees", "trees_a.bgl", "trees_*"},
                     {"trees_a", "trees_b", "trees_long.name", "trees_"},
                     {"trees.bgl", "tree_a.bgl", "trees_c.txt", "other.bgl"}},
            StemCase{"SubFolder",
                     {"Lights", "lights\\l1.bgl", "lights\\l*"},
                     {"lights\\l1", "lights\\l2"},
                     {"l1.bgl", "lights\\x.bgl"}},
            StemCase{"OtherEndings",
                     {"Ground", "ground.bgl", "ground", ".bgl", ".bgl_off"},
                     {"ground"},
                     {"ground.bg_"}}),
    [](const ::testing::TestParamInfo<StemCase>& param) { return std::string(param.param.name); });

// A marker file that exists while the option is off and vanishes when it is on: every
// switch changes the mark the wrong way. One user action must end after the switch and
// its single switch back, with the mark showing the marker file.
TEST_F(OptionSwitchTest, AnInvertedMarkerEndsAfterOneSwitchBack) {
  WriteProduct({{"Inverted", "inv.bg_", "inv"}});
  Put("scenery\\inv.bg_");
  StartProduct();
  ASSERT_TRUE(Box(0).Checked());  // the marker claims on while the file is off

  Box(0).Toggle();
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Disabling Inverted", "Enabling Inverted"}));
  EXPECT_TRUE(Has("scenery\\inv.bgl"));
  EXPECT_FALSE(Box(0).Checked());  // the marker is gone
  EXPECT_EQ(form->Label14.Caption(), "");

  seen.clear();
  Box(0).Toggle();
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Enabling Inverted", "Disabling Inverted"}));
  EXPECT_TRUE(Box(0).Checked());
  EXPECT_TRUE(Has("scenery\\inv.bg_"));
}

TEST_F(OptionSwitchTest, AProductFolderWithAPercentSignIsSwitchedInPlace) {
  app_dir = std::string(kAppDir) + "100% Demo %PATH% x\\";
  WriteProduct({kJetways});
  Put("scenery\\jetways.bgl");
  StartProduct();

  Box(0).Toggle();
  EXPECT_EQ(FirstLine(seen.at(0).script),
            "ren \"C:\\Products\\Demo\\100%% Demo %%PATH%% x\\scenery\\jetways.bgl\" *.bg_");
  EXPECT_TRUE(Has("scenery\\jetways.bg_"));
  EXPECT_FALSE(Box(0).Checked());
}

// The marker path and the scripts' paths are built whole, however long the product
// folder's name.
TEST_F(OptionSwitchTest, PathsLongerThan255CharactersAreNeitherCutNorOverflowed) {
  const std::string deep = std::string(120, 'a') + "\\" + std::string(120, 'b') + "\\";
  app_dir = std::string(kAppDir) + deep;
  WriteProduct({{"Deep", "deep_marker_file_name.bgl", "deep_*"}});
  Put("scenery\\deep_marker_file_name.bgl");
  Put("scenery\\deep_second.bgl");
  Put("texture\\agn.agn");
  StartProduct();
  ASSERT_GT((app_dir + "scenery\\deep_marker_file_name.bgl").size(), 255u);
  EXPECT_TRUE(Box(0).Checked());
  EXPECT_EQ(form->Label13.Caption(), "Autogen currently enabled");

  Box(0).Toggle();
  EXPECT_EQ(FirstLine(seen.at(0).script), "ren \"" + app_dir + "scenery\\deep_*.bgl\" *.bg_");
  EXPECT_TRUE(Has("scenery\\deep_marker_file_name.bg_"));
  EXPECT_TRUE(Has("scenery\\deep_second.bg_"));
  EXPECT_FALSE(Box(0).Checked());

  form->Button6Click(nullptr);
  EXPECT_TRUE(Has("texture\\agn.ag_"));
  EXPECT_EQ(form->Label13.Caption(), "Autogen currently disabled");
}

TEST_F(OptionsPageTest, AScriptThatCannotBeStartedLeavesTheMarkOnTheDiskState) {
  processes.can_create = false;
  WriteProduct({kJetways});
  Put("scenery\\jetways.bgl");
  StartProduct();

  Box(0).Toggle();
  // The switch fails, the mark falls back and the switch back fails too.
  EXPECT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes.at(0).text, "Error Creating process");
  EXPECT_TRUE(Box(0).Checked());
  EXPECT_TRUE(Has("scenery\\jetways.bgl"));
  EXPECT_EQ(form->Label14.Caption(), "");
  EXPECT_EQ(application.Cursor(), TCursor::crDefault);
}

// --- Autogen ----------------------------------------------------------------------------

struct AutogenStartCase {
  bool marker;
  bool group_shown;
};

class AutogenStartTest : public OptionsPageTest,
                         public ::testing::WithParamInterface<AutogenStartCase> {};

TEST_P(AutogenStartTest, ShowsTheStateOfTheMarkerFileEvenWhenTheGroupIsHidden) {
  const AutogenStartCase& start = GetParam();
  WriteProduct({}, start.group_shown);
  Put("texture\\trees.agn");
  if (start.marker) Put("texture\\agn.agn");
  StartProduct();

  EXPECT_EQ(form->GroupBox1.Visible(), start.group_shown);
  EXPECT_EQ(form->Button6.Visible(), start.marker);
  EXPECT_EQ(form->Button6.Enabled(), start.marker);
  EXPECT_EQ(form->Button7.Visible(), !start.marker);
  EXPECT_EQ(form->Button7.Enabled(), !start.marker);
  EXPECT_EQ(form->Label13.Caption(),
            start.marker ? "Autogen currently enabled" : "Autogen currently disabled");
  EXPECT_EQ(form->Shape1.BrushColor(), start.marker ? RGBColor(0, 255, 0) : RGBColor(255, 0, 0));
  EXPECT_TRUE(processes.runs.empty());
}

INSTANTIATE_TEST_SUITE_P(States, AutogenStartTest,
                         ::testing::Values(AutogenStartCase{true, true},
                                           AutogenStartCase{false, true},
                                           AutogenStartCase{true, false},
                                           AutogenStartCase{false, false}));

TEST_F(OptionSwitchTest, AutogenOffAndOnRenameTheTextureFolderButNotItsSubFolders) {
  WriteProduct({kJetways});
  Put("scenery\\jetways.bgl");
  Put("texture\\agn.agn", "marker");
  Put("texture\\houses.agn", "houses");
  Put("texture\\Trees.AGN", "trees");
  Put("texture\\sub\\deep.agn", "deep");
  Put("texture\\ground.bmp", "bmp");
  Put("texture\\sub\\deep.ag_", "deep off");
  StartProduct();
  host.repaints.clear();  // the pictures drawn while the window was built

  form->Button6.Click();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].script,
            "ren \"C:\\Products\\Demo\\texture\\*.agn\" *.ag_\r\ndel temp.bat\r\n");
  EXPECT_FALSE(seen[0].button6_enabled);
  EXPECT_EQ(seen[0].cursor, TCursor::crHourGlass);
  EXPECT_EQ(seen[0].autogen, "Turning Autogen off...");
  EXPECT_EQ(seen[0].status, "Disabling Autogen (this will take some time)");
  ASSERT_GE(host.repaints.size(), 2u);
  EXPECT_EQ(host.repaints[0].control, "Label13");
  EXPECT_EQ(host.repaints[0].caption, "Turning Autogen off...");
  EXPECT_EQ(host.repaints[1].control, "Label14");
  EXPECT_EQ(host.repaints[1].caption, "Disabling Autogen (this will take some time)");

  EXPECT_EQ(Content("texture\\agn.ag_"), "marker");
  EXPECT_EQ(Content("texture\\houses.ag_"), "houses");
  EXPECT_EQ(Content("texture\\Trees.ag_"), "trees");
  EXPECT_FALSE(Has("texture\\agn.agn"));
  EXPECT_EQ(Content("texture\\sub\\deep.agn"), "deep");
  EXPECT_EQ(Content("texture\\sub\\deep.ag_"), "deep off");
  EXPECT_EQ(Content("texture\\ground.bmp"), "bmp");
  EXPECT_EQ(Content("scenery\\jetways.bgl"), "x");
  EXPECT_FALSE(form->Button6.Visible());
  EXPECT_TRUE(form->Button7.Visible());
  EXPECT_TRUE(form->Button7.Enabled());
  EXPECT_EQ(form->Label13.Caption(), "Autogen currently disabled");
  EXPECT_EQ(form->Shape1.BrushColor(), RGBColor(255, 0, 0));
  EXPECT_EQ(form->Label14.Caption(), "");
  EXPECT_EQ(application.Cursor(), TCursor::crDefault);
  EXPECT_TRUE(Box(0).Checked());

  form->Button7.Click();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(FirstLine(seen[1].script), "ren \"C:\\Products\\Demo\\texture\\*.ag_\" *.agn");
  EXPECT_FALSE(seen[1].button7_enabled);
  EXPECT_EQ(seen[1].autogen, "Turning Autogen on...");
  EXPECT_EQ(seen[1].status, "Enabling Autogen (this will take some time)");
  EXPECT_EQ(Content("texture\\agn.agn"), "marker");
  EXPECT_EQ(Content("texture\\houses.agn"), "houses");
  EXPECT_EQ(Content("texture\\Trees.agn"), "trees");
  EXPECT_EQ(Content("texture\\sub\\deep.ag_"), "deep off");
  EXPECT_TRUE(form->Button6.Visible());
  EXPECT_TRUE(form->Button6.Enabled());
  EXPECT_FALSE(form->Button7.Visible());
  EXPECT_EQ(form->Label13.Caption(), "Autogen currently enabled");
  EXPECT_EQ(form->Shape1.BrushColor(), RGBColor(0, 255, 0));
  EXPECT_FALSE(Has("temp.bat"));
}

TEST_F(OptionSwitchTest, EnablingAutogenWithoutTextureFolderStaysOff) {
  WriteProduct({});
  StartProduct();

  form->Button7Click(nullptr);
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_TRUE(form->Button7.Visible());
  EXPECT_TRUE(form->Button7.Enabled());
  EXPECT_EQ(form->Label13.Caption(), "Autogen currently disabled");
  EXPECT_FALSE(Has("texture"));
}

// --- Reset ------------------------------------------------------------------------------

constexpr char kResetQuestion[] =
    "This will restore the default options settings and then remove any duplicated files "
    "(possibly from an incomplete update) which may be preventing some options from being "
    "switched off";

TEST_F(OptionSwitchTest, ResetKeepsTheOnCopyOfDuplicatesAndSwitchesLoneOffFilesOn) {
  WriteProduct({kJetways, {"Lone", "lone.bgl", "lone"}});
  Put("scenery\\jetways.bgl", "ON copy");
  Put("scenery\\jetways.bg_", "OFF copy");
  Put("scenery\\lone.bg_", "lone");
  Put("scenery\\notes.txt", "notes");
  Put("scenery\\ground.bgl_off", "ground");
  Put("scenery\\sub\\inner.bg_", "inner");
  Put("texture\\agn.ag_", "agn");
  Put("texture\\x.bg_", "texture file");
  StartProduct();
  ASSERT_TRUE(Box(0).Checked());
  ASSERT_FALSE(Box(1).Checked());

  form->Button9.Click();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, kResetQuestion);
  EXPECT_EQ(host.boxes[0].caption, "Lumvek");
  EXPECT_EQ(host.boxes[0].flags, MB_OKCANCEL | MB_ICONINFORMATION);
  ASSERT_GE(seen.size(), 1u);
  EXPECT_EQ(seen[0].script,
            "ren \"C:\\Products\\Demo\\scenery\\*.bg_\" *.bgl\r\n"
            "del \"C:\\Products\\Demo\\scenery\\*.bg_\"\r\n"
            "del temp.bat\r\n");
  EXPECT_EQ(seen[0].cursor, TCursor::crHourGlass);
  EXPECT_EQ(application.Cursor(), TCursor::crDefault);

  EXPECT_EQ(Content("scenery\\jetways.bgl"), "ON copy");
  EXPECT_FALSE(Has("scenery\\jetways.bg_"));
  EXPECT_EQ(Content("scenery\\lone.bgl"), "lone");
  EXPECT_FALSE(Has("scenery\\lone.bg_"));
  EXPECT_EQ(Content("scenery\\notes.txt"), "notes");
  EXPECT_EQ(Content("scenery\\ground.bgl_off"), "ground");
  EXPECT_EQ(Content("scenery\\sub\\inner.bg_"), "inner");
  EXPECT_EQ(Content("texture\\agn.ag_"), "agn");
  EXPECT_EQ(Content("texture\\x.bg_"), "texture file");
  EXPECT_FALSE(Has("temp.bat"));

  // The refresh shows the new marker checked; its switch runs once and finds nothing.
  EXPECT_TRUE(Box(0).Checked());
  EXPECT_TRUE(Box(1).Checked());
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"", "Enabling Lone"}));
  EXPECT_EQ(Content("scenery\\lone.bgl"), "lone");
}

TEST_F(OptionSwitchTest, ResetCancelledWritesAndRunsNothing) {
  WriteProduct({kJetways});
  Put("scenery\\jetways.bgl", "ON copy");
  Put("scenery\\jetways.bg_", "OFF copy");
  StartProduct();
  host.answers = {IDCANCEL};

  form->Button9.Click();
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_TRUE(processes.runs.empty());
  EXPECT_FALSE(Has("temp.bat"));
  EXPECT_EQ(Content("scenery\\jetways.bg_"), "OFF copy");
  EXPECT_TRUE(host.cursors.empty());
}

// --- Saved option states ----------------------------------------------------------------

TEST_F(OptionSwitchTest, SaveSwitchesEveryOptionOnAndRestorePutsTheMarksBack) {
  WriteProduct({{"A", "a.bgl", "a"}, {"B", "b.bgl", "b"}, {"C", "c.bgl", "c"}});
  Put("scenery\\a.bgl");
  Put("scenery\\b.bg_");
  Put("scenery\\c.bgl");
  StartProduct();

  form->enablesaveClick(nullptr);
  EXPECT_EQ(form->SavedOptionStates[0], 1);
  EXPECT_EQ(form->SavedOptionStates[1], 0);
  EXPECT_EQ(form->SavedOptionStates[2], 1);
  // B changes its mark, so it is switched twice; the second run finds nothing to rename.
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Enabling A", "Enabling B", "Enabling B",
                                                  "Enabling C"}));
  for (const char* name : {"a.bgl", "b.bgl", "c.bgl"}) {
    EXPECT_TRUE(Has(std::string("scenery\\") + name)) << name;
  }
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(Box(i).Checked()) << i;

  seen.clear();
  form->restoresaveClick(nullptr);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Enabling A", "Disabling B", "Disabling B",
                                                  "Enabling C"}));
  EXPECT_TRUE(Has("scenery\\a.bgl"));
  EXPECT_TRUE(Has("scenery\\b.bg_"));
  EXPECT_TRUE(Has("scenery\\c.bgl"));
  EXPECT_TRUE(Box(0).Checked());
  EXPECT_FALSE(Box(1).Checked());
  EXPECT_TRUE(Box(2).Checked());
  EXPECT_FALSE(Has("temp.bat"));
}

TEST_F(OptionSwitchTest, RestoreWithoutSaveSwitchesEveryOptionOff) {
  WriteProduct({{"A", "a.bgl", "a"}, {"B", "b.bgl", "b"}});
  Put("scenery\\a.bgl");
  Put("scenery\\b.bgl");
  StartProduct();

  form->restoresaveClick(nullptr);
  EXPECT_TRUE(Has("scenery\\a.bg_"));
  EXPECT_TRUE(Has("scenery\\b.bg_"));
  EXPECT_FALSE(Box(0).Checked());
  EXPECT_FALSE(Box(1).Checked());
}

// An uninstaller's "remove" leaves the product as shipped: Autogen and every option on.
TEST_F(OptionSwitchTest, UnattendedRemoveSwitchesAutogenAndEveryOptionOn) {
  WriteProduct({{"A", "a.bgl", "a"}, {"B", "b.bgl", "b"}});
  Put("scenery\\a.bgl");
  Put("scenery\\b.bg_");
  Put("texture\\agn.ag_");
  Put("texture\\trees.ag_");
  Start("remove");

  form->Timer1Timer(nullptr);
  EXPECT_TRUE(Has("texture\\agn.agn"));
  EXPECT_TRUE(Has("texture\\trees.agn"));
  EXPECT_TRUE(Has("scenery\\a.bgl"));
  EXPECT_TRUE(Has("scenery\\b.bgl"));
  EXPECT_TRUE(form->Button6.Visible());
  EXPECT_TRUE(Box(0).Checked());
  EXPECT_TRUE(Box(1).Checked());
  EXPECT_TRUE(form->Closed());
  EXPECT_FALSE(Has("temp.bat"));
}

TEST_F(OptionsPageTest, WithoutOptionsThePageKeepsItsFixedPartsAndSavingDoesNothing) {
  WriteProduct({});
  Put("scenery\\a.bg_");
  StartProduct();

  for (const auto& box : form->OptionCheckBoxes) EXPECT_EQ(box, nullptr);
  EXPECT_TRUE(form->GroupBox1.Visible());
  EXPECT_TRUE(form->Button9.Visible());
  EXPECT_TRUE(form->Label17.Visible());
  EXPECT_TRUE(form->Label21.Visible());
  EXPECT_FALSE(form->CheckBox1.Visible());

  form->enablesaveClick(nullptr);
  form->restoresaveClick(nullptr);
  form->CheckBox1.SetChecked(true);  // the hidden placeholder belongs to no option
  EXPECT_TRUE(processes.runs.empty());
  for (int saved : form->SavedOptionStates) EXPECT_EQ(saved, 0);
  EXPECT_TRUE(Has("scenery\\a.bg_"));
}

}  // namespace
}  // namespace testing_support
