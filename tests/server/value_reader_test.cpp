#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/answer_engine.h"
#include "engine/date_order.h"
#include "engine/text.h"
#include "engine/web_links.h"
#include "engine_test_support.h"

namespace oskel::answer {
namespace {

using namespace oskel::answer::test;

TEST(ValueReader, ShapesOfValues) {
  const ValueReader& v = engine().values();
  EXPECT_EQ(v.email("anna.mueller@posteo.de"), 1.0);
  EXPECT_EQ(v.email("anna@posteo"), 0.0);
  EXPECT_EQ(v.email("write to anna@posteo.de"), 0.0);
  EXPECT_EQ(v.email("a@b@c.de"), 0.0);
  EXPECT_GE(v.phone("+49 30 12345678"), 0.85);
  EXPECT_GE(v.phone("(415) 555-0132"), 0.85);
  EXPECT_EQ(v.phone("2026-03-14"), 0.0);
  // A Swedish personal identity number has a phone's digits, but a date of birth in front.
  EXPECT_EQ(v.phone("19910522-1234"), 0.0);
  EXPECT_EQ(v.phone("910522-1234"), 0.0);
  EXPECT_GE(v.phone("070-123 45 67"), 0.85);
  // A capital that is as often a given name is no town alone.
  EXPECT_LT(v.score(FieldKind::kCity, "Sof\u00EDa"), 0.35);
  // Brazil's tax numbers of a person and of a company; a mobile number of the same digits' count.
  EXPECT_EQ(v.phone("123.456.789-09"), 0.0);
  EXPECT_EQ(v.phone("45.123.789/0001-62"), 0.0);
  EXPECT_GE(v.phone("(31) 99123-4567"), 0.85);
  // France's SIRET is no phone number.
  EXPECT_EQ(v.phone("832 145 697 00021"), 0.0);
  // A name in Han with its Latin spelling beside it is the name twice; kana with a long-vowel
  // mark is a name all the same.
  EXPECT_LT(v.fullName("\u9673\u6021\u541B Yi-Chun Chen"), 0.5);
  EXPECT_GE(v.fullName("\u30B9\u30DF\u30B9 \u30A8\u30DF\u30EA\u30FC"), 0.5);  // スミス エミリー
  // Japan's postal mark: the code alone goes ahead.
  EXPECT_GE(v.postalCode("\u3012154-0004"), 0.5);
  EXPECT_LT(v.postalCode("\u3012154-0004"), v.postalCode("154-0004"));
  // A number cut out of a longer text with half its brackets.
  EXPECT_EQ(v.phone("614) 555-0198"), 0.0);
  // A whole address split by bars, and a street after a place's name or a note, go behind a
  // street line; Dutch and Flemish market squares are streets.
  EXPECT_LT(v.street("Rheinsoft GmbH | Hohenzollernring 54 | 50672 K\u00F6ln"), v.street("Hohenzollernring 54"));
  EXPECT_LT(v.street("Hotel Stary, ul. Szczepa\u0144ska 5"), v.street("ul. D\u0142uga 27/14"));
  EXPECT_GE(v.street("Korenmarkt 17"), 0.9);
  // Neighbourhoods are no people: "Nueva Córdoba", "Col. Americana".
  EXPECT_EQ(v.fullName("Nueva C\u00F3rdoba"), 0.0);
  EXPECT_EQ(v.fullName("Col. Americana"), 0.0);
  // A note's words before a colon are no street; a street after an address's label is one.
  EXPECT_EQ(v.street("Mise en place s\u00E1bado: 40 pax, menu degusta\u00E7\u00E3o 7 momentos"), 0.0);
  EXPECT_GE(v.street("Adresse: 12 rue de Rivoli"), 0.7);
  // A school, a surgery, a department and a trade are no person, though they begin with a name.
  for (const char* place : {"Leeds Academy Trust", "Cotham Vale Surgery", "Science Department", "Reyes Plumbing"}) {
    EXPECT_EQ(v.fullName(place), 0.0) << place;
  }
  // A link's path may hold a street's word; a hashtag a town's name.
  EXPECT_EQ(v.street("https://drive.google.com/drive/folders/1aZx9Qm3"), 0.0);
  EXPECT_GE(v.street("12 Mulholland Drive"), 0.9);
  EXPECT_EQ(v.score(FieldKind::kCity, "#g\u00F6teborg"), 0.0);
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
  EXPECT_GE(v.city("College Station"), 0.4);
  EXPECT_EQ(v.city("Brightside Labs Inc."), 0.0);
  EXPECT_GE(v.birthDate("14.03.1988"), 0.85);
  EXPECT_LT(v.birthDate("2026-04-01"), 0.5);
  EXPECT_EQ(v.date("31.02.x"), 0.0);
  EXPECT_GE(v.username("anna_mueller88"), 0.75);
  EXPECT_LT(v.username("1Z999AA10123456784"), 0.5);
}

// How people outside the lists' countries write what they copy.
TEST(ValueReader, WritingsOfMoreCountries) {
  const ValueReader& v = engine().values();
  // Dates with a dot after each part, year first (Hungarian) or last (Croatian).
  EXPECT_GE(v.birthDate("1989.05.17."), 0.85);
  EXPECT_GE(v.birthDate("1989. 05. 17."), 0.85);
  EXPECT_GE(v.birthDate("17.05.1989."), 0.85);
  EXPECT_EQ(v.phone("1989.05.17."), 0.0);
  EXPECT_EQ(v.date("1989.13.17."), 0.0);
  // Russian and Bulgarian dates closed by "г."; Thai and Persian years are dates, never phone
  // numbers, but are offered only, as the field may want the Gregorian year.
  EXPECT_GE(v.birthDate("11.03.1990 г."), 0.85);
  for (const char* other : {"15/06/2533", "1368/04/22"}) {
    EXPECT_GT(v.date(other), 0.5) << other;
    EXPECT_EQ(v.phone(other), 0.0) << other;
    EXPECT_GT(v.birthDate(other), 0.3) << other;
    EXPECT_LT(v.birthDate(other), 0.5) << other;
  }
  EXPECT_EQ(v.date("15/06/2733"), 0.0);
  // Seven bare digits are as likely an order number; separators or more digits read as a phone.
  EXPECT_LT(v.phone("4829103"), 0.5);
  EXPECT_GE(v.phone("482 91 03"), 0.5);
  EXPECT_GE(v.phone("20123456"), 0.5);
  EXPECT_GE(v.phone("4155550132"), 0.5);
  // A name with the word for its kind of region is a region, not a person.
  EXPECT_GE(v.region("Kisumu County"), 0.75);
  EXPECT_GE(v.region("County Galway"), 0.75);
  EXPECT_GE(v.region("Västmanlands län"), 0.75);
  EXPECT_LT(v.fullName("Kisumu County"), 0.5);
  EXPECT_LT(v.fullName("County Galway"), 0.5);
  // ... but "Lan" is a given name, not Swedish "län" without its dots, and "Shire" and
  // "Canton" end people's names too.
  EXPECT_EQ(v.region("Nguyễn Thị Lan"), 0.0);
  EXPECT_GE(v.fullName("Nguyễn Thị Lan"), 0.5);
  for (const char* name : {"Warsan Shire", "Mark Canton"}) {
    EXPECT_GE(v.fullName(name), 0.5) << name;
    EXPECT_EQ(v.region(name), 0.0) << name;
  }
  // Streets named with Ukrainian, Indonesian, Greek, Norwegian and Romanian words.
  for (const char* street : {"vul. Svobody 15", "Jl. Dago No. 88", "Odos Korinthou 45", "Munkegata 20",
                             "Calea Victoriei 12", "Nyg\u00E5rdsgaten 31", "Mannerheimintie 5", "Stortorget 2"}) {
    EXPECT_GE(v.street(street), 0.9) << street;
  }
  // Words that look like a street's but are a state, a noun or a name.
  for (const char* other : {"Flight LH 2034 departs 07:45 from gate B12", "Provo, UT 84604", "Vakantie 2025",
                            "Sortie 12", "Veg curry 12", "Checka ut senast kl 11"}) {
    EXPECT_LT(v.street(other), 0.5) << other;
  }
  for (const char* name : {"Jan ter Horst", "Shweta Jalan", "Nick Ut"}) EXPECT_GE(v.fullName(name), 0.5) << name;
  // Greek family names by their endings, not towns; "-idis" ends given names too.
  for (const char* family : {"Papadopoulou", "Konstantinidou", "Nikolakis"}) {
    EXPECT_GE(v.familyName(family), 0.7) << family;
    EXPECT_LT(v.city(family), 0.4) << family;
  }
  EXPECT_LT(v.familyName("Miltiadis"), 0.7);
  // Legal forms of Turkey and Mexico; not "doo" of Korean names, not a font's "PT".
  for (const char* company : {"Demir Mobilya Ltd. Şti.", "Hernández Arquitectos S.A. de C.V."}) {
    EXPECT_GE(v.organisation(company), 0.95) << company;
    EXPECT_EQ(v.fullName(company), 0.0) << company;
  }
  EXPECT_GE(v.fullName("Kim Doo-hwan"), 0.5);
  EXPECT_LT(v.organisation("PT Sans"), 0.5);
}

TEST(ValueReader, NamesWrittenFamilyNameFirstAndWordsThatOnlyLookLikeNames) {
  const ValueReader& v = engine().values();
  // Family name first where the lists leave no doubt, or after Vietnamese "Thị"/"Văn".
  for (const char* name : {"Nagy László", "Kovács Zsófia", "Wang Wei", "Nguyễn Thị Lan", "Trần Văn Minh",
                           "Wiśniewska Katarzyna", "Kowalski Jan"}) {
    EXPECT_TRUE(v.writtenFamilyFirst(name)) << name;
  }
  // Given name first, names in both lists ("Bernard", "Kim"), family names of traditions that
  // put them last ("Taylor", "Lewis"), and places.
  for (const char* other : {"László Nagy", "Bernard Paul", "Kim Lee", "Daan van Dijk", "Taylor Martin",
                            "Lewis Thomas", "Nguyễn", "Đà Nẵng"}) {
    EXPECT_FALSE(v.writtenFamilyFirst(other)) << other;
  }
  // Chinese given names that are family names too leave a name a whole name.
  for (const char* name : {"Liu Yang", "Wang Lin"}) EXPECT_GE(v.fullName(name), 0.5) << name;
  // Two capitals after a word in small letters are an abbreviation, except the short family
  // names forms write in capitals and generations.
  for (const char* other : {"Seattle WA", "Shevchenko IT", "Anna UK", "Boston MA", "Napoli NA",
                            "PT Wulandari Kreasi"}) {
    EXPECT_LT(v.fullName(other), 0.5) << other;
    EXPECT_LT(v.familyName(other), 0.5) << other;
  }
  for (const char* name : {"LI Wei", "NG Mei Ling", "Anna LE", "Mei Ling NG", "AJ Smith", "John Smith II", "LI NA",
                           "AU Ka Wai", "JO Min Ji", "RK Suresh Babu"}) {
    EXPECT_GE(v.fullName(name), 0.5) << name;
  }
  // A particle is written without accents: "Đà Nẵng" is a town, not a family name like "da Silva".
  EXPECT_LT(v.familyName("Đà Nẵng"), 0.5);
  EXPECT_GE(v.familyName("da Silva"), 0.8);
  EXPECT_GE(v.familyName("Da Silva"), 0.8);
}

TEST(ValueReader, CompaniesRegionsAndTownsOfMoreCountries) {
  const ValueReader& v = engine().values();
  // Towns of the longer list, in their own spelling.
  for (const char* town : {"Belo Horizonte", "Zapopan", "Dayton", "V\u00E4ster\u00E5s", "Gda\u0144sk"}) {
    EXPECT_GE(v.score(FieldKind::kCity, town), 0.9) << town;
  }
  for (const char* company : {"Kõrvitsa Puit OÜ", "Радосављевић д.о.о.", "Кънчева Дизайн ЕООД",
                              "شركة أبو العينين للتجارة ش.م.م", "شرکت فرش اسفندیاری (سهامی خاص)",
                              "บริษัท วงศ์สกุลชัย จำกัด"}) {
    EXPECT_GE(v.organisation(company), 0.95) << company;
    EXPECT_LT(v.fullName(company), 0.5) << company;
  }
  // "Ou" alone is a name; "the company", "limited", "hell" and "taking part" in sentences.
  for (const char* other : {"Zhang Ou", "ที่นั่งมี จำกัด", "Животът е ад", "ممنون از شرکت", "Cyf. 48213"}) {
    EXPECT_LT(v.organisation(other), 0.9) << other;
  }
  // Regions by their word, first or last, capitalised or in a script without capitals; no town.
  for (const char* region : {"Järva maakond", "maakond Järva", "Моравички округ", "استان اصفهان", "Košický kraj"}) {
    EXPECT_GE(v.region(region), 0.75) << region;
    EXPECT_LT(v.city(region), 0.35) << region;
    EXPECT_LT(v.fullName(region), 0.5) << region;
  }
  // Phrases with a region's word are no region.
  for (const char* other : {"cook county", "state of the art", "county fair", "область применения", "край света"}) {
    EXPECT_EQ(v.region(other), 0.0) << other;
  }
  // Streets by words that count only right beside a number, or opening a text ending with one.
  for (const char* street : {"Baznīcas iela 21-4", "3 Heol y Bont", "Carrer de la Font, 17, 2n 1a",
                             "12 شارع سعد زغلول", "No. 23, Jalan Seri Kenanga 4", "خیابان شهید بهشتی، پلاک ۱۴"}) {
    EXPECT_GE(v.street(street), 0.9) << street;
  }
  for (const char* other : {"Shweta Jalan", "Priya Jalan - Room 204", "Jalan sesak teruk, sampai dalam 20 minit",
                            "Nashville, TN 37203", "can we meet tn at 8?", "Heol",
                            "ترافیک خیابان خیلی سنگینه، 10 دقیقه دیگه میرسم"}) {
    EXPECT_EQ(v.street(other), 0.0) << other;
  }
  // A town or a club named with "City" is no person, nor a town by that word alone.
  for (const char* other : {"Tanauan City", "Manchester City", "Stoke City"}) {
    EXPECT_LT(v.fullName(other), 0.5) << other;
    EXPECT_LT(v.city(other), 0.5) << other;
  }
}

TEST(ValueReader, PlacesByTheirLastCharacterAndCodesInCapitals) {
  const ValueReader& v = engine().values();
  // Towns, provinces and prefectures in Chinese, Japanese and Korean: no person's name.
  for (const char* town : {"扬州市", "竹北市", "松本市", "전주시"}) {
    EXPECT_GE(v.city(town), 0.8) << town;
    EXPECT_EQ(v.fullName(town), 0.0) << town;
    EXPECT_LT(v.givenName(town), 0.1) << town;
  }
  for (const char* region : {"江苏省", "長野県", "新竹縣", "전북특별자치도", "부산광역시", "Maine-et-Loire", "Cumbria",
                             "Oberösterreich", "Co. Clare"}) {
    EXPECT_GE(v.region(region), 0.75) << region;
    EXPECT_LT(v.city(region), 0.2) << region;
  }
  // Two characters are words as often ("节省", to save; "다시", again), and so are longer texts
  // that end in them, the hours, or names from other languages; a code is no town.
  for (const char* word : {"节省", "다시", "很节省", "明天去超市", "都道府県", "다섯시", "트레이시", "高市"}) {
    EXPECT_EQ(v.region(word), 0.0) << word;
    EXPECT_LT(v.city(word), 0.5) << word;
  }
  for (const char* code : {"MG", "CR", "NSW"}) EXPECT_LT(v.city(code), 0.2) << code;
  // Legal forms open a name only where the country writes them first; handles are no companies.
  for (const char* company : {"(주)다온소프트", "ООО «Коломенские окна»", "주식회사 한빛", "Tarbud Instalacje Sp. z o.o."}) {
    EXPECT_GE(v.organisation(company), 0.95) << company;
  }
  for (const char* company : {"SARL Dupont", "AB Volvo", "ООО«Ромашка»", "ТОВ «Ромашка»"}) {
    EXPECT_GE(v.organisation(company), 0.95) << company;
  }
  for (const char* other : {"jedrek_sl", "Bv. Lehmann 873", "Co. Clare", "AG Müller"}) {
    EXPECT_EQ(v.organisation(other), 0.0) << other;
  }
  EXPECT_GE(v.street("Bv. Lehmann 873"), 0.9);
  EXPECT_GE(v.street("Bvar. Oroño 1250"), 0.9);
  EXPECT_EQ(v.street("De Vries Techniek B.V."), 0.0);
  // Eircodes, with a letter among the last four ("V60 2019" is a car and a year).
  for (const char* code : {"V95 H2X8", "D6W XY12", "A65F4E2", "v95 h2x8"}) EXPECT_GE(v.postalCode(code), 0.9) << code;
  for (const char* other : {"B95 H2X8", "V60 2019"}) EXPECT_LT(v.postalCode(other), 0.9) << other;
  // Russian names with the patronymic last; a given name and a patronymic are half a name.
  EXPECT_TRUE(v.writtenFamilyFirst("Ларионов Глеб Аркадьевич"));
  EXPECT_FALSE(v.writtenFamilyFirst("Глеб Аркадьевич Ларионов"));
  EXPECT_LT(v.fullName("Анна Сергеевна"), 0.5);
}

TEST(WebLinks, OwnSitesAndLinksToContent) {
  for (const char* own : {"https://annamueller.de", "https://annamueller.de/", "annamueller.de/about",
                          "https://example.com/en/", "https://www.instagram.com/ollie.bennett.photo/",
                          "https://ferncodesign.com.au/2024"}) {
    EXPECT_FALSE(isDeepLink(own)) << own;
  }
  for (const char* deep : {"https://example.com/blog/post-1", "https://example.com/?ref=mail",
                           "https://example.com#top", "youtube.com/watch?v=abc",
                           "https://www.realestate.com.au/property-unit-vic-fitzroy-141234567",
                           "https://news.example.com/article67912345"}) {
    EXPECT_TRUE(isDeepLink(deep)) << deep;
  }
  EXPECT_TRUE(asksForALink("Paste the URL of the video"));
  EXPECT_TRUE(asksForALink("動画のリンク"));
  EXPECT_FALSE(asksForALink("Website"));
  EXPECT_FALSE(asksForALink("Homepage (optional)"));
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

TEST(DateOrder, FormatsInLabelsAndDatesThatFitThem) {
  EXPECT_EQ(dateOrderAskedBy("Date of birth (DD/MM/YYYY)"), DateOrder::kDayMonthYear);
  EXPECT_EQ(dateOrderAskedBy("Geburtsdatum · TT.MM.JJ"), DateOrder::kDayMonthYear);
  EXPECT_EQ(dateOrderAskedBy("Date de naissance (JJ/MM/AAAA)"), DateOrder::kDayMonthYear);
  EXPECT_EQ(dateOrderAskedBy("Birthday mm-dd-yyyy"), DateOrder::kMonthDayYear);
  EXPECT_EQ(dateOrderAskedBy("Geboortedatum (jjjj-mm-dd)"), DateOrder::kYearMonthDay);
  EXPECT_EQ(dateOrderAskedBy("Дата рождения (дд.мм.гггг)"), DateOrder::kDayMonthYear);
  EXPECT_EQ(dateOrderAskedBy("Date of birth"), DateOrder::kUnstated);
  EXPECT_EQ(dateOrderAskedBy("MM/YY"), DateOrder::kUnstated);

  EXPECT_TRUE(fitsDateOrder("14.03.1988", DateOrder::kDayMonthYear));
  EXPECT_FALSE(fitsDateOrder("14.03.1988", DateOrder::kMonthDayYear));
  EXPECT_FALSE(fitsDateOrder("14.03.1988", DateOrder::kYearMonthDay));
  EXPECT_TRUE(fitsDateOrder("1985-11-23", DateOrder::kYearMonthDay));
  EXPECT_FALSE(fitsDateOrder("1985-11-23", DateOrder::kDayMonthYear));
  // Both orders read it, so it may be saved in the other: it fits neither for sure.
  EXPECT_FALSE(fitsDateOrder("02/07/1991", DateOrder::kDayMonthYear));
  EXPECT_FALSE(fitsDateOrder("02/07/1991", DateOrder::kMonthDayYear));
  EXPECT_TRUE(fitsDateOrder("07/07/1991", DateOrder::kMonthDayYear));
  EXPECT_TRUE(fitsDateOrder("1991-07-02", DateOrder::kYearMonthDay));
  EXPECT_TRUE(fitsDateOrder("12 March 1988", DateOrder::kUnstated));
  for (const char* notDigits : {"12 March 1988", "1986年4月12日", "14.03.", "14..03.1988", "", "32.01.1990",
                                "14.13.1990", "1.2.3.4", "123.03.1990"}) {
    EXPECT_FALSE(fitsDateOrder(notDigits, DateOrder::kDayMonthYear)) << notDigits;
  }
  // A value that does not fit the stated order is offered, never inserted.
  auto history = list({{"A:index0", "14.03.1988"}});
  expectChoices({{"Date of birth (MM/DD/YYYY)", history, 0u, false},
                 {"Date of birth (DD/MM/YYYY)", history, 0u, true},
                 {"Date of birth (MM/DD/YYYY)", list({{"A:index0", "14.03.1988"}, {"B:index0", "03/14/1988"}}), 1u,
                  true}});
}

TEST(Text, FoldingAndCounting) {
  EXPECT_EQ(foldText("E-Mail-Adresse:"), " e mail adresse ");
  EXPECT_EQ(foldText("Prénom *"), " prenom ");
  EXPECT_EQ(foldText("STRASSE"), foldText("Straße"));
  EXPECT_EQ(foldText("Yılmaz"), foldText("YILMAZ"));  // Turkish dotless i
  EXPECT_EQ(foldText("Hasło · Điện thoại · Fødselsdato"), " haslo dien thoai fodselsdato ");
  EXPECT_NE(foldText("ชื่อ"), foldText("ช่อง"));  // Thai marks are vowels, not accents
  EXPECT_EQ(countGraphemes("a\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD"), 2u);  // "a" and a thumbs-up with skin tone
  EXPECT_EQ(trimText("  x y \n"), "x y");
  EXPECT_EQ(trimText(" \t"), "");
}

}  // namespace
}  // namespace oskel::answer
