// What a label says beyond the kind of value it asks for: the format of a number, the sort of
// mailbox, the name a business trades under. A saved value written that way goes ahead.
#include <gtest/gtest.h>

#include "engine/answer_engine.h"
#include "engine/phone_format.h"
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

TEST(AnswerEngine, APrivateOrAWorkMailboxAsTheLabelAsks) {
  auto anna = list({{"A:index0", "anna.meier@badenova-netze.de"}, {"B:index0", "sunnyhiker77@gmx.de"}});
  auto lukas = list({{"A:index0", "lukas.mueller@bluewin.ch"}, {"B:index0", "hello@mueller-photography.ch"}});
  expectChoices({{"E-Mail (privat)", anna, 1u},
                 {"E-Mail (dienstlich)", anna, 0u},
                 {"Gesch\u00E4ftliche E-Mail", lukas, 1u},
                 {"Personal email", lukas, 0u},
                 {"E-Mail", lukas, 0u}});
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
