#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/answer_engine.h"
#include "engine_test_support.h"

namespace oskel::answer {
namespace {

using namespace oskel::answer::test;

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
  // A note with two values of one kind: the one under the field's own words.
  std::vector<CandidateInput> surnames =
      list({{"S:index0", "Nombre: Luc\u00EDa\nPrimer apellido: Fern\u00E1ndez\nSegundo apellido: Morales"},
            {"S:index1", "Luc\u00EDa"},
            {"S:index2", "Fern\u00E1ndez"},
            {"S:index3", "Morales"}});
  EXPECT_EQ(engine().answer({"Segundo apellido", "AXTextField", "x"}, surnames).chosen, std::optional<std::size_t>(3));
  EXPECT_EQ(engine().answer({"Datos personales \u00B7 Primer apellido *", "AXTextField", "x"}, surnames).chosen,
            std::optional<std::size_t>(2));
  // "Kraj" is the country in Polish and the region in Slovak; a value that names a region by
  // its own words ("Košický kraj", "Bayern") is no country, whatever its label.
  for (const char* region : {"Košický kraj", "Bayern"}) {
    std::string text = std::string("Kraj: ") + region;
    Answer country = engine().answer({"Country", "AXTextField", "x"},
                                     list({{"K:index0", text.c_str()}, {"K:index1", region}}));
    EXPECT_FALSE(country.chosen) << region;
  }
  Answer country = engine().answer({"Country", "AXTextField", "x"},
                                   list({{"K:index0", "Kraj: Slovensko"}, {"K:index1", "Slovensko"}}));
  EXPECT_EQ(country.chosen, std::optional<std::size_t>(1));
  // A line that opens with a number's name says what the number after it is, colon or not;
  // a phone field leaves it, though it could be dialled in Denmark.
  for (const char* line : {"Invoice 2026-0117 due 2026-04-01", "Invoice: 2026-0117"}) {
    Answer phone = engine().answer({"Phone", "AXTextField", "x"}, list({{"I:index0", line}, {"I:index1", "2026-0117"}}));
    EXPECT_FALSE(phone.chosen && phone.confidence >= 0.4) << line;
  }
  Answer dialled = engine().answer({"Phone", "AXTextField", "x"}, list({{"T:index0", "2026-0117"}}));
  // A label and its value on one line are never the value, with the colon of Chinese and
  // Japanese text ("地址：…") or with none before a number ("請求書番号 INV-2024-031").
  for (const char* line : {"\u5730\u5740\uFF1A\u53F0\u4E2D\u5E02\u897F\u5340\u516C\u76CA\u8DEF\u4E8C\u6BB551\u865F",
                           "\u8ACB\u6C42\u66F8\u756A\u53F7 INV-2024-031"}) {
    Answer street = engine().answer({"Address line 1", "AXTextField", "x"}, list({{"L:index0", line}}));
    EXPECT_FALSE(street.chosen) << line;
  }
  EXPECT_EQ(dialled.chosen, std::optional<std::size_t>(0));
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
  // Signatures closed in other languages are someone else's as well.
  for (const char* closing : {"Mit freundlichen Grüßen", "Met vriendelijke groet", "Atentamente", "Atenciosamente",
                              "Bien à vous", "Vänliga hälsningar", "よろしくお願いいたします", "감사합니다"}) {
    std::vector<CandidateInput> signature =
        list({{"S:index0", (std::string(closing) + "\nKlaus Becker\nBecker Haustechnik GmbH").c_str()},
              {"S:index1", "Klaus Becker"}});
    Answer b = engine().answer({"Full name", "AXTextField", "x"}, signature);
    EXPECT_LT(b.confidence, AnswerEngine::kClientThreshold) << closing;
  }
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
      // Words and numbers that only look like examples stay unread: ordinary words that
      // name lists hold, and numbers in the groupings of other kinds of number.
      {"1 000 000", FieldKind::kUnknown},        {"1234 5678 9012 3456", FieldKind::kUnknown},
      {"01.01.1990", FieldKind::kUnknown},       {"Paris", FieldKind::kUnknown},
      {"Min", FieldKind::kUnknown},              {"Ward", FieldKind::kUnknown},
      {"Grace", FieldKind::kUnknown},            {"Hugo Boss", FieldKind::kUnknown},
      {"XXX-XX-XXXX", FieldKind::kUnknown},      {"XX-XXXXXXX", FieldKind::kUnknown},
      {"XXXX-XXXX-XXXX", FieldKind::kUnknown},   {"1234-5678", FieldKind::kUnknown},
      {"120 x 80 x 60", FieldKind::kUnknown},    {"123-45-6789", FieldKind::kUnknown},
      {"000-00-0000", FieldKind::kUnknown},      {"000.000.000-00", FieldKind::kUnknown},
      {"000-000-0000", FieldKind::kPhone},       {"+919258368523", FieldKind::kPhone},
      {"98765 43210", FieldKind::kPhone},        {"0612345678", FieldKind::kUnknown},
      {"00 000 000 000", FieldKind::kUnknown},   {"0000000000", FieldKind::kUnknown},
      {"Account · 0123456789", FieldKind::kUnknown}, {"Policy · 90000 00000", FieldKind::kUnknown},
      {"Text field · (555) 555-5555", FieldKind::kPhone},
      // An area code in brackets, a mask of underscores, a marker closed by a full-width bracket.
      {"(11) 91234-5678", FieldKind::kPhone},     {"+7 (___) ___-__-__", FieldKind::kPhone},
      {"例）090-1234-5678", FieldKind::kPhone},    {"(12) 3456-78", FieldKind::kUnknown},
      {"___", FieldKind::kUnknown},               {"例）山田 太郎", FieldKind::kFullName},
      {"예) 홍길동", FieldKind::kFullName},           {"例：张三", FieldKind::kFullName},
      // Postal codes of a shape of their own, and the postal mark; bare digits may be any number.
      {"e.g. SW1A 1AA", FieldKind::kPostalCode},  {"00-000", FieldKind::kPostalCode},
      {"00000-000", FieldKind::kPostalCode},      {"〒", FieldKind::kPostalCode},
      {"〒100-0001", FieldKind::kPostalCode},      {"z. B. 10115", FieldKind::kUnknown},
      {"Your idol · SW1A 1AA", FieldKind::kUnknown},{"〒 Tokyo", FieldKind::kUnknown},
      // Beside other words a name shows nothing about the field.
      {"Your idol · Jane Doe", FieldKind::kUnknown}, {"Color · e.g. Brown", FieldKind::kUnknown},
      // A word in two senses settled by the example beside it.
      {"Name · John", FieldKind::kGivenName},    {"Name · e.g. John Doe", FieldKind::kFullName},
      {"Name · Mark", FieldKind::kGivenName},    {"Nom · Jean Dupont", FieldKind::kFullName},
      {"Full name · John", FieldKind::kFullName},
  };
  for (const auto& [label, kind] : cases) EXPECT_EQ(fieldKind(label), kind) << label;
  auto history = list({{"A:index0", "Emily"}, {"B:index0", "Emily Johnson"}, {"C:index0", "+1 415 555 0132"}});
  expectChoices({{"Name · John", history, 0u, true},
                 {"(555) 555-5555", history, 2u, true},
                 // Settled by its example, a word that is only ever offered stays offered.
                 {"Apelido · Silva", list({{"A:index0", "Silva"}}), 0u, false},
                 // A certified mailbox may not be the saved address: offered, never inserted.
                 {"Indirizzo PEC", list({{"A:index0", "giulia.rossi@gmail.com"}}), 0u, false}});
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
  EXPECT_EQ(kindOf("Geburtsname"), FieldKind::kOtherNumber);
}

TEST(AnswerEngine, LabelsThatAsOftenMeanAPartAreOfferedNotInserted) {
  auto address = list({{"A:index0", "Hauptstraße 12"}, {"B:index0", "anna_mueller88"}, {"C:index0", "Anna Müller"}});
  expectChoices({
      // A former value, or a place of birth, may be the saved one or not.
      {"Previous address", address, 0u, false},
      {"Nom de naissance", list({{"F:index0", "Müller"}}), 0u, false},
      {"Country of birth", list({{"C:index0", "Deutschland"}}), 0u, false},
      {"\u65E7\u4F4F\u6240", address, 0u, false},  // 旧住所
      {"Previous surname", list({{"F:index0", "Müller"}}), std::nullopt},
      // A province's capital may or may not be the district asked for.
      {"\u0130l\u00E7e", list({{"C:index0", "\u0130zmir"}}), 0u, false},  // İlçe: İzmir
      // ... but not a note about a former value beside the field's own name.
      {"Present address (not previous)", address, 0u, true},
      {"Email used for previous purchases", list({{"E:index0", "anna@example.com"}}), 0u, true},
      {"\u5730\u5143\u306E\u4F4F\u6240", address, 0u, true},  // 地元の住所: the local address
      {"Phonetic name", list({{"P:index0", "+49 30 1234567"}, {"N:index0", "Anna Müller"}}), std::nullopt},
      // A bare street word may sit beside a house-number field.
      {"Straße:*", address, 0u, false},
      {"Lieferadresse \u00B7 Stra\u00DFe *", address, 0u, false},  // under an address heading as well
      {"Street", address, 0u, false},
      {"Rue", address, 0u, false},
      {"Улица", address, 0u, false},
      // "Locality" is the town on most forms and the neighbourhood on some.
      {"Locality", list({{"A:index0", "Berlin"}}), 0u, false},
      // A company's address may or may not be the one saved.
      {"Company address", address, 0u, false},
      // Phrases that include the number are sure.
      {"Straße und Hausnummer", address, 0u, true},
      {"Street address", address, 0u, true},
      {"Street, No. (*)", address, 0u, true},
      {"Ulica i nr domu", address, 0u, true},
      {"Stra\u00DFe und Nr.", address, 0u, true},
      {"Street and house number", address, 0u, true},
      {"Rue et num\u00E9ro", address, 0u, true},
      {"Street number", address, std::nullopt},  // the house number alone
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

}  // namespace
}  // namespace oskel::answer
