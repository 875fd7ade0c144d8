// The built lumvek.exe, started by an installer with one argument on a machine without a
// display: it runs headless in a temporary prefix, changes the libraries one second after
// start, closes and exits 0.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/posix/wine_special_folders.h"
#include "tests/support/temp_prefix.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempPrefix;

constexpr char kProduct[] = "C:\\Corvane\\Demo Airfield\\";
constexpr char kFsx[] = "C:\\ProgramData\\Microsoft\\FSX\\scenery.cfg";
constexpr char kP3d[] = "C:\\ProgramData\\Lockheed Martin\\Prepar3D v4\\scenery.cfg";

std::string CrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

const std::string kFsxLibrary = CrLf({"[General]", "Title=FS9 World Scenery", "",
                                      "[Area.001]", "Title=Default Terrain", "Layer=1", "",
                                      "[Area.002]", "Title=Addon Scenery", "Layer=2"});
const std::string kP3dLibrary = "\xEF\xBB\xBF" + CrLf({"[General]", "Title=Prepar3D Scenery", "",
                                                       "[Area.001]", "Title=Default Terrain",
                                                       "Texture_ID=1", "Layer=1"});

std::string ProductArea(int number) {
  const std::string digits = std::to_string(number);
  return CrLf({"[Area." + std::string(3 - digits.size(), '0') + digits + "]",
               "Title=Demo Airfield", "Local=C:\\Corvane\\Demo Airfield\\", "Active=TRUE",
               "Layer=" + digits, "Required=FALSE"});
}

class LumvekProgramTest : public ::testing::Test {
 protected:
  struct Outcome {
    bool exited = false;
    int exit_code = -1;
    std::string log;  // what the program wrote to its standard output and error
  };

  LumvekProgramTest() {
    const std::string documents = "C:\\users\\" + user_ + "\\Documents\\";
    fsx_flights_ = documents + "Flight Simulator X Files";
    prefix_.Write(kFsx, kFsxLibrary);
    prefix_.Write(kP3d, kP3dLibrary);
    prefix_.MakeFolder(fsx_flights_);
    prefix_.MakeFolder(documents + "Prepar3D v4 Files");
    prefix_.Write(std::string(kProduct) + "lumvek.ini",
                  CrLf({"Demo Airfield Scenery Manager", "Corvane", "Demo Airfield",
                        "A demo product", "short", "2",
                        "Flight Simulator X", "Microsoft\\FSX", "Flight Simulator X Files",
                        "Microsoft Flight Simulator X",
                        "Prepar3D v4", "Lockheed Martin\\Prepar3D v4", "Prepar3D v4 Files",
                        "Lockheed Martin Prepar3D v4",
                        "0", "0", "0"}));
    prefix_.Write(std::string(kProduct) + "Flights\\Demo Airfield.FLT",
                  CrLf({"[Main]", "Title=Demo Airfield circuits"}));
    // A copy, not a link: the program finds its folder from its own path.
    fs::copy_file(LUMVEK_EXE, prefix_.Host(std::string(kProduct) + "lumvek.exe"));
  }

  // Starts lumvek.exe with `argument` in the product folder, with no display, and waits
  // for it to end for at most `limit`; a program still running then is stopped.
  Outcome Run(const std::string& argument, std::chrono::milliseconds limit) {
    const std::string product = prefix_.Host(kProduct);
    const std::string program = product + "/lumvek.exe";
    const std::string log_path = prefix_.dir() + "/lumvek.log";
    std::vector<std::string> environment = {"WINEPREFIX=" + prefix_.dir(),
                                            "HOME=" + prefix_.dir(),
                                            "PATH=" + fs::path(LUMVEK_EXE).parent_path().string() +
                                                ":/usr/bin:/bin"};
    // A command interpreter named for the tests is passed on.
    if (const char* wincmd = std::getenv("LUMVEK_WINCMD")) {
      environment.push_back(std::string("LUMVEK_WINCMD=") + wincmd);
    }
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program_arg = program;
    std::string argument_copy = argument;
    char* argv[] = {program_arg.data(), argument_copy.data(), nullptr};

    const pid_t pid = ::fork();
    if (pid == 0) {
      const int log = ::open(log_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (log >= 0) {
        ::dup2(log, 1);
        ::dup2(log, 2);
      }
      if (::chdir(product.c_str()) != 0) ::_exit(126);
      ::execve(program.c_str(), argv, envp.data());
      ::_exit(127);
    }
    Outcome outcome;
    if (pid < 0) return outcome;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        outcome.log = testing_support::ReadHostFile(log_path);
        return outcome;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    outcome.exited = WIFEXITED(status);
    outcome.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.log = testing_support::ReadHostFile(log_path);
    return outcome;
  }

  TempPrefix prefix_;
  std::string user_ = platform::posix::WineUserName();
  std::string fsx_flights_;
};

TEST_F(LumvekProgramTest, AddEnablesEverySimulatorAndExits) {
  Outcome outcome = Run("add", std::chrono::seconds(30));
  ASSERT_TRUE(outcome.exited) << outcome.log;
  EXPECT_EQ(outcome.exit_code, 0) << outcome.log;
  EXPECT_EQ(prefix_.Read(kFsx), kFsxLibrary + ProductArea(3));
  EXPECT_EQ(prefix_.Read(kP3d), kP3dLibrary + ProductArea(2));

  outcome = Run("REMOVE", std::chrono::seconds(30));
  ASSERT_TRUE(outcome.exited) << outcome.log;
  EXPECT_EQ(outcome.exit_code, 0) << outcome.log;
  EXPECT_EQ(prefix_.Read(kFsx), kFsxLibrary);
  EXPECT_EQ(prefix_.Read(kP3d), kP3dLibrary);
}

TEST_F(LumvekProgramTest, ASimulatorsNameEnablesThatSimulatorOnly) {
  Outcome outcome = Run("prepar3d V4", std::chrono::seconds(30));
  ASSERT_TRUE(outcome.exited) << outcome.log;
  EXPECT_EQ(outcome.exit_code, 0) << outcome.log;
  EXPECT_EQ(prefix_.Read(kFsx), kFsxLibrary);
  EXPECT_EQ(prefix_.Read(kP3d), kP3dLibrary + ProductArea(2));
}

TEST_F(LumvekProgramTest, AnArgumentMatchingNothingKeepsTheProgramRunning) {
  // The action runs one second after start; well after that the program is still there,
  // as a window that nobody closes would be. An installer must not wait for it unbounded.
  Outcome outcome = Run("install", std::chrono::milliseconds(2500));
  EXPECT_FALSE(outcome.exited) << outcome.log;
  EXPECT_EQ(prefix_.Read(kFsx), kFsxLibrary);
}

TEST_F(LumvekProgramTest, AddCopiesTheFlightsAndRemoveDeletesThem) {
  const std::string flight = fsx_flights_ + "\\Demo Airfield.FLT";
  const std::string own_flight = fsx_flights_ + "\\My circuits.FLT";
  prefix_.Write(own_flight, "mine");
  Outcome outcome = Run("add", std::chrono::seconds(30));
  ASSERT_TRUE(outcome.exited) << outcome.log;
  EXPECT_EQ(outcome.log.find("Error Creating process"), std::string::npos) << outcome.log;
  EXPECT_EQ(prefix_.Read(flight), CrLf({"[Main]", "Title=Demo Airfield circuits"}));
  EXPECT_FALSE(prefix_.files().FileExists(std::string(kProduct) + "temp.bat"));

  outcome = Run("remove", std::chrono::seconds(30));
  ASSERT_TRUE(outcome.exited) << outcome.log;
  EXPECT_FALSE(prefix_.files().FileExists(flight));
  EXPECT_EQ(prefix_.Read(own_flight), "mine") << "only the product's flights go";
  EXPECT_TRUE(prefix_.files().FileExists(std::string(kProduct) + "Flights\\Demo Airfield.FLT"));
  EXPECT_FALSE(prefix_.files().FileExists(std::string(kProduct) + "temp.bat"));
}

}  // namespace
