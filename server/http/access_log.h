// AccessLog: one line per request with method, path, status and duration.
//
// It never writes bodies, headers, labels, candidate texts or tokens: those
// are the user's data. Paths are cut to 200 bytes and control characters
// replaced, so a request cannot forge log lines. Thread-safe.
#pragma once

#include <mutex>
#include <ostream>
#include <string>
#include <string_view>

namespace oskel::http {

class AccessLog {
 public:
  explicit AccessLog(std::ostream* sink) : sink_(sink) {}

  void record(std::string_view method, std::string_view path, int status, double durationMs);

  static std::string formatLine(std::string_view method, std::string_view path, int status, double durationMs);

 private:
  std::mutex mutex_;
  std::ostream* sink_;
};

}  // namespace oskel::http
