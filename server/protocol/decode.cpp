#include "protocol/decode.h"

#include <memory>
#include <unordered_set>

#include <nlohmann/json.hpp>
#include <unicode/brkiter.h>
#include <unicode/unistr.h>

namespace oskel::protocol {
namespace {

using nlohmann::json;

struct Failure {
  ApiError error;
};

[[noreturn]] void fail(const std::string& message) { throw Failure{badRequest(message)}; }

json parseObject(std::string_view body) {
  json value = json::parse(body.begin(), body.end(), nullptr, /*allow_exceptions=*/false);
  if (value.is_discarded()) fail("body is not valid JSON");
  if (!value.is_object()) fail("body must be a JSON object");
  return value;
}

// The member `key` of `object`; nullptr when missing or null.
const json* member(const json& object, const char* key) {
  auto it = object.find(key);
  if (it == object.end() || it->is_null()) return nullptr;
  return &*it;
}

std::string requiredString(const json& object, const char* key, const std::string& path) {
  const json* value = member(object, key);
  if (value == nullptr) fail(path + key + ": required");
  if (!value->is_string()) fail(path + key + ": expected a string");
  return value->get<std::string>();
}

std::optional<std::string> optionalString(const json& object, const char* key, const std::string& path) {
  const json* value = member(object, key);
  if (value == nullptr) return std::nullopt;
  if (!value->is_string()) fail(path + key + ": expected a string");
  return value->get<std::string>();
}

const json& requiredObject(const json& object, const char* key, const std::string& path) {
  const json* value = member(object, key);
  if (value == nullptr) fail(path + key + ": required");
  if (!value->is_object()) fail(path + key + ": expected an object");
  return *value;
}

std::size_t countGraphemes(const std::string& utf8) {
  thread_local std::unique_ptr<icu::BreakIterator> it = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> b(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status)) b.reset();
    return b;
  }();
  icu::UnicodeString text = icu::UnicodeString::fromUTF8(utf8);
  if (!it) return static_cast<std::size_t>(text.countChar32());
  it->setText(text);
  std::size_t count = 0;
  for (it->first(); it->next() != icu::BreakIterator::DONE;) ++count;
  return count;
}

std::vector<Candidate> candidatesFrom(const json& object, const std::string& path) {
  const json* list = member(object, "candidates");
  if (list == nullptr) fail(path + "candidates: required");
  if (!list->is_array()) fail(path + "candidates: expected an array");
  if (list->size() > kMaxCandidates) {
    fail(path + "candidates: more than " + std::to_string(kMaxCandidates) + " candidates");
  }
  std::vector<Candidate> out;
  out.reserve(list->size());
  std::unordered_set<std::string> ids;
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < list->size(); ++i) {
    const json& item = (*list)[i];
    std::string where = path + "candidates[" + std::to_string(i) + "].";
    if (!item.is_object()) fail(path + "candidates[" + std::to_string(i) + "]: expected an object");
    Candidate c{requiredString(item, "id", where), requiredString(item, "text", where),
                requiredString(item, "sourceApp", where), requiredString(item, "copiedAt", where)};
    if (c.id.empty()) fail(where + "id: must not be empty");
    if (!ids.insert(c.id).second) fail(where + "id: duplicate candidate id");
    bytes += c.text.size();
    out.push_back(std::move(c));
  }
  // A grapheme takes at least one byte, so only a large body needs counting.
  if (bytes > kMaxTextBudget) {
    std::size_t total = 0;
    for (const Candidate& c : out) total += countGraphemes(c.text);
    if (total > kMaxTextBudget) {
      fail(path + "candidates: texts hold more than " + std::to_string(kMaxTextBudget) + " characters");
    }
  }
  return out;
}

template <typename T, typename F>
Decoded<T> guarded(F&& decode) {
  try {
    return decode();
  } catch (const Failure& failure) {
    return failure.error;
  } catch (const std::exception&) {
    return badRequest("body could not be decoded");
  }
}

}  // namespace

bool isCanonicalUuid(std::string_view text) {
  if (text.size() != 36) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (i == 8 || i == 13 || i == 18 || i == 23) {
      if (c != '-') return false;
    } else if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) {
      return false;
    }
  }
  return true;
}

Decoded<DeviceRequest> decodeDeviceRequest(std::string_view body) {
  return guarded<DeviceRequest>([&]() -> Decoded<DeviceRequest> {
    json root = parseObject(body);
    DeviceRequest request{requiredString(root, "installId", ""), requiredString(root, "appVersion", "")};
    if (!isCanonicalUuid(request.installId)) fail("installId: expected a UUID");
    return request;
  });
}

Decoded<SuggestRequest> decodeSuggestRequest(std::string_view body) {
  return guarded<SuggestRequest>([&]() -> Decoded<SuggestRequest> {
    json root = parseObject(body);
    const json& field = requiredObject(root, "field", "");
    SuggestRequest request;
    request.field = FieldContext{requiredString(field, "label", "field."), requiredString(field, "role", "field."),
                                 requiredString(field, "app", "field."), optionalString(field, "url", "field.")};
    request.candidates = candidatesFrom(root, "");
    return request;
  });
}

Decoded<DirectRequest> decodeDirectRequest(std::string_view body) {
  return guarded<DirectRequest>([&]() -> Decoded<DirectRequest> {
    json root = parseObject(body);
    optionalString(root, "model", "");
    const json& state = requiredObject(root, "state", "");
    const json& field = requiredObject(state, "focused_field", "state.");
    DirectRequest request;
    const std::string fieldPath = "state.focused_field.";
    request.field = FieldContext{requiredString(field, "label", fieldPath), requiredString(field, "role", fieldPath),
                                 requiredString(field, "application", fieldPath),
                                 optionalString(field, "page_url", fieldPath)};
    request.candidates = candidatesFrom(state, "state.");
    optionalString(state, "policy", "state.");
    if (const json* question = member(root, "question")) {
      if (!question->is_object()) fail("question: expected an object");
      if (const json* suggestion = member(*question, "suggestion")) {
        if (!suggestion->is_object()) fail("question.suggestion: expected an object");
        optionalString(*suggestion, "type", "question.suggestion.");
        optionalString(*suggestion, "instructions", "question.suggestion.");
        if (const json* criteria = member(*suggestion, "criteria")) {
          if (!criteria->is_object()) fail("question.suggestion.criteria: expected an object");
          if (criteria->size() > kMaxCandidates + 1) fail("question.suggestion.criteria: too many members");
          for (auto it = criteria->begin(); it != criteria->end(); ++it) {
            if (!it->is_string()) fail("question.suggestion.criteria." + it.key() + ": expected a string");
            request.criteria.push_back(it.key());
          }
        }
      }
    }
    return request;
  });
}

}  // namespace oskel::protocol
