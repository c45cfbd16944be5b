#include "base/time.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace oskel {

Timestamp currentTimestamp() {
  using namespace std::chrono;
  const auto since = system_clock::now().time_since_epoch();
  return duration_cast<duration<double>>(since).count() - kReferenceDateOffset;
}

std::string iso8601(Timestamp t) {
  if (!std::isfinite(t)) t = 0;
  const double unixSeconds = std::floor(t + kReferenceDateOffset);
  std::time_t seconds = static_cast<std::time_t>(unixSeconds);
  std::tm parts{};
  gmtime_r(&seconds, &parts);
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02dZ", parts.tm_year + 1900,
                parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec);
  return buffer;
}

}  // namespace oskel
