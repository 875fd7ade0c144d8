// Benchmark of the options page's switches through the command interpreter, side by side
// with the floor: a plain loop of rename() calls over the same files.
//
//   build/benchmarks/options_benchmark [autogen-files [option-files [rounds]]]
//   (20000, 5000 and 5 by default)
//
// Each round switches the files off and on again; the figures are the median time per
// switch over the rounds. The manager's side includes everything a click costs: writing
// "temp.bat", starting the interpreter and waiting for it, and the refresh afterwards.
#include <dirent.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/batch_script.h"
#include "manager/form1.h"
#include "platform/posix/posix_process_runner.h"
#include "platform/posix/script_interpreter.h"
#include "platform/posix/wine_special_folders.h"
#include "tests/support/fake_host.h"
#include "tests/support/fake_services.h"
#include "tests/support/temp_prefix.h"

namespace {

using Clock = std::chrono::steady_clock;
using testing_support::TempPrefix;

constexpr char kAppDir[] = "C:\\Products\\Bench\\";

double Milliseconds(const std::function<void()>& work) {
  const Clock::time_point start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::vector<std::string> Names(const std::string& host_folder, const std::string& ending) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(host_folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && name.ends_with(ending)) names.push_back(name);
  }
  return names;
}

// The floor: list the folder once and rename every file with `from` to `to`.
void RenameLoop(const std::string& host_folder, const std::string& from, const std::string& to) {
  DIR* folder = ::opendir(host_folder.c_str());
  if (folder == nullptr) throw std::runtime_error("cannot list " + host_folder);
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(folder)) {
    std::string name = entry->d_name;
    if (name.size() > from.size() && name.ends_with(from)) names.push_back(std::move(name));
  }
  ::closedir(folder);
  for (const std::string& name : names) {
    const std::string target = name.substr(0, name.size() - from.size()) + to;
    if (std::rename((host_folder + "/" + name).c_str(), (host_folder + "/" + target).c_str()) != 0) {
      throw std::runtime_error("rename failed: " + name);
    }
  }
}

void Require(bool condition, const std::string& what) {
  if (!condition) throw std::runtime_error(what);
}

struct Figures {
  double manager_off;
  double manager_on;
  double floor_off;
  double floor_on;
};

void Print(const char* title, int files, const char* off, const char* on, const Figures& f) {
  std::printf("\n%s, %d files (median ms per switch)\n", title, files);
  std::printf("  %-28s %10.2f   floor %10.2f   ratio %5.2f\n", off, f.manager_off, f.floor_off,
              f.manager_off / f.floor_off);
  std::printf("  %-28s %10.2f   floor %10.2f   ratio %5.2f\n", on, f.manager_on, f.floor_on,
              f.manager_on / f.floor_on);
}

int Run(int autogen_files, int option_files, int rounds) {
  TempPrefix prefix;
  testing_support::FakeHost host;
  TApplication application(host);
  testing_support::RecordingShell shell;
  platform::posix::PosixProcessRunner runner(prefix.files(), prefix.dir());
  platform::Platform services{&prefix.files(), &shell, &runner, [&prefix] {
                                return platform::posix::NewWineSpecialFolders(prefix.files(),
                                                                              "pilot");
                              }};
  prefix.MakeFolder("C:\\ProgramData");
  prefix.MakeFolder(std::string(kAppDir) + "texture");
  prefix.MakeFolder(std::string(kAppDir) + "scenery");
  const std::string texture = prefix.Host(std::string(kAppDir) + "texture");
  const std::string scenery = prefix.Host(std::string(kAppDir) + "scenery");
  std::filesystem::current_path(prefix.Host(kAppDir));

  common::WriteScript(prefix.files(), {});
  if (!runner.RunAndWait("temp.bat", platform::ShowMode::kHidden)) {
    std::fprintf(stderr,
                 "options_benchmark: no script can be run: wincmd was not found.\n");
    return 1;
  }

  prefix.Write(std::string(kAppDir) + "lumvek.ini",
               "Bench\r\nCorvane\r\nBench\r\nBench\r\n\r\n0\r\n1\r\n1\r\n1\r\n"
               "Objects\r\nAll objects\r\nobj00000.bgl\r\nobj*\r\n.bgl\r\n.bg_\r\n");
  char name[32];
  for (int i = 0; i < autogen_files; ++i) {
    std::snprintf(name, sizeof name, "/tex%05d.agn", i);
    testing_support::WriteHostFile(texture + name, "");
  }
  testing_support::WriteHostFile(texture + "/agn.agn", "");
  for (int i = 0; i < option_files; ++i) {
    std::snprintf(name, sizeof name, "/obj%05d.bgl", i);
    testing_support::WriteHostFile(scenery + name, "");
  }

  manager::TForm1 form(services, std::string(kAppDir) + "lumvek.exe", "b");
  TCheckBox& objects = *form.OptionCheckBoxes[0];
  Require(form.Button6.Visible() && objects.Checked(), "the product did not start switched on");

  std::vector<double> autogen_off, autogen_on, agn_floor_off, agn_floor_on;
  std::vector<double> option_off, option_on, bgl_floor_off, bgl_floor_on;
  const size_t autogen_total = static_cast<size_t>(autogen_files) + 1;
  const size_t option_total = static_cast<size_t>(option_files);
  for (int round = 0; round < rounds; ++round) {
    autogen_off.push_back(Milliseconds([&] { form.Button6Click(nullptr); }));
    Require(Names(texture, ".ag_").size() == autogen_total && form.Button7.Visible(),
            "Autogen did not switch off");
    autogen_on.push_back(Milliseconds([&] { form.Button7Click(nullptr); }));
    Require(Names(texture, ".agn").size() == autogen_total && form.Button6.Visible(),
            "Autogen did not switch on");
    agn_floor_off.push_back(Milliseconds([&] { RenameLoop(texture, ".agn", ".ag_"); }));
    agn_floor_on.push_back(Milliseconds([&] { RenameLoop(texture, ".ag_", ".agn"); }));

    option_off.push_back(Milliseconds([&] { objects.SetChecked(false); }));
    Require(Names(scenery, ".bg_").size() == option_total && !objects.Checked(),
            "the option did not switch off");
    option_on.push_back(Milliseconds([&] { objects.SetChecked(true); }));
    Require(Names(scenery, ".bgl").size() == option_total && objects.Checked(),
            "the option did not switch on");
    bgl_floor_off.push_back(Milliseconds([&] { RenameLoop(scenery, ".bgl", ".bg_"); }));
    bgl_floor_on.push_back(Milliseconds([&] { RenameLoop(scenery, ".bg_", ".bgl"); }));
  }

  Print("Autogen switch", autogen_files + 1, "Button6Click (off)", "Button7Click (on)",
        {Median(autogen_off), Median(autogen_on), Median(agn_floor_off), Median(agn_floor_on)});
  Print("Option switch, stem \"obj*\"", option_files, "CheckBox1Click (off)",
        "CheckBox1Click (on)",
        {Median(option_off), Median(option_on), Median(bgl_floor_off), Median(bgl_floor_on)});
  std::printf("\n%d rounds; floor = one readdir() pass and a rename() per file.\n", rounds);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int autogen_files = argc > 1 ? std::atoi(argv[1]) : 20000;
  const int option_files = argc > 2 ? std::atoi(argv[2]) : 5000;
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 5;
  if (autogen_files < 0 || option_files < 1 || rounds < 1) {
    std::fprintf(stderr, "usage: options_benchmark [autogen-files [option-files [rounds]]]\n");
    return 2;
  }
  // The wincmd of this build unless LUMVEK_WINCMD names another.
  ::setenv(platform::posix::kInterpreterVariable, LUMVEK_BENCH_WINCMD, 0);
  const std::string previous_folder = std::filesystem::current_path().string();
  try {
    const int result = Run(autogen_files, option_files, rounds);
    std::filesystem::current_path(previous_folder);
    return result;
  } catch (const std::exception& error) {
    std::filesystem::current_path(previous_folder);
    std::fprintf(stderr, "options_benchmark: %s\n", error.what());
    return 1;
  }
}
