#include "engine/value_reader.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include <unicode/idna.h>
#include <unicode/locid.h>
#include <unicode/regex.h>
#include <unicode/uchar.h>

#include "engine/lexicon.h"
#include "engine/phone_reader.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

icu::UnicodeString unicode(std::string_view text) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

using Pattern = std::unique_ptr<icu::RegexPattern>;

Pattern compile(const char16_t* pattern) {
  UErrorCode status = U_ZERO_ERROR;
  Pattern compiled(icu::RegexPattern::compile(icu::UnicodeString(pattern), 0, status));
  return U_SUCCESS(status) ? std::move(compiled) : nullptr;
}

// Whether the last label of a host is a top-level domain in use: a country code
// (ICU's list of regions) or one of the common generic domains. "giulia.rossi" is a
// user name, not a host.
bool isKnownTopLevelDomain(std::string_view host) {
  static const std::unordered_set<std::string> domains = [] {
    std::unordered_set<std::string> set;
    for (const char* const* country = icu::Locale::getISOCountries(); *country != nullptr; ++country) {
      std::string code(*country);
      for (char& c : code) c = static_cast<char>(c - 'A' + 'a');
      set.insert(code);
    }
    set.insert("uk");
    for (const char* generic : {"com", "net", "org", "info", "biz", "edu", "gov", "mil", "int", "io", "dev", "app",
                                "ai", "co", "me", "tv", "xyz", "online", "site", "shop", "store", "blog", "tech",
                                "cloud", "page", "eu", "asia", "name", "pro", "mobi", "museum", "travel", "jobs",
                                "agency", "digital", "email", "design", "studio", "media", "news", "top", "club",
                                "live", "world", "today", "life", "space", "website", "art", "berlin", "london",
                                "paris", "tokyo", "nyc", "moscow", "рф", "中国", "公司", "网络", "한국", "みんな"}) {
      set.insert(generic);
    }
    return set;
  }();
  std::size_t dot = host.rfind('.');
  if (dot == std::string_view::npos) return false;
  return domains.contains(foldedPhrase(host.substr(dot + 1)));
}

}  // namespace

struct ValueReader::Patterns {
  Pattern email = compile(u"^[\\p{L}\\p{N}._%+'\\-]+@([\\p{L}\\p{N}.\\-]+\\.\\p{L}{2,})$");
  Pattern url = compile(u"^(?i:https?)://([^/\\s?#:@]+)(?::\\d{1,5})?(?:[/?#]\\S*)?$");
  Pattern www = compile(u"^(?i:www)\\.([\\p{L}\\p{N}\\-]+(?:\\.[\\p{L}\\p{N}\\-]+)*\\.\\p{L}{2,})(?:[/?#]\\S*)?$");
  Pattern bareDomain = compile(u"^([\\p{L}\\p{N}\\-]+(?:\\.[\\p{L}\\p{N}\\-]+)*\\.[a-z]{2,})(?:/\\S*)?$");
  struct Postal {
    Pattern pattern;
    double score;
  };
  std::vector<Postal> postal = makePostal();
  static std::vector<Postal> makePostal() {
    std::vector<Postal> list;
    for (auto& [pattern, score] : std::initializer_list<std::pair<const char16_t*, double>>{
      {u"^\\d{5}-\\d{4}$", 0.95},                                         // US ZIP+4
      {u"^\\d{4}\\s?[A-Za-z]{2}$", 0.95},                                 // NL
      {u"^[A-Za-z]{1,2}\\d[A-Za-z\\d]?\\s?\\d[A-Za-z]{2}$", 0.95},       // GB
      {u"^[A-Za-z]\\d[A-Za-z]\\s?\\d[A-Za-z]\\d$", 0.95},                // CA
      // IE (Eircode): a letter among the last four, or "V60 2019" would be a car and a year.
      {u"^(?i:[AC-FHKNPRTV-Y]\\d[\\dW]\\s?(?=[A-Z\\d]*[A-Z])[AC-FHKNPRTV-Y\\d]{4})$", 0.9},
      {u"^\\u3012?\\s?\\d{3}-\\d{4}$", 0.9},                              // JP
      {u"^\\d{2}-\\d{3}$", 0.9},                                          // PL
      {u"^\\d{4}-\\d{3}$", 0.9},                                          // PT
      {u"^\\d{5}-\\d{3}$", 0.9},                                          // BR
      {u"^\\d{3}\\s\\d{2}$", 0.85},                                       // CZ, SK, SE, GR
      {u"^[A-Z]{1,2}-\\d{4,5}$", 0.85},                                   // D-10115, CH-8001
      {u"^\\d{5}$", 0.8},                                                 // US, DE, FR, ES, IT ...
      {u"^\\d{6}$", 0.55},                                                // RU, CN, IN
      {u"^(?!19\\d\\d$|20\\d\\d$)\\d{4}$", 0.6},                          // AT, CH, DK, BE, AU ...
      {u"^(?:19|20)\\d\\d$", 0.3},                                        // a year, or a postal code
    }) {
      list.push_back({compile(pattern), score});
    }
    return list;
  }
  // Hungarian writes the year first with a dot after each part ("1989. 05. 17."); Croatian and
  // Serbian end the day-first form with one ("17.05.1989.").
  Pattern isoDate = compile(u"^(\\d{4})(?:[-/]|\\.\\s?)(\\d{1,2})(?:[-/]|\\.\\s?)(\\d{1,2})\\.?$");
  // Russian and Bulgarian dates may close with "г." (year): "11.03.1990 г.".
  Pattern dmyDate = compile(u"^(\\d{1,2})\\s?[./-]\\s?(\\d{1,2})\\s?[./-]\\s?(\\d{4})(?:\\.|\\s?\\u0433\\.?)?$");
  Pattern cjkDate = compile(u"^(\\d{4})\\s?[\\u5E74\\uB144]\\s?(\\d{1,2})\\s?[\\u6708\\uC6D4]\\s?(\\d{1,2})\\s?[\\u65E5\\uC77C]?$");
  Pattern wordDate = compile(u"^(?:(\\d{1,2})\\.?\\s+\\p{L}+\\.?,?\\s+(\\d{4})|\\p{L}+\\.?\\s+(\\d{1,2}),?\\s+(\\d{4}))$");
  Pattern usernameShape = compile(u"^[\\p{L}\\p{N}._\\-]{3,32}$");
};

ValueReader::ValueReader() : patterns_(std::make_unique<Patterns>()) {
  UErrorCode status = U_ZERO_ERROR;
  icu::IDNA* idna = icu::IDNA::createUTS46Instance(UIDNA_NONTRANSITIONAL_TO_ASCII | UIDNA_CHECK_BIDI, status);
  if (U_SUCCESS(status)) idna_ = idna;
}

ValueReader::~ValueReader() { delete idna_; }

bool ValueReader::matches(const icu::RegexPattern* pattern, std::string_view text) const {
  if (pattern == nullptr) return false;
  UErrorCode status = U_ZERO_ERROR;
  icu::UnicodeString u = unicode(text);
  std::unique_ptr<icu::RegexMatcher> m(pattern->matcher(u, status));
  return U_SUCCESS(status) && m->matches(status) && U_SUCCESS(status);
}

bool ValueReader::validHost(std::string_view host) const {
  if (host.empty() || host.size() > 253) return false;
  if (host == "localhost") return true;
  if (host.find('.') == std::string_view::npos) return false;
  if (idna_ == nullptr) return true;
  UErrorCode status = U_ZERO_ERROR;
  icu::IDNAInfo info;
  icu::UnicodeString ascii;
  idna_->nameToASCII(unicode(host), ascii, info, status);
  return U_SUCCESS(status) && !info.hasErrors();
}

double ValueReader::score(FieldKind kind, std::string_view text) const {
  // A hashtag ("#göteborg", "#izmir") tags a post; it is no value of the person's.
  if (text.size() > 1 && text.front() == '#' && text.find(' ') == std::string_view::npos) return 0.0;
  switch (kind) {
    case FieldKind::kEmail: return email(text);
    case FieldKind::kPhone: return phone(text);
    case FieldKind::kUrl: return url(text);
    case FieldKind::kFullName: return fullName(text);
    case FieldKind::kGivenName: return givenName(text);
    case FieldKind::kFamilyName: return familyName(text);
    case FieldKind::kOrganisation: return organisation(text);
    case FieldKind::kStreetAddress: return street(text);
    case FieldKind::kAddressLine2: return 0.0;  // no shape of its own; only a labelled value answers
    case FieldKind::kPostalCode: return postalCode(text);
    case FieldKind::kCity: return city(text);
    case FieldKind::kRegion: return region(text);
    case FieldKind::kCountry: return country(text);
    case FieldKind::kUsername: return username(text);
    case FieldKind::kUsernameOrEmail: return std::max(email(text), 0.9 * username(text));
    case FieldKind::kBirthDate: return birthDate(text);
    default: return 0.0;
  }
}

double ValueReader::email(std::string_view text) const {
  if (text.size() < 6 || text.size() > 254) return 0.0;
  if (std::count(text.begin(), text.end(), '@') != 1) return 0.0;
  if (text.find_first_of(" \t\n<>,;") != std::string_view::npos) return 0.0;
  if (!matches(patterns_->email.get(), text)) return 0.0;
  std::string_view host = text.substr(text.find('@') + 1);
  return validHost(host) ? 1.0 : 0.3;
}

double ValueReader::url(std::string_view text) const {
  if (text.size() < 4 || text.size() > 2048) return 0.0;
  if (text.find_first_of(" \t\n") != std::string_view::npos || text.find('@') != std::string_view::npos) {
    if (text.find("://") == std::string_view::npos) return 0.0;
  }
  UErrorCode status = U_ZERO_ERROR;
  icu::UnicodeString u = unicode(text);
  for (auto [pattern, good] : {std::pair{patterns_->url.get(), 1.0}, std::pair{patterns_->www.get(), 0.85},
                               std::pair{patterns_->bareDomain.get(), 0.5}}) {
    if (pattern == nullptr) continue;
    std::unique_ptr<icu::RegexMatcher> m(pattern->matcher(u, status));
    if (U_FAILURE(status)) return 0.0;
    if (m->matches(status) && U_SUCCESS(status)) {
      std::string host;
      m->group(1, status).toUTF8String(host);
      if (!validHost(host)) return 0.2;
      // Without a scheme or "www", only a known top-level domain makes a host.
      if (pattern == patterns_->bareDomain.get() && !isKnownTopLevelDomain(host)) return 0.2;
      return good;
    }
  }
  return 0.0;
}

double ValueReader::phone(std::string_view text) const {
  if (date(text) > 0.0 || isIdentityNumber(text)) return 0.0;
  // A bracket without its pair is a piece cut out of a longer text: "614) 555-0198".
  if (std::count(text.begin(), text.end(), '(') != std::count(text.begin(), text.end(), ')')) return 0.0;
  double score = phoneScore(text);
  // "01310-100", "100-0005": a postal code's shape and too few digits for a whole number
  // with its area code.
  if (score > 0.0 && text.front() != '+' && postalCode(text) >= 0.9) score = std::min(score, 0.45);
  return score;
}

bool ValueReader::isIdentityNumber(std::string_view text) {
  // Groups of digits split by dots, then the check digits: "123.456.789-09", "45.123.789/0001-62".
  auto shaped = [&](std::string_view shape) {
    return text.size() == shape.size() && std::equal(shape.begin(), shape.end(), text.begin(), [](char s, char c) {
             return s == '9' ? (c >= '0' && c <= '9') : s == c;
           });
  };
  // France's SIRET of a business: "832 145 697 00021".
  if (shaped("999.999.999-99") || shaped("99.999.999/9999-99") || shaped("999 999 999 99999")) return true;
  // A date of birth, year first, a dash or a plus, four digits: "19910522-1234", "910522-1234".
  std::size_t dash = text.find_first_of("-+");
  if (dash == std::string_view::npos || text.size() != dash + 5) return false;
  std::string_view date = text.substr(0, dash);
  std::string_view serial = text.substr(dash + 1);
  auto digits = [](std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (!digits(date) || !digits(serial) || (date.size() != 6 && date.size() != 8)) return false;
  if (date.size() == 8 && !date.starts_with("19") && !date.starts_with("20")) return false;
  int month = std::stoi(std::string(date.substr(date.size() - 4, 2)));
  int day = std::stoi(std::string(date.substr(date.size() - 2)));
  return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

double ValueReader::postalCode(std::string_view text) const {
  // Japan's postal mark before the code: the code alone goes ahead of it.
  constexpr std::string_view kPostalMark = "\u3012";  // 〒
  if (text.starts_with(kPostalMark)) return 0.9 * postalCode(trimText(text.substr(kPostalMark.size())));
  if (text.size() < 3 || text.size() > 12) return 0.0;
  for (const Patterns::Postal& p : patterns_->postal) {
    if (matches(p.pattern.get(), text)) return p.score;
  }
  return 0.0;
}

double ValueReader::organisation(std::string_view text) const {
  if (text.size() > 120 || text.find('\n') != std::string_view::npos) return 0.0;
  const Lexicon& lex = Lexicon::instance();
  std::vector<std::string> fws = foldedWords(text);
  if (fws.empty() || fws.size() > 8) return 0.0;
  if (text.find('@') != std::string_view::npos || text.find("://") != std::string_view::npos) return 0.0;
  CharStats s = charStats(text);
  // Korea's "(주)" and "㈜", Japan's "(株)" and "㈱", before or after the name.
  for (std::string_view mark : {"(주)", "㈜", "(株)", "㈱", "(유)", "(有)"}) {
    if (text.size() > mark.size() && (text.starts_with(mark) || text.ends_with(mark))) return 0.95;
  }
  // A handle's parts are no company's words: "jedrek_sl" ends with Spain's "SL" only as letters.
  if (s.spaces == 0 && s.latin > 0 && s.han + s.kana + s.hangul == 0) return 0.0;
  // Legal forms close the name ("Acme GmbH", "Rossi S.r.l." whose letters fold to
  // separate words, "Nowak Sp. z o.o.") or open it ("ООО Ромашка", "주식회사 한빛"); the
  // others open no name ("Bv. Lehmann 873" is an Argentine boulevard, "Co. Clare" an Irish county).
  std::size_t n = fws.size();
  std::string tail;
  for (std::size_t k = 1; k <= std::min<std::size_t>(4, n - 1); ++k) {
    tail = fws[n - k] + tail;
    if (lex.isLegalForm(tail)) return 0.95;
  }
  if (n >= 2 && lex.isLegalFormFirst(fws.front())) return 0.95;
  // Estonia's "OÜ", which folds to a French word; Thailand's "บริษัท … จำกัด", whose words
  // alone also mean "the company" and "limited".
  if (n >= 2 && text.ends_with(" OÜ")) return 0.95;
  if (n >= 3 && text.starts_with("บริษัท ") && (text.ends_with(" จำกัด") || text.ends_with(" จำกัด (มหาชน)"))) {
    return 0.95;
  }
  if (s.han + s.kana + s.hangul > 0 && lex.isLegalForm(fws.back())) return 0.95;
  for (const std::string& w : fws) {
    if (lex.isOrganisationWord(w)) return n >= 2 ? 0.75 : 0.3;
    for (const char* cjk : {"株式会社", "有限公司", "公司", "주식회사", "大学"}) {
      if (w.find(cjk) != std::string::npos) return 0.95;
    }
  }
  return 0.0;
}

double ValueReader::username(std::string_view text) const {
  if (text.size() < 3 || text.size() > 64 || !matches(patterns_->usernameShape.get(), text)) return 0.0;
  CharStats s = charStats(text);
  bool asciiLetter = std::any_of(text.begin(), text.end(), [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
  if (!asciiLetter || s.letters == 0) return 0.0;
  if (url(text) >= 0.5 || postalCode(text) > 0.0 || dateYear(text) > 0) return 0.0;
  // Places and given names are not user names ("mazowieckie", "anna").
  const Lexicon& lex = Lexicon::instance();
  std::string f = foldedPhrase(text);
  if (lex.isRegion(f) || lex.isCity(f) || lex.isCountry(f) || lex.isGivenName(f)) return 0.1;
  // Capitals and digits only: a tracking number, a product code.
  if (s.lowerLetters == 0) return 0.15;
  // A capitalised word without digits or underscores reads as a name or a place.
  if (s.digits == 0 && text.find('_') == std::string_view::npos && u_isupper(firstCodePoint(text))) return 0.25;
  bool marks = text.find_first_of("._-") != std::string_view::npos;
  if (s.digits > 0 || marks) return 0.75;
  if (s.upperLetters == 0 && s.lowerLetters > 0) return 0.6;
  return 0.25;
}

double ValueReader::date(std::string_view text) const { return dateYear(text) > 0 ? 0.9 : 0.0; }

int ValueReader::dateYear(std::string_view text, bool* otherCalendar) const {
  if (text.size() < 6 || text.size() > 30) return 0;
  UErrorCode status = U_ZERO_ERROR;
  icu::UnicodeString u = unicode(text);
  auto number = [&](icu::RegexMatcher& m, int group) {
    icu::UnicodeString g = m.group(group, status);
    int value = 0;
    for (int32_t i = 0; i < g.length(); ++i) value = value * 10 + (g.charAt(i) - u'0');
    return value;
  };
  // Years of the Gregorian calendar, and of the Thai solar (Buddhist era, "15/06/2533") and the
  // Persian solar calendar ("1368/04/22") as forms there write them; all as Gregorian years.
  auto gregorian = [](int y) {
    if (y >= 1900 && y <= 2100) return y;
    if (y >= 2443 && y <= 2643) return y - 543;
    if (y >= 1279 && y <= 1479) return y + 621;
    return 0;
  };
  auto valid = [&](int y, int m, int d) { return gregorian(y) > 0 && m >= 1 && m <= 12 && d >= 1 && d <= 31; };
  int year = 0;
  bool ok = false;
  for (const icu::RegexPattern* p : {patterns_->isoDate.get(), patterns_->cjkDate.get()}) {
    if (p == nullptr || ok) continue;
    std::unique_ptr<icu::RegexMatcher> m(p->matcher(u, status));
    if (U_SUCCESS(status) && m->matches(status)) {
      year = number(*m, 1);
      ok = valid(year, number(*m, 2), number(*m, 3));
    }
  }
  if (!ok && patterns_->dmyDate != nullptr) {
    std::unique_ptr<icu::RegexMatcher> m(patterns_->dmyDate->matcher(u, status));
    if (U_SUCCESS(status) && m->matches(status)) {
      year = number(*m, 3);
      int a = number(*m, 1);
      int b = number(*m, 2);
      ok = valid(year, b, a) || valid(year, a, b);  // day first, or month first
    }
  }
  if (!ok && patterns_->wordDate != nullptr) {
    std::unique_ptr<icu::RegexMatcher> m(patterns_->wordDate->matcher(u, status));
    if (U_SUCCESS(status) && m->matches(status)) {
      bool dayFirst = m->start(1, status) >= 0;
      year = number(*m, dayFirst ? 2 : 4);
      int day = number(*m, dayFirst ? 1 : 3);
      ok = valid(year, 1, day);
    }
  }
  if (!ok || U_FAILURE(status)) return 0;
  if (otherCalendar != nullptr) *otherCalendar = gregorian(year) != year;
  return gregorian(year);
}

double ValueReader::birthDate(std::string_view text) const {
  bool otherCalendar = false;
  int year = dateYear(text, &otherCalendar);
  if (year == 0) return 0.0;
  // The field may want the Gregorian year: offered, never inserted.
  if (otherCalendar) return year <= 2012 ? 0.45 : 0.15;
  // A birth date lies well in the past; a recent date is an appointment or a deadline.
  return year <= 2012 ? 0.85 : 0.15;
}

}  // namespace oskel::answer
