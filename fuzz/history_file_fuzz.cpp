// Any bytes given to the history-file reader either decode or are refused; decoded
// clips write back to a document that reads as the same clips.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "history/history_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto clips = oskel::history_file::decode(bytes);
  if (!clips) return 0;
  auto again = oskel::history_file::decode(oskel::history_file::encode(*clips));
  if (!again || again->size() != clips->size()) std::abort();
  return 0;
}
