#include "manager/manifest.h"

#include <string_view>
#include <utility>

#include "common/text_lines.h"
#include "manager/addon_description.h"

namespace manager {
namespace {

// Reads the manifest's lines into one buffer that a read past the end leaves unchanged.
class ManifestLines {
 public:
  explicit ManifestLines(std::unique_ptr<platform::ReadableFile> file)
      : reader_(std::move(file)) {}
  const std::string& Next() {
    reader_.ReadLine(buffer_);
    return buffer_;
  }
  int32_t NextNumber() { return common::Atol(Next()); }
  bool AtEnd() const { return reader_.AtEnd(); }

 private:
  common::LineReader reader_;
  std::string buffer_;
};

// A simulator row's folder line (row line b) that holds the add-on marker names the
// product's Prepar3D v4 add-on folder below the user's documents, where the simulator
// looks for add-ons; every other folder line names a library folder below the all-users
// data folder.
struct SimulatorRow {
  SimulatorEntry entry;
  std::string folder_line;
};

SimulatorRow ReadSimulatorRow(ManifestLines& lines, const std::string& common_data_dir,
                              const std::string& documents_dir) {
  SimulatorRow row;
  row.entry.Name = lines.Next();
  row.folder_line = lines.Next();
  if (row.folder_line.find(kAddOnMarker) != std::string::npos) {
    row.entry.LibraryPath = documents_dir + "\\" + row.folder_line + "\\";
  } else {
    row.entry.LibraryPath = common_data_dir + "\\" + row.folder_line + "\\scenery.cfg";
  }
  row.entry.FlightsFolder = documents_dir + "\\" + lines.Next();
  row.entry.Details = lines.Next();
  return row;
}

// A library row is installed when its library is a file; an add-on row when the
// simulator's add-on folder (the folder line up to and including the marker) exists.
bool IsInstalled(platform::FileSystem& files, const SimulatorRow& row,
                 const std::string& documents_dir) {
  const size_t marker = row.folder_line.find(kAddOnMarker);
  if (marker == std::string::npos) return files.FileExists(row.entry.LibraryPath);
  const std::string add_ons =
      row.folder_line.substr(0, marker + std::string_view(kAddOnMarker).size());
  return files.FolderExists(documents_dir + "\\" + add_ons);
}

OptionEntry ReadOptionRow(ManifestLines& lines) {
  OptionEntry row;
  row.Caption = lines.Next();
  row.Hint = lines.Next();
  row.MarkerFile = lines.Next();
  row.FileStem = lines.Next();
  row.OnSuffix = lines.Next();
  row.OffSuffix = lines.Next();
  return row;
}

}  // namespace

ProductManifest ReadProductManifest(platform::FileSystem& files, const std::string& manifest_path,
                                    const std::string& common_data_dir,
                                    const std::string& documents_dir) {
  ProductManifest manifest;
  auto file = files.OpenForReading(manifest_path, platform::FileMode::kText);
  if (!file) return manifest;
  manifest.Loaded = true;
  ManifestLines lines(std::move(file));

  manifest.WindowCaption = lines.Next();
  manifest.Developer = lines.Next();
  manifest.Title = lines.Next();
  manifest.Description = lines.Next();
  manifest.UpdateUrl = lines.Next();

  const int32_t simulator_rows = lines.NextNumber();
  for (int32_t i = 0; i < simulator_rows; ++i) {
    // Past the end every row reads the same last line, so once such a row is dropped, or
    // the table is full, the remaining rows cannot change anything.
    const bool past_end = lines.AtEnd();
    SimulatorRow row = ReadSimulatorRow(lines, common_data_dir, documents_dir);
    const bool full = manifest.SimulatorCount == kMaxSimulators;
    const bool kept = !full && IsInstalled(files, row, documents_dir);
    if (kept) {
      manifest.Simulators[static_cast<size_t>(manifest.SimulatorCount++)] = std::move(row.entry);
    }
    if (past_end && (!kept || full)) break;
  }

  manifest.OptionsPageShown = lines.NextNumber() != 0;
  manifest.AutogenShown = lines.NextNumber() != 0;

  const int32_t option_rows = lines.NextNumber();
  for (int32_t j = 0; j < option_rows; ++j) {
    if (j >= kMaxOptions && lines.AtEnd()) break;  // nothing left to discard
    OptionEntry row = ReadOptionRow(lines);
    if (j < kMaxOptions) manifest.Options[static_cast<size_t>(manifest.OptionCount++)] = std::move(row);
  }
  return manifest;
}

}  // namespace manager
