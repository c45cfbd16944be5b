// Fields named by a longer phrase than their keyword: a business's trading name, an address of
// residence, the second line of an address, and the fields of a group that the group's heading
// does not answer ("Company · Number of employees", "Billing address · Date of birth").
#include <gtest/gtest.h>

#include <optional>

#include "engine_test_support.h"

namespace oskel::answer {
namespace {

using namespace oskel::answer::test;

TEST(LabelReader, BusinessNamesAddressesOfResidenceAndSecondLines) {
  expectKinds({
      // A business's name under another word than "company"; a person's legal name stays a name.
      {"Trading name", FieldKind::kOrganisation},
      {"Legal entity name", FieldKind::kOrganisation},
      {"DBA name", FieldKind::kOrganisation},
      {"Legal entity identifier (LEI)", FieldKind::kUnknown},
      {"Agency name", FieldKind::kOrganisation},
      {"Name des Unternehmens *", FieldKind::kOrganisation},
      {"Nome fantasia", FieldKind::kOrganisation},
      {"Nombre comercial", FieldKind::kOrganisation},
      {"Legal name", FieldKind::kFullName},
      {"School name", FieldKind::kOrganisation},
      // A club or university is named as a team is: no saved value answers.
      {"Name of university", FieldKind::kOtherNumber},
      {"Club name", FieldKind::kOtherNumber},
      {"Name des Vereins", FieldKind::kOtherNumber},
      {"Name of the club secretary", FieldKind::kFullName},
      // A second number of the person's own; only a heading names another contact.
      {"Secondary contact number", FieldKind::kPhone},
      {"Secondary contact \u00B7 Phone", FieldKind::kSomeoneElse},
      // A postal address or one of residence is the street address, not its postcode or town.
      {"Direcci\u00F3n postal", FieldKind::kStreetAddress},
      {"Endere\u00E7o postal", FieldKind::kStreetAddress},
      {"Indirizzo di residenza", FieldKind::kStreetAddress},
      {"C\u00F3digo postal", FieldKind::kPostalCode},
      {"Citt\u00E0 di residenza", FieldKind::kCity},
      {"Residenza", FieldKind::kCity},
      {"Paese di residenza *", FieldKind::kCountry},
      {"Provincia di residenza", FieldKind::kRegion},
      {"\u5E02\u533A\u753A\u6751\u30FB\u756A\u5730", FieldKind::kStreetAddress},  // 市区町村・番地
      {"\u5E02\u533A\u753A\u6751", FieldKind::kCity},                          // 市区町村
      // The rest of an address after the line its postcode finds.
      {"\u4F4F\u6240\uFF12", FieldKind::kAddressLine2},                    // 住所２
      {"\uC0C1\uC138\uC8FC\uC18C", FieldKind::kAddressLine2},              // 상세주소
      {"\uB098\uBA38\uC9C0 \uC8FC\uC18C", FieldKind::kAddressLine2},       // 나머지 주소
      {"\u8BE6\u7EC6\u5730\u5740", FieldKind::kStreetAddress},             // 详细地址: the street line
      {"Address (second line)", FieldKind::kAddressLine2},
      {"Second line of address", FieldKind::kAddressLine2},
      {"Address \u00B7 Line 2", FieldKind::kAddressLine2},
      {"Phone line 2", FieldKind::kPhone},
      {"Type de logement (appartement, maison)", FieldKind::kUnknown},
      {"Postcode + huisnummer", FieldKind::kPostalCode},
      // A hint on what the address holds is no field of its own.
      {"\uC8FC\uC18C \u00B7 \uC0C1\uC138\uC8FC\uC18C \uD3EC\uD568", FieldKind::kStreetAddress},  // 주소 · 상세주소 포함
      {"Address \u00B7 Include postcode", FieldKind::kStreetAddress},
      {"Address \u00B7 Including apartment number", FieldKind::kStreetAddress},
      {"Delivery address \u00B7 Address line 2 (optional)", FieldKind::kAddressLine2},
      {"Billing address \u00B7 County (optional)", FieldKind::kRegion},
      {"Endere\u00E7o de entrega \u00B7 Complemento", FieldKind::kAddressLine2},
      {"Direcci\u00F3n (l\u00EDnea 2)", FieldKind::kAddressLine2},
      {"Complemento (apto, bloco)", FieldKind::kAddressLine2},
      {"Scala, interno", FieldKind::kAddressLine2},
      {"Numer lokalu", FieldKind::kAddressLine2},
      {"\u041A\u0432\u0430\u0440\u0442\u0438\u0440\u0430 / \u043E\u0444\u0438\u0441", FieldKind::kAddressLine2},  // Квартира / офис
      {"Daire No", FieldKind::kAddressLine2},
      {"L\u00E4genhetsnummer", FieldKind::kAddressLine2},
      {"Billing details \u00B7 Apartment, suite, unit, etc.", FieldKind::kAddressLine2},
      {"Appartement, b\u00E2timent (facultatif)", FieldKind::kAddressLine2},
      {"\u0110\u1ECBa ch\u1EC9 (s\u1ED1 nh\u00E0, t\u00EAn \u0111\u01B0\u1EDDng)", FieldKind::kStreetAddress},  // Địa chỉ (số nhà, tên đường)
      {"Telefono interno", FieldKind::kPhone},
      // A field's longer name under an address or a company heading, but no question or note.
      {"Shipping address \u00B7 Re-enter email address", FieldKind::kEmail},
      {"Adresse de facturation \u00B7 Votre adresse e-mail", FieldKind::kEmail},
      {"Billing address \u00B7 Mobile no.", FieldKind::kPhone},
      {"Your details \u00B7 Phone No.", FieldKind::kPhone},
      {"Country \u00B7 Where is your company based?", FieldKind::kCountry},
      {"Billing address \u00B7 Name of organization", FieldKind::kOrganisation},
      {"Shipping address \u00B7 Postcode without spaces", FieldKind::kPostalCode},
      {"Shipping address \u00B7 Building name (optional)", FieldKind::kAddressLine2},
      {"Street address \u00B7 e.g. 12 City Road", FieldKind::kStreetAddress},
      {"Shipping address \u00B7 We never share your email", FieldKind::kStreetAddress},
      {"Endere\u00E7o \u00B7 Observa\u00E7\u00E3o: sem caixa postal", FieldKind::kStreetAddress},
      {"Calle No.", FieldKind::kStreetAddress},
      {"Address line 1 \u00B7 Company name, if applicable", FieldKind::kStreetAddress},  // a note
      {"Name \u00B7 Titel Vorname Nachname", FieldKind::kFullName},
      {"Pracodawca \u00B7 NIP pracodawcy", FieldKind::kOtherNumber},
      // A street joined to its number is the street address; the number alone is not.
      {"Street, number", FieldKind::kStreetAddress},
      {"Address (street, number)", FieldKind::kStreetAddress},
      {"Calle, n\u00FAmero", FieldKind::kStreetAddress},
      {"Ulica, nr domu/lokalu", FieldKind::kStreetAddress},
      {"Num\u00E9ro et nom de voie", FieldKind::kStreetAddress},
      {"Street number", FieldKind::kOtherNumber},
      {"Street number, unit", FieldKind::kOtherNumber},
      {"Street, number \u00B7 No.", FieldKind::kOtherNumber},  // its house-number box
      {"Woonadres \u00B7 Huisnummer", FieldKind::kOtherNumber},
      // Further names of common fields.
      {"Direct line", FieldKind::kPhone},
      {"Best number to reach you", FieldKind::kPhone},
      {"Str. u. Hausnr.", FieldKind::kStreetAddress},
      {"Stra\u00DFe u. Hausnr.", FieldKind::kStreetAddress},
      {"Woonadres", FieldKind::kStreetAddress},
      {"\u4F4F\u5740", FieldKind::kStreetAddress},  // 住址
      {"Adresszeile 2", FieldKind::kAddressLine2},
      {"B\u00E2timent, \u00E9tage, appartement", FieldKind::kAddressLine2},
      {"\u4F4F\u6240 \u00B7 \u5EFA\u7269\u540D", FieldKind::kAddressLine2},  // 住所 · 建物名
      {"\u3054\u4F4F\u6240 \u00B7 \u90E8\u5C4B\u756A\u53F7\u3082\u5165\u529B",
       FieldKind::kStreetAddress},  // ご住所 · 部屋番号も入力: a hint
      {"Pracodawca", FieldKind::kOrganisation},
      {"\uAE30\uC5C5\uBA85", FieldKind::kOrganisation},  // 기업명
      {"Site internet", FieldKind::kUrl},
      {"Construction site", FieldKind::kUnknown},
      {"Endere\u00E7o de entrega \u00B7 UF", FieldKind::kRegion},
      {"Comunidad aut\u00F3noma", FieldKind::kRegion},
      {"Wohnsitzland", FieldKind::kCountry},
      {"\uB098\uB77C", FieldKind::kCountry},  // 나라
      {"M.I.", FieldKind::kMiddleName},
      {"Place of work phone", FieldKind::kPhone},
      {"Name \u00B7 We'll email you", FieldKind::kFullName},
      {"Name \u00B7 Your email signature name", FieldKind::kFullName},
      // Tax numbers, however spelled, are no user name.
      {"Steuer-ID", FieldKind::kOtherNumber},
      {"Umsatzsteuer-ID (Pflichtfeld)", FieldKind::kOtherNumber},
      {"N\u00B0 TVA intracommunautaire", FieldKind::kOtherNumber},
      {"User ID", FieldKind::kUsername},
      {"\u00DAltimo nome", FieldKind::kFamilyName},
      {"Primeiro nome", FieldKind::kGivenName},
      // Words that named nothing before.
      {"N\u00B0 et voie", FieldKind::kStreetAddress},
      {"B\u00E2timent, escalier, \u00E9tage", FieldKind::kAddressLine2},
      {"\u041A\u0432\u0430\u0440\u0442\u0438\u0440\u0430", FieldKind::kAddressLine2},  // Квартира
      {"\u0410\u0434\u0440\u0435\u0441 \u00B7 \u0423\u043B\u0438\u0446\u0430, \u0434\u043E\u043C, "
       "\u043A\u0432\u0430\u0440\u0442\u0438\u0440\u0430",
       FieldKind::kStreetAddress},  // Адрес · Улица, дом, квартира
      {"Utilizador", FieldKind::kUsername},
      {"R\u00FCckrufnummer", FieldKind::kPhone},
      {"Poczta", FieldKind::kCity},
      {"Poczta e-mail", FieldKind::kEmail},
      {"Palavra-passe", FieldKind::kPassword},
      {"Adresse (ligne 2)", FieldKind::kAddressLine2},
      {"Primeiro e \u00FAltimo nome", FieldKind::kFullName},
  });
}

TEST(AnswerEngine, AHeadingsValueStaysOutOfTheFieldsBesideIt) {
  auto history = list({{"C:index0", "Acme GmbH"},
                       {"N:index0", "Anna Müller"},
                       {"B:index0", "14.03.1988"},
                       {"S:index0", "Hauptstraße 5"},
                       {"Z:index0", "10115"},
                       {"T:index0", "Berlin"},
                       {"E:index0", "anna@example.com"},
                       {"G:index0", "Anna"}});
  expectChoices({
      // A company's register, size and turnover: nothing saved answers, least of all its name.
      {"Company \u00B7 Number of employees", history, std::nullopt},
      {"About your company \u00B7 Number of employees", history, std::nullopt},
      {"Firma \u00B7 HRB-Nummer", history, std::nullopt},
      {"Soci\u00E9t\u00E9 \u00B7 RCS", history, std::nullopt},
      {"Company \u00B7 Annual revenue", history, std::nullopt},
      {"Dados da empresa \u00B7 Inscri\u00E7\u00E3o estadual", history, std::nullopt},
      {"\u4F01\u4E1A\u4FE1\u606F \u00B7 \u516C\u53F8\u89C4\u6A21", history, std::nullopt},  // 企业信息 · 公司规模
      {"\u516C\u53F8\u4FE1\u606F \u00B7 \u7EDF\u4E00\u793E\u4F1A\u4FE1\u7528\u4EE3\u7801", history,
       std::nullopt},  // 公司信息 · 统一社会信用代码
      // ... nor where a part names someone no organisation is.
      {"Firma \u00B7 Notfallkontakt", history, std::nullopt},
      {"Company information \u00B7 Next of kin", history, std::nullopt},
      {"\u4F1A\u793E\u60C5\u5831 \u00B7 \u7D39\u4ECB\u8005\u540D", history, std::nullopt},  // 会社情報 · 紹介者名
      {"Company \u00B7 Landlord", history, 0u, true},
      // ... while a part that asks for the company's name, or for it and more, keeps it.
      {"Company \u00B7 Company name", history, 0u, true},
      {"Company \u00B7 Legal name (as on Certificate of Incorporation)", history, 0u, true},
      {"Company director \u00B7 Legal name", history, 1u, false},
      {"Legal name", history, 1u, true},
      {"Company \u00B7 Company / job title", history, 0u, true},
      {"Firma (wie im Handelsregister)", history, 0u, true},
      {"Trading name", history, 0u, true},
      // A street with its number is the street address, not the house number alone.
      {"Address \u00B7 Street + number", history, 3u, true},
      // A date of birth after an address or a name: the date, offered, never the heading's value.
      {"Billing address \u00B7 Date of birth", history, 2u, false},
      {"Adresse de facturation \u00B7 Date de naissance", history, 2u, false},
      {"Name \u00B7 Date of birth", history, 2u, false},
      {"Date of birth", history, 2u, true},
      // A line of the address under its heading, named with "or" or "of": the person's own.
      {"Shipping address \u00B7 Town or city", history, 5u, true},
      {"Delivery address \u00B7 Country of residence", list({{"S:index0", "Hauptstraße 5"}, {"C:index0", "Germany"}}),
       1u, true},
      // Under a heading that names the place of birth, the town is offered only; other former
      // things ("Past events") say nothing of the field's value.
      {"Geburtsort \u00B7 Ort", history, 5u, false},
      {"Lieu de naissance \u00B7 Ville", history, 5u, false},
      {"Ort", history, 5u, true},
      {"Past events \u00B7 Email", history, 6u, true},
      // A loose first part ("Sign up" reads as an e-mail field) gives way to the field named.
      {"Sign up \u00B7 Middle name", history, std::nullopt},
      {"Sign up \u00B7 Current address", history, 3u, false},
      {"Sign up \u00B7 First name", history, 7u, false},
      {"Your profile \u00B7 Birthday", history, 2u, true},
      {"Create an account \u00B7 Date of birth (DD/MM/YYYY)", history, 2u, true},
      {"Lead passenger \u00B7 Date of birth", history, 2u, false},
      {"Sign up \u00B7 Student's name", history, 1u, false},
      // The details of the one who books, orders, pays or applies, or writes to a contact form, are
      // the person's own; a role's are not.
      {"Applicant details \u00B7 Email", history, 6u, true},
      {"Booking details \u00B7 Street address", history, 3u, true},
      {"Customer information \u00B7 Customer name", history, 1u, true},
      {"Personal details \u00B7 Preferred name", history, 1u, false},
      {"\uBB38\uC758\uD558\uAE30 \u00B7 \uC774\uBA54\uC77C", history, 6u, true},  // 문의하기 · 이메일
      {"Coach details \u00B7 First name", history, std::nullopt},
      {"Guest 2 details \u00B7 Email", history, std::nullopt},
      {"2. Contact details \u00B7 Email", history, 6u, true},
      {"Entreprise \u00B7 Personne \u00E0 pr\u00E9venir en cas d'urgence", history, 0u, false},
      {"Sign up \u00B7 Dietary needs", history, 6u, false},
      // Nationality, identity numbers and what a job asks are no saved value, under a heading too.
      {"Employer \u00B7 Nationality", history, std::nullopt},
      {"Billing address \u00B7 Notice period", history, std::nullopt},
      {"\u56FD\u7C4D", history, std::nullopt},  // 国籍
      {"Step 2: Your details \u00B7 Email", history, 6u, true},
      {"Booking details \u00B7 Venue address", history, 3u, false},
      {"Customer information \u00B7 Family name / Surname", list({{"F:index0", "Müller"}}), 0u, true},
      {"Message \u00B7 Email", history, std::nullopt},
      // Another person's details, named by a heading.
      {"Secondary contact \u00B7 Name", history, std::nullopt},
      {"Secondary contact \u00B7 Email", history, std::nullopt},
      {"Your partner \u00B7 Name", history, std::nullopt},
      {"Gegevens kind \u00B7 Voornaam", history, std::nullopt},
      {"Who referred you? \u00B7 Name", history, std::nullopt},
      {"\u79D8\u66F8 \u00B7 \u30E1\u30FC\u30EB\u30A2\u30C9\u30EC\u30B9", history, std::nullopt},  // 秘書 · メールアドレス
      {"Partner company \u00B7 Email", history, 6u, false},
  });
}

}  // namespace
}  // namespace oskel::answer
