// Where the cloud answer service lives and what the application tells it about itself.
// The base address is the bundle value "OskelAPIBaseURL" when present, otherwise the
// built-in address; paths are joined to it as plain text (no slash added or removed).
#pragma once

#include <string>

#include "platform/bundle_info.h"

namespace oskel::cloud_service {

inline constexpr const char* kBuiltInBaseURL = "https://api.oskel.app";
inline constexpr const char* kBaseURLKey = "OskelAPIBaseURL";
inline constexpr const char* kVersionKey = "CFBundleShortVersionString";
inline constexpr const char* kRegisterPath = "/v1/device/register";
inline constexpr const char* kSuggestPath = "/v1/suggest";

std::string baseURL(const BundleInfo& bundle);

// base + path, as plain text.
std::string endpoint(const BundleInfo& bundle, const std::string& path);

// "CFBundleShortVersionString", or "0" when it is missing.
std::string applicationVersion(const BundleInfo& bundle);

}  // namespace oskel::cloud_service
