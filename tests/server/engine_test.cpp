#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/answer_engine.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

const AnswerEngine& engine() {
  static AnswerEngine e;
  return e;
}

FieldKind kindOf(const std::string& label) { return engine().labels().read(label).kind; }

void expectKinds(std::initializer_list<std::pair<const char*, FieldKind>> cases) {
  for (const auto& [label, kind] : cases) EXPECT_EQ(kindOf(label), kind) << label;
}

std::vector<CandidateInput> list(std::initializer_list<std::pair<const char*, const char*>> items) {
  std::vector<CandidateInput> out;
  for (auto [id, text] : items) out.push_back({id, text});
  return out;
}

// A field's label, the candidates offered for it, the one the engine must choose and, when
// given, whether its confidence reaches the client's threshold for inserting it.
struct Choice {
  const char* label;
  std::vector<CandidateInput> candidates;
  std::optional<std::size_t> chosen;
  std::optional<bool> inserted = std::nullopt;
};

void expectChoices(std::initializer_list<Choice> cases) {
  for (const Choice& c : cases) {
    Answer a = engine().answer({c.label, "AXTextField", "x"}, c.candidates);
    EXPECT_EQ(a.chosen, c.chosen) << c.label << " / " << c.candidates.front().text;
    if (c.inserted) {
      EXPECT_EQ(a.confidence >= AnswerEngine::kClientThreshold, *c.inserted) << c.label << " " << a.confidence;
    }
  }
}

TEST(LabelReader, ReadsLabelsInManyLanguages) {
  EXPECT_EQ(kindOf("E-Mail-Adresse *"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Adresse e-mail :"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Correo electrónico"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Correio electrónico: *"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Correio eletrônico"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Адрес email:"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("メールアドレス"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("电子邮件"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("이메일"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Telefonnummer"), FieldKind::kPhone);
  EXPECT_EQ(kindOf("Numer telefonu"), FieldKind::kPhone);
  EXPECT_EQ(kindOf("電話番号"), FieldKind::kPhone);
  EXPECT_EQ(kindOf("Vorname:*"), FieldKind::kGivenName);
  EXPECT_EQ(kindOf("Prénom"), FieldKind::kGivenName);
  EXPECT_EQ(kindOf("Apellidos"), FieldKind::kFamilyName);
  EXPECT_EQ(kindOf("Cognome *"), FieldKind::kFamilyName);
  EXPECT_EQ(kindOf("Achternaam"), FieldKind::kFamilyName);
  EXPECT_EQ(kindOf("Imię i nazwisko:"), FieldKind::kFullName);
  EXPECT_EQ(kindOf("Full Name (optional)"), FieldKind::kFullName);
  EXPECT_EQ(kindOf("お名前"), FieldKind::kFullName);
  EXPECT_EQ(kindOf("Postleitzahl"), FieldKind::kPostalCode);
  EXPECT_EQ(kindOf("Code postal"), FieldKind::kPostalCode);
  EXPECT_EQ(kindOf("郵便番号"), FieldKind::kPostalCode);
  EXPECT_EQ(kindOf("Ort:"), FieldKind::kCity);
  EXPECT_EQ(kindOf("Город:"), FieldKind::kCity);
  EXPECT_EQ(kindOf("Straße und Hausnummer"), FieldKind::kStreetAddress);
  EXPECT_EQ(kindOf("Address line 2"), FieldKind::kAddressLine2);
  EXPECT_EQ(kindOf("Company name"), FieldKind::kOrganisation);
  EXPECT_EQ(kindOf("Website"), FieldKind::kUrl);
  EXPECT_EQ(kindOf("Benutzername"), FieldKind::kUsername);
  EXPECT_EQ(kindOf("Username or E-mail:"), FieldKind::kUsernameOrEmail);
  EXPECT_EQ(kindOf("Date of birth"), FieldKind::kBirthDate);
  EXPECT_EQ(kindOf("Land"), FieldKind::kCountry);
  EXPECT_EQ(kindOf("State / Province:"), FieldKind::kRegion);
}

TEST(LabelReader, RefusesFieldsThatMustNotBeFilled) {
  EXPECT_EQ(kindOf("Search..."), FieldKind::kSearch);
  EXPECT_EQ(kindOf("Suchbegriff eingeben"), FieldKind::kSearch);
  EXPECT_EQ(kindOf("検索"), FieldKind::kSearch);
  EXPECT_EQ(kindOf("Captcha code"), FieldKind::kCaptcha);
  EXPECT_EQ(kindOf("Hvor mye er: 7 + 10 ?"), FieldKind::kCaptcha);
  EXPECT_EQ(kindOf("Your Message *"), FieldKind::kComment);
  EXPECT_EQ(kindOf("Passwort"), FieldKind::kPassword);
  EXPECT_EQ(kindOf("Card number"), FieldKind::kCardOrSecurityCode);
  EXPECT_EQ(kindOf("Verification code"), FieldKind::kOneTimeCode);
  EXPECT_EQ(kindOf("Qty:"), FieldKind::kQuantity);
  EXPECT_EQ(kindOf("Promo code"), FieldKind::kPromoCode);
  EXPECT_EQ(kindOf("Year of birth"), FieldKind::kDatePart);
  EXPECT_EQ(kindOf("Fax"), FieldKind::kFax);
  EXPECT_EQ(kindOf("Something entirely different"), FieldKind::kUnknown);
  // "code" inside "postal code" does not make a one-time-code field.
  EXPECT_EQ(kindOf("Postal code"), FieldKind::kPostalCode);
}

TEST(LabelReader, JoinedPartsAndDecorations) {
  // The first part that names a kind decides; a password anywhere refuses.
  EXPECT_EQ(kindOf("Email · Work address · Required"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Text field · Email"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Name · Password"), FieldKind::kPassword);
  // A group titled "Name" with a part's placeholder asks for that part.
  EXPECT_EQ(kindOf("Name · First"), FieldKind::kGivenName);
  EXPECT_EQ(kindOf("Your name · Last name"), FieldKind::kFamilyName);
  EXPECT_EQ(kindOf("Name · Jane Doe"), FieldKind::kFullName);
  EXPECT_EQ(kindOf("Enter your e-mail address *"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Your Phone (optional):"), FieldKind::kPhone);
  EXPECT_EQ(kindOf(""), FieldKind::kUnknown);
  // A qualifier on how to write the value does not change what it is.
  expectKinds({{"First name (as on passport)", FieldKind::kGivenName},
               {"Passport number", FieldKind::kOtherNumber},
               {"Name (first)", FieldKind::kGivenName},
               {"Name (last)", FieldKind::kFamilyName},
               {"First & Last Name", FieldKind::kFullName},
               {"Name (first and last)", FieldKind::kFullName},
               {"Surname, first name", FieldKind::kFullName}});
  // A control's identifier used as its label is read word by word; an identifier
  // that already reads as a whole ("userName") keeps that reading, and neither a long
  // internal name nor a brand inside a sentence is taken apart.
  expectKinds({{"postalCode", FieldKind::kPostalCode},
               {"dateOfBirth", FieldKind::kBirthDate},
               {"billingFirstName", FieldKind::kGivenName},
               {"confirmPassword", FieldKind::kPassword},
               {"cardNumber", FieldKind::kCardOrSecurityCode},
               {"userName", FieldKind::kUsername},
               {"f_name", FieldKind::kGivenName},
               {"l_name", FieldKind::kFamilyName},
               {"hdTextboxforCheckboxState", FieldKind::kUnknown},
               {"Questions about your iPhone", FieldKind::kUnknown},
               {"iPhone", FieldKind::kUnknown}});
  // The parts of a phone number split over several fields take no whole number.
  expectKinds({{"Phone prefix", FieldKind::kOtherNumber},
               {"Telefonvorwahl", FieldKind::kOtherNumber},
               {"phonePrefix", FieldKind::kOtherNumber}});
}

TEST(ValueReader, ShapesOfValues) {
  const ValueReader& v = engine().values();
  EXPECT_EQ(v.email("anna.mueller@posteo.de"), 1.0);
  EXPECT_EQ(v.email("anna@posteo"), 0.0);
  EXPECT_EQ(v.email("write to anna@posteo.de"), 0.0);
  EXPECT_EQ(v.email("a@b@c.de"), 0.0);
  EXPECT_GE(v.phone("+49 30 12345678"), 0.85);
  EXPECT_GE(v.phone("(415) 555-0132"), 0.85);
  EXPECT_EQ(v.phone("2026-03-14"), 0.0);
  EXPECT_EQ(v.phone("call me"), 0.0);
  EXPECT_EQ(v.url("https://example.org/path?q=1"), 1.0);
  EXPECT_EQ(v.url("www.example.org"), 0.85);
  EXPECT_EQ(v.url("not a link"), 0.0);
  EXPECT_GE(v.postalCode("10115"), 0.8);
  EXPECT_GE(v.postalCode("NW1 6XE"), 0.95);
  EXPECT_GE(v.postalCode("1015 CJ"), 0.95);
  EXPECT_GE(v.postalCode("00-238"), 0.9);
  EXPECT_LT(v.postalCode("2024"), 0.5);
  EXPECT_EQ(v.postalCode("hello"), 0.0);
  EXPECT_GE(v.fullName("Anna Müller"), 0.9);
  EXPECT_GE(v.fullName("Daan de Vries"), 0.9);
  EXPECT_EQ(v.fullName("Müller & Partner GmbH"), 0.0);
  EXPECT_EQ(v.fullName("Hauptstraße 12"), 0.0);
  EXPECT_GE(v.organisation("Müller & Partner GmbH"), 0.95);
  EXPECT_GE(v.organisation("Nowak Software Sp. z o.o."), 0.95);
  EXPECT_GE(v.street("Hauptstraße 12"), 0.9);
  EXPECT_GE(v.street("221B Baker Street"), 0.9);
  EXPECT_GE(v.street("12 rue de la Paix"), 0.9);
  EXPECT_GE(v.street("İstiklal Caddesi 42"), 0.9);
  EXPECT_GE(v.street("Avenida da Liberdade 110"), 0.9);
  EXPECT_GE(v.country("Deutschland"), 0.95);
  EXPECT_GE(v.country("日本"), 0.95);
  EXPECT_GE(v.city("Berlin"), 0.9);
  EXPECT_GE(v.city("Olomouc"), 0.4);  // unlisted, but the shape of a town
  EXPECT_EQ(v.city("株式会社タナカ"), 0.0);
  EXPECT_EQ(v.city("Brightside Labs Inc."), 0.0);
  EXPECT_GE(v.birthDate("14.03.1988"), 0.85);
  EXPECT_LT(v.birthDate("2026-04-01"), 0.5);
  EXPECT_EQ(v.date("31.02.x"), 0.0);
  EXPECT_GE(v.username("anna_mueller88"), 0.75);
  EXPECT_LT(v.username("1Z999AA10123456784"), 0.5);
}

TEST(AnswerEngine, ChoosesOnlyAmongCandidatesAndPrefersTheNewer) {
  std::vector<CandidateInput> candidates =
      list({{"A:index0", "Meeting at 5"}, {"B:index0", "first@example.com"}, {"C:index0", "second@example.com"}});
  Answer a = engine().answer({"Email", "AXTextField", "Firefox"}, candidates);
  ASSERT_TRUE(a.chosen.has_value());
  EXPECT_EQ(*a.chosen, 1u);  // both fit equally: the newer wins
  ASSERT_EQ(a.ranked.size(), 2u);
  EXPECT_EQ(a.ranked[0].index, 1u);
  EXPECT_EQ(a.ranked[1].index, 2u);
  // Two different addresses: less sure than with one.
  Answer single = engine().answer({"Email", "AXTextField", "Firefox"}, list({{"B:index0", "first@example.com"}}));
  EXPECT_GT(single.confidence, a.confidence);
  EXPECT_GE(single.confidence, AnswerEngine::kClientThreshold);
}

TEST(AnswerEngine, AnswersNoMatchWhenNothingFitsOrTheFieldIsRefused) {
  std::vector<CandidateInput> candidates = list({{"A:index0", "anna@example.com"}, {"B:index0", "+49 30 12345678"}});
  EXPECT_FALSE(engine().answer({"Search", "AXTextField", "x"}, candidates).chosen);
  EXPECT_FALSE(engine().answer({"Postleitzahl", "AXTextField", "x"}, candidates).chosen);
  EXPECT_FALSE(engine().answer({"Text field", "AXTextField", "x"}, candidates).chosen);
  EXPECT_FALSE(engine().answer({"Email", "AXTextField", "x"}, {}).chosen);
  // A value with surrounding spaces is not exact; the engine never trims it for the user.
  EXPECT_FALSE(engine().answer({"Email", "AXTextField", "x"}, list({{"A:index0", " anna@example.com "}})).chosen);
}

TEST(AnswerEngine, UsesTheLabelsOfANoteAndTheNamesAround) {
  // A copied note "Vorname: Anna / Nachname: Müller / Ort: Berlin" gives its labelled values.
  std::vector<CandidateInput> note = list({{"N:index0", "Vorname: Anna\nNachname: Müller\nOrt: Potsdam"},
                                           {"N:index1", "Anna"},
                                           {"N:index2", "Müller"},
                                           {"N:index3", "Potsdam"}});
  Answer family = engine().answer({"Nachname", "AXTextField", "x"}, note);
  ASSERT_TRUE(family.chosen);
  EXPECT_EQ(*family.chosen, 2u);
  Answer city = engine().answer({"City", "AXTextField", "x"}, note);
  ASSERT_TRUE(city.chosen);
  EXPECT_EQ(*city.chosen, 3u);
  // "Smith" ends the name "Oliver Smith": a family name, not a given name.
  std::vector<CandidateInput> names = list({{"A:index0", "Smith"}, {"B:index0", "Oliver"}, {"C:index0", "Oliver Smith"}});
  Answer given = engine().answer({"First name", "AXTextField", "x"}, names);
  ASSERT_TRUE(given.chosen);
  EXPECT_EQ(*given.chosen, 1u);
}

TEST(AnswerEngine, ValuesFromSomeoneElsesMessageAreNotInsertedOnTheirOwn) {
  std::vector<CandidateInput> candidates =
      list({{"M:index0", "Hi, could you send the contract to mark@supplier.com before Friday? Thanks, Mark"},
            {"M:index1", "mark@supplier.com"}});
  Answer a = engine().answer({"Email", "AXTextField", "x"}, candidates);
  ASSERT_TRUE(a.chosen);
  EXPECT_EQ(*a.chosen, 1u);
  EXPECT_LT(a.confidence, AnswerEngine::kClientThreshold);
}

TEST(LabelReader, BroaderLabelsInManyLanguages) {
  expectKinds({
      // Subscription boxes take an e-mail address.
      {"NEWSLETTER", FieldKind::kEmail},
      {"Newsletter abonnieren", FieldKind::kEmail},
      {"Inscrivez-vous à notre newsletter", FieldKind::kEmail},
      {"Suscríbete", FieldKind::kEmail},
      {"Iscriviti alla newsletter", FieldKind::kEmail},
      {"Nieuwsbrief", FieldKind::kEmail},
      {"Zapisz się do newslettera", FieldKind::kEmail},
      {"Подписаться на рассылку", FieldKind::kEmail},
      {"メルマガ登録", FieldKind::kEmail},
      {"订阅", FieldKind::kEmail},
      {"뉴스레터 구독", FieldKind::kEmail},
      {"E-posta adresi", FieldKind::kEmail},
      // "Forgot your password?" asks for the account, and an account's password is still a password.
      {"Lost password?", FieldKind::kUsernameOrEmail},
      {"Passwort vergessen?", FieldKind::kUsernameOrEmail},
      {"Mot de passe oublié ?", FieldKind::kUsernameOrEmail},
      {"Email password", FieldKind::kPassword},
      {"New password", FieldKind::kPassword},
      // Phone numbers written with a number word.
      {"Phone No.", FieldKind::kPhone},
      {"Questo è il nuovo numero di telefono", FieldKind::kPhone},
      {"Número de teléfono", FieldKind::kPhone},
      {"Handynummer", FieldKind::kPhone},
      {"Номер телефона", FieldKind::kPhone},
      {"Nr telefonu", FieldKind::kPhone},
      {"House number", FieldKind::kOtherNumber},
      // Names, companies, towns, user names.
      {"Nome e cognome", FieldKind::kFullName},
      {"Nombre y apellidos", FieldKind::kFullName},
      {"Vor- und Nachname", FieldKind::kFullName},
      {"Contact person", FieldKind::kFullName},
      {"Nom de famille", FieldKind::kFamilyName},
      {"Raison sociale / Nom commercial :", FieldKind::kOrganisation},
      {"Arbeitgeber", FieldKind::kOrganisation},
      {"Razón social", FieldKind::kOrganisation},
      {"Место работы", FieldKind::kOrganisation},
      {"Residente a *", FieldKind::kCity},
      {"Town / City", FieldKind::kCity},
      {"Woonplaats", FieldKind::kCity},
      {"ID 必須", FieldKind::kUsername},
      {"Customer ID", FieldKind::kOtherNumber},
      {"Identifiant", FieldKind::kUsernameOrEmail},
      {"نام کاربری:", FieldKind::kUsername},
      // Italian articles are not Turkish provinces.
      {"Il tuo indirizzo email", FieldKind::kEmail},
  });
}

TEST(AnswerEngine, LabelsInTwoSensesAnswerWhatTheHistoryHolds) {
  auto fullAndGiven = list({{"A:index0", "Anna"}, {"B:index0", "Anna Müller"}, {"C:index0", "git push"}});
  auto onlyFull = list({{"B:index0", "Anna Müller"}, {"C:index0", "git push"}});
  auto onlyGiven = list({{"A:index0", "Anna"}, {"C:index0", "git push"}});
  auto fromMessage = list({{"M:index0", "Hi, please call Mark Peters today. Thanks!"},
                           {"M:index1", "Mark Peters"},
                           {"A:index0", "Anna"}});
  expectChoices({
      // A bare "Name" is the full name when there is one ...
      {"Name *", fullAndGiven, 1u, true},
      {"Name *", onlyFull, 0u, true},
      // ... and the given name is offered, never inserted, when it is all there is.
      {"Name *", onlyGiven, 0u, false},
      // "Nombre" (like "Nome", "Имя") is the given name, the family name being asked apart;
      // the full name is offered, never inserted, when it is all there is.
      {"Nombre", fullAndGiven, 0u, true},
      {"Nombre", onlyFull, 0u, false},
      {"Nombre", onlyGiven, 0u, true},
      {"Имя:", fullAndGiven, 0u, true},
      {"Имя:", onlyFull, 0u, false},
      {"Nome *", fullAndGiven, 0u, true},
      // French "Nom" beside nothing else: the family name if there is one, else the full name, offered.
      {"Nom :", onlyFull, 0u, false},
      // Someone else's name from a message does not outweigh the person's own given name.
      {"Nombre", fromMessage, 2u, true},
      // The words for the full name stay the full name.
      {"Nombre completo", fullAndGiven, 1u, true},
      {"ФИО", fullAndGiven, 1u, true},
  });
  // A word of the other sense in the same label decides: this "Name" is the given name only.
  FieldReading given = engine().labels().read("Name (first name only)");
  EXPECT_EQ(given.kind, FieldKind::kGivenName);
  EXPECT_EQ(given.alternative, FieldKind::kUnknown);
  EXPECT_EQ(engine().labels().read("Your name").alternative, FieldKind::kGivenName);
}

TEST(AnswerEngine, LabelsThatShowAnExampleValue) {
  auto fieldKind = [](const char* label) { return engine().readField({label, "AXTextField", "x"}).kind; };
  const std::pair<const char*, FieldKind> cases[] = {
      {"(555) 555-5555", FieldKind::kPhone},     {"+1 (XXX) XXX-XXXX", FieldKind::kPhone},
      {"e.g. +49 30 1234567", FieldKind::kPhone}, {"Jane Doe", FieldKind::kFullName},
      {"John", FieldKind::kGivenName},           {"Ex: Maria", FieldKind::kGivenName},
      {"Smith", FieldKind::kFamilyName},         {"https://", FieldKind::kUrl},
      // Words and numbers that only look like examples stay unread.
      {"1 000 000", FieldKind::kUnknown},        {"1234 5678 9012 3456", FieldKind::kUnknown},
      {"01.01.1990", FieldKind::kUnknown},       {"Paris", FieldKind::kUnknown},
      {"Min", FieldKind::kUnknown},              {"Export", FieldKind::kUnknown},
      // A word in two senses settled by the example beside it.
      {"Name · John", FieldKind::kGivenName},    {"Name · e.g. John Doe", FieldKind::kFullName},
      {"Nom · Jean Dupont", FieldKind::kFullName}, {"Full name · John", FieldKind::kFullName},
  };
  for (const auto& [label, kind] : cases) EXPECT_EQ(fieldKind(label), kind) << label;
  auto history = list({{"A:index0", "Emily"}, {"B:index0", "Emily Johnson"}, {"C:index0", "+1 415 555 0132"}});
  expectChoices({{"Name · John", history, 0u, true}, {"(555) 555-5555", history, 2u, true}});
}

TEST(LabelReader, NameWordsInEachLanguage) {
  expectKinds({
      {"Имя", FieldKind::kGivenName},           {"Фамилия", FieldKind::kFamilyName},
      {"ФИО", FieldKind::kFullName},            {"Полное имя", FieldKind::kFullName},
      {"Nome", FieldKind::kGivenName},          {"Sobrenome", FieldKind::kFamilyName},
      {"Nome completo", FieldKind::kFullName},  {"Cognome", FieldKind::kFamilyName},
      {"Nombre", FieldKind::kGivenName},        {"Apellidos", FieldKind::kFamilyName},
      {"Nombre completo", FieldKind::kFullName}, {"Imię", FieldKind::kGivenName},
      {"Nazwisko", FieldKind::kFamilyName},     {"Imię i nazwisko", FieldKind::kFullName},
      {"Voornaam", FieldKind::kGivenName},      {"Achternaam", FieldKind::kFamilyName},
      {"Naam", FieldKind::kFullName},           {"Vorname", FieldKind::kGivenName},
      {"Nachname", FieldKind::kFamilyName},     {"Name", FieldKind::kFullName},
      {"Prénom", FieldKind::kGivenName},        {"Nom de famille", FieldKind::kFamilyName},
      {"名", FieldKind::kGivenName},            {"姓", FieldKind::kFamilyName},
      {"氏名", FieldKind::kFullName},           {"姓名", FieldKind::kFullName},
      {"이름", FieldKind::kFullName},           {"성", FieldKind::kFamilyName},
      {"성명", FieldKind::kFullName},
      // Parts of a name that no saved value answers.
      {"Tussenvoegsel", FieldKind::kMiddleName}, {"Отчество", FieldKind::kMiddleName},
      {"フリガナ（セイ）", FieldKind::kNameReading}, {"メイ", FieldKind::kNameReading},
  });
}

// Forms in the languages around the main twelve: Nordic, Hungarian, Czech and Slovak,
// Romanian, Turkish, Greek, Balkan, Baltic, Bulgarian and Ukrainian, Indonesian, Persian.
TEST(LabelReader, LabelsBeyondTheMainLanguages) {
  expectKinds({
      {"Prenume", FieldKind::kGivenName},           {"Nume de familie", FieldKind::kFamilyName},
      {"Nume și prenume", FieldKind::kFullName},    {"Nume", FieldKind::kFamilyName},
      {"Soyadı", FieldKind::kFamilyName},           {"Adınız Soyadınız", FieldKind::kFullName},
      {"Kullanıcı adı", FieldKind::kUsername},      {"Şifre", FieldKind::kPassword},
      {"Όνομα", FieldKind::kGivenName},             {"Επώνυμο", FieldKind::kFamilyName},
      {"Ονοματεπώνυμο", FieldKind::kFullName},      {"Τηλέφωνο", FieldKind::kPhone},
      {"Ime", FieldKind::kGivenName},               {"Prezime", FieldKind::kFamilyName},
      {"Ime i prezime", FieldKind::kFullName},      {"Vārds", FieldKind::kGivenName},
      {"Uzvārds", FieldKind::kFamilyName},          {"Pavardė", FieldKind::kFamilyName},
      {"Eesnimi", FieldKind::kGivenName},           {"Perekonnanimi", FieldKind::kFamilyName},
      {"Ім'я", FieldKind::kGivenName},              {"Прізвище", FieldKind::kFamilyName},
      {"Име", FieldKind::kGivenName},               {"Пощенски код", FieldKind::kPostalCode},
      {"Потребителско име", FieldKind::kUsername},  {"Парола", FieldKind::kPassword},
      {"Utónév", FieldKind::kGivenName},            {"Megjegyzés", FieldKind::kComment},
      {"Používateľské meno", FieldKind::kUsername}, {"Webová stránka", FieldKind::kUrl},
      {"Nama depan", FieldKind::kGivenName},        {"Nama belakang", FieldKind::kFamilyName},
      {"Nama lengkap", FieldKind::kFullName},       {"Nomor telepon", FieldKind::kPhone},
      {"Kode pos", FieldKind::kPostalCode},         {"Kata sandi", FieldKind::kPassword},
      {"Cari", FieldKind::kSearch},                 {"Alamat", FieldKind::kStreetAddress},
      {"نام", FieldKind::kGivenName},               {"نام خانوادگی", FieldKind::kFamilyName},
      {"تلفن", FieldKind::kPhone},                  {"جستجو", FieldKind::kSearch},
      {"By", FieldKind::kCity},                     {"Fødselsdato", FieldKind::kBirthDate},
      {"Søk", FieldKind::kSearch},                  {"Forenames", FieldKind::kGivenName},
      {"lname", FieldKind::kFamilyName},          {"Ad", FieldKind::kGivenName},
      {"First", FieldKind::kGivenName},           {"Last *", FieldKind::kFamilyName},
      // Short words that name a field only on their own.
      {"Sign up by email", FieldKind::kEmail},      {"Contact me by phone", FieldKind::kPhone},
      {"Sort by", FieldKind::kUnknown},             {"First come, first served", FieldKind::kUnknown},
      {"Via", FieldKind::kStreetAddress},           {"Follow Blog via Email", FieldKind::kEmail},
      {"Last updated", FieldKind::kUnknown},        {"Ad blocker", FieldKind::kUnknown},
      {"Grad", FieldKind::kCity},                   {"Grad school", FieldKind::kUnknown},
      {"Locality", FieldKind::kCity},               {"Komórka", FieldKind::kPhone},
      {"ウェブサイト", FieldKind::kUrl},
      {"ชื่อ", FieldKind::kGivenName},              {"นามสกุล", FieldKind::kFamilyName},
      {"ชื่อ-นามสกุล", FieldKind::kFullName},       {"ชื่อผู้ใช้", FieldKind::kUsername},
      {"ชื่อบริษัท", FieldKind::kOrganisation},     {"รหัสไปรษณีย์", FieldKind::kPostalCode},
      {"เบอร์โทรศัพท์", FieldKind::kPhone},         {"รหัสผ่าน", FieldKind::kPassword},
      {"Soyisim", FieldKind::kFamilyName},          {"Nama", FieldKind::kFullName},
      {"Hasło", FieldKind::kPassword},              {"الاسم الأول", FieldKind::kGivenName},
      {"الجوال", FieldKind::kPhone},                {"كلمة المرور", FieldKind::kPassword},
      {"דוא\"ל", FieldKind::kEmail},                {"שם משתמש", FieldKind::kUsername},
      {"पहला नाम", FieldKind::kGivenName},          {"फ़ोन नंबर", FieldKind::kPhone},
      {"पिन कोड", FieldKind::kPostalCode},          {"Số điện thoại", FieldKind::kPhone},
      {"Mã bưu điện", FieldKind::kPostalCode},      {"Mật khẩu", FieldKind::kPassword},
      // A company's site is a web address, not the company's name.
      {"Company website", FieldKind::kUrl},         {"Company", FieldKind::kOrganisation},
  });
}

TEST(AnswerEngine, RefusesFieldsAboutOtherPeopleFreeTextAndCodes) {
  const char* const labels[] = {
      // Someone else's details.
      "Your friend's email", "Friend's name", "Recipient email", "E-Mail des Empfängers", "Email de votre ami",
      "Correo de tu amigo", "Email del destinatario", "Nome do amigo", "E-mail znajomego", "Email друга",
      "友達のメールアドレス", "Child's name", "Emergency contact phone", "Spouse name", "Name des Ehepartners",
      "Guardian name", "Name of child",
      // Names of things rather than of the person.
      "Event name", "Name of your pet", "Team name", "Domain name", "Company size", "Maiden name", "Geburtsname",
      // Free answers, "other" choices, questions about the visit.
      "Other", "Other (please specify)", "Sonstiges", "Autre", "Otro", "Altro", "Другое", "その他",
      "How did you hear about us?", "Reason for contact", "Special instructions",
      // Searches, codes and amounts.
      "Ticker Symbol or Company", "Serial number", "Product key", "Model", "Time", "Number of guests", "Adults",
      "Weight", "Passport number", "Codice fiscale",
      // The street without its number.
      "Street name", "Straßenname", "Nom de rue",
  };
  // Every kind of value a careless reading might fill.
  auto candidates = list({{"A:index0", "anna.mueller@posteo.de"}, {"B:index0", "Anna Müller"}, {"C:index0", "Anna"},
                          {"D:index0", "+49 30 12345678"}, {"E:index0", "Müller & Partner GmbH"},
                          {"F:index0", "Hauptstraße 12"}, {"G:index0", "10115"}, {"H:index0", "Berlin"}});
  for (const char* label : labels) {
    Answer a = engine().answer({label, "AXTextField", "x"}, candidates);
    EXPECT_FALSE(a.chosen.has_value()) << label << " read as " << fieldKindName(a.kind);
    EXPECT_FALSE(isAnswerable(a.kind)) << label;
  }
  // The words that refuse do not swallow the fields they sit beside.
  EXPECT_EQ(kindOf("Other phone"), FieldKind::kPhone);
  EXPECT_EQ(kindOf("3. Please enter your email: * This question is required."), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Subscribe to our newsletter"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Email (you can unsubscribe at any time)"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Email address - why do we ask?"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Request a quote: your phone number"), FieldKind::kPhone);
  EXPECT_EQ(kindOf("Your name (as other people will see it)"), FieldKind::kFullName);
  EXPECT_EQ(kindOf("Street"), FieldKind::kStreetAddress);
  EXPECT_EQ(kindOf("Nombre de usuario"), FieldKind::kUsername);
  EXPECT_EQ(kindOf("Nome da empresa"), FieldKind::kOrganisation);
  EXPECT_EQ(kindOf("Name of your business"), FieldKind::kOrganisation);
}

TEST(AnswerEngine, LabelsThatAsOftenMeanAPartAreOfferedNotInserted) {
  auto address = list({{"A:index0", "Hauptstraße 12"}, {"B:index0", "anna_mueller88"}, {"C:index0", "Anna Müller"}});
  expectChoices({
      // A bare street word may sit beside a house-number field.
      {"Straße:*", address, 0u, false},
      {"Street", address, 0u, false},
      {"Rue", address, 0u, false},
      {"Улица", address, 0u, false},
      // Phrases that include the number are sure.
      {"Straße und Hausnummer", address, 0u, true},
      {"Street address", address, 0u, true},
      {"Street, No. (*)", address, 0u, true},
      {"Ulica i nr domu", address, 0u, true},
      // A loose word inside a long sentence may be about anything.
      {"Please give the name of the person who referred you to us", address, 2u, false},
      {"Address of the venue where the event will take place", address, 0u, false},
      {"Address", address, 0u, true},
      // The name shown to others may be the user name or the person's name.
      {"Display Name", address, 1u, false},
      {"Anzeigename", address, 1u, false},
      {"Username", address, 1u, true},
      // A nickname in Brazil, the family name in Portugal.
      {"Apelido:", address, 1u, false},
  });
}

TEST(AnswerEngine, AWebsiteFieldTakesASiteNotAPageOfAnother) {
  auto links = list({{"A:index0", "https://en.wikipedia.org/wiki/Clipboard_(computing)"},
                     {"B:index0", "https://www.youtube.com/watch?v=dQw4w9WgXcQ"},
                     {"C:index0", "https://annamueller.de"},
                     {"D:index0", "https://github.com/annam"}});
  auto deepOnly = list({{"A:index0", "https://en.wikipedia.org/wiki/Clipboard_(computing)"},
                        {"B:index0", "https://www.youtube.com/watch?v=dQw4w9WgXcQ"}});
  expectChoices({
      // The person's own site (a home page, or one path part) before pages of other sites.
      {"Website", links, 2u},
      {"Homepage", links, 2u},
      {"Site web", deepOnly, std::nullopt},
      // A field for a link to some content takes the newest link.
      {"Paste the URL of the video", links, 0u},
      {"Vidéo Youtube :", deepOnly, 0u},
  });
}

TEST(AnswerEngine, ValuesNoWordListKnows) {
  const ValueReader& v = engine().values();
  // Legal forms written with dots make a company, never a person.
  EXPECT_EQ(v.fullName("Yılmaz Tekstil A.Ş."), 0.0);
  EXPECT_EQ(v.fullName("Rossi Design S.r.l."), 0.0);
  // Korean full names are mostly three syllables; two are as often the given name alone.
  EXPECT_GT(v.fullName("김민준"), v.fullName("민준"));
  EXPECT_LT(v.fullName("민준"), 0.6);

  expectChoices({
      // An unlisted town beside the person's own name, and a postal code with an inner space.
      {"City", list({{"A:index0", "Västerås"}, {"B:index0", "Linnea Lindqvist"}, {"C:index0", "Linnea"}}), 0u},
      {"City", list({{"A:index0", "Lindqvist"}, {"B:index0", "Linnea Lindqvist"}}), std::nullopt},
      {"City", list({{"A:index0", "Västerås"}}), std::nullopt},  // nothing says whose word this is
      {"First name", list({{"A:index0", "Linnea"}, {"B:index0", "CafeGuest"}}), std::nullopt},
      // The person's name spelled into an address of theirs does as well as a full name.
      {"City", list({{"A:index0", "Thiago"}, {"B:index0", "Campinas"}, {"C:index0", "thiago.mourao@uol.com.br"}}), 1u},
      {"City", list({{"A:index0", "Lindqvist"}, {"B:index0", "linnea_l"}}), std::nullopt},
      {"City", list({{"A:index0", "김민준"}, {"B:index0", "minjun.kim@naver.com"}}), std::nullopt},
      // A word that begins a company's name is no person's given name.
      {"First name", list({{"A:index0", "Rossi"}, {"B:index0", "Rossi Design S.r.l."}}), std::nullopt},
      {"City", list({{"A:index0", "Brasil"}, {"B:index0", "Thiago Carvalho"}}), std::nullopt},
      {"City", list({{"A:index0", "Olomouc"}, {"B:index0", "110 00 Olomouc"}}), 0u},
      {"Postcode", list({{"A:index0", "NW1 6XE London"}, {"B:index0", "NW1 6XE"}}), 1u},
      // One value under a region label that is also a city answers the city field.
      {"Ort", list({{"N:index0", "State: Москва"}, {"N:index1", "Москва"}}), 1u},
      // An address block with abbreviations is not a message: its name is the person's own.
      {"Как Вас зовут",
       list({{"M:index0", "Best regards,\nLucía Fernández\nTelefónica S.A."},
             {"M:index1", "Lucía Fernández"},
             {"P:index0", "Иван Петров\nул. Ленина, д. 10\n101000 Москва"},
             {"P:index1", "Иван Петров"}}),
       3u},
  });
  expectChoices({
      // A family name copied alone makes an unlisted word beside it the likely given name:
      // offered only, as it may as well be a town.
      {"First name", list({{"A:index0", "Linnea"}, {"B:index0", "Lindqvist"}, {"C:index0", "114 55"}}), 0u, false},
      {"First name", list({{"A:index0", "Linnea"}, {"B:index0", "Nowak"}, {"C:index0", "114 55"}}), 0u, false},
      // Equally good values: the one copied on its own wins over the newer one from a message.
      {"Full name",
       list({{"M:index0", "Hi, please call Mark Peters today. Thanks!"},
             {"M:index1", "Mark Peters"},
             {"P:index0", "Oliver Smith"}}),
       2u, true},
  });
}

TEST(AnswerEngine, ExampleAddressesAndResetSentencesAskForAnAddress) {
  auto kind = [](const char* label) { return engine().readField({label, "AXTextField", "x"}).kind; };
  // An example address in the placeholder outweighs the words around it.
  EXPECT_EQ(kind("yourname@company.com"), FieldKind::kEmail);
  EXPECT_EQ(kind("name@domain.com"), FieldKind::kEmail);
  EXPECT_EQ(kind("e.g. jane@example.com."), FieldKind::kEmail);
  EXPECT_EQ(kind("Username (e.g. john@example.org)"), FieldKind::kUsernameOrEmail);
  EXPECT_EQ(kind("Friend's e-mail · friend@example.com"), FieldKind::kSomeoneElse);
  EXPECT_EQ(kind("Password · min. 8 characters, e.g. not you@example.com"), FieldKind::kPassword);
  EXPECT_EQ(kind("Contact @ our office"), FieldKind::kUnknown);  // an "@" that is no address
  // A reset form's sentence names the password but asks for the account's address.
  EXPECT_EQ(kind("Enter your e-mail address to receive a new password"), FieldKind::kUsernameOrEmail);
  EXPECT_EQ(kind("New password"), FieldKind::kPassword);
  // Compounds of "e-mail" and "address" in scripts without spaces, and other words.
  EXPECT_EQ(kind("이메일 주소"), FieldKind::kEmail);
  EXPECT_EQ(kind("电子邮件地址"), FieldKind::kEmail);
  EXPECT_EQ(kind("주소"), FieldKind::kStreetAddress);
  EXPECT_EQ(kind("Ηλεκτρονικό ταχυδρομείο"), FieldKind::kEmail);
  EXPECT_EQ(kind("Електронна пошта"), FieldKind::kEmail);
  EXPECT_EQ(kind("Sign up and get 10% off your first order"), FieldKind::kEmail);
  EXPECT_EQ(kind("Order number"), FieldKind::kOtherNumber);
}

TEST(AnswerEngine, NamesSpelledIntoThePersonsOwnHandles) {
  expectChoices({
      // Neither word is in a list of names; the person's own address spells them.
      {"First name", list({{"A:index0", "Lindqvist"}, {"B:index0", "Linnea"}, {"C:index0", "linnea.lindqvist@telia.se"}}),
       1u},
      {"Last name", list({{"A:index0", "Linnea"}, {"B:index0", "Lindqvist"}, {"C:index0", "linnea.lindqvist@telia.se"}}),
       1u},
      // Umlauts spelled "ue", dotless i, Cyrillic, an initial, a family name of two words in by
      // its first. No list knows these names; without the address the newer word would win, or
      // nothing would.
      {"Nachname", list({{"A:index0", "Velbert"}, {"B:index0", "Grünkern"}, {"C:index0", "anna.gruenkern@posteo.de"}}),
       1u},
      {"Soyad", list({{"A:index0", "Bozüyük"}, {"B:index0", "Kılınçer"}, {"C:index0", "elif.kilincer@hotmail.com"}}), 1u},
      {"Имя", list({{"A:index0", "Зеленоградск"}, {"B:index0", "Ратибор"}, {"C:index0", "ratibor.k@yandex.ru"}}), 1u},
      {"Nazwisko", list({{"A:index0", "Wągrowiec"}, {"B:index0", "Przybylak"}, {"C:index0", "k.przybylak@wp.pl"}}), 1u},
      {"Apellidos", list({{"A:index0", "Zubiría Olazábal"}, {"B:index0", "maria.zubiria@gmail.com"}}), 0u},
      // A user name or the person's own site written as one run of letters.
      {"Vorname", list({{"A:index0", "Tereza"}, {"B:index0", "Olomouc"}, {"C:index0", "tereza.dv"}}), 0u},
      {"Last name", list({{"A:index0", "Västerås"}, {"B:index0", "Lindqvist"}, {"C:index0", "https://linnealindqvist.se"}}),
       1u},
      // Someone else's address inside a message spells nobody's own name.
      {"Vorname",
       list({{"M:index0", "Hi, could you send the contract to tereza.dv@seznam.cz before Friday? Thanks, Jan"},
             {"M:index1", "tereza.dv@seznam.cz"},
             {"A:index0", "Tereza"}}),
       std::nullopt},
      {"Vorname", list({{"A:index0", "Tereza"}}), std::nullopt},
      // Korean names are written without a space; "김" begins "김민준".
      {"Last name", list({{"A:index0", "김민준"}, {"B:index0", "김"}}), 1u},
      // The town of a locality line is no family name; a postal code is no phone number.
      {"Last name", list({{"A:index0", "Campinas"}, {"B:index0", "01310-100 Campinas"}}), std::nullopt},
      {"Phone", list({{"A:index0", "01310-100"}, {"B:index0", "+55 11 91234-5678"}}), 1u},
      // The family name at the end of the full name is not the full name.
      {"Your name", list({{"A:index0", "García López"}, {"B:index0", "María García López"}}), 1u},
  });
  EXPECT_EQ(asciiLetters("Müller"), "muller");
  EXPECT_EQ(asciiLetters("Müller", true), "mueller");
  EXPECT_EQ(asciiLetters("Иван"), "ivan");
  EXPECT_EQ(asciiLetters("de Vries"), "devries");
}

TEST(AnswerEngine, CommonFamilyNamesAndNamesWrittenInKanji) {
  expectChoices({
      // A known family name beats a newer word no list knows; it is nobody's given name.
      {"Last name", list({{"A:index0", "Olomouc"}, {"B:index0", "Schneider"}}), 1u},
      {"First name", list({{"A:index0", "Schneider"}}), std::nullopt},
      // Two family names, as Spanish speakers carry them: the family name, not a full name.
      {"Apellidos", list({{"A:index0", "García López"}}), 0u},
      {"Full name", list({{"A:index0", "García López"}, {"B:index0", "María García López"}}), 1u},
      {"Full name", list({{"A:index0", "García López"}}), std::nullopt},
      // Given names that are family names elsewhere still begin a full name.
      {"Full name", list({{"A:index0", "Bruno Rossi"}}), 0u},
      {"Full name", list({{"A:index0", "Clément Dubois"}}), 0u},
      // Kanji: 田中 is a family name, 太郎 ends the way given names do, whichever is newer.
      {"Last name", list({{"A:index0", "太郎"}, {"B:index0", "田中"}}), 1u},
      {"姓", list({{"A:index0", "田中"}, {"B:index0", "太郎"}}), 0u},
      {"First name", list({{"A:index0", "田中"}, {"B:index0", "太郎"}}), 1u},
      {"名", list({{"A:index0", "太郎"}}), 0u},
      // Endings that mark family names: the newer given name or town loses.
      {"Last name", list({{"A:index0", "Tereza"}, {"B:index0", "Dvořáková"}}), 1u},
      {"Nazwisko", list({{"A:index0", "Västerås"}, {"B:index0", "Lindqvist"}}), 1u},
      {"City", list({{"A:index0", "Jovanović"}, {"B:index0", "Anna Müller"}}), std::nullopt},
      // With the person's full name known, a word that is no part of it is not their family name.
      {"Last name", list({{"A:index0", "Campinas"}, {"B:index0", "Thiago Mourão"}}), std::nullopt},
      {"Last name", list({{"A:index0", "Mourão"}, {"B:index0", "Thiago Mourão"}}), 0u},
      // Regions by the word for their kind; a state that shares its name with a city is no
      // match for the town in the person's own address.
      {"State / Province", list({{"A:index0", "Västmanlands län"}}), 0u},
      {"Region", list({{"A:index0", "Olomoucký kraj"}, {"B:index0", "Meeting room"}}), 0u},
      {"County", list({{"A:index0", "Yorkshire"}}), 0u},
      {"State", list({{"A:index0", "São Paulo"}}), 0u},
      {"City",
       list({{"N:index0", "State: São Paulo"}, {"N:index1", "São Paulo"}, {"P:index0", "01310-100 Campinas"},
             {"Q:index0", "Campinas"}}),
       3u},
      // A country under its own name is neither a family name nor a town.
      {"Last name", list({{"A:index0", "Türkiye"}}), std::nullopt},
      {"City", list({{"A:index0", "Sverige"}}), std::nullopt},
      {"Country", list({{"A:index0", "Sverige"}}), 0u},
  });
  expectChoices({
      // A city under a region's label is offered, not inserted: the town may only share its
      // name. A city state is its own region.
      {"City", list({{"N:index0", "State: Madrid"}, {"N:index1", "Madrid"}}), 1u, false},
      {"City", list({{"N:index0", "State: São Paulo"}, {"N:index1", "São Paulo"}}), 1u, false},
      {"City", list({{"N:index0", "Bundesland: Berlin"}, {"N:index1", "Berlin"}}), 1u, true},
  });
}

TEST(ValueReader, DottedUserNamesAreNotHosts) {
  const ValueReader& v = engine().values();
  struct Case {
    const char* text;
    bool link;      // reads as a web address (fit >= 0.5)
    bool username;  // reads as a user name (fit >= 0.5)
  };
  const Case cases[] = {
      {"giulia.rossi", false, true},       {"tereza.dv", false, true},
      {"example.com", true, false},        {"annamueller.de", true, false},
      {"shop.example.co.uk", true, false}, {"www.example.org", true, false},
      {"mazowieckie", false, false},       {"anna", false, false},
      {"anna_mueller88", false, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(v.url(c.text) >= 0.5, c.link) << c.text;
    EXPECT_EQ(v.username(c.text) >= 0.5, c.username) << c.text;
  }
}

TEST(Text, FoldingAndCounting) {
  EXPECT_EQ(foldText("E-Mail-Adresse:"), " e mail adresse ");
  EXPECT_EQ(foldText("Prénom *"), " prenom ");
  EXPECT_EQ(foldText("STRASSE"), foldText("Straße"));
  EXPECT_EQ(foldText("Yılmaz"), foldText("YILMAZ"));  // Turkish dotless i
  EXPECT_EQ(foldText("Hasło · Điện thoại · Fødselsdato"), " haslo dien thoai fodselsdato ");
  EXPECT_EQ(countGraphemes("a\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD"), 2u);  // "a" and a thumbs-up with skin tone
  EXPECT_EQ(trimText("  x y \n"), "x y");
  EXPECT_EQ(trimText(" \t"), "");
}

}  // namespace
}  // namespace oskel::answer
