// A fixture that starts the manager in a temporary prefix: drive C: with the all-users
// data folder and the user's documents, and a product folder "C:\Products\Demo\" whose
// working folder the test runs in.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "manager/form1.h"
#include "tests/support/fake_host.h"
#include "tests/support/fake_services.h"
#include "tests/support/temp_prefix.h"

namespace testing_support {

// Lines joined with CR LF, each one ended.
std::string CrLfLines(const std::vector<std::string>& lines);

class ManagerTest : public ::testing::Test {
 protected:
  static constexpr char kUser[] = "pilot";
  static constexpr char kAppDir[] = "C:\\Products\\Demo\\";
  static constexpr char kCommonData[] = "C:\\ProgramData";
  static constexpr char kDocuments[] = "C:\\users\\pilot\\Documents";

  ManagerTest();
  ~ManagerTest() override;

  // Writes the product's manifest "C:\Products\Demo\lumvek.ini" from lines (CR LF).
  void WriteManifest(const std::vector<std::string>& lines);
  // Creates an (empty) scenery library "C:\ProgramData\<folder>\scenery.cfg".
  void InstallSimulator(const std::string& folder, const std::string& content = "");
  // Builds the manager's window as a start with `argument` would.
  manager::TForm1& Start(const std::string& argument = "",
                         const std::string& exe_name = "lumvek.exe");

  TempPrefix prefix;
  FakeHost host;
  TApplication application{host};
  RecordingShell shell;
  RecordingProcessRunner processes{prefix.files()};
  platform::Platform services;
  std::unique_ptr<manager::TForm1> form;

 private:
  std::string previous_folder_;
};

}  // namespace testing_support
