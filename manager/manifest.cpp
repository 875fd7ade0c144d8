#include "manager/manifest.h"

#include <utility>

#include "common/text_lines.h"

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

SimulatorEntry ReadSimulatorRow(ManifestLines& lines, const std::string& common_data_dir,
                                const std::string& documents_dir) {
  SimulatorEntry row;
  row.Name = lines.Next();
  row.LibraryPath = common_data_dir + "\\" + lines.Next() + "\\scenery.cfg";
  row.FlightsFolder = documents_dir + "\\" + lines.Next();
  row.Details = lines.Next();
  return row;
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
    SimulatorEntry row = ReadSimulatorRow(lines, common_data_dir, documents_dir);
    const bool full = manifest.SimulatorCount == kMaxSimulators;
    const bool kept = !full && files.FileExists(row.LibraryPath);
    if (kept) manifest.Simulators[static_cast<size_t>(manifest.SimulatorCount++)] = std::move(row);
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
