// LabelReader: turns the label of a focused field into a field kind.
//
// Oskel's labels join the field's title, description, help text,
// placeholder and title element with " · ". Each part is folded (case,
// accents, punctuation) and matched against the keyword table; the most
// specific keyword wins, a keyword inside a longer one is ignored ("code" in
// "postal code"), and a label that is itself a value ("you@example.com")
// reads as that value's kind. Bracketed asides that say what not to write
// ("(no spaces)") are left out, and a company named in an aside does not make
// an e-mail or phone field ask for the company. Safe to share between threads
// once built.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "engine/field_kind.h"
#include "engine/label_asides.h"
#include "engine/label_lexicon.h"

namespace oskel::answer {

struct FieldReading {
  FieldKind kind = FieldKind::kUnknown;
  double certainty = 0.0;  // 0..1: how sure the label reading is
  // A label word used in two senses ("Name": the full name, or the given
  // name) names the other sense here; kUnknown when the reading is plain.
  FieldKind alternative = FieldKind::kUnknown;
  // Both senses are about equally common: never sure enough to insert when
  // the history holds values of both.
  bool balanced = false;
  // The label fits the kind but as often asks for something else: offer, never insert.
  bool offerOnly = false;
};

// The parts of a label as Oskel joins them with " · ", in order.
std::vector<std::string_view> labelParts(std::string_view label);

class LabelReader {
 public:
  LabelReader();

  FieldReading read(std::string_view label) const;
  // As read, but a part that runs several labels together is read as a whole, as the
  // header of a copied table row is: "PLZ: Ort:" before "10115<TAB>Berlin".
  FieldReading readAsOneLabel(std::string_view label) const { return read(label, false); }

  // Reads one part (no " · " splitting) that has already been folded.
  // With `detailsOfOrganisation`, an organisation's word beside a contact detail reads as
  // that detail ("Firma Telefon" is a phone number, not the company's name). Without
  // `oneLabel`, the text runs the labels of several fields together, and the parts of a name
  // it names belong to fields of their own.
  FieldReading readFolded(const std::string& folded, bool detailsOfOrganisation = false, bool oneLabel = true) const;

 private:
  struct Keyword {
    std::string needle;  // folded, with the spaces that its match rule needs
    FieldKind kind;
    int weight;
    KeywordMatch match;
    FieldKind alternative;
    bool balanced;
    bool offerOnly;
  };
  struct Match {
    FieldKind kind;
    int weight;
    std::size_t begin;
    std::size_t end;
    FieldKind alternative;
    bool balanced;
    bool offerOnly;
  };

  void collect(const std::string& folded, std::vector<Match>* matches) const;
  // Several parts of a name named together ask for what they make up: "Apellidos, nombre" and
  // "Forename & surname" the full name; "First and middle name" the given name and "Achternaam
  // incl. tussenvoegsel" the family name, as the saved parts carry no middle name apart. Moves
  // the weights of the parts to the kind they make up.
  static void mergeNameParts(const std::string& folded, int (&bestWeight)[kFieldKindCount],
                             const Match* (&bestMatch)[kFieldKindCount], std::size_t (&firstAt)[kFieldKindCount]);
  FieldReading read(std::string_view label, bool runTogether) const;
  // Reads one " · " part with its asides; `read` receives the text that was read.
  FieldReading readPart(std::string_view whole, bool runTogether, std::string* read) const;
  // Reads one label with its asides, as readPart does but without looking for other labels.
  FieldReading readLabel(std::string_view whole, std::string* read) const;
  // A part that runs the labels of several fields together, each closed by a colon
  // ("Brugernavn : * Navn (frivillig) :"), and reads as `whole`: the last label, the one
  // right before the field, decides. Where it reads another kind, that kind is offered and
  // never inserted, since the field may as well be the one of an earlier label.
  FieldReading readRunTogether(const std::vector<std::string_view>& labels, const FieldReading& whole,
                               std::string* read) const;
  // `reading` of `text`, or, where an organisation's word stands beside a contact detail
  // ("Firma Telefon", "会社電話番号", "Employer address"), that detail, only offered. Not where
  // the organisation's name is asked for ("Company name and phone"), the label joins the
  // fields of both ("Firma / Land"), or an aside speaks of the organisation ("Phone
  // (employer)"): the reading of asides decides those.
  FieldReading readOrganisationsDetail(const std::string& text, const FieldReading& reading) const;
  // Whether a part of `label` that names the field or heads it names an institution whose
  // `kind` of detail it asks for ("School phone", "Hotel · Address"); notes do not count
  // ("Your bank may call you").
  bool asksForAnInstitutionsDetail(std::string_view label, FieldKind kind) const;
  // `decided`, the reading of the whole label, where it names an organisation's contact person
  // under its heading ("Entreprise · Contact": a name, offered) or an institution's detail
  // ("School phone": offered).
  FieldReading readOrganisationsPeople(std::string_view label, FieldReading decided) const;
  // A part of two or more words one of which names a person's detail ("Manager email",
  // "Telefon des Vorgesetzten"), or one run of Han, kana or Hangul holding one ("上司のメール").
  bool namesADetail(std::string_view part) const;
  // A short part that opens with a role the person deals with and names that person's detail:
  // "Teacher full name", "Coach mobile", "Boss name"; not with an aside saying it is the person.
  bool namesARolesDetail(std::string_view part, std::string_view label) const;
  // Whether a later `part` no word names (read as `later`) leaves the heading's value only to
  // offer: after a first part read loosely ("Sign up · Role"), or beside an organisation's
  // heading, whose value it may be anything of ("Firma · Anrede", "Bedrijfsgegevens ·
  // Eigenaar"); not a hint on the organisation's name ("Company · As registered").
  bool offersTheHeading(const FieldReading& decided, std::string_view decidedPart, const FieldReading& later,
                        std::string_view part) const;
  // Whether an aside beside a field read as `outside` only notes what becomes of the value or
  // hints at what it holds, and no other field is asked for: "(we never send spam)", "(include
  // house number)". Not one that names a person or a former value.
  bool leavesTheFieldAsItIs(std::string_view aside, const FieldReading& outside) const;
  // A part that names a field and nothing besides: "Email", "Date of birth (optional)".
  // A later part of the heading's own kind that reads it more closely: surer, or a former value.
  bool namesItMoreClosely(const FieldReading& decided, std::string_view decidedPart, const FieldReading& later,
                          std::string_view part) const;
  // A later part that surely names a field of another kind, with a note on it: "Delivery
  // address · Phone for delivery questions". Not a hint on the heading's value.
  bool namesAFieldWithANote(const FieldReading& decided, std::string_view decidedPart, const FieldReading& later,
                            std::string_view part) const;
  // A field no value answers beside the person's own address, named with more words or a note:
  // "Lieferadresse · Nachricht an den Fahrer", "Billing address · Anything else we should know?".
  // Not a hint on the address: "Address · No PO boxes".
  bool refusesBesideAnAddress(const FieldReading& decided, std::string_view decidedPart, const FieldReading& later,
                              std::string_view part) const;
  bool namesOnlyAField(std::string_view part) const;
  // Part n, a heading read as free text for its word "details" only ("Company details", "Address
  // details"): what the rest of it names, which heads the fields after it, where the next part
  // names a field. Else `reading`.
  FieldReading readDetailsHeading(const std::vector<std::string_view>& parts, std::size_t n,
                                  const FieldReading& reading) const;
  // The field `part` under a heading of the person's own details ("Personal details · Email").
  FieldReading readUnderOwnDetails(std::string_view part, bool runTogether) const;
  // Whether a later part names a field of the group that `heading` (read from `headingPart`)
  // heads that no saved value answers ("Company · VAT number", "Name · Position"); not a hint on
  // how to write the heading's value ("Address · Include house number"), nor a part that names
  // that value too ("Address · Street, number"), nor a part after a field of its own ("Address
  // line 1 · Street name").
  bool namesAFieldNeverAnswered(FieldKind heading, std::string_view headingPart, const FieldReading& later,
                                std::string_view part) const;
  // Under an organisation, its legal or registered name is its own, and so is a name asked for
  // with no more words: "Company · Legal name", "Empresa · Nombre". Not under someone at it
  // ("Company director · Legal name") nor where the part says it is the person's ("Legal name
  // (yours)").
  bool namesTheOrganisationsName(FieldKind heading, std::string_view headingPart, const FieldReading& later,
                                 std::string_view part, std::string_view whole) const;
  // Whether a later `part` (`whole` with its asides) read as `later` names another field of the
  // group that `heading` heads: "Company · Phone", "Shipping address · First name", "Billing
  // address · Date of birth"; not a hint on the heading's value ("Address · Include postcode").
  bool namesAnotherFieldOfTheGroup(FieldKind heading, std::string_view headingPart, const FieldReading& later,
                                   std::string_view part, std::string_view whole) const;
  // `reading` of `text`, or the street address where `text` joins a street to its number, which
  // folded together read as the house number alone: "Street, number", "Calle, número".
  FieldReading readStreetWithNumber(const std::string& text, const FieldReading& reading) const;
  // `folded` with the keywords of `kind` blanked out: " vat number " -> "     number ".
  std::string withoutKeywordsOf(const std::string& folded, FieldKind kind) const;
  // Whether `bare`, a part without its asides, holds a keyword of `kind` and besides it only
  // words such as "your", "the", "number": "Number of employees", "Date of birth", "Your VAT no.".
  bool isOnlyTheNameOf(std::string_view bare, FieldKind kind) const;
  // What the negated asides of a part ("(no spaces)", "(not your email)") leave to read.
  struct AsideReading {
    std::string trimmed;   // the part without the asides it drops; empty when none is dropped
    bool unclear = false;  // an aside leaves unclear whose value or which kind the field wants
    FieldKind ruledOutPart = FieldKind::kUnknown;  // a part of a name a dropped aside rules out
  };
  // kNotTheirs: unclear because the clause says whose value it is not ("(not yours)").
  enum class ClauseVerdict { kDrop, kKeep, kUnclear, kNotTheirs };
  // `outside` is the reading of the words outside the brackets. An aside that only rules
  // out another kind is dropped; one that rules out a piece of the value ("(no area code)")
  // stays; one that names a person or says what the field wants instead is unclear.
  AsideReading readAsides(std::string_view part, const std::vector<LabelAside>& asides,
                          const FieldReading& outside) const;
  // Whether an aside that names someone else only notes a condition, a consent, a purpose
  // or a likeness ("(under 16: parental consent required)", "(for emergencies)"): the field
  // stays the person's own.
  bool isANoteOnOthers(std::string_view aside) const;
  // Whether a short later part says whose value the field is ("Emergency contact", "Parent or
  // guardian"): not negated, no example, and no choice that includes the person ("Parent or
  // student"). A CJK part may run to `cjkLength` characters.
  bool namesWhoseValue(std::string_view part, std::size_t cjkLength) const;
  // Whether a short part of `label` numbers a person past the first, whom the person books for:
  // "Passenger 2 · First name", "第2乗客 氏名"; not one that says it is the person ("(you)").
  bool namesALaterPerson(std::string_view label) const;
  // Whether an aside is only a role that the one filling in the form can hold ("guardian",
  // "verhuurder", "tutor legal") and that reads as someone else's.
  bool isAFillersRole(std::string_view aside) const;
  // `ownField`: the words outside say the value is the person's own ("Your email").
  ClauseVerdict judgeClause(std::string_view clause, const FieldReading& outside, bool ownField,
                            FieldKind* ruledOut) const;
  // Whether `words` make a value of `kind` the person's own: a possessive right before the
  // field's words ("Your email", "Ihre E-Mail"), not before another's ("Your doctor's phone").
  bool namesOwnValue(std::string_view words, FieldKind kind) const;
  // Whether a label asks for a date of birth and nothing else: "What is your date of birth?",
  // "Date of birth (DD/MM/YYYY)", not "Date of birth of the person you care for".
  bool asksOnlyForABirthDate(std::string_view label) const;
  // `decided` offered only where the label asks for a date of birth beside other things or
  // another's, or its field's name (`decidedPart`) for a former value or a place of birth.
  FieldReading readWhen(std::string_view label, std::string_view decidedPart, FieldReading decided) const;

  std::unordered_map<std::string, std::vector<Keyword>> byFirstWord_;
  std::vector<Keyword> scanned_;  // prefix and anywhere keywords
  std::unordered_map<std::string, Keyword> whole_;  // by the folded label part they must equal
  std::unordered_set<std::string> birthDateWords_;  // the folded words of the date-of-birth keywords
};

}  // namespace oskel::answer
