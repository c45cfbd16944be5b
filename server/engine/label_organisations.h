// Words that make a contact detail an organisation's or an institution's rather than the
// person's: "Firma Telefon", "Company · CEO email", "School phone", "Company contact name".
#pragma once

#include <string>
#include <string_view>

#include "engine/field_kind.h"

namespace oskel::answer {

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

// Whether an organisation's e-mail or phone that `folded` asks for is the person's own at work:
// a bare label ("Firma E-Mail", "Company · Email") for an e-mail address, one that says "your"
// or "work" (`saysOwn`) for a number or beside an employer ("Employer · Work phone").
bool personsOwnAtWork(const std::string& folded, FieldKind kind, bool saysOwn);

// A heading that names only an errand with an organisation: "Booking", "Hotel check-in",
// "Your order", "Airline booking", "ご予約"; not "Ticket 2", "Reference", "Children".
bool namesAnErrand(const std::string& folded);

// People no organisation stands for: an emergency contact, next of kin, a family doctor, a
// referrer ("Firma · Notfallkontakt", "Company · Next of kin", "会社情報 · 紹介者名"); unlike a
// landlord or a supplier, which a company may be.
bool namesOnlyAPerson(const std::string& folded);

// A detail of the person's work or of a company that no saved value answers: a position, a
// trade, a registry or tax number, remarks ("Funktion", "Branche", "USt-IdNr.", "役職", "备注").
bool namesAWorkDetail(const std::string& folded);

// `folded` with those words blanked out: " your position " -> " your          ".
std::string withoutWorkDetails(const std::string& folded);

}  // namespace oskel::answer
