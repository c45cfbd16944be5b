// Addresses that an e-mail label refuses: "(no Gmail)", "(no free email providers)",
// "(ohne @firma.de)".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/mail_domains.h"
#include "engine_test_support.h"

namespace oskel::answer {
namespace {

using namespace oskel::answer::test;

TEST(MailDomains, ReadsWhatANegatedAsideRulesOut) {
  RuledOutMail brands = mailRuledOut("Work email (no Gmail, Yahoo) \u00B7 Required");
  EXPECT_FALSE(brands.wholeAddresses);
  EXPECT_TRUE(rulesOut(brands, "anna@gmail.com"));
  EXPECT_TRUE(rulesOut(brands, "anna@mail.YAHOO.co.uk"));  // a brand is any label of the host
  EXPECT_FALSE(rulesOut(brands, "anna@acme-gmbh.de"));
  EXPECT_FALSE(rulesOut(brands, "anna@notgmail.com"));
  EXPECT_FALSE(rulesOut(brands, "not an address"));

  RuledOutMail domain = mailRuledOut("Email (not @acme.de or hotmail.com.)");
  EXPECT_TRUE(rulesOut(domain, "a@acme.de"));
  EXPECT_TRUE(rulesOut(domain, "a@eu.acme.de"));  // and its subdomains
  EXPECT_FALSE(rulesOut(domain, "a@bigacme.de"));
  EXPECT_TRUE(rulesOut(domain, "a@hotmail.com"));
  EXPECT_TRUE(rulesOut(domain, "a@hotmail.co.uk"));  // a brand, however it is written
  EXPECT_FALSE(rulesOut(domain, "a@acme.com"));      // any other domain only as written

  // Free addresses, in several languages; a free newsletter is none of them, and "personal"
  // may mean one person's address on a form that wants a team's.
  EXPECT_TRUE(mailRuledOut("Email (no personal emails)").empty());
  for (const char* label : {"Business email (no free email providers)",
                            "Gesch\u00E4ftliche E-Mail (keine Freemail-Adressen)",
                            "E-mail (pas d'adresse gratuite)"}) {
    RuledOutMail free = mailRuledOut(label);
    EXPECT_TRUE(rulesOut(free, "anna@gmail.com")) << label;
    EXPECT_TRUE(rulesOut(free, "anna@web.de")) << label;
    EXPECT_FALSE(rulesOut(free, "anna@acme-gmbh.de")) << label;
  }
  // Only a clause that begins with a negation rules anything out, and not one that says
  // what is fine or when the field is needed; a clause of names only goes on with a list.
  for (const char* label :
       {"Email (no spam, free newsletter)", "Email (we never share it with Gmail)", "Email (e.g. jane@gmail.com)",
        "Email (without http://)", "Gmail address", "Email", "Email (no spam, get your free e-book)",
        "Email (no spam; personal email is fine)", "Email (no spaces, e.g. jane@gmail.com)",
        "E-Mail (ohne Leerzeichen, z.B. max@gmx.de)", "Email (not required for Gmail users)",
        "Email (no credit card required, free account)", "Email (no spam, we never share your personal email)"}) {
    EXPECT_TRUE(mailRuledOut(label).empty()) << label;
  }
  RuledOutMail listed = mailRuledOut("Email (no Yahoo, Gmail works fine)");
  EXPECT_TRUE(rulesOut(listed, "a@yahoo.com"));
  EXPECT_FALSE(rulesOut(listed, "a@gmail.com"));
  RuledOutMail three = mailRuledOut("Email (no Gmail, Yahoo or hotmail.com, 3-40 characters)");
  EXPECT_TRUE(rulesOut(three, "a@googlemail.com"));
  EXPECT_TRUE(rulesOut(three, "a@hotmail.com"));
  EXPECT_FALSE(rulesOut(three, "a@acme.com"));
  // The form adds the domain: no whole address answers.
  RuledOutMail local = mailRuledOut("E-Mail (ohne @firma.de)");
  EXPECT_TRUE(local.wholeAddresses);
  for (const char* label : {"Email (without the @acme.com)", "E-Mail (ohne \u201E@firma.de\u201C)",
                            "E-Mail (ohne\u00A0@firma.de)", "Email (sans le @acme.fr)"}) {
    EXPECT_TRUE(mailRuledOut(label).wholeAddresses) << label;
  }
  RuledOutMail listed2 = mailRuledOut("Gesch\u00E4ftliche E-Mail (kein Gmail, GMX, Web.de)");
  EXPECT_TRUE(rulesOut(listed2, "a@web.de"));
  EXPECT_TRUE(rulesOut(listed2, "a@gmx.net"));
  EXPECT_TRUE(rulesOut(local, "anna@acme-gmbh.de"));
  EXPECT_FALSE(rulesOut(local, "anna_m"));
}

TEST(MailDomains, TheEngineLeavesOutRefusedAddresses) {
  std::vector<CandidateInput> history = list({{"A:index0", "anna.mueller@gmail.com"},
                                              {"B:index0", "anna.mueller@acme-gmbh.de"},
                                              {"C:index0", "anna_m"}});
  expectChoices({
      // A refused address newer than the one left: that one may be anyone's, so it is offered,
      // not inserted. An older refused one counts as a rival only.
      {"Work email (no Gmail, Yahoo)", history, 1u, false},
      {"Business email (no free email providers)", history, 1u, false},
      {"Email (no personal emails)", history, std::nullopt},
      {"Work email (no Gmail, Yahoo)",
       list({{"A:index0", "anna.schmidt@gmail.com"}, {"B:index0", "m.weber@kunde-ag.de"}}), 1u, false},
      {"Email (not @acme-gmbh.de)", history, 0u, true},
      {"Work email (no Gmail, Yahoo)", list({{"B:index0", "a.mueller@acme.de"}, {"A:index0", "anna.mueller@gmail.com"}}),
       0u, true},
      // Nothing refused that the history holds: as for any e-mail field.
      {"Work email (no Gmail, Yahoo)", list({{"B:index0", "anna.mueller@acme-gmbh.de"}}), 0u, true},
      {"Email", history, 0u},
      // Everything refused: no answer rather than a refused address.
      {"Email (no Gmail)", list({{"A:index0", "anna.mueller@gmail.com"}, {"C:index0", "anna_m"}}), std::nullopt},
      {"E-Mail (ohne @firma.de)", history, std::nullopt},
      // Examples and Portuguese "no" ("in the") refuse nothing.
      {"Email (without spaces e.g. name@example.com)", history, 0u},
      {"Email (no spaces e.g. jane@gmail.com)", history, 0u},
      {"E-mail institucional (no domínio @usp.br)", list({{"A:index0", "maria.silva@usp.br"}}), 0u, true},
      {"Email (not shared with Gmail or other providers)", history, 0u},
      {"Email (no Gmail or Yahoo accepted)", history, 1u, false},
      // A sign-in that takes a user name as well still takes it.
      {"Username or email (without @acme-gmbh.de)", history, 2u},
      // "Not your personal address" may want one that is not the person's at all.
      {"Email (not your personal email, the shared team inbox)", history, std::nullopt},
  });
}

}  // namespace
}  // namespace oskel::answer
