// FieldKind: what an input field asks for, as read from its label.
//
// Answerable kinds can be filled with one saved value; the refusing kinds
// (search, captcha, passwords, codes, free text, quantities, and fields we
// cannot read) must never get an answer.
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
};

inline constexpr int kFieldKindCount = static_cast<int>(FieldKind::kOtherNumber) + 1;

// True for the kinds that one saved value can answer.
bool isAnswerable(FieldKind kind);

// Stable lower-case name ("email", "given-name", ...), used in reasons and reports.
std::string_view fieldKindName(FieldKind kind);

}  // namespace oskel::answer
