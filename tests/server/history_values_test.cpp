// Values the engine has to recognise from the history alone: sites and pages, names and towns
// no word list knows, handles that spell the person's name, and the lines of an address.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/answer_engine.h"
#include "engine/text.h"
#include "engine_test_support.h"

namespace oskel::answer {
namespace {

using namespace oskel::answer::test;

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
  // The handle's initial is the second word's: "VOLKOV DMITRII" is the whole name written family
  // name first, not a family name of two words ("García López" in m.garcia@…).
  auto volkov = list({{"A:index0", "VOLKOV DMITRII"}, {"B:index0", "d.volkov@mail.ru"}});
  Answer family = engine().answer({"Surname", "AXTextField", "x"}, volkov);
  EXPECT_FALSE(family.chosen && family.confidence >= AnswerEngine::kClientThreshold) << family.confidence;
  auto garcia = list({{"A:index0", "Garc\u00EDa L\u00F3pez"}, {"B:index0", "m.garcia@mail.es"}});
  EXPECT_EQ(engine().answer({"Apellidos", "AXTextField", "x"}, garcia).chosen, std::optional<std::size_t>(0));
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
