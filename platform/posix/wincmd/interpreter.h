// Runs a script the way the Windows command interpreter runs the lines the programs
// generate: each line (a "for" block as a whole) is percent-expanded when read, then run;
// a line that is not one of the supported forms is reported, leaves errorlevel 1, and the
// script goes on. A script that deletes itself ends after the line that did it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/posix/wincmd/commands.h"
#include "platform/posix/wincmd/percent.h"
#include "platform/posix/wincmd/script_reader.h"
#include "platform/posix/wine_prefix.h"

namespace wincmd {

// Cuts a script's bytes into lines at LF; every CR is dropped, as the command
// interpreter drops them.
std::vector<std::string> SplitScriptLines(const std::string& bytes);

class Interpreter {
 public:
  // Paths in scripts are mapped through `prefix`; diagnostics go to `diagnostics`.
  Interpreter(const platform::posix::WinePrefix& prefix, std::ostream& diagnostics,
              EnvironmentLookup environment = ProcessEnvironment);

  // Runs the script `script` (Windows form, absolute or relative to the working folder)
  // with `arguments` as %1 and on. Returns the errorlevel of its last command, or 1 when
  // the script cannot be read.
  int RunScript(const std::string& script, const std::vector<std::string>& arguments);

 private:
  void RunStatement(const Statement& statement, PathResolver& paths, Reporter& report);
  void RunFor(const Statement& loop, PathResolver& paths, Reporter& report);
  int RunCommand(const std::vector<Word>& words, PathResolver& paths, Reporter& report);
  // The items a loop's set names: the files a mask selects, other words as they are.
  std::vector<std::string> ForItems(const std::vector<Word>& set, PathResolver& paths);

  const platform::posix::WinePrefix& prefix_;
  std::ostream& diagnostics_;
  EnvironmentLookup environment_;
  int errorlevel_ = 0;
};

}  // namespace wincmd
