// How a label part is worded.
#include "engine/label_wording.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/example_label.h"
#include "engine/label_asides.h"
#include "engine/text.h"

namespace oskel::answer {

namespace {

// Words that ask the value to hold or leave out something: "Include house number", "含む".
constexpr std::string_view kIncludes[] = {
    "include", "including", "incl", "inc", "inkl", "inklusive", "incluye", "incluya", "with", "mit", "avec", "con",
    "com", "met", "without", "ohne", "sans", "sin", "senza", "sem", "zonder", "bez", "без", "included", "incluido",
    "inclus", "incluse", "incluso", "inclusa", "inbegrepen", "einschl", "einschliesslich", "samt", "inclusief",
    "incluyendo", "incluant", "incluindo", "includendo", "inclusive", "exclude", "omit", "weglassen", "wraz",
    "lacznie", "keine", "kein", "включая", "включительно"};

const std::vector<std::string>& cjkIncludes() {
  static const std::vector<std::string> kCjk = foldedPhrases({"含む", "を含", "包括", "包含", "포함"});
  return kCjk;
}

// "With" and what the value holds: "Firma · Z formą prawną", "Адрес · С номером дома"; not "z. Hd.".
bool withWhat(const std::vector<std::string>& words) {
  static constexpr std::string_view kWith[] = {"z", "с"};
  static constexpr std::string_view kWhat[] = {"numer", "номер", "form", "кварт", "дом", "kod"};
  return words.size() > 1 && isListed(kWith, words[0]) &&
         std::any_of(std::begin(kWhat), std::end(kWhat), [&](std::string_view w) { return words[1].starts_with(w); });
}


}  // namespace

bool asksToInclude(std::string_view part) {
  std::vector<std::string> words = foldedWords(part);
  if (!words.empty() && isListed(kIncludes, words.front())) return true;
  std::string folded = foldText(part);
  std::string_view trimmed = trimText(folded);
  return std::any_of(cjkIncludes().begin(), cjkIncludes().end(),
                     [&](const std::string& w) { return trimmed.starts_with(trimText(w)) || trimmed.ends_with(trimText(w)); });
}

bool saysHowToWriteIt(std::string_view part) {
  static constexpr std::string_view kHints[] = {
      "required", "sowie",
      // ... and what the value should hold besides: "And middle name", "Middle name too".
      "and", "plus", "too", "also", "und", "auch", "et", "aussi", "y", "tambien", "e", "anche", "tambem", "ook",
      // ... and where it is written as: "wg KRS", "laut Handelsregister".
      "according", "per", "wg", "wedlug", "zgodnie", "laut", "gemass", "selon", "segun", "secondo", "conforme",
      "volgens", "согласно"};
  static const std::vector<std::string> kCjkHints =
      foldedPhrases({"一致", "与", "同じ", "必須", "需", "须", "동일", "같은"});
  return anyListed(kIncludes, foldedWords(part)) || containsAny(foldText(part), cjkIncludes()) ||
         anyListed(kHints, foldedWords(part)) || containsAny(foldText(part), kCjkHints);
}

// The text split where it joins several fields: at "/", ",", "&", "+", "・" and at "and",
// "und", "et", "y", "及", "및" and their kin. One piece when there is no such join. Dutch "of"
// ("or") joins only where `ofJoins`: in English it is "Number of employees".
std::vector<std::string> joinedPieces(const std::string& text, bool ofJoins) {
  static constexpr std::string_view kMarks[] = {"/", ",", "&", "+", "\xE3\x83\xBB", "\xE3\x80\x81", "\xEF\xBC\x8C",
                                                "\xEF\xBC\x8F", "\xE5\x8F\x8A", "\xE5\x92\x8C"};  // ・、，／及和
  static const std::vector<std::string> kWords = [] {
    std::vector<std::string> out;
    for (std::string_view w : {"and", "und", "et", "y", "e", "en", "i", "и", "oraz", "ve", "및", "or", "oder", "ou", "o",
                               "of", "lub", "или", "eller", "oppure", "nebo", "veya"}) {
      out.push_back(" " + foldedPhrase(w) + " ");
    }
    return out;
  }();
  std::vector<std::string> pieces{text};
  for (std::string_view mark : kMarks) {
    std::vector<std::string> next;
    for (const std::string& p : pieces) {
      for (std::size_t start = 0;;) {
        std::size_t at = p.find(mark, start);
        next.push_back(p.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) break;
        start = at + mark.size();
      }
    }
    pieces = std::move(next);
  }
  std::vector<std::string> out;
  for (const std::string& p : pieces) {
    std::string folded = foldText(p);
    for (std::size_t start = 0;;) {
      std::size_t at = std::string::npos;
      std::size_t length = 0;
      for (const std::string& w : kWords) {
        if (!ofJoins && w == " of ") continue;
        std::size_t found = folded.find(w, start);
        // "E-Mail" folds to "e mail": that "e" joins nothing.
        while (found != std::string::npos && w == " e " && folded.compare(found + 3, 5, "mail ") == 0) {
          found = folded.find(w, found + 1);
        }
        if (found < at) at = found, length = w.size();
      }
      out.push_back(folded.substr(start, at == std::string::npos ? std::string::npos : at - start + 1));
      if (at == std::string::npos) break;
      start = at + length - 1;  // keep the space that closes the word
    }
  }
  return out;
}

// "Email or customer number", "E-Mail oder Kundennummer".
bool hasDisjunction(const std::string& folded) {
  static constexpr std::string_view kWords[] = {" or ", " oder ", " ou ", " o ", " или ", " eller ",
                                                " lub ", " of ", " vagy ", " tai ", " oppure ", " nebo "};
  for (std::string_view w : kWords) {
    if (folded.find(w) != std::string::npos) return true;
  }
  return false;
}

// A folded label part without a closing word that only says whether the field must be
// filled: " name of business optional " -> " name of business ".
std::string withoutRequirement(const std::string& folded) {
  static constexpr std::string_view kWords[] = {
      " optional ", " required ", " obligatoire ", " facultatif ", " optionnel ", " pflichtfeld ",
      " opcional ", " obligatorio ", " requerido ", " facoltativo ", " obbligatorio ", " verplicht ",
      " opcjonalnie ", " wymagane ", " необязательно ", " обязательно "};
  for (std::string_view w : kWords) {
    if (folded.size() > w.size() && folded.ends_with(w)) return folded.substr(0, folded.size() - w.size() + 1);
  }
  return folded;
}

bool hintsAtTheHeadingsValue(std::string_view part) {
  static constexpr std::string_view kHints[] = {
      "as", "exactly", "zoals", "wie", "comme", "como", "come", "jak", "как", "only", "nur", "seulement", "solo",
      "apenas", "alleen", "tylko", "только", "optional", "optioneel", "facoltativo", "opcional", "optionnel",
      "freiwillig", "fakultativ", "opcjonalnie", "необязательно", "if", "falls", "si", "se", "indien", "facultatif",
      "sofern", "soweit", "vorhanden", "pflichtfeld", "applicable", "max", "characters", "zeichen", "current",
      "recent", "nieobowiazkowe", "obbligatorio", "obrigatorio", "obligatorio", "obligatoire", "required", "same",
      "identique", "gleich", "igual", "uguale", "moglich", "possible", "accepted", "welcome", "обязательно", "обязателен",
      // ... and what to add to it: "Address · Add house number", "Indirizzo · Aggiungi il civico".
      "add", "aggiungi", "ajoutez", "ajouter", "anade", "anadir", "adicione", "dodaj", "voeg", "добавьте",
      // ... and which address it is, and how to find it: "Adresse · Privat", "Address · Start typing".
      "privat", "private", "personal", "personnelle", "domicile", "particular", "privato", "prywatny", "домашний",
      "home", "hauptwohnsitz", "wohnsitz", "residencia", "residence", "zamieszkania", "жительства", "mandatory",
      "pflichtangabe", "erforderlich", "wymagane", "обязательное", "verplicht", "typing", "autocomplete",
      "location", "taper", "escribir", "uniquement", "postbus", "vollstandig",
      // ... and requests to write it so: "Address · Enter house number", "Adresse · Bitte mit Hausnummer".
      "enter", "please", "bitte", "veuillez", "prosze",
      // ... and its legal form: "Company · Legal form required".
      "legal", "rechtsform", "rechtsvorm", "juridique", "juridica", "giuridica", "prawna"};
  static const std::vector<std::string> kCjkHints = foldedPhrases(
      {"任意", "全角", "正式名称", "선택", "选填", "可选", "必須", "필수", "까지", "입력", "入力", "必填", "お住まい", "거주지"});
  // A field's name marked as required or optional is still that field: "Delivery address · Gender
  // (optional)", "住所 · 性別 必須"; the mark alone is a hint ("Company · Optional", "会社名 · 任意").
  static const std::vector<std::string> kCjkMarks = foldedPhrases({"必須", "필수", "必填", "任意", "선택", "选填", "可选"});
  std::string text = withoutRequirement(foldText(withoutAsides(part, labelAsides(part))));
  for (const std::string& mark : kCjkMarks) {
    if (text.size() > mark.size() && text.ends_with(mark)) text = text.substr(0, text.size() - mark.size() + 1);
  }
  std::vector<std::string> words = foldedWords(text);
  if (words.empty()) {
    text = std::string(part);  // the mark alone, or a hint in an aside alone: read as it stands
    words = foldedWords(part);
  }
  // A note opened with its word and a colon: "Address · Note: no PO boxes", "Adresse · Hinweis: keine Packstation".
  static constexpr std::string_view kNotes[] = {"note", "notes", "hinweis", "remarque", "nota", "opmerking", "uwaga",
                                                "примечание", "comments", "remarks", "important", "wichtig",
                                                "attention", "achtung", "atencion", "attenzione", "atencao"};
  std::size_t colon = part.find(':');
  std::vector<std::string> partWords = foldedWords(part);
  if (colon != std::string_view::npos && trimText(part.substr(colon + 1)).size() > 0 && !partWords.empty() &&
      isListed(kNotes, partWords.front())) {
    return true;
  }
  return asksToInclude(text) || saysHowToWriteIt(text) || opensWithAnExample(part) ||
         containsAny(foldText(text), kCjkHints) || (!words.empty() && isListed(kHints, words.front())) ||
         std::any_of(words.begin(), words.end(), [](const std::string& w) {
           return (isListed(kHints, w) && w.size() > 3) || w.starts_with("inclu") || w.starts_with("inkl");
         }) ||
         withWhat(words);
}

bool asksWhere(std::string_view part) {
  static constexpr std::string_view kWhere[] = {"where", "wo", "ou", "donde", "dove", "waar", "где", "gdzie", "onde"};
  // ... one lives or is sent things: not "Where do you work?", "Where should we leave your parcel?".
  static constexpr std::string_view kLiveOrSend[] = {
      "live", "reside", "wohnen", "wohnst", "habitez", "habites", "vives", "vive", "vivi", "abiti", "abita", "woon",
      "woont", "живете", "живешь", "mieszkasz", "mieszka", "moras", "mora", "send", "deliver", "ship", "liefern",
      "schicken", "envoyer", "livrer", "enviar", "enviamos", "entregar", "spedire", "spediamo", "consegnare",
      "bezorgen", "versturen", "доставить", "wyslac", "dostarczyc"};
  static const std::vector<std::string> kCjk = foldedPhrases({"어디에 사", "どこに住", "住在哪"});
  std::vector<std::string> words = foldedWords(part);
  return (!words.empty() && isListed(kWhere, words.front()) && anyListed(kLiveOrSend, words)) ||
         containsAny(foldText(part), kCjk);
}

bool asksForAProvince(std::string_view label) {
  std::vector<std::string> words = foldedWords(label);
  static constexpr std::string_view kProvince[] = {"provincia", "prov"};
  static constexpr std::string_view kRegion[] = {"region", "regione", "comunidad", "comunitat", "autonoma"};
  return anyListed(kProvince, words) && !anyListed(kRegion, words);
}

bool asksForThePatronymic(std::string_view label) {
  static const std::vector<std::string> kWords = paddedPhrases({"фио", "ф и о", "пиб", "п і б", "отчество", "по батькові"});
  return containsAny(foldText(label), kWords);
}

bool asksForATradeName(std::string_view label) {
  static const std::vector<std::string> kWords = paddedPhrases(
      {"trade name", "trading name", "trading as", "doing business as", "handelsnaam", "handelsname", "nome fantasia",
       "nombre comercial", "nom commercial", "nome commerciale", "nazwa handlowa", "торговое название"});
  return containsAny(foldText(label), kWords);
}

bool callsToWrite(std::string_view part) {
  static const std::vector<std::string> kCalls = paddedPhrases(
      {"write a review", "leave a review", "add a review", "submit a review", "write your review", "leave a comment",
       "post a comment", "add a comment", "write a comment", "bewertung schreiben", "schreiben sie eine bewertung",
       "kommentar schreiben", "laisser un avis", "donnez votre avis", "laisser un commentaire", "escribir una resena",
       "escribe una resena", "deja un comentario", "scrivi una recensione", "lascia un commento",
       "escreva uma avaliacao", "deixe um comentario", "schrijf een review", "laat een reactie achter",
       "napisz opinie", "dodaj komentarz", "napisz komentarz"});
  std::string folded = foldText(part);
  return std::any_of(kCalls.begin(), kCalls.end(), [&](const std::string& c) { return folded == c; });
}

bool asksForOneOfTwoFamilyNames(std::string_view label) {
  static const std::vector<std::string> kWords = paddedPhrases(
      {"primer apellido", "segundo apellido", "1er apellido", "2do apellido", "apellido paterno", "apellido materno",
       "first surname", "second surname", "paternal surname", "maternal surname", "sobrenome paterno",
       "sobrenome materno", "primeiro apelido", "segundo apelido"});
  return containsAny(foldText(label), kWords);
}

}  // namespace oskel::answer
