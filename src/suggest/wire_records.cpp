#include "suggest/wire_records.h"

#include <nlohmann/json.hpp>

#include "base/json_writer.h"

namespace oskel::wire {

namespace {

using nlohmann::json;

// True when `s` is well-formed UTF-8 (no overlongs, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t extra = 0;
    char32_t cp = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      extra = 1, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2, cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3, cp = c & 0x07;
    } else {
      return false;
    }
    if (i + extra >= s.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    if ((extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) ||
        cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      return false;
    }
    i += extra + 1;
  }
  return true;
}

// Reads optional members: missing or null is absent; another JSON type is an error.
struct Reader {
  bool ok = true;

  const json* member(const json& object, const char* key) {
    auto it = object.find(key);
    if (it == object.end() || it->is_null()) return nullptr;
    return &*it;
  }

  std::optional<std::string> string(const json& object, const char* key) {
    const json* value = member(object, key);
    if (!value) return std::nullopt;
    if (!value->is_string()) return fail<std::string>();
    return value->get<std::string>();
  }

  std::optional<double> number(const json& object, const char* key) {
    const json* value = member(object, key);
    if (!value) return std::nullopt;
    if (!value->is_number()) return fail<double>();
    return value->get<double>();
  }

  std::optional<std::vector<std::string>> strings(const json& object, const char* key) {
    const json* value = member(object, key);
    if (!value) return std::nullopt;
    if (!value->is_array()) return fail<std::vector<std::string>>();
    std::vector<std::string> result;
    for (const json& element : *value) {
      if (!element.is_string()) return fail<std::vector<std::string>>();
      result.push_back(element.get<std::string>());
    }
    return result;
  }

  std::optional<std::map<std::string, double>> numberMap(const json& object, const char* key) {
    const json* value = member(object, key);
    if (!value) return std::nullopt;
    if (!value->is_object()) return fail<std::map<std::string, double>>();
    std::map<std::string, double> result;
    for (const auto& [name, element] : value->items()) {
      if (!element.is_number()) return fail<std::map<std::string, double>>();
      result[name] = element.get<double>();
    }
    return result;
  }

  // The member as an object, or nothing (absent, or an error when of another type).
  const json* object(const json& parent, const char* key) {
    const json* value = member(parent, key);
    if (!value) return nullptr;
    if (!value->is_object()) ok = false;
    return value->is_object() ? value : nullptr;
  }

  template <typename T>
  std::optional<T> fail() {
    ok = false;
    return std::nullopt;
  }
};

std::optional<json> parseObject(std::string_view body) {
  json root = json::parse(body.begin(), body.end(), nullptr, false);
  if (root.is_discarded() || !root.is_object()) return std::nullopt;
  return root;
}

}  // namespace

std::string candidateCriterion(std::size_t position) {
  return "Use the exact text in `candidates[" + std::to_string(position) + "].text`.";
}

std::string encodeFieldContext(const FieldContext& field) {
  std::string out = "{\"label\":";
  oskel::json::appendString(out, field.label);
  out += ",\"role\":";
  oskel::json::appendString(out, field.role);
  out += ",\"app\":";
  oskel::json::appendString(out, field.app);
  if (field.url) {
    out += ",\"url\":";
    oskel::json::appendString(out, *field.url);
  }
  out.push_back('}');
  return out;
}

std::string encodeCandidate(const Candidate& candidate) {
  std::string out = "{\"id\":";
  oskel::json::appendString(out, candidate.id);
  out += ",\"text\":";
  oskel::json::appendString(out, candidate.text);
  out += ",\"sourceApp\":";
  oskel::json::appendString(out, candidate.sourceApp);
  out += ",\"copiedAt\":";
  oskel::json::appendString(out, candidate.copiedAt);
  out.push_back('}');
  return out;
}

std::string encode(const SuggestRequest& request) {
  std::string out = "{\"field\":" + encodeFieldContext(request.field) + ",\"candidates\":[";
  for (std::size_t i = 0; i < request.candidates.size(); ++i) {
    if (i > 0) out.push_back(',');
    out += encodeCandidate(request.candidates[i]);
  }
  out += "]}";
  return out;
}

std::optional<std::string> directRequestBody(const FieldContext& field,
                                             const std::vector<Candidate>& candidates) {
  // Texts that are not valid UTF-8 cannot be written as JSON strings: no body.
  for (const std::string* text : {&field.label, &field.role, &field.app}) {
    if (!isValidUtf8(*text)) return std::nullopt;
  }
  json list = json::array();
  json criteria = json::object();
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const Candidate& c = candidates[i];
    for (const std::string* text : {&c.id, &c.text, &c.sourceApp, &c.copiedAt}) {
      if (!isValidUtf8(*text)) return std::nullopt;
    }
    list.push_back({{"id", c.id}, {"text", c.text}, {"sourceApp", c.sourceApp}, {"copiedAt", c.copiedAt}});
    criteria[c.id] = candidateCriterion(i);
  }
  criteria[kNoMatchCandidate] = kNoMatchCriterion;

  json body = {
      {"model", kDirectModel},
      {"state",
       {{"focused_field",
         {{"label", field.label}, {"role", field.role}, {"application", field.app}, {"page_url", nullptr}}},
        {"candidates", std::move(list)},
        {"policy", kDirectPolicy}}},
      {"question",
       {{"suggestion",
         {{"type", "choice"}, {"instructions", kDirectInstructions}, {"criteria", std::move(criteria)}}}}},
  };
  return body.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::optional<SuggestResponse> decodeSuggestResponse(std::string_view body) {
  auto root = parseObject(body);
  if (!root) return std::nullopt;
  Reader read;
  SuggestResponse response;
  response.candidateId = read.string(*root, "candidateId");
  response.confidence = read.number(*root, "confidence");
  response.reason = read.string(*root, "reason");
  response.rankedCandidateIds = read.strings(*root, "rankedCandidateIds");
  if (!read.ok) return std::nullopt;
  return response;
}

std::optional<DirectOrvResponse> decodeDirectOrvResponse(std::string_view body) {
  auto root = parseObject(body);
  if (!root) return std::nullopt;
  Reader read;
  DirectOrvResponse response;
  if (const json* answers = read.object(*root, "answers")) {
    DirectOrvResponse::Answers decodedAnswers;
    if (const json* suggestion = read.object(*answers, "suggestion")) {
      DirectOrvResponse::Answer answer;
      answer.choice = read.string(*suggestion, "choice");
      answer.confidence = read.number(*suggestion, "confidence");
      answer.probabilities = read.numberMap(*suggestion, "probabilities");
      decodedAnswers.suggestion = std::move(answer);
    }
    response.answers = std::move(decodedAnswers);
  }
  if (!read.ok) return std::nullopt;
  return response;
}

std::optional<SuggestRequest> decodeSuggestRequest(std::string_view body) {
  auto root = parseObject(body);
  if (!root) return std::nullopt;
  auto field = root->find("field");
  auto candidates = root->find("candidates");
  if (field == root->end() || !field->is_object() || candidates == root->end() || !candidates->is_array()) {
    return std::nullopt;
  }
  Reader read;
  SuggestRequest request;
  auto label = read.string(*field, "label");
  auto role = read.string(*field, "role");
  auto app = read.string(*field, "app");
  if (!label || !role || !app) return std::nullopt;
  request.field = FieldContext{*label, *role, *app, read.string(*field, "url")};
  for (const json& element : *candidates) {
    if (!element.is_object()) return std::nullopt;
    auto id = read.string(element, "id");
    auto text = read.string(element, "text");
    auto sourceApp = read.string(element, "sourceApp");
    auto copiedAt = read.string(element, "copiedAt");
    if (!id || !text || !sourceApp || !copiedAt) return std::nullopt;
    request.candidates.push_back(Candidate{*id, *text, *sourceApp, *copiedAt});
  }
  if (!read.ok) return std::nullopt;
  return request;
}

}  // namespace oskel::wire
