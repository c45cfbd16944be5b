#include <algorithm>
#include <string_view>

#include "engine/label_reader.h"

namespace oskel::answer {
namespace {

constexpr int at(FieldKind kind) { return static_cast<int>(kind); }

// Initials on their own, not a middle name: "Voorletters", "Initials".
bool namesInitials(const std::string& folded, std::size_t begin, std::size_t end) {
  static constexpr std::string_view kInitials[] = {" initial ", " initials ", " voorletters ", " initialen "};
  std::string_view match = std::string_view(folded).substr(begin, end - begin);
  return std::find(std::begin(kInitials), std::end(kInitials), match) != std::end(kInitials);
}

}  // namespace

void LabelReader::mergeNameParts(const std::string& folded, int (&bestWeight)[kFieldKindCount],
                                 const Match* (&bestMatch)[kFieldKindCount],
                                 std::size_t (&firstAt)[kFieldKindCount]) {
  int& given = bestWeight[at(FieldKind::kGivenName)];
  int& family = bestWeight[at(FieldKind::kFamilyName)];
  int& full = bestWeight[at(FieldKind::kFullName)];
  int& middle = bestWeight[at(FieldKind::kMiddleName)];
  if (given == 0 && family == 0 && full == 0) return;
  if (middle > 0) {
    // "Initials and surname" asks for the initials written before the family name, and "First
    // name initial" for the initial of the name: no saved value holds either.
    const Match* m = bestMatch[at(FieldKind::kMiddleName)];
    bool initials = m != nullptr && namesInitials(folded, m->begin, m->end);
    bool initialsBeforeFamily = initials && given == 0 && full == 0;
    // ... but "First name (or initial)" takes either.
    bool orInitial = initials && m->begin >= 3 && folded.compare(m->begin - 3, 3, " or") == 0;
    bool initialOfAName = initials && !orInitial &&
                          m->begin > std::min(firstAt[at(FieldKind::kGivenName)], firstAt[at(FieldKind::kFamilyName)]);
    if (!initialsBeforeFamily && !initialOfAName) middle = 0;
    // "Imię, drugie imię i nazwisko", "Vorname, ggf. zweiter Vorname, Nachname": every part of
    // the name, listed.
    if (given > 0 && full > 0 && family == 0) family = given;
  }
  // "Given name and surname": the whole name's words share one with the given name's.
  const Match* g = bestMatch[at(FieldKind::kGivenName)];
  const Match* f = bestMatch[at(FieldKind::kFullName)];
  if (given > 0 && full > 0 && family == 0 && g != nullptr && f != nullptr && g->begin < f->begin &&
      f->begin + 1 < g->end && g->end < f->end) {
    family = given;
  }
  // "First name only - not last name", "Nombre, los apellidos van aparte": the other part is
  // asked for elsewhere.
  static constexpr std::string_view kElsewhere[] = {
      " not last name ", " not your last name ", " not surname ", " not your surname ", " not first name ",
      " not family name ", " last name below ", " surname below ", " separately ", " in the next field ",
      " next box ", " aparte ", " por separado ", " campo successivo ", " separat ", " getrennt "};
  bool elsewhere = std::any_of(std::begin(kElsewhere), std::end(kElsewhere),
                               [&](std::string_view w) { return folded.find(w) != std::string::npos; });
  if (given > 0 && family > 0 && !elsewhere) {
    int parts = std::max(given, family);
    if (full < parts) bestMatch[at(FieldKind::kFullName)] = nullptr;
    full = std::max(full, parts);
    std::size_t& first = firstAt[at(FieldKind::kFullName)];
    first = std::min({first, firstAt[at(FieldKind::kGivenName)], firstAt[at(FieldKind::kFamilyName)]});
    given = 0;
    family = 0;
  }
}

}  // namespace oskel::answer
