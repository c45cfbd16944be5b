#include "engine/phone_reader.h"

#include <optional>
#include <string>

#include <phonenumbers/phonenumber.pb.h>
#include <phonenumbers/phonenumberutil.h>

namespace oskel::answer {
namespace {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

// Regions tried, in order, for numbers written without a country code.
constexpr const char* kRegions[] = {"US", "GB", "DE", "FR", "ES", "IT", "PT", "NL", "PL", "RU", "JP", "CN",
                                    "KR", "BR", "IN", "CA", "AU", "CH", "AT", "BE", "SE", "DK", "NO", "FI",
                                    "CZ", "HU"};

// Regions asked what sort of line a national number is: those above and others whose numbers
// look alike, so that a number counts as a fixed line only where none of them takes it for a
// mobile.
constexpr const char* kLineRegions[] = {"TW", "HK", "SG", "MX", "AR", "CO", "CL", "TR", "VN", "ID", "UA",
                                        "GR", "RO", "IE", "NZ", "ZA", "SK", "BY", "KZ", "TH", "PH", "MY"};

// The sort of line `parsed` is; nullopt for a service number (toll-free, shared cost, a
// company's own), which says nothing of the sort of line the same digits are elsewhere.
std::optional<PhoneLine> lineOf(const PhoneNumber& parsed) {
  switch (PhoneNumberUtil::GetInstance()->GetNumberType(parsed)) {
    case PhoneNumberUtil::MOBILE: return PhoneLine::kMobile;
    case PhoneNumberUtil::FIXED_LINE: return PhoneLine::kLandline;
    case PhoneNumberUtil::FIXED_LINE_OR_MOBILE:
    case PhoneNumberUtil::PERSONAL_NUMBER:
    case PhoneNumberUtil::UNKNOWN: return PhoneLine::kUnknown;
    default: return std::nullopt;
  }
}

}  // namespace

double phoneScore(std::string_view text) {
  if (text.size() < 7 || text.size() > 32) return 0.0;
  int digits = 0;
  int separators = 0;
  bool plus = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '+' && i == 0) {
      plus = true;
    } else if (c == ' ' || c == '-' || c == '(' || c == ')' || c == '.' || c == '/') {
      ++separators;
    } else {
      return 0.0;
    }
  }
  if (digits < 7 || digits > 15) return 0.0;
  std::string number(text);
  if (!plus && number.rfind("00", 0) == 0) {
    number = "+" + number.substr(2);
    plus = true;
  }
  const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
  PhoneNumber parsed;
  if (plus) {
    if (util.Parse(number, "ZZ", &parsed) != PhoneNumberUtil::NO_PARSING_ERROR) return 0.0;
    if (util.IsValidNumber(parsed)) return 1.0;
    return util.IsPossibleNumber(parsed) ? 0.6 : 0.0;
  }
  bool trunkPrefix = number[0] == '0' || number[0] == '(';
  bool possible = false;
  for (const char* region : kRegions) {
    if (util.Parse(number, region, &parsed) != PhoneNumberUtil::NO_PARSING_ERROR) continue;
    if (util.IsValidNumber(parsed)) {
      if (trunkPrefix || (separators > 0 && digits >= 9)) return 0.85;
      // A bare digit run could as well be an order number; one of seven digits, too short for
      // a whole number nearly everywhere ("4829103"), is offered at most.
      return separators == 0 && digits <= 7 ? 0.35 : 0.6;
    }
    possible = possible || util.IsPossibleNumber(parsed);
  }
  // Possible but not valid anywhere (an unassigned range): written like a phone number, still likely one.
  if (possible) return (trunkPrefix || separators > 0) && digits >= 9 ? 0.6 : 0.35;
  return 0.0;
}

PhoneLine phoneLine(std::string_view text, const std::vector<std::string>& regions) {
  if (phoneScore(text) <= 0.0) return PhoneLine::kUnknown;
  std::string number(text);
  if (number.rfind("00", 0) == 0) number = "+" + number.substr(2);
  const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
  PhoneNumber parsed;
  if (number[0] == '+') {
    if (util.Parse(number, "ZZ", &parsed) != PhoneNumberUtil::NO_PARSING_ERROR || !util.IsValidNumber(parsed))
      return PhoneLine::kUnknown;
    return lineOf(parsed).value_or(PhoneLine::kUnknown);
  }
  bool mobile = false;
  bool landline = false;
  bool either = false;  // a region where it may be both: "(512) 555-0147"
  auto ask = [&](const std::string& region) {
    if (util.Parse(number, region, &parsed) != PhoneNumberUtil::NO_PARSING_ERROR || !util.IsValidNumber(parsed))
      return;
    std::optional<PhoneLine> read = lineOf(parsed);
    if (!read) return;
    PhoneLine line = *read;
    mobile = mobile || line == PhoneLine::kMobile;
    landline = landline || line == PhoneLine::kLandline;
    either = either || line == PhoneLine::kUnknown;
  };
  if (regions.empty()) {
    for (const char* region : kRegions) ask(region);
    for (const char* region : kLineRegions) ask(region);
  }
  for (const std::string& region : regions) ask(region);
  if (mobile == landline || either) return PhoneLine::kUnknown;
  return mobile ? PhoneLine::kMobile : PhoneLine::kLandline;
}

}  // namespace oskel::answer
