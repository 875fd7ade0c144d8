// How the POSIX platform layer runs ".bat" scripts: through wincmd, the project's
// stand-in for the Windows command interpreter ("wincmd /c SCRIPT"), with the Wine prefix
// of the program's file service handed on so that the script's paths map the same way.
//
// Where wincmd is found, first match wins:
//   1. the environment variable LUMVEK_WINCMD, when it is set (and then only there);
//   2. the installed copy, beside the installed programs (recorded at build time);
//   3. the copy in the build tree the program was built in (recorded at build time).
// The program itself may lie anywhere, for example copied into a product folder.
#pragma once

#include <string>
#include <vector>

namespace platform::posix {

inline constexpr char kInterpreterVariable[] = "LUMVEK_WINCMD";

// Where to look for wincmd, in order: `override_path` alone when it is not empty, else
// the recorded installed and build-tree locations.
std::vector<std::string> InterpreterCandidates(const std::string& override_path);

// The first of `candidates` that is an executable regular file; empty when none is.
std::string FirstExecutable(const std::vector<std::string>& candidates);

// wincmd's host path as found by the rules above; empty when it cannot be found.
std::string FindInterpreter();

// True when a command's program name ends in ".bat" or ".cmd" (any case): a script for
// the command interpreter.
bool IsScriptName(const std::string& name);

// The environment for a process of this program: this process's, with WINEPREFIX set to
// `prefix_dir` when that is not empty. Entries are "NAME=value".
std::vector<std::string> ChildEnvironment(const std::string& prefix_dir);

}  // namespace platform::posix
