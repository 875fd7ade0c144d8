#include "manager/scenery_activation.h"

#include "common/batch_script.h"
#include "common/text_lines.h"
#include "manager/addon_description.h"
#include "manager/flights_scripts.h"
#include "platform/ini_file.h"

namespace manager {

SceneryActivation::SceneryActivation(platform::Platform& services, const std::string& app_dir,
                                     const std::string& displayed_title, AreaScan& scan)
    : services_(services), app_dir_(app_dir), displayed_title_(displayed_title), scan_(scan) {}

bool SceneryActivation::IsAddOnFolder(const std::string& library_path) {
  return library_path.find(kAddOnMarker) != std::string::npos;
}

void SceneryActivation::ResetScan() {
  scan_.HighestArea = 0;
  scan_.HighestLayer = 0;
  scan_.Found = false;
}

void SceneryActivation::RunScript(const std::vector<std::string>& lines) {
  // Run even when the script cannot be written, as the script convention has it.
  common::WriteScript(*services_.files, lines);
  common::RunScript(services_);
}

bool SceneryActivation::IsSceneryEnabled(const std::string& library_path,
                                         const std::string& title) {
  ResetScan();
  if (IsAddOnFolder(library_path)) {
    return common::CanOpenFile(*services_.files, library_path + kAddOnDescriptionName);
  }
  const platform::IniFile library(*services_.files, library_path);
  return ScanAreas(library.document(), title, scan_);
}

void SceneryActivation::EnableScenery(const std::string& library_path, const std::string& title,
                                      const std::string& flights_folder) {
  if (IsAddOnFolder(library_path)) {
    if (IsSceneryEnabled(library_path, title)) return;
    services_.files->CreateFolder(library_path);
    services_.files->ReplaceFileContents(library_path + kAddOnDescriptionName,
                                         AddOnDescription(title, app_dir_, displayed_title_));
  } else {
    // One read for the scan and the edit, one crash-safe write for the whole area.
    platform::IniFile library(*services_.files, library_path);
    if (ScanAreas(library.document(), title, scan_)) return;
    const int32_t area = ChooseNewArea(library.document(), scan_);
    AddProductArea(library, area, scan_.HighestLayer + 1, title, app_dir_);
    library.UpdateFile();
  }
  RunScript(CopyFlightsScript(app_dir_, flights_folder));
}

void SceneryActivation::DisableScenery(const std::string& library_path, const std::string& title,
                                       const std::string& flights_folder) {
  if (IsAddOnFolder(library_path)) {
    if (!IsSceneryEnabled(library_path, title)) return;
    services_.files->DeleteFile(library_path + kAddOnDescriptionName);
    services_.files->RemoveFolder(library_path);
    return;
  }
  platform::IniFile library(*services_.files, library_path);
  if (!ScanAreas(library.document(), title, scan_)) return;
  library.EraseSection(AreaSectionName(scan_.FoundArea));
  try {
    library.UpdateFile();
  } catch (const platform::IniWriteError&) {
    // A library that cannot be written keeps the area; the next scan shows it enabled.
  }
  RunScript(DeleteFlightsScript(app_dir_, flights_folder));
}

}  // namespace manager
