// FieldKind: what an input field asks for, as read from its label.
//
// Answerable kinds can be filled with one saved value; the refusing kinds
// (search, captcha, passwords, codes, free text, quantities, parts of a
// street, other people's details, and fields we cannot read) must never get an answer.
#pragma once

#include <string_view>

namespace oskel::answer {

enum class FieldKind {
  kUnknown,
  // Answerable.
  kEmail,
  kPhone,
  kUrl,
  kFullName,
  kGivenName,
  kFamilyName,
  kOrganisation,
  kStreetAddress,
  kAddressLine2,
  kPostalCode,
  kCity,
  kRegion,
  kCountry,
  kUsername,
  kUsernameOrEmail,
  kBirthDate,
  // Never answered.
  kSearch,
  kCaptcha,
  kComment,
  kSubject,
  kPassword,
  kCardOrSecurityCode,
  kOneTimeCode,
  kQuantity,
  kMiddleName,
  kFax,
  kDatePart,
  kPromoCode,
  kOtherNumber,
  kStreetName,    // the street without its number: saved addresses carry the number
  kSomeoneElse,   // a friend's, a recipient's or a child's details, not the user's own
  kNameReading,   // the phonetic (kana) reading of a name
  kPhonePart,     // a prefix, area code or extension of a phone number split over several fields
  kUnclear,       // words that contradict each other: "Name (not a person, a company)", "Phone (employer)"
};

inline constexpr int kFieldKindCount = static_cast<int>(FieldKind::kUnclear) + 1;

// True for the kinds that one saved value can answer.
bool isAnswerable(FieldKind kind);

// Stable lower-case name ("email", "given-name", ...), used in reasons and reports.
std::string_view fieldKindName(FieldKind kind);

}  // namespace oskel::answer
