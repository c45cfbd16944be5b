#include "app/file_bundle_info.h"

#include <nlohmann/json.hpp>
#include <system_error>

#include "base/files.h"

#ifndef OSKEL_VERSION
#define OSKEL_VERSION "0.0.0"
#endif

namespace oskel {

FileBundleInfo::FileBundleInfo(const std::vector<std::filesystem::path>& candidates) {
  for (const auto& path : candidates) {
    auto bytes = files::read(path);
    if (!bytes) continue;
    source_ = path;
    auto parsed = nlohmann::json::parse(*bytes, nullptr, /*allow_exceptions=*/false);
    if (!parsed.is_object()) break;
    for (const auto& [key, value] : parsed.items())
      if (value.is_string()) values_[key] = value.get<std::string>();
    break;
  }
}

std::vector<std::filesystem::path> FileBundleInfo::candidatesBeside(const std::filesystem::path& executable) {
  const auto dir = executable.parent_path();
  return {dir / "Info.json", (dir / ".." / "share" / "oskel" / "Info.json").lexically_normal()};
}

FileBundleInfo FileBundleInfo::forRunningProgram() {
  std::error_code error;
  auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return FileBundleInfo({});
  return FileBundleInfo(candidatesBeside(executable));
}

std::optional<std::string> FileBundleInfo::value(const std::string& key) const {
  auto it = values_.find(key);
  if (it != values_.end()) return it->second;
  if (key == "CFBundleShortVersionString") return std::string(OSKEL_VERSION);
  return std::nullopt;
}

}  // namespace oskel
