// Fakes of the platform services for tests.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "platform/special_folders.h"

namespace testing_support {

// Records every shell request and hands off nothing.
class RecordingShell final : public platform::Shell {
 public:
  struct Request {
    std::string verb;
    std::string file;
    std::string parameters;
    std::string folder;
    platform::ShowMode show;
  };
  std::vector<Request> requests;

  bool Execute(const std::string& verb, const std::string& file, const std::string& parameters,
               const std::string& folder, platform::ShowMode show) override {
    requests.push_back({verb, file, parameters, folder, show});
    return true;
  }
};

// A special-folder library answering from a table; numbers not in it give `otherwise`.
class TableSpecialFolders final : public platform::SpecialFolderLibrary {
 public:
  TableSpecialFolders(std::map<int, platform::FolderLookup> table, platform::FolderLookup otherwise,
                      int* calls = nullptr)
      : table_(std::move(table)), otherwise_(std::move(otherwise)), calls_(calls) {}
  platform::FolderLookup GetFolderPath(int csidl) override {
    if (calls_ != nullptr) ++*calls_;
    auto it = table_.find(csidl);
    return it != table_.end() ? it->second : otherwise_;
  }

 private:
  std::map<int, platform::FolderLookup> table_;
  platform::FolderLookup otherwise_;
  int* calls_;
};

}  // namespace testing_support
