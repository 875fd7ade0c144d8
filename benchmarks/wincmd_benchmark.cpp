// Renaming many files by one script line, as the Autogen switch does:
//   ren "C:\...\texture\*.agn" *.ag_
// measured three ways on freshly made folders of the same files, in one run:
//   - through the programs' own path: common::WriteScript, common::RunAndWait, wincmd;
//   - a plain loop of rename() calls over the known names (the floor);
//   - a shell loop, for f in *.agn; do mv ...; done (one round: it is slow);
// and wincmd's start-up time for an empty script.
// Usage: wincmd_benchmark [FILES [ROUNDS]]   (default 20000 files, 5 rounds)
// The prefix is made under $TMPDIR (or /tmp) and removed at the end.
#include <spawn.h>
#include <stdlib.h>
#include <sys/statfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/batch_script.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_process_runner.h"
#include "platform/posix/script_interpreter.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string FileSystemName(const std::string& path) {
  struct statfs info;
  if (::statfs(path.c_str(), &info) != 0) return "unknown";
  switch (static_cast<unsigned long>(info.f_type)) {
    case 0xEF53: return "ext2/3/4";
    case 0x01021994: return "tmpfs";
    case 0x58465342: return "xfs";
    case 0x9123683E: return "btrfs";
    case 0x794C7630: return "overlay";
    default: return "other";
  }
}

// Makes `host_folder` afresh with `count` small Autogen files; returns their names.
std::vector<std::string> MakeFolder(const std::string& host_folder, int count) {
  fs::create_directories(host_folder);
  std::vector<std::string> names;
  names.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    names.push_back("tile_" + std::to_string(i) + ".agn");
    std::ofstream(host_folder + "/" + names.back()) << "autogen " << i << '\n';
  }
  return names;
}

// Counts the names in a folder that end in `ending`.
int CountEnding(const std::string& host_folder, const std::string& ending) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(host_folder)) {
    const std::string name = entry.path().filename().string();
    if (name.size() >= ending.size() &&
        name.compare(name.size() - ending.size(), ending.size(), ending) == 0) {
      ++count;
    }
  }
  return count;
}

class Bench {
 public:
  Bench(std::string prefix_dir, int files)
      : prefix_dir_(std::move(prefix_dir)),
        files_system_(platform::posix::WinePrefix(prefix_dir_)),
        runner_(files_system_, prefix_dir_),
        count_(files) {
    services_.files = &files_system_;
    services_.processes = &runner_;
  }

  // The programs' path: the script written and run through RunAndWait.
  double ThroughRunAndWait(const std::string& product) {
    const std::string product_host = Host(product);
    MakeFolder(product_host + "/texture", count_);
    fs::current_path(product_host);
    const auto start = Clock::now();
    common::WriteScript(files_system_, {"ren \"" + product + "texture\\*.agn\" *.ag_"});
    common::RunAndWait(services_, common::kScriptName, platform::ShowMode::kHidden);
    const double ms = MillisecondsSince(start);
    Check(product_host + "/texture", "wincmd");
    return ms;
  }

  // The floor: rename() over the known names, in the folder itself.
  double RenameLoop(const std::string& product) {
    const std::string folder = Host(product) + "/texture";
    const std::vector<std::string> names = MakeFolder(folder, count_);
    fs::current_path(folder);
    const auto start = Clock::now();
    for (const std::string& name : names) {
      const std::string target = name.substr(0, name.size() - 4) + ".ag_";
      if (::rename(name.c_str(), target.c_str()) != 0) std::perror("rename");
    }
    const double ms = MillisecondsSince(start);
    Check(folder, "rename() loop");
    return ms;
  }

  // A shell loop of mv, one process per file.
  double ShellLoop(const std::string& product) {
    const std::string folder = Host(product) + "/texture";
    MakeFolder(folder, count_);
    fs::current_path(folder);
    const char* argv[] = {"/bin/sh", "-c",
                          "for f in *.agn; do mv -- \"$f\" \"${f%.agn}.ag_\"; done", nullptr};
    const auto start = Clock::now();
    pid_t pid = -1;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, const_cast<char**>(argv), environ) == 0) {
      ::waitpid(pid, nullptr, 0);
    }
    const double ms = MillisecondsSince(start);
    Check(folder, "shell loop");
    return ms;
  }

  // wincmd started for an empty script, through RunAndWait.
  std::vector<double> StartUp(const std::string& folder, int runs) {
    fs::create_directories(Host(folder));
    fs::current_path(Host(folder));
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
      std::ofstream(common::kScriptName).close();
      const auto start = Clock::now();
      common::RunAndWait(services_, common::kScriptName, platform::ShowMode::kHidden);
      times.push_back(MillisecondsSince(start));
    }
    fs::remove(common::kScriptName);
    return times;
  }

 private:
  std::string Host(const std::string& windows) { return files_system_.HostPath(windows); }

  void Check(const std::string& folder, const char* method) {
    const int renamed = CountEnding(folder, ".ag_");
    if (renamed != count_) {
      std::fprintf(stderr, "warning: %s renamed %d of %d files\n", method, renamed, count_);
    }
  }

  std::string prefix_dir_;
  platform::posix::PosixFileSystem files_system_;
  platform::posix::PosixProcessRunner runner_;
  platform::Platform services_;
  int count_;
};

void PrintRow(const char* what, const std::vector<double>& ms, double floor, int files) {
  const double best = *std::min_element(ms.begin(), ms.end());
  std::printf("  %-44s %9.1f ms %9.1f ms %8.2f us %8.2fx\n", what, best, Median(ms),
              best * 1000.0 / files, best / floor);
}

}  // namespace

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  ::setenv(platform::posix::kInterpreterVariable, LUMVEK_BENCH_WINCMD, 0);

  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") +
                        "/lumvek-bench-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::string prefix_dir = pattern;
  fs::create_directories(prefix_dir + "/drive_c");
  const fs::path previous = fs::current_path();

  Bench bench(prefix_dir, files);
  std::vector<double> through_wincmd, floor, shell;
  for (int round = 0; round < rounds; ++round) {
    const std::string base = "C:\\Bench\\round" + std::to_string(round);
    // Which goes first alternates, so that neither always meets a busier journal.
    if (round % 2 == 0) floor.push_back(bench.RenameLoop(base + "-floor\\"));
    through_wincmd.push_back(bench.ThroughRunAndWait(base + "-wincmd\\"));
    if (round % 2 == 1) floor.push_back(bench.RenameLoop(base + "-floor\\"));
    if (round == 0) shell.push_back(bench.ShellLoop(base + "-shell\\"));
  }
  const std::vector<double> start_up = bench.StartUp("C:\\Bench\\empty", 50);
  fs::current_path(previous);

  std::printf("ren \"C:\\...\\texture\\*.agn\" *.ag_ over %d files; %d rounds, each method on a "
              "freshly made folder\n",
              files, rounds);
  std::printf("prefix %s (%s), wincmd %s\n\n", prefix_dir.c_str(),
              FileSystemName(prefix_dir).c_str(), platform::posix::FindInterpreter().c_str());
  std::printf("  %-44s %12s %12s %11s %9s\n", "method", "best", "median", "per file", "vs floor");
  const double floor_best = *std::min_element(floor.begin(), floor.end());
  PrintRow("rename() loop (the floor)", floor, floor_best, files);
  PrintRow("ren through RunAndWait and wincmd", through_wincmd, floor_best, files);
  PrintRow("shell loop for ... mv (1 round)", shell, floor_best, files);
  std::printf("\nwincmd start-up for an empty script through RunAndWait, %zu runs: median %.2f ms, "
              "best %.2f ms\n",
              start_up.size(), Median(start_up),
              *std::min_element(start_up.begin(), start_up.end()));

  std::error_code ignored;
  fs::remove_all(prefix_dir, ignored);
  return 0;
}
