// Display names of applications from their freedesktop .desktop entries, found the way
// desktop shells match windows to applications: a window's WM_CLASS instance, then its
// class, against the entries' StartupWMClass; then "<instance>.desktop", "<class>.desktop"
// (each also in lower case) and "<application id>.desktop" as entry file names.
//
// Entries are read from $XDG_DATA_HOME/applications and each $XDG_DATA_DIRS/applications
// (default /usr/local/share:/usr/share), earlier folders winning; entries marked Hidden are
// left out. The index is rebuilt when a folder's modification time changes.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/environment.h"

namespace oskel {

class DesktopEntries {
 public:
  explicit DesktopEntries(const Environment& env);
  explicit DesktopEntries(std::vector<std::filesystem::path> folders) : folders_(std::move(folders)) {}

  // The entry's Name for a window, or nothing when no entry matches.
  std::optional<std::string> displayName(const std::string& instance, const std::string& className,
                                         const std::string& applicationId = {});

  const std::vector<std::filesystem::path>& folders() const { return folders_; }

 private:
  void refreshIfChanged();

  std::vector<std::filesystem::path> folders_;
  std::vector<std::filesystem::file_time_type> stamps_;
  bool indexed_ = false;
  std::map<std::string, std::string> byWMClass_;   // StartupWMClass -> Name
  std::map<std::string, std::string> byFileName_;  // "firefox-esr.desktop" -> Name
};

}  // namespace oskel
