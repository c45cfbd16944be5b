#include "engine/field_kind.h"

namespace oskel::answer {

bool isAnswerable(FieldKind kind) {
  return kind >= FieldKind::kEmail && kind <= FieldKind::kBirthDate;
}

std::string_view fieldKindName(FieldKind kind) {
  switch (kind) {
    case FieldKind::kUnknown: return "unknown";
    case FieldKind::kEmail: return "email";
    case FieldKind::kPhone: return "phone";
    case FieldKind::kUrl: return "url";
    case FieldKind::kFullName: return "full-name";
    case FieldKind::kGivenName: return "given-name";
    case FieldKind::kFamilyName: return "family-name";
    case FieldKind::kOrganisation: return "organisation";
    case FieldKind::kStreetAddress: return "street-address";
    case FieldKind::kAddressLine2: return "address-line2";
    case FieldKind::kPostalCode: return "postal-code";
    case FieldKind::kCity: return "city";
    case FieldKind::kRegion: return "region";
    case FieldKind::kCountry: return "country";
    case FieldKind::kUsername: return "username";
    case FieldKind::kUsernameOrEmail: return "username-or-email";
    case FieldKind::kBirthDate: return "birth-date";
    case FieldKind::kSearch: return "search";
    case FieldKind::kCaptcha: return "captcha";
    case FieldKind::kComment: return "comment";
    case FieldKind::kSubject: return "subject";
    case FieldKind::kPassword: return "password";
    case FieldKind::kCardOrSecurityCode: return "card-or-security-code";
    case FieldKind::kOneTimeCode: return "one-time-code";
    case FieldKind::kQuantity: return "quantity";
    case FieldKind::kMiddleName: return "middle-name";
    case FieldKind::kFax: return "fax";
    case FieldKind::kDatePart: return "date-part";
    case FieldKind::kPromoCode: return "promo-code";
    case FieldKind::kOtherNumber: return "other-number";
    case FieldKind::kPhonePart: return "phone-part";
    case FieldKind::kUnclear: return "unclear";
    case FieldKind::kStreetName: return "street-name";
    case FieldKind::kSomeoneElse: return "someone-else";
    case FieldKind::kNameReading: return "name-reading";
  }
  return "unknown";
}

}  // namespace oskel::answer
