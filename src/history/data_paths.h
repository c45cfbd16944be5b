// Where the history lives: the data directory, its "Images" folder and "clips.json".
#pragma once

#include <filesystem>

#include "platform/environment.h"

namespace oskel {

struct DataPaths {
  std::filesystem::path directory;
  std::filesystem::path imagesDirectory;
  std::filesystem::path file;

  // Paths inside `directory`.
  static DataPaths in(const std::filesystem::path& directory);

  // "OSKEL_DATA_DIRECTORY" when set and not empty (taken as given; a relative path is
  // relative to the working directory), else $XDG_DATA_HOME/oskel.
  static DataPaths resolve(const Environment& env);
};

}  // namespace oskel
