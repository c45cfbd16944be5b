// Small helpers for writing compact JSON by hand, where member order matters.
#pragma once

#include <string>
#include <string_view>

namespace oskel::json {

// Appends `s` as a JSON string literal (quotes included). Invalid UTF-8 sequences are
// written as U+FFFD so that the output is always valid JSON.
void appendString(std::string& out, std::string_view s);

// Appends the shortest decimal form that reads back as exactly `value`.
// Values that JSON cannot hold (infinities, NaN) are written as 0.
void appendDouble(std::string& out, double value);

void appendInteger(std::string& out, long long value);

}  // namespace oskel::json
