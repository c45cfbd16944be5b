// Where one name plainly leads the history, it is the person's: other people's names and
// details copied beside it give way to the person's own.
#include <gtest/gtest.h>

#include "engine/answer_engine.h"
#include "engine_test_support.h"

namespace oskel::answer {
namespace {

using namespace oskel::answer::test;

TEST(AnswerEngine, WhereTheHistoryIsPlainlyTheirsAnotherPersonsNameAndDetailsGiveWay) {
  // Liam's history: his wife's name, number and address, copied in a row, are newer than his
  // own. His name leads: copied alone, spelled by his address, greeted in a message and signed
  // under. Hers are offered; his own are inserted.
  auto liam = list({{"C0:index0", "Sarah O'Connor"},
                    {"C1:index0", "0491 570 110"},
                    {"C2:index0", "sarah.oconnor@gmail.com"},
                    {"C3:index0", "liam.oconnor@outlook.com"},
                    {"C4:index0", "Liam O'Connor"},
                    {"C5:index0", "0491 570 156"},
                    {"C6:index0", "G'day Liam, the plumber is booked for Tuesday arvo"},
                    // His signature holds his number: his own words, not someone else's.
                    {"C7:index0", "Cheers,\nLiam O'Connor\nSouthbank Joinery\n0491 570 156"},
                    {"C7:index1", "Southbank Joinery"},
                    // One he wrote: it greets her, and tells nothing of whose history it is.
                    {"C8:index0", "Hi Sarah, dinner at seven tonight? Cheers, Liam"}});
  // Without the greeting and his address, nothing tells the two apart: the newer goes ahead.
  auto unclear = list({{"C0:index0", "Sarah O'Connor"},
                       {"C1:index0", "0491 570 110"},
                       {"C2:index0", "Liam O'Connor"},
                       {"C3:index0", "0491 570 156"}});
  // A name no list knows, spelled by the person's address, leads a colleague's listed one.
  auto arjun = list({{"C0:index0", "Arjun Mehta"},
                     {"C1:index0", "arjun.mehta91@gmail.com"},
                     {"C2:index0", "Rahul Sharma"},
                     {"C3:index0", "Neha Iyer"},
                     {"C4:index0", "neha.iyer@finlytics.in"},
                     {"C5:index0", "Hi Arjun, standup moved to 10. Neha"}});
  // Oliver's business bears his name: it stands for him, ahead of a client copied as often.
  auto oliver = list({{"C0:index0", "Sam Okafor"},
                      {"C1:index0", "sam.okafor@outlook.com"},
                      {"C2:index0", "hello@oliverbennettphoto.co.uk"},
                      {"C3:index0", "Oliver Bennett Photography\nwww.oliverbennettphoto.co.uk\n07700 900461"},
                      {"C3:index1", "Oliver Bennett Photography"},
                      {"C4:index0", "Oliver"},
                      {"C5:index0", "Hi Oliver, your booking at Didsbury Dental is confirmed."}});
  // Marcus, with and without his middle initial, tells a friend his new address: his own words.
  auto marcus = list({{"C0:index0", "45409"},
                      {"C1:index0", "Hey man, it's Marcus \u2014 we're all moved in! New place is 77 Oakwood Ave, "
                                    "Dayton OH 45409. Come by Saturday"},
                      {"C2:index0", "45420"},
                      {"C3:index0", "Miami Valley HVAC Supply, 2400 Wayne Ave, Dayton, OH 45420"},
                      {"C4:index0", "marcus.bell88@gmail.com"},
                      {"C5:index0", "Marcus Bell"},
                      {"C6:index0", "Marcus J. Bell"}});
  // Camille's own address spells her name: ahead of a newer colleague's that spells no one known.
  auto camille = list({{"C0:index0", "julien.martin@lumen-agence.fr"},
                       {"C1:index0", "Camille Dubois"},
                       {"C2:index0", "camille.dubois@lumen-agence.fr"},
                       {"C3:index0", "Camille"},
                       {"C4:index0", "Dubois"}});
  // Pieces of a link and an order number are no phone numbers.
  auto noPhone = list({{"C0:index0", "https://www.gp.se/nyheter/goteborg/sparvagn-2024.12345678"},
                       {"C0:index1", "2024.12345678"},
                       {"C1:index0", "Pedido n\u00BA 40-18273645"},
                       {"C1:index1", "40-18273645"},
                       {"C2:index0", "IBAN BE68 5390 0754 7034"},
                       {"C2:index1", "68 5390 0754 7034"}});
  expectChoices({{"Email", oliver, 2u},
                 {"ZIP code", marcus, 0u},
                 {"Adresse e-mail", camille, 2u, true},
                 {"Full name", liam, 4u, true},
                 {"Email", liam, 3u, true},
                 {"Mobile", liam, 5u, true},
                 {"Full name", unclear, 0u},
                 {"Mobile", unclear, 1u},
                 {"Full Name *", arjun, 0u, true},
                 {"Phone", noPhone, std::nullopt}});
  auto ranked = engine().answer({"Full name", "AXTextField", "x"}, liam).ranked;
  ASSERT_GE(ranked.size(), 2u);
  EXPECT_EQ(ranked[1].index, 0u);  // his wife's name is still offered, after his
}

}  // namespace
}  // namespace oskel::answer
