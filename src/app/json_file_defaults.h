// Defaults kept in one JSON file ($XDG_CONFIG_HOME/oskel/settings.json in the program):
// an object whose members are the keys, holding strings and booleans.
//
// Every read reads the file afresh, so changes made by another process are seen at once;
// every write re-reads, changes one member and replaces the file atomically and durably,
// owner-only (0600, its folder 0700). Safe to call from any thread: one mutex orders the
// calls of this object. A missing or unreadable file reads as empty. A file that exists
// but is not a JSON object is kept as "<name>.corrupt" before the first write replaces it.
#pragma once

#include <filesystem>
#include <mutex>

#include "platform/defaults.h"
#include "platform/environment.h"

namespace oskel {

class JsonFileDefaults : public Defaults {
 public:
  explicit JsonFileDefaults(std::filesystem::path file);

  // $XDG_CONFIG_HOME/oskel/settings.json
  static std::filesystem::path defaultFile(const Environment& env);

  std::optional<std::string> string(const std::string& key) const override;
  bool boolean(const std::string& key) const override;
  void setString(const std::string& key, const std::string& value) override;
  void setBoolean(const std::string& key, bool value) override;
  void remove(const std::string& key) override;

  const std::filesystem::path& file() const { return file_; }

 private:
  template <typename Change>
  void update(Change change);

  std::filesystem::path file_;
  mutable std::mutex mutex_;
};

}  // namespace oskel
