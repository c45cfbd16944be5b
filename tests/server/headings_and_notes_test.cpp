// Headings of details ("Company details · Phone") and notes in asides ("Email (we never send
// spam)"): neither is a field of its own, and neither may turn a plain field into free text,
// a captcha or a code.
#include <gtest/gtest.h>

#include <optional>

#include "engine_test_support.h"

namespace oskel::answer {
namespace {

using namespace oskel::answer::test;

TEST(LabelReader, HeadingsOfDetailsHeadTheFieldsAfterThem) {
  expectKinds({
      // The rest of the heading heads the group: the company's, the address's, the person's own.
      {"Company details \u00B7 Company name", FieldKind::kOrganisation},
      {"Company details \u00B7 Phone number", FieldKind::kPhone},
      {"Address details \u00B7 Postcode", FieldKind::kPostalCode},
      {"Personal details \u00B7 Date of birth", FieldKind::kBirthDate},
      {"D\u00E9tails personnels \u00B7 Date de naissance", FieldKind::kBirthDate},
      {"Login details \u00B7 Email", FieldKind::kEmail},
      {"Login details \u00B7 Username", FieldKind::kUsername},
      {"Enter your details \u00B7 Email", FieldKind::kEmail},
      // Above a field that later parts name and describe, or after a step's counter.
      {"Billing details \u00B7 Street address \u00B7 House number and street name", FieldKind::kStreetAddress},
      // The donor and the one whose "data diri" (own details) a form asks for fill it in.
      {"Donor details \u00B7 Full name", FieldKind::kFullName},
      {"Data diri \u00B7 Nama lengkap", FieldKind::kFullName},
      // A later part that only says what becomes of the value, and words of other forms.
      {"Mobile number \u00B7 We'll text you a verification code", FieldKind::kPhone},
      {"Mobile number \u00B7 Enter the code we sent you", FieldKind::kOneTimeCode},
      {"Referencias para encontrar tu domicilio \u00B7 p. ej. casa azul, port\u00F3n negro", FieldKind::kComment},
      {"Account nickname \u00B7 e.g. Holiday savings", FieldKind::kComment},
      {"N\u00FAmero interior (opcional)", FieldKind::kAddressLine2},
      {"Toevoeging (bijv. A of 2-hoog)", FieldKind::kAddressLine2},
      {"Co. name", FieldKind::kOrganisation},
      {"Invoice address (private) \u00B7 Street and number", FieldKind::kStreetAddress},
      {"Invoice address \u00B7 Postcode", FieldKind::kPostalCode},
      {"Company \u00B7 Email address for invoices", FieldKind::kEmail},
      {"Invoice number", FieldKind::kOtherNumber},
      {"Doru\u010Dovac\u00ED adresa \u00B7 Zem\u011B", FieldKind::kCountry},
      {"GitHub profile (optional)", FieldKind::kUrl},
      {"Pincode *", FieldKind::kPostalCode},
      {"PIN code", FieldKind::kOneTimeCode},  // a card's or a phone's as often as India's postal code
      {"Previous owner \u00B7 Name", FieldKind::kSomeoneElse},
      {"Geschenkempf\u00E4nger \u00B7 Name", FieldKind::kSomeoneElse},
      {"\u8ACB\u6C42\u66F8\u756A\u53F7", FieldKind::kOtherNumber},  // 請求書番号
      {"\uC608\uC57D\uBC88\uD638", FieldKind::kOtherNumber},  // 예약번호
      {"\uD734\uB300\uD3F0 \uBC88\uD638 \u00B7 \uAC00\uC6B4\uB370 \uC790\uB9AC", FieldKind::kPhonePart},  // 휴대폰 번호 · 가운데 자리
      {"Step 2 of 3 \u00B7 Your details \u00B7 Surname", FieldKind::kFamilyName},
      {"Your details \u00B7 Company \u00B7 VAT number", FieldKind::kOtherNumber},
      // Not so a heading that counts another guest: never the person's e-mail address.
      {"Guest 2 details \u00B7 Email \u00B7 We send the tickets here", FieldKind::kComment},
      // A later part no word names may be anything; the heading alone is still free text.
      {"Company details \u00B7 Trading since", FieldKind::kComment},
      {"Company details", FieldKind::kComment},
      {"Further details", FieldKind::kComment},
      // A bare name under an organisation is its name; a role's name there is a person's.
      {"Company \u00B7 Name", FieldKind::kOrganisation},
      {"Empresa \u00B7 Nombre", FieldKind::kOrganisation},
      {"Entreprise \u00B7 Nom", FieldKind::kOrganisation},
      {"\uD68C\uC0AC \u00B7 \uC774\uB984", FieldKind::kOrganisation},  // 회사 · 이름
      {"Company \u00B7 Name of director", FieldKind::kFullName},
      {"Company \u00B7 Name and legal form", FieldKind::kOrganisation},
      {"Company \u00B7 First name", FieldKind::kGivenName},
      {"Company \u00B7 Name (contact person)", FieldKind::kFullName},
      {"Firma \u00B7 Anrede", FieldKind::kOrganisation},  // offered only: see below
      {"Azienda \u00B7 Codice coupon", FieldKind::kPromoCode},
      {"Empresa \u00B7 N\u00FAmero de empleados", FieldKind::kOtherNumber},
      // A part that only shares the heading's word names no field of its group.
      {"Address details \u00B7 Years at this address", FieldKind::kComment},
      {"Company details \u00B7 Holding company", FieldKind::kComment},
      // The person's own headings in other words; another person's as a heading.
      {"Account holder details \u00B7 Email", FieldKind::kEmail},
      {"Step 1 of 3: Your details \u00B7 Email", FieldKind::kEmail},
      {"Passenger details \u00B7 First name", FieldKind::kGivenName},
      {"Step 2: Guest 2 details \u00B7 First name", FieldKind::kComment},
      {"Partner \u00B7 Email", FieldKind::kSomeoneElse},
      {"Voornaam partner", FieldKind::kSomeoneElse},
      {"Booking contact \u00B7 Email", FieldKind::kEmail},
      {"Passport \u00B7 Issuing country", FieldKind::kOtherNumber},
      {"Email (spam protection: leave this field empty)", FieldKind::kCaptcha},
      {"Email (we'll send the voucher code to the recipient)", FieldKind::kOneTimeCode},
      {"First name only - not last name", FieldKind::kGivenName},
      {"Nom complet (avec tous les pr\u00E9noms)", FieldKind::kFullName},
      {"Company \u00B7 Name (yours)", FieldKind::kFullName},
      {"Arbeitgeber \u00B7 Name", FieldKind::kOrganisation},
      {"Company \u00B7 Name (include surname)", FieldKind::kFullName},
      {"Employer \u00B7 Name (supervisor)", FieldKind::kFullName},
      {"Apellidos y nombre (solo may\u00FAsculas)", FieldKind::kFullName},
      {"Nombre de participants", FieldKind::kQuantity},
      {"Ksi\u0119ga go\u015Bci \u00B7 Imi\u0119", FieldKind::kGivenName},
      {"Alle Vornamen", FieldKind::kGivenName},
      {"Doctor \u00B7 Phone", FieldKind::kSomeoneElse},
      {"Witness \u00B7 First name", FieldKind::kSomeoneElse},
      // After a loose first part, a field named with "of" is named all the same.
      {"Sign up \u00B7 Date of birth", FieldKind::kBirthDate},
  });
}

TEST(LabelReader, NotesInAsidesLeaveTheFieldAsItIs) {
  expectKinds({
      // A note on what becomes of the value: the spam, codes, vouchers and orders it speaks of.
      {"Email (we never send spam)", FieldKind::kEmail},
      {"Email (we'll send you a confirmation code)", FieldKind::kEmail},
      {"Mobile number (we'll text you a code)", FieldKind::kPhone},
      {"Email (get a coupon for your first order)", FieldKind::kEmail},
      {"Email (we'll reply to your message here)", FieldKind::kEmail},
      {"Email (password will be sent here)", FieldKind::kEmail},
      {"Company name (shown on invoice)", FieldKind::kOrganisation},
      // Not a trap for robots, a date's format, nor a note that names a person.
      {"Website (leave this field empty)", FieldKind::kCaptcha},
      {"Website (leave blank)", FieldKind::kCaptcha},
      {"E-Mail (bitte leer lassen)", FieldKind::kCaptcha},
      {"Email (laissez ce champ vide)", FieldKind::kCaptcha},
      {"Website (laat leeg)", FieldKind::kCaptcha},
      {"Website (leave blank if you have none)", FieldKind::kUrl},
      // How to write the value: as a document has it.
      {"Surname (as shown on your passport)", FieldKind::kFamilyName},
      {"Vorname (wie im Reisepass)", FieldKind::kGivenName},
      {"Full name as shown on your passport", FieldKind::kFullName},
      {"Passport (as issued)", FieldKind::kOtherNumber},
      {"Current employer since (DD/MM/YYYY)", FieldKind::kDatePart},
      {"Name (of the person who left the comment)", FieldKind::kComment},
      // What an aside rules out is not what the field asks for, but a piece taken away is.
      {"Name (ohne Titel)", FieldKind::kFullName},
      {"Username (not your password)", FieldKind::kUsername},
      {"Last name (not your maiden name)", FieldKind::kFamilyName},
      {"Phone (no area code)", FieldKind::kPhonePart},
      {"Phone (no dialling code)", FieldKind::kPhonePart},
      {"Nome completo (no documento)", FieldKind::kFullName},
      // A hint on what to put in is no field of its own either.
      {"Address (include house number)", FieldKind::kStreetAddress},
      {"Address (include apartment number)", FieldKind::kStreetAddress},
      {"Phone number (please specify country)", FieldKind::kPhone},
      {"Name (please enter your child's name)", FieldKind::kSomeoneElse},
      // ... but one that asks for another field, a former value or what to type is the field's word.
      {"Name (bitte nur Vorname)", FieldKind::kGivenName},
      {"Nombre (indique sus apellidos)", FieldKind::kFamilyName},
      {"Address (please specify postal code)", FieldKind::kPostalCode},
      {"Name (include company name)", FieldKind::kOrganisation},
      {"Email (enter the 6-digit code we sent)", FieldKind::kOneTimeCode},
      {"Company (tell us about your company)", FieldKind::kComment},
      {"Date of birth (only the year please)", FieldKind::kDatePart},
      {"Last name (please specify maiden name)", FieldKind::kOtherNumber},
      {"Name (include first and last name)", FieldKind::kFullName},
      {"Address (include postcode)", FieldKind::kStreetAddress},
      {"\uC774\uB984 (\uC131 \uD3EC\uD568)", FieldKind::kFullName},  // 이름 (성 포함)
      {"Country (nationality)", FieldKind::kOtherNumber},
  });
}

TEST(AnswerEngine, HeadingsAndNotesKeepTheRightValue) {
  auto history = list({{"C:index0", "Acme GmbH"},
                       {"N:index0", "Anna M\u00FCller"},
                       {"B:index0", "14.03.1988"},
                       {"S:index0", "Hauptstra\u00DFe 5"},
                       {"E:index0", "anna@example.com"},
                       {"P:index0", "+49 30 1234567"}});
  expectChoices({
      {"Company \u00B7 Name", history, 0, true},
      {"Personal details \u00B7 Date of birth", history, 2, true},
      {"Billing address \u00B7 Date of birth (DD/MM/YYYY)", history, 2, false},
      {"Email (we never send spam)", history, 4, true},
      {"Mobile number (we'll text you a code)", history, 5, true},
      {"Company details \u00B7 Trading since", history, std::nullopt},
      // Beside a company's heading, a field no word names is only offered the company's name.
      {"Firma \u00B7 Anrede", history, 0, false},
      {"Company \u00B7 As registered", history, 0, true},
      {"Entreprise \u00B7 Facultatif", history, 0, true},
      {"Firma \u00B7 Wie viele Mitarbeiter?", history, 0, false},
      {"Education \u00B7 University", history, std::nullopt},
      {"Company \u00B7 Name of director", history, 1, false},
  });
}

TEST(LabelReader, FieldsUnderAnAddressHeading) {
  expectKinds({
      // German and Dutch addresses named in one word read as addresses, the company's offered.
      {"Lieferadresse", FieldKind::kStreetAddress},
      {"Rechnungsanschrift", FieldKind::kStreetAddress},
      {"Bezorgadres", FieldKind::kStreetAddress},
      {"Gesch\u00E4ftsadresse", FieldKind::kStreetAddress},
      // A field no value answers, named in other words under an address, is refused; a number
      // there may be a hint that the address hold it.
      {"Indirizzo di spedizione \u00B7 Codice coupon", FieldKind::kPromoCode},
      {"Adresse \u00B7 Num\u00E9ro obligatoire", FieldKind::kStreetAddress},
      {"Address \u00B7 Include house number", FieldKind::kStreetAddress},
      // A place of birth under an address is no line of it.
      {"Adresse de facturation \u00B7 Ville de naissance", FieldKind::kCity},
      // A field of another kind named with a note: that field, not the heading's value.
      {"Delivery address \u00B7 Phone for delivery questions", FieldKind::kPhone},
      {"Company \u00B7 Email address for invoices", FieldKind::kEmail},
      // Not a note that only speaks of another field, nor a word of two senses.
      {"First name \u00B7 Email personalisation", FieldKind::kGivenName},
      {"Name \u00B7 We'll email a confirmation", FieldKind::kFullName},
      {"Nom \u00B7 Tel qu'il figure sur votre pi\u00E8ce d'identit\u00E9", FieldKind::kFamilyName},
      {"Company \u00B7 Legal name of your business", FieldKind::kOrganisation},
      {"Billing address \u00B7 E-mail for invoices", FieldKind::kEmail},
      // The one-word addresses name the field only alone.
      {"Name (Lieferadresse)", FieldKind::kFullName},
      {"Meldeadresse seit", FieldKind::kUnknown},
      {"Versandadresse \u00B7 Hausnummer", FieldKind::kOtherNumber},
      // A field no value answers beside an address, named with a note; a note on the address.
      {"Lieferadresse \u00B7 Nachricht an den Fahrer", FieldKind::kComment},
      {"Billing address \u00B7 Anything else we should know?", FieldKind::kComment},
      {"Address \u00B7 Note: no PO boxes", FieldKind::kStreetAddress},
      {"Address \u00B7 Don't forget the house number", FieldKind::kStreetAddress},
      {"Address \u00B7 State or province", FieldKind::kRegion},
      // A provider's, a device's or a company's kind is no detail of the person's.
      {"Company type", FieldKind::kOtherNumber},
      {"Mobile operator", FieldKind::kOtherNumber},
      {"In what city were you born?", FieldKind::kPassword},
      // Another person only mentioned in a note leaves the person's own field as it is.
      {"Your email (we share it with the broker)", FieldKind::kEmail},
      {"Uw naam (leidinggevende)", FieldKind::kFullName},
      {"Broker email", FieldKind::kSomeoneElse},
  });
  auto offered = [](const char* label) { return engine().labels().read(label).offerOnly; };
  // Beside an address, a field no word names is only offered the address; a hint on the
  // address, its line or a heading of it still has it inserted.
  for (const char* label : {"Delivery address \u00B7 Gender", "Address \u00B7 Flat number",
                            "\u4F4F\u6240 \u00B7 \u4E01\u76EE",  // 住所 · 丁目
                            "Delivery address \u00B7 Previous address", "Billing address \u00B7 City of birth",
                            "Shipping address \u00B7 Email", "Delivery address \u00B7 Gender (optional)",
                            "Lieferadresse \u00B7 Wie sind Sie auf uns aufmerksam geworden?", "Firma \u00B7 z. Hd.",
                            "Billing address \u00B7 Accounting email", "Billing address \u00B7 Alternative phone",
                            "Billing address \u00B7 Attendee name", "Country of issue", "Venue address",
                            "Address \u00B7 Where do you work?",
                            // Two lines in one box: the postal code offered, the street never.
                            "Billing address \u00B7 Postal code and city", "Comuna"}) {
    EXPECT_TRUE(offered(label)) << label;
  }
  for (const char* label : {"Address \u00B7 Line 1", "Address \u00B7 Optional", "Adresse \u00B7 Keine Packstation",
                            "Adres \u00B7 Z numerem domu", "Indirizzo \u00B7 Aggiungi il civico",
                            "Address \u00B7 Same as billing", "Billing address \u00B7 Email",
                            "Rechnungsadresse \u00B7 Vorname", "Firma \u00B7 Z form\u0105 prawn\u0105",
                            "Company \u00B7 Legal form required", "Rechnungsadresse \u00B7 E-Mail f\u00FCr Rechnungen",
                            "Adresse \u00B7 Privat", "Address \u00B7 Where do you live?", "Address \u00B7 State or province",
                            "Billing address \u00B7 Email for receipts", "Invoice address \u00B7 Postcode"}) {
    EXPECT_FALSE(offered(label)) << label;
  }
  EXPECT_EQ(kindOf("Billing address \u00B7 Postal code and city"), FieldKind::kPostalCode);
  // Another person named under a billing address stays offered.
  EXPECT_TRUE(offered("Billing address \u00B7 Student's name"));
}

TEST(AnswerEngine, AnAddressHeadingGivesItsValueOnlyToItsFields) {
  auto history = list({{"S:index0", "Hauptstra\u00DFe 5"},
                       {"N:index0", "Anna M\u00FCller"},
                       {"C:index0", "Berlin"},
                       {"E:index0", "anna@example.com"},
                       {"P:index0", "+49 30 1234567"}});
  expectChoices({
      {"Lieferadresse", history, 0, true},
      {"Address \u00B7 Line 1", history, 0, true},
      {"Delivery address \u00B7 Gender", history, 0, false},
      {"Delivery address \u00B7 Phone for delivery questions", history, 4, false},
      {"Billing address \u00B7 Email", history, 3, true},
      {"Shipping address \u00B7 Email", history, 3, false},
      {"Adresse de facturation \u00B7 Ville de naissance", history, 2, false},
      {"Indirizzo di spedizione \u00B7 Codice coupon", history, std::nullopt},
  });
}

}  // namespace
}  // namespace oskel::answer
