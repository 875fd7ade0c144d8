#include "components/qdshell.h"

#include <memory>

namespace {

// The stored names, indexed by folder number; twelve numbers carry none.
constexpr const char* kFolderNames[TQDShell::kFolderCount] = {
    "CSIDL_DESKTOP (virtual)",
    "CSIDL_INTERNET (virtual)",
    "CSIDL_PROGRAMS",
    "CSIDL_CONTROLS (virtual)",
    "CSIDL_PRINTERS (virtual)",
    "CSIDL_PERSONAL",
    "CSIDL_FAVORITES",
    "CSIDL_STARTUP",
    "CSIDL_RECENT",
    "CSIDL_SENDTO",
    "CSIDL_BITBUCKET (virtual)",
    "CSIDL_STARTMENU",
    "CSIDL_MYDOCUMENTS (virtual)",
    "CSIDL_MYMUSIC",
    "CSIDL_MYVIDEO",
    "",
    "CSIDL_DESKTOPDIRECTORY",
    "CSIDL_DRIVES (virtual)",
    "CSIDL_NETWORK (virtual)",
    "CSIDL_NETHOOD",
    "CSIDL_FONTS (virtual)",
    "CSIDL_TEMPLATES",
    "CSIDL_COMMON_STARTMENU",
    "CSIDL_COMMON_PROGRAMS",
    "CSIDL_COMMON_STARTUP",
    "CSIDL_COMMON_DESKTOPDIRECTORY",
    "CSIDL_APPDATA",
    "CSIDL_PRINTHOOD",
    "CSIDL_LOCAL_APPDATA",
    "CSIDL_ALTSTARTUP",
    "CSIDL_COMMON_ALTSTARTUP",
    "CSIDL_COMMON_FAVORITES",
    "CSIDL_INTERNET_CACHE",
    "CSIDL_COOKIES",
    "CSIDL_HISTORY",
    "CSIDL_COMMON_APPDATA",
    "CSIDL_WINDOWS",
    "CSIDL_SYSTEM",
    "CSIDL_PROGRAM_FILES",
    "CSIDL_MYPICTURES",
    "CSIDL_PROFILE",
    "",
    "",
    "CSIDL_PROGRAM_FILES_COMMON",
    "",
    "CSIDL_COMMON_TEMPLATES",
    "CSIDL_COMMON_DOCUMENTS",
    "CSIDL_COMMON_ADMINTOOLS",
    "CSIDL_ADMINTOOLS",
    "CSIDL_CONNECTIONS (virtual)",
    "",
    "",
    "",
    "CSIDL_COMMON_MUSIC",
    "CSIDL_COMMON_PICTURES",
    "CSIDL_COMMON_VIDEO",
    "CSIDL_RESOURCES (vista)",
    "",
    "",
    "CSIDL_CDBURN_AREA",
    "",
    "CSIDL_COMPUTERSNEARME (virtual)",
    "",
    "CSIDL_PLAYLISTS (vista)",
    "CSIDL_SAMPLE_MUSIC (vista)",
    "CSIDL_SAMPLE_PLAYLISTS (vista)",
    "CSIDL_SAMPLE_PICTURES (vista)",
    "CSIDL_SAMPLE_VIDEOS (vista)",
    "",
    "CSIDL_SAMPLE_VIDEOS (vista)",
};

}  // namespace

TQDShell::TQDShell(TComponent* owner, std::string name, const platform::SpecialFolderLoader& load)
    : TComponent(owner, std::move(name)) {
  for (int i = 0; i < kFolderCount; ++i) names_[static_cast<size_t>(i)] = kFolderNames[i];
  Resolve(load);
}

void TQDShell::Resolve(const platform::SpecialFolderLoader& load) {
  std::unique_ptr<platform::SpecialFolderLibrary> library = load ? load() : nullptr;
  if (!library) return;
  for (int i = 0; i < kFolderCount; ++i) {
    const std::string& name = names_[static_cast<size_t>(i)];
    std::string& path = paths_[static_cast<size_t>(i)];
    platform::FolderLookup lookup = library->GetFolderPath(i);
    path = lookup.path;
    if (lookup.result == platform::kResultFalse || path.empty()) {
      path = name.empty() ? "* invalid CSIDL" : "*" + name + " Folder does not Exist";
    }
    if (lookup.result == platform::kResultInvalidArg) {
      if (name.empty()) {
        path = "* invalid CSIDL";
      } else if (name.find("(virtual)") != std::string::npos) {
        path = "*" + name + " Virtual folder";
      } else {
        path = "*" + name + " invalid CSIDL";
      }
    }
  }
}

std::string TQDShell::FolderPath(int index) const {
  if (index < 0 || index >= kFolderCount) return "";
  return paths_[static_cast<size_t>(index)];
}

std::string TQDShell::FolderName(int index) const {
  if (index < 0 || index >= kFolderCount) return "";
  return names_[static_cast<size_t>(index)];
}
