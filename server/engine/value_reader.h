// ValueReader: how well one candidate text, on its own, fits a field kind.
//
// score() returns 0..1 for the one kind asked about and computes nothing
// else, so a request pays only for the kind of its field. Shapes are read
// with ICU (regular expressions, IDNA host validation, character classes)
// and libphonenumber; word lists come from the Lexicon. A value is never
// changed: the reader only looks at it. Thread-safe; build once and share.
#pragma once

#include <memory>
#include <string_view>

#include "engine/field_kind.h"

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class IDNA;
class RegexPattern;
U_NAMESPACE_END

namespace oskel::answer {

class ValueReader {
 public:
  ValueReader();
  ~ValueReader();
  ValueReader(const ValueReader&) = delete;
  ValueReader& operator=(const ValueReader&) = delete;

  double score(FieldKind kind, std::string_view text) const;

  double email(std::string_view text) const;
  double url(std::string_view text) const;
  double phone(std::string_view text) const;
  double postalCode(std::string_view text) const;
  // A number that identifies a person or a company and reads like a phone number: a Nordic
  // personal identity number ("19910522-1234"), Brazil's CPF ("123.456.789-09") and CNPJ
  // ("45.123.789/0001-62"), France's SIRET ("832 145 697 00021").
  static bool isIdentityNumber(std::string_view text);
  double fullName(std::string_view text) const;
  double givenName(std::string_view text) const;
  double familyName(std::string_view text) const;
  // familyName() of one capitalised word that no list knows, neither as a name nor as a place:
  // "Lindqvist" is one, but so are a town ("Kungälv") and a given name ("Elif") the lists lack.
  static constexpr double kUnlistedFamilyName = 0.5;
  double organisation(std::string_view text) const;
  double street(std::string_view text) const;
  double city(std::string_view text) const;
  double region(std::string_view text) const;
  double country(std::string_view text) const;
  double username(std::string_view text) const;
  double birthDate(std::string_view text) const;
  // Any calendar date (birth dates included).
  double date(std::string_view text) const;
  // A name in Latin letters written family name first, as Hungarians, Vietnamese and Chinese
  // write it: "Nagy László", "Wang Wei", "Nguyễn Thị Lan". Only where the lists leave no
  // doubt: the first word a family name of those traditions and no given name, the last a
  // given name and no family name, or the Vietnamese middle word "Thị"/"Văn" after it.
  // So are Russian names with the patronymic last ("Ларионов Глеб Аркадьевич").
  bool writtenFamilyFirst(std::string_view text) const;
  // A place in Chinese, Japanese or Korean by the character that ends its name: a town
  // ("扬州市", "전주시") or a province or prefecture ("江苏省", "長野県", "전북특별자치도").
  enum class CjkPlace { kNone, kTown, kRegion };
  CjkPlace cjkPlace(std::string_view text) const;
  // A single capitalised word of letters ("Anna", "Berlin"), the raw shape
  // shared by given names, family names and cities.
  bool isCapitalisedWord(std::string_view text) const;
  // A Russian patronymic ("Аркадьевич", "Викторовна", "Ilyich"): the word after the given name.
  static bool isPatronymic(std::string_view word);

 private:
  bool matches(const icu::RegexPattern* pattern, std::string_view text) const;
  bool validHost(std::string_view host) const;
  // A name of two to four words that begins or ends with the word for its kind of region:
  // "Kisumu County", "County Galway", "Olomoucký kraj", "Västmanlands län".
  bool namedWithARegionWord(std::string_view text) const;
  // A name that ends with the word "City": a town ("Quezon City") or a club ("Stoke City").
  bool endsWithCity(std::string_view text) const;

  // The Gregorian year of a calendar date written in one of the common forms, or 0.
  // `otherCalendar`, when given, tells whether the text counts years by another calendar.
  int dateYear(std::string_view text, bool* otherCalendar = nullptr) const;

  struct Patterns;
  std::unique_ptr<Patterns> patterns_;
  const icu::IDNA* idna_ = nullptr;
};

}  // namespace oskel::answer
