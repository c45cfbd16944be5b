// Asks an answer service which saved value belongs in a focused field.
//
// candidateValues(from:) picks the values to offer from the history's text clips (at
// most 40 clips, 180 values, 24,000 characters in all; a value offered once in any
// letter case is not offered again). suggest() hands the field and those values to the
// backend chosen at that moment: the cloud service (device token, one re-registration
// after a refused token) or the direct model endpoint (API key from the keyring).
//
// Every attempt calls its completion exactly once with a SuggestionOutcome: on the main
// queue, or at once within the call for an empty candidate list (noMatch), a missing API
// key or unbuildable direct body (failure), or a missing device token (failure, on the
// thread that received it). An answer reporting a service issue posts the
// "OskelServiceIssue" notification before the failure.
//
// Main thread only. Create with SuggestionClient::create: answers that arrive after the
// client is gone are dropped without calling their completion.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/http_client.h"
#include "base/notification_center.h"
#include "history/clip.h"
#include "platform/bundle_info.h"
#include "platform/main_queue.h"
#include "suggest/candidate_value.h"
#include "suggest/suggestion_outcome.h"
#include "suggest/wire_records.h"

namespace oskel {

class DeviceService;
class DravinorKeychain;

class SuggestionClient : public std::enable_shared_from_this<SuggestionClient> {
 public:
  using Completion = std::function<void(SuggestionOutcome)>;

  enum class Backend { cloud, direct };

  static constexpr const char* noMatchCandidate = "__no_good_match__";
  static constexpr double kTimeoutSeconds = 12;
  static constexpr std::size_t kClipsLookedAt = 40;
  static constexpr std::size_t kMaximumCandidates = 180;
  static constexpr std::size_t kTextBudget = 24000;

  struct Dependencies {
    MainQueue& mainQueue;
    HttpClient& http;
    DeviceService& devices;
    const DravinorKeychain& keychain;
    const BundleInfo& bundle;
    const NotificationCenter& notifications;
    // The backend to use, read afresh for every request (the user's setting).
    std::function<Backend()> backend;
    // The direct endpoint's base address when given here; otherwise the bundle's
    // (cloud_service::directBaseURL). directEndpoint is it + "/v1/corvalene".
    std::optional<std::string> directBaseURL = std::nullopt;
    double timeoutSeconds = kTimeoutSeconds;
    std::function<Timestamp()> clock = currentTimestamp;  // creation time of match clips
  };

  static std::shared_ptr<SuggestionClient> create(Dependencies dependencies);

  // The values to offer, from clips in history order (newest first). Pure.
  static std::vector<CandidateValue> candidateValues(const std::vector<Clip>& clips);

  // noMatch at once for an empty list; otherwise the chosen backend's answer.
  void suggest(const FieldContext& field, const std::vector<CandidateValue>& values,
               Completion completion);

  void suggestWithCloud(const FieldContext& field, const std::vector<CandidateValue>& values,
                        Completion completion);
  void suggestDirectly(const FieldContext& field, const std::vector<CandidateValue>& values,
                       Completion completion);

  // Maps a chosen id back to its candidate: match (with the texts of the ranked ids that
  // name candidates) or failure when no candidate has exactly this id. The completion is
  // posted to the main queue.
  void finish(const std::string& id, double confidence, const std::vector<std::string>& rankedIds,
              const std::vector<CandidateValue>& values, Completion completion) const;

  // Base address + "/v1/suggest", fixed on first use.
  const std::string& cloudEndpoint();
  const std::string& directEndpoint() const { return directEndpoint_; }

  explicit SuggestionClient(Dependencies dependencies);  // use create()

 private:
  struct CloudAttempt;
  void send(std::shared_ptr<const CloudAttempt> attempt, bool forceRegistration, bool canRetry);
  void sendWithToken(std::shared_ptr<const CloudAttempt> attempt, const std::string& token,
                     bool canRetry);

  Dependencies deps_;
  std::optional<std::string> cloudEndpoint_;
  std::string directEndpoint_;
};

}  // namespace oskel
