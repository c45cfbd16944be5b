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

// What the negated asides of `label` rule out ("(no …)", "(not …)", "(ohne …)", "(keine …)").
// Only asides that begin with a negation count: "(we never share it with Gmail)" rules out nothing.
RuledOutMail mailRuledOut(std::string_view label);

// Whether `text` names mail providers or domains, or speaks of free or personal addresses.
bool namesMailProviders(std::string_view text);

// Whether `address` (a whole e-mail address) is one that `rule` rules out.
bool rulesOut(const RuledOutMail& rule, std::string_view address);

}  // namespace oskel::answer
