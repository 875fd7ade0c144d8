// The manager's main window. It owns everything: its controls and components, the paths
// derived at start-up, the manifest's tables and the program-wide values. Handlers are
// named after the design's controls; hidden buttons carry operations that other handlers
// call directly.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "components/picbutton.h"
#include "components/qdshell.h"
#include "manager/manifest.h"
#include "manager/scenery_library.h"
#include "platform/platform.h"
#include "platform/ui/forms.h"

namespace manager {

class TForm1 : public TForm {
 public:
  // Builds the window and runs the start-up sequence: special folders, paths, product
  // picture, manifest, option and Autogen states, update check. `exe_path` is the
  // Windows-form path of the running program (argument 0); `launch_argument` the first
  // command-line argument, empty when there is none. `services` must outlive the window.
  TForm1(platform::Platform& services, std::string exe_path, std::string launch_argument);
  ~TForm1() override;

  // --- Frame ---
  void FormShow(TComponent* sender);
  void Button1Click(TComponent* sender);
  void Button8Click(TComponent* sender);
  void randomxClick(TComponent* sender);
  void Timer2Timer(TComponent* sender);

  // --- Activation page and unattended mode ---
  void Button3Click(TComponent* sender);
  void ListBox1Click(TComponent* sender);
  void ActivateClick(TComponent* sender);
  void DeactivateClick(TComponent* sender);
  void ListBox1DblClick(TComponent* sender);
  void Button2Click(TComponent* sender);
  void Button4Click(TComponent* sender);
  void Timer1Timer(TComponent* sender);

  // --- Activation operations for one simulator (manager/scenery_activation.h) ---
  bool IsSceneryEnabled(const std::string& library_path, const std::string& title);
  void EnableScenery(const std::string& library_path, const std::string& title,
                     const std::string& flights_folder);
  void DisableScenery(const std::string& library_path, const std::string& title,
                      const std::string& flights_folder);
  // The result of the last library scan.
  AreaScan Scan;

  // --- Options page ---
  void CheckBox1Click(TComponent* sender);
  void refreshbuttonClick(TComponent* sender);
  void Button6Click(TComponent* sender);
  void Button7Click(TComponent* sender);
  void enablesaveClick(TComponent* sender);
  void restoresaveClick(TComponent* sender);
  void Button9Click(TComponent* sender);

  // --- Updates page ---
  void Button5Click(TComponent* sender);
  void Button11Click(TComponent* sender);
  void Button12Click(TComponent* sender);

  // --- Paths derived at start-up ---
  std::string ExePath;
  std::string AppDir;  // ends with "\"
  std::string ExeBaseName;
  std::string ManifestPath;
  std::string PicturePath;
  std::string UnzipLibraryPath;
  std::string ManualPath;
  std::string ChangesPath;
  std::string CommonDataDir;  // no trailing "\"
  std::string DocumentsDir;   // no trailing "\"
  std::string LaunchArgument;

  // --- Program-wide values ---
  ProductManifest Manifest;
  bool InteractiveStart = true;

  // --- Controls of the frame ---
  TImage Image1{this, "Image1"};
  TPageControl PageControl1{this, "PageControl1"};
  TPanel Panel2{this, "Panel2"};
  TImage Image2{this, "Image2"};
  TLabel Label14{this, "Label14"};
  TLabel Label19{this, "Label19"};
  TLabel Label20{this, "Label20"};
  TPicButton PicButton1{this, "PicButton1"};
  TButton Button8{this, "Button8"};
  TButton randomx{this, "randomx"};
  TButton Button3{this, "Button3"};
  TTimer Timer1{this, "Timer1"};
  TTimer Timer2{this, "Timer2"};

  // --- Activation page ---
  TTabSheet TabSheet1{this, "TabSheet1"};
  TLabel Label3{this, "Label3"};
  TLabel Label1{this, "Label1"};
  TLabel Label4{this, "Label4"};
  TLabel Label2{this, "Label2"};
  TLabel Label23{this, "Label23"};
  TLabel Label5{this, "Label5"};
  TListBox ListBox1{this, "ListBox1"};
  TButton Button2{this, "Button2"};
  TButton Button4{this, "Button4"};
  TGroupBox GroupBox3{this, "GroupBox3"};
  TLabel Label15{this, "Label15"};
  TLabel Label6{this, "Label6"};
  TLabel Label7{this, "Label7"};
  TLabel Label8{this, "Label8"};
  TButton Activate{this, "Activate"};
  TButton Deactivate{this, "Deactivate"};
  TLabel Label16{this, "Label16"};

  // --- Options page ---
  TTabSheet TabSheet3{this, "TabSheet3"};
  TGroupBox GroupBox1{this, "GroupBox1"};
  TShape Shape1{this, "Shape1"};
  TLabel Label13{this, "Label13"};
  TButton Button6{this, "Button6"};
  TButton Button7{this, "Button7"};
  TCheckBox CheckBox1{this, "CheckBox1"};
  TButton Button9{this, "Button9"};
  TButton refreshbutton{this, "refreshbutton"};
  TButton restoresave{this, "restoresave"};
  TButton enablesave{this, "enablesave"};
  TLabel Label17{this, "Label17"};
  TLabel Label21{this, "Label21"};
  // One box per option, created from the manifest; its Tag is the option's number.
  std::array<std::unique_ptr<TCheckBox>, kMaxOptions> OptionCheckBoxes;
  // The option marks remembered by enablesaveClick for restoresaveClick: 1 for checked,
  // 0 for unchecked. In memory only; all 0 until the first save.
  std::array<int, kMaxOptions> SavedOptionStates{};

  // --- Updates page ---
  TTabSheet TabSheet2{this, "TabSheet2"};
  TLabel Label11{this, "Label11"};
  TLabel Label12{this, "Label12"};
  TButton Button5{this, "Button5"};
  TButton Button11{this, "Button11"};
  TPanel Panel1{this, "Panel1"};
  TButton Button12{this, "Button12"};
  TLabel Label9{this, "Label9"};
  TProgressBar ProgressBar1{this, "ProgressBar1"};
  TLabel Label10{this, "Label10"};
  TLabel Label18{this, "Label18"};

  // --- Components ---
  // Created with the controls, first thing in construction; it resolves its folders then.
  std::unique_ptr<TQDShell> QDShell1;

  // The number of installed simulators and of options, as the handlers loop over them.
  int SimulatorCount() const { return Manifest.SimulatorCount; }
  int OptionCount() const { return Manifest.OptionCount; }

 private:
  // Gives every control its designed place, texts and state, and binds the handlers.
  void CreateDesign();
  void DesignFrame();
  void DesignActivationPage();
  void DesignOptionsPage();
  void DesignUpdatesPage();
  // Applies the manifest read into `Manifest` to the window.
  void ApplyManifest();
  void CreateOptionCheckBoxes();
  // Renames the Autogen files to ".agn" (`on`) or ".ag_" and refreshes the options page.
  void SwitchAutogen(bool on);

  platform::Platform& services_;
  // Switches of each option now running: one re-run by its own mark change does not start
  // another (CheckBox1Click).
  std::array<int, kMaxOptions> running_switches_{};
};

}  // namespace manager
