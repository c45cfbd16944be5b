// Labels that show the value they ask for instead of naming it: placeholders
// written as an example ("e.g. +1 555 0100", "(555) 555-5555", "Jane Doe",
// "Ex: Maria", "https://").
#pragma once

#include <string_view>

#include "engine/field_kind.h"
#include "engine/value_reader.h"

namespace oskel::answer {

// The kind of value that one label part (no " · ") shows by example, or
// kUnknown. The part may open with an example marker ("e.g.", "Ex:", "z. B.",
// "例:").
//
// Names are the risky case, since word lists of names hold ordinary words
// ("Ward", "Grace", "Brown"). A listed name counts when the rest of the label
// already asks for a name (`nameField`: "Name · John" settles which part of the
// name) or after a marker ("e.g. Maria"); otherwise only a name that
// placeholders use by convention ("John Doe", "Max Mustermann"). The caller
// decides whether a name shown beside other words counts at all.
// Phone numbers count in the groupings that numbers are written in (North
// American 3-3-4, national numbers opening with 0, international ones opening
// with "+"), made-up digits and groups of "X"s included.
FieldKind exampleValueKind(const ValueReader& values, std::string_view part, bool nameField);

}  // namespace oskel::answer
