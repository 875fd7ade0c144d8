#include "platform/posix/posix_process_runner.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/posix/script_interpreter.h"

namespace platform::posix {
namespace {

// posix_spawn's attributes and file actions, released on every path.
class SpawnSettings {
 public:
  SpawnSettings() {
    posix_spawnattr_init(&attributes_);
    posix_spawn_file_actions_init(&actions_);
  }
  SpawnSettings(const SpawnSettings&) = delete;
  SpawnSettings& operator=(const SpawnSettings&) = delete;
  ~SpawnSettings() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attributes_);
  }
  posix_spawnattr_t* attributes() { return &attributes_; }
  posix_spawn_file_actions_t* actions() { return &actions_; }

 private:
  posix_spawnattr_t attributes_;
  posix_spawn_file_actions_t actions_;
};

std::vector<char*> PointerArray(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

// Starts `argv` in a session of its own with standard input from /dev/null and every
// signal at its default. Returns the process id, or -1.
pid_t Spawn(std::vector<std::string> argv, std::vector<std::string> environment) {
  SpawnSettings settings;
  sigset_t no_signals;
  sigemptyset(&no_signals);
  sigset_t all_signals;
  sigfillset(&all_signals);
  if (posix_spawnattr_setflags(settings.attributes(),
                               POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK |
                                   POSIX_SPAWN_SETSIGDEF) != 0 ||
      posix_spawnattr_setsigmask(settings.attributes(), &no_signals) != 0 ||
      posix_spawnattr_setsigdefault(settings.attributes(), &all_signals) != 0 ||
      posix_spawn_file_actions_addopen(settings.actions(), STDIN_FILENO, "/dev/null", O_RDONLY,
                                       0) != 0) {
    return -1;
  }
  std::vector<char*> args = PointerArray(argv);
  std::vector<char*> env = PointerArray(environment);
  pid_t pid = -1;
  if (posix_spawn(&pid, args[0], settings.actions(), settings.attributes(), args.data(),
                  env.data()) != 0) {
    return -1;
  }
  return pid;
}

std::string Absolute(const std::string& host_path) {
  if (host_path.empty() || host_path[0] == '/') return host_path;
  char folder[PATH_MAX];
  if (::getcwd(folder, sizeof folder) == nullptr) return host_path;
  return std::string(folder) + "/" + host_path;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& command_line) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false;
  bool in_quotes = false;
  for (char c : command_line) {
    if (c == '"') {
      in_quotes = !in_quotes;
      in_word = true;
    } else if (!in_quotes && (c == ' ' || c == '\t')) {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
    } else {
      word.push_back(c);
      in_word = true;
    }
  }
  if (in_word) words.push_back(word);
  return words;
}

std::optional<int> PosixProcessRunner::RunAndWait(const std::string& command_line,
                                                  ShowMode /*show*/) {
  const std::vector<std::string> words = SplitCommandLine(command_line);
  if (words.empty()) return std::nullopt;
  // As on Windows, a program or script that does not exist is a process not created.
  const std::string host_program = Absolute(files_.HostPath(words[0]));
  struct stat st;
  if (host_program.empty() || ::stat(host_program.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    return std::nullopt;
  }
  std::vector<std::string> argv;
  if (IsScriptName(words[0])) {
    const std::string interpreter = FindInterpreter();
    if (interpreter.empty()) return std::nullopt;
    argv = {interpreter, "/c"};
    argv.insert(argv.end(), words.begin(), words.end());
  } else {
    argv = {host_program};
    argv.insert(argv.end(), words.begin() + 1, words.end());
  }
  const pid_t pid = Spawn(std::move(argv), ChildEnvironment(prefix_dir_));
  if (pid < 0) return std::nullopt;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return std::nullopt;
  }
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WEXITSTATUS(status);
}

}  // namespace platform::posix
