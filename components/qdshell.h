// TQDShell: the special-folder table. At its creation it asks the special-folder library
// once for each of the 70 folders 0..69 and keeps the answers; afterwards a folder's path
// is a plain table read. A failed lookup leaves a marker text that begins with "*".
#pragma once

#include <array>
#include <string>

#include "platform/special_folders.h"
#include "platform/ui/component.h"

class TListBox;

class TQDShell : public TComponent {
 public:
  static constexpr int kFolderCount = 70;

  // Fills the names, loads the library through `load` and resolves all 70 paths. When the
  // library cannot be loaded every path stays empty.
  TQDShell(TComponent* owner, std::string name, const platform::SpecialFolderLoader& load);

  // The path, or marker text, of folder `index`; empty for an index outside 0..69.
  std::string FolderPath(int index) const;
  // The stored name of folder `index`; empty for an index outside 0..69.
  std::string FolderName(int index) const;

  // A list that would show the 70 texts. Resolution runs before anyone can set it, so no
  // list is ever filled; kept for the design's sake.
  TListBox* Associate = nullptr;

 private:
  void Resolve(const platform::SpecialFolderLoader& load);

  std::array<std::string, kFolderCount> paths_;
  std::array<std::string, kFolderCount> names_;
};
