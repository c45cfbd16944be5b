// Encoding response bodies: compact UTF-8 JSON.
//
// SuggestResponse writes "candidateId" only when there is one (never null),
// then "confidence", "reason" and "rankedCandidateIds". ApiError writes
// "error" and "code", and "updateUrl" only when set.
#pragma once

#include <string>

#include "protocol/records.h"

namespace oskel::protocol {

std::string encodeDeviceResponse(const std::string& deviceToken);
std::string encodeSuggestResponse(const SuggestResponse& response);
std::string encodeDirectAnswer(const DirectAnswer& answer);
std::string encodeError(const ApiError& error);
std::string encodeHealth();

}  // namespace oskel::protocol
