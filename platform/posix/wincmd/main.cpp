// wincmd: the stand-in for the Windows command interpreter that runs the programs'
// generated scripts on POSIX systems. Usage: wincmd /c SCRIPT [ARGUMENTS]
// Runs SCRIPT (a Windows-form path) in the working folder, with the Wine prefix named by
// WINEPREFIX (or ~/.wine), and exits with the errorlevel of its last command.
#include <signal.h>

#include <iostream>
#include <string>
#include <vector>

#include "platform/posix/wincmd/interpreter.h"
#include "platform/posix/wine_prefix.h"

int main(int argc, char** argv) {
  // Diagnostics to a closed console must not end the script half-way.
  ::signal(SIGPIPE, SIG_IGN);
  const std::string option = argc > 1 ? argv[1] : "";
  if (argc < 3 || (option != "/c" && option != "/C")) {
    std::cerr << "usage: wincmd /c SCRIPT [ARGUMENTS]\n";
    return 1;
  }
  const platform::posix::WinePrefix prefix(platform::posix::WinePrefix::DefaultPrefixDir());
  wincmd::Interpreter interpreter(prefix, std::cerr);
  return interpreter.RunScript(argv[2], std::vector<std::string>(argv + 3, argv + argc));
}
