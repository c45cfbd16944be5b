// Labels that ask about a person other than the one filling in the form: "Passenger 2",
// "Date of birth of the child". Such fields are answered from the history, if at all, only
// with an offer: the person's own values belong to someone else.
#pragma once

#include <string_view>

namespace oskel::answer {

// Whether a label names a person other than the one filling it in: a passenger, a child, a
// patient, a pet. A date of birth in such a field is offered, never inserted.
bool namesAnotherPerson(std::string_view label);

// Whether a label numbers a person past the first: "Passenger 2", "2nd guest", "Teilnehmer 3".
// The first is mostly the one filling in the form; the others are people they book for.
bool numbersAnotherPerson(std::string_view label);

// Whether a label asks for a value only where it differs from one given before: "Billing
// name (if different)", "Rechnungsadresse (falls abweichend)", "入住人姓名（如与预订人不同）".
// What the person gave before is their own, so their own values are the wrong answer.
bool asksOnlyIfDifferent(std::string_view label);

}  // namespace oskel::answer
