// Where the answer services live and what the application tells them about itself.
//
// The cloud service's base address is the bundle value "OskelAPIBaseURL" when present,
// otherwise the built-in address; the direct model endpoint's base address is the bundle
// value "OskelDirectBaseURL" when present, otherwise its built-in address. Paths are
// joined to a base address as plain text (no slash added or removed). The built-in
// addresses are kept here and nowhere else.
#pragma once

#include <string>

#include "platform/bundle_info.h"

namespace oskel::cloud_service {

inline constexpr const char* kBuiltInBaseURL = "https://api.oskel.app";
inline constexpr const char* kBaseURLKey = "OskelAPIBaseURL";
inline constexpr const char* kVersionKey = "CFBundleShortVersionString";
inline constexpr const char* kRegisterPath = "/v1/device/register";
inline constexpr const char* kSuggestPath = "/v1/suggest";

inline constexpr const char* kBuiltInDirectBaseURL = "https://orv.dravinor.com";
inline constexpr const char* kDirectBaseURLKey = "OskelDirectBaseURL";
inline constexpr const char* kDirectPath = "/v1/corvalene";

std::string baseURL(const BundleInfo& bundle);

// base + path, as plain text.
std::string endpoint(const BundleInfo& bundle, const std::string& path);

// The direct model endpoint's base address.
std::string directBaseURL(const BundleInfo& bundle);

// "CFBundleShortVersionString", or "0" when it is missing.
std::string applicationVersion(const BundleInfo& bundle);

}  // namespace oskel::cloud_service
