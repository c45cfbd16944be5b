// Phone-number reading with libphonenumber.
//
// phoneScore() says how surely a whole text is one telephone number:
// 1.0 for a number in international form ("+49 30 1234567", "0049...")
// that libphonenumber finds valid; 0.85 for a national number with a
// trunk prefix or separators that is valid in one of the common regions;
// lower for bare digit runs that only some region accepts; 0 otherwise.
// Texts that cannot be a phone number are rejected before libphonenumber is
// asked, so the call is cheap for ordinary text. Thread-safe.
#pragma once

#include <string_view>

namespace oskel::answer {

double phoneScore(std::string_view text);

// Whether a number reads as a mobile or a fixed line. A national number counts as one of them
// only where every region that accepts it agrees ("030 1234567" is a fixed line wherever it is
// valid); kUnknown otherwise, and for texts that are no phone number at all.
enum class PhoneLine { kUnknown, kMobile, kLandline };
PhoneLine phoneLine(std::string_view text);

}  // namespace oskel::answer
