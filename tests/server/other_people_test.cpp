// Fields that belong to someone other than the person filling in the form, and the contact
// details of an organisation, which are neither the person's private ones nor the
// organisation's name.
#include <gtest/gtest.h>

#include "engine/answer_engine.h"
#include "engine_test_support.h"

namespace oskel::answer {
namespace {

using namespace oskel::answer::test;

TEST(AnswerEngine, OtherPeopleInEveryLanguageGetNothingOfThePersons) {
  // Each of these used to get the person's own name or number inserted.
  auto own = list({{"N:index0", "Anna Müller"}, {"G:index0", "Anna"}, {"P:index0", "+49 30 1234567"},
                   {"E:index0", "anna@example.com"}});
  expectChoices({
      {"Name des Hausarztes", own, std::nullopt},
      {"Name des Werbers", own, std::nullopt},
      {"Nom de votre manager", own, std::nullopt},
      {"Nome de quem indicou", own, std::nullopt},
      {"Name of the travel agent", own, std::nullopt},
      {"E-mail leidinggevende", own, std::nullopt},
      {"Imię i nazwisko przełożonego", own, std::nullopt},
      {"ФИО руководителя", own, std::nullopt},
      {"Broker email", own, std::nullopt},
      {"Name des Beschenkten", own, std::nullopt},
      {"Imię i nazwisko obdarowanego", own, std::nullopt},
      {"Name deiner Begleitung", own, std::nullopt},
      {"Travelling companion \u00B7 Surname", own, std::nullopt},
      {"Angaben zum Unfallgegner \u00B7 Name", own, std::nullopt},
      {"Tilmelding \u00B7 Barnets navn", own, std::nullopt},
      {"Acil durumda aranacak ki\u015Fi \u00B7 Telefon", own, std::nullopt},
      {"Persona da contattare in caso di necessit\u00E0 \u00B7 Telefono", own, std::nullopt},
      {"Second account holder \u00B7 First name", own, std::nullopt},
      {"Account holder 2 \u00B7 Surname", own, std::nullopt},
      // Asked only where it differs from what the person gave before.
      {"Full name (if different from the account holder)", own, std::nullopt},
      {"Name des Kontoinhabers (falls abweichend)", own, std::nullopt},
      {"\u5165\u4F4F\u4EBA\u59D3\u540D\uFF08\u5982\u4E0E\u9884\u8BA2\u4EBA\u4E0D\u540C\uFF09", own,
       std::nullopt},  // 入住人姓名（如与预订人不同）
      {"Billing address (if different from delivery)", list({{"S:index0", "12 High Street"}}), 0u, false},
      {"Gåvomottagarens namn", own, std::nullopt},
      {"Hediye alıcısının adı soyadı", own, std::nullopt},
      {"Wohnungsgeber · Anschrift", list({{"S:index0", "Hauptstraße 5"}}), std::nullopt},
      {"受赠人姓名", own, std::nullopt},
      {"선물 받는 분 · 이름", own, std::nullopt},
      {"Mottagarens namn (presentkort)", own, std::nullopt},
      {"Nombre de tu jefe", own, std::nullopt},
      {"Teléfono del médico", own, std::nullopt},
      {"主治医の電話番号", own, std::nullopt},
      {"Nom du bénéficiaire", own, std::nullopt},
      {"Nombre del arrendador", own, std::nullopt},
      {"Imię współmałżonka", own, std::nullopt},
      {"妻の名前", own, std::nullopt},
      {"자녀 이름", own, std::nullopt},
      {"Imię psa", own, std::nullopt},
      {"ФИО умершего", own, std::nullopt},
      {"Mitantragsteller E-Mail", own, std::nullopt},
      {"保証人 電話番号", own, std::nullopt},
      {"同行者氏名", own, std::nullopt},
      {"本人の上司のメールアドレス", own, std::nullopt},
      {"본인의 대리인 연락처", own, std::nullopt},
      {"Boss's email", own, std::nullopt},
      {"Teacher name", own, std::nullopt},
      {"Nom du professeur", own, std::nullopt},
      {"老师电话", own, std::nullopt},
      {"Teacher mobile", own, std::nullopt},
      {"Boss full name", own, std::nullopt},
      {"Email of the teacher", own, std::nullopt},
      {"Full name of the coach", own, std::nullopt},
      {"Phone number of your lawyer", own, std::nullopt},
      {"Email of the head teacher", own, std::nullopt},
      {"Email of the organising teacher", own, 3u, true},  // a role the one filling in may hold
      {"Coach registration \u00B7 Email of the coach", own, 3u, true},
      {"Name of the restaurant manager", own, 0u},
      {"Email of the lawyer", own, 3u, true},  // a lawyer may fill in; "your lawyer" is another
      {"Alternative contact email", own, std::nullopt},
      {"Sponsor's phone", own, std::nullopt},
      {"Email of the teacher (main contact)", own, 3u, true},
      {"Email of the coach or player", own, 3u, true},  // a choice after "of", which may be the person
      {"Trainer/Trainee name", own, 0u},  // a choice that may be the person
      {"Teacher \u00B7 Your name", own, 0u},
      {"Email for your teacher to reach you", own, 3u, true},
      {"コーチの方 · メールアドレス", own, 3u, true},
      {"上司の承認 · 申請者氏名", own, 0u, true},
      // People numbered past the first are those the person books for; the first is
      // mostly the person.
      {"Passenger 2 \u00B7 First name", own, std::nullopt},
      {"2nd passenger \u00B7 Email", own, std::nullopt},
      {"Teilnehmer 3: Vorname", own, std::nullopt},
      {"Zweiter Teilnehmer \u00B7 E-Mail", own, std::nullopt},
      {"Пассажир 2 имя", own, std::nullopt},
      {"Passenger (2) \u00B7 First name", own, std::nullopt},
      {"Participant n\u00B0 2 \u00B7 Nom", own, std::nullopt},
      {"\u041F\u0430\u0441\u0441\u0430\u0436\u0438\u0440 2-\u0439 \u00B7 \u0418\u043C\u044F", own, std::nullopt},  // Пассажир 2-й · Имя
      {"Passenger two \u00B7 First name", own, std::nullopt},
      {"Pasajero dos \u00B7 Nombre", own, std::nullopt},
      {"第2乗客 氏名", own, std::nullopt},
      {"第二搭乗者 メールアドレス", own, std::nullopt},
      {"Passenger 1 \u00B7 First name", own, 1u, true},
      {"申込者2 メールアドレス", own, std::nullopt},
      {"Passager deux : Email", own, std::nullopt},
      {"第1乗客 氏名", own, 0u, true},
      // ... unless an aside says it is the person.
      {"Participant 2 (you) \u00B7 Email", own, 3u, true},
      {"Gast 2 (Sie) \u00B7 Vorname", own, 1u, true},
      // Words that only look like the pronoun: the EU, an abbreviation, German "sie" (she).
      {"Passenger 2 (EU) \u00B7 Email", own, std::nullopt},
      {"Passenger 2 (ME) \u00B7 Phone", own, std::nullopt},
      {"Teilnehmer 2 (sie) \u00B7 E-Mail", own, std::nullopt},
      {"Member due \u00B7 Email", own, 3u, true},  // English "due", not Italian "two"
      // Help sentences and counts are no second person.
      {"Email \u00B7 You can add other passengers later", own, 3u, true},
      {"Your name \u00B7 Guests: 2", own, 0u, true},
      {"Adult 1 \u00B7 Email", own, 3u, true},
      {"Participante dos jogos \u00B7 E-mail", own, 3u, true},  // "dos": of the
  });
  // Notes beside the person's own value: a consent, a condition the person is in, an example,
  // the role the person fills it in as, the person themselves.
  expectChoices({
      {"E-Mail (unter 16: Zustimmung der Eltern erforderlich)", own, 3u, true},
      {"Name (if travelling with a child)", own, 0u},
      {"Company (e.g. Mom's Bakery)", list({{"C:index0", "Acme GmbH"}}), 0u, true},
      {"Your name (guardian)", own, 0u, true},
      {"Uw naam (verhuurder)", own, 0u, true},
      {"Phone (our advisor will call you back)", own, 2u, true},
      {"\u6536\u6B3E\u4EBA\u59D3\u540D\uFF08\u672C\u4EBA\uFF09", own, 0u, true},  // 收款人姓名（本人）
      {"\u96FB\u8A71\u756A\u53F7\uFF08\u7DCA\u6025\u9023\u7D61\u7528\uFF09", own, 2u, true},  // 電話番号（緊急連絡用）
      {"緊急連絡先（ご本人の携帯電話）", own, 2u, true},
      // A refusal that speaks of another's value leaves the person's own.
      {"本人携帯電話（家族の番号除外）", own, 2u, true},
      {"本人手机号（不能填写监护人电话）", own, 2u, true},
      {"본인 휴대폰 번호 (보호자 번호 제외)", own, 2u, true},
      {"본인의 연락처", own, 2u, true},
      // ... but not where the aside says whose the value is, or who acts is someone else.
      {"Phone (person who can collect your child)", own, std::nullopt},
      {"Your email (child)", own, std::nullopt},
      {"Phone (e.g. your mother)", own, std::nullopt},
      {"Phone (emergency: who should we call?)", own, std::nullopt},
      {"Email (parent email visible to teacher)", own, std::nullopt},
      {"\u4FDD\u8B77\u8005\u6C0F\u540D\uFF08\u672C\u4EBA\u304C\u672A\u6210\u5E74\u306E\u5834\u5408\uFF09", own,
       std::nullopt},  // 保護者氏名（本人が未成年の場合）
      {"Email (parent's email if under 13)", own, std::nullopt},
      {"本人の緊急連絡先 電話番号", own, std::nullopt},
      {"保護者の携帯（本人の携帯不可）", own, std::nullopt},
      {"보호자 연락처 (본인 번호 불가)", own, std::nullopt},
      {"비상 연락처 (본인, 배우자 제외)", own, std::nullopt},
      {"Phone (under 18s: parent's phone)", own, std::nullopt},
      {"\u96FB\u8A71\u756A\u53F7\uFF08\u672A\u6210\u5E74\u306E\u5834\u5408\u306F\u4FDD\u8B77\u8005\uFF09", own,
       std::nullopt},  // 電話番号（未成年の場合は保護者）
  });
  // Words that only spell like them keep their sense.
  expectKinds({{"Address line 2", FieldKind::kAddressLine2},
               {"Number of guests", FieldKind::kOtherNumber},
               {"Tutorial", FieldKind::kUnknown},
               {"Seu país", FieldKind::kCountry},
               {"Nom d'épouse", FieldKind::kFamilyName},
               {"\u96FB\u8A71\u756A\u53F7\uFF08\u643A\u5E2F\u96FB\u8A71\u3067\u3082\u5927\u4E08\u592B\u3067\u3059\uFF09",
                FieldKind::kPhone},  // 電話番号（携帯電話でも大丈夫です）
               {"\uC2E0\uACE0\uC778 \uC131\uBA85", FieldKind::kFullName},  // 신고인 성명
               {"\uBB38\uC758\uC0AC\uD56D", FieldKind::kComment},         // 문의사항
               {"Adult (12+) \u00B7 First name", FieldKind::kGivenName},
               {"Participant 2025 \u00B7 Email", FieldKind::kEmail},
               {"Alternative contact number", FieldKind::kPhone},
               {"Tel\u00E9fono familiar", FieldKind::kPhone},
               {"E-mail (velden in het vet zijn verplicht)", FieldKind::kEmail}});
}

TEST(AnswerEngine, AnotherPersonsAddressOrNumberIsOfferedWhereTheHistoryIsAboutSomeoneElse) {
  // Florian's name stands in three clips; a colleague's address, copied alone, begins with the
  // colleague's given name. His own goes ahead of it, and it still makes a rival.
  auto florian = list({{"C0:index0", "gustavo.lacerda@moraesteixeira.com.br"},
                       {"C1:index0", "Florian Wimmleitner"},
                       {"C2:index0", "Florian"},
                       {"C3:index0", "Wimmleitner"},
                       {"C4:index0", "Gustavo Lacerda"}});
  auto florianToo = florian;
  florianToo.push_back({"C5:index0", "f.wimmleitner@aon.at"});
  // His wife's address: as likely the one the family gives, and "theresa" may as well be a
  // short form of his own name as another's. Nothing changes.
  auto wife = list({{"C0:index0", "theresa.wimmleitner@gmx.at"}, {"C1:index0", "Florian Wimmleitner"},
                    {"C2:index0", "Florian"}, {"C3:index0", "Wimmleitner"}});
  // A colleague's card: her name, number and address.
  auto trevor = list({{"C0:index0", "Kelsey Bend\n(541) 617-2283\nkelsey.bend@outlook.com"},
                      {"C0:index1", "Kelsey Bend"},
                      {"C0:index2", "(541) 617-2283"},
                      {"C0:index3", "kelsey.bend@outlook.com"},
                      {"C1:index0", "Trevor Whitaker"},
                      {"C2:index0", "Trevor"},
                      {"C3:index0", "Whitaker"}});
  auto trevorsOwnToo = trevor;
  trevorsOwnToo.push_back({"C4:index0", "(541) 382-4917"});
  trevorsOwnToo.push_back({"C5:index0", "twhitaker84@gmail.com"});
  // One mention each: nothing tells whose history it is, so the card's values fill as before.
  auto nobodyLeads = list({{"C0:index0", "Kelsey Bend\n(541) 617-2283"},
                           {"C0:index1", "Kelsey Bend"},
                           {"C0:index2", "(541) 617-2283"},
                           {"C1:index0", "Trevor Whitaker"}});
  // The person's own cards: the name written more fully or shortened, or an employer's name
  // above an address that spells theirs.
  auto ownCard = list({{"C0:index0", "Dr. Trevor J. Whitaker\n(541) 382-4917"},
                       {"C0:index1", "Dr. Trevor J. Whitaker"},
                       {"C0:index2", "(541) 382-4917"},
                       {"C1:index0", "Trevor Whitaker"},
                       {"C2:index0", "Trevor"}});
  auto bobsSignature = list({{"C0:index0", "Bob Smith\n+1 415 555 0134"},
                             {"C0:index1", "Bob Smith"},
                             {"C0:index2", "+1 415 555 0134"},
                             {"C1:index0", "Robert Smith"},
                             {"C2:index0", "Robert"}});
  auto employer = list({{"C0:index0", "Morgan Stanley\nsmith.j@morganstanley.com\n+1 212 761 4000"},
                        {"C0:index1", "Morgan Stanley"},
                        {"C0:index2", "smith.j@morganstanley.com"},
                        {"C0:index3", "+1 212 761 4000"},
                        {"C1:index0", "John Smith"},
                        {"C2:index0", "John"}});
  // Short forms, initials and the family name first are the person's own.
  auto william = list({{"C0:index0", "bill.turner@outlook.com"}, {"C1:index0", "William Turner"},
                       {"C2:index0", "Turner"}, {"C3:index0", "noreply@ups.com"}});
  auto ramon = list({{"C0:index0", "rarias.quiroga@hotmail.es"}, {"C1:index0", "Ramón Arias Quiroga"},
                     {"C2:index0", "Ramón"}});
  auto annaLena = list({{"C0:index0", "annalena.brueckner@web.de"}, {"C1:index0", "Anna Lena Brückner"},
                        {"C2:index0", "Brückner"}});
  auto kevin = list({{"C0:index0", "jamesk@company.com"}, {"C1:index0", "Kevin James"}, {"C2:index0", "Kevin"}});
  expectChoices({{"Email", florian, 0u, false},
                 {"Email", florianToo, 5u, true},
                 {"Email", wife, 0u, true},
                 {"Phone", trevor, 2u, false},
                 {"Email", trevor, 3u, false},
                 {"Phone", trevorsOwnToo, 7u, true},
                 {"Email", trevorsOwnToo, 8u, true},
                 {"Phone", nobodyLeads, 2u, true},
                 {"Phone", ownCard, 2u, true},
                 {"Phone", bobsSignature, 2u, true},
                 {"Email", employer, 2u, true},
                 {"Email", william, 0u, true},
                 {"Email", ramon, 0u, true},
                 {"Email", annaLena, 0u, true},
                 {"Email", kevin, 0u, true}});
  // The colleague's address counts as a rival of the person's own.
  Answer own = engine().answer({"Email", "AXTextField", "x"}, florianToo);
  Answer alone = engine().answer({"Email", "AXTextField", "x"}, list({{"C5:index0", "f.wimmleitner@aon.at"}}));
  EXPECT_LT(own.confidence, alone.confidence);
}

TEST(AnswerEngine, AnOrganisationsContactDetailsAreNotItsName) {
  // "Firma Telefon", "会社電話番号": the company's number, which may be the person's at work or
  // the company's switchboard. Never the company's name; the detail is offered, not inserted,
  // except an e-mail address, which is the person's own at work, and a number the label calls
  // the person's own or their work number.
  auto work = list({{"C:index0", "Acme GmbH"}, {"P:index0", "+49 30 1234567"}, {"E:index0", "anna@acme.de"},
                    {"A:index0", "Hauptstraße 5"}, {"Z:index0", "10115"}});
  expectChoices({
      {"Firma Telefon", work, 1u, false},
      {"\u4F1A\u793E\u96FB\u8A71\u756A\u53F7", work, 1u, false},  // 会社電話番号
      {"\uD68C\uC0AC \uC804\uD654\uBC88\uD638", work, 1u, false},  // 회사 전화번호
      {"Telefono azienda", work, 1u, false},
      {"Organisation email", work, 2u, true},
      {"Employer \u00B7 Work phone", work, 1u, true},
      {"Your company phone", work, 1u, true},
      {"Employer address", work, 3u, false},
      {"Firma PLZ", work, 4u, false},
      {"Telefon des Arbeitgebers", work, 1u, false},
      {"Company \u00B7 Phone", work, 1u, false},
      {"Address \u00B7 City", list({{"A:index0", "Hauptstraße 5"}, {"C:index0", "Berlin"}}), 1u, true},
      {"Previous address \u00B7 City", list({{"A:index0", "Hauptstraße 5"}, {"C:index0", "Berlin"}}), 1u, false},
      {"Company \u00B7 CEO email", work, 2u, false},
      {"Customer company \u00B7 Email", work, 2u, false},
      {"Name of director \u00B7 Business email", work, 2u, false},
      {"Billing address \u00B7 Postcode", work, 4u, true},
      {"Shipping address \u00B7 First name", list({{"A:index0", "Hauptstraße 5"}, {"G:index0", "Anna"}}), 1u, false},
      {"Ansprechpartner \u00B7 Telefon", list({{"N:index0", "Anna Müller"}, {"P:index0", "+49 30 1234567"}}), 1u, false},
      {"First name \u00B7 Used to personalise our emails", list({{"G:index0", "Anna"}}), 0u, true},
      // An institution's number or address is offered; a school address is the student's own.
      {"School phone", work, 1u, false},
      {"Hotel \u00B7 Address", work, 3u, false},
      {"学校の電話番号", work, 1u, false},
      {"University email", work, 2u, true},
      {"Phone number for the hotel", work, 1u, true},
      {"Phone \u00B7 Your bank may call you", work, 1u, true},
      {"Hotel \u00B7 Your phone", work, 1u, true},
      {"Hotel reservation \u00B7 Phone", work, 1u, true},
      {"Hotel \u00B7 Email", work, 2u, true},
      {"银行预留手机号", work, 1u, true},
      {"Company contact person phone", work, 1u, false},
      // Its contact person is a person, who may be a colleague: the name is offered.
      {"Company contact name", list({{"C:index0", "Acme GmbH"}, {"N:index0", "Anna Müller"}}), 1u, false},
      {"会社担当者名", list({{"C:index0", "Acme GmbH"}, {"N:index0", "Anna Müller"}}), 1u, false},
      {"Company contact (you)", list({{"C:index0", "Acme GmbH"}, {"N:index0", "Anna Müller"}}), 1u, true},
      {"Empresa \u00B7 Contacto", list({{"C:index0", "Acme GmbH"}, {"N:index0", "Anna Müller"}}), 1u, false},
      {"회사 · 담당자", list({{"C:index0", "Acme GmbH"}, {"N:index0", "Anna Müller"}}), 1u, false},
      {"Contact company", work, 0u, true},
      // ... and the detail of the contact person that a later part names.
      {"\u4F1A\u793E \u00B7 \u62C5\u5F53\u8005\u30E1\u30FC\u30EB\u30A2\u30C9\u30EC\u30B9", work, 2u, false},  // 会社 · 担当者メールアドレス
      {"Entreprise \u00B7 E-mail du contact (vous)", work, 2u, true},
      // Someone at it, named with their detail: not the organisation's name, nor the person's.
      {"Company \u00B7 Manager email", work, std::nullopt},
      // A longer part that names a detail is still no field for the company's name.
      {"Firma \u00B7 E-Mail des Gesch\u00E4ftsf\u00FChrers", work, 2u, false},
      {"Company \u00B7 Your work phone number", work, 1u, true},
      {"\u516C\u53F8 \u00B7 \u60A8\u7684\u59D3\u540D", list({{"C:index0", "Acme GmbH"}, {"N:index0", "Anna Müller"}}), 1u},  // 公司 · 您的姓名
      {"Arbeitgeber \u00B7 Telefon des Vorgesetzten", work, std::nullopt},
      {"\u4F1A\u793E \u00B7 \u4E0A\u53F8\u306E\u30E1\u30FC\u30EB\u30A2\u30C9\u30EC\u30B9", work, std::nullopt},  // 会社 · 上司のメールアドレス
      {"\uD68C\uC0AC \u00B7 \uB3D9\uB8CC \uC774\uBA54\uC77C", work, std::nullopt},  // 회사 · 동료 이메일
      // A heading that names an errand with it leaves the field its own: "Hotel booking · Phone".
      {"Hotel booking \u00B7 Phone", work, 1u, true},
      {"Order \u00B7 Email", work, 2u, true},
      {"Ticket 2 \u00B7 Email", work, std::nullopt},
      {"Reference 1 \u00B7 Phone", work, std::nullopt},
      {"Employer \u00B7 Supervisor's phone", work, std::nullopt},
      // A heading followed by a field that no saved value answers: that field, not the heading's.
      {"Company \u00B7 VAT number", work, std::nullopt},
      {"Company \u00B7 Position", work, std::nullopt},
      {"Firma \u00B7 USt-IdNr.", work, std::nullopt},
      {"Name \u00B7 Funktion", list({{"N:index0", "Anna Müller"}}), std::nullopt},
      {"\u4F1A\u793E \u00B7 \u5F79\u8077", work, std::nullopt},  // 会社 · 役職
      {"Employer \u00B7 Reference email", work, std::nullopt},
      {"Address \u00B7 House number", work, std::nullopt},
      {"Address \u00B7 Delivery instructions", work, std::nullopt},
      {"Name \u00B7 Comments", list({{"N:index0", "Anna Müller"}}), std::nullopt},
      // ... but not a note, nor a search that looks the heading's value up.
      {"Name \u00B7 Why we ask", list({{"N:index0", "Anna Müller"}}), 0u},
      {"Postcode \u00B7 Find address", work, 4u, true},
      {"Company \u00B7 Optional", work, 0u, true},
      // ... and a position or trade in a company, asked in one phrase, is no more its name.
      {"Position in the company", work, std::nullopt},
      {"\u516C\u53F8\u804C\u4F4D", work, std::nullopt},  // 公司职位
      {"Firma (wie im Handelsregister)", work, 0u, true},
      {"Firmenname inkl. Rechtsform", work, 0u, true},
      {"Firma \u00B7 Abteilung", work, std::nullopt},
      // Under a heading of the person's own details, a name read loosely from one word of the
      // field's is offered ("Preferred name"), the name itself inserted.
      {"Personal details \u00B7 Preferred name", list({{"N:index0", "Anna Müller"}}), 0u, false},
      {"Your details \u00B7 Name", list({{"N:index0", "Anna Müller"}}), 0u, true},
      {"Billing details \u00B7 Company name", work, 0u, true},
      {"Department", work, 0u, true},  // the organisation itself
      // ... nor a hint on what the heading's value holds, nor a part that asks for it too, nor a
      // heading of a position: the field is the one named.
      {"Address \u00B7 Include house number", work, 3u},
      {"Adresse \u00B7 Hausnummer bitte angeben", work, 3u},
      {"Soci\u00E9t\u00E9 \u00B7 Identique au SIRET", work, 0u, true},
      {"\u6C0F\u540D \u00B7 \u5F79\u8077\u4E0D\u8981", list({{"N:index0", "Anna Müller"}}), 0u, true},  // 氏名 · 役職不要
      {"Company \u00B7 Your VAT number", work, std::nullopt},
      {"Address \u00B7 Street, number", work, 3u},
      {"Full name \u00B7 Including middle name", list({{"N:index0", "Anna Müller"}}), 0u, true},
      {"Company \u00B7 VAT-registered name", work, 0u, true},
      {"\u516C\u53F8\u540D\u79F0 \u00B7 \u9700\u4E0E\u7A0E\u53F7\u4E00\u81F4", work, 0u, true},  // 公司名称 · 需与税号一致
      {"Position \u00B7 Email", work, 2u, true},
      // Its name is still its name, also where the label asks for the name and a detail, or
      // joins the fields of both.
      {"Company", work, 0u, true},
      {"Firmenname", work, 0u, true},
      {"Name des Arbeitgebers", work, 0u, true},
      {"\uD68C\uC0AC\uBA85 \uC804\uD654\uBC88\uD638", work, 0u},  // 회사명 전화번호
      {"Company name and phone", work, 0u},
      {"Firma / Telefon", work, 0u},
      // Several labels run together are still unsure which field this is; an aside that
      // speaks of the employer still leaves whose number it is unclear.
      {"Azienda: Mobile:", work, 1u, false},
      {"Phone (your employer's main number)", work, std::nullopt},
      // The company's phone written as one phrase stays the person's work number.
      {"Company phone", work, 1u, true},
  });
  // A short later part that names someone else refuses the field; a note, an example, a
  // choice or the emergency in which the number is used does not.
  auto own = list({{"P:index0", "+49 30 1234567"}});
  expectChoices({{"Phone \u00B7 Emergency contact", own, std::nullopt},
                 {"Phone \u00B7 Parent", own, std::nullopt},
                 {"Phone \u00B7 We only call your emergency contact if we cannot reach you", own, 0u, true},
                 {"Phone \u00B7 In an emergency", own, 0u, true},
                 {"Telefoon \u00B7 Uw huisarts belt u terug", own, 0u, true},
                 {"Phone \u00B7 Parent or student", own, 0u, true}});
}

}  // namespace
}  // namespace oskel::answer
