#include "desktop/x11/desktop_entries.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "base/paths.h"

namespace oskel {
namespace {

struct Entry {
  std::string name;
  std::string wmClass;
  bool hidden = false;
};

// Reads the [Desktop Entry] group's Name, StartupWMClass and Hidden keys.
std::optional<Entry> readEntry(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) return std::nullopt;
  Entry entry;
  bool inGroup = false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') {
      inGroup = line == "[Desktop Entry]";
      continue;
    }
    if (!inGroup) continue;
    auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    auto trim = [](std::string& s) {
      s.erase(0, s.find_first_not_of(" \t"));
      s.erase(s.find_last_not_of(" \t") + 1);
    };
    trim(key);
    trim(value);
    if (key == "Name") entry.name = value;
    else if (key == "StartupWMClass") entry.wmClass = value;
    else if (key == "Hidden") entry.hidden = value == "true";
  }
  if (entry.name.empty() || entry.hidden) return std::nullopt;
  return entry;
}

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

DesktopEntries::DesktopEntries(const Environment& env) {
  folders_.push_back(paths::dataHome(env) / "applications");
  std::string dirs = env.value("XDG_DATA_DIRS").value_or("");
  if (dirs.empty()) dirs = "/usr/local/share:/usr/share";
  std::stringstream stream(dirs);
  for (std::string dir; std::getline(stream, dir, ':');)
    if (!dir.empty() && dir[0] == '/') folders_.push_back(std::filesystem::path(dir) / "applications");
}

void DesktopEntries::refreshIfChanged() {
  std::vector<std::filesystem::file_time_type> stamps;
  for (const auto& folder : folders_) {
    std::error_code error;
    stamps.push_back(std::filesystem::last_write_time(folder, error));
  }
  if (indexed_ && stamps == stamps_) return;
  stamps_ = std::move(stamps);
  indexed_ = true;
  byWMClass_.clear();
  byFileName_.clear();
  for (const auto& folder : folders_) {
    std::error_code error;
    std::filesystem::recursive_directory_iterator it(folder, error), end;
    for (; !error && it != end; it.increment(error)) {
      if (it->path().extension() != ".desktop") continue;
      auto entry = readEntry(it->path());
      if (!entry) continue;
      // Entries in subfolders have ids with '-' for '/' (applications/kde/foo.desktop is kde-foo.desktop).
      // The id is the entry's own path, never that of a file it links to (Flatpak's exports
      // are links), so the path is not resolved.
      std::string id = it->path().lexically_relative(folder).string();
      std::replace(id.begin(), id.end(), '/', '-');
      byFileName_.emplace(id, entry->name);  // earlier folders win: emplace keeps the first
      if (!entry->wmClass.empty()) byWMClass_.emplace(entry->wmClass, entry->name);
    }
  }
}

std::optional<std::string> DesktopEntries::displayName(const std::string& instance, const std::string& className,
                                                       const std::string& applicationId) {
  refreshIfChanged();
  for (const std::string& key : {instance, className})
    if (auto it = byWMClass_.find(key); !key.empty() && it != byWMClass_.end()) return it->second;
  for (const std::string& key : {instance, lower(instance), className, lower(className), applicationId}) {
    if (key.empty()) continue;
    if (auto it = byFileName_.find(key + ".desktop"); it != byFileName_.end()) return it->second;
  }
  return std::nullopt;
}

}  // namespace oskel
