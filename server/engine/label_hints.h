// What a field's label says beyond the kind of value it asks for, and how that weighs a saved
// value: the format of a date or a phone number, the sort of mailbox, the level of a region,
// the form of a name. The value itself is never rewritten; a value written as the label asks
// goes ahead of the same value written otherwise.
#pragma once

#include <string>
#include <string_view>

#include "engine/date_order.h"
#include "engine/field_kind.h"
#include "engine/mail_domains.h"
#include "engine/phone_format.h"
#include "engine/value_reader.h"

namespace oskel::answer {

struct LabelHints {
  bool ownSite = false;           // a web-address field asks for the person's own site, not a page
  DateOrder dateOrder = DateOrder::kUnstated;  // the format a date field states
  RuledOutMail mail;              // addresses the label's asides refuse: "(no Gmail)"
  PhoneFormat phoneFormat;        // how a number is to be written: "(555) 555-5555"
  LineAsked line;                 // "Handy", "Festnetz": a number of the other sort goes behind
  bool provinceAsked = false;     // "Provincia": not the region above it ("Emilia-Romagna")
  bool patronymicAsked = false;   // "ФИО": the whole name with the patronymic goes ahead
  bool tradeNameAsked = false;    // "Trading name": a name without its legal form goes ahead
  bool oneFamilyNameAsked = false;  // "Primer apellido": not both family names together
  std::string site;               // "LinkedIn profile": a link to that site goes ahead ("linkedin")
  // The field's own label folded, without a heading or a requirement word: a note's value under
  // the same label ("Segundo apellido: Morales") goes ahead of values under another.
  std::string ownLabel;
  // "Name (Latin characters)", "英文姓名", "성명(한글)": a value in another script is offered only.
  enum class Script { kAny, kLatin, kHan, kHangul, kCyrillic } script = Script::kAny;
  // "Email (private)", "Business email": the mailbox of that sort goes ahead of the other.
  enum class Mailbox { kAny, kPrivate, kWork } mailbox = Mailbox::kAny;
};

// What `label` says of a field of `kind`.
LabelHints readLabelHints(FieldKind kind, std::string_view label);

// `fit`, the fit of `text` for a field of `kind`, weighed by what the label says. A fit below
// `floor` is left as it is, but for a page on an own site. `*offerOnly` is set where the value
// is to be offered, never inserted: a date in another order, a region above the province.
double weighByLabel(const LabelHints& hints, FieldKind kind, std::string_view text, double fit, double floor,
                    const ValueReader& values, bool* offerOnly);

// Whether `text` is a number of the other sort of line than the label asks for: a fixed line
// for "Handy", a mobile for "Festnetz".
bool isOtherLine(const LabelHints& hints, FieldKind kind, std::string_view text);

// Whether `text` is written in another script than the label asks for: "Волков Дмитрий" for
// "ФИО латиницей".
bool isInAnotherScript(const LabelHints& hints, std::string_view text);

}  // namespace oskel::answer
