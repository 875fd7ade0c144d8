#include "platform/posix/posix_shell.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/posix/script_interpreter.h"
#include "platform/posix/wine_prefix.h"

namespace platform::posix {

bool StartDetached(const std::vector<std::string>& argv, const std::string& host_folder) {
  return StartDetached(argv, host_folder, ChildEnvironment(""));
}

bool StartDetached(const std::vector<std::string>& argv, const std::string& host_folder,
                   const std::vector<std::string>& environment) {
  if (argv.empty()) return false;
  // Everything the child needs is made before fork: after it only async-signal-safe calls.
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  std::vector<char*> env;
  for (const std::string& entry : environment) env.push_back(const_cast<char*>(entry.c_str()));
  env.push_back(nullptr);
  // A pipe closed on exec tells the parent whether exec succeeded.
  int status_pipe[2];
  if (::pipe2(status_pipe, O_CLOEXEC) != 0) return false;
  pid_t child = ::fork();
  if (child < 0) {
    ::close(status_pipe[0]);
    ::close(status_pipe[1]);
    return false;
  }
  if (child == 0) {
    ::close(status_pipe[0]);
    ::setsid();
    pid_t grandchild = ::fork();
    if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
    if (!host_folder.empty() && ::chdir(host_folder.c_str()) != 0) {
      int error = errno;
      (void)!::write(status_pipe[1], &error, sizeof error);
      ::_exit(127);
    }
    // Ignored signals and blocked ones would stay so in the program started.
    ::signal(SIGPIPE, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execvpe(args[0], args.data(), env.data());
    int error = errno;
    (void)!::write(status_pipe[1], &error, sizeof error);
    ::_exit(127);
  }
  ::close(status_pipe[1]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got;
  do {
    got = ::read(status_pipe[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  ::close(status_pipe[0]);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

bool PosixShell::Execute(const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& folder,
                         ShowMode /*show*/) {
  std::string host_file = files_.HostPath(file);
  if (host_file.empty()) return false;
  if (host_file[0] != '/') {
    // Absolute, so that a program is never looked up in the search path and a relative
    // name does not move with the new working folder.
    char cwd[PATH_MAX];
    if (::getcwd(cwd, sizeof cwd) == nullptr) return false;
    host_file = std::string(cwd) + "/" + host_file;
  }
  std::string host_folder = folder.empty() ? "" : files_.HostPath(folder);
  if (verb == "open" && IsScriptName(file)) return OpenScript(file, host_file, host_folder);
  if (verb == "open" && EndsWithIgnoringCase(file, ".exe")) {
    std::vector<std::string> argv = {host_file};
    if (!parameters.empty()) argv.push_back(parameters);
    return StartDetached(argv, host_folder);
  }
  if (verb != "open" && verb != "Explore") return false;
  return StartDetached({"xdg-open", host_file}, host_folder);
}

}  // namespace platform::posix

namespace platform::posix {

// Runs the script through wincmd, detached, in the given working folder. wincmd is given
// the script's absolute Windows-form path, which does not depend on the working folder.
// `host_file` is absolute.
bool PosixShell::OpenScript(const std::string& file, const std::string& host_file,
                            const std::string& host_folder) {
  struct stat st;
  if (::stat(host_file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  const std::string interpreter = FindInterpreter();
  if (interpreter.empty()) return false;
  std::string script = files_.WindowsPath(host_file);
  if (script.empty()) script = file;
  return StartDetached({interpreter, "/c", script}, host_folder, ChildEnvironment(prefix_dir_));
}

}  // namespace platform::posix
