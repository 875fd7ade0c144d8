// The options page: the option switches and their marks read from disk, the Autogen switch,
// the page refresh, the reset and the saved option states.
//
// Nothing here keeps a state apart from disk: every mark and the Autogen lamp are read back
// from marker files after each change. Files are renamed and deleted by "temp.bat" scripts
// run through the command interpreter, which handles the wildcards.
#include <string>
#include <utility>

#include "common/batch_script.h"
#include "manager/form1.h"
#include "manager/option_scripts.h"

namespace manager {
namespace {

constexpr char kResetQuestion[] =
    "This will restore the default options settings and then remove any duplicated files "
    "(possibly from an incomplete update) which may be preventing some options from being "
    "switched off";

void SetApplicationCursor(TCursor cursor) {
  if (TApplication* application = TApplication::Current()) application->SetCursor(cursor);
}

// The hourglass for as long as it lives, the default cursor afterwards: the window does not
// respond while a script runs.
class HourglassCursor {
 public:
  HourglassCursor() { SetApplicationCursor(TCursor::crHourGlass); }
  ~HourglassCursor() { SetApplicationCursor(TCursor::crDefault); }
  HourglassCursor(const HourglassCursor&) = delete;
  HourglassCursor& operator=(const HourglassCursor&) = delete;
};

// Sets a label's text and draws it at once, since the window does not repaint on its own
// while a script runs.
void ShowNow(TLabel& label, std::string text) {
  label.SetCaption(std::move(text));
  label.Repaint();
}

// Sets a box's mark without raising its click handler.
void SetMarkQuietly(TCheckBox& box, bool checked) {
  TNotifyEvent on_click = std::exchange(box.OnClick, nullptr);
  box.SetChecked(checked);
  box.OnClick = std::move(on_click);
}

// Counts one running switch of an option while it lives. A switch that starts while
// another of the same option runs was raised by that one's mark change.
class RunningSwitch {
 public:
  explicit RunningSwitch(int& count) : count_(count) { ++count_; }
  ~RunningSwitch() { --count_; }
  RunningSwitch(const RunningSwitch&) = delete;
  RunningSwitch& operator=(const RunningSwitch&) = delete;
  bool IsRerun() const { return count_ > 1; }

 private:
  int& count_;
};

}  // namespace

// Switches the option of `sender` (found by its tag) to the state its mark now shows, then
// sets the mark from disk. When that changes the mark (the switch did not take effect),
// the box raises this handler again, which switches back the other way. That second run
// sets its mark without raising anything: for a consistent entry it finds the mark
// unchanged anyway, and for an entry whose marker file behaves inverted it ends what would
// otherwise be an endless alternation. Clicks from anything but an option box (such as the
// hidden placeholder CheckBox1) do nothing.
void TForm1::CheckBox1Click(TComponent* sender) {
  if (sender == nullptr || sender->Tag < 0 || sender->Tag >= OptionCount()) return;
  const auto i = static_cast<size_t>(sender->Tag);
  TCheckBox* box = OptionCheckBoxes[i].get();
  if (box != sender) return;
  const OptionEntry& option = Manifest.Options[i];
  RunningSwitch running(running_switches_[i]);

  const std::string base = SceneryFolder(AppDir) + option.FileStem;
  const bool switch_on = box->Checked();
  const std::string& source_ending = switch_on ? option.OffSuffix : option.OnSuffix;
  const std::string& target_ending = switch_on ? option.OnSuffix : option.OffSuffix;
  const std::string verb = switch_on ? "Enabling " : "Disabling ";

  common::WriteScript(*services_.files, {RenameLine(base + source_ending, target_ending)});
  {
    HourglassCursor hourglass;
    ShowNow(Label14, verb + box->Caption());
    common::RunScript(services_);
  }
  Label14.SetCaption("");

  const bool on = services_.files->FileExists(OptionMarkerPath(AppDir, option.MarkerFile));
  if (running.IsRerun()) {
    SetMarkQuietly(*box, on);
  } else {
    box->SetChecked(on);
  }
}

// Shows the Autogen state from its marker file, then every option's mark from its own.
// Hidden controls are set all the same: the update installation reads the Autogen state
// from Button7's visibility. Each box's mark is set before its click handler is attached,
// so the first refresh, while the window is built, switches nothing; a later one that
// finds a marker file appeared or vanished runs that option's switch.
void TForm1::refreshbuttonClick(TComponent* /*sender*/) {
  const bool autogen_on = services_.files->FileExists(AutogenMarkerPath(AppDir));
  Button6.SetVisible(autogen_on);
  Button6.SetEnabled(autogen_on);
  Button7.SetVisible(!autogen_on);
  Button7.SetEnabled(!autogen_on);
  Label13.SetCaption(autogen_on ? "Autogen currently enabled" : "Autogen currently disabled");
  Shape1.SetBrushColor(autogen_on ? RGBColor(0, 255, 0) : RGBColor(255, 0, 0));

  for (int j = 0; j < OptionCount(); ++j) {
    const auto i = static_cast<size_t>(j);
    TCheckBox& box = *OptionCheckBoxes[i];
    box.SetChecked(
        services_.files->FileExists(OptionMarkerPath(AppDir, Manifest.Options[i].MarkerFile)));
    box.OnClick = [this](TComponent* sender) { CheckBox1Click(sender); };
  }
}

void TForm1::Button6Click(TComponent* /*sender*/) { SwitchAutogen(false); }

void TForm1::Button7Click(TComponent* /*sender*/) { SwitchAutogen(true); }

// Renames every Autogen file directly in the texture folder to the other ending; files in
// sub-folders are not touched. The refresh at the end shows what the disk now holds.
void TForm1::SwitchAutogen(bool on) {
  const std::string texture = TextureFolder(AppDir);
  TButton& button = on ? Button7 : Button6;
  common::WriteScript(*services_.files, {on ? RenameLine(texture + "*.ag_", ".agn")
                                            : RenameLine(texture + "*.agn", ".ag_")});
  button.SetEnabled(false);
  {
    HourglassCursor hourglass;
    ShowNow(Label13, on ? "Turning Autogen on..." : "Turning Autogen off...");
    ShowNow(Label14, on ? "Enabling Autogen (this will take some time)"
                        : "Disabling Autogen (this will take some time)");
    common::RunScript(services_);
  }
  button.SetEnabled(true);
  Label14.SetCaption("");
  refreshbuttonClick(this);
}

// Remembers every option's mark and switches every option on. A box whose mark changes
// here is switched twice (once by its mark change, once by the call); the second run finds
// nothing left to rename.
void TForm1::enablesaveClick(TComponent* /*sender*/) {
  for (int j = 0; j < OptionCount(); ++j) {
    const auto i = static_cast<size_t>(j);
    TCheckBox& box = *OptionCheckBoxes[i];
    SavedOptionStates[i] = box.Checked() ? 1 : 0;
    box.SetChecked(true);
    CheckBox1Click(&box);
  }
}

// Puts back the marks remembered by enablesaveClick (all unchecked when nothing was saved)
// and switches each option accordingly.
void TForm1::restoresaveClick(TComponent* /*sender*/) {
  for (int j = 0; j < OptionCount(); ++j) {
    const auto i = static_cast<size_t>(j);
    TCheckBox& box = *OptionCheckBoxes[i];
    box.SetChecked(SavedOptionStates[i] != 0);
    CheckBox1Click(&box);
  }
}

// "Reset": after the user's OK, switches every ".bg_" file of the scenery folder to ".bgl"
// and deletes the ".bg_" files left over, which are exactly those whose ".bgl" twin
// exists (the interpreter refuses to rename onto an existing name). Cancel or Escape
// writes and runs nothing.
void TForm1::Button9Click(TComponent* /*sender*/) {
  const std::string folder = SceneryFolder(AppDir);
  TApplication* application = TApplication::Current();
  if (application == nullptr ||
      application->MessageBox(kResetQuestion, "Lumvek", MB_OKCANCEL | MB_ICONINFORMATION) !=
          IDOK) {
    return;
  }
  common::WriteScript(*services_.files,
                      {RenameLine(folder + "*.bg_", ".bgl"), DeleteLine(folder + "*.bg_")});
  {
    HourglassCursor hourglass;
    common::RunScript(services_);
  }
  refreshbuttonClick(this);
}

}  // namespace manager
