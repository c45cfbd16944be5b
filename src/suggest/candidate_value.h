// One saved value offered to an answer service: the value's text, an id by which the
// service can name it, the application it was copied from and when. A plain record;
// candidateValues(from:) in SuggestionClient makes the list.
#pragma once

#include <string>

namespace oskel {

struct CandidateValue {
  // The clip's id in upper-case canonical form, ":index", then the value's position in
  // the clip's value list, e.g. "6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F:index0".
  std::string id;
  std::string text;       // exactly as stored
  std::string sourceApp;  // the clip's source application
  std::string copiedAt;   // the clip's creation time, e.g. "2026-03-14T09:26:53Z"

  bool operator==(const CandidateValue&) const = default;
};

}  // namespace oskel
