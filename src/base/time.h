// Moments are seconds since 2001-01-01T00:00:00Z as doubles, the unit stored in files.
#pragma once

#include <string>

namespace oskel {

using Timestamp = double;

// Seconds between the Unix epoch and 2001-01-01T00:00:00Z.
inline constexpr double kReferenceDateOffset = 978307200.0;

// The current wall-clock moment.
Timestamp currentTimestamp();

// ISO 8601 in UTC with a "Z" and no fraction, e.g. "2024-05-01T12:00:00Z".
// The fraction is dropped (rounded toward earlier moments).
std::string iso8601(Timestamp t);

}  // namespace oskel
