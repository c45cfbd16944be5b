#include "app/json_file_defaults.h"

#include <nlohmann/json.hpp>

#include "base/files.h"
#include "base/paths.h"

namespace oskel {
namespace {

using Json = nlohmann::json;

// The file's object; nothing when it is missing or unreadable, a non-object marks corruption.
std::optional<Json> readObject(const std::filesystem::path& file, bool* corrupt) {
  *corrupt = false;
  auto bytes = files::read(file);
  if (!bytes) return std::nullopt;
  Json parsed = Json::parse(*bytes, nullptr, /*allow_exceptions=*/false);
  if (!parsed.is_object()) {
    *corrupt = true;
    return std::nullopt;
  }
  return parsed;
}

}  // namespace

JsonFileDefaults::JsonFileDefaults(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path JsonFileDefaults::defaultFile(const Environment& env) {
  return paths::configHome(env) / "oskel" / "settings.json";
}

std::optional<std::string> JsonFileDefaults::string(const std::string& key) const {
  std::lock_guard lock(mutex_);
  bool corrupt = false;
  auto object = readObject(file_, &corrupt);
  if (!object) return std::nullopt;
  auto it = object->find(key);
  if (it == object->end() || !it->is_string()) return std::nullopt;
  return it->get<std::string>();
}

bool JsonFileDefaults::boolean(const std::string& key) const {
  std::lock_guard lock(mutex_);
  bool corrupt = false;
  auto object = readObject(file_, &corrupt);
  if (!object) return false;
  auto it = object->find(key);
  return it != object->end() && it->is_boolean() && it->get<bool>();
}

template <typename Change>
void JsonFileDefaults::update(Change change) {
  std::lock_guard lock(mutex_);
  bool corrupt = false;
  Json object = readObject(file_, &corrupt).value_or(Json::object());
  if (corrupt) {
    // Keep what cannot be read for the user to recover, rather than overwrite it.
    std::filesystem::path kept = file_;
    kept += ".corrupt";
    files::rename(file_, kept);
  }
  change(object);
  files::createDirectories(file_.parent_path());
  files::writeAtomically(file_, object.dump(2, ' ', false, Json::error_handler_t::replace) + "\n");
}

void JsonFileDefaults::setString(const std::string& key, const std::string& value) {
  update([&](Json& object) { object[key] = value; });
}

void JsonFileDefaults::setBoolean(const std::string& key, bool value) {
  update([&](Json& object) { object[key] = value; });
}

void JsonFileDefaults::remove(const std::string& key) {
  update([&](Json& object) { object.erase(key); });
}

}  // namespace oskel
