#include "common/batch_script.h"

#include "platform/ui/forms.h"

namespace common {
namespace {
int g_last_exit_code = 0;
}  // namespace

bool WriteScript(platform::FileSystem& files, const std::vector<std::string>& lines) {
  auto script = files.OpenForWriting(kScriptName, platform::FileMode::kText);
  if (!script) return false;
  for (const std::string& line : lines) script->Write(line + "\n");
  script->Write("del temp.bat\n");
  return script->Close();
}

std::string EscapePercents(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    escaped.push_back(c);
    if (c == '%') escaped.push_back('%');
  }
  return escaped;
}

void RunAndWait(platform::Platform& services, const std::string& command_line,
                platform::ShowMode show) {
  std::optional<int> exit_code = services.processes->RunAndWait(command_line, show);
  if (!exit_code) {
    if (TApplication* application = TApplication::Current()) {
      application->MessageBox("Error Creating process", "Run Process", MB_OK | MB_ICONERROR);
    }
  }
  g_last_exit_code = exit_code.value_or(-1);
}

void RunScript(platform::Platform& services) {
  RunAndWait(services, kScriptName, platform::ShowMode::kHidden);
}

int LastExitCode() { return g_last_exit_code; }

}  // namespace common
