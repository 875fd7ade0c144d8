// The manager's start-up and the small handlers of the window's frame.
#include "manager/form1.h"

#include <ctime>
#include <utility>

#include "common/text_lines.h"

namespace manager {
namespace {

// The C library's random generator of the programs' home system: a linear congruential
// generator giving numbers 0 .. 32767.
class CRandom {
 public:
  explicit CRandom(uint32_t seed) : state_(seed) {}
  int Next() {
    state_ = state_ * 22695477u + 1u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }

 private:
  uint32_t state_;
};

// The folder part of a path, up to and including its last "\" or ":".
std::string FolderPart(const std::string& path) {
  size_t cut = path.find_last_of("\\:");
  return cut == std::string::npos ? "" : path.substr(0, cut + 1);
}

std::string FileNamePart(const std::string& path) {
  size_t cut = path.find_last_of("\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

TForm1::TForm1(platform::Platform& services, std::string exe_path, std::string launch_argument)
    : TForm(nullptr, "Form1"), services_(services) {
  // 1. The window, its controls and components.
  CreateDesign();
  OnShow = [this](TComponent* sender) { FormShow(sender); };
  QDShell1 = std::make_unique<TQDShell>(this, "QDShell1", services_.special_folders);

  // 2. Paths start empty.
  for (std::string* path : {&ExePath, &AppDir, &ExeBaseName, &ManifestPath, &PicturePath,
                            &UnzipLibraryPath, &ManualPath, &ChangesPath, &CommonDataDir,
                            &DocumentsDir}) {
    path->clear();
  }
  LaunchArgument = std::move(launch_argument);

  // 3. Special folders.
  CommonDataDir = QDShell1->FolderPath(35);
  DocumentsDir = QDShell1->FolderPath(5);

  // 4.-7. Paths from argument 0.
  AppDir = FolderPart(exe_path);
  ExePath = exe_path;
  UnzipLibraryPath = AppDir + "unzdll.dll";
  ManualPath = AppDir + "Manual.pdf";
  ChangesPath = AppDir + "Changes.txt";
  const std::string file_name = FileNamePart(exe_path);
  ExeBaseName = file_name.substr(0, file_name.size() >= 4 ? file_name.size() - 4 : 0);
  ManifestPath = AppDir + ExeBaseName + ".ini";
  PicturePath = AppDir + ExeBaseName + ".bmp";

  // 8. The product picture; on any failure the designed one stays.
  Image1.LoadFromFile(*services_.files, PicturePath);

  // 9. The manual's question mark and the list of changes.
  const bool has_manual = services_.files->FileExists(ManualPath);
  Label19.SetVisible(has_manual);
  Label20.SetVisible(has_manual);
  Button11.SetVisible(services_.files->FileExists(ChangesPath));

  // 10.-11. The manifest and the option check boxes.
  Manifest = ReadProductManifest(*services_.files, ManifestPath, CommonDataDir, DocumentsDir);
  ApplyManifest();

  // 12.-16.
  InteractiveStart = LaunchArgument.empty();
  refreshbuttonClick(this);
  Button5Click(this);
  PicButton1.SetLeft(Panel2.Width() - PicButton1.Width() - 12);
  randomxClick(this);
}

TForm1::~TForm1() = default;

void TForm1::ApplyManifest() {
  if (!Manifest.Loaded) return;
  SetCaption(Manifest.WindowCaption);
  Label1.SetCaption(Manifest.Developer);
  Label2.SetCaption(Manifest.Title);
  Label23.SetCaption(Manifest.Description);
  if (Manifest.UpdateUrl.size() >= 12) {
    const int32_t installed = common::ReadNumberFile(*services_.files, AppDir + "version.txt");
    Label11.SetCaption("Current Version 1.00." + std::to_string(installed));
  } else {
    TabSheet2.SetTabVisible(false);
  }
  for (int i = 0; i < SimulatorCount(); ++i) {
    ListBox1.AddItem(Manifest.Simulators[static_cast<size_t>(i)].Name);
  }
  TabSheet3.SetTabVisible(Manifest.OptionsPageShown);
  GroupBox1.SetVisible(Manifest.AutogenShown);
  CreateOptionCheckBoxes();
}

void TForm1::CreateOptionCheckBoxes() {
  // The options move up into the place of a hidden Autogen group.
  int top = GroupBox1.Visible() ? CheckBox1.Top() : GroupBox1.Top();
  for (int j = 0; j < OptionCount(); ++j) {
    const OptionEntry& option = Manifest.Options[static_cast<size_t>(j)];
    auto box = std::make_unique<TCheckBox>(&TabSheet3, "");
    box->Tag = j;
    box->SetParent(&TabSheet3);
    box->SetBounds(CheckBox1.Left(), top, CheckBox1.Width(), CheckBox1.Height());
    box->SetCaption(option.Caption);
    box->SetHint(option.Hint);
    OptionCheckBoxes[static_cast<size_t>(j)] = std::move(box);
    top += 24;
  }
}

void TForm1::FormShow(TComponent* /*sender*/) {
  Button3Click(this);
  ListBox1.SetItemIndex(0);
  ListBox1Click(this);
  if (!LaunchArgument.empty()) Timer1.SetEnabled(true);
}

void TForm1::randomxClick(TComponent* /*sender*/) {
  const int dx = Width() - PageControl1.Width();
  const int h = PageControl1.Height();
  CRandom random(static_cast<uint32_t>(std::time(nullptr)));
  const int rx = Image1.Width() - dx;
  const int x = rx != 0 ? random.Next() % rx : 0;
  const int ry = Image1.Height() - h;
  const int y = ry != 0 ? random.Next() % ry : 0;
  Image1.SetLeft(-x);
  Image1.SetTop(-y);
}

void TForm1::Timer2Timer(TComponent* /*sender*/) { randomxClick(this); }

void TForm1::Button8Click(TComponent* /*sender*/) {
  services_.shell->Execute("open", ManualPath, "", "", platform::ShowMode::kNormal);
}

void TForm1::Button1Click(TComponent* /*sender*/) { Close(); }

}  // namespace manager
