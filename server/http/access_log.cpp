#include "http/access_log.h"

#include <cstdio>

namespace oskel::http {
namespace {

std::string clean(std::string_view text, std::size_t limit) {
  std::string out;
  for (char c : text.substr(0, limit)) {
    unsigned char u = static_cast<unsigned char>(c);
    out += (u < 0x20 || u == 0x7F || c == ' ') ? '?' : c;
  }
  if (text.size() > limit) out += "...";
  return out.empty() ? "-" : out;
}

}  // namespace

std::string AccessLog::formatLine(std::string_view method, std::string_view path, int status, double durationMs) {
  char duration[32];
  std::snprintf(duration, sizeof duration, "%.3f", durationMs);
  return "method=" + clean(method, 16) + " path=" + clean(path, 200) + " status=" + std::to_string(status) +
         " duration_ms=" + duration;
}

void AccessLog::record(std::string_view method, std::string_view path, int status, double durationMs) {
  if (sink_ == nullptr) return;
  std::string line = formatLine(method, path, status, durationMs);
  line += '\n';
  std::lock_guard<std::mutex> lock(mutex_);
  sink_->write(line.data(), static_cast<std::streamsize>(line.size()));
  sink_->flush();
}

}  // namespace oskel::http
