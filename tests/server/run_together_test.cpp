// Labels of several fields run together, each closed by a colon, as an enclosing <label>
// gives them; and copied rows and labelled lines in the history.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "engine/answer_engine.h"
#include "engine_test_support.h"

namespace oskel::answer {
namespace {

using namespace oskel::answer::test;

TEST(AnswerEngine, LabelsOfSeveralFieldsRunTogether) {
  // Labels of several fields run together ("Username: Name (optional):"): the last one, right
  // before the field, is read. Where it reads another kind than the whole, the field may as
  // well be an earlier label's, so nothing is inserted.
  auto nameAndHandle = list({{"U:index0", "anna_mueller88"}, {"N:index0", "Anna Müller"}});
  auto onlyHandle = list({{"U:index0", "anna_mueller88"}, {"C:index0", "git push"}});
  auto nameParts = list({{"F:index0", "Müller"}, {"N:index0", "Anna Müller"}});
  auto contact = list({{"P:index0", "+49 30 1234567"}, {"E:index0", "anna@example.com"}});
  expectChoices({
      {"Username: Name (optional):", nameAndHandle, 1u, false},
      {"Brugernavn : * Navn (frivillig) :", nameAndHandle, 1u, false},
      {"Username: Name (optional):", onlyHandle, std::nullopt},
      {"Email: Phone: Extension:", contact, 1u, false},
      {"Employer: Phone:", contact, 0u, false},
      {"Manager: Name: Email:", contact, std::nullopt},
      // Where the whole already reads as the last label, it is inserted as before; a bare
      // "Name" before a name part may be the sibling field for the other part.
      {"Full name: Last name:", nameParts, 0u, true},
      {"Name: Vorname:", list({{"G:index0", "Anna"}, {"N:index0", "Anna Müller"}}), 0u, false},
      // A later part that runs labels together of another kind leaves the first part unsure.
      {"Full name \u00B7 Last name: Email:", nameParts, 1u, false},
      {"Name \u00B7 Achternaam: Full name:", nameParts, 1u, false},
      // ... and so does the piece of a group only offered, or an example beside it.
      {"Company: Name: \u00B7 Last name", nameParts, 0u, false},
      {"Nachname: Username: \u00B7 jane@example.com", onlyHandle, 0u, false},
      // One label with colons that close no other label is read as before.
      {"Username: *", nameAndHandle, 0u, true},
  });
  expectKinds({{"Full name: First name:", FieldKind::kGivenName},
               {"Geburtsdatum: Tag:", FieldKind::kDatePart},
               {"Emergency contact: Phone:", FieldKind::kSomeoneElse},
               {"Straße: Hausnummer:", FieldKind::kOtherNumber},
               {"Passwort: E-Mail:", FieldKind::kPassword},
               {"Name: Comment:", FieldKind::kComment},
               {"Comment: Name:", FieldKind::kComment},
               {"\u304A\u540D\u524D\uFF1A \u30E1\u30FC\u30EB\u30A2\u30C9\u30EC\u30B9\uFF1A", FieldKind::kEmail},
               {"Website (http://example.com): Email:", FieldKind::kEmail}});
  FieldReading siblings = engine().labels().read("Vorname: Nachname:");
  EXPECT_EQ(siblings.kind, FieldKind::kFamilyName);
  EXPECT_EQ(siblings.alternative, FieldKind::kGivenName);
  EXPECT_TRUE(siblings.offerOnly);
  EXPECT_FALSE(engine().labels().read("Adresse : Code postal :").offerOnly);
}

TEST(AnswerEngine, CopiedRowsAndLabelledLines) {
  // A copied table row whose header cell runs labels together is labelled by the header read
  // as one label: which value stands under which label is a guess, so "Müller" is no more the
  // family name than "Anna", and the phone number under "Telefon: Name:" is no name.
  auto row = list({{"R:index0", "PLZ: Ort:\t10115\tBerlin"}, {"R:index1", "10115"}, {"R:index2", "Berlin"}});
  auto names2 = list({{"R:index0", "Vorname: Nachname:\tAnna\tMüller"}, {"R:index1", "Anna"}, {"R:index2", "Müller"}});
  auto mixed = list({{"R:index0", "Telefon: Name:\t+49 30 1234567"}, {"R:index1", "+49 30 1234567"},
                     {"P:index0", "Anna Müller"}});
  expectChoices({{"Ort", row, std::nullopt},
                 {"Postleitzahl", row, 1u, true},
                 {"Nachname", names2, std::nullopt},
                 {"Name", mixed, 2u, true}});
  // A labelled line or a table row is never the value itself: its pieces answer.
  auto line = list({{"L:index0", "Firma: Acme GmbH"}, {"L:index1", "Acme GmbH"}});
  auto cells = list({{"T:index0", "Anna Müller\tBerlin"}, {"T:index1", "Anna Müller"}, {"T:index2", "Berlin"}});
  expectChoices({{"Company", line, 1u, true},
                 {"Company", list({{"L:index0", "Firma: Acme GmbH"}}), std::nullopt},
                 {"Full name", cells, 1u, true}});
}

}  // namespace
}  // namespace oskel::answer
