// How a label part is worded: where it joins the names of several fields, offers a choice,
// closes with a requirement word or only hints at how to write the value.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace oskel::answer {

// The text split where it joins several fields: at "/", ",", "&", "+", "・" and at "and",
// "und", "et", "y", "及", "및" and their kin; one piece when there is no such join. Dutch "of"
// ("or") joins only where `ofJoins`: in English it is "Number of employees".
std::vector<std::string> joinedPieces(const std::string& text, bool ofJoins = true);

// "Email or customer number", "E-Mail oder Kundennummer": `folded` offers a choice.
bool hasDisjunction(const std::string& folded);

// A folded label part without a closing word that only says whether the field must be
// filled: " name of business optional " -> " name of business ".
std::string withoutRequirement(const std::string& folded);

// A hint on how to write the value or what it holds besides: "Include house number", "Including
// middle name", "Ohne Titel", "Middle name too", "wg KRS".
bool saysHowToWriteIt(std::string_view part);

// A part that is only a hint asking the value to hold or leave out something: "Include
// postcode", "With house number", "상세주소 포함"; not "Postcode and city", "Celular com DDD".
bool asksToInclude(std::string_view part);

// A part beside a heading that only hints at the heading's value: "Arbeitgeber · inkl.
// Rechtsform", "Azienda · es. Fratelli Rossi", "Company · Optional", "Company · As registered",
// "Adresse · Keine Packstation", "Address · Enter house number", "住所 · 部屋番号も入力". A
// field's name with a requirement mark is none: "Delivery address · Gender (optional)".
bool hintsAtTheHeadingsValue(std::string_view part);

// A question that asks where one lives or is sent things: "Where do you live?", "Wo wohnen
// Sie?", "Where should we deliver?", "어디에 사시나요?".
bool asksWhere(std::string_view part);

// Whether a label asks for the province of Spanish or Italian forms ("Provincia", "Provincia
// di residenza"), not the region above it ("Regione", "Comunidad autónoma").
bool asksForAProvince(std::string_view label);

// Whether a label asks for the name with its patronymic: "ФИО", "ПІБ", "Ф.И.О. полностью".
bool asksForThePatronymic(std::string_view label);

// Whether a label asks for the name a business trades under, not its registered name:
// "Trading name", "Handelsnaam", "Nome fantasia", "Nombre comercial".
bool asksForATradeName(std::string_view label);

// Whether a part is the heading of a form that asks to write something: "Write a review",
// "Leave a comment", "Laisser un avis". The fields under it (name, e-mail) are the writer's.
bool callsToWrite(std::string_view part);

// Whether a label asks for one of two family names: "Primer apellido", "Apellido materno".
bool asksForOneOfTwoFamilyNames(std::string_view label);

}  // namespace oskel::answer
