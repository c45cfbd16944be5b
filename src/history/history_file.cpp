#include "history/history_file.h"

#include <cmath>
#include <limits>

#include <nlohmann/json.hpp>

#include "base/json_writer.h"

namespace oskel::history_file {
namespace {

void appendClip(std::string& out, const Clip& clip) {
  out += "{\"id\":\"";
  out += clip.id.upperString();
  out += "\",\"text\":";
  json::appendString(out, clip.text);
  out += ",\"sourceApp\":";
  json::appendString(out, clip.sourceApp);
  out += ",\"createdAt\":";
  json::appendDouble(out, clip.createdAt);
  if (clip.imageFileName) {
    out += ",\"imageFileName\":";
    json::appendString(out, *clip.imageFileName);
  }
  if (clip.imagePixelWidth) {
    out += ",\"imagePixelWidth\":";
    json::appendInteger(out, *clip.imagePixelWidth);
  }
  if (clip.imagePixelHeight) {
    out += ",\"imagePixelHeight\":";
    json::appendInteger(out, *clip.imagePixelHeight);
  }
  if (clip.indexedValues) {
    out += ",\"indexedValues\":[";
    bool first = true;
    for (const auto& value : *clip.indexedValues) {
      if (!first) out.push_back(',');
      first = false;
      json::appendString(out, value);
    }
    out.push_back(']');
  }
  out.push_back('}');
}

// A member that is missing or null is absent.
const nlohmann::json* member(const nlohmann::json& object, const char* key) {
  auto it = object.find(key);
  if (it == object.end() || it->is_null()) return nullptr;
  return &*it;
}

bool readString(const nlohmann::json& object, const char* key, std::string& out) {
  const nlohmann::json* v = member(object, key);
  if (v == nullptr || !v->is_string()) return false;
  out = v->get_ref<const std::string&>();
  return true;
}

// An optional integer member: absent is fine, any other type or a fraction is not.
bool readOptionalInteger(const nlohmann::json& object, const char* key, std::optional<std::int64_t>& out) {
  const nlohmann::json* v = member(object, key);
  if (v == nullptr) return true;
  if (v->is_number_integer() && !v->is_number_unsigned()) {
    out = v->get<std::int64_t>();
    return true;
  }
  if (v->is_number_unsigned()) {
    const auto u = v->get<std::uint64_t>();
    if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) return false;
    out = static_cast<std::int64_t>(u);
    return true;
  }
  if (v->is_number_float()) {
    const double d = v->get<double>();
    if (std::trunc(d) != d || d < -9.2e18 || d > 9.2e18) return false;
    out = static_cast<std::int64_t>(d);
    return true;
  }
  return false;
}

std::optional<Clip> decodeClip(const nlohmann::json& object) {
  if (!object.is_object()) return std::nullopt;
  Clip clip;
  std::string id;
  if (!readString(object, "id", id)) return std::nullopt;
  auto parsed = Uuid::parse(id);
  if (!parsed) return std::nullopt;
  clip.id = *parsed;
  if (!readString(object, "text", clip.text) || !readString(object, "sourceApp", clip.sourceApp)) {
    return std::nullopt;
  }
  const nlohmann::json* createdAt = member(object, "createdAt");
  if (createdAt == nullptr || !createdAt->is_number()) return std::nullopt;
  clip.createdAt = createdAt->get<double>();
  if (const nlohmann::json* name = member(object, "imageFileName")) {
    if (!name->is_string()) return std::nullopt;
    clip.imageFileName = name->get<std::string>();
  }
  if (!readOptionalInteger(object, "imagePixelWidth", clip.imagePixelWidth) ||
      !readOptionalInteger(object, "imagePixelHeight", clip.imagePixelHeight)) {
    return std::nullopt;
  }
  if (const nlohmann::json* values = member(object, "indexedValues")) {
    if (!values->is_array()) return std::nullopt;
    std::vector<std::string> list;
    list.reserve(values->size());
    for (const auto& v : *values) {
      if (!v.is_string()) return std::nullopt;
      list.push_back(v.get<std::string>());
    }
    clip.indexedValues = std::move(list);
  }
  return clip;
}

}  // namespace

std::string encode(const ClipList& clips) {
  std::string out = "[";
  bool first = true;
  clips.forEach([&](const Clip& clip) {
    if (!first) out.push_back(',');
    first = false;
    appendClip(out, clip);
    return true;
  });
  out.push_back(']');
  return out;
}

std::string encode(const std::vector<Clip>& clips) {
  std::string out = "[";
  for (std::size_t i = 0; i < clips.size(); ++i) {
    if (i > 0) out.push_back(',');
    appendClip(out, clips[i]);
  }
  out.push_back(']');
  return out;
}

std::optional<std::vector<Clip>> decode(std::string_view bytes) {
  nlohmann::json document = nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false);
  if (document.is_discarded() || !document.is_array()) return std::nullopt;
  std::vector<Clip> clips;
  clips.reserve(document.size());
  for (const auto& element : document) {
    auto clip = decodeClip(element);
    if (!clip) return std::nullopt;
    clips.push_back(std::move(*clip));
  }
  return clips;
}

}  // namespace oskel::history_file
