#include "history/data_paths.h"

#include "base/paths.h"

namespace oskel {

DataPaths DataPaths::in(const std::filesystem::path& directory) {
  return DataPaths{directory, directory / "Images", directory / "clips.json"};
}

DataPaths DataPaths::resolve(const Environment& env) {
  if (auto v = env.value("OSKEL_DATA_DIRECTORY"); v && !v->empty()) return in(*v);
  return in(paths::dataHome(env) / "oskel");
}

}  // namespace oskel
