#include "platform/posix/posix_shell.h"
#include "platform/posix/wincmd/commands.h"

namespace wincmd {

int RunStart(const std::vector<Word>& args, CommandContext& context) {
  const Reporter& report = context.report;
  size_t next = 0;
  if (next < args.size() && args[next].quoted) ++next;  // the first quoted word is a title
  if (next < args.size() && args[next].IsSwitch()) {
    report("start: the switch " + args[next].text + " is not supported");
    return 1;
  }
  if (next == args.size()) {
    report("start: no program is named");
    return 1;
  }
  const std::string& program = args[next].text;
  const PathParts parts = SplitPath(program);
  FolderListing* folder = context.paths.Folder(parts.folder);
  const std::optional<std::string> name =
      folder != nullptr && !parts.name.empty() ? folder->Find(parts.name) : std::nullopt;
  if (!name || folder->KindOf(*name) != EntryKind::kFile) {
    report("start: The system cannot find the file " + program + ".");
    return 1;
  }
  // An absolute path, so that nothing is looked up in the search path.
  std::vector<std::string> argv = {folder->host_path() + "/" + *name};
  for (size_t i = next + 1; i < args.size(); ++i) argv.push_back(args[i].text);
  if (!platform::posix::StartDetached(argv, "")) {
    report("start: " + program + " could not be started");
    return 1;
  }
  return 0;
}

}  // namespace wincmd
