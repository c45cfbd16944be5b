// The way a phone field asks the number to be written: an example in its label ("(555)
// 555-5555", "z. B. 0171 1234567") or a count of digits ("10 dígitos"). Among saved forms of
// one number, the one written that way fits best; the value itself is never rewritten.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace oskel::answer {

struct PhoneFormat {
  std::string shape;  // the example with each digit as '9': "(999) 999-9999"; empty when none
  int digits = 0;     // the count of digits asked for; 0 when none
  bool stated() const { return !shape.empty() || digits > 0; }
};

// The format a label states, if any.
PhoneFormat phoneFormatAskedBy(std::string_view label);

// Whether `text` is written in `format`: the example's shape, or the count of digits.
bool fitsPhoneFormat(std::string_view text, const PhoneFormat& format);

// Whether a phone field asks for a mobile ("Handy", "Téléphone portable", "手機號碼") or a
// fixed line ("Festnetz", "Téléphone fixe"), and the regions whose numbers the label's words
// are used for: "Handy" is German, Austrian or Swiss.
struct LineAsked {
  enum class Line { kAny, kMobile, kLandline } line = Line::kAny;
  std::vector<std::string> regions;  // ISO codes, "DE"; empty when the words name no region
};

// What `label` asks; kAny for a plain "Phone", and for "Festnetz oder Handy".
LineAsked lineAskedBy(std::string_view label);

}  // namespace oskel::answer
