// Maps Windows-form paths onto a Wine prefix and back, the way Wine does:
//   - drive X: is the target of the link <prefix>/dosdevices/x:; when that link is missing,
//     C: is <prefix>/drive_c and Z: is the host's root "/";
//   - "\" (and "/") separate components; a component that does not exist with its exact
//     spelling resolves to an existing entry whose name equals it without regard to case
//     (ASCII letters fold; other bytes compare exactly);
//   - a path without a drive is relative to the current working folder; one that starts
//     with "\" is relative to the root of the current folder's drive.
#pragma once

#include <string>

namespace platform::posix {

class WinePrefix {
 public:
  // `prefix_dir` is the host folder of the prefix; it need not exist.
  explicit WinePrefix(std::string prefix_dir);

  // The folder named by $WINEPREFIX, or ~/.wine when it is not set.
  static std::string DefaultPrefixDir();

  // The host path of a Windows-form path. Components that exist are given their stored
  // spelling; missing ones keep the spelling asked for. Empty when the drive is unknown
  // or the path is a network (UNC) path.
  std::string ToHost(const std::string& windows_path) const;

  // The Windows form of a host path (absolute, or relative to the current working folder),
  // through the drive whose target is the longest leading part of the path. Empty when no
  // drive holds it.
  std::string ToWindows(const std::string& host_path) const;

  // The host folder of drive `letter` (either case), with symbolic links resolved; empty
  // when the drive is unknown or its target does not exist.
  std::string DriveRoot(char letter) const;

  const std::string& prefix_dir() const { return prefix_dir_; }

 private:
  std::string prefix_dir_;
};

// Compares two names as Windows compares file names in this layer: ASCII letters without
// regard to case, every other byte exactly.
bool NamesEqualIgnoringCase(const std::string& a, const std::string& b);

// True when `name` ends with `ending` compared the same way ("X.BAT" ends with ".bat").
bool EndsWithIgnoringCase(const std::string& name, const std::string& ending);

}  // namespace platform::posix
