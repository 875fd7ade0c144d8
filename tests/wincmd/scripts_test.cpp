// Real scripts run through the built wincmd, as the programs run them.
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "common/batch_script.h"
#include "common/format.h"
#include "tests/wincmd/script_fixture.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ScriptTest;

// `pattern` with every "{}" replaced by `folder`.
std::string Fill(std::string pattern, const std::string& folder) {
  for (size_t at = pattern.find("{}"); at != std::string::npos; at = pattern.find("{}", at)) {
    pattern.replace(at, 2, folder);
    at += folder.size();
  }
  return pattern;
}

// Every file and folder below `host_folder`, as relative paths with "/", sorted.
std::vector<std::string> Tree(const std::string& host_folder) {
  std::vector<std::string> paths;
  std::error_code ignored;
  for (auto it = fs::recursive_directory_iterator(host_folder, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    paths.push_back(fs::relative(it->path(), host_folder).generic_string());
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

// Waits up to ten seconds for a host file to appear.
bool AppearsSoon(const std::string& host_path) {
  for (int i = 0; i < 200; ++i) {
    if (fs::exists(host_path)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

class Scripts : public ScriptTest {
 protected:
  // Makes files (a name ending in "/" makes a folder), each holding its own name.
  void MakeFiles(const std::string& folder, const std::vector<std::string>& names) {
    prefix.MakeFolder(folder);
    for (const std::string& name : names) {
      if (!name.empty() && name.back() == '/') {
        prefix.MakeFolder(folder + name.substr(0, name.size() - 1));
      } else {
        testing_support::WriteHostFile(prefix.Host(folder) + "/" + name, name);
      }
    }
  }
  std::string Content(const std::string& folder, const std::string& name) {
    return testing_support::ReadHostFile(prefix.Host(folder) + "/" + name);
  }
};

TEST_F(Scripts, RenSelectsAndRenamesByTheWindowsRules) {
  struct Case {
    const char* what;
    std::vector<std::string> files;
    const char* line;  // "{}" stands for the case's folder, with its trailing backslash
    std::vector<std::string> after;
    int errorlevel;
  } cases[] = {
      {"endings exchanged", {"a.agn", "b.agn", "agn.agn", "keep.txt"}, R"(ren "{}*.agn" *.ag_)",
       {"a.ag_", "agn.ag_", "b.ag_", "keep.txt"}, 0},
      {"dots in stems", {"stem.a.bgl", "x.y.z.bgl", "plain.bgl"}, R"(ren "{}*.bgl" *.bg_)",
       {"plain.bg_", "stem.a.bg_", "x.y.z.bg_"}, 0},
      {"an ending without a dot switched on", {"x1.bgl_off", "x2.bgl_off"},
       R"(ren "{}*.bgl_off" *.bgl)", {"x1.bgl", "x2.bgl"}, 0},
      {"an ending without a dot switched off", {"x1.bgl", "x2.bgl"},
       R"(ren "{}x*.bgl" *.bgl_off)", {"x1.bgl_off", "x2.bgl_off"}, 0},
      {"an ending without a dot replacing", {"my_scenery.bgl"}, R"(ren "{}my_scenery.bgl" *_off)",
       {"my_off"}, 0},
      {"a name without extension", {"file"}, R"(ren "{}file" *.bg_)", {"file.bg_"}, 0},
      {"a wildcard in the stem",
       {"DemoAirfield_lights.bgl", "DemoAirfield_lights_apron.bgl", "DemoAirfield_base.bgl"},
       R"(ren "{}DemoAirfield_lights*.bgl" *.bg_)",
       {"DemoAirfield_base.bgl", "DemoAirfield_lights.bg_", "DemoAirfield_lights_apron.bg_"}, 0},
      {"a question mark", {"x.bgl", "x1.bgl", "x12.bgl"}, R"(ren "{}x?.bgl" *.bg_)",
       {"x.bg_", "x1.bg_", "x12.bgl"}, 0},
      {"a collision leaves that file and renames the others", {"x.bgl", "x.bg_", "y.bg_"},
       R"(ren "{}*.bg_" *.bgl)", {"x.bg_", "x.bgl", "y.bgl"}, 1},
      {"a collision by letter case", {"a.bg_", "A.BGL"}, R"(ren "{}*.bg_" *.bgl)",
       {"A.BGL", "a.bg_"}, 1},
      {"no match", {"a.txt"}, R"(ren "{}*.bg_" *.bgl)", {"a.txt"}, 1},
      {"folders and files in sub-folders are not selected", {"dir.bg_/", "sub/", "sub/x.bg_"},
       R"(ren "{}*.bg_" *.bgl)", {"dir.bg_", "sub", "sub/x.bg_"}, 1},
      {"long names only", {"x.bgl_off"}, R"(ren "{}*.bgl" *.bgl_off)", {"x.bgl_off"}, 1},
      {"a target with a folder is refused", {"a.bgl"}, R"(ren "{}a.bgl" "C:\x\a.bg_")",
       {"a.bgl"}, 1},
  };
  int number = 0;
  for (const Case& c : cases) {
    const std::string folder = std::string(kAppDir) + "ren" + std::to_string(++number) + "\\";
    MakeFiles(folder, c.files);
    EXPECT_EQ(RunRaw({Fill(c.line, folder)}), c.errorlevel) << c.what;
    EXPECT_EQ(Tree(prefix.Host(folder)), c.after) << c.what;
  }
  // Nothing was overwritten by the collisions.
  EXPECT_EQ(Content(std::string(kAppDir) + "ren9\\", "x.bgl"), "x.bgl");
  EXPECT_EQ(Content(std::string(kAppDir) + "ren9\\", "x.bg_"), "x.bg_");
  EXPECT_EQ(Content(std::string(kAppDir) + "ren10\\", "A.BGL"), "A.BGL");
}

TEST_F(Scripts, RenFindsFolderAndFilesWithoutRegardToCase) {
  MakeFiles("C:\\Products\\Demo\\Scenery\\", {"Mixed.BG_"});
  EXPECT_EQ(RunScript({R"(ren "c:\PRODUCTS\demo\SCENERY\*.bg_" *.bgl)"}), 0);
  EXPECT_EQ(Names("C:\\Products\\Demo\\Scenery"), (std::vector<std::string>{"Mixed.bgl"}));
}

TEST_F(Scripts, RenRenamesReadOnlyFilesAndKeepsThemReadOnly) {
  const std::string folder = std::string(kAppDir) + "scenery\\";
  MakeFiles(folder, {"ro.bg_", "rw.bg_"});
  MakeReadOnly(folder + "ro.bg_");
  EXPECT_EQ(RunScript({common::Format("ren \"%s*.bg_\" *.bgl", folder.c_str())}), 0);
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"ro.bgl", "rw.bgl"}));
  EXPECT_TRUE(IsReadOnly(folder + "ro.bgl"));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Scripts, DelDeletesWhatItNamesAndNothingElse) {
  struct Case {
    const char* what;
    std::vector<std::string> files;
    const char* line;
    std::vector<std::string> after;
    int errorlevel;
  } cases[] = {
      {"a mask", {"a.bg_", "B.BG_", "c.bgl"}, R"(del "{}*.bg_")", {"c.bgl"}, 0},
      {"a mask matching nothing", {"c.bgl"}, R"(del "{}*.bg_")", {"c.bgl"}, 0},
      {"a named file", {"x.flt", "y.flt"}, R"(del "{}x.flt")", {"y.flt"}, 0},
      {"a named file in another letter case", {"x.flt"}, R"(del "{}X.FLT")", {}, 0},
      {"the form with two blanks", {"x.flt", "y.flt"}, R"(del  "{}x.flt")", {"y.flt"}, 0},
      {"a path without quotes", {"x.flt", "y.flt"}, R"(del {}x.flt)", {"y.flt"}, 0},
      {"a named file that does not exist", {"y.flt"}, R"(del "{}x.flt")", {"y.flt"}, 1},
      {"a folder is refused", {"x.flt/", "x.flt/inner.flt"}, R"(del "{}x.flt")",
       {"x.flt", "x.flt/inner.flt"}, 1},
      {"every file of a folder is refused", {"a.flt", "b"}, R"(del "{}*.*")", {"a.flt", "b"}, 1},
      {"a missing folder", {}, R"(del "{}missing\*.bg_")", {}, 1},
  };
  int number = 0;
  for (const Case& c : cases) {
    const std::string folder = std::string(kAppDir) + "del" + std::to_string(++number) + "\\";
    MakeFiles(folder, c.files);
    EXPECT_EQ(RunRaw({Fill(c.line, folder)}), c.errorlevel) << c.what;
    EXPECT_EQ(Tree(prefix.Host(folder)), c.after) << c.what;
  }
}

TEST_F(Scripts, DelLeavesReadOnlyFiles) {
  const std::string folder = std::string(kAppDir) + "scenery\\";
  MakeFiles(folder, {"ro.bg_", "rw.bg_", "named.flt"});
  MakeReadOnly(folder + "ro.bg_");
  MakeReadOnly(folder + "named.flt");
  EXPECT_EQ(RunRaw({Fill(R"(del "{}*.bg_")", folder), Fill(R"(del "{}named.flt")", folder)}), 1);
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"named.flt", "ro.bg_"}));
}

// The reset of the options: switched-off files are switched on, and the duplicates that
// block that are deleted; the files that were on stay as they were.
TEST_F(Scripts, ResetScriptRemovesOnlyTheDuplicates) {
  const std::string folder = std::string(kAppDir) + "scenery\\";
  MakeFiles(folder, {"dup.bgl", "dup.bg_", "off.bg_", "on.bgl", "other.txt"});
  testing_support::WriteHostFile(prefix.Host(folder) + "/dup.bgl", "the one that is on");
  EXPECT_EQ(RunScript({common::Format("ren \"%s*.bg_\" *.bgl", folder.c_str()),
                       common::Format("del \"%s*.bg_\"", folder.c_str())}),
            0);
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"dup.bgl", "off.bgl", "on.bgl", "other.txt"}));
  EXPECT_EQ(Content(folder, "dup.bgl"), "the one that is on");
}

// The flights scripts of the activation, written from their formats exactly.
TEST_F(Scripts, FlightsAreCopiedAndDeletedByTheActivationScripts) {
  const std::string flights = std::string(kAppDir) + "Flights\\";
  const std::string user_flights = "C:\\users\\pilot\\Documents\\Flight Simulator X Files";
  const std::vector<std::string> product_flights = {
      "Demo Airfield.FLT", "a & b (1).flt", "Caf\xe9 100% ^x!.flt", "it's.WX"};
  MakeFiles(flights, product_flights);
  MakeFiles(flights, {"sub/", "sub/not copied.flt"});
  MakeFiles(user_flights + "\\", {"mine.flt", "demo airfield.flt"});  // an older copy

  const std::string app_dir = kAppDir;
  EXPECT_EQ(RunScript({common::Format("xcopy \"%sFlights\\*.*\" \"%s\\\" /y", app_dir.c_str(),
                                      user_flights.c_str())}),
            0);
  EXPECT_EQ(Names(user_flights),
            (std::vector<std::string>{"Caf\xe9 100% ^x!.flt", "a & b (1).flt",
                                      "demo airfield.flt", "it's.WX", "mine.flt"}));
  EXPECT_EQ(Content(user_flights + "\\", "demo airfield.flt"), "Demo Airfield.FLT")
      << "the older copy is replaced under its own name";

  EXPECT_EQ(RunScript({common::Format("for %%%%a in (\"%sFlights\\*.*\") do (", app_dir.c_str()),
                       common::Format("del  \"%s\\%%%%~nxa\"", user_flights.c_str()), ")"}),
            0);
  EXPECT_EQ(Names(user_flights), (std::vector<std::string>{"mine.flt"}));
  EXPECT_EQ(Tree(prefix.Host(flights)).size(), product_flights.size() + 2)
      << "the product's flights stay";
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Scripts, XcopyCreatesAMissingFolderAndCopiesFilesOnly) {
  const std::string flights = std::string(kAppDir) + "Flights\\";
  MakeFiles(flights, {"a.flt", "sub/", "sub/b.flt"});
  const std::string target = "C:\\users\\pilot\\Documents\\New Sim Files\\Flights\\";
  EXPECT_EQ(RunRaw({Fill(R"(xcopy "{}*.*" ")", flights) + target + "\" /y"}), 0);
  EXPECT_EQ(Tree(prefix.Host(target)), (std::vector<std::string>{"a.flt"}));
}

TEST_F(Scripts, XcopyWithoutFilesOrWithoutAFolderTargetCopiesNothing) {
  MakeFiles(std::string(kAppDir) + "Flights\\", {"a.flt"});
  EXPECT_EQ(RunRaw({R"(xcopy "C:\Products\Demo\NoFlights\*.*" "C:\Target\" /y)"}), 1);
  EXPECT_EQ(RunRaw({R"(xcopy "C:\Products\Demo\Flights\*.*" "C:\Target" /y)"}), 4)
      << "a missing target without a backslash would need a question";
  EXPECT_EQ(RunRaw({R"(xcopy "C:\Products\Demo\Flights\*.*" "C:\Target\")"}), 4)
      << "without /y replacing would need a question";
  EXPECT_FALSE(Exists("C:\\Target"));
}

TEST_F(Scripts, CopyReplacesARunningProgramAndKeepsItRunnable) {
  const std::string exe = std::string(kAppDir) + "lumvek.exe";
  const std::string replacement = std::string(kAppDir) + "Lumvek_new.exe";
  fs::copy_file("/bin/sleep", prefix.Host(exe));
  testing_support::WriteHostFile(prefix.Host(replacement), "#!/bin/sh\nexit 0\n");
  fs::permissions(prefix.Host(replacement), fs::perms::owner_read | fs::perms::owner_write);

  const std::string running = prefix.Host(exe);
  char* argv[] = {const_cast<char*>(running.c_str()), const_cast<char*>("30"), nullptr};
  pid_t pid = -1;
  ASSERT_EQ(::posix_spawn(&pid, running.c_str(), nullptr, nullptr, argv, environ), 0);

  EXPECT_EQ(RunScript({common::Format("copy \"%s\" \"%s\"", replacement.c_str(), exe.c_str()),
                       common::Format("del \"%s\"", replacement.c_str())}),
            0);
  EXPECT_EQ(prefix.Read(exe), "#!/bin/sh\nexit 0\n");
  EXPECT_FALSE(Exists(replacement));
  EXPECT_EQ(::kill(pid, 0), 0) << "the running program goes on";
  EXPECT_EQ(fs::status(prefix.Host(exe)).permissions() & fs::perms::owner_exec,
            fs::perms::owner_exec)
      << "the replaced program stays runnable";
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
}

TEST_F(Scripts, CopyRefusesAReadOnlyTargetAndAMissingSource) {
  MakeFiles(kAppDir, {"a.txt", "ro.txt"});
  MakeReadOnly(std::string(kAppDir) + "ro.txt");
  EXPECT_EQ(RunRaw({R"(copy "C:\Products\Demo\a.txt" "C:\Products\Demo\ro.txt")"}), 1);
  EXPECT_EQ(prefix.Read(std::string(kAppDir) + "ro.txt"), "ro.txt");
  EXPECT_EQ(RunRaw({R"(copy "C:\Products\Demo\missing.txt" "C:\Products\Demo\b.txt")"}), 1);
  EXPECT_FALSE(Exists(std::string(kAppDir) + "b.txt"));
  EXPECT_EQ(RunRaw({R"(copy "C:\Products\Demo\a.txt" "C:\Products\Demo\A.TXT")"}), 1)
      << "a file is not copied onto itself";
  EXPECT_EQ(prefix.Read(std::string(kAppDir) + "a.txt"), "a.txt");
}

TEST_F(Scripts, StartReturnsAtOnceAndRunsTheProgramInTheWorkingFolder) {
  // The program waits until the test tells it to go, so start must not wait for it.
  const std::string program = "C:\\Tools & Co (1)\\waiter.exe";
  prefix.Write(program,
               "#!/bin/sh\n"
               "i=0\n"
               "while [ ! -e go ] && [ $i -lt 200 ]; do sleep 0.05; i=$((i+1)); done\n"
               "if [ -e go ]; then echo \"went in $PWD\"; else echo timeout; fi > started.tmp\n"
               "mv started.tmp started.txt\n");
  fs::permissions(prefix.Host(program), fs::perms::owner_all);
  EXPECT_EQ(RunScript({"start \"\" \"" + program + "\""}), 0);
  testing_support::WriteHostFile(Here("go"), "");
  ASSERT_TRUE(AppearsSoon(Here("started.txt")));
  EXPECT_EQ(testing_support::ReadHostFile(Here("started.txt")),
            "went in " + prefix.Host(kAppDir) + "\n");
}

TEST_F(Scripts, StartOfAMissingProgramFails) {
  EXPECT_EQ(RunRaw({R"(start "" "C:\Products\Demo\missing.exe")"}), 1);
}

// The restart script of the update installation, opened through the shell as the manager
// does: it replaces the manager, starts it again in the product folder and deletes itself.
TEST_F(Scripts, UpdateScriptRestartsTheManagerThroughTheShell) {
  const std::string app_dir = kAppDir;
  const std::string exe = app_dir + "lumvek.exe";
  prefix.Write(exe, "old manager");
  fs::permissions(prefix.Host(exe), fs::perms::owner_all);
  prefix.Write(app_dir + "Lumvek_new.exe",
               "#!/bin/sh\necho \"restarted in $PWD\" > restarted.txt\n");
  prefix.Write(app_dir + "update.bat",
               common::Format("copy \"%s\" \"%s\"\r\n", (app_dir + "Lumvek_new.exe").c_str(),
                              exe.c_str()) +
                   common::Format("del \"%s\"\r\n", (app_dir + "Lumvek_new.exe").c_str()) +
                   common::Format("start \"\" \"%s\"\r\n", exe.c_str()) +
                   common::Format("del  \"%s\"\r\n", (app_dir + "update.bat").c_str()));
  WorkIn("C:\\Elsewhere");
  EXPECT_TRUE(shell.Execute("open", app_dir + "update.bat", "", app_dir,
                            platform::ShowMode::kNormal));
  const std::string restarted = prefix.Host(app_dir) + "/restarted.txt";
  ASSERT_TRUE(AppearsSoon(restarted));
  EXPECT_EQ(testing_support::ReadHostFile(restarted),
            "restarted in " + prefix.Host(app_dir) + "\n");
  EXPECT_FALSE(Exists(app_dir + "Lumvek_new.exe"));
  for (int i = 0; i < 200 && Exists(app_dir + "update.bat"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_FALSE(Exists(app_dir + "update.bat"));
}

TEST_F(Scripts, PercentSignsAreReadAsTheInterpreterReadsThem) {
  ::setenv("LUMVEK_TEST_FOLDER", "texture", 1);
  struct Case {
    const char* folder;  // where the files lie
    const char* line;
  } cases[] = {
      {"C:\\Products\\100% Demo\\texture\\", R"(ren "C:\Products\100%% Demo\texture\*.agn" *.ag_)"},
      {"C:\\Products\\Env\\texture\\", R"(ren "C:\Products\Env\%LUMVEK_TEST_FOLDER%\*.agn" *.ag_)"},
      {"C:\\Products\\Unset\\texture\\",
       R"(ren "C:\Products\Unset\%LUMVEK_TEST_UNSET%texture\*.agn" *.ag_)"},
      {"C:\\Products\\Lone\\texture\\", R"(ren "C:\Products\Lone\tex%ture\*.agn" *.ag_)"},
  };
  for (const auto& c : cases) {
    MakeFiles(c.folder, {"a.agn", "b.agn"});
    EXPECT_EQ(RunScript({c.line}), 0) << c.line;
    EXPECT_EQ(Names(c.folder), (std::vector<std::string>{"a.ag_", "b.ag_"})) << c.line;
  }
  ::unsetenv("LUMVEK_TEST_FOLDER");
}

TEST_F(Scripts, EscapedPathsWithPercentSignsReachTheCommand) {
  const std::string folder = "C:\\Products\\50%off%\\texture\\";
  MakeFiles(folder, {"a.agn"});
  MakeFiles("C:\\Products\\50\\texture\\", {"other.agn"});  // what the unescaped path names
  EXPECT_EQ(RunScript({common::Format("ren \"%s*.agn\" *.ag_",
                                      common::EscapePercents(folder).c_str())}),
            0);
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"a.ag_"}));
  EXPECT_EQ(Names("C:\\Products\\50\\texture\\"), (std::vector<std::string>{"other.agn"}));
}

TEST_F(Scripts, PathsWithBlanksAmpersandsAndOtherBytesAreLiteralInQuotes) {
  const std::string app_dir = "C:\\Products\\Tom's & Jerry's (v2) ^!\\Caf\xe9 Field\\";
  MakeFiles(app_dir + "texture\\", {"agn.agn", "trees & bushes.agn"});
  MakeFiles(app_dir + "scenery\\", {"x (1).bg_"});
  EXPECT_EQ(RunScript({common::Format("ren \"%stexture\\*.agn\" *.ag_", app_dir.c_str()),
                       common::Format("ren \"%sscenery\\x (1).bg_\" *.bgl", app_dir.c_str())}),
            0);
  EXPECT_EQ(Names(app_dir + "texture"),
            (std::vector<std::string>{"agn.ag_", "trees & bushes.ag_"}));
  EXPECT_EQ(Names(app_dir + "scenery"), (std::vector<std::string>{"x (1).bgl"}));
}

TEST_F(Scripts, AnUnsupportedLineIsReportedAndTheScriptGoesOn) {
  MakeFiles(std::string(kAppDir) + "texture\\", {"a.agn", "keep.txt"});
  EXPECT_EQ(RunRaw({"echo hello"}), 1);
  EXPECT_EQ(RunRaw({"@echo off", R"(ren "C:\Products\Demo\texture\*.agn" *.ag_)"}), 0);
  EXPECT_EQ(Names(std::string(kAppDir) + "texture"),
            (std::vector<std::string>{"a.ag_", "keep.txt"}));
  // A joined command is refused as a whole: nothing of the line runs.
  EXPECT_EQ(RunRaw({R"(ren "C:\Products\Demo\texture\*.ag_" *.agn & )"
                    R"(del "C:\Products\Demo\texture\keep.txt")"}),
            1);
  EXPECT_EQ(Names(std::string(kAppDir) + "texture"),
            (std::vector<std::string>{"a.ag_", "keep.txt"}));
}

TEST_F(Scripts, AScriptThatDeletesItselfEndsAfterThatLine) {
  MakeFiles(std::string(kAppDir) + "texture\\", {"a.agn"});
  testing_support::WriteHostFile(
      Here("temp.bat"), "del temp.bat\r\nren \"C:\\Products\\Demo\\texture\\*.agn\" *.ag_\r\n");
  common::RunAndWait(services, "temp.bat", platform::ShowMode::kHidden);
  EXPECT_EQ(common::LastExitCode(), 0);
  EXPECT_EQ(Names(std::string(kAppDir) + "texture"), (std::vector<std::string>{"a.agn"}));
}

TEST_F(Scripts, ALeftOverScriptIsEmptiedAndRewritten) {
  MakeFiles(std::string(kAppDir) + "texture\\", {"a.agn", "keep.txt"});
  std::string left_over;
  for (int i = 0; i < 20; ++i) left_over += "del \"C:\\Products\\Demo\\texture\\keep.txt\"\r\n";
  testing_support::WriteHostFile(Here("temp.bat"), left_over);
  EXPECT_EQ(RunScript({R"(ren "C:\Products\Demo\texture\*.agn" *.ag_)"}), 0);
  EXPECT_EQ(Names(std::string(kAppDir) + "texture"),
            (std::vector<std::string>{"a.ag_", "keep.txt"}));
}

TEST_F(Scripts, AWorkingFolderOtherThanTheProductFolder) {
  MakeFiles(std::string(kAppDir) + "texture\\", {"a.agn"});
  WorkIn("C:\\Work Folder");
  EXPECT_EQ(RunScript({R"(ren "C:\Products\Demo\texture\*.agn" *.ag_)"}), 0);
  EXPECT_EQ(Names(std::string(kAppDir) + "texture"), (std::vector<std::string>{"a.ag_"}));
  EXPECT_EQ(Names("C:\\Work Folder"), (std::vector<std::string>{}));
  EXPECT_FALSE(Exists(std::string(kAppDir) + "temp.bat"));
}

}  // namespace
