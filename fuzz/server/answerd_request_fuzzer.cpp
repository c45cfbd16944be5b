// libFuzzer target: request decoding of both protocols, and the engine on
// whatever decodes. The first byte picks the decoder; the rest is the body.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "engine/answer_engine.h"
#include "protocol/decode.h"
#include "protocol/encode.h"
#include "protocol/version.h"

namespace {

const oskel::answer::AnswerEngine& engine() {
  static const oskel::answer::AnswerEngine* e = new oskel::answer::AnswerEngine();
  return *e;
}

template <typename Request>
void answer(const Request& request) {
  std::vector<oskel::answer::CandidateInput> candidates;
  for (const auto& c : request.candidates) candidates.push_back({c.id, c.text});
  oskel::answer::Answer a = engine().answer({request.field.label, request.field.role, request.field.app}, candidates);
  if (a.chosen && *a.chosen >= candidates.size()) __builtin_trap();  // never an id outside the list
  for (const auto& r : a.ranked) {
    if (r.index >= candidates.size()) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string_view body(reinterpret_cast<const char*>(data) + 1, size - 1);
  using namespace oskel::protocol;
  switch (data[0] % 4) {
    case 0: {
      auto d = decodeSuggestRequest(body);
      if (auto* r = std::get_if<SuggestRequest>(&d)) answer(*r);
      else encodeError(std::get<ApiError>(d));
      break;
    }
    case 1: {
      auto d = decodeDirectRequest(body);
      if (auto* r = std::get_if<DirectRequest>(&d)) answer(*r);
      break;
    }
    case 2:
      decodeDeviceRequest(body);
      break;
    default:
      Version::parseOrZero(body);
      engine().readField({std::string(body), "AXTextField", "x"});  // the label alone, examples included
      break;
  }
  return 0;
}
