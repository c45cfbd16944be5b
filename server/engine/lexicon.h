// Lexicon: small word lists that tell what a short value names.
//
// Given names, family names, major cities, regions, countries (from ICU's display names in
// many languages), organisation suffixes, street words and name particles.
// Every lookup takes text folded with foldText() but without its padding
// spaces ("anna", "new york"). Built once; read-only and thread-safe after.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace oskel::answer {

class Lexicon {
 public:
  static const Lexicon& instance();

  bool isGivenName(std::string_view word) const { return givenNames_.contains(std::string(word)); }
  // Common family names ("muller", "garcia", "de vries", "田中", "김").
  bool isFamilyName(std::string_view phrase) const { return familyNames_.contains(std::string(phrase)); }
  // A family name of a tradition that writes it before the given name ("nagy", "wang").
  bool isFamilyNameWrittenFirst(std::string_view word) const {
    return familyNamesWrittenFirst_.contains(std::string(word));
  }
  // A word whose ending marks a family name in its language ("Dvořáková", "Lindqvist",
  // "Kowalski", "Petrović"); `folded` is the word folded as above.
  bool endsLikeAFamilyName(std::string_view word, std::string_view folded) const;
  // A word whose ending marks a town and seldom a given name ("Eskişehir", "Oldenburg",
  // "Ingolstadt", "Новосибирск"); `folded` as above.
  bool endsLikeATown(std::string_view folded) const;
  // A word of two or more kanji whose last one is a usual end of a given name ("太郎").
  bool endsLikeAJapaneseGivenName(std::string_view word) const;
  bool isCity(std::string_view phrase) const { return cities_.contains(std::string(phrase)); }
  bool isRegion(std::string_view phrase) const { return regions_.contains(std::string(phrase)); }
  // Spain's autonomous communities and Italy's regions, above the provinces: "Emilia-Romagna".
  bool isRegionAboveProvinces(std::string_view phrase) const {
    return regionsAboveProvinces_.contains(std::string(phrase));
  }
  // Cities that are a region of their own ("berlin", "москва", "singapore").
  bool isCityState(std::string_view phrase) const { return cityStates_.contains(std::string(phrase)); }
  // Words that name a kind of region ("county", "län", "область").
  bool isRegionWord(std::string_view word) const { return regionWords_.contains(std::string(word)); }
  bool isCountry(std::string_view phrase) const { return countries_.contains(std::string(phrase)); }
  // Legal-form suffixes ("gmbh", "inc", "株式会社") and organisation words ("university").
  bool isLegalForm(std::string_view word) const { return legalForms_.contains(std::string(word)); }
  // Legal forms written before the name: "ООО Ромашка", "주식회사 한빛".
  bool isLegalFormFirst(std::string_view word) const { return legalFormsFirst_.contains(std::string(word)); }
  bool isOrganisationWord(std::string_view word) const { return orgWords_.contains(std::string(word)); }
  // Words of schools, surgeries, shops and trades: "academy", "surgery", "plumbing".
  bool isPlaceOrTradeWord(std::string_view word) const { return placeAndTradeWords_.contains(std::string(word)); }
  // Whole street words ("street", "rue") and street-word endings of compounds ("strasse").
  bool isStreetWord(std::string_view word) const { return streetWords_.contains(std::string(word)); }
  bool endsWithStreetWord(std::string_view word) const;
  // Street words that mark a street only beside a number ("Jalan", "iela", "شارع").
  bool isStreetWordBesideANumber(std::string_view word) const {
    return streetWordsBesideNumbers_.contains(std::string(word));
  }
  bool isNameParticle(std::string_view word) const { return particles_.contains(std::string(word)); }

 private:
  Lexicon();

  std::unordered_set<std::string> givenNames_;
  std::unordered_set<std::string> familyNames_;
  std::unordered_set<std::string> familyNamesWrittenFirst_;
  std::unordered_set<std::string> cities_;
  std::unordered_set<std::string> regions_;
  std::unordered_set<std::string> regionWords_;
  std::unordered_set<std::string> cityStates_;
  std::unordered_set<std::string> countries_;
  std::unordered_set<std::string> legalForms_;
  std::unordered_set<std::string> legalFormsFirst_;
  std::unordered_set<std::string> orgWords_;
  std::unordered_set<std::string> regionsAboveProvinces_;
  std::unordered_set<std::string> placeAndTradeWords_;
  std::unordered_set<std::string> streetWords_;
  std::unordered_set<std::string> streetWordsBesideNumbers_;
  std::unordered_set<std::string> particles_;
};

}  // namespace oskel::answer
