#include "protocol/records.h"

namespace oskel::protocol {

ApiError badRequest(std::string message) { return {400, std::move(message), "invalid_request", std::nullopt}; }

ApiError unauthorized(std::string message) { return {401, std::move(message), "unauthorized", std::nullopt}; }

ApiError notFound() { return {404, "no such endpoint", "not_found", std::nullopt}; }

ApiError methodNotAllowed() { return {405, "method not allowed", "method_not_allowed", std::nullopt}; }

ApiError payloadTooLarge() { return {413, "request body larger than 1 MiB", "payload_too_large", std::nullopt}; }

ApiError updateRequired(std::string updateUrl) {
  return {426, "this version of Oskel is no longer supported", "update_required", std::move(updateUrl)};
}

ApiError internalError() { return {500, "internal error", "internal_error", std::nullopt}; }

}  // namespace oskel::protocol
