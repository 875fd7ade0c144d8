// The shell service: hands a document, folder or program to the system to be opened,
// without waiting for it.
#pragma once

#include <string>

namespace platform {

// The window state asked for a started program (the Windows show modes).
enum class ShowMode { kHidden = 0, kNormal = 1 };

class Shell {
 public:
  Shell() = default;
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;
  virtual ~Shell() = default;

  // Carries out `verb` ("open" or "Explore") on `file` (a Windows-form path) with
  // `parameters`, in working folder `folder` (empty: the current one). Returns whether the
  // request could be handed off; callers in this system ignore it.
  virtual bool Execute(const std::string& verb, const std::string& file,
                       const std::string& parameters, const std::string& folder,
                       ShowMode show) = 0;
};

}  // namespace platform
