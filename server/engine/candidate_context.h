// CandidateContext: what the other candidates of one request say about a
// candidate.
//
// Candidate ids are "<clip id>:index<k>", so values of the same copied clip
// can be grouped. A clip that was a labelled note ("City: Berlin",
// "Name<TAB>Anna") tells what its values are; a full name elsewhere in the
// list tells that "Anna" is a given name; a line "10115 Berlin" tells that
// "10115" is a postal code and "Berlin" a city. Built per request; the
// label lines read are bounded so that a large request stays cheap.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/label_reader.h"
#include "engine/value_reader.h"

namespace oskel::answer {

class CandidateContext {
 public:
  // `texts` and `ids` are parallel; both must outlive the context.
  CandidateContext(const std::vector<std::string_view>& ids, const std::vector<std::string_view>& texts,
                   const LabelReader& labels, const ValueReader& values);

  // The kinds named by the labels in front of candidate i in its own clip
  // (one value may stand under several labels: "City: Moskva", "Region: Moskva").
  std::vector<FieldReading> labelledAs(std::size_t i) const;
  // Whether a label in front of candidate i in its own clip is written as `folded` (a
  // foldText() of a field's own label): "Segundo apellido: Morales" for "Segundo apellido *".
  bool labelledWith(std::size_t i, std::string_view folded) const;
  // Whether another candidate of candidate i's clip is labelled with `folded`.
  bool clipLabelsAnotherWith(std::size_t i, std::string_view folded) const;
  // Candidate i is one line that labels its value ("Firma: Acme GmbH"): the value answers,
  // never the line with its label.
  bool isLabelledLine(std::size_t i) const { return i < labelledLine_.size() && labelledLine_[i]; }
  // True when candidate i was pulled out of a longer text of prose (a
  // message or a signature) rather than copied or labelled on its own.
  bool fromProse(std::size_t i) const;
  // True when candidate i is a piece of a web address copied on its own ("2024.12345678" out
  // of a news link's path): no value of its own.
  bool insideALink(std::size_t i) const;
  // Whether candidate i stands in its clip only as a piece of a longer word, a letter or a digit
  // right beside it: "68 5390 0754 7034" out of the account number "BE68 5390 0754 7034".
  bool cutFromALongerWord(std::size_t i) const;
  // True when candidate i also occurs inside a message or signature of
  // another clip: someone else's address that was also copied alone.
  bool mentionedInProse(std::size_t i) const;
  // Another candidate is a name of two to four words that begins (ends) with candidate i.
  bool startsSomeName(std::size_t i) const;
  bool endsSomeName(std::size_t i) const;
  // Candidate i, two given names ("Anna Lena"), begins another name of three or four words.
  bool startsLongerName(std::size_t i) const;
  // Another candidate is a name of two to four words whose given (family) name is candidate
  // i: its first (last) word, or the other way round in a name written family name first
  // ("Nagy László", "Wiśniewska Katarzyna").
  bool givenPartOfSomeName(std::size_t i) const;
  bool familyPartOfSomeName(std::size_t i) const;
  // Another candidate, a Russian name of three words, has candidate i right before its
  // patronymic: the given name ("Глеб" in "Ларионов Глеб Аркадьевич").
  bool precedesPatronymic(std::size_t i) const;
  // Candidate i is a name of two to four words whose first and last word were each copied
  // on their own as well ("Putri Wulandari" beside "Putri" and "Wulandari"), or a name in Han
  // or Hangul whose family name and given name were ("闫" and "子航"): the person's.
  bool namePartsCopiedAlone(std::size_t i) const;
  // Where another candidate writes a name with the family name in capitals ("DUPONT Jean"):
  // true when candidate i is that family name, false when it is the given name.
  std::optional<bool> familyByCapitals(std::size_t i) const;
  // Another candidate is a line "<postal code> <city>" or "<city> <postal code>"
  // in which candidate i is the postal code (the city).
  bool isPostalPartOfLocality(std::size_t i) const;
  bool isCityPartOfLocality(std::size_t i) const;
  // Another candidate, a whole address on one line, holds candidate i right before its
  // postal code and town: "Údolní 53" in "Jakub Dvořák, Údolní 53, 602 00 Brno", "77 Oakwood
  // Ave" in "77 Oakwood Ave, Dayton, OH 45409". Candidate i is a street line.
  bool isStreetPartOfAddress(std::size_t i) const;
  // Another candidate copied alone is the start of candidate i before a comma or a dash: "12
  // Main St" of "12 Main St, Apt 3". Candidate i holds more than one line of an address.
  bool extendsAnotherLine(std::size_t i) const;
  // Some candidate copied on its own (not from a message) reads as a person's full name.
  bool knowsAPersonsName() const;
  // Another candidate, one word copied on its own, reads as a family name by a list or by
  // its ending ("Lindqvist", "Nowak"): the person copied the parts of their name one by one.
  bool copiedAFamilyNameAlone(std::size_t except) const;
  // The same for a given name that a list knows ("Thomas"): the person copied the parts of
  // their name one by one, and a word beside it no list knows may be the family name.
  bool copiedAGivenNameAlone(std::size_t except) const;
  // Where candidate i, a name of one or two words, stands in a handle copied on its own
  // (the person's own, as others' come inside messages): the user part of an e-mail
  // address, a user name, or a site's host. "Anna" first and "Müller" last in
  // anna.mueller@…, "Nowak" last in k.nowak@…, "Elif" first in elifyilmaz.
  enum class HandlePart { kNone, kFirst, kLast };
  HandlePart partOfOwnHandle(std::size_t i) const;
  // A handle of the person's own spells candidate i, a name of two to four words, by its
  // first and last word: "Chidi Okonkwo" in chidi.okonkwo@…, c.okonkwo@…, chidiokonkwo.
  bool spelledByOwnHandle(std::size_t i) const;
  // Some handle of the person's own spells two names of three or more letters
  // ("thiago.mourao"): their name is known even where no full name was copied.
  bool handleSpellsAName() const;
  // An e-mail address or user name of the person's own reads as a person's name by a list
  // ("lucas.ferreira": Lucas is a given name) and shares no word with candidate i, a name
  // in Latin letters ("Sete Lagoas"): candidate i is not the name the person goes by.
  bool ownHandleNamesAnotherThan(std::size_t i) const;
  // Candidate i, an e-mail address or a phone number, is someone else's: the history says
  // clearly more about the person's own name than about another of another family, and
  // candidate i stands in a contact card under that other name, or its handle begins with that
  // name's given name ("gustavo.lacerda@…" where the history is about Florian Wimmleitner).
  // Where the history is plainly the person's, a relative's given name in the handle tells as
  // well, and so do the clips on both sides of candidate i standing for the same other person.
  bool belongsToAnother(std::size_t i) const;
  // Whether candidate i is an address whose user part spells the person's own name, where
  // the history is plainly theirs ("camille.dubois@…" in Camille Dubois's history).
  bool spellsOwnName(std::size_t i) const;
  // Whose name candidate i is, where the history leaves no doubt whose it is about: one full
  // name leads every other, with a support of three or more from its clips, its words copied
  // alone, handles that spell it and messages that greet it. A full name is the person's own
  // or another known name; a single word is a word of the person's name, or a word of another
  // known name only.
  enum class NameOwner { kUnknown, kOwn, kAnother };
  NameOwner fullNameOwner(std::size_t i) const;
  NameOwner namePartOwner(std::size_t i) const;
  // Whether candidate i, copied on its own, stands in no message or signature but the person's
  // own, where the history is plainly theirs: those that hold their full name ("Saludos,\nTomás
  // Fernández\n11 5123-4567"), or are signed or introduced with their given name ("it's Marcus").
  bool mentionedOnlyInOwnWords(std::size_t i) const;
  // Whether the history names people other than the one it is about.
  bool knowsOtherNames() const { return people().names.size() > 1; }
  // Whether candidate i, a town copied on its own, is the person's: the town of a line
  // "<postal code> <town>" copied alone whose postal code was copied alone as well ("69003" and
  // "69003 Lyon"). Another town copied alone is then a trip's or a shop's. kUnknown where no
  // such line is in the history.
  NameOwner townOwner(std::size_t i) const;
  // A full name copied outside messages, and how much the history says about it: each clip
  // it stands in, its first and last word copied on their own, a handle that spells it.
  struct KnownName {
    std::string folded;
    std::vector<std::string> words;  // in ASCII letters; none outside Latin letters
    std::string lastWithE;           // the last word with umlauts spelled "ue": "brueckner"
    std::vector<std::string_view> clips;
    int support = 0;
  };

 private:
  struct People {
    std::vector<KnownName> names;
    int own;    // the name that leads by support, when it leads clearly; -1 when none does
    bool sure;  // the own name leads with a support of 3 or more
  };
  const People& people() const;
  // A name as the known names hold it: folded, and its words in ASCII letters.
  static KnownName knownName(std::string_view text);
  // The given names of `names` that messages in the history greet, in ASCII letters: "liam" for
  // "G'day Liam, …". The person a history's messages are written to is mostly its owner.
  std::vector<std::string> greetedNames(const std::vector<KnownName>& names) const;
  // The known name that stands alone in candidate i's clip, a card of a few lines; -1 when none.
  int cardName(std::size_t i) const;
  // The known name that the clips copied just before and just after candidate i's both stand
  // for: the name itself, or an address whose handle spells it ("Erik Lindqvist", his number,
  // erik.lindqvist@…). People copy one person's details in a row. -1 when they do not agree.
  int neighboursName(std::size_t i) const;
  // The known name that the clip with the given head stands for; -1 when none.
  int readStandsFor(std::size_t head, const std::vector<KnownName>& names) const;
  mutable std::vector<int> standsFor_;  // by clip: -2 not yet read
  // Whether a handle (the user part of an e-mail address) spells the own name, or begins with
  // the given name of another person named in the history, of another family.
  enum class HandleOwner { kUnknown, kOwn, kAnother };
  HandleOwner handleOwner(std::string_view handle, const KnownName& own, bool sure) const;
  std::string_view clipOf(std::size_t i) const;
  // Sentences, or a greeting or closing: the text of a message or a signature.
  static bool isProse(std::string_view whole);
  // Another short line of words, without digits, begins (first) or ends with candidate i;
  // `byOrder` swaps the ends of a name written family name first.
  bool wordPosition(std::size_t i, bool first, int minWords, int maxWords, bool byOrder = false) const;
  // The words of the person's own handles, read on first use.
  const std::vector<std::vector<std::string>>& ownHandleWords() const;

  const std::vector<std::string_view>& ids_;
  const std::vector<std::string_view>& texts_;
  const ValueReader& values_;
  mutable int knowsName_ = -1;  // -1: not yet looked at; the context lives for one request
  // The handles, split at dots, dashes, underscores, plus signs and
  // digits; read on first use.
  mutable std::optional<std::vector<std::vector<std::string>>> ownHandleWords_;
  mutable std::vector<bool> ownHandleIsSite_;  // by handle: the host of a site
  mutable std::vector<signed char> spelledByHandle_;  // by candidate: -1 not yet read, else 0 or 1
  bool copiedANamePartAlone(bool family, std::size_t except) const;
  bool readSpelledByOwnHandle(std::size_t i) const;
  // Up to two candidates that copiedAFamilyNameAlone() (copiedAGivenNameAlone()) found;
  // read on first use.
  mutable std::optional<std::vector<std::size_t>> loneFamilyNames_;
  mutable std::optional<std::vector<std::size_t>> loneGivenNames_;
  // The folded words of names written "DUPONT Jean", each with whether it is in capitals
  // (the family name); read on first use.
  mutable std::optional<std::vector<std::pair<std::string, bool>>> capitalisedParts_;
  mutable std::optional<People> people_;  // read on first use
  const std::vector<std::string>& ownTowns() const;
  mutable std::optional<std::vector<std::string>> ownTowns_;  // folded; read on first use
  // (clip id + '\n' + value) -> label reading.
  std::unordered_map<std::string, std::vector<FieldReading>> labelled_;
  std::unordered_map<std::string, std::vector<std::string>> labelWords_;  // the same keys: labels folded
  std::vector<bool> labelledLine_;  // by candidate
  std::unordered_map<std::string_view, std::size_t> longestInClip_;
  // Each clip's longest candidate, newest clip first, and each clip's place in that order.
  std::vector<std::size_t> clipHeads_;
  std::unordered_map<std::string_view, std::size_t> clipPosition_;
};

}  // namespace oskel::answer
