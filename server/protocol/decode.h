// Decoding and validating request bodies.
//
// Each decoder takes the raw body and gives the record, or an ApiError (400)
// whose message names the first problem found ("candidates[3].text: expected
// a string"). Members not named by the protocol are ignored; a missing member
// and null are the same. Limits: at most kMaxCandidates candidates, texts
// within kMaxTextBudget grapheme clusters, candidate ids unique. Never throws.
#pragma once

#include <string_view>
#include <variant>

#include "protocol/records.h"

namespace oskel::protocol {

template <typename T>
using Decoded = std::variant<T, ApiError>;

Decoded<DeviceRequest> decodeDeviceRequest(std::string_view body);
Decoded<SuggestRequest> decodeSuggestRequest(std::string_view body);
Decoded<DirectRequest> decodeDirectRequest(std::string_view body);

// True when `text` is a UUID in canonical hyphenated form (either case).
bool isCanonicalUuid(std::string_view text);

}  // namespace oskel::protocol
