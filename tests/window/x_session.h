// What the real-window tests need around the program: a private X server (Xvfb), the
// program started on it, and the tools a person's hands and eyes would be (xdotool to
// find windows, move the pointer, click and type; ImageMagick's import to take
// screenshots).
#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/bitmap.h"

namespace window_testing {

// Runs a command line through the shell and returns its standard output; nothing when it
// fails.
std::optional<std::string> RunCommand(const std::string& command);

// Quotes a text for the shell.
std::string ShellQuote(const std::string& text);

// A private X server on a free display, ended by the destructor.
class XvfbServer {
 public:
  XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;
  ~XvfbServer();

  bool Running() const { return pid_ > 0 && !display_.empty(); }
  // ":N".
  const std::string& Display() const { return display_; }
  // Runs a command line with DISPLAY set to this server.
  std::optional<std::string> Run(const std::string& command) const;

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// A program started in `folder` with extra environment variables; killed by the destructor
// when it is still running.
class Process {
 public:
  Process(const std::vector<std::string>& argv, const std::string& folder,
          const std::map<std::string, std::string>& environment);
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  bool Started() const { return pid_ > 0; }
  // Waits up to `limit` for the program to end; its exit code, or nothing when it did not
  // end in time (or ended by a signal).
  std::optional<int> WaitForExit(std::chrono::milliseconds limit);

 private:
  pid_t pid_ = -1;
  bool ended_ = false;
};

// The id of the first window titled exactly `title`, waiting up to `limit` for it.
std::optional<std::string> FindWindow(const XvfbServer& server, const std::string& title,
                                      std::chrono::milliseconds limit);

// A screenshot of the window's content, kept as `path_stem`.png (for people) and read from
// `path_stem`.bmp. Empty picture when it cannot be taken.
TBitmap Screenshot(const XvfbServer& server, const std::string& window,
                   const std::string& path_stem);

// The colour of one pixel as 0xRRGGBB; 0 outside the picture.
uint32_t PixelAt(const TBitmap& picture, int x, int y);

// Whether the part of `picture` at x, y equals the whole of `expected`.
bool RegionEquals(const TBitmap& picture, int x, int y, const TBitmap& expected);

}  // namespace window_testing
