#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/answer_engine.h"
#include "engine/text.h"
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
      // A field for a link to some content takes the newest link, or one to the site it names.
      {"Paste the URL of the video", links, 0u},
      {"Vidéo Youtube :", deepOnly, 1u},
      {"Profil LinkedIn", list({{"G:index0", "https://github.com/twisniewski"},
                                {"L:index0", "https://www.linkedin.com/in/tomasz-wisniewski-dev"}}), 1u},
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
      {"City", list({{"A:index0", "Kungälv"}, {"B:index0", "Linnea Lindqvist"}, {"C:index0", "Linnea"}}), 0u},
      {"City", list({{"A:index0", "Lindqvist"}, {"B:index0", "Linnea Lindqvist"}}), std::nullopt},
      {"City", list({{"A:index0", "Kungälv"}}), std::nullopt},  // nothing says whose word this is
      {"First name", list({{"A:index0", "Linnea"}, {"B:index0", "CafeGuest"}}), 0u, false},  // offered only
      // The person's name spelled into an address of theirs does as well as a full name.
      {"City", list({{"A:index0", "Thiago"}, {"B:index0", "Campinas"}, {"C:index0", "thiago.mourao@uol.com.br"}}), 1u},
      {"City", list({{"A:index0", "Lindqvist"}, {"B:index0", "linnea_l"}}), std::nullopt},
      {"City", list({{"A:index0", "김민준"}, {"B:index0", "minjun.kim@naver.com"}}), std::nullopt},
      // Two Hangul syllables alone are never inserted as the whole name; a Japanese given name is no town.
      {"Full name", list({{"A:index0", "민준"}, {"B:index0", "minjun_kim"}}), std::nullopt},
      {"Full name", list({{"A:index0", "민준"}, {"B:index0", "김민준"}}), 1u, true},
      {"Votre ville :", list({{"A:index0", "太郎"}, {"B:index0", "株式会社タナカ"}}), std::nullopt},
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
      // So is one with nothing to place it; beside a name of the person's, it is no part of it.
      {"First name", list({{"A:index0", "Thiago"}, {"B:index0", "Brasil"}, {"C:index0", "Mourão Tecnologia Ltda"}}),
       0u, false},
      {"First name", list({{"A:index0", "Thiago"}, {"B:index0", "Ngozi Adeyemi"}}), std::nullopt},
      // A word that ends as towns do is none: the older unlisted word is offered instead.
      {"First name", list({{"A:index0", "Oldenburg"}, {"B:index0", "Jonte"}}), 1u, false},
      {"Vorname", list({{"A:index0", "Kırşehir"}, {"B:index0", "34430"}}), std::nullopt},
      // With no name of the person's anywhere, a word no list knows is as likely a town or a
      // given name as the family name: offered only. One that ends as family names do is not.
      {"Last name", list({{"A:index0", "Kungälv"}, {"B:index0", "Kindly confirm receipt."}}), 0u, false},
      {"Cognome", list({{"A:index0", "Elif"}, {"B:index0", "34430"}}), 0u, false},
      {"Last name", list({{"A:index0", "Lindqvist"}, {"B:index0", "34430"}}), 0u, true},
      {"Nazwisko", list({{"A:index0", "Elif"}, {"B:index0", "Yılmaz"}, {"C:index0", "elifyilmaz"}}), 1u, true},
      // A listed given name copied alone, or a handle of an initial and the word, places it.
      {"Last name", list({{"A:index0", "Gruber"}, {"B:index0", "Thomas"}}), 0u, true},
      {"Last name", list({{"A:index0", "Nguyen"}, {"B:index0", "lnguyen88@gmail.com"}}), 0u, true},
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
  EXPECT_EQ(kind("例）taro@example.co.jp"), FieldKind::kEmail);
  EXPECT_EQ(kind("メール（例：taro@example.jp）"), FieldKind::kEmail);
  EXPECT_EQ(kind("Username (e.g. john@example.org)"), FieldKind::kUsernameOrEmail);
  EXPECT_EQ(kind("Friend's e-mail · friend@example.com"), FieldKind::kSomeoneElse);
  EXPECT_EQ(kind("Email (not yours, e.g. friend@example.com)"), FieldKind::kUnclear);
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
      // A listing's page on a site named after a town is no site of the person's own.
      {"First name", list({{"G:index0", "Jennifer"}, {"F:index0", "Walsh"}, {"T:index0", "Austin"},
                           {"U:index0", "https://www.austinhomesearch.com/listing/8821347"}}), 0u},
      // A whole name the person's address spells beats a newer phrase of capitalised words;
      // a colleague's contact block does not beat the person's own newer name.
      {"Full name",
       list({{"A:index0", "Kindle Paperwhite"}, {"B:index0", "chidi.okonkwo@gmail.com"}, {"C:index0", "Chidi Okonkwo"}}),
       2u, true},
      {"Full name",
       list({{"A:index0", "Michael Johnson"}, {"S:index0", "Sarah Miller\nsarah.miller@contoso.com"},
             {"S:index1", "Sarah Miller"}, {"S:index2", "sarah.miller@contoso.com"}}),
       0u},
      {"Full name", list({{"A:index0", "Kindle Paperwhite"}, {"C:index0", "Chidi Okonkwo"}}), 0u, true},
      // An address copied alone is taken for the person's, even a colleague's; the other
      // names stay rivals. A site's host spells brands, not the person.
      {"Full name",
       list({{"A:index0", "chidi.okonkwo@acme.com"}, {"B:index0", "Chidi Okonkwo"}, {"C:index0", "Ngozi Adeyemi"}}), 1u},
      {"Full name",
       list({{"A:index0", "Thomas Weber"}, {"B:index0", "https://www.bestbuy.com/site/tv"}, {"C:index0", "Best Buy"}}),
       0u, true},
      // A Japanese given name alone is no full name; after a family name it is.
      {"Full name", list({{"A:index0", "太郎"}, {"B:index0", "日本"}}), std::nullopt},
      {"Full name", list({{"A:index0", "田中太郎"}}), 0u},
      // A family name in capitals marks the name's order, whichever comes first.
      {"Prénom", list({{"A:index0", "DUPONT"}, {"B:index0", "Jean"}, {"C:index0", "DUPONT Jean"}}), 1u, true},
      {"Nom de famille", list({{"A:index0", "Jean"}, {"B:index0", "Dupont"}, {"C:index0", "DUPONT Jean"}}), 1u},
      {"Last name", list({{"A:index0", "Anna"}, {"B:index0", "Müller"}, {"C:index0", "Anna MÜLLER"}}), 1u},
      // Not a company or a place with its initials, nor letters after a name.
      {"First name", list({{"A:index0", "Berlin"}, {"B:index0", "KPMG Berlin"}, {"C:index0", "Emily"}}), 2u, true},
      {"First name", list({{"A:index0", "Weber"}, {"B:index0", "Thomas"}, {"C:index0", "Thomas Weber MBA"}}), 1u, true},
      {"First name", list({{"A:index0", "Miller"}, {"B:index0", "Sarah"}, {"C:index0", "Sarah Miller MPH"}}), 1u, true},
      {"Vorname", list({{"A:index0", "Walldorf"}, {"B:index0", "SAP Walldorf"}}), std::nullopt},
      // Capitals in someone else's name do not override the person's own address.
      {"Prénom", list({{"A:index0", "MARTIN Claire"}, {"B:index0", "martin.dubois@orange.fr"}, {"C:index0", "Martin"}}),
       2u, true},
      {"Full name", list({{"A:index0", "Kim Weber"}}), 0u, true},
      {"Last name", list({{"A:index0", "Kim Weber"}}), std::nullopt},
      {"姓名", list({{"A:index0", "林平"}}), 0u},
      // A Korean word that begins with no family name is no person's name.
      {"성명", list({{"A:index0", "영수증"}, {"B:index0", "김서연"}}), 1u, true},
      {"성명", list({{"A:index0", "영수증"}}), std::nullopt},
      {"성명", list({{"A:index0", "진서연"}}), 0u, true},
      {"氏名", list({{"A:index0", "大谷翔平"}}), 0u},
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
      {"Last name", list({{"A:index0", "Kungälv"}, {"B:index0", "Lindqvist"}, {"C:index0", "https://linnealindqvist.se"}}),
       1u},
      // Someone else's address inside a message spells nobody's own name: the word is offered
      // only, as it would be with nothing beside it.
      {"Vorname",
       list({{"M:index0", "Hi, could you send the contract to tereza.dv@seznam.cz before Friday? Thanks, Jan"},
             {"M:index1", "tereza.dv@seznam.cz"},
             {"A:index0", "Tereza"}}),
       2u, false},
      {"Vorname", list({{"A:index0", "Tereza"}}), 0u, false},
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
      // A town named after a saint is no person, though its last word is a given name.
      {"Full name", list({{"A:index0", "San Francisco"}, {"B:index0", "94107"}}), std::nullopt},
      {"Name", list({{"A:index0", "São Paulo"}, {"B:index0", "Emily Johnson"}}), 1u},
      // Given names that are family names elsewhere still begin a full name.
      {"Full name", list({{"A:index0", "Bruno Rossi"}}), 0u},
      {"Full name", list({{"A:index0", "Clément Dubois"}}), 0u},
      // Kanji: 田中 is a family name, 太郎 ends the way given names do, whichever is newer.
      {"Last name", list({{"A:index0", "太郎"}, {"B:index0", "田中"}}), 1u},
      {"姓", list({{"A:index0", "田中"}, {"B:index0", "太郎"}}), 0u},
      {"First name", list({{"A:index0", "田中"}, {"B:index0", "太郎"}}), 1u},
      {"名", list({{"A:index0", "太郎"}}), 0u},
      // A family name alone is no full name, written in kanji as in Latin letters.
      {"Your name", list({{"A:index0", "田中"}, {"B:index0", "日本"}}), std::nullopt},
      {"Your name", list({{"A:index0", "田中"}, {"B:index0", "田中 太郎"}}), 1u},
      {"Your name", list({{"A:index0", "王小明"}}), 0u},
      // Endings that mark family names: the newer given name or town loses.
      {"Last name", list({{"A:index0", "Tereza"}, {"B:index0", "Dvořáková"}}), 1u},
      {"Last name", list({{"A:index0", "Julian"}}), std::nullopt},  // "-ian" ends given names too
      {"Фамилия", list({{"A:index0", "Марина"}}), std::nullopt},
      {"Имя", list({{"A:index0", "Марина"}}), 0u},
      {"Nazwisko", list({{"A:index0", "Kungälv"}, {"B:index0", "Lindqvist"}}), 1u},
      {"City", list({{"A:index0", "Jovanović"}, {"B:index0", "Anna Müller"}}), std::nullopt},
      // With the person's full name known, a word that is no part of it is not their family name.
      {"Last name", list({{"A:index0", "Campinas"}, {"B:index0", "Thiago Mourão"}}), std::nullopt},
      {"Last name", list({{"A:index0", "Mourão"}, {"B:index0", "Thiago Mourão"}}), 0u},
      // A colleague's name copied alone does not cost the person a family name known by its ending.
      {"Surname", list({{"A:index0", "Erik"}, {"B:index0", "Lindqvist"}, {"C:index0", "Anna Berg"}}), 1u, true},
      // A part of the person's copied name beats a newer name that is no part of it.
      {"First name",
       list({{"A:index0", "Marco"}, {"B:index0", "Ngozi"}, {"C:index0", "Adeyemi"}, {"D:index0", "Ngozi Adeyemi"}}),
       1u, true},
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

TEST(AnswerEngine, ATownOtherThanTheOneThePersonsPostalCodeGoesWithIsATrips) {
  // "69003" and "69003 Lyon" copied alone say where the person lives; "Bordeaux" is a trip's.
  auto lyon = list({{"A:index0", "Bordeaux"}, {"B:index0", "69003 Lyon"}, {"C:index0", "69003"}});
  auto lyonToo = lyon;
  lyonToo.push_back({"D:index0", "Lyon"});
  auto denver = list({{"A:index0", "New York"},
                      {"B:index0", "Denver, CO 80206"},
                      {"C:index0", "80206"},
                      {"D:index0", "Denver"}});
  // Without the postal code copied alone the line may be anyone's: the newest town, as before.
  auto anyones = list({{"A:index0", "Bordeaux"}, {"B:index0", "69003 Lyon"}, {"C:index0", "Lyon"}});
  // A hashtag names no town.
  auto tag = list({{"A:index0", "#g\u00F6teborg"}});
  expectChoices({{"Ville", lyon, 0u, false},
                 {"Ville", lyonToo, 3u, true},
                 {"City", denver, 3u, true},
                 {"Ville", anyones, 0u},
                 {"Ort", tag, std::nullopt}});
}

TEST(AnswerEngine, AStreetFieldTakesTheStreetLineNotAWholeAddressOnOneLine) {
  // A restaurant's address with its postal code and town, copied later, ranks behind the
  // person's street line; alone it is still offered.
  auto madrid = list({{"A:index0", "Casa Lucio, Calle Cava Baja 35, 28005 Madrid"},
                      {"B:index0", "Calle de Embajadores 112, 3\u00BA B"}});
  auto alone = list({{"A:index0", "Casa Lucio, Calle Cava Baja 35, 28005 Madrid"}});
  expectChoices({{"Direcci\u00F3n", madrid, 1u, true}, {"Direcci\u00F3n", alone, 0u}});
  // A line of words no list knows as a street, that opens the person's address copied whole.
  auto brno = list({{"S:index0", "\u00DAdoln\u00ED 53"}, {"A:index0", "Doru\u010Dovac\u00ED adresa: Jakub Dvo\u0159\u00E1k, \u00DAdoln\u00ED 53, 602 00 Brno"}});
  auto card = list({{"S:index0", "Peka\u0159sk\u00E1 12"},
                    {"C:index0", "Ing. Martin Dvo\u0159\u00E1k\njednatel\nPeka\u0159sk\u00E1 12, 602 00 Brno"},
                    {"C:index1", "Peka\u0159sk\u00E1 12, 602 00 Brno"}});
  expectChoices({{"Ulice a \u010D\u00EDslo popisn\u00E9", brno, 0u},
                 {"Street address", list({{"S:index0", "77 Oakwood Ave"}, {"A:index0", "77 Oakwood Ave, Dayton, OH 45409"}}), 0u},
                 // The street line alone, ahead of the same line with the flat after it.
                 {"Adresse \u00B7 Num\u00E9ro et rue", list({{"A:index0", "4521, rue De Lanaudi\u00E8re, app. 3"},
                                                    {"B:index0", "4521, rue De Lanaudi\u00E8re"}}), 1u},
                 // A line of a card is no address copied whole.
                 {"Ulice a \u010D\u00EDslo popisn\u00E9", card, std::nullopt}});
  EXPECT_LT(engine().values().street("Lucali, 575 Henry St, Brooklyn, NY 11231"),
            engine().values().street("575 Henry St, Apt 2"));
}

}  // namespace
}  // namespace oskel::answer
