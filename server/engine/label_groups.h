// How the parts of a label stand to each other: which kinds may head a group of fields
// ("Company · Phone"), which later parts only name the field or say whose value it is, and
// which words make a detail an organisation's rather than the person's.
#pragma once

#include <string>
#include <string_view>

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

// The contact details of a person that an organisation has as well: "Firma Telefon".
bool isOrganisationsDetail(FieldKind kind);

// A former organisation, someone at it or a shared box of it: "Previous employer email",
// "Company HR email", "Firma · E-Mail Geschäftsführer", "Company billing email", "会社電話番号（代表）".
bool namesAnotherPartOfIt(const std::string& folded);

// Whether a label part names an institution whose `kind` of detail the field asks for, not the
// person's: "School phone", "Hotel address", "Telefon der Schule", "学校の電話番号", "Bank" as a
// heading. A school's or university's e-mail address is the person's own there; no detail said
// to be for the institution or shared with it is ("Phone number for the hotel").
bool namesAnInstitution(std::string_view part, FieldKind kind);

// Whether a label speaks of the person as an institution's customer or of the value as
// registered with it: "Hotel guest email", "Bank · Your phone", "Bei der Bank hinterlegte
// Telefonnummer", "银行预留手机号". The detail is then the person's own.
bool speaksOfTheCustomer(std::string_view label);

// An organisation's contact person rather than the organisation: "Company contact name",
// "Company contact", "Firma Ansprechpartner", "Nom du contact entreprise", "会社担当者名"; not
// "Contact company" nor "Contact company name".
bool namesItsContactPerson(const std::string& folded);

// An employer: whose e-mail or phone the label may ask for, unless it says "your" or "work"
// ("Employer · Work phone").
bool namesAnEmployer(const std::string& folded);

// A label that names only an organisation and its e-mail or phone, with at most "your" or
// "work" beside them: "Firma E-Mail", "Company · Your work email", "会社のメールアドレス"; not
// "Company · CEO email" nor "Customer company · Email".
bool isBareOrganisationsDetail(const std::string& folded);

// A heading that names the person's own address: "Address", "Billing address", "Lieferadresse",
// "お届け先"; not "Previous address", "Property address", "Work address".
bool isOwnAddressHeading(const std::string& folded);

// Whether an organisation's e-mail or phone that `folded` asks for is the person's own at work:
// a bare label ("Firma E-Mail", "Company · Email") for an e-mail address, one that says "your"
// or "work" (`saysOwn`) for a number or beside an employer ("Employer · Work phone").
bool personsOwnAtWork(const std::string& folded, FieldKind kind, bool saysOwn);

}  // namespace oskel::answer
