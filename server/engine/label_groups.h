// How the parts of a label stand to each other: which kinds may head a group of fields
// ("Company · Phone"), which later parts only name the field or say whose value it is, and
// who the label names as the one filling it in.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/field_kind.h"

namespace oskel::answer {

// "本人" or "본인" (oneself) standing alone or before a field's word ("（本人）", "本人氏名",
// "ご本人の携帯電話"); not negated ("非本人", "本人以外", "본인 아님", "本人の携帯不可") nor owning
// another's ("本人の保護者", "본인의 보호자", "本人の緊急連絡先").
bool namesTheFillerInCjk(const std::string& folded);

// An aside of a part that says it is the one filling in: "Participant 2 (you)", "Gast 2
// (Sie)", "Passenger 2 (me)".
bool saysItIsTheFiller(std::string_view part);

// A part short enough to be a field's name and no sentence: "Telefon", "Phone number",
// "メールアドレス"; not "Used to personalise our emails", "Shown in emails", "이메일에 표시됩니다".
bool namesAFieldOnly(std::string_view part);

// The same, where a CJK part may run to `cjkLength` characters ("上司のメールアドレス") and
// another to `words` words.
bool namesAFieldOnly(std::string_view part, std::size_t cjkLength, std::size_t words);

// Words that may stand beside a field's name without asking for more: "Your VAT number", "Numéro
// de TVA", "Job title", "Número exterior", "Number of employees"; and in CJK scripts "の", "番号".
const std::vector<std::string>& fieldNameFillers();
const std::vector<std::string>& fieldNameCjkFillers();

// Words of an emergency, with no person named: "In an emergency", "Im Notfall", "acil durum".
bool namesOnlyAnEmergency(std::string_view text);

// The parts of a person's name: full, given and family name.
bool isANameKind(FieldKind kind);

// The lines of an address after the street: "Address line 2", postal code, city, region, country.
bool isALineOfAnAddress(FieldKind kind);

// Kinds whose word may head a group of fields: "Company", "Shipping address", "Contact person".
bool headsAGroup(FieldKind kind);

// A later part that names another field of the group `heading` starts: not a user name or
// a date of birth, which a note beside a name or an address speaks of as often.
bool readsAnotherDetail(FieldKind heading, FieldKind later);

// A later part's kind that names a field of the group no saved value answers: "Company · VAT
// number", "Address · Delivery instructions", "Name · Comments"; not one that only hints at it,
// nor a search, which may look the heading's value up ("Postcode · Find address").
bool readsAFieldNeverAnswered(FieldKind later, double certainty);

// Kinds of one group: the parts of a name, or the lines of an address.
bool inOneGroup(FieldKind heading, FieldKind kind);

// A heading that names the person's own address: "Address", "Billing address", "Lieferadresse",
// "お届け先"; not "Previous address", "Property address", "Work address".
bool isOwnAddressHeading(const std::string& folded);

// An own address heading of the one who pays, whose details the fields under it ask for:
// "Billing address", "Rechnungsadresse", "Adresse de facturation", "請求先".
bool isBillingAddressHeading(const std::string& folded);

// A field under a billing address that asks for the payer's own value of `kind`: not a
// department's or a second one ("Accounting email", "Alternative phone"), nor a participant's.
bool asksForThePayersOwn(std::string_view part, FieldKind kind);

// Whether `text` speaks of a value had before or elsewhere at all: "previous", "Geburtsort", "旧住所".
bool speaksOfAFormerValue(std::string_view text);

// A field's name that asks for a value the person had before or elsewhere: "Previous address",
// "Country of birth", "Geburtsort", "Old email address", "旧住所". The saved value is most likely
// the current one.
bool asksForAFormerValue(std::string_view part);

// A place of birth: "Place of birth", "Geburtsort", "Lieu de naissance", "出生地".
bool namesABirthplace(std::string_view part);

// The words of a heading of details, padded: " details ", " angaben ", " données ".
const std::vector<std::string>& detailsNouns();

// A heading of the person's own details, which says nothing of the field: "Personal details",
// "Ihre Angaben", "お客様情報"; not others' ("Coach details") nor a company's.
bool isOwnDetailsHeading(const std::string& folded);

}  // namespace oskel::answer
