// The special-folder service: the stand-in for the system library "shfolder.dll" and its
// entry point "SHGetFolderPathA".
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

// Result codes of a lookup, as the Windows call gives them.
inline constexpr int32_t kResultOk = 0;                                  // S_OK
inline constexpr int32_t kResultFalse = 1;                               // S_FALSE
inline constexpr int32_t kResultInvalidArg = static_cast<int32_t>(0x80070057);  // E_INVALIDARG

struct FolderLookup {
  int32_t result = kResultOk;
  std::string path;  // empty unless the folder exists; no trailing separator
};

// A loaded special-folder library. The library is released when this is destroyed.
class SpecialFolderLibrary {
 public:
  SpecialFolderLibrary() = default;
  SpecialFolderLibrary(const SpecialFolderLibrary&) = delete;
  SpecialFolderLibrary& operator=(const SpecialFolderLibrary&) = delete;
  virtual ~SpecialFolderLibrary() = default;

  // The current path of special folder `csidl` (flags 0, no access token):
  //   an existing folder          -> kResultOk and its Windows-form path;
  //   a valid folder that is missing -> kResultFalse and an empty path;
  //   a virtual or unused number  -> kResultInvalidArg and an empty path.
  virtual FolderLookup GetFolderPath(int csidl) = 0;
};

// Loads the library and finds its entry point; returns nullptr when either is missing.
using SpecialFolderLoader = std::function<std::unique_ptr<SpecialFolderLibrary>()>;

}  // namespace platform
