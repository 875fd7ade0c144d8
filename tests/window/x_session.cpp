#include "tests/window/x_session.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/support/temp_prefix.h"

extern char** environ;

namespace window_testing {

std::optional<std::string> RunCommand(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string output;
  std::array<char, 4096> buffer{};
  size_t read = 0;
  while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
    output.append(buffer.data(), read);
  }
  const int status = pclose(pipe);
  if (status != 0) return std::nullopt;
  return output;
}

std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

XvfbServer::XvfbServer() {
  int fds[2];
  if (pipe(fds) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    close(fds[0]);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    const std::string fd = std::to_string(fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
           "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  std::string number;
  char c = 0;
  while (pid_ > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (!number.empty()) display_ = ":" + number;
}

XvfbServer::~XvfbServer() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

std::optional<std::string> XvfbServer::Run(const std::string& command) const {
  return RunCommand("DISPLAY=" + display_ + " " + command + " 2>/dev/null");
}

Process::Process(const std::vector<std::string>& argv, const std::string& folder,
                 const std::map<std::string, std::string>& environment) {
  pid_ = fork();
  if (pid_ != 0) return;
  if (chdir(folder.c_str()) != 0) _exit(127);
  for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  execv(args[0], args.data());
  _exit(127);
}

Process::~Process() {
  if (pid_ <= 0 || ended_) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

std::optional<int> Process::WaitForExit(std::chrono::milliseconds limit) {
  if (pid_ <= 0 || ended_) return std::nullopt;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      ended_ = true;
      if (WIFEXITED(status)) return WEXITSTATUS(status);
      return std::nullopt;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return std::nullopt;
}

std::optional<std::string> FindWindow(const XvfbServer& server, const std::string& title,
                                      std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  // xdotool matches a regular expression; the title holds no special characters.
  const std::string command = "xdotool search --onlyvisible --name " + ShellQuote("^" + title + "$");
  while (std::chrono::steady_clock::now() < deadline) {
    std::optional<std::string> found = server.Run(command);
    if (found && !found->empty()) {
      std::istringstream lines(*found);
      std::string first;
      std::getline(lines, first);
      return first;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return std::nullopt;
}

TBitmap Screenshot(const XvfbServer& server, const std::string& window,
                   const std::string& path_stem) {
  TBitmap picture;
  const std::string bmp = path_stem + ".bmp";
  if (!server.Run("import -window " + window + " " + ShellQuote("BMP3:" + bmp))) return picture;
  server.Run("import -window " + window + " " + ShellQuote(path_stem + ".png"));
  picture.LoadFromBytes(testing_support::ReadHostFile(bmp));
  return picture;
}

uint32_t PixelAt(const TBitmap& picture, int x, int y) {
  if (x < 0 || y < 0 || x >= picture.Width() || y >= picture.Height()) return 0;
  const uint8_t* p = &picture.Pixels()[static_cast<size_t>((y * picture.Width() + x) * 3)];
  return (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2];
}

bool RegionEquals(const TBitmap& picture, int x, int y, const TBitmap& expected) {
  for (int row = 0; row < expected.Height(); ++row) {
    for (int column = 0; column < expected.Width(); ++column) {
      if (PixelAt(picture, x + column, y + row) != PixelAt(expected, column, row)) return false;
    }
  }
  return true;
}

}  // namespace window_testing
