// Mail domains that the asides of an e-mail label rule out.
//
// Sign-up forms for businesses say which addresses they refuse: "Work email (no Gmail,
// Yahoo)", "Business email (no free email providers)", "Email (not @hotmail.com)". A form
// that adds the domain itself asks for the part before the "@": "E-Mail (ohne @firma.de)".
// Inserting a saved address that the form refuses would be a wrong fill.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace oskel::answer {

struct RuledOutMail {
  // The form adds the domain: no whole address answers the field.
  bool wholeAddresses = false;
  // Folded. A name without a dot ("gmail") rules out every domain with that label
  // (gmail.com, yahoo.co.uk for "yahoo"); one with dots ("firma.de") that domain and
  // its subdomains.
  std::vector<std::string> domains;
  bool empty() const { return !wholeAddresses && domains.empty(); }
};

// What one clause of an aside rules out ("no Gmail", "keine Freemail-Adressen"). Only a
// clause that begins with a negation counts, and not one that says what is fine or when the
// field is needed: "we never share it with Gmail", "Gmail works fine", "not required for
// Gmail users" rule out nothing.
RuledOutMail mailRuledOutBy(std::string_view clause);

// Whether a clause only names providers or domains ("Yahoo or Hotmail", "Web.de"): after a
// refusal, it goes on with the list.
bool namesProvidersOnly(std::string_view clause);

// What the clauses of all asides of `label` rule out.
RuledOutMail mailRuledOut(std::string_view label);

// Whether `address` (a whole e-mail address) is one that `rule` rules out.
bool rulesOut(const RuledOutMail& rule, std::string_view address);

// Whether `address` is a private mailbox: at a free provider or a home internet provider
// ("gmail.com", "gmx.de", "bluewin.ch"), not at an employer's or a business's own domain.
bool isPrivateMailbox(std::string_view address);

}  // namespace oskel::answer
