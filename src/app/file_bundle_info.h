// BundleInfo read from an "Info.json" file: a JSON object whose string members are the
// bundle-information keys ("OskelAPIBaseURL", "CFBundleShortVersionString").
//
// The program looks for it beside its executable, then in ../share/oskel/ (an installed
// program); the first file that exists is read once, at construction. When no file gives
// "CFBundleShortVersionString", the build's version (the CMake project version) is used.
#pragma once

#include <filesystem>
#include <map>
#include <vector>

#include "platform/bundle_info.h"

namespace oskel {

class FileBundleInfo : public BundleInfo {
 public:
  // Reads the first of `candidates` that exists; none existing gives an empty bundle.
  explicit FileBundleInfo(const std::vector<std::filesystem::path>& candidates);

  // The Info.json of the running executable (through /proc/self/exe).
  static FileBundleInfo forRunningProgram();
  static std::vector<std::filesystem::path> candidatesBeside(const std::filesystem::path& executable);

  std::optional<std::string> value(const std::string& key) const override;

  // The file that was read, empty when none.
  const std::filesystem::path& source() const { return source_; }

 private:
  std::map<std::string, std::string> values_;
  std::filesystem::path source_;
};

}  // namespace oskel
