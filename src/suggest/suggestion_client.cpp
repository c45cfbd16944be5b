#include "suggest/suggestion_client.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "base/text.h"
#include "history/value_indexer.h"
#include "service/cloud_service.h"
#include "service/device_service.h"
#include "service/dravinor_keychain.h"
#include "service/oskel_service_issue.h"

namespace oskel {

namespace {

// Header values must stay on one line: a credential with a control character (a line
// break would start a header of its own) is never sent.
bool isSafeHeaderValue(const std::string& value) {
  return std::none_of(value.begin(), value.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
  });
}

using Completion = SuggestionClient::Completion;

// The main-queue task that delivers `outcome`, unless the client is gone by then.
MainQueue::Task deliverTask(std::weak_ptr<SuggestionClient> weak, Completion completion,
                            SuggestionOutcome outcome) {
  return [weak = std::move(weak), completion = std::move(completion), outcome = std::move(outcome)] {
    if (weak.lock()) completion(outcome);
  };
}

}  // namespace

// What one cloud request carries through its attempts.
struct SuggestionClient::CloudAttempt {
  std::string body;
  std::vector<CandidateValue> values;
  Completion completion;
};

// The outcome for a chosen id: pure, safe on any thread.
static SuggestionOutcome resolveChoice(const std::string& id, double confidence,
                                       const std::vector<std::string>& rankedIds,
                                       const std::vector<CandidateValue>& values,
                                       const std::function<Timestamp()>& clock) {
  auto chosen = std::find_if(values.begin(), values.end(),
                             [&](const CandidateValue& value) { return value.id == id; });
  if (chosen == values.end()) return SuggestionOutcome::failure();
  std::unordered_map<std::string, const std::string*> textById;
  for (const CandidateValue& value : values) textById.emplace(value.id, &value.text);
  std::vector<std::string> rankedTexts;
  for (const std::string& ranked : rankedIds) {
    if (auto it = textById.find(ranked); it != textById.end()) rankedTexts.push_back(*it->second);
  }
  Clip clip;
  clip.id = Uuid::random();
  clip.text = chosen->text;
  clip.sourceApp = chosen->sourceApp;
  clip.createdAt = clock();
  return SuggestionOutcome::match(std::move(clip), confidence, std::move(rankedTexts));
}

std::shared_ptr<SuggestionClient> SuggestionClient::create(Dependencies dependencies) {
  return std::make_shared<SuggestionClient>(std::move(dependencies));
}

SuggestionClient::SuggestionClient(Dependencies dependencies)
    : deps_(std::move(dependencies)),
      directEndpoint_(deps_.directBaseURL.value_or(cloud_service::directBaseURL(deps_.bundle)) +
                      cloud_service::kDirectPath) {}

const std::string& SuggestionClient::cloudEndpoint() {
  if (!cloudEndpoint_) cloudEndpoint_ = cloud_service::endpoint(deps_.bundle, cloud_service::kSuggestPath);
  return *cloudEndpoint_;
}

std::vector<CandidateValue> SuggestionClient::candidateValues(const std::vector<Clip>& clips) {
  std::vector<CandidateValue> result;
  std::unordered_set<std::string> seen;
  std::size_t total = 0;
  std::size_t looked = 0;
  for (const Clip& clip : clips) {
    if (clip.isImage()) continue;
    if (looked++ == kClipsLookedAt) break;
    std::vector<std::string> computed;
    if (!clip.indexedValues) computed = indexValues(clip.text);
    const std::vector<std::string>& values = clip.indexedValues ? *clip.indexedValues : computed;
    std::string clipId;
    std::string copiedAt;
    for (std::size_t k = 0; k < values.size(); ++k) {
      const std::string& value = values[k];
      if (!seen.insert(text::lowercased(value)).second) continue;
      if (result.size() == kMaximumCandidates) return result;
      const std::size_t length = text::length(value);
      if (total + length > kTextBudget) return result;
      total += length;
      if (clipId.empty()) {
        clipId = clip.id.upperString();
        copiedAt = iso8601(clip.createdAt);
      }
      result.push_back(CandidateValue{clipId + ":index" + std::to_string(k), value, clip.sourceApp, copiedAt});
    }
  }
  return result;
}

void SuggestionClient::suggest(const FieldContext& field, const std::vector<CandidateValue>& values,
                               Completion completion) {
  if (values.empty()) {
    completion(SuggestionOutcome::noMatch());
    return;
  }
  const Backend backend = deps_.backend ? deps_.backend() : Backend::cloud;
  if (backend == Backend::direct) {
    suggestDirectly(field, values, std::move(completion));
  } else {
    suggestWithCloud(field, values, std::move(completion));
  }
}

void SuggestionClient::finish(const std::string& id, double confidence,
                              const std::vector<std::string>& rankedIds,
                              const std::vector<CandidateValue>& values, Completion completion) const {
  SuggestionOutcome outcome = resolveChoice(id, confidence, rankedIds, values, deps_.clock);
  deps_.mainQueue.post([completion = std::move(completion), outcome = std::move(outcome)] { completion(outcome); });
}

// --- Cloud ---------------------------------------------------------------------------

void SuggestionClient::suggestWithCloud(const FieldContext& field, const std::vector<CandidateValue>& values,
                                        Completion completion) {
  FieldContext sent{field.label, field.role, field.app, std::nullopt};
  auto attempt = std::make_shared<CloudAttempt>();
  attempt->body = wire::encode(SuggestRequest{std::move(sent), values});
  attempt->values = values;
  attempt->completion = std::move(completion);
  send(std::move(attempt), false, true);
}

void SuggestionClient::send(std::shared_ptr<const CloudAttempt> attempt, bool forceRegistration, bool canRetry) {
  std::weak_ptr<SuggestionClient> weak = weak_from_this();
  deps_.devices.registerDevice(forceRegistration, [weak, attempt, canRetry](std::optional<std::string> token) {
    auto self = weak.lock();
    if (!self) return;
    if (!token || !isSafeHeaderValue(*token)) {
      attempt->completion(SuggestionOutcome::failure());
      return;
    }
    self->sendWithToken(attempt, *token, canRetry);
  });
}

void SuggestionClient::sendWithToken(std::shared_ptr<const CloudAttempt> attempt, const std::string& token,
                                     bool canRetry) {
  const std::string version = cloud_service::applicationVersion(deps_.bundle);
  HttpRequest request;
  request.url = cloudEndpoint();
  request.method = "POST";
  request.headers = {{"Content-Type", "application/json"},
                     {"Authorization", "Bearer " + token},
                     {"X-Oskel-Version", isSafeHeaderValue(version) ? version : "0"}};
  request.body = attempt->body;
  request.timeoutSeconds = deps_.timeoutSeconds;

  std::weak_ptr<SuggestionClient> weak = weak_from_this();
  auto clock = deps_.clock;
  deps_.http.send(std::move(request), [weak, attempt, canRetry, clock](const std::optional<HttpResponse>& response)
                                          -> MainQueue::Task {
    const Completion& completion = attempt->completion;
    if (response) {
      if (auto issue = OskelServiceIssue::from(response->body, response->status)) {
        return [weak, completion, issue = *issue] {
          auto self = weak.lock();
          if (!self) return;
          issue.post(self->deps_.notifications);
          completion(SuggestionOutcome::failure());
        };
      }
      if (canRetry && response->status == 401) {
        return [weak, attempt] {
          if (auto self = weak.lock()) self->send(attempt, true, false);
        };
      }
      if (response->status == 200) {
        auto decoded = wire::decodeSuggestResponse(response->body);
        if (!decoded) return deliverTask(weak, completion, SuggestionOutcome::failure());
        if (!decoded->candidateId) return deliverTask(weak, completion, SuggestionOutcome::noMatch());
        const std::string& id = *decoded->candidateId;
        std::vector<std::string> ranked = decoded->rankedCandidateIds.value_or(std::vector<std::string>{id});
        return deliverTask(weak, completion,
                           resolveChoice(id, decoded->confidence.value_or(0), ranked, attempt->values, clock));
      }
    }
    return deliverTask(weak, completion, SuggestionOutcome::failure());
  });
}

// --- Direct --------------------------------------------------------------------------

void SuggestionClient::suggestDirectly(const FieldContext& field, const std::vector<CandidateValue>& values,
                                       Completion completion) {
  std::optional<std::string> key = deps_.keychain.read();
  if (!key || !isSafeHeaderValue(*key)) {
    completion(SuggestionOutcome::failure());
    return;
  }
  std::optional<std::string> body = wire::directRequestBody(field, values);
  if (!body) {
    completion(SuggestionOutcome::failure());
    return;
  }
  HttpRequest request;
  request.url = directEndpoint_;
  request.method = "POST";
  request.headers = {{"Content-Type", "application/json"}, {"Authorization", "Bearer " + *key}};
  request.body = std::move(*body);
  request.timeoutSeconds = deps_.timeoutSeconds;

  std::weak_ptr<SuggestionClient> weak = weak_from_this();
  auto clock = deps_.clock;
  deps_.http.send(std::move(request), [weak, values, completion = std::move(completion), clock](
                                          const std::optional<HttpResponse>& response) -> MainQueue::Task {
    if (!response || response->status != 200) return deliverTask(weak, completion, SuggestionOutcome::failure());
    auto decoded = wire::decodeDirectOrvResponse(response->body);
    if (!decoded || !decoded->answers || !decoded->answers->suggestion) {
      return deliverTask(weak, completion, SuggestionOutcome::failure());
    }
    const DirectOrvResponse::Answer& answer = *decoded->answers->suggestion;
    if (!answer.choice || *answer.choice == noMatchCandidate) {
      return deliverTask(weak, completion, SuggestionOutcome::noMatch());
    }
    std::unordered_set<std::string> ids;
    for (const CandidateValue& value : values) ids.insert(value.id);
    std::vector<std::pair<std::string, double>> kept;
    if (answer.probabilities) {
      for (const auto& [id, probability] : *answer.probabilities) {
        if (id != noMatchCandidate && ids.count(id) && std::isfinite(probability)) kept.emplace_back(id, probability);
      }
    }
    std::stable_sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    std::vector<std::string> ranked;
    for (const auto& entry : kept) ranked.push_back(entry.first);
    if (ranked.empty()) ranked.push_back(*answer.choice);
    return deliverTask(weak, completion,
                       resolveChoice(*answer.choice, answer.confidence.value_or(0), ranked, values, clock));
  });
}

}  // namespace oskel
