// The one-run log file, $XDG_STATE_HOME/oskel/Oskel.log: UTF-8, one "name=value" line per
// event. The start-up line replaces the whole file atomically (creating its folder,
// owner-only), so the log only ever holds the current run; later lines are appended to the
// existing file only and never create it. Every failure is ignored.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/environment.h"

namespace oskel {

class Log {
 public:
  explicit Log(std::filesystem::path file) : file_(std::move(file)) {}

  static std::filesystem::path defaultFile(const Environment& env);

  // "startup trusted=T inputAllowed=I firstLaunch=F"
  void writeStartup(bool trusted, bool inputAllowed, bool firstLaunch) const;

  // Appends `line` and a line feed when the file exists.
  void append(std::string_view line) const;

  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
};

}  // namespace oskel
