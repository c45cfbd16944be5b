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
// "例:"). A name counts only when the word lists know it, so that an ordinary
// word never reads as one; a single name of fewer than four letters ("Ben",
// "Min") counts only after a marker. Phone numbers count in the shapes that
// placeholders use, made-up digits and "X"s included.
FieldKind exampleValueKind(const ValueReader& values, std::string_view part);

}  // namespace oskel::answer
