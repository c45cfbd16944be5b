// Bracketed asides, date formats and very long labels: how the reader takes apart the
// words around a field's name.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/answer_engine.h"
#include "engine/label_asides.h"
#include "engine_test_support.h"

namespace oskel::answer {
namespace {

using namespace oskel::answer::test;

TEST(LabelAsides, FindsTopLevelAsidesAndNegations) {
  std::string part = "Phone (no (area) code) [x] \uFF08\u59D3\uFF09 (open";
  std::vector<LabelAside> asides = labelAsides(part);
  ASSERT_EQ(asides.size(), 3u);
  EXPECT_EQ(asides[0].inner, "no (area) code");
  EXPECT_EQ(asides[1].inner, "x");
  EXPECT_EQ(asides[2].inner, "\u59D3");
  EXPECT_EQ(withoutAsides(part, asides), "Phone    (open");
  EXPECT_EQ(withoutAsides(part, {asides[1]}), "Phone (no (area) code)  \uFF08\u59D3\uFF09 (open");
  EXPECT_TRUE(labelAsides(") Email (").empty());
  EXPECT_EQ(negatedWords("no spaces"), " spaces ");
  EXPECT_EQ(negatedWords("Ohne Leerzeichen"), " leerzeichen ");
  for (const char* notNegated : {"No. interior", "n\u00BA da casa", "n\u00B0 5", "no 5", "no de membre", "no", "",
                                 "spaces not allowed"}) {
    EXPECT_EQ(negatedWords(notNegated), "") << notNegated;
  }
}

TEST(LabelAsides, SplitsLabelsRunTogetherAtTheirColons) {
  using Labels = std::vector<std::string_view>;
  EXPECT_EQ(colonClosedLabels("Brugernavn : * Navn (frivillig) :"), (Labels{"Brugernavn", "Navn (frivillig)"}));
  EXPECT_EQ(colonClosedLabels("Vorname:* Nachname:*"), (Labels{"Vorname", "Nachname"}));
  EXPECT_EQ(colonClosedLabels("お名前： 電話："), (Labels{"お名前", "電話"}));
  // Colons that close no label: in an aside, after a digit, in a scheme; and a last label
  // not closed by a colon may be a hint rather than the field's own.
  EXPECT_EQ(colonClosedLabels("Website (format: http://x.org): Email:"), (Labels{"Website (format: http://x.org)", "Email"}));
  for (const char* one : {"Email:", "Hours 9:00-17:00: Phone:", "Website http://x.org: Email", "Note: Email",
                          "Name: Email: we never share it", ": Email:", "", "Email::"}) {
    EXPECT_TRUE(colonClosedLabels(one).empty()) << one;
  }
}

TEST(AnswerEngine, ReadsOnlyTheStartOfAVeryLongLabel) {
  // Page text swept into a label is not read: the refusal far beyond the field's words is
  // ignored, and a cut inside a multi-byte character leaves valid text.
  std::string label = "Email \u00B7 " + std::string(4000, 'x') + " \u00B7 Password";
  EXPECT_EQ(engine().readField({label, "AXTextField", "x"}).kind, FieldKind::kEmail);
  std::string accents = "Phone \u00B7 ";  // 9 bytes: the 2,000th byte falls inside an "é"
  for (int i = 0; i < 3000; ++i) accents += "\u00E9";
  Answer a = engine().answer({accents, "AXTextField", "x"}, list({{"A:index0", "+44 20 7946 0958"}}));
  EXPECT_EQ(a.kind, FieldKind::kPhone);
  EXPECT_EQ(a.chosen, 0u);
}

TEST(LabelReader, BracketedAsides) {
  expectKinds({
      // A company in an aside of an e-mail, phone or web-address label: the person's own
      // when the aside says "your" or the label asks for work details, else maybe the
      // company's; never the company's name.
      // Asides that name a piece of the value decide as before.
      {"Email (domain must match your company)", FieldKind::kEmail},
      {"Work email (company address)", FieldKind::kEmail},
      {"Phone (company)", FieldKind::kUnclear},
      {"Website (company)", FieldKind::kUnclear},
      {"Address (city)", FieldKind::kCity},
      {"Username (or email)", FieldKind::kUsernameOrEmail},
      {"Company (if applicable)", FieldKind::kOrganisation},
      {"Mail (street address)", FieldKind::kStreetAddress},
      {"E-mail (for the invoice)", FieldKind::kEmail},
      {"Allowed email domains (comma separated)", FieldKind::kOtherNumber},
      {"Phone (IMEI)", FieldKind::kOtherNumber},
      {"Website (launch date)", FieldKind::kOtherNumber},
      {"Work email (allowed email domains: acme.com)", FieldKind::kEmail},
      {"Street address (apt/unit)", FieldKind::kAddressLine2},
      {"Your name (last name)", FieldKind::kFamilyName},
      {"氏名 (姓)", FieldKind::kFamilyName},
      {"Phone (country)", FieldKind::kCountry},
      {"Company (URL)", FieldKind::kUrl},
      {"Phone (employer)", FieldKind::kUnclear},
      {"Work phone (company)", FieldKind::kPhone},
      {"Phone (your employer's main number)", FieldKind::kUnclear},
      {"Website (company) · www.company.com", FieldKind::kUnclear},
      {"Email (company HR)", FieldKind::kUnclear},
      // An aside that says what not to write is no part of the reading...
      {"Username (no spaces)", FieldKind::kUsername},
      {"Phone number (no spaces)", FieldKind::kPhone},
      {"Postcode (no spaces)", FieldKind::kPostalCode},
      {"Website (without http://)", FieldKind::kUrl},
      {"Telefon (ohne Leerzeichen)", FieldKind::kPhone},
      {"Email (no spam, ever)", FieldKind::kEmail},
      {"Email (not shown publicly)", FieldKind::kEmail},
      {"Phone (no spaces, no dashes)", FieldKind::kPhone},
      {"Username (not your email, 3-20 characters)", FieldKind::kUsername},
      {"Name (not a company)", FieldKind::kFullName},
      {"City (not a ZIP code)", FieldKind::kCity},
      {"Email (not a username or phone number)", FieldKind::kEmail},
      {"Name (not the same as your username)", FieldKind::kFullName},
      {"Email (no spaces, lowercase)", FieldKind::kEmail},
      // A name without one of its parts is the other part.
      {"Name (without first name)", FieldKind::kFamilyName},
      {"Nombre (sin apellidos)", FieldKind::kGivenName},
      // Ruling out another of the field's own values leaves unclear which one it wants.
      {"Address (not your address, the venue address)", FieldKind::kUnclear},
      {"Apellidos (sin segundo apellido)", FieldKind::kUnclear},
      {"Email (domain only, e.g. company.com)", FieldKind::kUnclear},
      // A person ruled out beside an organisation, a requirement, a sign-in: no doubt.
      {"Company (not an individual)", FieldKind::kOrganisation},
      {"Phone (not required, but recommended)", FieldKind::kPhone},
      {"Email (not shared, used for login)", FieldKind::kEmail},
      // An aside that also says what the field wants instead, or points at a person,
      // leaves the field unclear: no answer.
      {"Name (not a nickname but your real name)", FieldKind::kUnclear},
      {"Name (not a person, a company)", FieldKind::kUnclear},
      {"Teléfono (no el tuyo)", FieldKind::kUnclear},
      {"Teléfono (no el del solicitante)", FieldKind::kUnclear},
      {"Nome completo (no cartão do titular)", FieldKind::kCardOrSecurityCode},
      {"Username (not your email)", FieldKind::kUsername},
      {"City (not postcode)", FieldKind::kCity},
      // ... but one that names someone else keeps the field someone else's, unless the
      // words outside make it the person's own and the aside only rules the other out.
      {"Your name (not the guarantor)", FieldKind::kFullName},
      {"Your email (not your partner's)", FieldKind::kEmail},
      {"Ihre E-Mail (nicht die Ihres Partners)", FieldKind::kEmail},
      {"Email (not your partner's)", FieldKind::kUnclear},
      {"Your email (not the person completing this form)", FieldKind::kUnclear},
      {"Your name (not yours, the guarantor's)", FieldKind::kUnclear},
      {"Name (not the guarantor)", FieldKind::kUnclear},
      {"Tu correo (no el de tu pareja)", FieldKind::kEmail},
      // Not when "your" stands before another person's role (whose word alone refuses the
      // field), or the aside rules out the role of whoever fills the form in.
      {"Your doctor's phone (not a relative)", FieldKind::kSomeoneElse},
      {"Your family doctor's phone (not a relative's)", FieldKind::kSomeoneElse},
      {"Your primary contact's email (not your spouse's)", FieldKind::kUnclear},
      {"Your last name (not your spouse's)", FieldKind::kFamilyName},
      {"Teléfono de tu médico (no familiar)", FieldKind::kUnclear},
      {"Your recruiter's email (not the applicant)", FieldKind::kSomeoneElse},
      {"Your email (not the person completing this form)", FieldKind::kUnclear},
      // "Your" says whose value it is even when the aside rules out a role.
      {"Your name (not the applicant)", FieldKind::kFullName},
      {"Your email (not the student's)", FieldKind::kEmail},
      {"Su correo (no el de un familiar)", FieldKind::kEmail},
      {"Your date of birth (not your child's)", FieldKind::kBirthDate},
      // A negation after another clause, Polish "nie", Portuguese "no formato".
      {"Phone (optional, no spaces)", FieldKind::kPhone},
      {"Phone number (10 digits, no dashes)", FieldKind::kPhone},
      {"Adres e-mail (nie zostanie opublikowany)", FieldKind::kEmail},
      {"Imię (nie nazwisko)", FieldKind::kGivenName},
      {"Adresse de messagerie", FieldKind::kEmail},
      {"Geschäftliche E-Mail (kein Gmail, GMX, Web.de)", FieldKind::kEmail},
      {"Group email address (no personal email addresses)", FieldKind::kUnclear},
      // "Yours" and "you" at the end of a negated clause, in several languages.
      {"Email (non la tua)", FieldKind::kUnclear},
      {"E-mail (pas le vôtre, celui du parent)", FieldKind::kUnclear},
      {"Телефон (не ваш)", FieldKind::kUnclear},
      {"Imię i nazwisko (nie Ty)", FieldKind::kUnclear},
      {"Email (not related to you)", FieldKind::kUnclear},
      {"Adresse (nicht Ihre Wohnadresse, die Adresse der Immobilie)", FieldKind::kUnclear},
      {"Téléphone (facultatif, pas le vôtre)", FieldKind::kUnclear},
      {"Telefon der Eltern (nicht Ihre eigene)", FieldKind::kSomeoneElse},
      {"Name (nicht Sie)", FieldKind::kUnclear},
      // ... but not a note on who sees the value, nor a part of the field's own kind.
      {"Email (not visible to anyone except you)", FieldKind::kEmail},
      {"E-Mail (nicht sichtbar für andere als du)", FieldKind::kEmail},
      {"Vorname (nur erster Vorname, ohne weitere Vornamen)", FieldKind::kGivenName},
      // No real names: a pseudonym, which the history does not say.
      {"Name (no real names please)", FieldKind::kUnclear},
      {"Name (kein Klarname)", FieldKind::kUnclear},
      {"Nickname (not your real name)", FieldKind::kUsername},
      // A real name asked for beside a refusal of others is the person's own.
      {"Full name (no nicknames: real name only)", FieldKind::kFullName},
      {"Nom complet (pas de pseudonyme : votre vrai nom)", FieldKind::kFullName},
      {"Full name (not real-time validated)", FieldKind::kFullName},
      {"Phone number (not yours, the guarantor's)", FieldKind::kUnclear},
      {"Name (not a relative)", FieldKind::kUnclear},
      {"Phone (not yours)", FieldKind::kUnclear},
      {"Nome completo (no documento do fiador)", FieldKind::kSomeoneElse},
      {"Telefone (no caso de emergência)", FieldKind::kUnclear},
      {"Sobrenome (no caso de casadas, sobrenome de solteira)", FieldKind::kUnclear},
      {"Full name (not just first name)", FieldKind::kFullName},
      {"Empresa (no la tuya)", FieldKind::kUnclear},
      // Dropping "(no spaces)" leaves a number's own words to read.
      {"Company number (no spaces)", FieldKind::kOtherNumber},
      {"Member ID (no dashes)", FieldKind::kOtherNumber},
      {"GP name (no titles)", FieldKind::kSomeoneElse},
      {"Phone (not the user)", FieldKind::kUnclear},
      {"Adresse e-mail (pas votre nom d'utilisateur)", FieldKind::kEmail},
      {"Work phone (company switchboard)", FieldKind::kUnclear},
      {"Phone (main number)", FieldKind::kPhone},
      {"Company (not required if you work for yourself)", FieldKind::kOrganisation},
      {"Teléfono (no obligatorio)", FieldKind::kPhone},
      {"Nome completo (no documento)", FieldKind::kFullName},
      // ... unless it takes a part away from the value, and "No." before digits or "of" is
      // a number.
      {"Phone (no area code)", FieldKind::kPhonePart},
      {"Telefon (ohne Vorwahl)", FieldKind::kPhonePart},
      {"Phone (without country code)", FieldKind::kPhonePart},
      {"Phone (no\u00A0area code)", FieldKind::kPhonePart},
      {"Phone (no (area) code)", FieldKind::kPhonePart},
      {"Phone (no dialling code)", FieldKind::kPhonePart},
      {"Domicilio (No. interior)", FieldKind::kAddressLine2},  // the flat's number, Mexico's second line
      {"Endereço (nº da casa)", FieldKind::kOtherNumber},
      {"Adresse (no civique)", FieldKind::kOtherNumber},
      // Portuguese "no" is "on the": the name on the card is no plain name.
      {"Nome (no cartão)", FieldKind::kCardOrSecurityCode},
      {"Mobile No.", FieldKind::kPhone},
      {"House no", FieldKind::kOtherNumber},
      {"Flat no / House name", FieldKind::kOtherNumber},
      {"Country code", FieldKind::kPhonePart},
      // The format of a whole date asks for the whole date; a lone part asks for a part.
      {"Date of birth (DD/MM/YYYY)", FieldKind::kBirthDate},
      {"Geburtsdatum (TT.MM.JJJJ)", FieldKind::kBirthDate},
      {"Data di nascita (gg/mm/aaaa)", FieldKind::kBirthDate},
      {"Дата рождения (дд.мм.гггг)", FieldKind::kBirthDate},
      {"DD/MM/YYYY", FieldKind::kUnknown},
      {"Birthday (M/D/YYYY)", FieldKind::kBirthDate},
      {"Fecha de nacimiento (DD/MM/AA)", FieldKind::kBirthDate},
      {"Date of birth (Day/Month/Year)", FieldKind::kBirthDate},
      {"Birth year (YYYY)", FieldKind::kDatePart},
      // A whole date of anything else is a date, not the noun beside it.
      {"Lived at current address since (DD/MM/YYYY)", FieldKind::kDatePart},
      {"Current employer since (DD/MM/YYYY)", FieldKind::kDatePart},
      {"Pet's date of birth (DD/MM/YYYY)", FieldKind::kSomeoneElse},
      {"Geburtsdatum des Kindes (TT.MM.JJJJ)", FieldKind::kSomeoneElse},
      {"Day (DD)", FieldKind::kDatePart},
      {"MM/YY", FieldKind::kDatePart},
      {"Expiry (MM/YY)", FieldKind::kCardOrSecurityCode},
  });
  // A date of birth is inserted only where the label asks for nothing else.
  auto birthday = list({{"A:index0", "14/03/1988"}});
  expectChoices({{"Date of birth (DD/MM/YYYY)", birthday, 0u, true},
                 {"Date of birth \u00B7 Required", birthday, 0u, true},
                 {"\u751F\u5E74\u6708\u65E5", birthday, 0u, true},
                 {"Passenger 2 \u00B7 Date of birth (DD/MM/YYYY)", birthday, std::nullopt},
                 {"Passenger 1 \u00B7 Date of birth (DD/MM/YYYY)", birthday, 0u, false},
                 {"Patient date of birth", birthday, 0u, false},
                 {"What is your date of birth?", birthday, 0u, true},
                 {"Date of birth of the person you care for", birthday, 0u, false},
                 {"\u914D\u5076\u8005\u306E\u751F\u5E74\u6708\u65E5", birthday, std::nullopt},  // the spouse's
                 {"When were you born?", birthday, 0u, true}});
  // Left without a long aside, a loose word is as unsure as it was inside the sentence.
  expectChoices({{"Name (not the person completing this form)", list({{"A:index0", "Jane Doe"}}), std::nullopt},
                 {"Full name (no nicknames)", list({{"A:index0", "Jane Doe"}}), 0u, true}});
}

}  // namespace
}  // namespace oskel::answer
