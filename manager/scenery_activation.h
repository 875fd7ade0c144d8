// The three activation operations for one simulator. A library path that contains
// "Prepar3D v4 Add-ons" names the product's add-on folder (ending with "\"), and the
// operations work on the description "add-on.xml" in it; any other path names a scenery
// library, in which the product is an area titled with the product's title.
//
// Enabling and disabling also copy the product's saved flights into the simulator's
// flights folder and delete them from it, by a script run through the command
// interpreter (except that disabling an add-on leaves the flights).
#pragma once

#include <string>
#include <vector>

#include "manager/scenery_library.h"
#include "platform/platform.h"

namespace manager {

class SceneryActivation {
 public:
  // `app_dir` is the product folder (ending with "\"); `displayed_title` the product
  // title as the window shows it; `scan` receives the result of every scan. All must
  // outlive this object.
  SceneryActivation(platform::Platform& services, const std::string& app_dir,
                    const std::string& displayed_title, AreaScan& scan);

  // Whether the product is registered: an area titled `title` among Area.000 to Area.499
  // of the library, or a readable "add-on.xml" in the add-on folder (whatever its title).
  // Resets HighestArea, HighestLayer and Found first, in both forms; the library form
  // then fills them (manager/scenery_library.h). Reads the library once.
  bool IsSceneryEnabled(const std::string& library_path, const std::string& title);

  // Registers the product unless it is registered already (then nothing at all happens).
  // Library: adds an area (number from ChooseNewArea, layer HighestLayer + 1) in one
  // crash-safe write, then copies the flights. Throws platform::IniWriteError ("Unable to
  // write to <library path>") when the library cannot be written; the library is then
  // unchanged and no flights are copied. Add-on: creates the folder (one level) and the
  // description, silently doing without them when they cannot be created, then copies
  // the flights.
  void EnableScenery(const std::string& library_path, const std::string& title,
                     const std::string& flights_folder);

  // Unregisters the product if it is registered (otherwise nothing at all happens).
  // Library: erases the product's area section, ignoring a failure to write, then deletes
  // the product's flights from the flights folder. Add-on: deletes the description and
  // then the folder if it is empty, ignoring failures; the flights stay.
  void DisableScenery(const std::string& library_path, const std::string& title,
                      const std::string& flights_folder);

  // The add-on form is chosen by a plain, case-sensitive substring test.
  static bool IsAddOnFolder(const std::string& library_path);

 private:
  void ResetScan();
  void RunScript(const std::vector<std::string>& lines);

  platform::Platform& services_;
  const std::string& app_dir_;
  const std::string& displayed_title_;
  AreaScan& scan_;
};

}  // namespace manager
