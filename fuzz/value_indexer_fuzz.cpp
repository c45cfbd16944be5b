// The value indexer and the sensitive filter on arbitrary text: no crash, and the
// result keeps its promises (at most 180 values, none sensitive, none empty).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "history/sensitive_filter.h"
#include "history/value_indexer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 24000) return 0;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  oskel::looksSensitive(text);
  auto values = oskel::indexValues(text);
  if (values.size() > 180) std::abort();
  for (const auto& v : values) {
    if (v.empty() || oskel::looksSensitive(v)) std::abort();
  }
  return 0;
}
