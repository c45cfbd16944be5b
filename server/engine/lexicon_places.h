// The list of towns that the Lexicon reads at start besides its own short one: words
// separated by "|", folded by the Lexicon as it reads them.
#pragma once

namespace oskel::answer::place_lists {

extern const char* const kMoreTowns;

}  // namespace oskel::answer::place_lists
