// The commands of the interpreter. Each takes the words after its name and returns the
// errorlevel it leaves; what goes wrong is written to the reporter, never asked of
// anyone. Paths are Windows-form and go through the resolver; no text ever reaches a
// shell.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/posix/wincmd/folder.h"
#include "platform/posix/wincmd/script_reader.h"

namespace wincmd {

// Writes diagnostics about the script line being run, as "wincmd: SCRIPT:LINE: text".
class Reporter {
 public:
  Reporter(std::ostream& out, std::string script) : out_(out), script_(std::move(script)) {}
  void SetLine(int line) { line_ = line; }
  void operator()(const std::string& message) const;

 private:
  std::ostream& out_;
  std::string script_;
  int line_ = 0;
};

struct CommandContext {
  PathResolver& paths;
  const Reporter& report;
};

// ren "FOLDER\MASK" TARGET-MASK: renames the files MASK selects by the rename rules of
// wildcard.h. A file whose new name exists already stays as it is; the others are still
// renamed. Read-only files are renamed. 1 when nothing matched or any file failed.
int RunRen(const std::vector<Word>& args, CommandContext& context);

// del PATH...: deletes the named file, or the files that a mask in the last component
// selects. Read-only files, folders and masks selecting every name ("*", "*.*", which
// would need a confirmation) are refused. A mask matching nothing leaves 0; a named file
// that does not exist gives 1.
int RunDel(const std::vector<Word>& args, CommandContext& context);

// copy "A" "B": replaces B (or B\name-of-A when B is a folder) by a copy of A, through a
// temporary file beside it and a rename, so that even a running program is replaced.
int RunCopy(const std::vector<Word>& args, CommandContext& context);

// xcopy "SRC\MASK" "DST\" /y: copies the files MASK selects (no sub-folders) into the
// folder DST, created when missing, replacing files there. 0 on success, 1 when no file
// was found, 4 on a syntax error, 5 when a file could not be written.
int RunXcopy(const std::vector<Word>& args, CommandContext& context);

// start "TITLE" "PROGRAM" [ARGUMENTS]: starts PROGRAM detached, in the working folder, and
// returns at once.
int RunStart(const std::vector<Word>& args, CommandContext& context);

}  // namespace wincmd
