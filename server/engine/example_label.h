// Labels that show the value they ask for instead of naming it: placeholders
// written as an example ("e.g. +1 555 0100", "(555) 555-5555", "Jane Doe",
// "Ex: Maria", "https://").
#pragma once

#include <string_view>

#include "engine/field_kind.h"
#include "engine/value_reader.h"

namespace oskel::answer {

// Where the example stands in the label.
enum class ExampleContext {
  kWholeLabel,   // the example is all the label says: "(555) 555-5555", "John Doe"
  kBesideWords,  // other parts of the label say something the engine does not read
  kNameField,    // the rest of the label asks for a name in one of two senses
};

// The kind of value that one label part (no " · ") shows by example, or
// kUnknown. The part may open with an example marker ("e.g.", "Ex:", "z. B.",
// "例:").
//
// Names are the risky case, since word lists of names hold ordinary words
// ("Ward", "Grace", "Brown"). In a name field a listed name settles which part
// of the name is meant ("Name · John"). As the whole label, a listed name
// counts after a marker ("e.g. Maria"), otherwise only a name that
// placeholders use by convention ("John Doe", "Max Mustermann"). Beside other
// words a name shows nothing ("Your manager · Jane Doe").
//
// Phone numbers count in the groupings that numbers are written in (North
// American 3-3-4, national numbers opening with 0, Indian 5-5, Chinese 3-4-4,
// international ones opening with "+"), made-up digits and groups of "X"s
// included. Beside other words only the unmistakable ones count: those that
// open with "+" or "(".
FieldKind exampleValueKind(const ValueReader& values, std::string_view part, ExampleContext context);

// Whether a label part opens with an example marker: "e.g. Mom's Bakery", "z. B. Kinder GmbH".
bool opensWithAnExample(std::string_view part);

// Whether a part is an example of a name: a marker and then capitalised words ("e.g. Mom's
// Bakery", "z. B. Müller & Sohn", "例：株式会社こども未来"); not "e.g. your child's school".
bool examplesAName(std::string_view part);

}  // namespace oskel::answer
