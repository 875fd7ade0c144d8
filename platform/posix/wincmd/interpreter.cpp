#include "platform/posix/wincmd/interpreter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/posix/wincmd/for_variable.h"
#include "platform/posix/wincmd/wildcard.h"

namespace wincmd {
namespace {

bool ReadWholeFile(const std::string& host_path, std::string* bytes, struct stat* identity) {
  const int fd = ::open(host_path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  bool ok = ::fstat(fd, identity) == 0 && S_ISREG(identity->st_mode);
  char buffer[64 * 1024];
  while (ok) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    bytes->append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);
  return ok;
}

// True while the script file is still where it was started from.
bool StillThere(const std::string& host_path, const struct stat& identity) {
  struct stat now;
  return ::stat(host_path.c_str(), &now) == 0 && now.st_dev == identity.st_dev &&
         now.st_ino == identity.st_ino;
}

// `statement` with the loop variable replaced by `value` in every word, nested loops
// included. Nothing, with `error` set, when a reference cannot be replaced.
std::optional<Statement> Substituted(const Statement& statement, char variable,
                                     const std::string& value, std::string* error) {
  Statement result = statement;
  for (Word& word : result.words) {
    std::optional<std::string> text = SubstituteForVariable(word.text, variable, value, error);
    if (!text) return std::nullopt;
    word.text = std::move(*text);
  }
  for (Statement& inner : result.body) {
    std::optional<Statement> replaced = Substituted(inner, variable, value, error);
    if (!replaced) return std::nullopt;
    inner = std::move(*replaced);
  }
  return result;
}

}  // namespace

std::vector<std::string> SplitScriptLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : bytes) {
    if (c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
    } else if (c != '\r') {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

Interpreter::Interpreter(const platform::posix::WinePrefix& prefix, std::ostream& diagnostics,
                         EnvironmentLookup environment)
    : prefix_(prefix), diagnostics_(diagnostics), environment_(std::move(environment)) {}

int Interpreter::RunScript(const std::string& script, const std::vector<std::string>& arguments) {
  const std::string host_path = PathResolver(prefix_).HostPath(script);
  std::string bytes;
  struct stat identity;
  if (host_path.empty() || !ReadWholeFile(host_path, &bytes, &identity)) {
    diagnostics_ << "wincmd: The system cannot find the batch file " << script << ".\n";
    return 1;
  }
  std::vector<std::string> percent_arguments = {script};
  percent_arguments.insert(percent_arguments.end(), arguments.begin(), arguments.end());
  std::vector<std::string> lines = SplitScriptLines(bytes);
  for (std::string& line : lines) line = ExpandPercents(line, percent_arguments, environment_);

  Reporter report(diagnostics_, script);
  ScriptReader reader(std::move(lines));
  errorlevel_ = 0;
  while (std::optional<Statement> statement = reader.Next()) {
    PathResolver paths(prefix_);  // folders are read afresh for every line
    RunStatement(*statement, paths, report);
    if (!StillThere(host_path, identity)) break;  // the script deleted itself
  }
  return errorlevel_;
}

void Interpreter::RunStatement(const Statement& statement, PathResolver& paths,
                               Reporter& report) {
  report.SetLine(statement.line);
  switch (statement.kind) {
    case Statement::Kind::kError:
      report(statement.error);
      errorlevel_ = 1;
      return;
    case Statement::Kind::kFor:
      RunFor(statement, paths, report);
      return;
    case Statement::Kind::kCommand:
      if (!statement.words.empty()) errorlevel_ = RunCommand(statement.words, paths, report);
      return;
  }
}

void Interpreter::RunFor(const Statement& loop, PathResolver& paths, Reporter& report) {
  for (const std::string& item : ForItems(loop.words, paths)) {
    for (const Statement& body : loop.body) {
      std::string error;
      std::optional<Statement> statement = Substituted(body, loop.variable, item, &error);
      if (!statement) {
        report.SetLine(body.line);
        report(error);
        errorlevel_ = 1;
        continue;
      }
      RunStatement(*statement, paths, report);
    }
  }
}

std::vector<std::string> Interpreter::ForItems(const std::vector<Word>& set, PathResolver& paths) {
  std::vector<std::string> items;
  for (const Word& word : set) {
    if (!HasWildcards(word.text)) {
      items.push_back(word.text);
      continue;
    }
    const PathParts parts = SplitPath(word.text);
    if (HasWildcards(parts.folder)) continue;
    FolderListing* folder = paths.Folder(parts.folder);
    if (folder == nullptr) continue;
    for (const std::string& name : folder->MatchingFiles(parts.name)) {
      items.push_back(parts.folder + name);
    }
  }
  return items;
}

int Interpreter::RunCommand(const std::vector<Word>& words, PathResolver& paths,
                            Reporter& report) {
  const std::string name = FoldCase(words[0].text);
  const std::vector<Word> args(words.begin() + 1, words.end());
  CommandContext context{paths, report};
  if (name == "ren") return RunRen(args, context);
  if (name == "del") return RunDel(args, context);
  if (name == "copy") return RunCopy(args, context);
  if (name == "xcopy") return RunXcopy(args, context);
  if (name == "start") return RunStart(args, context);
  report("'" + words[0].text +
         "' is not recognized as an internal or external command, operable program or batch "
         "file.");
  return 1;
}

}  // namespace wincmd
