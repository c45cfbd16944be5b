// Runs a program with standard input from a string and collects what it prints.
#pragma once

#include <string>
#include <vector>

namespace oskel::testing {

struct CommandResult {
  int exitStatus = -1;
  std::string out;
  std::string err;
};

// `environment` entries ("NAME=value") are added to this process's environment, replacing
// variables of the same name.
CommandResult runCommand(const std::vector<std::string>& argv, const std::string& input = "",
                         const std::vector<std::string>& environment = {});

}  // namespace oskel::testing
