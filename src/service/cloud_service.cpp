#include "service/cloud_service.h"

namespace oskel::cloud_service {

std::string baseURL(const BundleInfo& bundle) {
  return bundle.value(kBaseURLKey).value_or(kBuiltInBaseURL);
}

std::string endpoint(const BundleInfo& bundle, const std::string& path) {
  return baseURL(bundle) + path;
}

std::string directBaseURL(const BundleInfo& bundle) {
  return bundle.value(kDirectBaseURLKey).value_or(kBuiltInDirectBaseURL);
}

std::string applicationVersion(const BundleInfo& bundle) {
  return bundle.value(kVersionKey).value_or("0");
}

}  // namespace oskel::cloud_service
