// How the parts of a label stand to each other: which kinds may head a group of fields
// ("Company · Phone"), which later parts only name the field or say whose value it is, and
// which words make a detail an organisation's rather than the person's.
#pragma once

#include <string>
#include <string_view>

#include "engine/field_kind.h"

namespace oskel::answer {

// "本人" or "본인" (oneself) standing alone or before a field's word ("（本人）", "本人氏名"); not
// negated ("非本人", "本人以外", "본인 아님") nor owning another's ("本人の保護者", "본인의 보호자").
bool namesTheFillerInCjk(const std::string& folded);

// A part short enough to be a field's name and no sentence: "Telefon", "Phone number",
// "メールアドレス"; not "Used to personalise our emails", "Shown in emails", "이메일에 표시됩니다".
bool namesAFieldOnly(std::string_view part);

// Words of an emergency, with no person named: "In an emergency", "Im Notfall", "acil durum".
bool namesOnlyAnEmergency(std::string_view text);

// Kinds whose word may head a group of fields: "Company", "Shipping address", "Contact person".
bool headsAGroup(FieldKind kind);

// A later part that names another field of the group `heading` starts: not a user name or
// a date of birth, which a note beside a name or an address speaks of as often.
bool readsAnotherDetail(FieldKind heading, FieldKind later);

// The contact details of a person that an organisation has as well: "Firma Telefon".
bool isOrganisationsDetail(FieldKind kind);

// An employer, a former organisation, someone at it or a shared box of it: "Employer email",
// "Previous employer email", "Company HR email", "Firma · E-Mail Geschäftsführer", "Company
// billing email", "会社電話番号（代表）".
bool namesAnotherPartOfIt(const std::string& folded);

}  // namespace oskel::answer
