// The batch-script convention: bulk file work is written as "temp.bat" in the working
// folder (text mode, CR LF, its last line "del temp.bat") and run hidden, waited for.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace common {

inline constexpr char kScriptName[] = "temp.bat";

// Creates "temp.bat" in the working folder (an existing one is emptied, never appended
// to), writes `lines` each followed by a line end, then "del temp.bat", and closes it.
// Returns false when the file cannot be created; nothing is written then.
bool WriteScript(platform::FileSystem& files, const std::vector<std::string>& lines);

// `text` with every "%" doubled. The command interpreter reads each script line for
// percent signs first ("%%" is one "%", "%NAME%" a variable, a lone "%" is dropped), so a
// path holding "%" must be written so to reach the command as it is. Callers wrap the
// paths they place in script lines, not the lines (whose "%%a" must stay as it is).
std::string EscapePercents(const std::string& text);

// Starts `command_line` as a new process and waits for it to end. When the process cannot
// be created, shows the message box "Error Creating process" (caption "Run Process", error
// icon, OK) and returns as if it had run. The exit code is kept for LastExitCode().
void RunAndWait(platform::Platform& services, const std::string& command_line,
                platform::ShowMode show);

// Runs "temp.bat" hidden and waits for it: RunAndWait("temp.bat", hidden), as every part
// that writes a script runs it.
void RunScript(platform::Platform& services);

// The exit code of the last process run by RunAndWait; -1 when none could be created.
int LastExitCode();

}  // namespace common
