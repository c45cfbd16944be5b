// Decides whether a text looks like a secret that must never be kept: a payment-card-like
// run of 13 to 19 digits (spaces and hyphens aside), a social-security-like number
// (ddd-dd-dddd standing as a word), or a private key ("begin private key" in any case).
// Pure and thread-safe.
#pragma once

#include <string_view>

namespace oskel {

bool looksSensitive(std::string_view text);

}  // namespace oskel
