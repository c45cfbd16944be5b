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

#include <string>
#include <string_view>
#include <vector>

namespace oskel::answer {

double phoneScore(std::string_view text);

// Whether a number reads as a mobile or a fixed line. A number with its country code is what
// that country makes it; a national one is read in each of `regions` (every region known when
// empty) and counts as a mobile or a fixed line only where every region that accepts it reads
// it so. kUnknown otherwise, and for texts that are no phone number at all.
enum class PhoneLine { kUnknown, kMobile, kLandline };
PhoneLine phoneLine(std::string_view text, const std::vector<std::string>& regions = {});

}  // namespace oskel::answer
