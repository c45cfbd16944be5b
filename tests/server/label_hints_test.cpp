// What a label says beyond the kind of value it asks for: the format of a number, the sort of
// mailbox, the name a business trades under. A saved value written that way goes ahead.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/answer_engine.h"
#include "engine/phone_format.h"
#include "engine/phone_reader.h"
#include "engine_test_support.h"

namespace oskel::answer {
namespace {

using namespace oskel::answer::test;

TEST(PhoneFormat, ExamplesAndCountsOfDigitsInLabels) {
  PhoneFormat us = phoneFormatAskedBy("Phone * (format: (555) 555-5555)");
  EXPECT_EQ(us.shape, "(999) 999-9999");
  EXPECT_TRUE(fitsPhoneFormat("(614) 555-0187", us));
  EXPECT_FALSE(fitsPhoneFormat("+16145550187", us));
  EXPECT_FALSE(fitsPhoneFormat("614-555-0187", us));
  EXPECT_EQ(phoneFormatAskedBy("Telefon (z. B. 0171 1234567)").shape, "9999 9999999");
  PhoneFormat mx = phoneFormatAskedBy("Tel\u00E9fono celular (10 d\u00EDgitos) *");
  EXPECT_EQ(mx.digits, 10);
  EXPECT_TRUE(fitsPhoneFormat("33 1234 5678", mx));
  EXPECT_FALSE(fitsPhoneFormat("+52 33 1234 5678", mx));
  // No example, a count that is no phone's, or a number too short: nothing stated.
  for (const char* label : {"Phone", "Phone (2 digits)", "Extension (e.g. 1234)", "Phone 2"}) {
    EXPECT_FALSE(phoneFormatAskedBy(label).stated()) << label;
    EXPECT_FALSE(fitsPhoneFormat("(614) 555-0187", phoneFormatAskedBy(label))) << label;
  }
}

TEST(AnswerEngine, OfOneNumberSavedTwiceTheFormTheLabelAsksForGoesAhead) {
  // The international form reads surer, but the label shows the national one.
  auto saved = list({{"A:index0", "+16145550187"}, {"B:index0", "(614) 555-0187"}});
  expectChoices({{"Phone", saved, 0u},
                 {"Phone * (format: (555) 555-5555)", saved, 1u},
                 {"Tel\u00E9fono celular (10 d\u00EDgitos)", list({{"A:index0", "+52 33 1234 5678"}, {"B:index0", "33 1234 5678"}}),
                  1u}});
}

TEST(PhoneLine, AMobileOrAFixedLineInTheRegionsTheLabelsWordsAreUsedIn) {
  EXPECT_EQ(phoneLine("+49 151 23456789"), PhoneLine::kMobile);
  EXPECT_EQ(phoneLine("+49 30 1234567"), PhoneLine::kLandline);
  EXPECT_EQ(phoneLine("0043 664 1234567"), PhoneLine::kMobile);
  EXPECT_EQ(phoneLine("+43 3124 22815"), PhoneLine::kLandline);
  // A North American number may be either; an invalid or unparsable one says nothing.
  EXPECT_EQ(phoneLine("+1 614 555 0187"), PhoneLine::kUnknown);
  EXPECT_EQ(phoneLine("+49 12"), PhoneLine::kUnknown);
  EXPECT_EQ(phoneLine("Order 4471"), PhoneLine::kUnknown);
  EXPECT_EQ(phoneLine(""), PhoneLine::kUnknown);
  // A national number is read where the label's words are used: "0912-345-678" is a mobile in
  // Taiwan, and "13816527093" one in China, though other regions read them otherwise.
  LineAsked taiwan = lineAskedBy("\u624B\u6A5F\u865F\u78BC");  // 手機號碼
  EXPECT_EQ(taiwan.line, LineAsked::Line::kMobile);
  EXPECT_EQ(phoneLine("0912-345-678", taiwan.regions), PhoneLine::kMobile);
  EXPECT_EQ(phoneLine("02-2755-3012", taiwan.regions), PhoneLine::kLandline);
  EXPECT_EQ(phoneLine("0912-345-678"), PhoneLine::kUnknown);
  EXPECT_EQ(phoneLine("13816527093", lineAskedBy("\u624B\u673A\u53F7\u7801").regions), PhoneLine::kMobile);
  // A region that takes the digits for a service number ("051…" in Switzerland) leaves the
  // others to say: a fixed line in Bologna for "Cellulare".
  EXPECT_EQ(phoneLine("051 634 2219", lineAskedBy("Cellulare").regions), PhoneLine::kLandline);

  EXPECT_EQ(lineAskedBy("Handynummer").regions, (std::vector<std::string>{"DE", "AT", "CH"}));
  EXPECT_EQ(lineAskedBy("T\u00E9l\u00E9phone portable *").line, LineAsked::Line::kMobile);
  EXPECT_EQ(lineAskedBy("Telefon (Festnetz)").line, LineAsked::Line::kLandline);
  EXPECT_TRUE(lineAskedBy("WhatsApp").regions.empty());
  EXPECT_EQ(lineAskedBy("Phone").line, LineAsked::Line::kAny);
  EXPECT_EQ(lineAskedBy("Festnetz oder Handy").line, LineAsked::Line::kAny);
  EXPECT_EQ(lineAskedBy("CEP").line, LineAsked::Line::kAny);  // a Brazilian postal code, not Turkish "cep tel"
}

TEST(AnswerEngine, AMobileForAMobileFieldAndAFixedLineForAFixedLineField) {
  // The newer fixed line leads a plain phone field; a mobile field takes the mobile.
  auto eva = list({{"A:index0", "+43 3124 22815"}, {"B:index0", "+43 664 2183390"}});
  auto karl = list({{"A:index0", "+49 151 23456789"}, {"B:index0", "+49 30 1234567"}});
  expectChoices({{"Telefon", eva, 0u},
                 {"Telefon (mobil)", eva, 1u},
                 {"Mobile *", eva, 1u},
                 {"Telefon", karl, 0u},
                 {"Festnetznummer", karl, 1u},
                 {"Home phone", list({{"A:index0", "07700 900482"}, {"B:index0", "0113 496 0558"}}), 1u},
                 // A fixed line alone is still the person's number for a mobile field.
                 {"Handy", list({{"A:index0", "+49 30 1234567"}}), 0u},
                 // A North American number may be a mobile; one read as a fixed line in India does
                 // not make it one.
                 {"Mobile Phone", list({{"A:index0", "(512) 555-0147"}}), 0u},
                 // "Mobilnummer" is Swedish as well as German: a Swedish mobile is no fixed line.
                 {"Mobilnummer", list({{"A:index0", "073-555 22 91"}, {"B:index0", "08-555 310 00"}}), 0u},
                 {"Mobilnummer", list({{"A:index0", "08-555 310 00"}, {"B:index0", "073-555 22 91"}}), 1u},
                 // A note that labels the fixed line a phone does not make it the mobile.
                 {"Tel\u00E9fono m\u00F3vil *",
                  list({{"S:index0", "Tel: 91 527 33 10"}, {"S:index1", "91 527 33 10"}, {"M:index0", "612 345 789"}}), 2u},
                 // Written without a country code, read where the label's words are used.
                 {"\u624B\u6A5F\u865F\u78BC", list({{"A:index0", "02-2755-3012"}, {"B:index0", "0912-345-678"}}), 1u},
                 {"\uD734\uB300\uD3F0 \uBC88\uD638", list({{"A:index0", "02-3456-7890"}, {"B:index0", "010-4827-3391"}}), 1u}});
}

TEST(AnswerEngine, APrivateOrAWorkMailboxAsTheLabelAsks) {
  auto anna = list({{"A:index0", "anna.meier@badenova-netze.de"}, {"B:index0", "sunnyhiker77@gmx.de"}});
  auto lukas = list({{"A:index0", "lukas.mueller@bluewin.ch"}, {"B:index0", "hello@mueller-photography.ch"}});
  expectChoices({{"E-Mail (privat)", anna, 1u},
                 {"E-Mail (dienstlich)", anna, 0u},
                 {"Gesch\u00E4ftliche E-Mail", lukas, 1u},
                 {"Personal email", lukas, 0u},
                 {"E-Mail", lukas, 0u}});
}

TEST(AnswerEngine, ANameInTheScriptTheLabelAsksFor) {
  auto volkov = list({{"A:index0", "\u0412\u043E\u043B\u043A\u043E\u0432 \u0414\u043C\u0438\u0442\u0440\u0438\u0439"},
                      {"B:index0", "VOLKOV DMITRII"}});
  auto lin = list({{"A:index0", "\u6797\u96C5\u5A77"}, {"B:index0", "Lin Ya-Ting"}});  // 林雅婷
  auto kim = list({{"A:index0", "KIM JIWOO"}, {"B:index0", "\uAE40\uC9C0\uC6B0"}});  // 김지우
  expectChoices({{"\u0424\u0418\u041E \u043B\u0430\u0442\u0438\u043D\u0438\u0446\u0435\u0439", volkov, 1u},  // ФИО латиницей
                 {"\u82F1\u6587\u59D3\u540D\uFF08\u540C\u8B77\u7167\uFF09", lin, 1u},  // 英文姓名（同護照）
                 {"\uC131\uBA85(\uD55C\uAE00) *", kim, 1u},  // 성명(한글)
                 // Both scripts named, or none: either goes.
                 {"\uC131\uBA85 (\uD55C\uAE00/\uC601\uBB38)", kim, 0u},  // 성명 (한글/영문)
                 {"Full name", volkov, 0u}});
  // Only the other script saved: never inserted.
  auto cyrillic = list({{"A:index0", "\u0412\u043E\u043B\u043A\u043E\u0432 \u0414\u043C\u0438\u0442\u0440\u0438\u0439"}});
  EXPECT_GE(engine().answer({"Full name", "AXTextField", "x"}, cyrillic).confidence, AnswerEngine::kClientThreshold);
  Answer latin = engine().answer({"Full name (Latin characters)", "AXTextField", "x"}, cyrillic);
  EXPECT_FALSE(latin.chosen && latin.confidence >= AnswerEngine::kClientThreshold) << latin.confidence;
}

TEST(AnswerEngine, ATradingNameGoesAheadOfTheRegisteredOne) {
  auto both = list({{"A:index0", "Northwind Solutions Ltd"}, {"B:index0", "Northwind Solutions"}});
  expectChoices({{"Trading name", both, 1u}, {"Nome fantasia", both, 1u}, {"Company name", both, 0u}});
}

TEST(AnswerEngine, TheLevelOfARegionAndTheFormOfANameTheLabelAsksFor) {
  expectChoices({
      // Spain's and Italy's regions are the level above the province their forms ask for.
      {"Provincia *", list({{"R:index0", "Emilia-Romagna"}}), 0u, false},
      {"Regione *", list({{"R:index0", "Emilia-Romagna"}}), 0u, true},
      {"Provincia", list({{"R:index0", "Comunidad Valenciana"}}), 0u, false},
      // One of two family names is not both together.
      {"Primer apellido *", list({{"F:index0", "Garc\u00EDa L\u00F3pez"}}), 0u, false},
      {"Apellidos", list({{"F:index0", "Garc\u00EDa L\u00F3pez"}}), 0u, true},
      // "ФИО" asks for the patronymic too.
      {"\u0424\u0418\u041E", list({{"S:index0", "\u0414\u043C\u0438\u0442\u0440\u0438\u0439 \u0412\u043E\u043B\u043A\u043E\u0432"},
                               {"L:index0", "\u0412\u043E\u043B\u043A\u043E\u0432 \u0414\u043C\u0438\u0442\u0440\u0438\u0439 "
                                            "\u0421\u0435\u0440\u0433\u0435\u0435\u0432\u0438\u0447"}}), 1u},
  });
}

}  // namespace
}  // namespace oskel::answer
