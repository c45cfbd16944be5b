// The word lists of people's names that the Lexicon reads at start: words separated by
// "|", folded by the Lexicon as it reads them.
#pragma once

namespace oskel::answer::name_lists {

extern const char* const kGivenNames;
// Family names of the traditions that write them before the given name.
extern const char* const kFamilyNamesWrittenFirst;
extern const char* const kFamilyNames;

}  // namespace oskel::answer::name_lists
