// The product manifest: the positional text file beside the manager ("lumvek.ini" for
// "lumvek.exe") that tells it the product's texts, update address, simulators and options.
#pragma once

#include <array>
#include <string>

#include "platform/file_system.h"

namespace manager {

inline constexpr int kMaxSimulators = 10;
inline constexpr int kMaxOptions = 16;

// One supported simulator that is installed on this machine.
struct SimulatorEntry {
  std::string Name;           // its entry in the simulator list
  // Its scenery library "<all-users data>\<folder>\scenery.cfg"; or, when the folder line
  // holds "Prepar3D v4 Add-ons", the product's add-on folder "<documents>\<folder>\".
  std::string LibraryPath;
  std::string FlightsFolder;  // where the product's saved flights are copied
  std::string Details;        // shown in the Information box
};

// One switchable option of the product.
struct OptionEntry {
  std::string Caption;
  std::string Hint;
  std::string MarkerFile;  // relative to the scenery folder; exists exactly while on
  std::string FileStem;    // front part of the option's file names; may hold wildcards
  std::string OnSuffix;
  std::string OffSuffix;
};

struct ProductManifest {
  // False when the file could not be opened: then nothing below applies and both counts
  // are 0.
  bool Loaded = false;
  std::string WindowCaption;
  std::string Developer;
  std::string Title;
  std::string Description;
  std::string UpdateUrl;
  // Rows whose library exists, packed to the front in file order.
  std::array<SimulatorEntry, kMaxSimulators> Simulators;
  int SimulatorCount = 0;
  bool OptionsPageShown = false;
  bool AutogenShown = false;
  std::array<OptionEntry, kMaxOptions> Options;
  int OptionCount = 0;
};

// Reads the manifest at `manifest_path`. Library and flights folders are formed below
// `common_data_dir` and `documents_dir`. A simulator row is kept when its library is a
// file; a Prepar3D v4 add-on row (folder line holding "Prepar3D v4 Add-ons", its folder
// below `documents_dir`) when the "Prepar3D v4 Add-ons" folder it names exists. Rows
// beyond the tables' capacity (10 installed simulators, 16 options) are read and
// discarded, so the lines after them keep their places. Never fails: bad counts give
// no rows, short files repeat their last line as a C line buffer would.
ProductManifest ReadProductManifest(platform::FileSystem& files, const std::string& manifest_path,
                                    const std::string& common_data_dir,
                                    const std::string& documents_dir);

}  // namespace manager
