// Special folders of a Wine prefix, laid out as Wine lays them out for user `user_name`.
#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/special_folders.h"

namespace platform::posix {

// The Windows-form path that Wine gives special folder `csidl`, or empty for virtual and
// unused numbers.
std::string WineFolderPath(int csidl, const std::string& user_name);

// A library whose lookups report the prefix's folders; a folder counts as existing when
// `files` finds it. `files` must outlive the library.
std::unique_ptr<SpecialFolderLibrary> NewWineSpecialFolders(FileSystem& files,
                                                            std::string user_name);

// The user name that Wine uses for the prefix: the name of the user running the program.
std::string WineUserName();

}  // namespace platform::posix
