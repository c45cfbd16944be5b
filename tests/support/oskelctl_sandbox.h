// A copy of the built oskelctl in a temporary directory, beside an Info.json chosen by
// the test, with a data directory (OSKEL_DATA_DIRECTORY) and a settings file
// (XDG_CONFIG_HOME) of its own, so that a test drives the command exactly as a user's
// installation would run it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/files.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace oskel::testing {

class OskelctlSandbox {
 public:
  // `builtProgram` is copied; `infoJson` is written beside the copy.
  OskelctlSandbox(const std::filesystem::path& builtProgram, const std::string& infoJson) {
    std::filesystem::create_directories(dir_.path() / "bin");
    std::filesystem::create_directories(dataDirectory());
    std::filesystem::create_directories(configHome() / "oskel");
    std::filesystem::copy_file(builtProgram, program());
    ready_ = files::writeAtomically(dir_.path() / "bin" / "Info.json", infoJson);
  }

  bool ready() const { return ready_ && std::filesystem::exists(program()); }
  std::filesystem::path program() const { return dir_.path() / "bin" / "oskelctl"; }
  std::filesystem::path dataDirectory() const { return dir_.path() / "data"; }
  std::filesystem::path configHome() const { return dir_.path() / "config"; }
  std::filesystem::path settingsFile() const { return configHome() / "oskel" / "settings.json"; }

  CommandResult run(const std::vector<std::string>& args, std::vector<std::string> environment = {}) const {
    std::vector<std::string> argv{program().string()};
    argv.insert(argv.end(), args.begin(), args.end());
    environment.push_back("OSKEL_DATA_DIRECTORY=" + dataDirectory().string());
    environment.push_back("XDG_CONFIG_HOME=" + configHome().string());
    return runCommand(argv, "", environment);
  }

 private:
  TempDir dir_;
  bool ready_ = false;
};

}  // namespace oskel::testing
