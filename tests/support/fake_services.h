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

#include <optional>

#include "platform/file_system.h"
#include "platform/process.h"

namespace testing_support {

// Records each command line with the content of "temp.bat" at the moment it was run,
// then removes "temp.bat" as a script's last line would. `on_run`, when set, runs before
// that and may change files to play the script's part.
class RecordingProcessRunner final : public platform::ProcessRunner {
 public:
  struct Run {
    std::string command_line;
    std::string script;  // the bytes of "temp.bat", empty when there was none
  };

  explicit RecordingProcessRunner(platform::FileSystem& files) : files_(files) {}

  std::vector<Run> runs;
  std::function<void()> on_run;
  // When false, every run fails as a process that cannot be created.
  bool can_create = true;

  std::optional<int> RunAndWait(const std::string& command_line,
                                platform::ShowMode /*show*/) override {
    std::string script;
    if (auto file = files_.OpenForReading("temp.bat", platform::FileMode::kBinary)) {
      char buffer[4096];
      while (size_t got = file->Read(buffer, sizeof buffer)) script.append(buffer, got);
    }
    runs.push_back({command_line, script});
    if (!can_create) return std::nullopt;
    if (on_run) on_run();
    files_.DeleteFile("temp.bat");
    return 0;
  }

 private:
  platform::FileSystem& files_;
};

}  // namespace testing_support
