#include "platform/posix/wine_special_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

namespace platform::posix {
namespace {

// Where a folder lies: below the user's profile, below the all-users folders, or fixed.
enum class Base { kNone, kProfile, kRoaming, kLocal, kPublic, kProgramData, kFixed };

struct FolderLayout {
  int csidl;
  Base base;
  const char* rest;
};

// Wine's layout of a prefix for the special folders it maps onto real folders. Every
// number not listed is virtual or unused.
constexpr FolderLayout kLayout[] = {
    {0, Base::kProfile, "\\Desktop"},
    {2, Base::kRoaming, "\\Microsoft\\Windows\\Start Menu\\Programs"},
    {5, Base::kProfile, "\\Documents"},
    {6, Base::kProfile, "\\Favorites"},
    {7, Base::kRoaming, "\\Microsoft\\Windows\\Start Menu\\Programs\\StartUp"},
    {8, Base::kRoaming, "\\Microsoft\\Windows\\Recent"},
    {9, Base::kRoaming, "\\Microsoft\\Windows\\SendTo"},
    {11, Base::kRoaming, "\\Microsoft\\Windows\\Start Menu"},
    {13, Base::kProfile, "\\Music"},
    {14, Base::kProfile, "\\Videos"},
    {16, Base::kProfile, "\\Desktop"},
    {19, Base::kRoaming, "\\Microsoft\\Windows\\Network Shortcuts"},
    {20, Base::kFixed, "C:\\windows\\Fonts"},
    {21, Base::kRoaming, "\\Microsoft\\Windows\\Templates"},
    {22, Base::kProgramData, "\\Microsoft\\Windows\\Start Menu"},
    {23, Base::kProgramData, "\\Microsoft\\Windows\\Start Menu\\Programs"},
    {24, Base::kProgramData, "\\Microsoft\\Windows\\Start Menu\\Programs\\StartUp"},
    {25, Base::kPublic, "\\Desktop"},
    {26, Base::kRoaming, ""},
    {27, Base::kRoaming, "\\Microsoft\\Windows\\Printer Shortcuts"},
    {28, Base::kLocal, ""},
    {31, Base::kProfile, "\\Favorites"},
    {32, Base::kLocal, "\\Microsoft\\Windows\\INetCache"},
    {33, Base::kLocal, "\\Microsoft\\Windows\\INetCookies"},
    {34, Base::kLocal, "\\Microsoft\\Windows\\History"},
    {35, Base::kProgramData, ""},
    {36, Base::kFixed, "C:\\windows"},
    {37, Base::kFixed, "C:\\windows\\system32"},
    {38, Base::kFixed, "C:\\Program Files"},
    {39, Base::kProfile, "\\Pictures"},
    {40, Base::kProfile, ""},
    {43, Base::kFixed, "C:\\Program Files\\Common Files"},
    {45, Base::kProgramData, "\\Microsoft\\Windows\\Templates"},
    {46, Base::kPublic, "\\Documents"},
    {47, Base::kProgramData,
     "\\Microsoft\\Windows\\Start Menu\\Programs\\Administrative Tools"},
    {48, Base::kRoaming, "\\Microsoft\\Windows\\Start Menu\\Programs\\Administrative Tools"},
    {53, Base::kPublic, "\\Music"},
    {54, Base::kPublic, "\\Pictures"},
    {55, Base::kPublic, "\\Videos"},
    {56, Base::kFixed, "C:\\windows\\Resources"},
    {59, Base::kLocal, "\\Microsoft\\Windows\\Burn\\Burn"},
    {63, Base::kProfile, "\\Music\\Playlists"},
    {64, Base::kPublic, "\\Music\\Sample Music"},
    {65, Base::kPublic, "\\Music\\Sample Playlists"},
    {66, Base::kPublic, "\\Pictures\\Sample Pictures"},
    {67, Base::kPublic, "\\Videos\\Sample Videos"},
};

class WineSpecialFolders final : public SpecialFolderLibrary {
 public:
  WineSpecialFolders(FileSystem& files, std::string user_name)
      : files_(files), user_name_(std::move(user_name)) {}

  FolderLookup GetFolderPath(int csidl) override {
    std::string path = WineFolderPath(csidl, user_name_);
    if (path.empty()) return {kResultInvalidArg, ""};
    if (!files_.FolderExists(path)) return {kResultFalse, ""};
    return {kResultOk, path};
  }

 private:
  FileSystem& files_;
  std::string user_name_;
};

}  // namespace

std::string WineFolderPath(int csidl, const std::string& user_name) {
  const std::string profile = "C:\\users\\" + user_name;
  for (const FolderLayout& layout : kLayout) {
    if (layout.csidl != csidl) continue;
    switch (layout.base) {
      case Base::kProfile: return profile + layout.rest;
      case Base::kRoaming: return profile + "\\AppData\\Roaming" + layout.rest;
      case Base::kLocal: return profile + "\\AppData\\Local" + layout.rest;
      case Base::kPublic: return std::string("C:\\users\\Public") + layout.rest;
      case Base::kProgramData: return std::string("C:\\ProgramData") + layout.rest;
      case Base::kFixed: return layout.rest;
      case Base::kNone: return "";
    }
  }
  return "";
}

std::unique_ptr<SpecialFolderLibrary> NewWineSpecialFolders(FileSystem& files,
                                                            std::string user_name) {
  return std::make_unique<WineSpecialFolders>(files, std::move(user_name));
}

std::string WineUserName() {
  if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_name != nullptr) {
    return user->pw_name;
  }
  const char* name = std::getenv("USER");
  return name != nullptr && *name != '\0' ? name : "user";
}

}  // namespace platform::posix
